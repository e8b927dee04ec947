#include "platform/TextCodec.h"

#include <QList>

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace kestova {
namespace {

const char *iconvName(Charset charset)
{
    return charset == Charset::Gbk ? "GBK" : "BIG5";
}

// One conversion descriptor, closed when the scope ends.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return m_cd; }

private:
    iconv_t m_cd;
};

} // namespace

QByteArray encodeText(const QString &text, Charset charset)
{
    if (text.isEmpty())
        return {};
    Converter conv(iconvName(charset), Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "UTF-32LE" : "UTF-32BE");
    if (!conv.valid())
        return text.toLatin1();

    QList<uint> codePoints = text.toUcs4();
    QByteArray out;
    out.reserve(codePoints.size() * 2);
    char *inPtr = reinterpret_cast<char *>(codePoints.data());
    size_t inLeft = size_t(codePoints.size()) * sizeof(uint);
    char buffer[512];
    while (inLeft > 0) {
        char *outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(conv.handle(), &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, qsizetype(sizeof buffer - outLeft));
        if (rc == size_t(-1) && errno != E2BIG) {
            // A character this charset cannot hold: mark it and go on.
            out.append('?');
            inPtr += sizeof(uint);
            inLeft -= sizeof(uint);
            iconv(conv.handle(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

QString decodeText(QByteArrayView bytes, Charset charset)
{
    if (bytes.isEmpty())
        return {};
    Converter conv(Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "UTF-16LE" : "UTF-16BE", iconvName(charset));
    if (!conv.valid())
        return QString::fromLatin1(bytes);

    QString out;
    out.reserve(bytes.size());
    char *inPtr = const_cast<char *>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    char16_t buffer[256];
    while (inLeft > 0) {
        char *outPtr = reinterpret_cast<char *>(buffer);
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(conv.handle(), &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(reinterpret_cast<const QChar *>(buffer),
                   qsizetype((sizeof buffer - outLeft) / sizeof(char16_t)));
        if (rc == size_t(-1) && errno != E2BIG) {
            // EILSEQ or EINVAL (a sequence cut off by the end): replace one byte
            // and carry on after it.
            out.append(QChar::ReplacementCharacter);
            ++inPtr;
            --inLeft;
            iconv(conv.handle(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

} // namespace kestova
