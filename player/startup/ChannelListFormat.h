#pragma once

// The two channel-list files and their text codecs.
//
// "av.txt" is the hand-made plain list; "tv.zqv" is the scrambled list: a
// record text scrambled with Jiami, then "###", then five '#'-terminated
// trailer fields (F5 first, F1 last). Everything here is pure: callers read
// and write the files.
//
// Character model: the codecs work on GBK characters, not bytes. A byte of
// 0x81 or above followed by another byte forms one two-byte character whose
// code is lead * 256 + trail; every other byte (0x80 is the euro sign) is a
// one-byte character whose code is the byte. Codes are shifted with 16-bit
// wrap-around; a shifted code below 256 is written as one byte, any other as
// its high byte then its low byte. Lead byte 0xFF is accepted (GBK has none)
// because shifting a control character below zero gives a code 0xFFxx, which
// must read back as the same single character for the codecs to invert each
// other at the byte level. So Jiemi(Jiami(x)) and DecodeField(EncodeField(x))
// give back x for every byte string x, except one in which a lead byte 0x81
// is followed by a byte below 0x0A (no GBK text has such a pair).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace kestova {

// The fixed scrambler key; digit j shifts the j-th character of every block.
inline constexpr char ScramblerKey[] = "4802715";
inline constexpr int ScramblerBlock = 7;
// The field codec's shift.
inline constexpr int FieldShift = 10;

// GBK bytes <-> character codes, by the rule above.
std::vector<std::uint16_t> splitGbkCharacters(QByteArrayView bytes);
QByteArray joinGbkCharacters(const std::vector<std::uint16_t> &codes);

// Byte-level codecs on GBK text; the result has as many characters as the
// input. Jiemi unscrambles, Jiami scrambles: whole 7-character blocks get the
// key digits added (Jiemi) or subtracted (Jiami); the remaining characters
// and texts shorter than a block stay as they are.
QByteArray Jiemi(QByteArrayView gbk);
QByteArray Jiami(QByteArrayView gbk);
// Every character code + 10 (DecodeField) or - 10 (EncodeField).
QByteArray DecodeField(QByteArrayView gbk);
QByteArray EncodeField(QByteArrayView gbk);

// The same on texts: text -> GBK -> codec -> GBK -> text. A shifted code that
// is no GBK character decodes as U+FFFD, so only the byte-level functions
// round-trip every input exactly.
QString JiemiText(const QString &text);
QString JiamiText(const QString &text);
QString DecodeFieldText(const QString &text);
QString EncodeFieldText(const QString &text);

// ---- plain list (av.txt) ----

// Decodes the file: UTF-8 when it starts with a UTF-8 byte-order mark or its
// bytes are valid UTF-8, GBK otherwise.
QString decodePlainListFile(QByteArrayView fileBytes);

// Splits into lines (a line ends at CR or CR LF; a lone LF stays in the line)
// and joins them without separator.
QString joinListLines(const QString &text);

// The marker replacements, space removal and the dropped leading "##": turns
// the joined lines into the plain part P, each record followed by "##".
// Empty input gives an empty P.
QString transformPlainList(const QString &joinedLines);

// All three in order: the plain part P of an av.txt file.
QString readPlainList(QByteArrayView fileBytes);

// ---- scrambled list (tv.zqv) ----

// The content of a scrambled list, decoded.
struct ScrambledList
{
    QString recordText; // Jiemi(BODY): records joined by "##"
    QString F1;         // list version tag, stored plain
    QString F2;         // site address
    QString F3;         // update address
    QString F4;         // reserved
    QString F5;         // reserved
    friend bool operator==(const ScrambledList &, const ScrambledList &) = default;
};

// Reads a tv.zqv file. Nothing when it is unusable: no "###", or fewer than
// five '#'-terminated fields after the first "###". Bytes after the last '#'
// (a line end) are ignored.
std::optional<ScrambledList> readScrambledList(QByteArrayView fileBytes);

struct ScrambledListWrite
{
    QByteArray bytes; // the file, when error is empty
    QString error;    // one line saying why the list cannot be written
    bool ok() const { return error.isEmpty(); }
};

// Builds a tv.zqv file from a record text and the five fields. Refuses texts
// outside GBK, a record text whose scrambled form would contain "###" or end
// in '#' (the reader would cut it short), a version tag with '#', and fields
// whose encoded form would contain '#' (such as any '-'). The written file
// always reads back to exactly the given list.
ScrambledListWrite writeScrambledList(const ScrambledList &list);

} // namespace kestova
