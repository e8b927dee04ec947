#include "startup/ChannelCatalogue.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace kestova;

namespace {

const CatalogueFrame kFrame{TwipsRect{60, 60, 1410, 285}, 0.0f, 6285.0f};

QString records(int count, const QString &flags = QStringLiteral("m"))
{
    QStringList list;
    for (int k = 1; k <= count; ++k)
        list << QStringLiteral("Chan%1|http://h/%1|%2").arg(k).arg(flags);
    return list.join(QStringLiteral("##"));
}

QString markBig5(const QString &s) { return QStringLiteral("<big5>") + s; }

} // namespace

TEST(CatalogueBuild, TwoColumnsFollowTheRecordPlace)
{
    CatalogueFrame frame = kFrame;
    frame.morechannelTop = -400; // the list may have been scrolled
    const Catalogue c = buildCatalogue(records(5), 0x804, frame, markBig5);
    ASSERT_EQ(c.buttons.size(), 5u);
    const float lefts[] = {60, 1530, 60, 1530, 60};
    const float tops[] = {-340, -340, -15, -15, 310};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(c.buttons[i].index, i + 1);
        EXPECT_EQ(c.buttons[i].geometry.Left, lefts[i]) << i;
        EXPECT_EQ(c.buttons[i].geometry.Top, tops[i]) << i;
        EXPECT_EQ(c.buttons[i].geometry.Width, 1410);
        EXPECT_EQ(c.buttons[i].geometry.Height, 285);
    }
}

TEST(CatalogueBuild, WideRowSitsUnderThePreviousButtonWithoutShiftingTheRest)
{
    const QString text = QStringLiteral("A|u1|m##B|u2|m##C|u3|rb##D|u4|m");
    const Catalogue c = buildCatalogue(text, 0x804, kFrame, markBig5);
    ASSERT_EQ(c.buttons.size(), 4u);
    const TwipsRect &wide = c.buttons[2].geometry;
    EXPECT_EQ(wide.Left, 60);
    EXPECT_EQ(wide.Top, c.buttons[1].geometry.bottom() + 60);
    EXPECT_EQ(wide.Width, 2 * 1410 + 75);
    EXPECT_EQ(wide.Height, 285);
    EXPECT_EQ(c.buttons[3].geometry.Left, 1530);
    EXPECT_EQ(c.buttons[3].geometry.Top, 0 + 60 + 325);
}

TEST(CatalogueBuild, FirstWideRowHangsUnderTheTemplate)
{
    const Catalogue c = buildCatalogue(QStringLiteral("A|u|mb"), 0x804, kFrame, markBig5);
    ASSERT_EQ(c.buttons.size(), 1u);
    EXPECT_EQ(c.buttons[0].geometry.Top, kFrame.templateButton.bottom() + 60);
}

TEST(CatalogueBuild, CaptionsAndTooltipsFollowTheLocale)
{
    const QString text = records(6) + QStringLiteral("##") + QString::fromUtf8("中文台|u7|m");
    const struct {
        std::uint32_t locale;
        QString caption, toolTip;
    } cases[] = {
        {0x804, QString::fromUtf8("中文台"), QString::fromUtf8("No.7 中文台")},
        {0x404, QString::fromUtf8("<big5>中文台"), QString::fromUtf8("No.7 <big5>中文台")},
        {0x409, "7", "No.7"},
        {0xC04, "7", "No.7"},
    };
    for (const auto &c : cases) {
        const Catalogue cat = buildCatalogue(text, c.locale, kFrame, markBig5);
        ASSERT_EQ(cat.buttons.size(), 7u);
        EXPECT_EQ(cat.buttons[6].caption, c.caption) << std::hex << c.locale;
        EXPECT_EQ(cat.buttons[6].toolTip, c.toolTip) << std::hex << c.locale;
        EXPECT_EQ(cat.buttons[6].tag, "u7");
        EXPECT_EQ(cat.buttons[6].flags, "m");
    }
}

TEST(CatalogueBuild, ListHeightGrowsOnlyPastTheViewport)
{
    // 38 channels: the last row (i = 36, 37) starts at 60 + 18 * 325 = 5910.
    CatalogueFrame frame = kFrame;
    frame.templateButton.Height = 375; // ends at 6285: no change
    EXPECT_FALSE(buildCatalogue(records(38), 0x804, frame, markBig5).morechannelHeight);
    frame.templateButton.Height = 376; // ends at 6286
    const auto grown = buildCatalogue(records(38), 0x804, frame, markBig5).morechannelHeight;
    ASSERT_TRUE(grown);
    EXPECT_EQ(*grown, 6346);
}

TEST(CatalogueBuild, BrokenRecordsAreSkippedAndNumbersStayDense)
{
    const struct {
        const char *text;
        QStringList captions;
    } cases[] = {
        {"", {}},
        {"##", {}},
        {"A|u|m##", {"A"}},
        {"##A|u|m", {"A"}},
        {"A|u|m####B|v|r", {"A", "B"}},
        {"A|u##B|v|r", {"B"}},           // two fields only
        {"nameonly##B|v|r|extra", {"B"}}, // fields past the third are ignored
    };
    for (const auto &c : cases) {
        const Catalogue cat = buildCatalogue(QString::fromUtf8(c.text), 0x804, kFrame, markBig5);
        QStringList captions;
        for (const auto &b : cat.buttons)
            captions << b.caption;
        EXPECT_EQ(captions, c.captions) << c.text;
        for (size_t i = 0; i < cat.buttons.size(); ++i)
            EXPECT_EQ(cat.buttons[i].index, int(i) + 1) << c.text;
    }
}

TEST(CatalogueBuild, StopsAtTheThousandthChannel)
{
    const Catalogue c = buildCatalogue(records(1003), 0x409, kFrame, markBig5);
    ASSERT_EQ(c.buttons.size(), 1000u);
    EXPECT_EQ(c.buttons.back().caption, "1000");
    EXPECT_EQ(c.buttons.back().tag, "http://h/1000");
}

TEST(CatalogueBuild, EmptyFlagsAndSourcesStillMakeAChannel)
{
    const Catalogue c = buildCatalogue(QStringLiteral("A||"), 0x804, kFrame, markBig5);
    ASSERT_EQ(c.buttons.size(), 1u);
    EXPECT_EQ(c.buttons[0].tag, "");
    EXPECT_EQ(c.buttons[0].flags, "");
}
