// The small rules of the window frame: clock fields, always-on-top, the
// open-media dialog's place, the volume display and the activation texts.

#include "MarkBig5.h"
#include "mainwindow/ActivationTexts.h"
#include "mainwindow/FormatDate.h"
#include "mainwindow/OpenDialogPlacement.h"
#include "mainwindow/TopMostToggle.h"
#include "mainwindow/VolumeDisplay.h"

#include <gtest/gtest.h>

#include <set>

using namespace kestova;

TEST(FormatDate, PadsSingleCharacters)
{
    const std::pair<QString, QString> cases[] = {
        {"7", "07"}, {"0", "00"}, {"5", "05"}, {"12", "12"}, {"15", "15"}, {"", ""}, {"123", "123"}, {"x", "0x"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(FormatDate(in), out) << in.toStdString();
}

TEST(TopMostToggle, TogglesTagCaptionAndToolTip)
{
    struct Case
    {
        QString tag;
        std::uint32_t locale;
        std::optional<TopMostFace> face;
    };
    const Case cases[] = {
        {"NoTop", LocaleChinesePrc, TopMostFace{true, "Top", "∵", QString("取消紧贴屏幕播放")}},
        {"Top", LocaleChinesePrc, TopMostFace{false, "NoTop", "∴", QString("紧贴屏幕播放")}},
        {"NoTop", LocaleChineseTaiwan, TopMostFace{true, "Top", "∵", QString("big5:取消紧贴屏幕播放")}},
        {"Top", LocaleChineseTaiwan, TopMostFace{false, "NoTop", "∴", QString("big5:紧贴屏幕播放")}},
        {"NoTop", LocaleEnglishUs, TopMostFace{true, "Top", "∵", std::nullopt}},
        {"Top", LocaleEnglishUs, TopMostFace{false, "NoTop", "∴", std::nullopt}},
        {"top", LocaleChinesePrc, std::nullopt},
        {"", LocaleChinesePrc, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tag.toStdString() + " " + std::to_string(c.locale));
        EXPECT_EQ(toggleTopMost(c.tag, c.locale, markBig5), c.face);
    }
}

TEST(OpenDialogPosition, BesideTheOpenImage)
{
    struct Case
    {
        QPointF origin;
        TwipsRect picture1;
        float dialogHeight;
        QPointF expected;
    };
    const TwipsRect tvOpen{150, 0, 300, 285};
    const Case cases[] = {
        // left = 1500 + 120 + 150 + 300; top = 3000 + 5400 + 0 + 285 - 2000
        {{1500, 3000}, {120, 5400, 6540, 885}, 2000, {2070, 6685}},
        {{0, 0}, {120, 5300, 6490, 885}, 285, {570, 5300}},
        {{-600, 15}, {120, 5300, 6490, 885}, 6000, {-30, -400}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(openDialogPosition(c.origin, c.picture1, tvOpen, c.dialogHeight), c.expected);
}

TEST(VolumeDisplay, LevelAndKnobBoxes)
{
    struct Case
    {
        int percent;
        float width;
        float X;
    };
    const Case cases[] = {
        {50, 1000, 500}, {50, 1560, 780}, {0, 1560, 0}, {100, 1560, 1560},
        {1, 1050, 10},   // 10.5 rounds to the even 10
        {3, 1050, 32},   // 31.5 rounds to the even 32
        {33, 1560, 515}, // 514.8
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.percent);
        const std::vector<VolumeBox> boxes = volumeDisplay(c.percent, c.width);
        const std::vector<VolumeBox> expected = {
            {VolumeBox::vol1, 0, c.X, QColor(0, 255, 0)},
            {VolumeBox::vol2, c.X, c.X + 10, QColor(0, 0, 255)},
            {VolumeBox::vol1, c.X, c.X + 10, QColor(0, 0, 255)},
        };
        EXPECT_EQ(boxes, expected);
    }
}

TEST(ActivationTexts, TaiwanTextsDifferForFourImages)
{
    std::set<QString> differing;
    std::set<QString> controls;
    for (const ActivationText &t : activationTexts()) {
        EXPECT_TRUE(controls.insert(t.control + (t.property == TextProperty::Caption ? ".c" : ".t")).second)
            << "duplicate " << t.control.toStdString();
        if (t.designed != t.activation)
            differing.insert(t.control);
    }
    EXPECT_EQ(differing, (std::set<QString>{"tv_stop", "help", "tv_fit", "Update_Tvlist"}));
    EXPECT_EQ(designedText("help", TextProperty::ToolTip), "关于Kestova的说明");
    EXPECT_EQ(designedText("UpdateStart", TextProperty::Caption), "开始升级");
    EXPECT_EQ(designedText("UpdateStart", TextProperty::ToolTip), "");
}
