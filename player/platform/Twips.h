#pragma once

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

} // namespace kestova
