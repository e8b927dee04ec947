#include "platform/MpvFailureClassifier.h"

#include "platform/WmpControl.h"

#include <QRegularExpression>

#include <mpv/client.h>

namespace kestova {

namespace {

bool anyLineMatches(const QStringList &lines, const QRegularExpression &re)
{
    for (const QString &line : lines)
        if (re.match(line).hasMatch())
            return true;
    return false;
}

bool anyLineContains(const QStringList &lines, std::initializer_list<const char *> needles)
{
    for (const QString &line : lines)
        for (const char *needle : needles)
            if (line.contains(QLatin1String(needle), Qt::CaseInsensitive))
                return true;
    return false;
}

FailureClass make(qint32 code, const char *description)
{
    return {code, QString::fromLatin1(description)};
}

} // namespace

FailureClass classifyFailure(const PlaybackFailure &f)
{
    const QStringList &lines = f.logLines;

    // The server answered with a status: FFmpeg's HTTP layer logs
    // "HTTP error 503 ...", its error text is "Server returned 404 ...",
    // RTSP logs "method DESCRIBE failed: 404 ...".
    static const QRegularExpression busy(
        QStringLiteral("(HTTP error|Server returned|failed:) *503\\b"));
    static const QRegularExpression status(
        QStringLiteral("(HTTP error|Server returned|failed:) *[45](\\d\\d|XX)\\b"));
    if (anyLineMatches(lines, busy))
        return make(WmpError::TooManyViewers, "server busy (HTTP 503)");
    if (anyLineMatches(lines, status))
        return make(WmpError::CannotAccess, "not found or forbidden");

    if (anyLineContains(lines, {"Connection refused"}))
        return make(WmpError::ServiceStopped, "connection refused");

    if (anyLineContains(lines, {"Failed to resolve hostname", "Name or service not known",
                                "No route to host", "Network is unreachable",
                                "Connection timed out", "Host is unreachable"}))
        return make(WmpError::NetworkFault, "host unknown or unreachable");

    // Frames had been playing when the stream ended or failed.
    if (f.playbackStarted && f.network)
        return make(WmpError::NetworkBrokenOff, "stream broken off");

    if (anyLineContains(lines, {"No such file or directory", "Permission denied"}))
        return make(WmpError::CannotAccess, "file not found or not readable");

    const bool unknownFormat = f.endError == MPV_ERROR_UNKNOWN_FORMAT
                               || f.endError == MPV_ERROR_NOTHING_TO_PLAY
                               || anyLineContains(lines, {"Failed to recognize file format",
                                                          "No video or audio streams selected"});
    if (unknownFormat)
        return make(WmpError::UnknownFormat, "unrecognised format");

    // A server that accepts the connection and never answers leaves nothing
    // but "Failed to open" once the network timeout has run out.
    if (f.network && f.endError == MPV_ERROR_LOADING_FAILED && f.networkTimeout > 0
        && f.secondsSinceStart >= 0.8 * f.networkTimeout)
        return make(WmpError::NoResponse, "server stopped answering");

    if (f.network && f.endedAtEof)
        return make(WmpError::NetworkBrokenOff, "stream broken off");

    return make(WmpError::Generic, "playback failed");
}

} // namespace kestova
