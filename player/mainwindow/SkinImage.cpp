#include "mainwindow/SkinImage.h"

#include "mainwindow/Skin.h"

#include <QPainter>

namespace kestova {

SkinImage::SkinImage(const QString &picture, QWidget *parent)
    : ControlSurface(parent), m_picture(picture)
{
    setAttribute(Qt::WA_Hover);
}

void SkinImage::setPicture(const QString &name)
{
    if (name == m_picture)
        return;
    m_picture = name;
    update();
}

void SkinImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isEmpty() && !(m_hoverLight && m_hover))
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_hoverLight && m_hover && isEnabled()) {
        QColor glow = skin::Accent;
        glow.setAlpha(56);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    if (!m_picture.isEmpty())
        skin::paintPicture(painter, rect(), m_picture);
}

void SkinImage::enterEvent(QEnterEvent *event)
{
    m_hover = true;
    if (m_hoverLight)
        update();
    ControlSurface::enterEvent(event);
}

void SkinImage::leaveEvent(QEvent *event)
{
    m_hover = false;
    if (m_hoverLight)
        update();
    ControlSurface::leaveEvent(event);
}

} // namespace kestova
