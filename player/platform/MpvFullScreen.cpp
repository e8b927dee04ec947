#include "platform/MpvFullScreen.h"

#include <QBoxLayout>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QWidget>

namespace kestova {

MpvFullScreen::MpvFullScreen() = default;

MpvFullScreen::~MpvFullScreen()
{
    leave();
}

void MpvFullScreen::enter(QWidget *video)
{
    if (!video || m_video)
        return;
    QWidget *window = video->window();
    if (window == video)
        return; // a video without a window to hold it has nowhere to go
    m_video = video;
    m_window = window;
    m_parent = video->parentWidget();
    m_geometry = video->geometry();
    m_wasVisible = video->isVisibleTo(m_parent);
    m_windowState = window->windowState();
    m_layoutIndex = m_parent->layout() ? m_parent->layout()->indexOf(video) : -1;

    // Same window, so the video keeps its GL context.
    if (m_parent != window)
        video->setParent(window);
    window->showFullScreen();
    video->setGeometry(window->rect());
    video->raise();
    video->show();
    window->installEventFilter(this);
    video->installEventFilter(this);
    video->setFocus(Qt::OtherFocusReason);
}

void MpvFullScreen::leave()
{
    if (!m_video)
        return;
    QWidget *video = m_video;
    video->removeEventFilter(this);
    if (m_window)
        m_window->removeEventFilter(this);
    if (m_parent && video->parentWidget() != m_parent) {
        video->setParent(m_parent);
        if (m_layoutIndex >= 0) {
            if (auto *box = qobject_cast<QBoxLayout *>(m_parent->layout()))
                box->insertWidget(m_layoutIndex, video);
            else if (m_parent->layout())
                m_parent->layout()->addWidget(video);
        }
    }
    video->setGeometry(m_geometry);
    video->setVisible(m_wasVisible);
    if (m_window)
        m_window->setWindowState(m_windowState);
    m_video.clear();
    m_window.clear();
    m_parent.clear();
}

bool MpvFullScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize && m_video) {
        m_video->setGeometry(m_window->rect()); // the full-screen size arrives late
        return false;
    }
    const bool escape = event->type() == QEvent::KeyPress
                        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape;
    if (escape || event->type() == QEvent::MouseButtonDblClick) {
        leave();
        return true;
    }
    return false;
}

} // namespace kestova
