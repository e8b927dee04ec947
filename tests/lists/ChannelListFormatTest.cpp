#include "startup/ChannelListFormat.h"

#include "platform/TextCodec.h"

#include <gtest/gtest.h>

using namespace kestova;

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// Every GB2312 character, in code order.
QByteArray allGb2312()
{
    QByteArray all;
    for (int lead = 0xA1; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const QByteArray pair = bytes({lead, trail});
            const QString decoded = fromGbk(pair);
            if (lead >= 0xAA && lead <= 0xAF)
                continue; // rows GB2312 leaves empty (GBK fills them with user-defined codes)
            if (decoded.size() == 1 && decoded[0] != QChar::ReplacementCharacter)
                all += pair;
        }
    }
    return all;
}

} // namespace

// ---- character model ----

TEST(GbkCharacters, SplitAndJoinFollowTheLeadByteRule)
{
    struct Case
    {
        QByteArray in;
        std::vector<std::uint16_t> codes;
    };
    const Case cases[] = {
        {{}, {}},
        {"Ab", {0x41, 0x62}},
        {"\xD6\xD0" "A", {0xD6D0, 0x41}},
        {QByteArray("\x80" "A", 2), {0x80, 0x41}},         // euro sign: one byte
        {QByteArray("\xFF\xFD", 2), {0xFFFD}},              // a wrapped control character
        {QByteArray("A\xD6", 2), {0x41, 0xD6}},             // a lead byte at the end stands alone
        {QByteArray("\x81\x00", 2), {0x8100}},              // the trail is taken whatever it is
    };
    for (const Case &c : cases) {
        EXPECT_EQ(splitGbkCharacters(c.in), c.codes) << c.in.toHex().constData();
        EXPECT_EQ(joinGbkCharacters(c.codes), c.in) << c.in.toHex().constData();
    }
}

// ---- Jiemi / Jiami ----

TEST(Scrambler, ShiftsWholeBlocksByTheKeyAndKeepsTheTail)
{
    struct Case
    {
        QByteArray plain;
        QByteArray scrambled; // Jiami(plain); Jiemi(scrambled) == plain
    };
    const Case cases[] = {
        {{}, {}},
        {"abcdef", "abcdef"},              // shorter than a block: unchanged
        {"aaaaaaa", "]Ya_Z`\\"},           // key 4 8 0 2 7 1 5 subtracted
        {"aaaaaaaaaaaaaab", "]Ya_Z`\\]Ya_Z`\\b"}, // 15 characters: the 15th is kept
        // Two-byte characters: the code is shifted, lead and trail together.
        {QByteArray("\xD6\xD0\xD6\xD0\xD6\xD0\xD6\xD0\xD6\xD0\xD6\xD0\xD6\xD0"),
         QByteArray("\xD6\xCC\xD6\xC8\xD6\xD0\xD6\xCE\xD6\xC9\xD6\xCF\xD6\xCB")},
        // Mixed widths count characters, not bytes: 6 characters stay.
        {QByteArray("A\xD6\xD0" "B\xCE\xC4" "CD"), QByteArray("A\xD6\xD0" "B\xCE\xC4" "CD")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Jiami(c.plain), c.scrambled) << c.plain.toHex().constData();
        EXPECT_EQ(Jiemi(c.scrambled), c.plain) << c.plain.toHex().constData();
    }
}

TEST(Scrambler, ComputesWithSixteenBitWrapAround)
{
    struct Case
    {
        QByteArray in;
        QByteArray jiemi;
        QByteArray jiami;
    };
    const QByteArray tail("xxxxxx");
    const Case cases[] = {
        // A one-byte code below the key digit goes negative: code 0xFFFD, two bytes.
        {QByteArray("\x01", 1) + tail, QByteArray("\x05", 1) + "\x80xz\x7Fy}",
         QByteArray("\xFF\xFD", 2) + "pxvqws"},
        // A trail byte carries into the lead byte.
        {QByteArray("\xB0\xFE", 2) + tail, QByteArray("\xB1\x02", 2) + "\x80xz\x7Fy}",
         QByteArray("\xB0\xFA", 2) + "pxvqws"},
        // The top of the code range wraps to a one-byte character.
        {QByteArray("\xFF\xFE", 2) + tail, QByteArray("\x02", 1) + "\x80xz\x7Fy}",
         QByteArray("\xFF\xFA", 2) + "pxvqws"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Jiemi(c.in), c.jiemi) << c.in.toHex().constData();
        EXPECT_EQ(Jiami(c.in), c.jiami) << c.in.toHex().constData();
    }
}

TEST(Scrambler, RoundTripsEveryGb2312CharacterAndPrintableAsciiAtEveryKeyPosition)
{
    QByteArray text = allGb2312();
    for (char c = 0x20; c <= 0x7E; ++c)
        text.append(c);
    // Shift the text against the key so that every character meets every digit.
    for (int offset = 0; offset < ScramblerBlock; ++offset) {
        const QByteArray shifted = QByteArray(offset, 'x') + text;
        const QByteArray scrambled = Jiami(shifted);
        EXPECT_NE(scrambled, shifted);
        EXPECT_EQ(splitGbkCharacters(scrambled).size(), splitGbkCharacters(shifted).size());
        EXPECT_EQ(Jiemi(scrambled), shifted) << "offset " << offset;
    }
}

TEST(Scrambler, RoundTripsEveryByteLevelCharacterIncludingControlCharacters)
{
    // Every one-byte character and every two-byte code that a lead byte can
    // start, at every key position; codes 0x8100..0x8109 are the documented
    // exception (they borrow into lead byte 0x80, which stands alone).
    QByteArray text;
    for (int b = 0x00; b <= 0x80; ++b)
        text.append(char(b));
    for (int lead = 0x81; lead <= 0xFF; ++lead)
        for (int trail = 0x00; trail <= 0xFF; ++trail)
            if (!(lead == 0x81 && trail < 0x0A))
                text.append(char(lead)).append(char(trail));
    for (int offset = 0; offset < ScramblerBlock; ++offset) {
        const QByteArray shifted = QByteArray(offset, 'x') + text;
        EXPECT_EQ(Jiemi(Jiami(shifted)), shifted) << "offset " << offset;
        EXPECT_EQ(DecodeField(EncodeField(shifted)), shifted) << "offset " << offset;
    }
}

TEST(Scrambler, TextWrappersRoundTripChineseText)
{
    const QString texts[] = {
        u8(""),
        u8("中央一台"),
        u8("中央电视台一套|mms://live.example/cctv1@@http://x.example/a.asf|m##鱼|rtsp://y/z.rm|rb"),
    };
    for (const QString &text : texts) {
        const QString scrambled = JiamiText(text);
        EXPECT_EQ(JiemiText(scrambled), text) << text.toStdString();
        if (text.size() >= ScramblerBlock) {
            EXPECT_NE(scrambled, text) << text.toStdString();
        }
    }
}

// ---- DecodeField / EncodeField ----

TEST(FieldCodec, ShiftsEveryCharacterByTen)
{
    struct Case
    {
        QByteArray plain;
        QByteArray encoded;
    };
    const Case cases[] = {
        {{}, {}},
        {"klm", "abc"},
        {"-", "#"}, // why a '-' cannot travel in a trailer field
        {"http://www.kestova.example", QByteArray("^jjf0%%mmm$a[ijelW$[nWcfb[")},
        {QByteArray("\x03", 1), QByteArray("\xFF\xF9", 2)},
        {QByteArray("\xD6\xD0\xCE\xC4"), QByteArray("\xD6\xC6\xCE\xBA")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(EncodeField(c.plain), c.encoded) << c.plain.toHex().constData();
        EXPECT_EQ(DecodeField(c.encoded), c.plain) << c.plain.toHex().constData();
    }
    EXPECT_EQ(DecodeFieldText(u8("abc")), u8("klm"));
    EXPECT_EQ(EncodeFieldText(u8("klm")), u8("abc"));
    EXPECT_EQ(DecodeFieldText(EncodeFieldText(u8("电视台 http://x/"))), u8("电视台 http://x/"));
}

// ---- plain list ----

TEST(PlainList, TransformsJoinedLinesIntoRecords)
{
    struct Case
    {
        const char *joined;
        const char *plain;
    };
    const Case cases[] = {
        {"", ""},
        {"channel_name:A@start{u}@end@mediatype:media", "A|u|m##"},
        {"channel_name:A@start{u1+or+u2+or+u3}@end@mediatype:realbf", "A|u1@@u2@@u3|rbf##"},
        {"channel_name:A@start{u}@end@mediatype:mediachannel_name:B@start{v}@end@mediatype:real",
         "A|u|m##B|v|r##"},
        // The first two characters go whatever they are.
        {"XXchannel_name:A@start{u}@end@mediatype:media", "##A|u|m##"},
        // Markers are replaced before spaces are removed.
        {"channel_name: Chan 1 @start{ u1 +or+ u2 }@end @mediatype:real b", "Chan1|u1@@u2|rb##"},
        {"channel_name:A@start {u}@end@mediatype:media", "A@start{u|m##"},
        // Case-sensitive markers; replacements reach names and URLs too.
        {"Channel_Name:A@start{u}@end@mediatype:media", "annel_Name:A|u|m##"},
        {"channel_name:A+or+B@start{u}@end@mediatype:media", "A@@B|u|m##"},
        {"  \n ", "##"},
        {"   ", ""},
        {"x", "##"},
        {"channel_name:中文台@start{mms://h/流}@end@mediatype:media", "中文台|mms://h/流|m##"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(transformPlainList(u8(c.joined)), u8(c.plain)) << c.joined;
}

TEST(PlainList, LinesEndAtCrOrCrLfAndALoneLfStays)
{
    struct Case
    {
        const char *text;
        const char *joined;
    };
    const Case cases[] = {
        {"", ""},
        {"ab\r\ncd", "abcd"},
        {"ab\rcd", "abcd"},
        {"ab\ncd", "ab\ncd"},
        {"ab\r\r\ncd\r\n", "abcd"},
        {"\r\r\n\n", "\n"},
        {"ab\n\rcd", "ab\ncd"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(joinListLines(u8(c.text)), u8(c.joined)) << c.text;
}

TEST(PlainList, ReadsFilesEndToEnd)
{
    struct Case
    {
        QByteArray file;
        const char *plain;
    };
    const QByteArray utf8 = u8("channel_name:中央一台@start{mms://a/1}@end@mediatype:media\r\n"
                               "channel_name:音乐台@start{rtsp://b/2.rm +or+ rtsp://c/2.rm}@end@mediatype:realb\r\n")
                                .toUtf8();
    const Case cases[] = {
        {utf8, "中央一台|mms://a/1|m##音乐台|rtsp://b/2.rm@@rtsp://c/2.rm|rb##"},
        {"\xEF\xBB\xBF" + utf8, "中央一台|mms://a/1|m##音乐台|rtsp://b/2.rm@@rtsp://c/2.rm|rb##"},
        {toGbk(QString::fromUtf8(utf8)), "中央一台|mms://a/1|m##音乐台|rtsp://b/2.rm@@rtsp://c/2.rm|rb##"},
        // A record split over lines joins up again; a lone LF lands in the name.
        {"channel_name:A\r\nB@start{u}\r@end@mediatype:media", "AB|u|m##"},
        {"channel_name:A\nB@start{u}@end@mediatype:media", "A\nB|u|m##"},
        {"  \r\n \r\n\r\n", ""},
        {{}, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(readPlainList(c.file), u8(c.plain)) << c.file.toHex().constData();
}

TEST(PlainList, ChoosesUtf8OnlyForValidUtf8)
{
    struct Case
    {
        QByteArray file;
        const char *text;
    };
    const Case cases[] = {
        {"plain ascii", "plain ascii"},
        {u8("中文").toUtf8(), "中文"},
        {"\xEF\xBB\xBF" + u8("中文").toUtf8(), "中文"},
        {"\xD6\xD0\xCE\xC4", "中文"},              // GBK
        {"abc\xE4\xB8", "abc涓"}, // a UTF-8 sequence cut off at the end: GBK
        {u8("中").toUtf8() + "\xD6\xD0", "涓\xEF\xBF\xBD中"},     // mixed: read as GBK
        {"\xEF\xBB\xBF" + u8("中").toUtf8() + "\xD6", "中\xEF\xBF\xBD"}, // the mark wins
    };
    for (const Case &c : cases)
        EXPECT_EQ(decodePlainListFile(c.file), u8(c.text)) << c.file.toHex().constData();
}

// ---- scrambled list ----

TEST(ScrambledList, ReadsTheTrailerFromTheEnd)
{
    struct Case
    {
        QByteArray file;
        ScrambledList list;
    };
    const QByteArray body = Jiami(toGbk(u8("甲台|mms://a/1|m##乙台|rtsp://b/2|rb")));
    const Case cases[] = {
        {"###e5#e4#e3#e2#v1#",
         {"", "v1", DecodeFieldText("e2"), DecodeFieldText("e3"), DecodeFieldText("e4"), DecodeFieldText("e5")}},
        {body + "###e5#e4#e3#e2#v1#\r\n",
         {u8("甲台|mms://a/1|m##乙台|rtsp://b/2|rb"), "v1", "o<", "o=", "o>", "o?"}},
        {body + "###e5#e4#e3#e2#v1#anything",
         {u8("甲台|mms://a/1|m##乙台|rtsp://b/2|rb"), "v1", "o<", "o=", "o>", "o?"}},
        // Empty fields, and more than five: the first ones are ignored.
        {"abcdefgh########", {"ejcflglh", "", "", "", "", ""}},
        {"x###old#e5#e4##e2#v1#", {"x", "v1", "o<", "", "o>", "o?"}},
        // Only the first "###" ends the body; the rest is trailer.
        {"x######a#b#c#", {"x", "c", "l", "k", "", ""}},
    };
    for (const Case &c : cases) {
        const auto list = readScrambledList(c.file);
        ASSERT_TRUE(list.has_value()) << c.file.constData();
        EXPECT_EQ(*list, c.list) << c.file.constData();
    }
}

TEST(ScrambledList, RejectsUnusableFiles)
{
    const QByteArray cases[] = {
        {},
        "no separator here#a#b#c#d#e#",
        "body##e5#e4#e3#e2#v1#",
        "body###e4#e3#e2#v1#",   // four fields
        "body###e5#e4#e3#e2#v1", // the last field is not closed
        "body###",
        "abc####v#",
    };
    for (const QByteArray &file : cases)
        EXPECT_FALSE(readScrambledList(file).has_value()) << file.constData();
}

TEST(ScrambledList, AHashInsideATwoByteCharacterIsNoSeparator)
{
    // 0x81 0x23 is one (non-GBK) character; only one-byte '#' characters count,
    // so three 0x23 bytes after 0x81 are no "###".
    EXPECT_FALSE(readScrambledList(QByteArray("ab\x81###x#e5#e4#e3#e2#v1#")).has_value());
    const auto list = readScrambledList(QByteArray("ab\x81####x#e5#e4#e3#e2#v1#"));
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->F1, u8("v1"));
    EXPECT_EQ(list->F5, DecodeFieldText("e5"));
    // The body is a, b and 0x81 0x23, which GBK decodes as U+FFFD then '#'.
    EXPECT_EQ(list->recordText, QString("ab") + QChar::ReplacementCharacter + "#");
}

TEST(ScrambledList, WritesFilesThatReadBackExactly)
{
    const ScrambledList lists[] = {
        {u8("中央电视台|mms://live.example/1@@http://b.example/1.asf|m##音乐台|rtsp://r.example/a.rm|rb"),
         u8("2026.12.01"), u8("http://www.kestova.example"), u8("http://update.kestova.example/tvlist.txt"),
         u8("保留"), u8("")},
        {u8(""), u8(""), u8(""), u8(""), u8(""), u8("")},
        {u8("a|b|m"), u8("v"), QString(QChar(3)) + "ctl", u8("鱼#"), u8("x"), u8("y")},
    };
    for (const ScrambledList &list : lists) {
        const ScrambledListWrite written = writeScrambledList(list);
        ASSERT_TRUE(written.ok()) << written.error.toStdString();
        EXPECT_TRUE(written.bytes.contains("###"));
        const auto read = readScrambledList(written.bytes);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, list);
    }
    // The layout itself: body, separator, F5 first, F1 last and plain.
    const ScrambledListWrite written = writeScrambledList({"abcdefgh", "v1", "ab", "c", "d", "e"});
    EXPECT_EQ(written.bytes, QByteArray("]Zcb^ebh###[#Z#Y#WX#v1#"));
}

TEST(ScrambledList, RefusesWhatWouldNotReadBack)
{
    struct Case
    {
        ScrambledList list;
        const char *mentions;
    };
    const Case cases[] = {
        {{"a|b|m", "v", "http://a-b.example", "", "", ""}, "site address"},
        {{"a|b|m", "v", "", "http://update.example/list-1.txt", "", ""}, "update address"},
        {{"a|b|m", "v", "", "", "-", ""}, "reserved field 4"},
        {{"a|b|m", "v", "", "", "", "-"}, "reserved field 5"},
        {{"a|b|m", "v#2", "", "", "", ""}, "version tag"},
        // "'+#" scrambles to "###" at the start of a block.
        {{"'+#abcd", "v", "", "", "", ""}, "###"},
        {{"a|b|m##'+#abcd", "v", "", "", "", ""}, "###"},
        // A body ending in '#' would merge with the separator.
        {{"abcdefg#", "v", "", "", "", ""}, "###"},
        {{"abcdef(", "v", "", "", "", ""}, "###"},
        {{QString::fromUcs4(U"😀|u|m"), "v", "", "", "", ""}, "GBK"},
        {{"a|u|m", QString::fromUcs4(U"v😀"), "", "", "", ""}, "GBK"},
    };
    for (const Case &c : cases) {
        const ScrambledListWrite written = writeScrambledList(c.list);
        EXPECT_FALSE(written.ok()) << c.list.recordText.toStdString();
        EXPECT_TRUE(written.bytes.isEmpty());
        EXPECT_TRUE(written.error.contains(QLatin1StringView(c.mentions)))
            << written.error.toStdString();
        EXPECT_FALSE(written.error.contains(u'\n'));
    }
}
