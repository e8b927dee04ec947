#include "platform/MpvFullScreen.h"

#include <QBoxLayout>
#include <QEvent>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QWidget>

namespace kestova {

MpvFullScreen::MpvFullScreen() = default;

MpvFullScreen::~MpvFullScreen()
{
    leave();
}

void MpvFullScreen::enter(QWidget *video)
{
    if (!video || m_window)
        return;
    m_video = video;
    m_parent = video->parentWidget();
    m_geometry = video->geometry();
    m_wasVisible = video->isVisible();
    m_layoutIndex = m_parent && m_parent->layout() ? m_parent->layout()->indexOf(video) : -1;

    m_window = std::make_unique<QWidget>();
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->setStyleSheet(QStringLiteral("background: black;"));
    auto *layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(video);
    video->show();
    m_window->installEventFilter(this);
    video->installEventFilter(this);
    m_window->showFullScreen();
}

void MpvFullScreen::leave()
{
    if (!m_window)
        return;
    if (m_video) {
        m_video->removeEventFilter(this);
        m_video->setParent(m_parent);
        if (m_parent && m_layoutIndex >= 0) {
            if (auto *box = qobject_cast<QBoxLayout *>(m_parent->layout()))
                box->insertWidget(m_layoutIndex, m_video);
            else
                m_parent->layout()->addWidget(m_video);
        } else {
            m_video->setGeometry(m_geometry);
        }
        m_video->setVisible(m_wasVisible);
    }
    m_window->removeEventFilter(this);
    m_window.reset();
    m_video.clear();
    m_parent.clear();
}

bool MpvFullScreen::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    const bool escape = event->type() == QEvent::KeyPress
                        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape;
    if (escape || event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::Close) {
        // Leave from the event loop: the window receiving this event goes away.
        QMetaObject::invokeMethod(this, &MpvFullScreen::leave, Qt::QueuedConnection);
        return event->type() != QEvent::Close;
    }
    return false;
}

} // namespace kestova
