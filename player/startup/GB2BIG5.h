#pragma once

// GB2312-to-Big5 conversion for display on a Taiwan-locale system.
//
// The table comes from the resource ":/CUSTOM/102": 88 rows of 94 two-byte
// cells (Big5 lead, trail), for GB2312 lead bytes A1..A9 then B0..FE and
// trail bytes A1..FE. Lead bytes AA..AF, which GB2312 leaves empty, look up
// the rows of B0..B5.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kestova {

inline constexpr int GbToBig5ResourceSize = 88 * 94 * 2; // 16544
inline constexpr char GbToBig5ResourcePath[] = ":/CUSTOM/102";

// Loads the table from the resource once; later calls return at once.
// False when the resource is missing or not 16544 bytes; the table then
// stays unloaded and a later call tries again.
bool loadGbToBig5Table();
bool gbToBig5TableLoaded();

// The byte core: GB2312 bytes in, Big5 bytes out, always the same length.
// Bytes below A1 are copied; a byte A1 or above followed by a byte below A1
// is copied alone; any other pair is looked up. A pair that lies outside the
// table (lead or trail byte FF) is copied unchanged, as is every pair while
// the table cannot be loaded. Loads the table on first need.
QByteArray GbToBig5Bytes(QByteArrayView gb2312);

// Text -> GBK bytes -> byte core -> decoded as Big5. The empty text is
// returned without touching the table.
QString GbToBig5(const QString &text);

} // namespace kestova
