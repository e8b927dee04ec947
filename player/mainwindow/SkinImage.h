#pragma once

#include "mainwindow/ControlSurface.h"

namespace kestova {

// An image control: shows one skin picture over its whole rectangle and
// raises pointer events. Command images light up under the pointer.
class SkinImage : public ControlSurface
{
    Q_OBJECT
public:
    explicit SkinImage(const QString &picture = {}, QWidget *parent = nullptr);

    // The skin picture's name ("speak", "tv_play"); empty shows nothing, so
    // the control is a transparent layer that still takes the pointer.
    QString picture() const { return m_picture; }
    void setPicture(const QString &name);

    void setHoverLight(bool on) { m_hoverLight = on; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QString m_picture;
    bool m_hoverLight = false;
    bool m_hover = false;
};

} // namespace kestova
