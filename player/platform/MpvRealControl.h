#pragma once

#include "platform/MpvPlayback.h"
#include "platform/MpvVideoOutput.h"
#include "platform/RealControl.h"


namespace kestova {

// The "r" player (TVPlayer2) over libmpv: only the image window, on black.
//
// Events and the engine events that raise them (all from the event loop,
// never from inside a call of the program):
//   OnPlayStateChange(old, new)  every change of GetPlayState: 1 contacting
//       from SetSource/DoPlay until the file is loaded, 2 buffering from then
//       until frames or sound play and while the cache runs dry, 3 playing,
//       4 paused, 0 stopped (a stop, a failure, the end).
//   OnBuffering(flags, percent)  on entering state 2 and at each change of
//       the cache's fill while in it; flags 0 while starting up, 2 when a
//       playing stream ran dry.
//   OnErrorMessage(3, code, 0, description, "", source)  a failed or
//       broken-off source or a refused one; code is the result code the "m"
//       player would report (WmpError::*).
//   OnClipClosed(0, 0, source) and then OnPresentationClosed(0, 0, source)
//       only when the clip plays to its natural end (END_FILE eof, then IDLE);
//       never for DoStop, SetSource, a failure, or a live stream that ends.
class MpvRealControl final : public RealControl
{
    Q_OBJECT
public:
    explicit MpvRealControl(MpvEngineConfig config = {}, QObject *parent = nullptr);
    ~MpvRealControl() override;

    // Folder that relative local sources are resolved against.
    void setBaseDirectory(const QString &directory);

    void SetSource(const QString &url) override;
    QString GetSource() const override { return m_source; }
    void DoStop() override;
    void DoPlay() override;
    void DoPause() override;
    void SetStartupOption(int dispatchId, bool value) override;
    void SetVolume(int volume) override;
    bool GetMute() const override { return m_mute; }
    void SetMute(bool mute) override;
    int GetBandwidthCurrent() const override;
    int GetPosition() const override;
    int GetPlayState() const override { return m_state; }
    int GetLength() const override;
    void SetPosition(int milliseconds) override;
    void SetFullScreen() override;
    void SetActivated(bool on) override;

    QWidget *videoWidget() override;

    int volume() const { return m_volume; }
    MpvPlayback &playback() { return m_playback; }

private:
    void onActivityChanged(MpvPlayback::Activity previous, MpvPlayback::Activity current);
    void onBufferingProgress(int percent);
    void onFailed(const FailureClass &failure);
    template<typename F> void post(F &&raise);

    MpvPlayback m_playback; // first: destroyed after the video widget
    MpvVideoOutput m_video{m_playback.engine()};
    QString m_source;
    int m_state = Stopped;
    int m_volume = 100;
    bool m_mute = false;
    bool m_hasPlayed = false; // the current source has played (buffering flags)
};

} // namespace kestova
