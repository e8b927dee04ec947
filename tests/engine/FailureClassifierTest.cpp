#include "platform/MpvFailureClassifier.h"
#include "platform/WmpControl.h"

#include <gtest/gtest.h>

#include <mpv/client.h>

using namespace kestova;

namespace {

struct ClassCase
{
    const char *name;
    PlaybackFailure failure;
    qint32 expected;
};

PlaybackFailure network(int error, QStringList lines, double seconds = 0.1)
{
    PlaybackFailure f;
    f.endError = error;
    f.logLines = std::move(lines);
    f.network = true;
    f.secondsSinceStart = seconds;
    f.networkTimeout = 20;
    return f;
}

PlaybackFailure started(PlaybackFailure f, bool eof)
{
    f.playbackStarted = true;
    f.endedAtEof = eof;
    return f;
}

PlaybackFailure local(int error, QStringList lines)
{
    PlaybackFailure f = network(error, std::move(lines));
    f.network = false;
    return f;
}

class Classify : public ::testing::TestWithParam<ClassCase>
{
};

} // namespace

TEST_P(Classify, MapsTheRealFailureToItsResultCode)
{
    const ClassCase &c = GetParam();
    const FailureClass got = classifyFailure(c.failure);
    EXPECT_EQ(got.code, c.expected) << std::hex << "got 0x" << quint32(got.code);
    EXPECT_FALSE(got.description.isEmpty());
}

constexpr int kLoading = MPV_ERROR_LOADING_FAILED;
constexpr int kFormat = MPV_ERROR_UNKNOWN_FORMAT;

INSTANTIATE_TEST_SUITE_P(
    Failures, Classify,
    ::testing::Values(
        ClassCase{"Http503",
                  network(kLoading, {"ffmpeg: http: HTTP error 503 Service Unavailable",
                                     "stream: Failed to open http://h/x."}),
                  WmpError::TooManyViewers},
        ClassCase{"Http404",
                  network(kLoading, {"ffmpeg: http: HTTP error 404 Not Found"}),
                  WmpError::CannotAccess},
        ClassCase{"Http403", network(kLoading, {"ffmpeg: http: HTTP error 403 Forbidden"}),
                  WmpError::CannotAccess},
        ClassCase{"Http500LineTrailsTheEvent",
                  network(kLoading, {"cplayer: Opening failed or was aborted: http://h/x",
                                     "ffmpeg: http: HTTP error 500 Internal Server Error"}),
                  WmpError::CannotAccess},
        ClassCase{"Other4xxFromErrorText",
                  network(kLoading, {"stream: Failed to open: Server returned 4XX Client "
                                     "Error, but not one of 40{0,1,3,4}"}),
                  WmpError::CannotAccess},
        ClassCase{"RtspDescribe404",
                  network(kFormat, {"ffmpeg: rtsp: method DESCRIBE failed: 404 Not Found"}),
                  WmpError::CannotAccess},
        ClassCase{"RtspDescribe503",
                  network(kFormat, {"ffmpeg: rtsp: method DESCRIBE failed: 503 Busy"}),
                  WmpError::TooManyViewers},
        ClassCase{"Refused",
                  network(kLoading, {"ffmpeg: tcp: Connection to tcp://127.0.0.1:9 failed: "
                                     "Connection refused"}),
                  WmpError::ServiceStopped},
        ClassCase{"RtspRefusedGivesUnknownFormatButLineDecides",
                  network(kFormat, {"ffmpeg: tcp: Connection refused"}),
                  WmpError::ServiceStopped},
        ClassCase{"UnknownHost",
                  network(kLoading, {"ffmpeg: tcp: Failed to resolve hostname nohost: "
                                     "Name or service not known"}),
                  WmpError::NetworkFault},
        ClassCase{"NoRoute", network(kLoading, {"ffmpeg: tcp: No route to host"}),
                  WmpError::NetworkFault},
        ClassCase{"Unreachable", network(kLoading, {"ffmpeg: tcp: Network is unreachable"}),
                  WmpError::NetworkFault},
        ClassCase{"ConnectTimedOut",
                  network(kLoading, {"ffmpeg: tcp: Connection timed out"}, 20),
                  WmpError::NetworkFault},
        ClassCase{"AcceptedButSilentUntilTimeout",
                  network(kLoading, {"stream: Failed to open http://h/x."}, 19.9),
                  WmpError::NoResponse},
        ClassCase{"FastOpenFailureIsNotATimeout",
                  network(kLoading, {"stream: Failed to open http://h/x."}, 0.2),
                  WmpError::Generic},
        ClassCase{"LiveStreamEndsPrematurely",
                  started(network(0, {"ffmpeg: http: Stream ends prematurely at 1234"}), true),
                  WmpError::NetworkBrokenOff},
        ClassCase{"LiveStreamStallsSilently", started(network(0, {}, 30), true),
                  WmpError::NetworkBrokenOff},
        ClassCase{"ErrorAfterPlaying", started(network(kLoading, {}), false),
                  WmpError::NetworkBrokenOff},
        ClassCase{"GarbageOverHttp",
                  network(kFormat, {"cplayer: Failed to recognize file format."}),
                  WmpError::UnknownFormat},
        ClassCase{"NoStreams",
                  network(MPV_ERROR_NOTHING_TO_PLAY,
                          {"cplayer: No video or audio streams selected."}),
                  WmpError::UnknownFormat},
        ClassCase{"LocalGarbage", local(kFormat, {}), WmpError::UnknownFormat},
        ClassCase{"LocalMissing",
                  local(kLoading, {"file: Cannot open file '/x.mp4': No such file or directory"}),
                  WmpError::CannotAccess},
        ClassCase{"LocalUnreadable",
                  local(kLoading, {"file: Cannot open file '/x.mp4': Permission denied"}),
                  WmpError::CannotAccess},
        // A local clip "failing" after playing is no network fault.
        ClassCase{"LocalDecodeFailureAfterPlaying",
                  started(local(MPV_ERROR_GENERIC, {"vd: decoding failed"}), false),
                  WmpError::Generic},
        ClassCase{"AnythingElse", network(MPV_ERROR_AO_INIT_FAILED, {"ao: no audio"}),
                  WmpError::Generic},
        // A status code in some other number on the line is no HTTP status.
        ClassCase{"NumbersElsewhereDoNotCount",
                  network(kFormat, {"lavf: stream 404 has 503 frames"}),
                  WmpError::UnknownFormat}),
    [](const ::testing::TestParamInfo<ClassCase> &info) { return info.param.name; });
