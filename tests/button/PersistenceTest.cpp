// Saving and loading a DravoButton through property bags: the order and
// defaults of both directions, and round trips through the INI store.
#include "ButtonTestSupport.h"
#include "IniPropertyBag.h"
#include "PropertyBag.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace quorvel;
using namespace quorvel::test;

namespace {

// A memory bag that logs the order of reads and writes.
class LoggingBag : public MemoryPropertyBag
{
public:
    mutable std::vector<QString> reads;
    std::vector<QString> writes;
    void put(const QString &name, const QVariant &value) { MemoryPropertyBag::store(name, value); }

protected:
    bool lookup(const QString &name, QVariant *out) const override
    {
        reads.push_back(name);
        return MemoryPropertyBag::lookup(name, out);
    }
    bool store(const QString &name, const QVariant &value) override
    {
        writes.push_back(name);
        return MemoryPropertyBag::store(name, value);
    }
    bool remove(const QString &name) override
    {
        writes.push_back(name);
        return MemoryPropertyBag::remove(name);
    }
};

// A bag whose store fails after a number of writes.
class FailingBag : public MemoryPropertyBag
{
public:
    explicit FailingBag(int okWrites) : mLeft(okWrites) {}

protected:
    bool store(const QString &n, const QVariant &v) override { return mLeft-- > 0 && MemoryPropertyBag::store(n, v); }
    bool remove(const QString &n) override { return mLeft-- > 0 && MemoryPropertyBag::remove(n); }

private:
    int mLeft;
};

std::vector<QString> names(std::initializer_list<const char *> list)
{
    std::vector<QString> out;
    for (const char *n : list)
        out.push_back(QString::fromLatin1(n));
    return out;
}

TEST(Persistence, BagStoresOnlyValuesThatDifferFromTheirDefaults)
{
    MemoryPropertyBag bag;
    EXPECT_TRUE(bag.WriteProperty(QStringLiteral("A"), 5, 5));
    EXPECT_FALSE(bag.contains(QStringLiteral("A")));
    EXPECT_TRUE(bag.WriteProperty(QStringLiteral("A"), 6, 5));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("A"), 5), QVariant(6));
    EXPECT_TRUE(bag.WriteProperty(QStringLiteral("A"), 5u, 5)); // same value, other integer type
    EXPECT_FALSE(bag.contains(QStringLiteral("A")));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Missing"), QStringLiteral("d")), QVariant(QStringLiteral("d")));
}

TEST(Persistence, SaveOrderAndANewInstanceStoresNoHoverStyleValue)
{
    DravoButton b;
    LoggingBag bag;
    ASSERT_EQ(b.WriteProperties(bag), ControlError::None);
    EXPECT_EQ(bag.writes, names({"Font", "Picture", "Caption", "BackColor", "Enabled", "ForeColor",
                                 "MouseIcon", "MousePointer", "Appearance", "ShowFocus", "HoverColor",
                                 "MouseDownColor", "EdgeColor", "ShadowOffSet", "ShadowColor",
                                 "BorderColor", "Alignment", "HoverFillStyle"}));
    // A new instance's ForeColor is the ambient button-text colour, which is
    // also the saved default, so nothing at all is stored.
    EXPECT_TRUE(bag.values().isEmpty()) << bag.values().keys().join(u',').toStdString();
}

TEST(Persistence, ForeColorDefaultOfSaveDiffersFromTheNewInstanceValue)
{
    AmbientProperties ambient;
    ambient.ForeColor = 0x00112233; // the host's ambient foreground
    DravoButton b(ambient);
    EXPECT_EQ(b.ForeColor(), 0x00112233u);
    MemoryPropertyBag bag;
    ASSERT_EQ(b.WriteProperties(bag), ControlError::None);
    EXPECT_EQ(bag.values().keys(), QStringList{QStringLiteral("ForeColor")});

    // Loading a bag without ForeColor gives the system button-text colour,
    // not the ambient colour.
    DravoButton loaded(ambient);
    ASSERT_EQ(loaded.ReadProperties(MemoryPropertyBag()), ControlError::None);
    EXPECT_EQ(loaded.ForeColor(), 0x80000012u);
}

TEST(Persistence, LoadOrderAndDefaults)
{
    LoggingBag bag;
    AmbientProperties ambient;
    ambient.BackColor = 0x00ABCDEF;
    DravoButton b(ambient);
    b.setCaption(QStringLiteral("&Old"));
    b.setAppearance(bt3D);
    b.setShadowOffSet(9);
    b.setHoverFillStyle(4);
    ASSERT_EQ(b.ReadProperties(bag), ControlError::None);
    EXPECT_EQ(bag.reads, names({"Picture", "Font", "Caption", "BackColor", "Enabled", "ForeColor",
                                "MousePointer", "MouseIcon", "Appearance", "ShowFocus", "HoverColor",
                                "MouseDownColor", "EdgeColor", "ShadowOffSet", "ShadowColor",
                                "BorderColor", "Alignment", "HoverFillStyle"}));
    EXPECT_EQ(b.Caption(), QString());
    EXPECT_EQ(b.accessKey(), QStringLiteral("o")); // an empty caption marks no key
    EXPECT_EQ(b.Appearance(), btXP);
    EXPECT_EQ(b.ShadowOffSet(), 2);
    EXPECT_EQ(b.HoverFillStyle(), 0);
    EXPECT_EQ(b.BackColor(), 0x00ABCDEFu);
    EXPECT_EQ(b.BorderColor(), 0x9C8181u);
}

TEST(Persistence, MouseIconIsLoadedOnlyWithCustomPointer)
{
    const Picture icon = Picture::fromIcon(testIconPixmap());
    for (const int pointer : {0, 2, DravoButton::kCustomPointer}) {
        LoggingBag bag;
        bag.put(QStringLiteral("MousePointer"), pointer);
        bag.put(QStringLiteral("MouseIcon"), QVariant::fromValue(icon));
        DravoButton b;
        ASSERT_EQ(b.ReadProperties(bag), ControlError::None);
        EXPECT_EQ(b.MousePointer(), pointer);
        EXPECT_EQ(b.MouseIcon() == icon, pointer == DravoButton::kCustomPointer) << pointer;
    }
}

TEST(Persistence, LoadSkipsThePictureCheckAndReportsBadValues)
{
    DravoButton b;
    auto presenter = std::make_shared<RecordingPresenter>();
    b.setMessagePresenter(presenter);
    MemoryPropertyBag bitmapBag;
    bitmapBag.WriteProperty(QStringLiteral("Picture"), QVariant::fromValue(Picture::fromBitmap(testIconPixmap())),
                            QVariant::fromValue(Picture()));
    ASSERT_EQ(b.ReadProperties(bitmapBag), ControlError::None);
    EXPECT_EQ(b.Picture().type(), Picture::Bitmap);
    EXPECT_TRUE(presenter->messages.empty());

    const struct
    {
        const char *name;
        QVariant value;
        ControlError error;
    } bad[] = {
        {"Appearance", QStringLiteral("wide"), ControlError::InvalidValue},
        {"Enabled", QStringLiteral("perhaps"), ControlError::InvalidValue},
        {"HoverFillStyle", 40000, ControlError::Overflow},
        {"MousePointer", -40000, ControlError::Overflow},
        {"Picture", 12, ControlError::InvalidValue},
    };
    for (const auto &c : bad) {
        MemoryPropertyBag bag;
        bag.WriteProperty(QString::fromLatin1(c.name), c.value, QVariant());
        DravoButton fresh;
        EXPECT_EQ(fresh.ReadProperties(bag), c.error) << c.name;
    }
}

TEST(Persistence, SaveReportsAStoreThatFails)
{
    DravoButton b;
    b.setCaption(QStringLiteral("x"));
    FailingBag bag(2);
    EXPECT_EQ(b.WriteProperties(bag), ControlError::StoreFailed);
}

TEST(Persistence, IniRoundTripKeepsEveryValue)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("form.ini"));
    const Picture icon = Picture::fromIcon(testIconPixmap());
    const QFont font(QStringLiteral("Serif"), 15, QFont::Bold);

    DravoButton saved;
    saved.setFont(font);
    ASSERT_EQ(saved.setPicture(icon), ControlError::None);
    saved.setCaption(QStringLiteral("频道 &1"));
    saved.setBackColor(0x00102030);
    saved.setEnabled(false);
    saved.setForeColor(0x80000008);
    ASSERT_EQ(saved.setMousePointer(DravoButton::kCustomPointer), ControlError::None);
    saved.setMouseIcon(icon);
    saved.setAppearance(btXPplus);
    saved.setShowFocus(true);
    saved.setHoverColor(1);
    saved.setMouseDownColor(2);
    saved.setEdgeColor(3);
    saved.setShadowOffSet(-4);
    saved.setShadowColor(5);
    saved.setBorderColor(0x80000010);
    saved.setAlignment(alnRightBottom);
    ASSERT_EQ(saved.setHoverFillStyle(-7), ControlError::None);
    {
        IniPropertyBag bag(file, QStringLiteral("ChangeChannel_1"));
        ASSERT_EQ(saved.WriteProperties(bag), ControlError::None);
        ASSERT_TRUE(bag.sync());
    }

    IniPropertyBag bag(file, QStringLiteral("ChangeChannel_1"));
    DravoButton loaded;
    ASSERT_EQ(loaded.ReadProperties(bag), ControlError::None);
    EXPECT_EQ(loaded.Font(), font);
    EXPECT_EQ(loaded.font(), font);
    EXPECT_EQ(loaded.Picture(), icon);
    EXPECT_EQ(loaded.Picture().type(), Picture::Icon);
    EXPECT_EQ(loaded.Caption(), QStringLiteral("频道 &1"));
    EXPECT_EQ(loaded.accessKey(), QStringLiteral("1"));
    EXPECT_EQ(loaded.BackColor(), 0x00102030u);
    EXPECT_FALSE(loaded.Enabled());
    EXPECT_EQ(loaded.ForeColor(), 0x80000008u);
    EXPECT_EQ(loaded.MousePointer(), DravoButton::kCustomPointer);
    EXPECT_EQ(loaded.MouseIcon(), icon);
    EXPECT_EQ(loaded.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(loaded.Appearance(), btXPplus);
    EXPECT_TRUE(loaded.ShowFocus());
    EXPECT_EQ(loaded.HoverColor(), 1u);
    EXPECT_EQ(loaded.MouseDownColor(), 2u);
    EXPECT_EQ(loaded.EdgeColor(), 3u);
    EXPECT_EQ(loaded.ShadowOffSet(), -4);
    EXPECT_EQ(loaded.ShadowColor(), 5u);
    EXPECT_EQ(loaded.BorderColor(), 0x80000010u);
    EXPECT_EQ(loaded.Alignment(), alnRightBottom);
    EXPECT_EQ(loaded.HoverFillStyle(), -7);

    // Saving the loaded control again gives the same file section.
    MemoryPropertyBag first, second;
    saved.WriteProperties(first);
    loaded.WriteProperties(second);
    EXPECT_EQ(first.values().keys(), second.values().keys());
}

} // namespace

// Stored texts are read as what the property is, so a caption that looks like
// a stored picture or font comes back as written.
TEST(Persistence, IniCaptionsThatLookLikeStoredValuesStayText)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("form.ini"));
    for (const QString caption : {QStringLiteral("font:Arial"), QStringLiteral("picture:xyz")}) {
        SCOPED_TRACE(caption.toStdString());
        DravoButton saved;
        saved.setCaption(caption);
        {
            IniPropertyBag bag(file, QStringLiteral("b"));
            ASSERT_EQ(saved.WriteProperties(bag), ControlError::None);
        }
        IniPropertyBag bag(file, QStringLiteral("b"));
        DravoButton loaded;
        ASSERT_EQ(loaded.ReadProperties(bag), ControlError::None);
        EXPECT_EQ(loaded.Caption(), caption);
    }
}
