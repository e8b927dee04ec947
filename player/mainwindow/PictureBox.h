#pragma once

#include "mainwindow/ControlSurface.h"

#include <QColor>
#include <QRectF>

#include <vector>

namespace kestova {

// A picture-box control: a container with a skin panel as its background and
// a drawing layer that keeps what was drawn on it (filled boxes, in twips)
// until it is cleared.
class PictureBox : public ControlSurface
{
    Q_OBJECT
public:
    explicit PictureBox(const QString &panel = {}, QWidget *parent = nullptr);

    // The centred picture drawn over the panel (a cover's artwork).
    void setEmblem(const QString &name, qreal heightShare);

    struct FilledBox
    {
        QRectF twips;
        QColor colour;
    };
    // Clears the drawing layer.
    void Cls();
    // A filled box with corners (x1, y1) and (x2, y2) in twips.
    void fillBox(float x1, float y1, float x2, float y2, const QColor &colour);
    const std::vector<FilledBox> &drawing() const { return m_drawing; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_panel;
    QString m_emblem;
    qreal m_emblemShare = 0;
    std::vector<FilledBox> m_drawing;
};

} // namespace kestova
