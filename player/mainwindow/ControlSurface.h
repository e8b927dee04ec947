#pragma once

#include <QPointF>
#include <QWidget>

namespace kestova {

// The pointer events of the window's image and picture-box controls, with
// the button as the program counts it (1 left, 2 right, 4 middle; a move
// carries the held buttons' bits) and the position in twips inside the
// control.
class ControlSurface : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

Q_SIGNALS:
    void MouseDown(int button, QPointF position);
    void MouseMove(int buttons, QPointF position);
    void MouseUp(int button, QPointF position);
    // A left press and release over the control.
    void Click();
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_leftPressed = false;
};

} // namespace kestova
