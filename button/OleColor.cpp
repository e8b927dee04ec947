#include "OleColor.h"

namespace quorvel {

namespace {

struct SystemColorRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour indexes (scroll bar = 0 ... menu bar = 30) and the palette
// entry that plays the same part in a Qt style.
std::optional<SystemColorRole> roleOfSystemIndex(unsigned index)
{
    using P = QPalette;
    switch (index) {
    case 0: return SystemColorRole{P::Active, P::Button};           // scroll bar
    case 1: return SystemColorRole{P::Active, P::Dark};             // desktop
    case 2: return SystemColorRole{P::Active, P::Highlight};        // active caption
    case 3: return SystemColorRole{P::Inactive, P::Mid};            // inactive caption
    case 4: return SystemColorRole{P::Active, P::Window};           // menu
    case 5: return SystemColorRole{P::Active, P::Base};             // window background
    case 6: return SystemColorRole{P::Active, P::Shadow};           // window frame
    case 7: return SystemColorRole{P::Active, P::WindowText};       // menu text
    case 8: return SystemColorRole{P::Active, P::Text};             // window text
    case 9: return SystemColorRole{P::Active, P::HighlightedText};  // caption text
    case 10: return SystemColorRole{P::Active, P::Button};          // active border
    case 11: return SystemColorRole{P::Inactive, P::Button};        // inactive border
    case 12: return SystemColorRole{P::Active, P::Dark};            // application workspace
    case 13: return SystemColorRole{P::Active, P::Highlight};       // highlight
    case 14: return SystemColorRole{P::Active, P::HighlightedText}; // highlighted text
    case 15: return SystemColorRole{P::Active, P::Button};          // button face
    case 16: return SystemColorRole{P::Active, P::Dark};            // button shadow
    case 17: return SystemColorRole{P::Disabled, P::Text};          // grey text
    case 18: return SystemColorRole{P::Active, P::ButtonText};      // button text
    case 19: return SystemColorRole{P::Inactive, P::WindowText};    // inactive caption text
    case 20: return SystemColorRole{P::Active, P::Light};           // button highlight
    case 21: return SystemColorRole{P::Active, P::Shadow};          // 3D dark shadow
    case 22: return SystemColorRole{P::Active, P::Midlight};        // 3D light
    case 23: return SystemColorRole{P::Active, P::ToolTipText};     // info text
    case 24: return SystemColorRole{P::Active, P::ToolTipBase};     // info background
    case 26: return SystemColorRole{P::Active, P::Link};            // hot-tracked item
    case 27: return SystemColorRole{P::Active, P::Highlight};       // active caption gradient
    case 28: return SystemColorRole{P::Inactive, P::Mid};           // inactive caption gradient
    case 29: return SystemColorRole{P::Active, P::Highlight};       // menu highlight
    case 30: return SystemColorRole{P::Active, P::Window};          // menu bar
    default: return std::nullopt;
    }
}

} // namespace

std::optional<OleColor> translateColor(OleColor value, const QPalette &palette)
{
    if ((value & 0xFF000000u) == 0)
        return value;
    if ((value & 0xFFFFFF00u) != kSystemColorFlag)
        return std::nullopt;
    const auto role = roleOfSystemIndex(value & 0xFFu);
    if (!role)
        return std::nullopt;
    return fromQColor(palette.color(role->group, role->role));
}

} // namespace quorvel
