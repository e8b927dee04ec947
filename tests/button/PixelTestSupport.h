// Shared helpers of the pixel tests: the background and palette the faces are
// drawn with, and reading pixels back as colour values.
#pragma once

#include "OleColor.h"

#include <QImage>
#include <QPalette>
#include <QRect>

namespace quorvel::test {

constexpr OleColor kBack = rgbColor(200, 200, 200);

// The same light and dark edges whatever the desktop's palette.
inline QPalette fixedPalette()
{
    QPalette p;
    p.setColor(QPalette::Light, QColor(255, 255, 255));
    p.setColor(QPalette::Dark, QColor(100, 100, 100));
    p.setColor(QPalette::Button, QColor(210, 210, 210));
    p.setColor(QPalette::ButtonText, QColor(0, 0, 0));
    return p;
}

inline OleColor at(const QImage &image, int x, int y)
{
    return fromQColor(image.pixelColor(x, y));
}

// The smallest rectangle holding every pixel that differs from the background.
inline QRect inkBox(const QImage &image, QRect within, OleColor background)
{
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (at(image, x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

inline QRect inkBox(const QImage &image, OleColor background = kBack)
{
    return inkBox(image, image.rect(), background);
}

} // namespace quorvel::test
