#include "mainwindow/PictureBox.h"

#include "mainwindow/Skin.h"
#include "platform/Twips.h"

#include <QPainter>

namespace kestova {

PictureBox::PictureBox(const QString &panel, QWidget *parent) : ControlSurface(parent), m_panel(panel) {}

void PictureBox::setEmblem(const QString &name, qreal heightShare)
{
    m_emblem = name;
    m_emblemShare = heightShare;
    update();
}

void PictureBox::Cls()
{
    if (m_drawing.empty())
        return;
    m_drawing.clear();
    update();
}

void PictureBox::fillBox(float x1, float y1, float x2, float y2, const QColor &colour)
{
    m_drawing.push_back({QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), colour});
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_panel.isEmpty())
        skin::paintPanel(painter, rect(), m_panel);
    if (!m_emblem.isEmpty() && m_emblemShare > 0) {
        const QRect target = skin::centredPicture(m_emblem, size(), height() * m_emblemShare);
        if (!target.isEmpty())
            skin::paintPicture(painter, target, m_emblem);
    }
    // Boxes are kept in twips; their edges map to pixels like the controls'.
    for (const FilledBox &box : m_drawing) {
        const int left = twipsToPixels(float(box.twips.left()));
        const int top = twipsToPixels(float(box.twips.top()));
        const int right = twipsToPixels(float(box.twips.right()));
        const int bottom = twipsToPixels(float(box.twips.bottom()));
        painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), box.colour);
    }
}

} // namespace kestova
