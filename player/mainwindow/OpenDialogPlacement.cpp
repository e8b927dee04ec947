#include "mainwindow/OpenDialogPlacement.h"

namespace kestova {

QPointF openDialogPosition(QPointF windowOrigin, const TwipsRect &Picture1, const TwipsRect &tv_open,
                           float dialogHeight)
{
    const float left = float(windowOrigin.x()) + Picture1.Left + tv_open.Left + tv_open.Width;
    const float top = float(windowOrigin.y()) + Picture1.Top + tv_open.Top + tv_open.Height - dialogHeight;
    return {left, top};
}

} // namespace kestova
