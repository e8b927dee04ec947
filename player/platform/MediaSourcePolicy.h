#pragma once

#include <QString>

namespace kestova {

// What the engine may be asked to open for one source text.
struct MediaSourceDecision
{
    bool allowed = false;
    QString target;   // the URL or absolute file path handed to the engine
    bool network = false;
    QString reason;   // why a source was refused, for the error text
};

// Sources come from channel lists fetched over the Internet, so every one is
// checked before the engine sees it: only network URLs with the schemes the
// program plays and plain local files pass. Anything the engine would read as
// one of its own pseudo-protocols (lavfi filters, EDL lists, file descriptors,
// memory, standard input) is refused. Relative paths ("media/demo.mp4" in the
// bundled list) are resolved against the base directory, which also turns
// "-" and "fd://"-lookalikes into ordinary file names.
class MediaSourcePolicy
{
public:
    void setBaseDirectory(const QString &directory) { m_baseDirectory = directory; }

    MediaSourceDecision check(const QString &source) const;

private:
    QString m_baseDirectory;
};

// The "title" of a playlist item: the file name at the end of its URL or path
// ("http://h/live/ch1.asf?x=1" gives "ch1.asf"); the whole text when it has none.
QString mediaTitle(const QString &source);

// True when the text starts with "scheme://", as the engine recognises a
// protocol.
bool hasProtocolPrefix(const QString &text);

} // namespace kestova
