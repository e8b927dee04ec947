// Colour values as the button's properties hold them (0x00BBGGRR, or a
// system-colour reference 0x800000nn) and their translation to RGB.
#pragma once

#include "ButtonEnums.h"
#include "QuorvelExport.h"

#include <QColor>
#include <QPalette>

#include <optional>

namespace quorvel {

constexpr OleColor kSystemColorFlag = 0x80000000u;

constexpr OleColor rgbColor(int r, int g, int b)
{
    return OleColor(r & 0xFF) | (OleColor(g & 0xFF) << 8) | (OleColor(b & 0xFF) << 16);
}

constexpr int RedOf(OleColor c) { return int(c % 256); }
constexpr int GreenOf(OleColor c) { return int((c / 256) % 256); }
constexpr int BlueOf(OleColor c) { return int((c / 65536) % 256); }

// The RGB value a colour stands for: plain RGB values as they are, system
// references through the palette. Nothing for an unknown system index or a
// value that is neither form.
QUORVEL_EXPORT std::optional<OleColor> translateColor(OleColor value, const QPalette &palette);

inline QColor toQColor(OleColor rgb) { return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb)); }
inline OleColor fromQColor(const QColor &c) { return rgbColor(c.red(), c.green(), c.blue()); }

} // namespace quorvel
