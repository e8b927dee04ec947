#pragma once

#include "playback/PlaybackView.h"

namespace kestova {

class TVscreen;

// PlaybackView over the real main window: its labels, progress bar, layers,
// sub-channel and channel buttons and window state.
class TVscreenPlaybackView final : public PlaybackView
{
public:
    explicit TVscreenPlaybackView(TVscreen &window) : m_window(window) {}

    void setInfoText(const QString &text) override;
    void setWindowTitle(const QString &title) override;
    void setPlayTimeText(const QString &text) override;
    void clearProgress() override;
    void drawProgress(int xTwips) override;
    float picture1Width() const override;
    float picture3Width() const override;
    void setTvFitVisible(bool visible) override;
    void setMaskit2Visible(bool visible) override;
    void setRealPlayerVisible(bool visible) override;
    bool isRealPlayerVisible() const override;
    void setSubchannelGroupVisible(bool visible) override;
    QString subchannelTag(int k) const override;
    void setSubchannelTag(int k, const QString &tag) override;
    void setSubchannelToolTip(int k, const QString &toolTip) override;
    void setSubchannelVisible(int k, bool visible) override;
    QString channelCaption(int k) const override;
    QString channelTag(int k) const override;
    bool isMutedPictureShown() const override;
    int volumeLevel() const override;
    void setRealMuted(bool muted) override;
    bool isSeekDragging() const override;
    void processPendingEvents() override;

private:
    TVscreen &m_window;
};

} // namespace kestova
