// The whole face of each style in its away, hover, pressed and disabled
// states, the icon and its shadow at their offsets, caption placement, and
// the face a real button shows under real pointer events.
#include "ButtonFace.h"
#include "ButtonTestSupport.h"
#include "OleColor.h"
#include "PixelTestSupport.h"

#include <gtest/gtest.h>

#include <QPainter>

using namespace quorvel;
using namespace quorvel::test;

namespace {

constexpr OleColor kEdge = rgbColor(255, 0, 0);
constexpr OleColor kHover = rgbColor(0, 255, 0);
constexpr OleColor kDown = rgbColor(0, 0, 160);
constexpr OleColor kShadow = rgbColor(255, 0, 255);
constexpr OleColor kBorder = rgbColor(0, 255, 255);
constexpr OleColor kBlue = rgbColor(0, 0, 255); // the test icon's colour
constexpr OleColor kGrey = rgbColor(128, 128, 128);
constexpr OleColor kLight = rgbColor(255, 255, 255);
constexpr OleColor kDark = rgbColor(100, 100, 100);

enum class State { Away, Hover, Pressed, Disabled, DisabledHover };

FaceState face(int appearance, State state)
{
    FaceState s;
    s.Appearance = appearance;
    s.BackColor = kBack;
    s.EdgeColor = kEdge;
    s.HoverColor = kHover;
    s.MouseDownColor = kDown;
    s.ShadowColor = kShadow;
    s.BorderColor = kBorder;
    s.mRect = {0, 0, 150, 30};
    s.mHover = state == State::Hover || state == State::Pressed || state == State::DisabledHover;
    s.mButton = state == State::Pressed ? 1 : 0;
    s.enabled = state != State::Disabled && state != State::DisabledHover;
    return s;
}

QImage render(const FaceState &s, QFont font = QFont(QStringLiteral("Sans"), 10))
{
    QImage image(s.mRect.width(), s.mRect.height(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    DrawingSurface surface{painter, fixedPalette(), rgbColor(0, 0, 0), font};
    EXPECT_TRUE(ButtonFace::Repaint(surface, s));
    return image;
}

// Corner, edge middle and inner pixels of every style in every state
// (no caption, no picture).
TEST(ButtonFace, StylesAndStates)
{
    const struct
    {
        int appearance;
        State state;
        OleColor topLeft, bottomRight, inner;
    } cases[] = {
        {bt3D, State::Away, kBack, kBack, kBack},
        {bt3D, State::Hover, kLight, kDark, kBack},
        {bt3D, State::Pressed, kDark, kLight, kBack},
        {bt3D, State::Disabled, kBack, kBack, kBack},
        {btXP, State::Away, kBack, kBack, kBack},
        {btXP, State::Hover, kEdge, kEdge, kHover},
        {btXP, State::Pressed, kEdge, kEdge, kDown},
        {btXP, State::Disabled, kBack, kBack, kBack},
        {btXP, State::DisabledHover, kBack, kBack, kBack},
        {btXPplus, State::Away, kBorder, kBorder, kBack},
        {btXPplus, State::Hover, kEdge, kEdge, kHover},
        {btXPplus, State::Pressed, kEdge, kEdge, kDown},
        {btXPplus, State::Disabled, kBack, kBack, kBack},
        {btLabel, State::Away, kBack, kBack, kBack},
        {btLabel, State::Hover, kBack, kBack, kBack},
        {btLabel, State::Pressed, kBack, kBack, kBack},
        {btLabel, State::Disabled, kBack, kBack, kBack},
        {7, State::Hover, kBack, kBack, kBack},
    };
    for (const auto &c : cases) {
        const QImage img = render(face(c.appearance, c.state));
        const auto where = ::testing::Message() << "style " << c.appearance << " state " << int(c.state);
        EXPECT_EQ(at(img, 0, 0), c.topLeft) << where;
        EXPECT_EQ(at(img, 75, 0), c.topLeft) << where;
        EXPECT_EQ(at(img, 149, 29), c.bottomRight) << where;
        EXPECT_EQ(at(img, 149, 15), c.bottomRight) << where;
        EXPECT_EQ(at(img, 1, 1), c.inner) << where;
        EXPECT_EQ(at(img, 148, 28), c.inner) << where;
        EXPECT_EQ(at(img, 75, 15), c.inner) << where;
    }
}

TEST(ButtonFace, DesignTimeShowsTheHoverFillAndTheRaisedEdge)
{
    FaceState xp = face(btXP, State::Away);
    xp.userMode = false;
    xp.HoverFillStyle = hsLtlByLtl;
    const QImage img = render(xp);
    EXPECT_EQ(at(img, 0, 0), kBack);
    EXPECT_EQ(at(img, 1, 5), kHover); // first column of the gradient
    EXPECT_EQ(at(img, 148, 5), *PaintEffects::stripeColor(hsLtlByLtl, 147, 148, kHover, kDown));

    FaceState threeD = face(bt3D, State::Away);
    threeD.userMode = false;
    const QImage edge = render(threeD);
    EXPECT_EQ(at(edge, 0, 0), kLight);
    EXPECT_EQ(at(edge, 149, 29), kDark);
}

TEST(ButtonFace, GradientFillsUnderThePointer)
{
    for (const int style : {int(hsLtlByLtl), int(hsColumn), 3, 4}) {
        FaceState s = face(btXP, State::Hover);
        s.HoverFillStyle = style;
        const QImage img = render(s);
        const bool columns = style == hsLtlByLtl || style == 4;
        const int n = columns ? 148 : 28;
        for (const int i : {0, 1, n / 2, n - 1}) {
            const int x = columns ? 1 + i : 70;
            const int y = columns ? 14 : 1 + i;
            EXPECT_EQ(at(img, x, y), *PaintEffects::stripeColor(style, i, n, kHover, kDown))
                    << "style " << style << " stripe " << i;
        }
        // Pressed, the colours swap.
        s.mButton = 1;
        EXPECT_EQ(at(render(s), columns ? 1 : 70, columns ? 14 : 1), kDown) << style;
    }
}

// Icon 16 x 16, opaque block at (3..12, 4..11) inside it, no caption, on a
// 150 x 30 face: the text rectangle is 144 x 24, so the origin is
// ((144 - 16) / 2 + 2, 2 + (24 - 16) / 2) = (66, 6), the block at (69..78, 10..17).
TEST(ButtonFace, IconAndShadowOffsets)
{
    const Picture icon = Picture::fromIcon(testIconPixmap());
    const struct
    {
        int appearance;
        State state;
        OleColor shadowColor;
        OleColor atOrigin, atShadow; // (69,10) and (80,19): first icon pixel at origin / last at +2
    } cases[] = {
        {btXP, State::Away, kShadow, kBlue, kBack},
        {btXP, State::Hover, kShadow, kBlue, kShadow},
        {btXP, State::Pressed, kShadow, kShadow, kBlue},
        {btXP, State::Disabled, kShadow, kGrey, kBack},
        {btXPplus, State::Hover, kShadow, kBlue, kShadow},
        {bt3D, State::Hover, kShadow, kBlue, kBack},
        {btLabel, State::Away, kShadow, kBack, kBack},
        // Shadow colour 0 is "no colour": a second, normal copy of the icon.
        {btXP, State::Hover, 0, kBlue, kBlue},
    };
    for (const auto &c : cases) {
        FaceState s = face(c.appearance, c.state);
        s.picture = icon;
        s.ShadowColor = c.shadowColor;
        const QImage img = render(s);
        const auto where = ::testing::Message() << "style " << c.appearance << " state " << int(c.state);
        EXPECT_EQ(at(img, 69, 10), c.atOrigin) << where;
        EXPECT_EQ(at(img, 80, 19), c.atShadow) << where;
        EXPECT_NE(at(img, 68, 10), kBlue) << where; // left of the icon's opaque block
    }
}

TEST(ButtonFace, PictureOriginArithmetic)
{
    const Picture icon16 = Picture::fromIcon(testIconPixmap());
    const struct
    {
        PixelRect text;
        int offset, captionHeight;
        QPoint expected;
    } cases[] = {
        {{3, 3, 147, 27}, 2, 0, {66, 6}},
        {{3, 3, 148, 27}, 2, 0, {66, 6}},  // (145 - 16) / 2 + 2 = 66.5 -> 66
        {{3, 3, 150, 27}, 2, 0, {68, 6}},  // 67.5 -> 68
        {{3, 3, 147, 27}, 2, 13, {66, 3}}, // 2 + (24 - 16 - 13) / 2 = -0.5 -> 3 (never above the text)
        {{3, 3, 147, 47}, 3, 12, {67, 11}}, // 3 + (44 - 16 - 12) / 2 = 11
        {{3, 3, 17, 27}, 0, 0, {3, 4}},    // narrower than the icon: never left of the text
        {{3, 3, 147, 27}, -10, 0, {54, 3}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ButtonFace::pictureOrigin(c.text, icon16, c.offset, c.captionHeight), c.expected)
                << c.text.Right << "," << c.text.Bottom << " offset " << c.offset;
    EXPECT_EQ(ButtonFace::pictureOrigin({3, 3, 147, 27}, Picture(), 2, 0), QPoint(0, 0));
}

TEST(ButtonFace, CaptionPlacement)
{
    const QFont font(QStringLiteral("Sans"), 9);
    FaceState s = face(btXP, State::Away);
    s.mRect = {0, 0, 150, 60};
    s.Caption = QStringLiteral("Ag");
    const QRect text(3, 3, 144, 54);

    // No picture: centred both ways (flags 5).
    const QRect centred = inkBox(render(s, font), text, kBack);
    ASSERT_TRUE(centred.isValid());
    EXPECT_NEAR(centred.center().x(), 75, 3);
    EXPECT_NEAR(centred.center().y(), 30, 4);

    // With a picture: centred at the bottom (flags 9), below the icon.
    s.picture = Picture::fromIcon(testIconPixmap());
    const QImage withIcon = render(s, font);
    const QRect bottom = inkBox(withIcon, QRect(3, 40, 144, 17), kBack);
    ASSERT_TRUE(bottom.isValid());
    EXPECT_GE(bottom.bottom(), 50);
    EXPECT_NEAR(bottom.center().x(), 75, 3);

    // btLabel ignores the picture and follows Alignment: 10 = right, bottom.
    s.Appearance = btLabel;
    s.Alignment = alnRightBottom;
    const QImage label = render(s, font);
    const QRect rb = inkBox(label, text, kBack);
    ASSERT_TRUE(rb.isValid());
    EXPECT_GT(rb.left(), 110);
    EXPECT_GT(rb.top(), 35);
    EXPECT_LE(rb.right(), 146);
    EXPECT_EQ(inkBox(label, QRect(60, 10, 30, 20), kBack), QRect()); // no icon
}

TEST(ButtonFace, DisabledLookIsGreyAndInTheInnerRectangle)
{
    FaceState s = face(btXP, State::DisabledHover);
    s.Caption = QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    const QImage img = render(s, QFont(QStringLiteral("Sans"), 10));
    const QRect ink = inkBox(img, QRect(0, 0, 150, 30), kBack);
    ASSERT_TRUE(ink.isValid());
    // A caption too wide for the face reaches the inner rectangle's edges,
    // not the text rectangle's, and no frame is drawn.
    EXPECT_LE(ink.left(), 2);
    EXPECT_GE(ink.left(), 1);
    EXPECT_GE(ink.right(), 147);
    EXPECT_LE(ink.right(), 148);
    bool grey = false;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x) {
            const OleColor c = at(img, x, y);
            EXPECT_TRUE(c == kBack || (RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c))) << x << "," << y;
            grey = grey || c == kGrey;
        }
    EXPECT_TRUE(grey);
}

TEST(ButtonFace, FocusRectangleOnlyWhileThePointerIsAway)
{
    FaceState s = face(btXPplus, State::Away);
    s.ShowFocus = true;
    s.mHasFocus = true;
    const QImage focused = render(s);
    EXPECT_NE(at(focused, 3, 3), kBack); // first pixel of the text rectangle's frame
    EXPECT_EQ(at(focused, 4, 3), kBack);
    EXPECT_EQ(at(focused, 0, 0), kBorder);

    s.mHover = true;
    EXPECT_EQ(at(render(s), 3, 3), kHover);

    s = face(btXP, State::Away);
    s.ShowFocus = true;
    s.mHasFocus = true;
    EXPECT_EQ(at(render(s), 3, 3), kBack);
}

TEST(ButtonFace, RealButtonShowsItsStatesUnderRealEvents)
{
    HostWindow win;
    DravoButton *b = win.button;
    b->setBackColor(kBack);
    b->setEdgeColor(kEdge);
    b->setHoverColor(kHover);
    b->setMouseDownColor(kDown);
    b->setAppearance(btXP);
    auto pixel = [&](int x, int y) { return fromQColor(b->grab().toImage().pixelColor(x, y)); };

    QCursor::setPos(win.host.mapToGlobal(HostWindow::outside));
    QCoreApplication::processEvents();
    EXPECT_EQ(pixel(0, 0), kBack);
    win.moveTo(HostWindow::inside);
    EXPECT_EQ(pixel(0, 0), kEdge);
    EXPECT_EQ(pixel(5, 5), kHover);
    win.press(HostWindow::inside);
    EXPECT_EQ(pixel(5, 5), kDown);
    win.release(HostWindow::inside);
    win.moveTo(HostWindow::outside);
    EXPECT_EQ(pixel(0, 0), kBack);
    EXPECT_EQ(pixel(5, 5), kBack);

    // A system colour follows the palette.
    b->setBackColor(0x8000000F);
    EXPECT_EQ(pixel(5, 5), fromQColor(b->palette().color(QPalette::Button)));
}

} // namespace
