#include "platform/TextCodec.h"

#include <gtest/gtest.h>

using namespace kestova;

namespace {

struct RoundTrip {
    const char *utf8;
    QByteArray gbk;
};

} // namespace

TEST(TextCodec, GbkRoundTripsAreByteExact)
{
    const RoundTrip cases[] = {
        {"", QByteArray()},
        {"ABC 123", QByteArray("ABC 123")},
        {"中文", QByteArray("\xD6\xD0\xCE\xC4")},
        {"开始搜索-->", QByteArray("\xBF\xAA\xCA\xBC\xCB\xD1\xCB\xF7-->")},
        {"鱼", QByteArray("\xD3\xE3")},
        {"％", QByteArray("\xA3\xA5")},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf8(c.utf8);
        EXPECT_EQ(toGbk(text), c.gbk) << c.utf8;
        EXPECT_EQ(fromGbk(c.gbk), text) << c.utf8;
    }
}

TEST(TextCodec, EveryGb2312CharacterSurvivesTheRoundTrip)
{
    QByteArray all;
    for (int lead = 0xB0; lead <= 0xF7; ++lead)
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            if (lead == 0xD7 && trail > 0xF9)
                continue; // the only unassigned cells of the hanzi rows
            all.append(char(lead)).append(char(trail));
        }
    const QString text = fromGbk(all);
    EXPECT_EQ(text.size(), all.size() / 2);
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
    EXPECT_EQ(toGbk(text), all);
}

TEST(TextCodec, Big5MatchesKnownCodes)
{
    EXPECT_EQ(encodeText(QString::fromUtf8("中文魚"), Charset::Big5), QByteArray("\xA4\xA4\xA4\xE5\xB3\xBD"));
    EXPECT_EQ(decodeText(QByteArray("\xB3\xBD"), Charset::Big5), QString::fromUtf8("魚"));
}

TEST(TextCodec, InvalidBytesBecomeOneReplacementEachAndDecodingGoesOn)
{
    // 0xFF starts no GBK character (0x80 is the euro sign here, as in code
    // page 936); a lead byte at the very end has no trail.
    const QString text = fromGbk(QByteArray("A\xFF" "B\xD6\xD0\xD6"));
    EXPECT_EQ(text, QString("A") + QChar::ReplacementCharacter + "B" + QString::fromUtf8("中")
                        + QChar::ReplacementCharacter);
}

TEST(TextCodec, CharactersOutsideTheCharsetBecomeQuestionMarks)
{
    EXPECT_EQ(toGbk(QString::fromUtf8("a😀b")), QByteArray("a?b"));
    EXPECT_EQ(encodeText(QString::fromUtf8("x€y"), Charset::Big5), QByteArray("x\xA3\xE1y"));
}
