#pragma once

#include <QString>

namespace kestova {

// What channel switching and the player events need from the main window:
// its status labels, the progress bar, the layers over the video, the
// sub-channel buttons, the channel buttons and a few pieces of window state.
// TVscreenPlaybackView implements it over the real window; logic tests use a
// recording fake. Geometry is in twips.
class PlaybackView
{
public:
    virtual ~PlaybackView() = default;

    // Status line `info`, the window title and the clock `PlayTime`.
    virtual void setInfoText(const QString &text) = 0;
    virtual void setWindowTitle(const QString &title) = 0;
    virtual void setPlayTimeText(const QString &text) = 0;

    // Progress bar `Picture3`: clear it, or fill it in blue from the left edge
    // to x over its full height.
    virtual void clearProgress() = 0;
    virtual void drawProgress(int xTwips) = 0;
    virtual float picture1Width() const = 0; // the lower control strip
    virtual float picture3Width() const = 0; // the progress bar

    // Layers and commands over the video area.
    virtual void setTvFitVisible(bool visible) = 0;
    virtual void setMaskit2Visible(bool visible) = 0;
    // The "r" player's Visible: true while it is the player in use.
    virtual void setRealPlayerVisible(bool visible) = 0;
    virtual bool isRealPlayerVisible() const = 0;

    // Sub-channel buttons subchannel(0..15) in `subchannelgroup`.
    virtual void setSubchannelGroupVisible(bool visible) = 0;
    virtual QString subchannelTag(int k) const = 0;
    virtual void setSubchannelTag(int k, const QString &tag) = 0;
    virtual void setSubchannelToolTip(int k, const QString &toolTip) = 0;
    virtual void setSubchannelVisible(int k, bool visible) = 0;

    // Channel button ChangeChannel(k): its name and its sources joined by "@@".
    virtual QString channelCaption(int k) const = 0;
    virtual QString channelTag(int k) const = 0;

    // Window state kept by the main window.
    virtual bool isMutedPictureShown() const = 0;
    virtual int volumeLevel() const = 0;
    virtual void setRealMuted(bool muted) = 0;
    virtual bool isSeekDragging() const = 0;

    // Lets pending window messages be processed, so a timer tick or a player
    // event may run in the middle of the caller's work.
    virtual void processPendingEvents() = 0;
};

} // namespace kestova
