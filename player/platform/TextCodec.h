#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kestova {

// The list files and the program's texts are GBK; Taiwan-locale display is Big5.
// Both directions go through iconv so that every byte sequence converts the
// same way the C library does it.
enum class Charset { Gbk, Big5 };

// Encodes text; a character the charset cannot hold becomes '?'.
QByteArray encodeText(const QString &text, Charset charset);

// Decodes bytes; every byte that does not start a valid sequence becomes
// U+FFFD and decoding resumes at the next byte, so nothing after it is lost.
QString decodeText(QByteArrayView bytes, Charset charset);

inline QByteArray toGbk(const QString &text) { return encodeText(text, Charset::Gbk); }
inline QString fromGbk(QByteArrayView bytes) { return decodeText(bytes, Charset::Gbk); }

} // namespace kestova
