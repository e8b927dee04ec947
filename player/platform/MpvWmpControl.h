#pragma once

#include "platform/MpvPlayback.h"
#include "platform/MpvVideoOutput.h"
#include "platform/WmpControl.h"

#include <QStringList>

namespace kestova {

// The "m" player (TVPlayer) over libmpv. Design settings: automatic start,
// no controls or menus of its own, no error dialogs, one play of the
// playlist, volume 50.
//
// Events and the engine events that raise them (all from the event loop,
// never from inside a call of the program):
//   StatusChange          every change of playState
//   Buffering(true/false) entering and leaving playState 6 (after the file
//                         is loaded until frames or sound play, and while
//                         the cache runs dry)
//   Error, MediaError     a failed or broken-off source (errorCode() tells
//                         which), or a source the player refuses to open
//   MediaChange           a playlist entry starts loading
//   NewStream             its file is loaded
//   CurrentPlaylistChange playlistClear (1) and playlistAppendItem (6)
//   MediaCollectionChange mediaCollectionAdd
//   Disconnect, MarkerHit, PlaylistChange, PlayerReconnect are never raised.
class MpvWmpControl final : public WmpControl
{
    Q_OBJECT
public:
    explicit MpvWmpControl(MpvEngineConfig config = {}, QObject *parent = nullptr);
    ~MpvWmpControl() override;

    // Folder that relative local sources are resolved against.
    void setBaseDirectory(const QString &directory);

    QString URL() const override { return m_url; }
    void setURL(const QString &url) override;
    void close() override;

    void play() override;
    void stop() override;
    void pause() override;
    double currentPosition() const override;
    void setCurrentPosition(double seconds) override;
    QString currentPositionString() const override;

    int volume() const override { return m_volume; }
    void setVolume(int volume) override;
    bool mute() const override { return m_mute; }
    void setMute(bool mute) override;

    double duration() const override;

    void setBufferingTime(int milliseconds) override;
    int bufferingProgress() const override;
    int bitRate() const override;

    QString mediaCollectionAdd(const QString &url) override;
    int playState() const override { return m_state; }

    void playlistClear() override;
    void playlistAppendItem(const QString &media) override;
    QString playlistItemInfo(int index, const QString &attribute) const override;

    qint32 errorCode() const override { return m_error; }

    void setFullScreen(bool fullScreen) override;
    bool stretchToFit() const override { return m_stretch; }
    void setStretchToFit(bool stretch) override;

    QWidget *videoWidget() override;

    MpvPlayback &playback() { return m_playback; }

private:
    void onActivityChanged(MpvPlayback::Activity previous, MpvPlayback::Activity current);
    void onFailed(const FailureClass &failure);
    void setState(int state);
    template<typename F> void post(F &&raise);

    MpvPlayback m_playback; // first: destroyed after the video widget
    MpvVideoOutput m_video{m_playback.engine()};
    QString m_url;
    QStringList m_playlist; // item 0 is the source written to URL
    int m_state = 0; // Undefined
    qint32 m_error = 0;
    int m_volume = 50;
    bool m_mute = false;
    bool m_stretch = false;
};

// The position as the player shows it: "mm:ss", from an hour on "hh:mm:ss".
QString wmpPositionText(double seconds);

} // namespace kestova
