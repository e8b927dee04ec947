// The repaint procedure: the whole face from scratch for the current style
// and pointer state, built from the PaintEffects routines.
#pragma once

#include "ButtonEnums.h"
#include "PaintEffects.h"
#include "Picture.h"
#include "QuorvelExport.h"

#include <QPoint>
#include <QString>

#include <optional>

namespace quorvel {

// New-instance values of the hover-style properties, also their stored
// defaults.
constexpr int kDefaultAppearance = btXP;
constexpr OleColor kDefaultBorderColor = 0x9C8181u;
constexpr OleColor kDefaultHoverColor = 0xD1ADADu;
constexpr OleColor kDefaultMouseDownColor = 0xC08080u;
constexpr OleColor kDefaultEdgeColor = 0x800000u;
constexpr OleColor kDefaultShadowColor = 0x800000u;
constexpr int kDefaultShadowOffSet = 2;

// A snapshot of what the face depends on.
struct FaceState
{
    int Appearance = kDefaultAppearance;
    int Alignment = alnLeftTop;
    int HoverFillStyle = hsAlverage;
    OleColor BorderColor = kDefaultBorderColor;
    OleColor ShadowColor = kDefaultShadowColor;
    OleColor EdgeColor = kDefaultEdgeColor;
    OleColor HoverColor = kDefaultHoverColor;
    OleColor MouseDownColor = kDefaultMouseDownColor;
    OleColor BackColor = kSysButtonFace;
    int ShadowOffSet = kDefaultShadowOffSet;
    QString Caption;
    bool ShowFocus = false;
    Picture picture;
    PixelRect mRect;
    bool mHover = false;
    int mButton = 0;
    bool mHasFocus = false;
    bool enabled = true;
    bool userMode = true;
};

namespace ButtonFace {

inline PixelRect innerRect(const PixelRect &r) { return {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}; }
inline PixelRect textRect(const PixelRect &r) { return {r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 3}; }

constexpr OleColor kDisabledGrey = 0x808080u; // RGB(128, 128, 128)

// The icon's top-left corner: centred across the text rectangle's width
// (whose Left is deliberately not added) and above the caption, moved by
// the shadow offset, never left of or above the text rectangle. (0, 0)
// without a picture; nothing when the arithmetic leaves the 32-bit range.
QUORVEL_EXPORT std::optional<QPoint> pictureOrigin(const PixelRect &text, const Picture &picture,
                                                   int shadowOffset, int captionHeight);

// Format flags of the caption for the hover and 3D styles: 5 without a
// picture, 9 with one.
inline int captionFlags(const Picture &picture)
{
    return picture.hasHandle() ? (PaintEffects::DtCenter | PaintEffects::DtBottom)
                               : (PaintEffects::DtCenter | PaintEffects::DtVCenter);
}

// Draws the face. Stops at the first routine that fails and returns false.
QUORVEL_EXPORT bool Repaint(DrawingSurface &surface, const FaceState &state);

} // namespace ButtonFace
} // namespace quorvel
