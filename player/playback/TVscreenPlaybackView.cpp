#include "playback/TVscreenPlaybackView.h"

#include "mainwindow/PictureBox.h"
#include "mainwindow/SkinImage.h"
#include "mainwindow/TVscreen.h"
#include "platform/RealControl.h"
#include "platform/Twips.h"

#include "DravoButton.h"

#include <QCoreApplication>
#include <QLabel>

namespace kestova {

namespace {

// The progress colour, Windows colour value 16711680 (0x00BBGGRR): blue.
const QColor ProgressBlue(0, 0, 255);

} // namespace

void TVscreenPlaybackView::setInfoText(const QString &text) { m_window.info()->setText(text); }

void TVscreenPlaybackView::setWindowTitle(const QString &title) { m_window.setWindowTitle(title); }

void TVscreenPlaybackView::setPlayTimeText(const QString &text) { m_window.PlayTime()->setText(text); }

void TVscreenPlaybackView::clearProgress() { m_window.Picture3()->Cls(); }

void TVscreenPlaybackView::drawProgress(int xTwips)
{
    const float height = m_window.layout().Picture3.rect.Height;
    m_window.Picture3()->fillBox(0, 0, float(xTwips), height, ProgressBlue);
}

float TVscreenPlaybackView::picture1Width() const { return m_window.layout().Picture1.rect.Width; }

float TVscreenPlaybackView::picture3Width() const { return m_window.layout().Picture3.rect.Width; }

void TVscreenPlaybackView::setTvFitVisible(bool visible) { m_window.tv_fit()->setVisible(visible); }

void TVscreenPlaybackView::setMaskit2Visible(bool visible) { m_window.Maskit2()->setVisible(visible); }

void TVscreenPlaybackView::setRealPlayerVisible(bool visible)
{
    QWidget *video = m_window.TVPlayer2().videoWidget();
    if (!video)
        return;
    video->setVisible(visible);
    // The "r" player lies over the "m" player's rectangle, under its cover.
    if (visible) {
        video->raise();
        if (m_window.Maskit2()->parentWidget() == video->parentWidget())
            m_window.Maskit2()->raise();
    }
}

bool TVscreenPlaybackView::isRealPlayerVisible() const
{
    const QWidget *video = m_window.TVPlayer2().videoWidget();
    return video && !video->isHidden();
}

void TVscreenPlaybackView::setSubchannelGroupVisible(bool visible)
{
    m_window.subchannelgroup()->setVisible(visible);
}

QString TVscreenPlaybackView::subchannelTag(int k) const { return m_window.subchannel(k)->Tag(); }

void TVscreenPlaybackView::setSubchannelTag(int k, const QString &tag) { m_window.subchannel(k)->setTag(tag); }

void TVscreenPlaybackView::setSubchannelToolTip(int k, const QString &toolTip)
{
    m_window.subchannel(k)->setToolTip(toolTip);
}

void TVscreenPlaybackView::setSubchannelVisible(int k, bool visible)
{
    m_window.subchannel(k)->setVisible(visible);
}

QString TVscreenPlaybackView::channelCaption(int k) const
{
    const DravoButton *button = k >= 1 && k <= m_window.channelCount() ? m_window.ChangeChannel(k) : nullptr;
    return button ? button->Caption() : QString();
}

QString TVscreenPlaybackView::channelTag(int k) const
{
    const DravoButton *button = k >= 1 && k <= m_window.channelCount() ? m_window.ChangeChannel(k) : nullptr;
    return button ? button->Tag() : QString();
}

bool TVscreenPlaybackView::isMutedPictureShown() const { return m_window.isMutedPictureShown(); }

int TVscreenPlaybackView::volumeLevel() const { return m_window.VolumeLevel; }

void TVscreenPlaybackView::setRealMuted(bool muted) { m_window.RealMuted = muted; }

bool TVscreenPlaybackView::isSeekDragging() const { return m_window.SeekDragging; }

void TVscreenPlaybackView::processPendingEvents() { QCoreApplication::processEvents(); }

} // namespace kestova
