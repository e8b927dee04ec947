// The three enumerations of the button's type information. Their names and
// values are what hosts store in property bags, so they never change.
#pragma once

#include "QuorvelExport.h"

#include <QObject>

namespace quorvel {
Q_NAMESPACE_EXPORT(QUORVEL_EXPORT)

// Face style (the Appearance property).
enum AppearenceStyleConsts : int {
    bt3D = 1,     // classic raised/sunken button
    btXP = 2,     // flat, lit up under the pointer
    btXPplus = 3, // as btXP plus a frame while the pointer is away, plus focus rectangle
    btLabel = 4,  // caption only
};
Q_ENUM_NS(AppearenceStyleConsts)

// Caption alignment (btLabel only): bits 0/1/2 horizontal, 0/4/8 vertical,
// the text-drawing call's own flag values.
enum AlignmentConsts : int {
    alnLeftTop = 0,
    alnCenterTop = 1,
    alnRightTop = 2,
    alnLeftMiddle = 4,
    alnCenterMiddle = 5,
    alnRightMiddle = 6,
    alnLeftBottom = 8,
    alnCenterBottom = 9,
    alnRightBottom = 10,
};
Q_ENUM_NS(AlignmentConsts)

// Fill under the pointer. The HoverFillStyle property takes any 16-bit value:
// 3 and 4 are the sine-shaped gradients, anything else outside 0..4 fills nothing.
enum HoverFillStyleConsts : int {
    hsAlverage = 0, // flat fill in the first colour
    hsLtlByLtl = 1, // linear gradient, left to right
    hsColumn = 2,   // linear gradient, top to bottom
};
Q_ENUM_NS(HoverFillStyleConsts)

// Result of a fallible property put, load or save. Errors are returned,
// never thrown, so they can't escape through the event loop.
enum class ControlError : int {
    None = 0,
    Overflow,        // a 16-bit property given a value outside -32768..32767
    InvalidPicture,  // Picture given something other than an icon
    InvalidValue,    // a stored value that does not convert to the property's type
    StoreFailed,     // the property store refused to read or write
};
Q_ENUM_NS(ControlError)

// A colour value: 0x00BBGGRR, or a system-colour reference 0x800000nn.
using OleColor = quint32;

// The system colours a new control starts with.
constexpr OleColor kSysButtonFace = 0x8000000Fu;
constexpr OleColor kSysButtonText = 0x80000012u;

} // namespace quorvel
