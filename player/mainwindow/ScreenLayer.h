#pragma once

#include "mainwindow/ControlSurface.h"

namespace kestova {

// Maskit: the layer over TVPlayer's video area. It takes the pointer (a
// double click means full screen) and is transparent while a picture plays;
// while the player is idle it shows the skin's empty screen with the logo.
class ScreenLayer : public ControlSurface
{
    Q_OBJECT
public:
    explicit ScreenLayer(QWidget *parent = nullptr);

    bool idle() const { return m_idle; }
    void setIdle(bool idle);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_idle = true;
};

} // namespace kestova
