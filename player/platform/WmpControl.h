#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace kestova {

// What the program uses of the "m" player (the control named TVPlayer on the
// main window). Member names follow the control's object model; the grouping
// comments say which sub-object (controls, settings, ...) a member belongs to.
// Implementations: MpvWmpControl over libmpv, FakeWmpControl for logic tests.
class WmpControl : public QObject
{
    Q_OBJECT
public:
    // Values of playState.
    enum PlayState {
        Undefined = 0, Stopped = 1, Paused = 2, Playing = 3, ScanForward = 4,
        ScanReverse = 5, BufferingState = 6, Waiting = 7, MediaEnded = 8,
        Transitioning = 9, Ready = 10, Reconnecting = 11,
    };

    using QObject::QObject;
    ~WmpControl() override = default;

    // URL: writing a source starts playback (automatic start is on).
    virtual QString URL() const = 0;
    virtual void setURL(const QString &url) = 0;
    // close: releases the current media.
    virtual void close() = 0;

    // controls
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void pause() = 0;
    virtual double currentPosition() const = 0;          // seconds
    virtual void setCurrentPosition(double seconds) = 0; // seeks
    virtual QString currentPositionString() const = 0;   // "mm:ss", empty when idle

    // settings
    virtual int volume() const = 0; // 0..100
    virtual void setVolume(int volume) = 0;
    virtual bool mute() const = 0;
    virtual void setMute(bool mute) = 0;

    // currentMedia.duration: seconds, 0 for a live stream.
    virtual double duration() const = 0;

    // network
    virtual void setBufferingTime(int milliseconds) = 0;
    virtual int bufferingProgress() const = 0; // percent 0..100
    virtual int bitRate() const = 0;           // bits per second

    // mediaCollection.add(url): the media item, here the URL it stands for.
    virtual QString mediaCollectionAdd(const QString &url) = 0;

    virtual int playState() const = 0;

    // currentPlaylist: the items play after the first source.
    virtual void playlistClear() = 0;
    virtual void playlistAppendItem(const QString &media) = 0;
    // currentPlaylist.Item(index).getItemInfo(attribute); "title" is the URL's
    // file name here.
    virtual QString playlistItemInfo(int index, const QString &attribute) const = 0;

    // Error.Item(0).errorCode: a signed 32-bit result code, 0 when none.
    virtual qint32 errorCode() const = 0;

    virtual void setFullScreen(bool fullScreen) = 0;
    virtual bool stretchToFit() const = 0;
    virtual void setStretchToFit(bool stretch) = 0;

    // The widget that shows the video, to be placed on the main window.
    virtual QWidget *videoWidget() = 0;

Q_SIGNALS:
    void Buffering(bool start);
    void Error();
    void StatusChange();
    void NewStream();
    void Disconnect(int result);
    void MarkerHit(int marker);
    void PlaylistChange(QObject *playlist, int change);
    void CurrentPlaylistChange(int change);
    void MediaChange(QObject *item);
    void MediaCollectionChange();
    void PlayerReconnect();
    void MediaError(QObject *mediaObject);
};

// Result codes the "m" player reports through Error.Item(0).errorCode.
namespace WmpError {
inline constexpr qint32 TooManyViewers = qint32(0xC00D11B0);   // HTTP 503, server busy
inline constexpr qint32 TooManyViewers2 = qint32(0xC00D000F);
inline constexpr qint32 NetworkFault = qint32(0xC00D11B3);     // host unknown or unreachable
inline constexpr qint32 NetworkBrokenOff = qint32(0xC00D11C0); // stream broken off mid-way
inline constexpr qint32 ServiceStopped = qint32(0xC00D1197);   // connection refused
inline constexpr qint32 CannotAccess = qint32(0xC00D11D2);     // not found, forbidden
inline constexpr qint32 NoResponse = qint32(0xC00D1198);       // server stopped answering
inline constexpr qint32 UnknownFormat = qint32(0xC00D11B1);    // unrecognised format
inline constexpr qint32 Generic = qint32(0xC00D1199);          // anything else
} // namespace WmpError

} // namespace kestova
