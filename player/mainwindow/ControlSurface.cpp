#include "mainwindow/ControlSurface.h"

#include "platform/Twips.h"

#include <QMouseEvent>
#include <QPointer>

namespace kestova {

namespace {

QPointF twipsPosition(const QMouseEvent *event)
{
    const QPointF p = event->position();
    // Sub-pixel positions keep their fraction: 1 px is 15 twips.
    return {double(pixelsToTwips(1)) * p.x(), double(pixelsToTwips(1)) * p.y()};
}

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int buttonBits(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

} // namespace

void ControlSurface::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    Q_EMIT MouseDown(buttonCode(event->button()), twipsPosition(event));
}

void ControlSurface::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT MouseMove(buttonBits(event->buttons()), twipsPosition(event));
}

void ControlSurface::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = event->button() == Qt::LeftButton && m_leftPressed
        && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_leftPressed = false;
    // A handler may close the window and delete this control.
    const QPointer<ControlSurface> self(this);
    Q_EMIT MouseUp(buttonCode(event->button()), twipsPosition(event));
    if (click && self)
        Q_EMIT Click();
}

void ControlSurface::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click raises DblClick instead of
    // MouseDown, and its release no Click.
    if (event->button() == Qt::LeftButton) {
        m_leftPressed = false;
        Q_EMIT DblClick();
    } else {
        Q_EMIT MouseDown(buttonCode(event->button()), twipsPosition(event));
    }
}

} // namespace kestova
