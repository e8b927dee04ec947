// The drawing routines: gradient arithmetic, frames, pictures and their
// silhouettes, captions with access-key underline, colour translation and
// the rounding rule.
#include "ButtonTestSupport.h"
#include "OleColor.h"
#include "PaintEffects.h"
#include "PixelTestSupport.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>

using namespace quorvel;
using namespace quorvel::PaintEffects;

namespace {

using namespace quorvel::test;

QImage blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(toQColor(kBack));
    return image;
}

// Runs one routine on an image and returns the image.
template<typename Draw>
QImage draw(QImage image, Draw routine, bool *ok = nullptr)
{
    QPainter painter(&image);
    DrawingSurface surface{painter, fixedPalette(), rgbColor(0, 0, 0), QFont(QStringLiteral("Sans"), 12)};
    const bool result = routine(surface);
    if (ok)
        *ok = result;
    painter.end();
    return image;
}

TEST(PaintEffects, RoundingIsHalfToEven)
{
    const std::pair<double, double> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2},
                                               {2.4999, 2}, {2.5001, 3}, {74.5, 74}, {75.5, 76}};
    for (const auto &[in, out] : cases)
        EXPECT_EQ(roundHalfEven(in), out) << in;
}

TEST(PaintEffects, StripeColours)
{
    const OleColor black = rgbColor(0, 0, 0);
    const OleColor red100 = rgbColor(100, 0, 0);
    const OleColor hover = rgbColor(173, 173, 209);
    const OleColor down = rgbColor(128, 128, 192);
    const OleColor c1 = rgbColor(10, 20, 30);
    const OleColor c2 = rgbColor(110, 220, 31);
    const struct
    {
        int style, i, n;
        OleColor first, second, expected;
    } cases[] = {
        // Left to right over four columns stops short of the second colour.
        {hsLtlByLtl, 0, 4, black, red100, rgbColor(0, 0, 0)},
        {hsLtlByLtl, 1, 4, black, red100, rgbColor(25, 0, 0)},
        {hsLtlByLtl, 2, 4, black, red100, rgbColor(50, 0, 0)},
        {hsLtlByLtl, 3, 4, black, red100, rgbColor(75, 0, 0)},
        // Halves round to even: 0.5 -> 0, 1.5 -> 2.
        {hsLtlByLtl, 1, 4, black, rgbColor(2, 0, 0), rgbColor(0, 0, 0)},
        {hsLtlByLtl, 3, 4, black, rgbColor(2, 0, 0), rgbColor(2, 0, 0)},
        // Top to bottom moves every channel, blue included.
        {hsColumn, 0, 5, hover, down, hover},
        {hsColumn, 1, 5, hover, down, rgbColor(164, 164, 206)},
        {hsColumn, 4, 5, hover, down, rgbColor(137, 137, 195)},
        // Sine rows: row 0 is the first colour, row n/2 is (almost) the second.
        {3, 0, 2, c1, c2, c1},
        {3, 1, 2, c1, c2, rgbColor(110, 220, 31)},
        {3, 1, 3, c1, c2, rgbColor(int(std::nearbyint(10 + 100 * std::sin(3.14159265 / 3))),
                                    int(std::nearbyint(20 + 200 * std::sin(3.14159265 / 3))), 31)},
        {4, 2, 4, c1, c2, c2},
        {4, 3, 4, black, red100, rgbColor(71, 0, 0)},
        {hsAlverage, 3, 9, c1, c2, c1},
    };
    for (const auto &c : cases) {
        const auto got = stripeColor(c.style, c.i, c.n, c.first, c.second);
        ASSERT_TRUE(got.has_value()) << c.style;
        EXPECT_EQ(*got, c.expected) << "style " << c.style << " stripe " << c.i << " of " << c.n;
    }
    EXPECT_FALSE(stripeColor(5, 0, 4, c1, c2).has_value());
    EXPECT_FALSE(stripeColor(-1, 0, 4, c1, c2).has_value());
    EXPECT_FALSE(stripeColor(hsLtlByLtl, 0, 0, c1, c2).has_value());
}

TEST(PaintEffects, FillFaceDrawsOneStripePerColumnOrRow)
{
    const PixelRect inner{1, 1, 5, 4}; // 4 columns, 3 rows
    const OleColor c1 = rgbColor(0, 0, 0);
    const OleColor c2 = rgbColor(100, 0, 0);

    const QImage columns = draw(blank(6, 5), [&](DrawingSurface &s) { return FillFace(s, inner, hsLtlByLtl, c1, c2); });
    for (int i = 0; i < 4; ++i)
        for (int y = 1; y < 4; ++y)
            EXPECT_EQ(at(columns, 1 + i, y), rgbColor(25 * i, 0, 0));
    EXPECT_EQ(at(columns, 0, 0), kBack); // nothing outside the rectangle
    EXPECT_EQ(at(columns, 5, 4), kBack);

    const QImage rows = draw(blank(6, 5), [&](DrawingSurface &s) { return FillFace(s, inner, hsColumn, c1, c2); });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(at(rows, 2, 1 + i), *stripeColor(hsColumn, i, 3, c1, c2));

    const QImage flat = draw(blank(6, 5), [&](DrawingSurface &s) { return FillFace(s, inner, hsAlverage, c2, c1); });
    EXPECT_EQ(at(flat, 4, 3), c2);

    const QImage none = draw(blank(6, 5), [&](DrawingSurface &s) { return FillFace(s, inner, 7, c2, c1); });
    EXPECT_EQ(none, blank(6, 5));

    // System colours are translated through the palette.
    const QImage system = draw(blank(6, 5), [&](DrawingSurface &s) { return FillFace(s, inner, 0, 0x8000000F, c1); });
    EXPECT_EQ(at(system, 2, 2), rgbColor(210, 210, 210));
    bool ok = true;
    draw(blank(6, 5), [&](DrawingSurface &s) { return FillFace(s, inner, 0, 0x800000FF, c1); }, &ok);
    EXPECT_FALSE(ok);
}

TEST(PaintEffects, FrameKinds)
{
    const PixelRect r{1, 1, 7, 6};
    const OleColor red = rgbColor(255, 0, 0);
    const QImage solid = draw(blank(8, 7), [&](DrawingSurface &s) { return DrawFrame(s, r, FrameSolid, red); });
    for (const auto [x, y] : {std::pair{1, 1}, {6, 1}, {1, 5}, {6, 5}, {3, 1}, {1, 3}, {6, 3}, {3, 5}})
        EXPECT_EQ(at(solid, x, y), red) << x << "," << y;
    EXPECT_EQ(at(solid, 3, 3), kBack);
    EXPECT_EQ(at(solid, 0, 0), kBack);
    EXPECT_EQ(at(solid, 7, 6), kBack);

    const OleColor light = rgbColor(255, 255, 255), dark = rgbColor(100, 100, 100);
    const QImage raised = draw(blank(8, 7), [&](DrawingSurface &s) { return DrawFrame(s, r, FrameRaised, red); });
    EXPECT_EQ(at(raised, 1, 1), light);
    EXPECT_EQ(at(raised, 3, 1), light);
    EXPECT_EQ(at(raised, 1, 3), light);
    EXPECT_EQ(at(raised, 6, 3), dark);
    EXPECT_EQ(at(raised, 3, 5), dark);
    EXPECT_EQ(at(raised, 6, 5), dark);
    EXPECT_EQ(at(raised, 3, 3), kBack);
    const QImage sunken = draw(blank(8, 7), [&](DrawingSurface &s) { return DrawFrame(s, r, FrameSunken, red); });
    EXPECT_EQ(at(sunken, 1, 1), dark);
    EXPECT_EQ(at(sunken, 6, 5), light);

    // The focus rectangle inverts every other frame pixel; drawn twice it
    // leaves the image as it was.
    const QImage focus = draw(blank(8, 7), [&](DrawingSurface &s) { return DrawFrame(s, r, FrameFocus, red); });
    EXPECT_NE(at(focus, 1, 1), kBack);
    EXPECT_EQ(at(focus, 2, 1), kBack);
    EXPECT_NE(at(focus, 3, 1), kBack);
    EXPECT_EQ(at(focus, 3, 3), kBack);
    const QImage twice = draw(focus, [&](DrawingSurface &s) { return DrawFrame(s, r, FrameFocus, red); });
    EXPECT_EQ(twice, blank(8, 7));

    const QImage other = draw(blank(8, 7), [&](DrawingSurface &s) { return DrawFrame(s, r, 4, red); });
    EXPECT_EQ(other, blank(8, 7));
}

TEST(PaintEffects, PictureAndItsSilhouette)
{
    const Picture icon = Picture::fromIcon(test::testIconPixmap());
    const OleColor blue = rgbColor(0, 0, 255), grey = rgbColor(128, 128, 128);

    const QImage plain = draw(blank(30, 30), [&](DrawingSurface &s) { return DrawPicture(s, 5, 6, icon, 0); });
    const QImage shape = draw(blank(30, 30), [&](DrawingSurface &s) { return DrawPicture(s, 5, 6, icon, grey); });
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            // The opaque block of the icon is at (3..12, 4..11) inside it.
            const bool opaque = x >= 8 && x <= 17 && y >= 10 && y <= 17;
            EXPECT_EQ(at(plain, x, y), opaque ? blue : kBack) << x << "," << y;
            EXPECT_EQ(at(shape, x, y), opaque ? grey : kBack) << x << "," << y;
        }
    }
    const QImage empty = draw(blank(30, 30), [&](DrawingSurface &s) { return DrawPicture(s, 5, 6, Picture(), grey); });
    EXPECT_EQ(empty, blank(30, 30));
}

// Columns and rows holding pixels that differ from the background.
TEST(PaintEffects, CaptionUnderlinesTheAccessKeyAndDrawsDoubleAmpersandOnce)
{
    const PixelRect r{0, 0, 120, 30};
    auto caption = [&](const QString &text, int flags = DtLeft | DtVCenter) {
        return draw(blank(120, 30), [&](DrawingSurface &s) { return DrawCaption(s, r, text, flags, 0, 0); });
    };
    const QImage marked = caption(QStringLiteral("&Open"));
    const QImage plain = caption(QStringLiteral("Open"));
    const QImage oOnly = caption(QStringLiteral("O"));
    // The only difference is the underline below the O.
    QImage diff = blank(120, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120; ++x)
            if (marked.pixel(x, y) != plain.pixel(x, y))
                diff.setPixelColor(x, y, Qt::black);
    const QRect underline = inkBox(diff);
    const QRect o = inkBox(oOnly);
    ASSERT_FALSE(underline.isEmpty());
    EXPECT_GE(underline.left(), o.left() - 1);
    EXPECT_LE(underline.right(), o.right() + 1);
    EXPECT_GE(underline.top(), o.bottom() - 2);

    // "&&" is one literal ampersand, the same as drawing "a&b" as it is.
    QImage literal = blank(120, 30);
    {
        QPainter p(&literal);
        p.setFont(QFont(QStringLiteral("Sans"), 12));
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, 120, 30), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, QStringLiteral("a&b"));
    }
    EXPECT_EQ(caption(QStringLiteral("a&&b")), literal);
}

TEST(PaintEffects, CaptionIsClippedAlignedAndColoured)
{
    const QString wide = QStringLiteral("WWWWWWWWWWWWWWWWWWWW");
    const QImage clipped = draw(blank(60, 30), [&](DrawingSurface &s) {
        return DrawCaption(s, PixelRect{10, 5, 40, 25}, wide, DtCenter | DtVCenter, 0, 0);
    });
    const QRect ink = inkBox(clipped);
    EXPECT_GE(ink.left(), 10);
    EXPECT_LE(ink.right(), 39);
    EXPECT_GE(ink.top(), 5);
    EXPECT_LE(ink.bottom(), 24);

    const QImage rightBottom = draw(blank(200, 60), [&](DrawingSurface &s) {
        return DrawCaption(s, PixelRect{0, 0, 200, 60}, QStringLiteral("x"), alnRightBottom, rgbColor(255, 0, 0), 0);
    });
    const QRect x = inkBox(rightBottom);
    EXPECT_GT(x.left(), 170);
    EXPECT_GT(x.top(), 35);
    bool red = false;
    for (int yy = x.top(); yy <= x.bottom(); ++yy)
        for (int xx = x.left(); xx <= x.right(); ++xx)
            red = red || at(rightBottom, xx, yy) == rgbColor(255, 0, 0);
    EXPECT_TRUE(red);

    // Colours and background mode are restored for whoever draws next.
    QImage image = blank(40, 20);
    QPainter painter(&image);
    painter.setPen(QColor(1, 2, 3));
    DrawingSurface surface{painter, fixedPalette(), rgbColor(0, 0, 0), QFont()};
    DrawCaption(surface, PixelRect{0, 0, 40, 20}, QStringLiteral("a"), 0, rgbColor(9, 9, 9), rgbColor(8, 8, 8));
    EXPECT_EQ(painter.pen().color(), QColor(1, 2, 3));
    EXPECT_EQ(painter.backgroundMode(), Qt::TransparentMode);
}

TEST(PaintEffects, SystemColourTranslation)
{
    const QPalette p = fixedPalette();
    EXPECT_EQ(translateColor(0x00123456, p), 0x00123456u);
    EXPECT_EQ(translateColor(0x8000000F, p), rgbColor(210, 210, 210));
    EXPECT_EQ(translateColor(0x80000012, p), rgbColor(0, 0, 0));
    EXPECT_EQ(translateColor(0x80000014, p), rgbColor(255, 255, 255));
    EXPECT_FALSE(translateColor(0x800000FF, p).has_value());
    EXPECT_FALSE(translateColor(0x01000000, p).has_value());
    EXPECT_EQ(RedOf(0x00332211), 0x11);
    EXPECT_EQ(GreenOf(0x00332211), 0x22);
    EXPECT_EQ(BlueOf(0x00332211), 0x33);
}

} // namespace
