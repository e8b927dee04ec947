#pragma once

// The size-dependent part of the main window as plain data: every control
// that the layout or the panel switch moves, shows or hides, with its
// geometry in twips relative to its container. ArrangeControls and
// SwitchPanel work on this model alone, so they run without a window; the
// window copies the result onto its widgets.

#include "platform/LocaleRule.h"
#include "platform/Twips.h"

#include <QString>

#include <array>
#include <cstdint>

namespace kestova {

// The width the expanded panel adds to the window.
inline constexpr float ExtensionWidth = 3325.0f;

// Panel modes as SwitchSkin's Tag holds them.
inline const QString PanelBase = QStringLiteral("base");
inline const QString PanelExpand = QStringLiteral("expand");

struct ControlGeometry
{
    TwipsRect rect;
    bool visible = true;
    friend bool operator==(const ControlGeometry &, const ControlGeometry &) = default;
};

// The face of the SwitchSkin button: its Tag is the one place the panel mode
// is kept.
struct SwitchSkinFace
{
    QString tag = PanelBase;
    QString caption = QStringLiteral(">>");
    QString toolTip = QStringLiteral("扩展面板");
    friend bool operator==(const SwitchSkinFace &, const SwitchSkinFace &) = default;
};

struct LayoutModel
{
    // The window's client area. The window manager draws the frame here, so
    // the width and height of the layout rules are the client size.
    float W = 6875.0f;
    float H = 7155.0f;

    ControlGeometry TVPlayer{{75, -45, 6615, 5445}};
    ControlGeometry Maskit{{60, -15, 6645, 5430}};
    ControlGeometry TVPlayer2{{10410, 480, 2715, 2625}, false};
    ControlGeometry Maskit2{{10440, 3495, 2715, 2460}, false};
    ControlGeometry Picture1{{120, 5400, 6540, 885}};
    ControlGeometry Picture3{{-30, 285, 6570, 180}}; // inside Picture1
    ControlGeometry morechannel{{6705, 0, 3000, 6285}, false};
    ControlGeometry Picture5{{6705, 0, 3000, 6285}, false};
    std::array<ControlGeometry, 3> bar{{
        {{60, 6270, 6645, 780}},
        {{6270, 6285, 3810, 735}},
        {{3075, 6270, 6495, 165}},
    }};
    ControlGeometry LoveChannelGroup{{630, 6450, 5520, 285}};
    ControlGeometry subchannelgroup{{420, 160, 2850, 285}}; // inside bar(1)
    ControlGeometry SwitchSkin{{6210, 6435, 435, 300}};
    ControlGeometry SwithTopWindow{{90, 165, 435, 300}}; // inside bar(0)
    ControlGeometry s1{{9735, 0, 270, 270}};
    ControlGeometry s2{{9735, 6015, 270, 270}};
    ControlGeometry s3{{9735, 270, 270, 630}};
    ControlGeometry s4{{9735, 240, 270, 5775}};
    ControlGeometry Update_Prompt_Box{{1665, 3375, 3750, 1860}, false};

    SwitchSkinFace switchSkin;

    bool expanded() const { return switchSkin.tag != PanelBase; }
    float ext() const { return expanded() ? ExtensionWidth : 0.0f; }

    friend bool operator==(const LayoutModel &, const LayoutModel &) = default;
};

// Places the size-dependent controls for the model's W and H. Returns false,
// leaving every control as it was, when the window is too small for the
// layout (W <= ext + 275 or H <= 1800). When it returns true the caller also
// brings bar(2) to the top of the z-order.
bool ArrangeControls(LayoutModel &m);

// TVPlayer2 takes TVPlayer's rectangle; Maskit2 covers it but for its
// bottom 300 twips.
void alignRealPlayer(LayoutModel &m);

// The SwitchSkin click without its LayoutEnabled bracket: toggles the panel
// mode, changes W by the extension width and updates the controls whose rules
// differ between the modes. The tooltip follows the locale rule.
void SwitchPanel(LayoutModel &m, std::uint32_t locale, const TextConverter &toBig5);

} // namespace kestova
