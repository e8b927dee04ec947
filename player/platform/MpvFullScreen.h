#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

class QWidget;

namespace kestova {

// Full screen for a player's video: the window holding the video goes full
// screen and the video covers it, until Escape, a double click or leave().
// The video widget stays in its own window: moving an OpenGL widget to
// another window would cost it its GL context and the engine its video.
class MpvFullScreen final : public QObject
{
    Q_OBJECT
public:
    MpvFullScreen();
    ~MpvFullScreen() override;

    void enter(QWidget *video);
    void leave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_video;
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_parent;
    QRect m_geometry;
    Qt::WindowStates m_windowState;
    int m_layoutIndex = -1;
    bool m_wasVisible = false;
};

} // namespace kestova
