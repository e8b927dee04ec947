#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace kestova {

// What the program uses of the "r" player (the control named TVPlayer2 on the
// main window), member by member, with the control's dispatch identifier.
// Implementations: MpvRealControl over libmpv, FakeRealControl for logic tests.
class RealControl : public QObject
{
    Q_OBJECT
public:
    // Values of GetPlayState (260).
    enum PlayState { Stopped = 0, Contacting = 1, Buffering = 2, Playing = 3, Paused = 4, Seeking = 5 };

    using QObject::QObject;
    ~RealControl() override = default;

    virtual void SetSource(const QString &url) = 0; // 102; starts playing, "" clears
    virtual QString GetSource() const = 0;
    virtual void DoStop() = 0;                      // 202
    virtual void DoPlay() = 0;                      // 257
    virtual void DoPause() = 0;                     // 258
    // 326, 225, 235: start-up options with one Boolean each; their meaning is
    // the control's own, this player only records them.
    virtual void SetStartupOption(int dispatchId, bool value) = 0;
    virtual void SetVolume(int volume) = 0;         // 227, 0..100
    virtual bool GetMute() const = 0;               // 228
    virtual void SetMute(bool mute) = 0;            // 229
    virtual int GetBandwidthCurrent() const = 0;    // 243, bits per second
    virtual int GetPosition() const = 0;            // 259, milliseconds
    virtual int GetPlayState() const = 0;           // 260
    virtual int GetLength() const = 0;              // 261, milliseconds, 0 when unknown
    virtual void SetPosition(int milliseconds) = 0; // 269, seeks
    virtual void SetFullScreen() = 0;               // 293
    virtual void SetActivated(bool on) = 0;         // 307, called with true at every activation

    // The widget that shows the video (the "ImageWindow"), black background.
    virtual QWidget *videoWidget() = 0;

Q_SIGNALS:
    // 12th event.
    void OnErrorMessage(int severity, int rmaCode, int userCode, const QString &userString,
                        const QString &moreInfoUrl, const QString &errorString);
    // 22nd and 23rd events: a clip, and then the whole presentation, reached
    // its natural end. Never raised for a stop or a source change.
    void OnClipClosed(int a, int b, const QString &c);
    void OnPresentationClosed(int a, int b, const QString &c);
    // 28th event.
    void OnBuffering(int flags, int percentage);
    // 29th event.
    void OnPlayStateChange(int oldState, int newState);
};

} // namespace kestova
