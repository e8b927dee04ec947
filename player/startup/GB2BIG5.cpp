#include "startup/GB2BIG5.h"

#include "platform/FileAccess.h"
#include "platform/TextCodec.h"

#include <array>
#include <cstdint>

namespace kestova {
namespace {

constexpr int FirstRow = 0xA7;    // 167: lead bytes A1..A9 are looked up 6 rows on
constexpr int LastRow = 0xFF;     // 255: never filled
constexpr int FirstColumn = 0xA1; // 161
constexpr int LastColumn = 0xFE;  // 254
constexpr int Columns = LastColumn - FirstColumn + 1;
constexpr int Rows = LastRow - FirstRow + 1;

// The conversion table and whether it holds the resource yet. Filled once at
// start-up and read-only afterwards.
struct Table
{
    std::array<std::array<std::uint8_t, 2>, Rows * Columns> cells{};
    bool loaded = false;

    std::array<std::uint8_t, 2> &cell(int row, int column)
    {
        return cells[std::size_t((row - FirstRow) * Columns + (column - FirstColumn))];
    }
};

Table &table()
{
    static Table instance;
    return instance;
}

} // namespace

bool loadGbToBig5Table()
{
    Table &t = table();
    if (t.loaded)
        return true;
    const auto resource = readWholeFile(QString::fromLatin1(GbToBig5ResourcePath));
    if (!resource || resource->size() != GbToBig5ResourceSize)
        return false;
    const QByteArray &bytes = *resource;

    // Rows 167..254 in order, cells 161..254 in each; row 255 stays zero.
    qsizetype j = 0;
    for (int r = FirstRow; r < LastRow; ++r) {
        for (int c = FirstColumn; c <= LastColumn; ++c) {
            t.cell(r, c) = {std::uint8_t(bytes[j]), std::uint8_t(bytes[j + 1])};
            j += 2;
        }
    }
    t.loaded = true;
    return true;
}

bool gbToBig5TableLoaded()
{
    return table().loaded;
}

QByteArray GbToBig5Bytes(QByteArrayView gb2312)
{
    const qsizetype n = gb2312.size();
    QByteArray out(gb2312.data(), n);
    if (n == 0)
        return out;
    const bool haveTable = loadGbToBig5Table();
    Table &t = table();

    qsizetype i = 0;
    while (i < n) {
        if (i == n - 1)
            break; // a last lone byte is already copied
        const int lead = std::uint8_t(gb2312[i]);
        const int trail = std::uint8_t(gb2312[i + 1]);
        if (lead < FirstColumn || trail < FirstColumn) {
            ++i;
            continue;
        }
        // The pair stays as copied when it lies outside the table: lead FF
        // would read the empty row 255, trail FF has no column.
        if (haveTable && lead != 0xFF && trail != 0xFF) {
            const int row = lead <= 0xAF ? lead + 6 : lead;
            const auto &big5 = t.cell(row, trail);
            out[i] = char(big5[0]);
            out[i + 1] = char(big5[1]);
        }
        i += 2;
    }
    return out;
}

QString GbToBig5(const QString &text)
{
    if (text.isEmpty())
        return {};
    return decodeText(GbToBig5Bytes(toGbk(text)), Charset::Big5);
}

} // namespace kestova
