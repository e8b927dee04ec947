// A small television icon drawn in code, so the gallery and the benchmark
// need no image files.
#pragma once

#include "Picture.h"

#include <QPainter>
#include <QPixmap>

namespace quorvel::gallery {

inline Picture sampleIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 60, 140));
    p.drawRect(1, 3, 14, 10);          // cabinet
    p.setBrush(QColor(120, 190, 250));
    p.drawRect(3, 5, 10, 6);           // screen
    p.setBrush(QColor(40, 60, 140));
    p.drawRect(5, 13, 6, 2);           // stand
    p.setPen(QColor(40, 60, 140));
    p.drawLine(5, 0, 8, 3);            // antenna
    p.drawLine(11, 0, 8, 3);
    p.end();
    return Picture::fromIcon(pixmap);
}

} // namespace quorvel::gallery
