#include "mainwindow/ScreenLayer.h"

#include "mainwindow/Skin.h"

#include <QPainter>

namespace kestova {

ScreenLayer::ScreenLayer(QWidget *parent) : ControlSurface(parent) {}

void ScreenLayer::setIdle(bool idle)
{
    if (idle == m_idle)
        return;
    m_idle = idle;
    update();
}

void ScreenLayer::paintEvent(QPaintEvent *)
{
    if (!m_idle)
        return;
    QPainter painter(this);
    skin::paintPanel(painter, rect(), QStringLiteral("screen"));
    const QSize own = skin::pictureSize(QStringLiteral("logo"));
    if (own.isEmpty())
        return;
    // The logo takes a fifth of the screen's height, never more than its
    // width allows.
    const qreal h = std::min(height() * 0.22, width() * 0.5 * own.height() / own.width());
    if (h < 8)
        return;
    const QRect target = skin::centredPicture(QStringLiteral("logo"), size(), h).translated(0, -int(h * 0.15));
    painter.setOpacity(0.85);
    skin::paintPicture(painter, target, QStringLiteral("logo"));
    painter.setOpacity(1);
    QFont font = painter.font();
    font.setPixelSize(std::max(9, int(h * 0.22)));
    font.setBold(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 115);
    painter.setFont(font);
    painter.setPen(skin::DimText);
    const QRect text(0, target.bottom() + int(h * 0.12), width(), font.pixelSize() * 2);
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("KESTOVA"));
}

} // namespace kestova
