#pragma once

// Recording fakes of the window side of playback. They append to the same
// log as the player fakes of tests/fakes/FakePlayers.h, so one list shows the
// order of calls across the window and both players.

#include "fakes/FakePlayers.h"
#include "platform/MessagePresenter.h"
#include "platform/StatisticsRequest.h"
#include "playback/Playback.h"
#include "playback/PlaybackView.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QUrl>

#include <array>
#include <functional>
#include <map>
#include <optional>

namespace kestova::test {

inline QString onOff(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

class FakePlaybackView final : public PlaybackView
{
public:
    explicit FakePlaybackView(QStringList *log) : m_log(log) {}

    void setInfoText(const QString &t) override { info = t; record("info=" + t); }
    void setWindowTitle(const QString &t) override { title = t; record("Caption=" + t); }
    void setPlayTimeText(const QString &t) override { playTime = t; record("PlayTime=" + t); }
    void clearProgress() override { progress.reset(); record("Picture3.Cls"); }
    void drawProgress(int x) override { progress = x; record("Picture3.Line=" + QString::number(x)); }
    float picture1Width() const override { return picture1WidthValue; }
    float picture3Width() const override { return picture3WidthValue; }
    void setTvFitVisible(bool v) override { tvFitVisible = v; record("tv_fit.Visible=" + onOff(v)); }
    void setMaskit2Visible(bool v) override { maskit2Visible = v; record("Maskit2.Visible=" + onOff(v)); }
    void setRealPlayerVisible(bool v) override { realVisible = v; record("TVPlayer2.Visible=" + onOff(v)); }
    bool isRealPlayerVisible() const override { return realVisible; }
    void setSubchannelGroupVisible(bool v) override
    {
        groupVisible = v;
        record("subchannelgroup.Visible=" + onOff(v));
    }
    QString subchannelTag(int k) const override { return subTag.at(std::size_t(k)); }
    void setSubchannelTag(int k, const QString &t) override
    {
        subTag.at(std::size_t(k)) = t;
        record(QStringLiteral("subchannel(%1).Tag=").arg(k) + t);
    }
    void setSubchannelToolTip(int k, const QString &t) override
    {
        subTip.at(std::size_t(k)) = t;
        record(QStringLiteral("subchannel(%1).ToolTipText=").arg(k) + t);
    }
    void setSubchannelVisible(int k, bool v) override
    {
        subVisible.at(std::size_t(k)) = v;
        record(QStringLiteral("subchannel(%1).Visible=").arg(k) + onOff(v));
    }
    QString channelCaption(int k) const override { return captions.count(k) ? captions.at(k) : QString(); }
    QString channelTag(int k) const override { return tags.count(k) ? tags.at(k) : QString(); }
    bool isMutedPictureShown() const override { return mutedPicture; }
    int volumeLevel() const override { return volume; }
    void setRealMuted(bool m) override { realMuted = m; record("RealMuted=" + onOff(m)); }
    bool isSeekDragging() const override { return seekDragging; }
    void processPendingEvents() override
    {
        record("DoEvents");
        if (onDoEvents)
            onDoEvents();
    }

    // Window state the code writes.
    QString info, title, playTime;
    std::optional<int> progress;
    bool tvFitVisible = true, maskit2Visible = false, realVisible = false, groupVisible = false;
    std::array<QString, 16> subTag, subTip;
    std::array<bool, 16> subVisible{};
    bool realMuted = false;
    // Window state the code reads.
    float picture1WidthValue = 6540, picture3WidthValue = 6570;
    std::map<int, QString> captions, tags;
    bool mutedPicture = false;
    int volume = 50;
    bool seekDragging = false;
    // Runs inside every message-pump yield, as a tick or event would.
    std::function<void()> onDoEvents;

private:
    void record(const QString &call)
    {
        if (m_log)
            m_log->append(call);
    }
    QStringList *m_log;
};

class RecordingStatistics final : public StatisticsRequest
{
public:
    explicit RecordingStatistics(QStringList *log) : m_log(log) {}
    void send(const QUrl &url) override
    {
        sent << url;
        if (m_log)
            m_log->append("CountWeb.Navigate=" + url.toString());
    }
    QList<QUrl> sent;

private:
    QStringList *m_log;
};

class RecordingMessages final : public MessagePresenter
{
public:
    void showMessage(const QString &text) override { shown << text; }
    QStringList shown;
};

// A stand-in for the GB2312-to-Big5 table that shows what was converted.
inline QString markBig5(const QString &s) { return "<big5>" + s + "</big5>"; }

// Both players, the window and the playback objects over them, with one log.
class PlaybackRig : public testing::Test
{
protected:
    void makePlayback(std::uint32_t locale)
    {
        playback = std::make_unique<Playback>(wmp, real, view, messages, statistics,
                                              LocaleRule{locale, markBig5});
    }
    PlaybackState &state() { return playback->state(); }

    QStringList log;
    FakeWmpControl wmp{&log};
    FakeRealControl real{&log};
    FakePlaybackView view{&log};
    RecordingStatistics statistics{&log};
    RecordingMessages messages;
    std::unique_ptr<Playback> playback;
};

} // namespace kestova::test
