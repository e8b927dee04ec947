#include "PlaybackFakes.h"
#include "fakes/FakePlayers.h"

#include "playback/Playback.h"
#include "startup/ChannelCatalogue.h"

#include <gtest/gtest.h>

using namespace kestova;
using namespace kestova::test;

namespace {

const QString Site = QStringLiteral("http://count.orvane.example");
const QString Hit = QStringLiteral("CountWeb.Navigate=http://count.orvane.example/admin/count_down.asp?id=kestova62");

QStringList sourcesNamed(int count)
{
    QStringList s;
    for (int k = 1; k <= count; ++k)
        s << QStringLiteral("mms://live.example/ch%1").arg(k);
    return s;
}

class ChannelSwitching : public PlaybackRig
{
protected:
    void SetUp() override { ChannelFlags.fill(QString()); }
    void TearDown() override { ChannelFlags.fill(QString()); }

    void make(std::uint32_t locale = LocaleChinesePrc)
    {
        makePlayback(locale);
        playback->switcher().setSiteAddress(Site);
    }
    ChannelSwitcher &switcher() { return playback->switcher(); }

    void addChannel(int k, const QString &name, const QStringList &sources, const QString &flags)
    {
        view.captions[k] = name;
        view.tags[k] = sources.join("@@");
        ChannelFlags[std::size_t(k)] = flags;
    }
};

QStringList resetCalls()
{
    return {"tv_fit.Visible=true", "PlayTime=00:00", "Picture3.Cls", "TVPlayer.currentPlaylist.clear",
            "DoEvents", "TVPlayer2.DoStop", "TVPlayer2.SetSource=", "TVPlayer2.SetMute=false",
            "TVPlayer2.SetVolume=100", "TVPlayer2.Visible=false", "Maskit2.Visible=false"};
}

QStringList fillCalls(const QStringList &sources, const QString &letter)
{
    QStringList calls;
    const int shown = std::min<int>(int(sources.size()), 16);
    for (int k = 0; k < shown; ++k)
        calls << QStringLiteral("subchannel(%1).Tag=%2@@%3").arg(k).arg(sources[k], letter)
              << QStringLiteral("subchannel(%1).ToolTipText=选频%2").arg(k).arg(k + 1)
              << QStringLiteral("subchannel(%1).Visible=true").arg(k);
    for (int k = shown; k < 16; ++k)
        calls << QStringLiteral("subchannel(%1).Visible=false").arg(k);
    return calls;
}

QStringList wmpStartCalls(const QStringList &sources)
{
    QStringList calls{"TVPlayer.URL=" + sources[0]};
    calls << fillCalls(sources, "m");
    for (int k = 1; k < sources.size(); ++k)
        calls << "TVPlayer.mediaCollection.add=" + sources[k] << "TVPlayer.currentPlaylist.appendItem=" + sources[k];
    calls << "TVPlayer.controls.play";
    return calls;
}

QStringList realStartCalls(const QStringList &sources, int volume)
{
    QStringList calls{"Maskit2.Visible=true", "TVPlayer2.Visible=true", "tv_fit.Visible=false"};
    calls << fillCalls(sources, "r");
    calls << "TVPlayer2.SetSource=" + sources[0] << "TVPlayer2.SetVolume=" + QString::number(volume);
    return calls;
}

} // namespace

TEST_F(ChannelSwitching, CallOrderOfAChannelStartByFlags)
{
    const QStringList sources{"http://a.example/1.asf", "http://b.example/2.asf", "rtsp://c.example/3.rm"};
    struct Case {
        QString flags;
        bool onDemand, keepCover, wmp, real;
    };
    const Case cases[] = {
        {"m", false, false, true, false},   {"r", false, false, false, true},
        {"mf", true, false, true, false},   {"rb", false, true, false, true},
        {"x", false, false, false, false},  {"", false, false, false, false},
        {"M", false, false, false, false},  // letters are case-sensitive
        {"mr", false, false, true, true},   {"rfb", true, true, false, true},
    };
    make();
    view.volume = 35;
    for (const auto &c : cases) {
        addChannel(7, "CCTV-5", sources, c.flags);
        log.clear();
        switcher().startChannel(7);

        QStringList expected = resetCalls();
        expected << "TVPlayer.network.bufferingTime=3000" << "subchannelgroup.Visible=true";
        if (c.wmp)
            expected << wmpStartCalls(sources);
        if (c.real)
            expected << realStartCalls(sources, 35);
        expected << "info=" << "Caption=Kestova---CCTV-5" << "info=开始搜索-->CCTV-5" << "DoEvents" << Hit;
        EXPECT_EQ(log, expected) << c.flags.toStdString();
        EXPECT_EQ(state().OnDemand, c.onDemand) << c.flags.toStdString();
        EXPECT_EQ(state().KeepCover, c.keepCover) << c.flags.toStdString();
        EXPECT_EQ(state().CurrentChannelName, "CCTV-5");
        EXPECT_EQ(view.realVisible, c.real);
        EXPECT_EQ(view.tvFitVisible, !c.real);
        EXPECT_TRUE(view.groupVisible);
    }
}

TEST_F(ChannelSwitching, ResetClearsTheFlagsOfThePreviousChannel)
{
    make();
    addChannel(1, "Film", {"http://f.example/a.wmv"}, "mfb");
    addChannel(2, "News", {"http://n.example/live"}, "m");
    switcher().startChannel(1);
    ASSERT_TRUE(state().OnDemand);
    ASSERT_TRUE(state().KeepCover);
    switcher().startChannel(2);
    EXPECT_FALSE(state().OnDemand);
    EXPECT_FALSE(state().KeepCover);
    EXPECT_EQ(state().CurrentChannelName, "News");
}

TEST_F(ChannelSwitching, RateTimerIsOffWhenTheStartLetsMessagesThrough)
{
    make();
    addChannel(3, "Radio", {"http://r.example/fm"}, "m");
    QList<bool> timerAtYield;
    view.onDoEvents = [&] { timerAtYield << playback->events().Timer1().isActive(); };
    playback->events().onWmpBuffering(true);
    ASSERT_TRUE(playback->events().Timer1().isActive());
    switcher().startChannel(3);
    // The reset's yield comes before step 9; the last one after it.
    ASSERT_EQ(timerAtYield.size(), 2);
    EXPECT_FALSE(timerAtYield.last());
    EXPECT_FALSE(playback->events().Timer1().isActive());
}

TEST_F(ChannelSwitching, SourcesFillTheSubchannelButtonsAndThePlaylist)
{
    struct Case { int count; QString flags; };
    const Case cases[] = {{1, "m"}, {2, "m"}, {15, "m"}, {16, "m"}, {17, "m"}, {20, "m"},
                          {1, "r"}, {16, "r"}, {20, "r"}};
    make();
    for (const auto &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 sources, %2").arg(c.count).arg(c.flags).toStdString());
        const QStringList sources = sourcesNamed(c.count);
        addChannel(4, "Many", sources, c.flags);
        view.subTip.fill("old");
        switcher().startChannel(4);
        const QString letter = c.flags.left(1);
        for (int k = 0; k < 16; ++k) {
            const bool shown = k < c.count;
            EXPECT_EQ(view.subVisible[k], shown) << k;
            if (shown) {
                EXPECT_EQ(view.subTag[k], sources[k] + "@@" + letter) << k;
                EXPECT_EQ(view.subTip[k], QStringLiteral("选频%1").arg(k + 1)) << k;
            } else {
                EXPECT_EQ(view.subTip[k], "old") << k;
            }
        }
        if (letter == "m") {
            EXPECT_EQ(wmp.url, sources[0]);
            // Every source after the first is queued, also beyond the sixteenth.
            EXPECT_EQ(wmp.playlist, sources.mid(1));
        } else {
            EXPECT_EQ(real.source, sources[0]);
            EXPECT_TRUE(wmp.playlist.isEmpty());
        }
    }
}

TEST_F(ChannelSwitching, EmptyTagGivesOneEmptySource)
{
    make();
    addChannel(5, "Blank", {}, "m");
    view.tags[5] = QString();
    switcher().startChannel(5);
    EXPECT_TRUE(view.subVisible[0]);
    EXPECT_EQ(view.subTag[0], "@@m");
    for (int k = 1; k < 16; ++k)
        EXPECT_FALSE(view.subVisible[k]) << k;
    EXPECT_TRUE(log.contains("TVPlayer.URL="));
    EXPECT_TRUE(wmp.playlist.isEmpty());
}

TEST_F(ChannelSwitching, StartTextsByLocale)
{
    struct Case {
        std::uint32_t locale;
        QString title, info, tip0;
    };
    const Case cases[] = {
        {LocaleChinesePrc, "Kestova---凤凰", "开始搜索-->凤凰", "选频1"},
        {LocaleChineseTaiwan, markBig5("Kestova---凤凰"), markBig5("开始搜索-->凤凰"), markBig5("选频1")},
        // Elsewhere the title and the tooltips keep their texts; the status
        // line is emptied on every locale.
        {LocaleEnglishUs, "previous title", "", "previous tip"},
    };
    for (const auto &c : cases) {
        make(c.locale);
        addChannel(9, "凤凰", {"http://p.example/a", "http://p.example/b"}, "m");
        view.title = "previous title";
        view.info = "previous info";
        view.subTip.fill("previous tip");
        switcher().startChannel(9);
        EXPECT_EQ(view.title, c.title) << std::hex << c.locale;
        EXPECT_EQ(view.info, c.info) << std::hex << c.locale;
        EXPECT_EQ(view.subTip[0], c.tip0) << std::hex << c.locale;
        EXPECT_EQ(state().CurrentChannelName, "凤凰");
    }
}

TEST_F(ChannelSwitching, MutedStartMutesThePlayerOfTheFirstLetter)
{
    struct Case {
        QString flags;
        bool muted;
        bool wmpMute, realMute, realMutedState;
    };
    const Case cases[] = {
        {"m", true, true, false, false},   {"r", true, false, true, true},
        {"mr", true, true, false, false},  {"rm", true, false, true, true},
        {"x", true, false, true, true},    {"m", false, false, false, false},
        {"r", false, false, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.flags.toStdString() + (c.muted ? " muted" : " sound on"));
        FakeWmpControl w;
        FakeRealControl r;
        QStringList viewLog;
        FakePlaybackView v(&viewLog);
        RecordingStatistics stats(nullptr);
        Playback p(w, r, v, messages, stats, LocaleRule{LocaleChinesePrc, markBig5});
        v.captions[2] = "Two";
        v.tags[2] = "http://x.example/s";
        ChannelFlags[2] = c.flags;
        v.mutedPicture = c.muted;
        p.switcher().startChannel(2);
        EXPECT_EQ(w.ownCalls.contains("settings.mute=true"), c.wmpMute);
        EXPECT_EQ(r.ownCalls.contains("SetMute=true"), c.realMute);
        EXPECT_EQ(v.realMuted, c.realMutedState);
        // The reset always unmutes the "r" player first.
        EXPECT_TRUE(r.ownCalls.contains("SetMute=false"));
    }
}

TEST_F(ChannelSwitching, StatisticsHitOnlyWithASiteAddress)
{
    make();
    addChannel(1, "A", {"http://a.example/"}, "m");
    switcher().startChannel(1);
    switcher().startChannel(1);
    EXPECT_EQ(statistics.sent.size(), 2);
    for (const QString &site : {QString(), QStringLiteral("   "), QStringLiteral("file:///tmp/x")}) {
        switcher().setSiteAddress(site);
        switcher().startChannel(1);
    }
    EXPECT_EQ(statistics.sent.size(), 2);
    // Sub-channel switches, play and stop send nothing.
    switcher().setSiteAddress(Site);
    switcher().switchSubchannel(0);
    switcher().play();
    switcher().stop();
    EXPECT_EQ(statistics.sent.size(), 2);
}

TEST_F(ChannelSwitching, NumbersOutsideTheCatalogueAreIgnored)
{
    make();
    for (int k : {-1, 0, MaxChannels + 1, 5000})
        switcher().startChannel(k);
    for (int i : {-1, 16, 99})
        switcher().switchSubchannel(i);
    EXPECT_TRUE(log.isEmpty()) << log.join("\n").toStdString();
}

TEST_F(ChannelSwitching, SubchannelSwitchTextsAndCalls)
{
    struct Case {
        std::uint32_t locale;
        int button;
        QString info;
    };
    const Case cases[] = {
        {LocaleChinesePrc, 0, "切换到选频1收看"},
        {LocaleChinesePrc, 2, "切换到选频3收看"},
        {LocaleChineseTaiwan, 2, markBig5("切换到选频3收看")},
        {LocaleChineseTaiwan, 15, markBig5("切换到选频16收看")},
        {LocaleEnglishUs, 2, "Switch subchannel3"},
        {LocaleEnglishUs, 9, "Switch subchannel10"},
    };
    const QStringList sources = sourcesNamed(16);
    for (const auto &c : cases) {
        for (const QString letter : {"m", "r"}) {
            SCOPED_TRACE(QStringLiteral("locale %1 button %2 %3").arg(c.locale, 0, 16).arg(c.button).arg(letter).toStdString());
            make(c.locale);
            addChannel(6, "Six", sources, letter + "f");
            switcher().startChannel(6);
            const bool realVisible = view.realVisible;
            const QString title = view.title;
            log.clear();
            switcher().switchSubchannel(c.button);
            QStringList expected;
            if (letter == "m")
                expected << "TVPlayer.URL=" + sources[c.button];
            else
                expected << "TVPlayer2.DoStop" << "TVPlayer2.SetSource=" << "TVPlayer2.SetSource=" + sources[c.button];
            expected << "info=" + c.info;
            EXPECT_EQ(log, expected);
            // Nothing else changes.
            EXPECT_EQ(view.realVisible, realVisible);
            EXPECT_EQ(view.title, title);
            EXPECT_TRUE(state().OnDemand);
            EXPECT_EQ(state().CurrentChannelName, "Six");
        }
    }
}

TEST_F(ChannelSwitching, SubchannelWithoutAPlayerLetterOnlyWritesTheStatus)
{
    make();
    view.subTag[4] = "http://odd.example/x";
    switcher().switchSubchannel(4);
    view.subTag[5] = "http://odd.example/y@@q";
    switcher().switchSubchannel(5);
    EXPECT_EQ(log, (QStringList{"info=切换到选频5收看", "info=切换到选频6收看"}));
}

TEST_F(ChannelSwitching, PlayCallsOnlyThePlayerInUseWhenItIsNotPlaying)
{
    struct Case {
        bool realInUse;
        int wmpState, realState;
        QStringList calls;
    };
    const Case cases[] = {
        {false, WmpControl::Stopped, RealControl::Stopped, {"TVPlayer.controls.play"}},
        {false, WmpControl::Paused, RealControl::Stopped, {"TVPlayer.controls.play"}},
        {false, WmpControl::Playing, RealControl::Stopped, {}},
        {true, WmpControl::Stopped, RealControl::Paused, {"TVPlayer2.DoPlay"}},
        {true, WmpControl::Stopped, RealControl::Playing, {}},
        {true, WmpControl::Playing, RealControl::Stopped, {"TVPlayer2.DoPlay"}},
    };
    for (const auto &c : cases) {
        make();
        state().CurrentChannelName = "Sport";
        view.realVisible = c.realInUse;
        wmp.state = c.wmpState;
        real.state = c.realState;
        log.clear();
        switcher().play();
        EXPECT_EQ(log, QStringList(c.calls) << "info=开始搜索-->Sport")
            << c.realInUse << " " << c.wmpState << " " << c.realState;
    }
}

TEST_F(ChannelSwitching, StopPausesOnDemandMediaAndAlwaysAddressesBothPlayers)
{
    struct Case {
        bool onDemand;
        std::uint32_t locale;
        QStringList calls;
    };
    const Case cases[] = {
        {false, LocaleChinesePrc, {"TVPlayer.controls.stop", "TVPlayer2.DoStop", "info=播放已经被用户停止！  Kestova"}},
        {true, LocaleChinesePrc, {"TVPlayer.controls.pause", "TVPlayer2.DoPause", "info=播放已经被用户停止！  Kestova"}},
        {true, LocaleChineseTaiwan, {"TVPlayer.controls.pause", "TVPlayer2.DoPause", "info=" + markBig5("播放已经被用户停止！  Kestova")}},
        {false, LocaleEnglishUs, {"TVPlayer.controls.stop", "TVPlayer2.DoStop"}},
    };
    for (const auto &c : cases) {
        make(c.locale);
        state().OnDemand = c.onDemand;
        log.clear();
        switcher().stop();
        EXPECT_EQ(log, c.calls) << c.onDemand << " " << std::hex << c.locale;
    }
}

TEST_F(ChannelSwitching, PlayAndStopAfterAnOnDemandChannelStart)
{
    make();
    addChannel(8, "Movie", {"http://m.example/film.wmv"}, "mf");
    switcher().startChannel(8);
    log.clear();
    switcher().stop();
    switcher().play();
    EXPECT_EQ(log, (QStringList{"TVPlayer.controls.pause", "TVPlayer2.DoPause", "info=播放已经被用户停止！  Kestova",
                                "TVPlayer.controls.play", "info=开始搜索-->Movie"}));
}

TEST_F(ChannelSwitching, AClickDuringTheResetYieldWins)
{
    // A second click handled while the first start lets messages through
    // resets the players again and starts its channel; the first start must
    // not go on and start its own player over it.
    make();
    addChannel(1, "First", {"http://one.example/a"}, "m");
    addChannel(2, "Second", {"http://two.example/b"}, "r");
    bool nested = false;
    view.onDoEvents = [&] {
        if (!nested) {
            nested = true;
            switcher().startChannel(2);
        }
    };
    switcher().startChannel(1);
    EXPECT_EQ(state().CurrentChannelName, "Second");
    EXPECT_TRUE(view.realVisible);
    EXPECT_EQ(real.source, "http://two.example/b");
    EXPECT_FALSE(log.contains("TVPlayer.URL=http://one.example/a"));
    EXPECT_FALSE(log.contains("TVPlayer.controls.play"));
    EXPECT_EQ(view.info, "开始搜索-->Second");
    EXPECT_EQ(statistics.sent.size(), 1);
}

TEST_F(ChannelSwitching, AClickDuringTheLastYieldRunsAfterTheStart)
{
    // At the last yield the first channel is already started; the second
    // replaces it, and the first still counts its hit.
    make();
    addChannel(1, "First", {"http://one.example/a"}, "r");
    addChannel(2, "Second", {"http://two.example/b"}, "m");
    int yields = 0;
    view.onDoEvents = [&] {
        if (++yields == 2)
            switcher().startChannel(2);
    };
    switcher().startChannel(1);
    EXPECT_EQ(state().CurrentChannelName, "Second");
    EXPECT_FALSE(view.realVisible);
    EXPECT_EQ(wmp.url, "http://two.example/b");
    EXPECT_EQ(statistics.sent.size(), 2);
}

TEST_F(ChannelSwitching, ResetReturnsToTheIdleWmpPlayer)
{
    make();
    state().OnDemand = state().KeepCover = true;
    view.realVisible = view.maskit2Visible = true;
    view.tvFitVisible = false;
    view.playTime = "12:34";
    view.progress = 500;
    EXPECT_TRUE(switcher().ResetPlayers());
    EXPECT_EQ(log, resetCalls());
    EXPECT_FALSE(state().OnDemand);
    EXPECT_FALSE(state().KeepCover);
    EXPECT_FALSE(view.realVisible);
    EXPECT_FALSE(view.maskit2Visible);
    EXPECT_TRUE(view.tvFitVisible);
    EXPECT_EQ(view.playTime, "00:00");
    EXPECT_EQ(view.progress, std::nullopt);
    EXPECT_EQ(real.volumeValue, 100);
    EXPECT_FALSE(real.muted);
}

TEST_F(ChannelSwitching, AResetOvertakenDuringItsYieldStopsThere)
{
    make();
    addChannel(2, "Second", {"http://two.example/b"}, "r");
    bool nested = false;
    view.onDoEvents = [&] {
        if (!nested) {
            nested = true;
            switcher().startChannel(2);
        }
    };
    EXPECT_FALSE(switcher().ResetPlayers());
    // The start made inside the yield is left as it is.
    EXPECT_TRUE(view.realVisible);
    EXPECT_EQ(real.source, "http://two.example/b");
    view.onDoEvents = nullptr;
    EXPECT_TRUE(switcher().ResetPlayers());
}
