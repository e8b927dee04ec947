#include "ButtonFace.h"

#include "OleColor.h"

#include <QFontMetrics>
#include <QPainter>

#include <limits>

namespace quorvel::ButtonFace {

using namespace PaintEffects;

std::optional<QPoint> pictureOrigin(const PixelRect &text, const Picture &picture, int shadowOffset,
                                    int captionHeight)
{
    if (!picture.hasHandle())
        return QPoint(0, 0);
    const double x = roundHalfEven(((double(text.Right) - text.Left) - picture.size().width()) / 2.0
                                   + shadowOffset);
    const double y = roundHalfEven(
            double(shadowOffset)
            + ((double(text.Bottom) - text.Top) - picture.size().height() - captionHeight) / 2.0);
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (x < lo || x > hi || y < lo || y > hi)
        return std::nullopt;
    int picX = int(x);
    int picY = int(y);
    if (picX < text.Left)
        picX = text.Left;
    if (picY < text.Top)
        picY = text.Top;
    return QPoint(picX, picY);
}

bool Repaint(DrawingSurface &surface, const FaceState &s)
{
    const PixelRect client = s.mRect;
    const PixelRect text = textRect(client);
    const PixelRect inner = innerRect(client);

    const int captionHeight = s.Caption.isEmpty() ? 0 : QFontMetrics(surface.font).height();
    const auto origin = pictureOrigin(text, s.picture, s.ShadowOffSet, captionHeight);
    if (!origin)
        return false;
    const int picX = origin->x();
    const int picY = origin->y();
    const int off = s.ShadowOffSet;

    const auto back = translateColor(s.BackColor, surface.palette);
    if (!back)
        return false;
    surface.painter.fillRect(QRect(client.Left, client.Top, client.width(), client.height()),
                             toQColor(*back));

    const int flags = s.Appearance == btLabel ? s.Alignment : captionFlags(s.picture);

    if (!s.enabled) {
        if (s.Appearance == btLabel)
            return DrawCaption(surface, text, s.Caption, flags, kDisabledGrey, 0);
        return DrawPicture(surface, picX, picY, s.picture, kDisabledGrey)
                && DrawCaption(surface, inner, s.Caption, flags, kDisabledGrey, 0);
    }

    switch (s.Appearance) {
    case bt3D:
        if (s.mHover && !DrawFrame(surface, client, s.mButton > 0 ? FrameSunken : FrameRaised, 0))
            return false;
        if (!s.userMode && !DrawFrame(surface, client, FrameRaised, 0))
            return false;
        return DrawPicture(surface, picX, picY, s.picture, 0)
                && DrawCaption(surface, text, s.Caption, flags, 0, 0);
    case btXP:
    case btXPplus:
        if (!s.mHover) {
            if (s.Appearance == btXPplus && !DrawFrame(surface, client, FrameSolid, s.BorderColor))
                return false;
            if (!s.userMode
                && !FillFace(surface, inner, s.HoverFillStyle, s.HoverColor, s.MouseDownColor))
                return false;
            if (!DrawPicture(surface, picX, picY, s.picture, 0)
                || !DrawCaption(surface, text, s.Caption, flags, 0, 0))
                return false;
            if (s.ShowFocus && s.mHasFocus && s.Appearance == btXPplus)
                return DrawFrame(surface, text, FrameFocus, 0);
            return true;
        }
        if (s.mButton > 0) {
            return DrawFrame(surface, client, FrameSolid, s.EdgeColor)
                    && FillFace(surface, inner, s.HoverFillStyle, s.MouseDownColor, s.HoverColor)
                    && DrawPicture(surface, picX, picY, s.picture, s.ShadowColor)
                    && DrawPicture(surface, picX + off, picY + off, s.picture, 0)
                    && DrawCaption(surface, text, s.Caption, flags, 0, 0);
        }
        return DrawFrame(surface, client, FrameSolid, s.EdgeColor)
                && FillFace(surface, inner, s.HoverFillStyle, s.HoverColor, s.MouseDownColor)
                && DrawPicture(surface, picX + off, picY + off, s.picture, s.ShadowColor)
                && DrawPicture(surface, picX, picY, s.picture, 0)
                && DrawCaption(surface, text, s.Caption, flags, 0, 0);
    case btLabel:
        return DrawCaption(surface, text, s.Caption, flags, 0, 0);
    default:
        return true;
    }
}

} // namespace quorvel::ButtonFace
