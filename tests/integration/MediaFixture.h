#pragma once

// Test media made by ffmpeg into a temporary folder, and the local media
// server (media_server.py) serving that folder on 127.0.0.1 at a port the
// system picks. Shared by the integration tests and the engine benchmark.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace kestova::test {

class MediaFixture
{
public:
    // Makes the media and starts the server; ok() tells whether both worked
    // and error() why not.
    MediaFixture();
    ~MediaFixture();

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    QString folder() const { return m_dir.path(); }
    QString url(const QString &path) const; // "http://127.0.0.1:<port>/<path>"
    int port() const { return m_port; }

    // A port on 127.0.0.1 where nothing listens.
    static int closedPort();

private:
    bool makeMedia();
    bool startServer();

    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_server;
    int m_port = 0;
    QString m_error;
};

} // namespace kestova::test
