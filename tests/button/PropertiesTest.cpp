// DravoButton properties: new-instance values, puts and their change
// notification, 16-bit overflow, the Picture and MouseIcon rules, the
// access key and the description strings.
#include "AccessKey.h"
#include "ButtonTestSupport.h"

#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QSignalSpy>

using namespace quorvel;
using namespace quorvel::test;

namespace {

TEST(Properties, NewInstanceValues)
{
    AmbientProperties ambient;
    ambient.BackColor = 0x00123456;
    ambient.ForeColor = 0x00654321;
    ambient.Font = QFont(QStringLiteral("Sans"), 13);
    DravoButton b(ambient);
    EXPECT_EQ(b.Appearance(), btXP);
    EXPECT_TRUE(b.Picture().isEmpty());
    EXPECT_EQ(b.Caption(), QString());
    EXPECT_EQ(b.BorderColor(), 0x9C8181u);
    EXPECT_EQ(b.HoverFillStyle(), hsAlverage);
    EXPECT_EQ(b.HoverColor(), 0xD1ADADu);
    EXPECT_EQ(b.MouseDownColor(), 0xC08080u);
    EXPECT_EQ(b.EdgeColor(), 0x800000u);
    EXPECT_EQ(b.ShadowOffSet(), 2);
    EXPECT_EQ(b.ShadowColor(), 0x800000u);
    EXPECT_EQ(b.BackColor(), 0x00123456u);
    EXPECT_EQ(b.ForeColor(), 0x00654321u);
    EXPECT_EQ(b.Font(), ambient.Font);
    EXPECT_EQ(b.font(), ambient.Font);
    EXPECT_FALSE(b.ShowFocus());
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.Alignment(), alnLeftTop);
    EXPECT_TRUE(b.MouseIcon().isEmpty());
    EXPECT_EQ(b.MousePointer(), 0);
    EXPECT_FALSE(b.hoverState());
    EXPECT_EQ(b.pressedButton(), 0);
}

TEST(Properties, AmbientDefaultsFollowTheParent)
{
    QWidget parent;
    QFont f(QStringLiteral("Serif"), 17);
    parent.setFont(f);
    DravoButton b(&parent);
    EXPECT_EQ(b.Font(), f);
    EXPECT_EQ(b.BackColor(), 0x8000000Fu);
    EXPECT_EQ(b.ForeColor(), 0x80000012u);
}

TEST(Properties, EveryPutTellsTheHost)
{
    DravoButton b;
    QSignalSpy spy(&b, &DravoButton::propertyChanged);
    const struct
    {
        const char *name;
        QVariant value;
    } puts[] = {
        {"Appearance", QVariant::fromValue(btLabel)},
        {"Caption", QStringLiteral("x")},
        {"BorderColor", 1u},
        {"HoverFillStyle", 2},
        {"HoverColor", 2u},
        {"MouseDownColor", 3u},
        {"EdgeColor", 4u},
        {"ShadowOffSet", 5},
        {"ShadowColor", 6u},
        {"BackColor", 7u},
        {"ForeColor", 8u},
        {"Font", QFont(QStringLiteral("Sans"), 21)},
        {"ShowFocus", true},
        {"Enabled", false},
        {"Alignment", QVariant::fromValue(alnRightBottom)},
        {"MousePointer", 3},
    };
    for (const auto &p : puts) {
        spy.clear();
        ASSERT_TRUE(b.setProperty(p.name, p.value)) << p.name;
        EXPECT_EQ(b.property(p.name), p.value) << p.name;
        ASSERT_EQ(spy.count(), 1) << p.name;
        EXPECT_EQ(spy.at(0).at(0).toString(), QString::fromLatin1(p.name));
    }
    // The container's Tag is not one of the control's own properties.
    spy.clear();
    b.setTag(QStringLiteral("mms://a@@mms://b"));
    EXPECT_EQ(b.Tag(), QStringLiteral("mms://a@@mms://b"));
    EXPECT_EQ(spy.count(), 0);
}

TEST(Properties, SixteenBitPutsReportOverflowAndKeepTheValue)
{
    DravoButton b;
    QSignalSpy spy(&b, &DravoButton::propertyChanged);
    const struct
    {
        int value;
        bool fits;
    } cases[] = {{-32768, true}, {32767, true}, {3, true}, {-32769, false}, {32768, false}, {1 << 20, false}};
    for (const auto &c : cases) {
        const int fillBefore = b.HoverFillStyle();
        const ControlError fill = b.setHoverFillStyle(c.value);
        EXPECT_EQ(fill, c.fits ? ControlError::None : ControlError::Overflow) << c.value;
        EXPECT_EQ(b.HoverFillStyle(), c.fits ? c.value : fillBefore);

        const int pointerBefore = b.MousePointer();
        const ControlError pointer = b.setMousePointer(c.value);
        EXPECT_EQ(pointer, c.fits ? ControlError::None : ControlError::Overflow) << c.value;
        EXPECT_EQ(b.MousePointer(), c.fits ? c.value : pointerBefore);
    }
    EXPECT_EQ(spy.count(), 6); // only the puts that stored something
}

TEST(Properties, PictureTakesIconsOnly)
{
    DravoButton b;
    auto presenter = std::make_shared<RecordingPresenter>();
    b.setMessagePresenter(presenter);
    QSignalSpy spy(&b, &DravoButton::propertyChanged);

    const Picture icon = Picture::fromIcon(testIconPixmap());
    EXPECT_EQ(b.setPicture(icon), ControlError::None);
    EXPECT_EQ(b.Picture(), icon);
    EXPECT_EQ(spy.count(), 1);

    EXPECT_EQ(b.setPicture(Picture::fromBitmap(testIconPixmap())), ControlError::InvalidPicture);
    ASSERT_EQ(presenter->messages.size(), 1u);
    EXPECT_EQ(presenter->messages[0], QStringLiteral("无效属性值，图象必须是ICON！"));
    EXPECT_EQ(b.Picture(), icon);
    EXPECT_EQ(spy.count(), 1);

    EXPECT_EQ(b.setPicture(Picture()), ControlError::None);
    EXPECT_TRUE(b.Picture().isEmpty());
    EXPECT_EQ(b.Picture().type(), Picture::None); // an empty picture, never "none"
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(presenter->messages.size(), 1u);
}

TEST(Properties, MouseIconNeedsCustomPointer)
{
    DravoButton b;
    const Picture icon = Picture::fromIcon(testIconPixmap());
    QSignalSpy spy(&b, &DravoButton::propertyChanged);

    b.setMouseIcon(icon);
    EXPECT_TRUE(b.MouseIcon().isEmpty());
    EXPECT_EQ(spy.count(), 0);
    EXPECT_NE(b.cursor().shape(), Qt::BitmapCursor);

    b.setMousePointer(DravoButton::kCustomPointer);
    b.setMouseIcon(icon);
    EXPECT_EQ(b.MouseIcon(), icon);
    EXPECT_EQ(b.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(b.cursor().pixmap().size(), icon.size());

    b.setMousePointer(2);
    EXPECT_EQ(b.cursor().shape(), Qt::CrossCursor);
}

TEST(Properties, AccessKeyFromCaption)
{
    const struct
    {
        const char *caption;
        std::optional<QString> key; // nothing: the previous key stays
    } cases[] = {
        {"&Open", QStringLiteral("o")},
        {"Save && E&xit", QStringLiteral("x")},
        {"a&&b&&c&d", std::nullopt},
        {"Save&&Exit", std::nullopt},
        {"Close", std::nullopt},
        {"&", std::nullopt},
        {"ab&", std::nullopt},
        {"a&&b&", QString()},
        {"&Ä", QStringLiteral("ä")},
        {"x&Y&z", QStringLiteral("y")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(accessKeyFromCaption(QString::fromUtf8(c.caption)), c.key) << c.caption;

    DravoButton b;
    b.setCaption(QStringLiteral("&Open"));
    EXPECT_EQ(b.accessKey(), QStringLiteral("o"));
    b.setCaption(QStringLiteral("Close"));
    EXPECT_EQ(b.accessKey(), QStringLiteral("o"));
    b.setCaption(QStringLiteral("Save && E&xit"));
    EXPECT_EQ(b.accessKey(), QStringLiteral("x"));
    b.setCaption(QStringLiteral("a&&b&"));
    EXPECT_EQ(b.accessKey(), QString());
}

TEST(Properties, DescriptionsAreReadableFromTheMetaObject)
{
    const struct
    {
        const char *property;
        const char *description;
    } cases[] = {
        {"Appearance", "Appearance返回/设置按钮风格"},
        {"Picture", "Picture返回/显示按钮显示的图片"},
        {"Caption", "'Caption返回/显示按钮文本"},
        {"BorderColor", "'BorderColor返回/显示鼠标移出到按钮时的边框颜色（按钮风格需设置为XPplus）\r\n"},
        {"HoverFillStyle", "HoverFillStyle返回/设置鼠标在按钮上时的填充类型"},
        {"HoverColor", "HoverColor返回/显示鼠标移动到按钮上的填充颜色（按钮风格需设置为XP）"},
        {"MouseDownColor", "MouseDownColor返回/设置鼠标键按下时的填充颜色（按钮风格需设置为XP）"},
        {"EdgeColor", "EdgeColor返回/显示鼠标移动到按钮上的边框颜色（按钮风格需设置为XP）"},
        {"ShadowOffSet", "ShadowOffSet返回/设置图标和阴影的位移量（单位是PIXEL，按钮风格需设置为XP）"},
        {"ShadowColor", "ShadowColor返回/设置阴影颜色（按钮风格需设置为XP）"},
        {"ForeColor", "ForeColor返回/设置按钮的前景颜色"},
        {"ShowFocus", "'ShowFocus返回/设置按钮是否在获得焦点时显示焦点（风格须设置为XPplus)\r\n"},
        {"MouseIcon", "MouseIcon返回/设置按钮的自定义鼠标"},
        {"MousePointer", "MousePointer返回/设置按钮的系统鼠标"},
        {"BackColor", ""},
        {"Font", ""},
        {"Enabled", ""},
        {"Alignment", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(DravoButton::propertyDescription(c.property), QString::fromUtf8(c.description)) << c.property;
        EXPECT_GE(DravoButton::staticMetaObject.indexOfProperty(c.property), 0) << c.property;
    }
}

TEST(Properties, EnumerationsKeepTheirNamesAndValues)
{
    const QMetaObject &meta = DravoButton::staticMetaObject;
    const QMetaEnum appearance = meta.property(meta.indexOfProperty("Appearance")).enumerator();
    ASSERT_TRUE(appearance.isValid());
    EXPECT_EQ(appearance.keyToValue("bt3D"), 1);
    EXPECT_EQ(appearance.keyToValue("btLabel"), 4);
    const QMetaEnum alignment = meta.property(meta.indexOfProperty("Alignment")).enumerator();
    ASSERT_TRUE(alignment.isValid());
    EXPECT_EQ(alignment.keyCount(), 9);
    EXPECT_EQ(alignment.keyToValue("alnRightBottom"), 10);
    EXPECT_EQ(QMetaEnum::fromType<HoverFillStyleConsts>().keyToValue("hsColumn"), 2);
    EXPECT_EQ(QMetaEnum::fromType<HoverFillStyleConsts>().keyToValue("hsAlverage"), 0);
}

} // namespace
