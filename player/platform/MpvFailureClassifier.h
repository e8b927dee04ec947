#pragma once

#include <QString>
#include <QStringList>

namespace kestova {

// What is known when a source has failed: the engine's end-of-file error and
// the warning/error log lines since that source started. The engine's error
// codes alone do not tell an HTTP 404 from a refused connection, so the lines
// decide where they can.
struct PlaybackFailure
{
    int endError = 0;             // mpv error code of END_FILE (0 for an end of file)
    QStringList logLines;         // "prefix: text" lines, oldest first
    bool network = false;         // the source is a network URL
    bool playbackStarted = false; // frames or sound had been playing
    bool endedAtEof = false;      // the source ended instead of failing
    double secondsSinceStart = 0; // from loading the source to the failure
    double networkTimeout = 0;    // the engine's network-timeout, seconds
};

// The result code the "m" player reports for a failure (WmpError::*), and a
// short English description for the "r" player's error event.
struct FailureClass
{
    qint32 code = 0;
    QString description;
};

FailureClass classifyFailure(const PlaybackFailure &failure);

} // namespace kestova
