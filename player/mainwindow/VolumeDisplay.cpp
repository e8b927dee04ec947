#include "mainwindow/VolumeDisplay.h"

#include <cmath>

namespace kestova {

std::vector<VolumeBox> volumeDisplay(int percent, float vol1Width)
{
    const float X = float(std::nearbyint(double(percent) / 100.0 * double(vol1Width)));
    return {
        {VolumeBox::vol1, 0, X, VolumeLevelColour},
        {VolumeBox::vol2, X, X + 10, VolumeKnobColour},
        {VolumeBox::vol1, X, X + 10, VolumeKnobColour},
    };
}

} // namespace kestova
