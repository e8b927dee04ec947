// The two player controls against the real libmpv (no video or audio
// output) on clips ffmpeg made for the run, served on 127.0.0.1.

#include "MediaSuite.h"

#include "platform/MpvRealControl.h"
#include "platform/MpvWmpControl.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace kestova;
using kestova::test::MediaFixture;

namespace {

constexpr int kStartTimeoutMs = 15000;

MpvEngineConfig testConfig()
{
    MpvEngineConfig config;
    config.video = MpvEngineConfig::Video::None;
    config.audioOutput = QStringLiteral("null");
    config.networkTimeoutSeconds = 2; // the "never answers" server gives up fast
    return config;
}

class PlayerIntegration : public test::MediaSuite
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(media->ok()) << media->error().toStdString();
    }
};

bool waitFor(const std::function<bool()> &condition, int timeoutMs = kStartTimeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

} // namespace

TEST_F(PlayerIntegration, WmpPlaysHttpClipAndPositionAdvances)
{
    MpvWmpControl player(testConfig());
    QSignalSpy status(&player, &WmpControl::StatusChange);
    player.setURL(media->url("clip.mp4"));
    ASSERT_TRUE(waitFor([&] { return player.playState() == 3; }));
    EXPECT_GE(status.count(), 1);
    EXPECT_EQ(player.errorCode(), 0);
    EXPECT_NEAR(player.duration(), 5.0, 0.2);
    EXPECT_EQ(player.bufferingProgress(), 100);

    const double first = player.currentPosition();
    ASSERT_TRUE(waitFor([&] { return player.currentPosition() > first + 0.5; }, 5000))
        << "position stayed at " << player.currentPosition();
    EXPECT_TRUE(player.currentPositionString().startsWith(QLatin1String("00:0")))
        << player.currentPositionString().toStdString();
    EXPECT_GT(player.bitRate(), 0);

    player.stop();
    EXPECT_NE(player.playState(), 3);
    EXPECT_TRUE(waitFor([&] { return player.playState() == 1; }, 2000));
    EXPECT_TRUE(player.currentPositionString().isEmpty());
}

TEST_F(PlayerIntegration, WmpLiveHttpStreamHasNoDuration)
{
    MpvWmpControl player(testConfig());
    QSignalSpy buffering(&player, &WmpControl::Buffering);
    player.setURL(media->url("live.ts"));
    ASSERT_TRUE(waitFor([&] { return player.playState() == 3; }));
    const double first = player.currentPosition();
    ASSERT_TRUE(waitFor([&] { return player.currentPosition() > first + 0.5; }, 5000));
    // The engine's own duration grows with what arrived; a live stream has none.
    EXPECT_EQ(player.duration(), 0.0);
    EXPECT_GT(player.bitRate(), 0);
    // Buffering was entered and left, the last event says it is over.
    ASSERT_GE(buffering.count(), 2);
    EXPECT_TRUE(buffering.first().at(0).toBool());
    EXPECT_FALSE(buffering.last().at(0).toBool());
    EXPECT_EQ(player.bufferingProgress(), 100);
}

TEST_F(PlayerIntegration, WmpPlaysQueuedItemsAfterTheFirst)
{
    MpvWmpControl player(testConfig());
    QSignalSpy mediaChanges(&player, &WmpControl::MediaChange);
    player.playlistClear();
    player.setURL(media->url("short.mp4"));
    player.playlistAppendItem(player.mediaCollectionAdd(media->url("clip.mp4")));
    player.play();
    EXPECT_EQ(player.playlistItemInfo(0, "title"), QStringLiteral("short.mp4"));
    EXPECT_EQ(player.playlistItemInfo(1, "title"), QStringLiteral("clip.mp4"));
    EXPECT_EQ(player.playlistItemInfo(2, "title"), QString());

    // The second entry starts and plays: its duration is the 5 s clip's.
    ASSERT_TRUE(waitFor([&] { return mediaChanges.count() >= 2 && player.playState() == 3; }))
        << "entries started: " << mediaChanges.count();
    ASSERT_TRUE(waitFor([&] { return player.duration() > 4; }, 3000));
    EXPECT_EQ(player.errorCode(), 0);
}

TEST_F(PlayerIntegration, WmpResolvesRelativePathsAgainstTheBaseDirectory)
{
    MpvWmpControl player(testConfig());
    player.setBaseDirectory(media->folder());
    player.setURL(QStringLiteral("media/local.mp4"));
    ASSERT_TRUE(waitFor([&] { return player.playState() == 3; }));
    EXPECT_EQ(player.playlistItemInfo(0, "title"), QStringLiteral("local.mp4"));
    // Played to its end: MediaEnded, then stopped, without an error.
    ASSERT_TRUE(waitFor([&] { return player.playState() == 1; }, 5000));
    EXPECT_EQ(player.errorCode(), 0);
}

TEST_F(PlayerIntegration, WmpPlayAfterStopStartsTheSourceAgain)
{
    MpvWmpControl player(testConfig());
    player.setURL(media->url("clip.mp4"));
    ASSERT_TRUE(waitFor([&] { return player.playState() == 3; }));
    player.pause();
    ASSERT_TRUE(waitFor([&] { return player.playState() == 2; }, 3000));
    player.play();
    ASSERT_TRUE(waitFor([&] { return player.playState() == 3; }, 3000));
    player.stop();
    ASSERT_TRUE(waitFor([&] { return player.playState() == 1; }, 3000));
    player.play();
    ASSERT_TRUE(waitFor([&] { return player.playState() == 3; }));
}

struct FailureCase
{
    const char *name;
    std::function<QString(const MediaFixture &)> url;
    qint32 expected;
};

class WmpFailure : public PlayerIntegration, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(WmpFailure, ReportsItsErrorCode)
{
    const FailureCase &c = GetParam();
    MpvWmpControl player(testConfig());
    QSignalSpy error(&player, &WmpControl::Error);
    player.setURL(c.url(*media));
    ASSERT_TRUE(waitFor([&] { return error.count() > 0; })) << "no Error event";
    EXPECT_EQ(player.errorCode(), c.expected)
        << std::hex << "got 0x" << quint32(player.errorCode()) << " want 0x"
        << quint32(c.expected);
    EXPECT_NE(player.playState(), 3);
    EXPECT_EQ(error.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, WmpFailure,
    ::testing::Values(
        FailureCase{"RefusedPort",
                    [](const MediaFixture &) {
                        return QStringLiteral("http://127.0.0.1:%1/x.ts")
                            .arg(MediaFixture::closedPort());
                    },
                    WmpError::ServiceStopped},
        FailureCase{"NotFound", [](const MediaFixture &f) { return f.url("status/404"); },
                    WmpError::CannotAccess},
        FailureCase{"Forbidden", [](const MediaFixture &f) { return f.url("status/403"); },
                    WmpError::CannotAccess},
        FailureCase{"ServerError", [](const MediaFixture &f) { return f.url("status/500"); },
                    WmpError::CannotAccess},
        FailureCase{"Busy", [](const MediaFixture &f) { return f.url("status/503"); },
                    WmpError::TooManyViewers},
        FailureCase{"Garbage", [](const MediaFixture &f) { return f.url("garbage.mp4"); },
                    WmpError::UnknownFormat},
        FailureCase{"NeverAnswers", [](const MediaFixture &f) { return f.url("silent"); },
                    WmpError::NoResponse},
        FailureCase{"BrokenOff", [](const MediaFixture &f) { return f.url("broken.ts"); },
                    WmpError::NetworkBrokenOff},
        FailureCase{"MissingLocalFile",
                    [](const MediaFixture &f) { return f.folder() + "/no-such-file.mp4"; },
                    WmpError::CannotAccess}),
    [](const ::testing::TestParamInfo<FailureCase> &info) { return info.param.name; });

class RefusedSource : public PlayerIntegration, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(RefusedSource, PlaysNothingAndReportsAnError)
{
    MpvWmpControl player(testConfig());
    // Something plays first: the refused source must stop it, not join it.
    player.setURL(media->url("clip.mp4"));
    ASSERT_TRUE(waitFor([&] { return player.playState() == 3; }));

    QSignalSpy error(&player, &WmpControl::Error);
    QSignalSpy media(&player, &WmpControl::MediaChange);
    player.setURL(QString::fromUtf8(GetParam()));
    ASSERT_TRUE(waitFor([&] { return error.count() > 0; }, 3000));
    EXPECT_EQ(player.errorCode(), WmpError::UnknownFormat);
    // Nothing started loading and nothing plays afterwards either.
    QTest::qWait(500);
    EXPECT_EQ(media.count(), 0);
    EXPECT_NE(player.playState(), 3);
    EXPECT_FALSE(player.playback().engine().property("path").isValid());
}

INSTANTIATE_TEST_SUITE_P(Schemes, RefusedSource,
                         ::testing::Values("av://lavfi:testsrc", "lavfi://testsrc",
                                           "edl://%10%/etc/hosts", "memory://abc", "fd://0",
                                           "ftp://127.0.0.1/x.mp4", "AV://lavfi:sine",
                                           "file://remote.example/x.mp4", "http:///nohost"));

TEST_F(PlayerIntegration, RealPlaysRmClipToItsEnd)
{
    MpvRealControl player(testConfig());
    QSignalSpy states(&player, &RealControl::OnPlayStateChange);
    QSignalSpy clip(&player, &RealControl::OnClipClosed);
    QSignalSpy presentation(&player, &RealControl::OnPresentationClosed);
    QSignalSpy errors(&player, &RealControl::OnErrorMessage);
    QStringList order;
    QObject::connect(&player, &RealControl::OnClipClosed, [&] { order << "clip"; });
    QObject::connect(&player, &RealControl::OnPresentationClosed,
                     [&] { order << "presentation"; });

    player.SetSource(media->url("clip.rm"));
    EXPECT_EQ(player.GetPlayState(), RealControl::Contacting);
    // The events follow the state from the event loop.
    ASSERT_TRUE(waitFor([&] {
        return !states.isEmpty() && states.last().at(1).toInt() == RealControl::Playing;
    }));
    EXPECT_NEAR(player.GetLength(), 2000, 200);
    ASSERT_GE(states.count(), 2);
    for (qsizetype i = 1; i < states.count(); ++i)
        EXPECT_EQ(states.at(i).at(0), states.at(i - 1).at(1)) << "events form a chain";
    EXPECT_EQ(states.first().at(0).toInt(), RealControl::Stopped);
    EXPECT_EQ(states.first().at(1).toInt(), RealControl::Contacting);

    ASSERT_TRUE(waitFor([&] { return presentation.count() > 0; }, 6000));
    EXPECT_EQ(order, (QStringList{"clip", "presentation"}));
    EXPECT_EQ(clip.count(), 1);
    EXPECT_EQ(errors.count(), 0);
    EXPECT_EQ(player.GetPlayState(), RealControl::Stopped);
    EXPECT_EQ(states.last().at(1).toInt(), RealControl::Stopped);
}

TEST_F(PlayerIntegration, RealRaisesNoClosingEventsForRequestedStops)
{
    MpvRealControl player(testConfig());
    QSignalSpy clip(&player, &RealControl::OnClipClosed);
    QSignalSpy presentation(&player, &RealControl::OnPresentationClosed);
    QSignalSpy errors(&player, &RealControl::OnErrorMessage);

    // The sub-channel switch: stop, clear, new source; then a plain stop.
    player.SetSource(media->url("short.mp4"));
    ASSERT_TRUE(waitFor([&] { return player.GetPlayState() == RealControl::Playing; }));
    player.DoStop();
    player.SetSource(QString());
    player.SetSource(media->url("clip.rm"));
    ASSERT_TRUE(waitFor([&] { return player.GetPlayState() == RealControl::Playing; }));
    player.DoStop();
    // Longer than either clip: a stop must not turn into a natural end later.
    QTest::qWait(2500);
    EXPECT_EQ(clip.count(), 0);
    EXPECT_EQ(presentation.count(), 0);
    EXPECT_EQ(errors.count(), 0);
    EXPECT_EQ(player.GetPlayState(), RealControl::Stopped);
}

TEST_F(PlayerIntegration, RealReportsFailuresThroughErrorMessage)
{
    MpvRealControl player(testConfig());
    QSignalSpy errors(&player, &RealControl::OnErrorMessage);
    QSignalSpy clip(&player, &RealControl::OnClipClosed);
    player.SetSource(media->url("status/404"));
    ASSERT_TRUE(waitFor([&] { return errors.count() > 0; }));
    EXPECT_EQ(errors.first().at(1).toInt(), WmpError::CannotAccess);
    EXPECT_EQ(errors.first().at(5).toString(), media->url("status/404"));
    EXPECT_EQ(player.GetPlayState(), RealControl::Stopped);
    EXPECT_EQ(clip.count(), 0);

    errors.clear();
    player.SetSource(QStringLiteral("av://lavfi:sine"));
    ASSERT_TRUE(waitFor([&] { return errors.count() > 0; }, 3000));
    EXPECT_EQ(errors.first().at(1).toInt(), WmpError::UnknownFormat);
}

TEST_F(PlayerIntegration, RealBuffersWithPercentOnALiveStream)
{
    MpvRealControl player(testConfig());
    QSignalSpy buffering(&player, &RealControl::OnBuffering);
    player.SetSource(media->url("live.ts"));
    ASSERT_TRUE(waitFor([&] { return player.GetPlayState() == RealControl::Playing; }));
    ASSERT_GE(buffering.count(), 1);
    for (const QList<QVariant> &args : buffering) {
        EXPECT_EQ(args.at(0).toInt(), 0); // still starting up
        EXPECT_GE(args.at(1).toInt(), 0);
        EXPECT_LE(args.at(1).toInt(), 100);
    }
    EXPECT_EQ(player.GetLength(), 0);
    ASSERT_TRUE(waitFor([&] { return player.GetPosition() > 500; }, 5000));
    EXPECT_GT(player.GetBandwidthCurrent(), 0);
}

TEST_F(PlayerIntegration, VolumeAndMuteReachTheEngine)
{
    MpvWmpControl wmp(testConfig());
    EXPECT_EQ(wmp.volume(), 50);
    wmp.setVolume(150);
    EXPECT_EQ(wmp.volume(), 100);
    wmp.setVolume(30);
    wmp.setMute(true);
    wmp.setURL(media->url("short.mp4"));
    EXPECT_DOUBLE_EQ(wmp.playback().engine().doubleProperty("volume"), 30.0);
    EXPECT_TRUE(wmp.playback().engine().flagProperty("mute"));

    MpvRealControl real(testConfig());
    real.SetVolume(-5);
    EXPECT_EQ(real.volume(), 0);
    real.SetMute(true);
    EXPECT_TRUE(real.GetMute());
    real.SetSource(media->url("short.mp4"));
    EXPECT_DOUBLE_EQ(real.playback().engine().doubleProperty("volume"), 0.0);
    EXPECT_TRUE(real.playback().engine().flagProperty("mute"));
}
