#include "PaintEffects.h"

#include "OleColor.h"

#include <QImage>
#include <QPainter>
#include <QScopeGuard>

#include <algorithm>
#include <cstring>
#include <cmath>

namespace quorvel::PaintEffects {

namespace {

// The gradients' own approximation of pi; the colours depend on it.
constexpr double kGradientPi = 3.14159265;

// System references for the two edge colours of the 3D frames.
constexpr OleColor kSysButtonHighlight = 0x80000014u;
constexpr OleColor kSysButtonShadow = 0x80000010u;

int channel(double value)
{
    return std::clamp(int(roundHalfEven(value)), 0, 255);
}

void fillRect(QPainter &painter, int left, int top, int right, int bottom, OleColor rgb)
{
    if (right > left && bottom > top)
        painter.fillRect(QRect(left, top, right - left, bottom - top), toQColor(rgb));
}

// The platform's one-pixel frame: the outermost pixels inside the rectangle.
void frameRect(QPainter &painter, const PixelRect &r, OleColor rgb)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    fillRect(painter, r.Left, r.Top, r.Right, r.Top + 1, rgb);
    fillRect(painter, r.Left, r.Bottom - 1, r.Right, r.Bottom, rgb);
    fillRect(painter, r.Left, r.Top, r.Left + 1, r.Bottom, rgb);
    fillRect(painter, r.Right - 1, r.Top, r.Right, r.Bottom, rgb);
}

// A single-border edge: top and left in one colour, then right and bottom
// in the other, which own the two far corners.
void edge(QPainter &painter, const PixelRect &r, OleColor topLeft, OleColor bottomRight)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    fillRect(painter, r.Left, r.Top, r.Right, r.Top + 1, topLeft);
    fillRect(painter, r.Left, r.Top, r.Left + 1, r.Bottom, topLeft);
    fillRect(painter, r.Right - 1, r.Top, r.Right, r.Bottom, bottomRight);
    fillRect(painter, r.Left, r.Bottom - 1, r.Right, r.Bottom, bottomRight);
}

// The platform's focus rectangle: every other pixel of the frame inverted.
void focusRect(QPainter &painter, const PixelRect &r)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::NoPen);
    const QColor white(255, 255, 255);
    auto dot = [&](int x, int y) { painter.fillRect(QRect(x, y, 1, 1), white); };
    for (int x = r.Left; x < r.Right; x += 2) {
        dot(x, r.Top);
        if (r.Bottom - 1 > r.Top && ((x - r.Left) + (r.Bottom - 1 - r.Top)) % 2 == 0)
            dot(x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        if ((y - r.Top) % 2 == 0)
            dot(r.Left, y);
        if (r.Right - 1 > r.Left && ((r.Right - 1 - r.Left) + (y - r.Top)) % 2 == 0)
            dot(r.Right - 1, y);
    }
    painter.restore();
}

// The picture's opaque pixels in one colour.
QImage silhouette(const QPixmap &pixmap, OleColor rgb)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb fill = qRgba(RedOf(rgb), GreenOf(rgb), BlueOf(rgb), 255);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qAlpha(line[x]) != 0 ? fill : qRgba(0, 0, 0, 0);
    }
    return image;
}

Qt::Alignment alignmentOf(int flags)
{
    Qt::Alignment a;
    if (flags & DtRight)
        a |= Qt::AlignRight;
    else if (flags & DtCenter)
        a |= Qt::AlignHCenter;
    else
        a |= Qt::AlignLeft;
    if (flags & DtBottom)
        a |= Qt::AlignBottom;
    else if (flags & DtVCenter)
        a |= Qt::AlignVCenter;
    else
        a |= Qt::AlignTop;
    return a;
}

} // namespace

double roundHalfEven(double value)
{
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction < 0.5)
        return down;
    if (fraction > 0.5)
        return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

bool stripesAreColumns(int style)
{
    return style == hsLtlByLtl || style == 4;
}

std::optional<OleColor> stripeColor(int style, int i, int n, OleColor c1, OleColor c2)
{
    const int r1 = RedOf(c1), g1 = GreenOf(c1), b1 = BlueOf(c1);
    const int dR = RedOf(c2) - r1, dG = GreenOf(c2) - g1, dB = BlueOf(c2) - b1;
    if (n <= 0)
        return std::nullopt;
    switch (style) {
    case hsAlverage:
        return c1;
    case hsLtlByLtl:
    case hsColumn:
        return rgbColor(channel(r1 + double(i * dR) / n), channel(g1 + double(i * dG) / n),
                        channel(b1 + double(i * dB) / n));
    case 3:
    case 4: {
        const double s = std::sin(i * kGradientPi / n);
        return rgbColor(channel(r1 + dR * s), channel(g1 + dG * s), channel(b1 + dB * s));
    }
    default:
        return std::nullopt;
    }
}

bool DrawFrame(DrawingSurface &surface, const PixelRect &rect, int kind, OleColor colour)
{
    QPainter &p = surface.painter;
    switch (kind) {
    case FrameSolid: {
        const auto rgb = translateColor(colour, surface.palette);
        if (!rgb)
            return false;
        frameRect(p, rect, *rgb);
        return true;
    }
    case FrameRaised:
    case FrameSunken: {
        const auto light = translateColor(kSysButtonHighlight, surface.palette);
        const auto shadow = translateColor(kSysButtonShadow, surface.palette);
        if (kind == FrameRaised)
            edge(p, rect, *light, *shadow);
        else
            edge(p, rect, *shadow, *light);
        return true;
    }
    case FrameFocus:
        focusRect(p, rect);
        return true;
    default:
        return true;
    }
}

bool FillFace(DrawingSurface &surface, const PixelRect &rect, int style, OleColor first, OleColor second)
{
    const auto c1 = translateColor(first, surface.palette);
    const auto c2 = translateColor(second, surface.palette);
    if (!c1 || !c2)
        return false;
    QPainter &p = surface.painter;
    if (style == hsAlverage) {
        fillRect(p, rect.Left, rect.Top, rect.Right, rect.Bottom, *c1);
        return true;
    }
    const int w = rect.width();
    const int h = rect.height();
    const bool columns = stripesAreColumns(style);
    if (w <= 0 || h <= 0 || (!columns && style != hsColumn && style != 3))
        return true;
    // One colour per one-pixel stripe, composed in an image and drawn at
    // once: the same pixels as filling every stripe on its own, without a
    // paint call per stripe.
    QImage stripes(w, h, QImage::Format_RGB32);
    if (columns) {
        auto *first = reinterpret_cast<QRgb *>(stripes.scanLine(0));
        for (int i = 0; i < w; ++i) {
            const OleColor c = *stripeColor(style, i, w, *c1, *c2);
            first[i] = qRgb(RedOf(c), GreenOf(c), BlueOf(c));
        }
        for (int y = 1; y < h; ++y)
            std::memcpy(stripes.scanLine(y), first, std::size_t(w) * sizeof(QRgb));
    } else {
        for (int i = 0; i < h; ++i) {
            const OleColor c = *stripeColor(style, i, h, *c1, *c2);
            auto *line = reinterpret_cast<QRgb *>(stripes.scanLine(i));
            std::fill(line, line + w, qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
        }
    }
    p.drawImage(rect.Left, rect.Top, stripes);
    return true;
}

bool DrawPicture(DrawingSurface &surface, int x, int y, const Picture &picture, OleColor colour)
{
    if (picture.isEmpty())
        return true;
    if (picture.type() != Picture::Icon && picture.type() != Picture::Bitmap)
        return true;
    if (colour == 0) {
        surface.painter.drawPixmap(x, y, picture.pixmap());
        return true;
    }
    const auto rgb = translateColor(colour, surface.palette);
    if (!rgb)
        return false;
    surface.painter.drawImage(x, y, silhouette(picture.pixmap(), *rgb));
    return true;
}

bool DrawCaption(DrawingSurface &surface, const PixelRect &rect, const QString &text, int flags,
                 OleColor textColour, OleColor backColour)
{
    QPainter &p = surface.painter;
    // Colours and background mode are the surface's again when this returns.
    p.save();
    const auto restore = qScopeGuard([&p] { p.restore(); });
    if (backColour != 0) {
        const auto rgb = translateColor(backColour, surface.palette);
        if (!rgb)
            return false;
        p.setBackgroundMode(Qt::OpaqueMode);
        p.setBackground(toQColor(*rgb));
    } else {
        p.setBackgroundMode(Qt::TransparentMode);
    }
    const auto fore = translateColor(textColour != 0 ? textColour : surface.foreColor, surface.palette);
    if (!fore)
        return false;
    p.setPen(toQColor(*fore));
    p.setFont(surface.font);

    const QRect box(rect.Left, rect.Top, rect.width(), rect.height());
    if (box.isEmpty())
        return true;
    p.setClipRect(box, Qt::IntersectClip);
    p.drawText(box, int(alignmentOf(flags | DtSingleLine)) | Qt::TextSingleLine | Qt::TextShowMnemonic,
               text);
    return true;
}

} // namespace quorvel::PaintEffects
