#pragma once

// Recording fakes of the two player controls for logic tests. Every call is
// appended to a log shared by both fakes ("TVPlayer.URL=x", "TVPlayer2.DoStop"),
// so a test can check the order of calls across the two players. Values the
// code reads are plain public fields the test sets.

#include "platform/RealControl.h"
#include "platform/WmpControl.h"

#include <QStringList>
#include <QWidget>

#include <memory>

namespace kestova::test {

// What both fakes share: the call log and a plain widget as the video.
template <class Control>
class RecordingFake : public Control
{
public:
    RecordingFake(QStringList *log, const char *name) : m_log(log), m_name(QString::fromLatin1(name)) {}

    QWidget *videoWidget() override
    {
        if (!m_widget)
            m_widget = std::make_unique<QWidget>();
        return m_widget.get();
    }

    // This fake's calls, without the prefix.
    QStringList ownCalls;

protected:
    void record(const QString &call)
    {
        ownCalls << call;
        if (m_log)
            m_log->append(m_name + QLatin1Char('.') + call);
    }
    static QString flag(bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); }

private:
    QStringList *m_log;
    QString m_name;
    std::unique_ptr<QWidget> m_widget;
};

class FakeWmpControl final : public RecordingFake<WmpControl>
{
public:
    explicit FakeWmpControl(QStringList *log = nullptr) : RecordingFake(log, "TVPlayer") {}

    QString URL() const override { return url; }
    void setURL(const QString &u) override { url = u; record("URL=" + u); }
    void close() override { record("close"); }
    void play() override { record("controls.play"); }
    void stop() override { record("controls.stop"); }
    void pause() override { record("controls.pause"); }
    double currentPosition() const override { return position; }
    void setCurrentPosition(double s) override
    {
        position = s;
        record("controls.currentPosition=" + QString::number(s));
    }
    QString currentPositionString() const override { return positionString; }
    int volume() const override { return volumeValue; }
    void setVolume(int v) override { volumeValue = v; record("settings.volume=" + QString::number(v)); }
    bool mute() const override { return muted; }
    void setMute(bool m) override { muted = m; record(QStringLiteral("settings.mute=") + flag(m)); }
    double duration() const override { return durationValue; }
    void setBufferingTime(int ms) override { record("network.bufferingTime=" + QString::number(ms)); }
    int bufferingProgress() const override { return bufferingProgressValue; }
    int bitRate() const override { return bitRateValue; }
    QString mediaCollectionAdd(const QString &u) override
    {
        record("mediaCollection.add=" + u);
        return u;
    }
    int playState() const override { return state; }
    void playlistClear() override
    {
        playlist.clear();
        record("currentPlaylist.clear");
    }
    void playlistAppendItem(const QString &media) override
    {
        playlist.append(media);
        record("currentPlaylist.appendItem=" + media);
    }
    QString playlistItemInfo(int index, const QString &attribute) const override
    {
        return index >= 0 && index < playlist.size() && attribute == "title" ? playlist.at(index)
                                                                             : QString();
    }
    qint32 errorCode() const override { return error; }
    void setFullScreen(bool f) override { record(QStringLiteral("fullScreen=") + flag(f)); }
    bool stretchToFit() const override { return stretch; }
    void setStretchToFit(bool s) override
    {
        stretch = s;
        record(QStringLiteral("stretchToFit=") + flag(s));
    }

    // Values the code under test reads.
    QString url;
    double position = 0;
    QString positionString;
    int volumeValue = 50;
    bool muted = false;
    double durationValue = 0;
    int bufferingProgressValue = 100;
    int bitRateValue = 0;
    int state = Undefined;
    QStringList playlist;
    qint32 error = 0;
    bool stretch = false;
};

class FakeRealControl final : public RecordingFake<RealControl>
{
public:
    explicit FakeRealControl(QStringList *log = nullptr) : RecordingFake(log, "TVPlayer2") {}

    void SetSource(const QString &u) override { source = u; record("SetSource=" + u); }
    QString GetSource() const override { return source; }
    void DoStop() override { record("DoStop"); }
    void DoPlay() override { record("DoPlay"); }
    void DoPause() override { record("DoPause"); }
    void SetStartupOption(int id, bool v) override
    {
        record(QString("SetStartupOption(%1,%2)").arg(id).arg(flag(v)));
    }
    void SetVolume(int v) override { volumeValue = v; record("SetVolume=" + QString::number(v)); }
    bool GetMute() const override { return muted; }
    void SetMute(bool m) override { muted = m; record(QStringLiteral("SetMute=") + flag(m)); }
    int GetBandwidthCurrent() const override { return bandwidth; }
    int GetPosition() const override { return position; }
    int GetPlayState() const override { return state; }
    int GetLength() const override { return length; }
    void SetPosition(int ms) override { position = ms; record("SetPosition=" + QString::number(ms)); }
    void SetFullScreen() override { record("SetFullScreen"); }
    void SetActivated(bool on) override { record(QStringLiteral("SetActivated=") + flag(on)); }

    QString source;
    int volumeValue = 50;
    bool muted = false;
    int bandwidth = 0;
    int position = 0;
    int state = Stopped;
    int length = 0;
};

} // namespace kestova::test
