#include "platform/MediaSourcePolicy.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace kestova {

namespace {

// "scheme://" at the very start, as the engine itself recognises a protocol.
const QRegularExpression &protocolPrefix()
{
    static const QRegularExpression re(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*)://"));
    return re;
}

bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    return false;
}

MediaSourceDecision refuse(const QString &reason)
{
    MediaSourceDecision d;
    d.reason = reason;
    return d;
}

MediaSourceDecision localFile(const QString &path, const QString &base)
{
    if (path.isEmpty())
        return refuse(QStringLiteral("empty file path"));
    const QString baseDir = base.isEmpty() ? QDir::currentPath() : base;
    const QString absolute = QDir::cleanPath(QDir(baseDir).absoluteFilePath(path));
    MediaSourceDecision d;
    d.allowed = true;
    d.target = absolute;
    return d;
}

bool isNetworkScheme(const QString &lowerScheme)
{
    static const QStringList schemes{QStringLiteral("http"), QStringLiteral("https"),
                                     QStringLiteral("rtsp"), QStringLiteral("rtmp"),
                                     QStringLiteral("mms"),  QStringLiteral("mmsh"),
                                     QStringLiteral("mmst")};
    return schemes.contains(lowerScheme);
}

} // namespace


MediaSourceDecision MediaSourcePolicy::check(const QString &source) const
{
    const QString text = source.trimmed();
    if (text.isEmpty())
        return refuse(QStringLiteral("empty source"));
    if (hasControlCharacter(text))
        return refuse(QStringLiteral("control character in source"));

    const QRegularExpressionMatch m = protocolPrefix().match(text);
    if (!m.hasMatch())
        return localFile(text, m_baseDirectory);

    const QString scheme = m.captured(1).toLower();
    if (scheme == QLatin1String("file")) {
        const QUrl url(text);
        const QString host = url.host().toLower();
        if (!url.isValid() || !url.isLocalFile()
            || !(host.isEmpty() || host == QLatin1String("localhost")))
            return refuse(QStringLiteral("file URL is not a local file"));
        return localFile(url.toLocalFile(), m_baseDirectory);
    }
    if (!isNetworkScheme(scheme))
        return refuse(QStringLiteral("scheme not played: ") + scheme);

    // The engine gets the text as written, only the scheme lower-cased.
    const QString target = scheme + text.mid(m.capturedLength(1));
    const QUrl url(target, QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty())
        return refuse(QStringLiteral("URL without a host"));
    MediaSourceDecision d;
    d.allowed = true;
    d.network = true;
    d.target = target;
    return d;
}

QString mediaTitle(const QString &source)
{
    QString text = source.trimmed();
    const QRegularExpressionMatch m = protocolPrefix().match(text);
    if (m.hasMatch()) {
        const QUrl url(text, QUrl::TolerantMode);
        const QString name = url.fileName();
        return name.isEmpty() ? text : name;
    }
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString name = QFileInfo(text).fileName();
    return name.isEmpty() ? source.trimmed() : name;
}

bool hasProtocolPrefix(const QString &text)
{
    return protocolPrefix().match(text).hasMatch();
}

} // namespace kestova
