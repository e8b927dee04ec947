#include "PlaybackFakes.h"
#include "fakes/FakePlayers.h"

#include "playback/Playback.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

using namespace kestova;
using namespace kestova::test;

namespace {

class PlayerEventsFixture : public PlaybackRig
{
protected:
    void make(std::uint32_t locale = LocaleChinesePrc)
    {
        log.clear();
        messages.shown.clear();
        makePlayback(locale);
        playback->state().CurrentChannelName = QStringLiteral("东方卫视");
    }
    PlayerEvents &events() { return playback->events(); }
};

const QString Channel = QStringLiteral("东方卫视");

} // namespace

TEST_F(PlayerEventsFixture, TimersStartAsTheWindowDesignsThem)
{
    make();
    EXPECT_EQ(events().Timer1().interval(), 500);
    EXPECT_FALSE(events().Timer1().isActive());
    EXPECT_EQ(events().Timer5().interval(), 1000);
    EXPECT_TRUE(events().Timer5().isActive());
}

TEST_F(PlayerEventsFixture, TheWindowsOwnTimersAreDriven)
{
    // The window's timers: playback sets their intervals and handles their
    // ticks, but the window decides when Timer5 runs (its exits stop it).
    QTimer timer1, timer5;
    timer1.setSingleShot(true);
    Playback p(wmp, real, view, messages, statistics, LocaleRule{LocaleChinesePrc, markBig5},
               PlaybackTimers{&timer1, &timer5});
    EXPECT_EQ(&p.events().Timer1(), &timer1);
    EXPECT_EQ(&p.events().Timer5(), &timer5);
    EXPECT_EQ(timer1.interval(), 500);
    EXPECT_FALSE(timer1.isSingleShot());
    EXPECT_EQ(timer5.interval(), 1000);
    EXPECT_FALSE(timer5.isActive());

    real.state = RealControl::Playing;
    real.position = 61000;
    timer5.setInterval(10);
    timer5.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.playTime == "01:01"; }, 3000));
    timer5.stop();

    Q_EMIT wmp.Buffering(true);
    EXPECT_TRUE(timer1.isActive());
}

TEST_F(PlayerEventsFixture, BufferingEventEnablesTheRateTimer)
{
    make();
    Q_EMIT wmp.Buffering(false);
    EXPECT_TRUE(events().Timer1().isActive());
}

TEST_F(PlayerEventsFixture, RateTimerShowsBufferingUntilItIsComplete)
{
    struct Case {
        std::uint32_t locale;
        QString at37, at100;
    };
    const Case cases[] = {
        {LocaleChinesePrc, "播放速度283K/S  缓冲>>>37％  Kestova", "播放速度283K/S  Kestova"},
        {LocaleChineseTaiwan, markBig5("播放速度283K/S  缓冲>>>37％  Kestova"), markBig5("播放速度283K/S  Kestova")},
        {LocaleEnglishUs, "untouched", "untouched"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locale);
        make(c.locale);
        view.info = "untouched";
        wmp.bitRateValue = 283400;
        Q_EMIT wmp.Buffering(true);
        wmp.bufferingProgressValue = 37;
        events().onTimer1();
        EXPECT_EQ(view.info, c.at37);
        EXPECT_TRUE(events().Timer1().isActive());
        wmp.bufferingProgressValue = 100;
        events().onTimer1();
        EXPECT_EQ(view.info, c.at100);
        // Stops on every locale, also where the text is not set.
        EXPECT_FALSE(events().Timer1().isActive());
        EXPECT_EQ(log.last(), "DoEvents");
    }
}

TEST_F(PlayerEventsFixture, RateTimerRunsForRealWhileBuffering)
{
    make();
    wmp.bitRateValue = 128000;
    wmp.bufferingProgressValue = 60;
    Q_EMIT wmp.Buffering(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view.info.isEmpty(); }, 3000));
    EXPECT_EQ(view.info, "播放速度128K/S  缓冲>>>60％  Kestova");
    wmp.bufferingProgressValue = 100;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !events().Timer1().isActive(); }, 3000));
    EXPECT_EQ(view.info, "播放速度128K/S  Kestova");
}

TEST_F(PlayerEventsFixture, RateTimerIdlesWhileTheRealPlayerIsInUse)
{
    make();
    view.realVisible = true;
    wmp.bufferingProgressValue = 100;
    Q_EMIT wmp.Buffering(true);
    events().onTimer1();
    EXPECT_EQ(log, QStringList{"DoEvents"});
    EXPECT_TRUE(events().Timer1().isActive());
}

TEST_F(PlayerEventsFixture, WmpErrorRowsNameTheChannel)
{
    struct Case {
        std::uint32_t locale;
        qint32 code;
        QString info;
    };
    const Case cases[] = {
        {LocaleChinesePrc, WmpError::TooManyViewers, Channel + "观看人数过多，过一会儿再试！"},
        {LocaleChinesePrc, WmpError::TooManyViewers2, Channel + "观看人数过多，过一会儿再试！"},
        {LocaleChinesePrc, WmpError::NetworkFault, Channel + "网络发生故障，请换其他频道！"},
        {LocaleChinesePrc, WmpError::NetworkBrokenOff, Channel + "网络发生故障，请换其他频道！"},
        {LocaleChinesePrc, WmpError::ServiceStopped, Channel + "暂时停止服务，请换其他频道！"},
        {LocaleChinesePrc, WmpError::CannotAccess, Channel + "无法访问！"},
        {LocaleChinesePrc, WmpError::NoResponse, Channel + "无法连接，服务器停止响应！"},
        {LocaleChinesePrc, WmpError::UnknownFormat, Channel + "接收失败！"},
        {LocaleChinesePrc, WmpError::Generic, Channel + "接收失败！"},
        {LocaleChineseTaiwan, WmpError::ServiceStopped, Channel + markBig5("暂时停止服务，请换其他频道！")},
        {LocaleEnglishUs, WmpError::ServiceStopped, Channel},
    };
    for (const auto &c : cases) {
        make(c.locale);
        wmp.error = c.code;
        Q_EMIT wmp.Error();
        EXPECT_EQ(view.info, c.info) << std::hex << c.code << " " << c.locale;
    }
}

TEST_F(PlayerEventsFixture, RealErrorByLocale)
{
    struct Case { std::uint32_t locale; QString info; };
    const Case cases[] = {
        {LocaleChinesePrc, Channel + "观看人数太多，请过一会儿再试！"},
        {LocaleChineseTaiwan, Channel + markBig5("观看人数太多，请过一会儿再试！")},
        {LocaleEnglishUs, "untouched"},
    };
    for (const auto &c : cases) {
        make(c.locale);
        view.info = "untouched";
        Q_EMIT real.OnErrorMessage(1, 2, 3, "a", "b", "c");
        EXPECT_EQ(view.info, c.info) << c.locale;
    }
}

TEST_F(PlayerEventsFixture, FirstErrorAfterTheDialogIsAFileError)
{
    const QString fileError = QStringLiteral("播放出错！文件无法识别或无法访问。");
    struct Case {
        const char *player;
        std::uint32_t locale;
        QString first, second;
    };
    const Case cases[] = {
        {"m", LocaleChinesePrc, fileError, Channel + "无法访问！"},
        {"r", LocaleChinesePrc, fileError, Channel + "观看人数太多，请过一会儿再试！"},
        {"m", LocaleChineseTaiwan, markBig5(fileError), Channel + markBig5("无法访问！")},
        {"m", LocaleEnglishUs, "untouched", Channel},
        {"r", LocaleEnglishUs, "untouched", "untouched"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.player) + " " + std::to_string(c.locale));
        make(c.locale);
        view.info = "untouched";
        wmp.error = WmpError::CannotAccess;
        events().OpenMode() = QStringLiteral("local");
        const auto raise = [&] {
            if (QLatin1String(c.player) == QLatin1String("m"))
                Q_EMIT wmp.Error();
            else
                Q_EMIT real.OnErrorMessage(0, 0, 0, {}, {}, {});
        };
        raise();
        EXPECT_EQ(view.info, c.first);
        // Emptied on every locale.
        EXPECT_TRUE(state().OpenMode.isEmpty());
        raise();
        EXPECT_EQ(view.info, c.second);
    }
}

TEST_F(PlayerEventsFixture, RealBufferingAndPlayStates)
{
    make();
    real.bandwidth = 225000;
    Q_EMIT real.OnBuffering(0, 37);
    EXPECT_EQ(view.info, "播放速度225K/S  缓冲>>>37％  Kestova");

    real.state = RealControl::Contacting;
    Q_EMIT real.OnPlayStateChange(0, 1);
    EXPECT_EQ(view.info, "正在连接==>" + Channel);

    real.state = RealControl::Buffering; // other states change nothing
    view.info = "kept";
    Q_EMIT real.OnPlayStateChange(1, 2);
    EXPECT_EQ(view.info, "kept");

    real.state = RealControl::Playing;
    Q_EMIT real.OnPlayStateChange(2, 3);
    EXPECT_EQ(view.info, "播放速度225K/S  Kestova");
}

TEST_F(PlayerEventsFixture, RealTextsOnOtherLocales)
{
    struct Case { std::uint32_t locale; QString buffering, connecting, playing; };
    const Case cases[] = {
        {LocaleChineseTaiwan, markBig5("播放速度64K/S  缓冲>>>5％  Kestova"), markBig5("正在连接==>") + Channel,
         markBig5("播放速度64K/S  Kestova")},
        {LocaleEnglishUs, "kept", "kept", "kept"},
    };
    for (const auto &c : cases) {
        make(c.locale);
        real.bandwidth = 64999;
        view.info = "kept";
        Q_EMIT real.OnBuffering(0, 5);
        EXPECT_EQ(view.info, c.buffering);
        real.state = RealControl::Contacting;
        Q_EMIT real.OnPlayStateChange(0, 1);
        EXPECT_EQ(view.info, c.connecting);
        real.state = RealControl::Playing;
        Q_EMIT real.OnPlayStateChange(1, 3);
        EXPECT_EQ(view.info, c.playing);
    }
}

TEST_F(PlayerEventsFixture, CoverStaysUpOnlyForWideRowChannels)
{
    for (const bool keep : {false, true}) {
        make();
        state().KeepCover = keep;
        view.maskit2Visible = true;
        real.state = RealControl::Contacting;
        Q_EMIT real.OnPlayStateChange(0, 1);
        EXPECT_TRUE(view.maskit2Visible);
        real.state = RealControl::Playing;
        Q_EMIT real.OnPlayStateChange(1, 3);
        EXPECT_EQ(view.maskit2Visible, keep);
    }
}

TEST_F(PlayerEventsFixture, EachPresentationEndShowsItsOwnBoxOneAfterTheOther)
{
    struct Case { std::uint32_t locale; QString text; };
    const Case cases[] = {
        {LocaleChinesePrc, "谢谢观赏！"},
        {LocaleChineseTaiwan, markBig5("谢谢观赏！")},
        {LocaleEnglishUs, "Thanks and view and admire!"},
    };
    for (const auto &c : cases) {
        make(c.locale);
        Q_EMIT real.OnClipClosed(0, 0, {});
        Q_EMIT real.OnPresentationClosed(0, 0, {});
        // Not from inside the player's event delivery...
        EXPECT_TRUE(messages.shown.isEmpty());
        // ...but as soon as the event loop runs.
        QCoreApplication::processEvents();
        EXPECT_EQ(messages.shown, QStringList({c.text, c.text})) << c.locale;
    }
}

TEST_F(PlayerEventsFixture, ABoxRaisedWhileAnotherIsOpenFollowsIt)
{
    // A presenter whose box runs the event loop, as a modal box does.
    struct NestedPresenter final : MessagePresenter {
        RealControl *player = nullptr;
        QStringList shown;
        int open = 0, mostOpen = 0;
        void showMessage(const QString &text) override
        {
            ++open;
            mostOpen = std::max(mostOpen, open);
            shown << text;
            if (shown.size() == 1)
                Q_EMIT player->OnPresentationClosed(0, 0, {});
            QCoreApplication::processEvents();
            --open;
        }
    } presenter;
    presenter.player = &real;
    Playback p(wmp, real, view, presenter, statistics, LocaleRule{LocaleChinesePrc, markBig5});
    Q_EMIT real.OnClipClosed(0, 0, {});
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(presenter.shown.size(), 2);
    EXPECT_EQ(presenter.mostOpen, 1);
}

TEST_F(PlayerEventsFixture, OtherWmpEventsOnlyLetMessagesThrough)
{
    make();
    QObject item;
    Q_EMIT wmp.StatusChange();
    Q_EMIT wmp.NewStream();
    Q_EMIT wmp.MediaCollectionChange();
    Q_EMIT wmp.PlayerReconnect();
    Q_EMIT wmp.Disconnect(1);
    Q_EMIT wmp.MarkerHit(2);
    Q_EMIT wmp.CurrentPlaylistChange(3);
    Q_EMIT wmp.MediaChange(&item);
    Q_EMIT wmp.MediaError(&item);
    Q_EMIT wmp.PlaylistChange(&item, 4);
    EXPECT_EQ(log, QStringList(10, "DoEvents"));
}

TEST_F(PlayerEventsFixture, ClockTimerShowsTheWmpPositionText)
{
    struct Case { int state; QString positionString; QString clock; };
    const Case cases[] = {
        {WmpControl::Playing, "01:23", "01:23"},
        {WmpControl::Playing, " 1:02:03 ", " 1:02:03 "}, // set untrimmed
        {WmpControl::Playing, "   ", "before"},
        {WmpControl::Playing, "", "before"},
        {WmpControl::Paused, "01:23", "before"},
        {WmpControl::Waiting, "00:02", "before"},
    };
    for (const auto &c : cases) {
        make();
        view.playTime = "before";
        wmp.state = c.state;
        wmp.positionString = c.positionString;
        events().onTimer5();
        EXPECT_EQ(view.playTime, c.clock) << c.state << " '" << c.positionString.toStdString() << "'";
        EXPECT_EQ(log.last(), "DoEvents");
    }
}

TEST_F(PlayerEventsFixture, ClockTimerDrawsTheWmpProgressOfOnDemandMedia)
{
    struct Case {
        bool onDemand, dragging;
        double position, duration;
        std::optional<int> x;
    };
    const Case cases[] = {
        {true, false, 30, 120, 1635},  // 6540 * 30 / 120
        {true, false, 0, 120, 0},
        {true, false, 100, 300, 2180},
        {true, false, 30, 0, std::nullopt},   // live: no duration
        {false, false, 30, 120, std::nullopt},
        {true, true, 30, 120, std::nullopt},  // the user drags the bar
    };
    for (const auto &c : cases) {
        make();
        wmp.state = WmpControl::Playing;
        wmp.positionString = "00:30";
        wmp.position = c.position;
        wmp.durationValue = c.duration;
        view.progress.reset();
        state().OnDemand = c.onDemand;
        view.seekDragging = c.dragging;
        events().onTimer5();
        EXPECT_EQ(view.progress, c.x) << c.onDemand << c.dragging << " " << c.position << "/" << c.duration;
        EXPECT_EQ(log.contains("Picture3.Cls"), c.x.has_value());
    }
}

TEST_F(PlayerEventsFixture, ClockTimerRunsTheRealClockAndProgress)
{
    struct Case {
        int position, length;
        QString clock;
        std::optional<int> x;
    };
    const Case cases[] = {
        {59900, 0, "00:59", std::nullopt},
        {61000, 122000, "01:01", 3285},
        {3725000, 7450000, "1:02:05", 3285},
        {8 * 3600000, 16 * 3600000, "before", 3285}, // clock stops, bar moves
        {1000, 4000, "00:01", 1642},                  // 1642.5 -> 1642
        {3000, 4000, "00:03", 4928},                  // 4927.5 -> 4928
    };
    for (const auto &c : cases) {
        make();
        view.playTime = "before";
        real.state = RealControl::Playing;
        real.position = c.position;
        real.length = c.length;
        view.progress.reset();
        // Neither on-demand nor dragging matters to this bar.
        state().OnDemand = false;
        view.seekDragging = true;
        events().onTimer5();
        EXPECT_EQ(view.playTime, c.clock) << c.position;
        EXPECT_EQ(view.progress, c.x) << c.position;
    }
}

TEST_F(PlayerEventsFixture, ClockTimerLeavesAStoppedRealPlayerAlone)
{
    make();
    view.playTime = "00:00";
    real.state = RealControl::Paused;
    real.position = 61000;
    real.length = 122000;
    events().onTimer5();
    EXPECT_EQ(view.playTime, "00:00");
    EXPECT_EQ(log, QStringList{"DoEvents"});
}
