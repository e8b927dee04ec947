#include "startup/ChannelListFormat.h"

#include "platform/TextCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace kestova {
namespace {

using Codes = std::vector<std::uint16_t>;

constexpr std::uint16_t HashCode = '#';

// Shifts every code by the amount for its position, wrapping at 16 bits.
template<typename ShiftAt>
QByteArray shiftCharacters(QByteArrayView gbk, ShiftAt shiftAt)
{
    Codes codes = splitGbkCharacters(gbk);
    for (std::size_t i = 0; i < codes.size(); ++i)
        codes[i] = std::uint16_t(codes[i] + shiftAt(i, codes.size()));
    return joinGbkCharacters(codes);
}

int keyDigit(std::size_t position)
{
    return ScramblerKey[position % ScramblerBlock] - '0';
}

// Jiemi adds the key (sign +1), Jiami subtracts it (sign -1). Only whole
// blocks are shifted; the tail shorter than a block is kept.
QByteArray scramble(QByteArrayView gbk, int sign)
{
    return shiftCharacters(gbk, [sign](std::size_t i, std::size_t n) {
        const std::size_t shifted = n - n % ScramblerBlock;
        return i < shifted ? sign * keyDigit(i) : 0;
    });
}

QByteArray shiftField(QByteArrayView gbk, int shift)
{
    return shiftCharacters(gbk, [shift](std::size_t, std::size_t) { return shift; });
}

QString viaGbk(const QString &text, QByteArray (*codec)(QByteArrayView))
{
    return fromGbk(codec(toGbk(text)));
}

// Position of the last '#' at or before `from`, or -1.
qsizetype lastHashAtOrBefore(const Codes &codes, qsizetype from)
{
    for (qsizetype i = std::min<qsizetype>(from, qsizetype(codes.size()) - 1); i >= 0; --i) {
        if (codes[std::size_t(i)] == HashCode)
            return i;
    }
    return -1;
}

QByteArray slice(const Codes &codes, qsizetype first, qsizetype last)
{
    if (first > last)
        return {};
    return joinGbkCharacters(Codes(codes.begin() + first, codes.begin() + last + 1));
}

bool containsHash(QByteArrayView gbk)
{
    const Codes codes = splitGbkCharacters(gbk);
    return std::find(codes.begin(), codes.end(), HashCode) != codes.end();
}

bool isGbkText(const QString &text)
{
    return fromGbk(toGbk(text)) == text;
}

} // namespace

std::vector<std::uint16_t> splitGbkCharacters(QByteArrayView bytes)
{
    Codes codes;
    codes.reserve(std::size_t(bytes.size()));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto lead = std::uint8_t(bytes[i]);
        if (lead >= 0x81 && i + 1 < bytes.size()) {
            codes.push_back(std::uint16_t(lead << 8 | std::uint8_t(bytes[i + 1])));
            ++i;
        } else {
            codes.push_back(lead);
        }
    }
    return codes;
}

QByteArray joinGbkCharacters(const std::vector<std::uint16_t> &codes)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(codes.size()) * 2);
    for (const std::uint16_t code : codes) {
        if (code < 256) {
            bytes.append(char(code));
        } else {
            bytes.append(char(code >> 8));
            bytes.append(char(code & 0xFF));
        }
    }
    return bytes;
}

QByteArray Jiemi(QByteArrayView gbk) { return scramble(gbk, +1); }
QByteArray Jiami(QByteArrayView gbk) { return scramble(gbk, -1); }
QByteArray DecodeField(QByteArrayView gbk) { return shiftField(gbk, +FieldShift); }
QByteArray EncodeField(QByteArrayView gbk) { return shiftField(gbk, -FieldShift); }

QString JiemiText(const QString &text) { return viaGbk(text, Jiemi); }
QString JiamiText(const QString &text) { return viaGbk(text, Jiami); }
QString DecodeFieldText(const QString &text) { return viaGbk(text, DecodeField); }
QString EncodeFieldText(const QString &text) { return viaGbk(text, EncodeField); }

QString decodePlainListFile(QByteArrayView fileBytes)
{
    // A byte-order mark settles it; damaged sequences then become U+FFFD.
    if (fileBytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(fileBytes.sliced(3));
    // Stateless: a sequence cut off at the end counts as an error.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder(fileBytes);
    if (!decoder.hasError())
        return text;
    return fromGbk(fileBytes);
}

QString joinListLines(const QString &text)
{
    QString joined;
    joined.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            continue;
        }
        joined.append(text[i]);
    }
    return joined;
}

QString transformPlainList(const QString &joinedLines)
{
    static const std::array<std::pair<QLatin1StringView, QLatin1StringView>, 8> steps{{
        {QLatin1StringView("channel_name:"), QLatin1StringView("##")},
        {QLatin1StringView("@start{"), QLatin1StringView("|")},
        {QLatin1StringView("}@end"), QLatin1StringView("|")},
        {QLatin1StringView("+or+"), QLatin1StringView("@@")},
        {QLatin1StringView("@mediatype:media"), QLatin1StringView("m")},
        {QLatin1StringView("@mediatype:real"), QLatin1StringView("r")},
        {QLatin1StringView("\r\n"), QLatin1StringView("")},
        {QLatin1StringView(" "), QLatin1StringView("")},
    }};
    QString text = joinedLines;
    for (const auto &[from, to] : steps)
        text.replace(from, to, Qt::CaseSensitive);
    if (text.isEmpty())
        return {};

    // Drop the leading "##" that the first "channel_name:" became (two
    // characters, whatever they are). Count code points so that a character
    // outside the BMP is dropped whole.
    qsizetype cut = 0;
    for (int dropped = 0; dropped < 2 && cut < text.size(); ++dropped) {
        const bool pair = text[cut].isHighSurrogate() && cut + 1 < text.size()
            && text[cut + 1].isLowSurrogate();
        cut += pair ? 2 : 1;
    }
    return text.sliced(cut) + QLatin1StringView("##");
}

QString readPlainList(QByteArrayView fileBytes)
{
    return transformPlainList(joinListLines(decodePlainListFile(fileBytes)));
}

namespace {

// The first "###", where the body ends and the trailer starts.
Codes::const_iterator findTrailerMarker(const Codes &codes)
{
    static constexpr std::array<std::uint16_t, 3> marker{HashCode, HashCode, HashCode};
    return std::search(codes.begin(), codes.end(), marker.begin(), marker.end());
}

} // namespace

std::optional<ScrambledList> readScrambledList(QByteArrayView fileBytes)
{
    const Codes z = splitGbkCharacters(fileBytes);
    const auto found = findTrailerMarker(z);
    if (found == z.end())
        return std::nullopt;
    const qsizetype bodyEnd = found - z.begin();
    // The five fields each end in '#'; with fewer, the fields read from the end
    // would reach into the separator or the body.
    if (std::count(z.begin() + bodyEnd + 3, z.end(), HashCode) < 5)
        return std::nullopt;

    // Fields from the end: F1 first, each ending just before the '#' that
    // closes it.
    std::array<QByteArray, 5> fields;
    qsizetype e = lastHashAtOrBefore(z, qsizetype(z.size()) - 1) - 1;
    qsizetype s = lastHashAtOrBefore(z, e) + 1;
    fields[0] = slice(z, s, e);
    for (std::size_t f = 1; f < fields.size(); ++f) {
        e = s - 2;
        s = lastHashAtOrBefore(z, e) + 1;
        fields[f] = slice(z, s, e);
    }

    ScrambledList list;
    list.recordText = fromGbk(Jiemi(slice(z, 0, bodyEnd - 1)));
    list.F1 = fromGbk(fields[0]);
    list.F2 = fromGbk(DecodeField(fields[1]));
    list.F3 = fromGbk(DecodeField(fields[2]));
    list.F4 = fromGbk(DecodeField(fields[3]));
    list.F5 = fromGbk(DecodeField(fields[4]));
    return list;
}

ScrambledListWrite writeScrambledList(const ScrambledList &list)
{
    struct Field
    {
        const QString &text;
        const char *what;
    };
    const std::array<Field, 6> texts{{{list.recordText, "the records"},
                                      {list.F1, "the version tag"},
                                      {list.F2, "the site address"},
                                      {list.F3, "the update address"},
                                      {list.F4, "reserved field 4"},
                                      {list.F5, "reserved field 5"}}};
    for (const Field &field : texts) {
        if (!isGbkText(field.text))
            return {{}, QStringLiteral("%1: characters that GBK cannot encode").arg(QLatin1StringView(field.what))};
    }

    const QByteArray body = Jiami(toGbk(list.recordText));
    {
        // A reader cuts the body at the first "###", so neither may the body
        // hold one nor may its own '#' run into the marker that follows it.
        const Codes codes = splitGbkCharacters(body);
        if (findTrailerMarker(codes) != codes.end() || (!codes.empty() && codes.back() == HashCode))
            return {{}, QStringLiteral("the records scramble to a text with \"###\" or a trailing '#'; "
                                       "rename or reorder a channel")};
    }

    const QByteArray version = toGbk(list.F1);
    if (containsHash(version))
        return {{}, QStringLiteral("the version tag cannot hold '#'")};

    const std::array<std::pair<const QString *, const char *>, 4> encoded{{
        {&list.F5, "reserved field 5"},
        {&list.F4, "reserved field 4"},
        {&list.F3, "the update address"},
        {&list.F2, "the site address"},
    }};
    QByteArray file = body + "###";
    for (const auto &[text, what] : encoded) {
        const QByteArray field = EncodeField(toGbk(*text));
        if (containsHash(field))
            return {{}, QStringLiteral("%1 cannot hold '-': it encodes to the field separator '#'")
                            .arg(QLatin1StringView(what))};
        file += field + '#';
    }
    file += version + '#';

    // Belt and braces: whatever the checks above missed, never hand out a
    // file that reads back differently.
    if (readScrambledList(file) != list)
        return {{}, QStringLiteral("the list does not survive a write and read-back")};
    return {file, {}};
}

} // namespace kestova
