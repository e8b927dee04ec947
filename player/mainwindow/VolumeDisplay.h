#pragma once

#include <QColor>

#include <vector>

namespace kestova {

// One filled box of the volume display, in twips of its picture box.
struct VolumeBox
{
    enum Target { vol1, vol2 };
    Target target;
    float x1, x2; // the box spans the whole height of its picture box
    QColor colour;
    friend bool operator==(const VolumeBox &, const VolumeBox &) = default;
};

inline const QColor VolumeLevelColour = QColor(0, 255, 0); // green level
inline const QColor VolumeKnobColour = QColor(0, 0, 255);  // blue knob

// The volume display for a level in percent on a vol1 of the given width:
// X = percent / 100 x width, rounded half to even; the green level 0..X on
// vol1, then the blue knob X..X+10 on vol2 and on vol1, in drawing order.
std::vector<VolumeBox> volumeDisplay(int percent, float vol1Width);

} // namespace kestova
