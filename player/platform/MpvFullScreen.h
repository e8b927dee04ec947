#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

#include <memory>

class QWidget;

namespace kestova {

// Full screen for a player's video: the video widget moves into a black
// top-level window shown full screen and comes back to its place in the main
// window on Escape, a double click, or leave().
class MpvFullScreen final : public QObject
{
    Q_OBJECT
public:
    MpvFullScreen();
    ~MpvFullScreen() override;

    void enter(QWidget *video);
    void leave();
    bool isActive() const { return m_window != nullptr; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<QWidget> m_window;
    QPointer<QWidget> m_video;
    QPointer<QWidget> m_parent;
    QRect m_geometry;
    int m_layoutIndex = -1;
    bool m_wasVisible = false;
};

} // namespace kestova
