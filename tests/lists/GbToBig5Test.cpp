#include "startup/GB2BIG5.h"

#include "platform/TextCodec.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace kestova;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray resourceBytes()
{
    QFile file(QString::fromLatin1(GbToBig5ResourcePath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The GB2312 lead byte stored in resource row q.
int leadOfRow(int q)
{
    return q < 9 ? 0xA1 + q : 0xB0 + (q - 9);
}

} // namespace

TEST(GbToBig5Table, ResourceIsCompiledInWithTheStoredLayout)
{
    QFile file(QString::fromLatin1(GbToBig5ResourcePath));
    ASSERT_TRUE(file.exists());
    EXPECT_EQ(file.size(), 16544);
    EXPECT_EQ(resourceBytes().size(), GbToBig5ResourceSize);
    ASSERT_TRUE(loadGbToBig5Table());
    EXPECT_TRUE(gbToBig5TableLoaded());
    EXPECT_TRUE(loadGbToBig5Table()); // a second call is harmless
}

TEST(GbToBig5Table, EveryStoredCellIsWhatItsPairConvertsTo)
{
    const QByteArray resource = resourceBytes();
    ASSERT_EQ(resource.size(), GbToBig5ResourceSize);
    for (int q = 0; q < 88; ++q) {
        for (int p = 0; p < 94; ++p) {
            const int at = (q * 94 + p) * 2;
            const QByteArray pair = bytes({leadOfRow(q), 0xA1 + p});
            ASSERT_EQ(GbToBig5Bytes(pair), resource.mid(at, 2))
                << "row " << q << " cell " << p;
        }
    }
}

TEST(GbToBig5Table, EmptyGb2312LeadBytesUseTheRowsOfB0ToB5)
{
    for (int k = 0; k < 6; ++k) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            ASSERT_EQ(GbToBig5Bytes(bytes({0xAA + k, trail})), GbToBig5Bytes(bytes({0xB0 + k, trail})))
                << std::hex << 0xAA + k << trail;
        }
    }
}

TEST(GbToBig5Table, EveryGb2312CharacterBecomesOneBig5Character)
{
    // The table data: each GB2312 character maps to a single Big5 character,
    // the full-width space standing in where Big5 has none.
    int spaces = 0;
    for (int lead = 0xA1; lead <= 0xF7; ++lead) {
        if (lead >= 0xAA && lead <= 0xAF)
            continue;
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const QByteArray gb = bytes({lead, trail});
            const QString original = fromGbk(gb);
            if (original.size() != 1 || original[0] == QChar::ReplacementCharacter)
                continue;
            const QString big5 = decodeText(GbToBig5Bytes(gb), Charset::Big5);
            ASSERT_EQ(big5.size(), 1) << std::hex << lead << trail;
            ASSERT_NE(big5[0], QChar::ReplacementCharacter) << std::hex << lead << trail;
            if (big5[0] == QChar(0x3000))
                ++spaces;
        }
    }
    // Big5 lacks some GB2312 symbols and rare characters, a few hundred in all.
    EXPECT_GT(spaces, 1);
    EXPECT_LT(spaces, 1000);
}

TEST(GbToBig5, ByteCoreFollowsThePairRule)
{
    struct Case
    {
        QByteArray in;
        QByteArray out;
    };
    const Case cases[] = {
        {{}, {}},
        {"ABC", "ABC"},
        // Sample cells.
        {bytes({0xA1, 0xA1}), bytes({0xA1, 0x40})},
        {bytes({0xA1, 0xA2}), bytes({0xA1, 0x42})},
        {bytes({0xB0, 0xA1}), bytes({0xB0, 0xDA})},
        {bytes({0xD6, 0xD0}), bytes({0xA4, 0xA4})},
        {bytes({0xCE, 0xC4}), bytes({0xA4, 0xE5})},
        {bytes({0xD3, 0xE3}), bytes({0xB3, 0xBD})},
        {bytes({0xB5, 0xE7}), bytes({0xB9, 0x71})},
        {bytes({0xF7, 0xFE}), bytes({0xA1, 0x40})},
        // Sequences.
        {bytes({0xD6, 0xD0, 0xCE, 0xC4}), bytes({0xA4, 0xA4, 0xA4, 0xE5})},
        {bytes({0x41, 0xD6, 0xD0}), bytes({0x41, 0xA4, 0xA4})},
        {bytes({0xAA, 0xA1}), bytes({0xB0, 0xDA})},
        // A last lone byte is copied.
        {bytes({0x41, 0xB0}), bytes({0x41, 0xB0})},
        {bytes({0xD6, 0xD0, 0xB0}), bytes({0xA4, 0xA4, 0xB0})},
        {bytes({0xB0}), bytes({0xB0})},
        // A high byte before a low one is copied alone and the scan moves by one.
        {bytes({0xB0, 0x41, 0xD6, 0xD0}), bytes({0xB0, 0x41, 0xA4, 0xA4})},
        {bytes({0x81, 0xA1, 0xD6, 0xD0}), bytes({0x81, 0xA1, 0x40, 0xD0})},
        // Pairs outside the table are copied unchanged.
        {bytes({0xFF, 0xA1}), bytes({0xFF, 0xA1})},
        {bytes({0xFF, 0xFF, 0xD6, 0xD0}), bytes({0xFF, 0xFF, 0xA4, 0xA4})},
        {bytes({0xD6, 0xFF, 0xD6, 0xD0}), bytes({0xD6, 0xFF, 0xA4, 0xA4})},
    };
    for (const Case &c : cases) {
        const QByteArray out = GbToBig5Bytes(c.in);
        EXPECT_EQ(out, c.out) << c.in.toHex().constData();
        EXPECT_EQ(out.size(), c.in.size());
    }
}

TEST(GbToBig5, TextsComeOutTraditional)
{
    struct Case
    {
        const char *simplified;
        const char *traditional;
    };
    const Case cases[] = {
        {"", ""},
        {"ABC", "ABC"},
        {"中文", "中文"},
        {"鱼", "魚"},
        {"开始搜索-->中央电视台", "開始搜索-->中央電視臺"},
        {"CCTV-1 综合频道", "CCTV-1 綜合頻道"},
        {"后发国湾", "後發國灣"},
    };
    for (const Case &c : cases) {
        const QString in = QString::fromUtf8(c.simplified);
        EXPECT_EQ(GbToBig5(in), QString::fromUtf8(c.traditional)) << c.simplified;
    }
}
