// ArrangeControls and the panel switch on the plain layout model.

#include "MarkBig5.h"
#include "mainwindow/PanelLayout.h"

#include <gtest/gtest.h>

using namespace kestova;

namespace {

LayoutModel modelOfSize(float W, float H)
{
    LayoutModel m;
    m.W = W;
    m.H = H;
    return m;
}

LayoutModel expandedModel(float baseWidth, float H)
{
    LayoutModel m = modelOfSize(baseWidth, H);
    SwitchPanel(m, LocaleChinesePrc, markBig5);
    return m;
}

} // namespace

TEST(ArrangeControls, PlacesTheDefaultWindow)
{
    LayoutModel m = modelOfSize(6875, 7155);
    ASSERT_TRUE(ArrangeControls(m));

    EXPECT_EQ(m.TVPlayer.rect, (TwipsRect{75, -45, 6600, 5355}));
    EXPECT_EQ(m.Maskit.rect, (TwipsRect{60, -15, 6600, 5355}));
    EXPECT_EQ(m.Picture1.rect, (TwipsRect{120, 5300, 6490, 885}));
    EXPECT_FLOAT_EQ(m.Picture3.rect.Width, 6490);
    EXPECT_FLOAT_EQ(m.morechannel.rect.Left, 6695);
    EXPECT_EQ(m.Picture5.rect, (TwipsRect{6695, 0, 3000, 6250}));
    EXPECT_FLOAT_EQ(m.bar[0].rect.Top, 6170);
    EXPECT_EQ(m.bar[1].rect, (TwipsRect{2985, 6185, 3810, 735}));
    EXPECT_EQ(m.LoveChannelGroup.rect, (TwipsRect{580, 6350, 5655, 285}));
    EXPECT_FALSE(m.subchannelgroup.visible);
    EXPECT_EQ(m.SwitchSkin.rect, (TwipsRect{6290, 6335, 435, 300}));
    EXPECT_EQ(m.s1.rect, (TwipsRect{9725, 0, 270, 270}));
    EXPECT_EQ(m.s2.rect, (TwipsRect{9725, 5915, 270, 270}));
    EXPECT_FLOAT_EQ(m.s3.rect.Left, 9725);
    EXPECT_EQ(m.s4.rect, (TwipsRect{9725, 240, 270, 5725}));
    EXPECT_EQ(m.TVPlayer2.rect, m.TVPlayer.rect);
    EXPECT_EQ(m.Maskit2.rect, (TwipsRect{75, -45, 6600, 5055}));
    EXPECT_FLOAT_EQ(m.Update_Prompt_Box.rect.Top, 3275);
}

TEST(ArrangeControls, StripVisibilityFollowsTheWidth)
{
    struct Case
    {
        float W;
        bool expanded;
        bool bar1;
        bool bar2;
        float bar1Left;
    };
    const Case cases[] = {
        {6875, false, false, false, 2985}, // 6875 is not wider than 6875
        {6876, false, true, false, 2986},
        {10200, true, true, false, 6310}, // 10200 is not wider than 10200
        {10201, true, true, true, 6311},
        {12000, false, true, true, 8110},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.W);
        LayoutModel m = c.expanded ? expandedModel(c.W - ExtensionWidth, 7155) : modelOfSize(c.W, 7155);
        ASSERT_TRUE(ArrangeControls(m));
        EXPECT_EQ(m.bar[1].visible, c.bar1);
        EXPECT_EQ(m.bar[2].visible, c.bar2);
        EXPECT_FLOAT_EQ(m.bar[1].rect.Left, c.bar1Left);
        // bar(2) ends where the panel switch begins, whether shown or not.
        EXPECT_FLOAT_EQ(m.bar[2].rect.Left, c.bar1Left - 6495 + 435 - 20);
        EXPECT_FLOAT_EQ(m.bar[2].rect.Top, 7155 - 970);
    }
}

TEST(ArrangeControls, TooSmallWindowMovesNothing)
{
    struct Case
    {
        float W, H;
        bool expanded;
    };
    const Case cases[] = {
        {6875, 1800, false}, {6875, 1000, false}, {275, 7155, false},
        {200, 7155, false},  {3600, 7155, true},  {3599, 7155, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.W << " x " << c.H);
        LayoutModel m = c.expanded ? expandedModel(6875, 7155) : modelOfSize(6875, 7155);
        m.W = c.W;
        m.H = c.H;
        const LayoutModel before = m;
        EXPECT_FALSE(ArrangeControls(m));
        EXPECT_EQ(m, before);
    }
    // Just above both limits the layout runs.
    LayoutModel m = modelOfSize(276, 1801);
    EXPECT_TRUE(ArrangeControls(m));
    EXPECT_FLOAT_EQ(m.TVPlayer.rect.Width, 1);
    EXPECT_FLOAT_EQ(m.TVPlayer.rect.Height, 1);
}

TEST(ArrangeControls, ExpandedPanelKeepsTheVideoWidth)
{
    LayoutModel base = modelOfSize(6900, 7155);
    ASSERT_TRUE(ArrangeControls(base));
    LayoutModel expanded = expandedModel(6900, 7155);
    ASSERT_FLOAT_EQ(expanded.W, 10225);
    ASSERT_TRUE(ArrangeControls(expanded));

    EXPECT_EQ(expanded.TVPlayer.rect, base.TVPlayer.rect);
    EXPECT_EQ(expanded.Picture1.rect, base.Picture1.rect);
    EXPECT_FLOAT_EQ(expanded.Picture5.rect.Left, base.Picture5.rect.Left);
    EXPECT_TRUE(expanded.subchannelgroup.visible);
    // W - bar(1) width - SwithTopWindow left - its width - bar(0) left + SwitchSkin width - 200
    EXPECT_FLOAT_EQ(expanded.LoveChannelGroup.rect.Width, 10225 - 3810 - 90 - 435 - 60 + 435 - 200);
    EXPECT_FLOAT_EQ(expanded.SwitchSkin.rect.Left, 10225 - 585);
}

TEST(ArrangeControls, ReadsValuesSetEarlierInTheSameRun)
{
    // LoveChannelGroup follows bar(0) and s2..s4 follow s1, which follows
    // morechannel, all placed by the same run.
    LayoutModel m = modelOfSize(8000, 9000);
    m.bar[0].rect.Left = 100;
    ASSERT_TRUE(ArrangeControls(m));
    EXPECT_FLOAT_EQ(m.LoveChannelGroup.rect.Left, 620);
    EXPECT_FLOAT_EQ(m.LoveChannelGroup.rect.Top, 9000 - 985 + 180);
    EXPECT_FLOAT_EQ(m.LoveChannelGroup.rect.Width, 8000 - 435 - 90 - 435 - 100 - 200);
    EXPECT_FLOAT_EQ(m.s1.rect.Left, 8000 - 180 + 3030);
    EXPECT_FLOAT_EQ(m.s4.rect.Height, 9000 - 1430);
    EXPECT_FLOAT_EQ(m.Maskit2.rect.Height, 9000 - 1800 - 300);
}

TEST(SwitchPanel, BaseToExpandedAndBack)
{
    struct Case
    {
        float W;
        float expandedW;
        bool bar2Shown;
        float bar2Left;
    };
    const Case cases[] = {
        {6875, 10200, false, 0}, // hidden
        {6900, 10225, true, 225},
        {8000, 11325, true, 1325},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.W);
        LayoutModel m = modelOfSize(c.W, 7155);
        ASSERT_TRUE(ArrangeControls(m));
        const LayoutModel first = m;

        SwitchPanel(m, LocaleChinesePrc, markBig5);
        EXPECT_FLOAT_EQ(m.W, c.expandedW);
        EXPECT_EQ(m.switchSkin, (SwitchSkinFace{PanelExpand, "<<", "基本面板"}));
        EXPECT_TRUE(m.morechannel.visible);
        EXPECT_TRUE(m.Picture5.visible);
        EXPECT_TRUE(m.subchannelgroup.visible);
        EXPECT_TRUE(m.bar[1].visible);
        EXPECT_FLOAT_EQ(m.bar[1].rect.Left, c.expandedW - 3900);
        EXPECT_EQ(m.bar[2].visible, c.bar2Shown);
        if (c.bar2Shown) {
            EXPECT_FLOAT_EQ(m.bar[2].rect.Left, c.bar2Left);
        }
        EXPECT_FLOAT_EQ(m.SwitchSkin.rect.Left, c.expandedW - 585);
        EXPECT_FLOAT_EQ(m.LoveChannelGroup.rect.Width, c.expandedW - 3810 - 90 - 435 - 60 + 435 - 200);
        // The switch does not lay out: the video area stays where it was.
        EXPECT_EQ(m.TVPlayer.rect, first.TVPlayer.rect);

        SwitchPanel(m, LocaleChinesePrc, markBig5);
        EXPECT_FLOAT_EQ(m.W, c.W);
        EXPECT_EQ(m.switchSkin, first.switchSkin);
        EXPECT_FALSE(m.morechannel.visible);
        EXPECT_FALSE(m.Picture5.visible);
        EXPECT_FALSE(m.subchannelgroup.visible);
        EXPECT_FALSE(m.bar[2].visible);
        // bar(1) stays shown after returning, even at 6875, until the next layout.
        EXPECT_TRUE(m.bar[1].visible);
        EXPECT_FLOAT_EQ(m.bar[1].rect.Left, c.W - 3900);
        EXPECT_FLOAT_EQ(m.SwitchSkin.rect.Left, first.SwitchSkin.rect.Left);
        EXPECT_FLOAT_EQ(m.LoveChannelGroup.rect.Width, first.LoveChannelGroup.rect.Width);

        ASSERT_TRUE(ArrangeControls(m));
        EXPECT_EQ(m.bar[1].visible, c.W > 6875);
    }
}

TEST(SwitchPanel, ToolTipFollowsTheLocale)
{
    struct Case
    {
        std::uint32_t locale;
        QString expanded;
        QString base;
    };
    const Case cases[] = {
        {LocaleChinesePrc, "基本面板", "扩展面板"},
        {LocaleChineseTaiwan, "big5:基本面板", "big5:扩展面板"},
        {LocaleEnglishUs, "designed", "designed"}, // left as it was
        {LocaleChineseHongKong, "designed", "designed"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.locale);
        LayoutModel m = modelOfSize(6875, 7155);
        m.switchSkin.toolTip = "designed";
        SwitchPanel(m, c.locale, markBig5);
        EXPECT_EQ(m.switchSkin.toolTip, c.expanded);
        EXPECT_EQ(m.switchSkin.tag, PanelExpand); // the mode switches on every locale
        EXPECT_EQ(m.switchSkin.caption, "<<");
        SwitchPanel(m, c.locale, markBig5);
        EXPECT_EQ(m.switchSkin.toolTip, c.base);
        EXPECT_EQ(m.switchSkin.tag, PanelBase);
    }
}
