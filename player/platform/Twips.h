#pragma once

#include <QRect>

#include <cmath>

namespace kestova {

// Window geometry is kept in twips (1/1440 inch) as float, the unit the layout
// arithmetic works in; this is the one place that turns it into pixels.
// Qt positions widgets in device-independent pixels of a nominal 96 DPI (high
// DPI screens scale those by their device pixel ratio), so one pixel is 15 twips.
inline constexpr float TwipsPerInch = 1440.0f;
inline constexpr double LogicalDpi = 96.0;

inline int twipsToPixels(float twips, double dpi = LogicalDpi)
{
    return int(std::lround(double(twips) * dpi / TwipsPerInch));
}

inline float pixelsToTwips(int pixels, double dpi = LogicalDpi)
{
    return float(double(pixels) * TwipsPerInch / dpi);
}

// Geometry of one control in twips, relative to its container.
struct TwipsRect
{
    float Left = 0, Top = 0, Width = 0, Height = 0;
    float bottom() const { return Top + Height; }
    friend bool operator==(const TwipsRect &, const TwipsRect &) = default;
};

// The control's pixel rectangle: each edge converted on its own, so controls
// that meet in twips meet in pixels.
inline QRect edgesToPixels(const TwipsRect &r)
{
    const int left = twipsToPixels(r.Left);
    const int top = twipsToPixels(r.Top);
    return QRect(QPoint(left, top), QPoint(twipsToPixels(r.Left + r.Width) - 1, twipsToPixels(r.Top + r.Height) - 1));
}

} // namespace kestova
