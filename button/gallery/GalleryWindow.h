// The gallery: every face style and gradient in its away, hover, pressed
// and disabled looks side by side, with one live button per row to try.
#pragma once

#include <QWidget>

class QLabel;

namespace quorvel::gallery {

class GalleryWindow : public QWidget
{
    Q_OBJECT
public:
    explicit GalleryWindow(QWidget *parent = nullptr);

private:
    QLabel *mEventLine = nullptr;
};

} // namespace quorvel::gallery
