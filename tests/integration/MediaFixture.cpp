#include "MediaFixture.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTcpServer>

namespace kestova::test {

namespace {

// The clips: name, seconds, codec arguments.
struct Clip
{
    const char *name;
    int seconds;
    QStringList codecs;
};

QStringList lavfiSources(int seconds)
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("testsrc=size=320x240:rate=25:duration=%1").arg(seconds),
            QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds)};
}

} // namespace

MediaFixture::MediaFixture()
{
    if (!m_dir.isValid())
        m_error = QStringLiteral("no temporary folder");
    else if (makeMedia())
        startServer();
}

MediaFixture::~MediaFixture()
{
    if (m_server) {
        m_server->closeWriteChannel(); // the server ends when its input closes
        if (!m_server->waitForFinished(3000)) {
            m_server->kill();
            m_server->waitForFinished(3000);
        }
    }
}

bool MediaFixture::makeMedia()
{
    // A keyframe every second, as broadcast streams have: a player that
    // joins or re-selects the video mid-way shows a picture soon. The index
    // goes first: the server has no Range support, so nothing seeks to it.
    const QStringList h264{"-c:v", "libx264", "-preset", "ultrafast", "-g", "25",
                           "-pix_fmt", "yuv420p", "-c:a", "aac", "-movflags", "+faststart"};
    const Clip clips[] = {
        {"clip.mp4", 5, h264},
        {"short.mp4", 1, h264},
        {"clip.rm", 2, {"-c:v", "rv20", "-c:a", "ac3"}},
        {"media/local.mp4", 1, h264},
    };
    QDir(m_dir.path()).mkpath(QStringLiteral("media"));
    for (const Clip &clip : clips) {
        QProcess ffmpeg;
        QStringList args{"-nostdin", "-loglevel", "error", "-y"};
        args << lavfiSources(clip.seconds) << clip.codecs << m_dir.filePath(clip.name);
        ffmpeg.start(QStringLiteral("ffmpeg"), args);
        if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitStatus() != QProcess::NormalExit
            || ffmpeg.exitCode() != 0) {
            m_error = QStringLiteral("ffmpeg could not make %1: %2")
                          .arg(clip.name, QString::fromLocal8Bit(ffmpeg.readAllStandardError()));
            return false;
        }
    }
    // Bytes that are no media format at all, under a media file name.
    QFile garbage(m_dir.filePath(QStringLiteral("garbage.mp4")));
    if (!garbage.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("cannot write garbage.mp4");
        return false;
    }
    QRandomGenerator random(7);
    QByteArray bytes(200000, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(random.bounded(256));
    garbage.write(bytes);
    return true;
}

bool MediaFixture::startServer()
{
    m_server = std::make_unique<QProcess>();
    m_server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server->start(QStringLiteral("python3"),
                    {QStringLiteral(KESTOVA_MEDIA_SERVER), m_dir.path()});
    if (!m_server->waitForStarted(10000)) {
        m_error = QStringLiteral("python3 did not start");
        return false;
    }
    while (!m_server->canReadLine()) {
        if (!m_server->waitForReadyRead(10000)) {
            m_error = QStringLiteral("the media server did not report its port");
            return false;
        }
    }
    const QByteArray line = m_server->readLine().trimmed(); // "PORT <n>"
    m_port = line.startsWith("PORT ") ? line.mid(5).toInt() : 0;
    if (m_port <= 0) {
        m_error = QStringLiteral("unexpected first line from the media server: ")
                  + QString::fromLatin1(line);
        return false;
    }
    return true;
}

QString MediaFixture::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_port).arg(path);
}

int MediaFixture::closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const int port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace kestova::test
