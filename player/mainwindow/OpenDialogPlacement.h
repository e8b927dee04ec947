#pragma once

#include "platform/Twips.h"

#include <QPointF>

namespace kestova {

// Where the open-media dialog stands beside the main window, in twips of the
// screen: its left edge at the right edge of the tv_open image, its bottom
// edge level with the image's bottom. windowOrigin is the top-left corner of
// the window's client area; tv_open lies inside Picture1.
QPointF openDialogPosition(QPointF windowOrigin, const TwipsRect &Picture1, const TwipsRect &tv_open,
                           float dialogHeight);

} // namespace kestova
