#include "PlaybackFakes.h"

#include "playback/StatisticsUrl.h"
#include "playback/StatusTexts.h"
#include "platform/WmpControl.h"

#include <gtest/gtest.h>

using namespace kestova;
using namespace kestova::status;
using kestova::test::markBig5;

namespace {

const LocaleRule Prc{LocaleChinesePrc, markBig5};
const LocaleRule Taiwan{LocaleChineseTaiwan, markBig5};
const LocaleRule English{LocaleEnglishUs, markBig5};

} // namespace

TEST(StatusTexts, RateAndBufferingLines)
{
    EXPECT_EQ(rateBufferingText(283400, 37), QStringLiteral("播放速度283K/S  缓冲>>>37％  Kestova"));
    EXPECT_EQ(rateText(283400), QStringLiteral("播放速度283K/S  Kestova"));
    struct Case { int bits; QString k; };
    const Case cases[] = {{0, "0"}, {999, "0"}, {1000, "1"}, {283999, "283"}, {2147483647, "2147483"}};
    for (const auto &c : cases)
        EXPECT_EQ(kbit(c.bits), c.k) << c.bits;
    // The full-width percent sign, not '%'.
    EXPECT_TRUE(rateBufferingText(1000, 5).contains(QChar(0xFF05)));
    EXPECT_FALSE(rateBufferingText(1000, 5).contains(QLatin1Char('%')));
}

TEST(StatusTexts, RateLinesFollowTheLocale)
{
    EXPECT_EQ(rateBufferingStatus(283400, 37, Prc), rateBufferingText(283400, 37));
    EXPECT_EQ(rateBufferingStatus(283400, 37, Taiwan), markBig5(rateBufferingText(283400, 37)));
    EXPECT_EQ(rateBufferingStatus(283400, 37, English), std::nullopt);
    EXPECT_EQ(rateStatus(64000, Taiwan), markBig5(rateText(64000)));
    EXPECT_EQ(rateStatus(64000, English), std::nullopt);
}

TEST(StatusTexts, ErrorCodeRows)
{
    struct Case { qint32 code; const char *text; };
    const Case cases[] = {
        {WmpError::TooManyViewers, "观看人数过多，过一会儿再试！"},
        {WmpError::TooManyViewers2, "观看人数过多，过一会儿再试！"},
        {WmpError::NetworkFault, "网络发生故障，请换其他频道！"},
        {WmpError::NetworkBrokenOff, "网络发生故障，请换其他频道！"},
        {WmpError::ServiceStopped, "暂时停止服务，请换其他频道！"},
        {WmpError::CannotAccess, "无法访问！"},
        {WmpError::NoResponse, "无法连接，服务器停止响应！"},
        {WmpError::UnknownFormat, "接收失败！"},
        {WmpError::Generic, "接收失败！"},
        {0, "接收失败！"},
        {qint32(0x800C11B0), "接收失败！"}, // close to a row, but not it
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(wmpErrorText(c.code), text) << std::hex << c.code;
        EXPECT_EQ(wmpErrorStatus("CCTV-1", c.code, Prc), "CCTV-1" + text);
        // Only the row's text is converted; the name is used as it is.
        EXPECT_EQ(wmpErrorStatus("CCTV-1", c.code, Taiwan), "CCTV-1" + markBig5(text));
        EXPECT_EQ(wmpErrorStatus("CCTV-1", c.code, English), "CCTV-1");
    }
}

TEST(StatusTexts, OtherStatusTextsByLocale)
{
    struct Case {
        const char *what;
        std::optional<QString> prc, taiwan, english;
    };
    const QString name = QStringLiteral("凤凰卫视");
    const Case cases[] = {
        {"searching", searchingStatus(name, Prc), searchingStatus(name, Taiwan), searchingStatus(name, English)},
        {"title", windowTitle(name, Prc), windowTitle(name, Taiwan), windowTitle(name, English)},
        {"stop", stopStatus(Prc), stopStatus(Taiwan), stopStatus(English)},
        {"tooltip", subchannelToolTip(2, Prc), subchannelToolTip(2, Taiwan), subchannelToolTip(2, English)},
        {"real error", realErrorStatus(name, Prc), realErrorStatus(name, Taiwan), realErrorStatus(name, English)},
        {"file error", localFileErrorStatus(Prc), localFileErrorStatus(Taiwan), localFileErrorStatus(English)},
        {"connecting", connectingStatus(name, Prc), connectingStatus(name, Taiwan), connectingStatus(name, English)},
    };
    const std::pair<QString, QString> expected[] = {
        {"开始搜索-->凤凰卫视", markBig5("开始搜索-->凤凰卫视")},
        {"Kestova---凤凰卫视", markBig5("Kestova---凤凰卫视")},
        {"播放已经被用户停止！  Kestova", markBig5("播放已经被用户停止！  Kestova")},
        {"选频3", markBig5("选频3")},
        {"凤凰卫视观看人数太多，请过一会儿再试！", "凤凰卫视" + markBig5("观看人数太多，请过一会儿再试！")},
        {"播放出错！文件无法识别或无法访问。", markBig5("播放出错！文件无法识别或无法访问。")},
        {"正在连接==>凤凰卫视", markBig5("正在连接==>") + "凤凰卫视"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].prc, expected[i].first) << cases[i].what;
        EXPECT_EQ(cases[i].taiwan, expected[i].second) << cases[i].what;
        EXPECT_EQ(cases[i].english, std::nullopt) << cases[i].what;
    }
}

TEST(StatusTexts, TextsSetOnEveryLocale)
{
    EXPECT_EQ(subchannelSwitchStatus(2, Prc), QStringLiteral("切换到选频3收看"));
    EXPECT_EQ(subchannelSwitchStatus(15, Taiwan), markBig5(QStringLiteral("切换到选频16收看")));
    EXPECT_EQ(subchannelSwitchStatus(2, English), QStringLiteral("Switch subchannel3"));
    EXPECT_EQ(subchannelSwitchStatus(0, LocaleRule{LocaleChineseHongKong, markBig5}),
              QStringLiteral("Switch subchannel1"));
    EXPECT_EQ(thanksMessage(Prc), QStringLiteral("谢谢观赏！"));
    EXPECT_EQ(thanksMessage(Taiwan), markBig5(QStringLiteral("谢谢观赏！")));
    EXPECT_EQ(thanksMessage(English), QStringLiteral("Thanks and view and admire!"));
}

TEST(StatusTexts, SubchannelToolTipsCountFromOneWithoutPadding)
{
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(subchannelToolTip(k, Prc), QStringLiteral("选频") + QString::number(k + 1));
    EXPECT_EQ(subchannelToolTip(8, Prc), QStringLiteral("选频9"));
    EXPECT_EQ(subchannelToolTip(9, Prc), QStringLiteral("选频10"));
}

TEST(RealClock, PositionsGiveTheClockText)
{
    struct Case { qint64 ms; std::optional<QString> text; };
    const Case cases[] = {
        {0, "00:00"},
        {-1500, "00:00"},
        {999, "00:00"},
        {9000, "00:09"},
        {59900, "00:59"},
        {60000, "01:00"},
        {61000, "01:01"},
        {599999, "09:59"},
        {600000, "10:00"},
        {3599999, "59:59"},
        {3600000, "1:00:00"},
        {3725000, "1:02:05"},
        {3909000, "1:05:09"},
        {36000000 - 7200000 - 1, "7:59:59"},
        {8 * 3600000LL, std::nullopt},
        {30 * 3600000LL, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(realClockText(c.ms), c.text) << c.ms;
}

TEST(ProgressBar, WmpWidthTruncatesOverTheStripWidth)
{
    struct Case { float strip; double pos, dur; std::optional<int> x; };
    const Case cases[] = {
        {6540, 0, 100, 0},
        {6540, 50, 100, 3270},
        {6540, 100, 100, 6540},
        {6540, 33.3, 100, 2177},   // 2177.82 truncated
        {6540, 1, 3, 2180},
        {1000, 0.9999, 1, 999},
        {6540, 10, 0, std::nullopt}, // no duration, nothing drawn
        {6540, 10, -20, -3270},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wmpProgressWidth(c.strip, c.pos, c.dur), c.x) << c.pos << "/" << c.dur;
    // Absurd ratios stay inside int.
    EXPECT_EQ(wmpProgressWidth(6540, 1e300, 1e-300), 1000000000);
}

TEST(ProgressBar, RealWidthRoundsHalfToEven)
{
    struct Case { qint64 pos, len; float bar; std::optional<int> x; };
    const Case cases[] = {
        {0, 1000, 6570, 0},
        {500, 1000, 6570, 3285},
        {1000, 1000, 6570, 6570},
        {1, 4, 10, 2},     // 2.5 -> 2
        {3, 4, 10, 8},     // 7.5 -> 8
        {1, 8, 12, 2},     // 1.5 -> 2
        {1, 3, 10, 3},     // 3.33 -> 3
        {2, 3, 10, 7},     // 6.67 -> 7
        {10, 0, 6570, std::nullopt},
        {10, -5, 6570, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(realProgressWidth(c.pos, c.len, c.bar), c.x) << c.pos << "/" << c.len;
}

TEST(StatisticsUrl, BuiltFromTheSiteAddress)
{
    struct Case { QString site; QString url; };
    const Case cases[] = {
        {"http://www.orvane.example", "http://www.orvane.example/admin/count_down.asp?id=kestova62"},
        {"http://www.orvane.example/", "http://www.orvane.example/admin/count_down.asp?id=kestova62"},
        {"  https://orvane.example:8080/tv  ", "https://orvane.example:8080/tv/admin/count_down.asp?id=kestova62"},
        {"HTTP://Orvane.example", "http://orvane.example/admin/count_down.asp?id=kestova62"},
        {"", ""},
        {"   ", ""},
        {"/", ""},
        {"www.orvane.example", ""},         // no scheme
        {"file:///etc/passwd", ""},
        {"ftp://orvane.example", ""},
        {"javascript:alert(1)", ""},
        {"http://", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(statisticsUrl(c.site).toString(), c.url) << c.site.toStdString();
}
