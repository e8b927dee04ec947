#include "platform/MediaSourcePolicy.h"

#include <gtest/gtest.h>

using namespace kestova;

namespace {

struct PolicyCase
{
    const char *source;
    bool allowed;
    const char *target; // expected engine text when allowed
    bool network;
};

class PolicyTable : public ::testing::TestWithParam<PolicyCase>
{
};

} // namespace

TEST_P(PolicyTable, DecidesAndNormalises)
{
    const PolicyCase &c = GetParam();
    MediaSourcePolicy policy;
    policy.setBaseDirectory(QStringLiteral("/opt/kestova"));
    const MediaSourceDecision d = policy.check(QString::fromUtf8(c.source));
    EXPECT_EQ(d.allowed, c.allowed) << c.source << " reason: " << d.reason.toStdString();
    if (c.allowed) {
        EXPECT_EQ(d.target, QString::fromUtf8(c.target)) << c.source;
        EXPECT_EQ(d.network, c.network) << c.source;
    } else {
        EXPECT_TRUE(d.target.isEmpty()) << c.source;
        EXPECT_FALSE(d.reason.isEmpty()) << c.source;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, PolicyTable,
    ::testing::Values(
        // Network schemes the program plays; only the scheme is lower-cased.
        PolicyCase{"http://tv.example/live.asf", true, "http://tv.example/live.asf", true},
        PolicyCase{"HTTP://tv.example/Live.ASF?a=B", true, "http://tv.example/Live.ASF?a=B", true},
        PolicyCase{"https://tv.example/x.m3u8", true, "https://tv.example/x.m3u8", true},
        PolicyCase{"mms://media.example/ch1", true, "mms://media.example/ch1", true},
        PolicyCase{"MMSH://media.example:8080/ch1", true, "mmsh://media.example:8080/ch1", true},
        PolicyCase{"mmst://media.example/ch1", true, "mmst://media.example/ch1", true},
        PolicyCase{"rtsp://10.1.2.3:554/live.rm", true, "rtsp://10.1.2.3:554/live.rm", true},
        PolicyCase{"rtmp://live.example/app/s", true, "rtmp://live.example/app/s", true},
        // Local files, relative ones against the base directory.
        PolicyCase{"media/demo.mp4", true, "/opt/kestova/media/demo.mp4", false},
        PolicyCase{"/home/u/a b.rm", true, "/home/u/a b.rm", false},
        PolicyCase{"file:///home/u/clip.wmv", true, "/home/u/clip.wmv", false},
        PolicyCase{"../x/../y.mp3", true, "/opt/y.mp3", false},
        // Names the engine would read as stdin or a pseudo-protocol become
        // plain files in the base directory.
        PolicyCase{"-", true, "/opt/kestova/-", false},
        PolicyCase{"lavfi:testsrc", true, "/opt/kestova/lavfi:testsrc", false},
        // Refused: the engine's own protocols and everything else.
        PolicyCase{"av://lavfi:testsrc", false, "", false},
        PolicyCase{"lavfi://testsrc", false, "", false},
        PolicyCase{"edl://%10%/etc/passwd", false, "", false},
        PolicyCase{"memory://data", false, "", false},
        PolicyCase{"fd://0", false, "", false},
        PolicyCase{"fdclose://3", false, "", false},
        PolicyCase{"ftp://h/x.mp4", false, "", false},
        PolicyCase{"smb://h/x.mp4", false, "", false},
        PolicyCase{"file://otherhost/x.mp4", false, "", false},
        PolicyCase{"http:///nohost", false, "", false},
        PolicyCase{"", false, "", false},
        PolicyCase{"   ", false, "", false},
        PolicyCase{"a\nb.mp4", false, "", false}));

TEST(MediaSourcePolicy, SurroundingBlanksAreIgnoredButInnerControlCharactersRefused)
{
    MediaSourcePolicy policy;
    const MediaSourceDecision d = policy.check(QStringLiteral("  http://tv.example/a.wmv  "));
    EXPECT_TRUE(d.allowed);
    EXPECT_EQ(d.target, QStringLiteral("http://tv.example/a.wmv"));
    EXPECT_FALSE(policy.check(QStringLiteral("http://tv.example/a\x01.wmv")).allowed);
}

TEST(MediaSourcePolicy, WithoutBaseDirectoryRelativePathsStayLocalAndAbsolute)
{
    MediaSourcePolicy policy;
    const MediaSourceDecision d = policy.check(QStringLiteral("demo.mp4"));
    ASSERT_TRUE(d.allowed);
    EXPECT_TRUE(d.target.startsWith(QLatin1Char('/')));
    EXPECT_TRUE(d.target.endsWith(QLatin1String("/demo.mp4")));
}

TEST(MediaTitle, IsTheFileNameOfTheSource)
{
    const std::pair<const char *, const char *> cases[] = {
        {"http://h/live/ch1.asf?x=1", "ch1.asf"},
        {"mms://h/ch1", "ch1"},
        {"http://h/", "http://h/"},
        {"media/demo.mp4", "demo.mp4"},
        {"C:\\Movies\\片名.rmvb", "片名.rmvb"},
        {"/home/u/clip.wmv", "clip.wmv"},
    };
    for (const auto &[source, title] : cases)
        EXPECT_EQ(mediaTitle(QString::fromUtf8(source)), QString::fromUtf8(title)) << source;
}
