#include "platform/StatisticsRequest.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace kestova;

namespace {

// A small HTTP server on 127.0.0.1 that records request lines and answers
// in the way the test chooses.
class LocalHttpServer
{
public:
    enum class Answer { Ok, NotFound, EndlessBody, Never };

    explicit LocalHttpServer(Answer answer) : m_answer(answer)
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] { accept(); });
        m_listening = m_server.listen(QHostAddress::LocalHost, 0);
    }
    bool listening() const { return m_listening; }
    QUrl url(const QString &pathAndQuery) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(pathAndQuery));
    }
    QStringList requestLines;
    int openConnections = 0;

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            ++openConnections;
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                --openConnections;
                socket->deleteLater();
            });
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
        }
    }
    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const auto end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        requestLines << QString::fromLatin1(buffer.left(buffer.indexOf("\r\n")));
        buffer.clear();
        switch (m_answer) {
        case Answer::Ok:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 2\r\n"
                          "Connection: close\r\n\r\nok");
            socket->disconnectFromHost();
            break;
        case Answer::NotFound:
            socket->write("HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\nContent-Length: 9\r\n"
                          "Connection: close\r\n\r\nnot found");
            socket->disconnectFromHost();
            break;
        case Answer::EndlessBody: {
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n");
            auto *pump = new QTimer(socket);
            QObject::connect(pump, &QTimer::timeout, socket,
                             [socket] { socket->write(QByteArray(64 * 1024, 'x')); });
            pump->start(5);
            break;
        }
        case Answer::Never:
            break;
        }
    }

    Answer m_answer;
    QTcpServer m_server;
    bool m_listening = false;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

} // namespace

TEST(StatisticsRequest, OneGetWithThePathAndTheId)
{
    LocalHttpServer server(LocalHttpServer::Answer::Ok);
    ASSERT_TRUE(server.listening());
    HttpStatisticsRequest request;
    QSignalSpy done(&request, &HttpStatisticsRequest::requestDone);
    request.send(server.url("/admin/count_down.asp?id=kestova62"));
    // Sending does not wait for the server.
    EXPECT_TRUE(server.requestLines.isEmpty());
    EXPECT_EQ(request.pendingRequests(), 1);
    ASSERT_TRUE(done.wait(5000));
    EXPECT_EQ(server.requestLines, QStringList{"GET /admin/count_down.asp?id=kestova62 HTTP/1.1"});
    EXPECT_EQ(request.pendingRequests(), 0);
}

TEST(StatisticsRequest, AnErrorAnswerIsIgnored)
{
    LocalHttpServer server(LocalHttpServer::Answer::NotFound);
    ASSERT_TRUE(server.listening());
    HttpStatisticsRequest request;
    QSignalSpy done(&request, &HttpStatisticsRequest::requestDone);
    request.send(server.url("/admin/count_down.asp?id=kestova62"));
    ASSERT_TRUE(done.wait(5000));
    EXPECT_EQ(done.count(), 1);
    EXPECT_EQ(server.requestLines.size(), 1);
    EXPECT_EQ(request.pendingRequests(), 0);
}

TEST(StatisticsRequest, ClosedPortIsIgnored)
{
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    } // closed again: connecting is refused
    HttpStatisticsRequest request;
    QSignalSpy done(&request, &HttpStatisticsRequest::requestDone);
    request.send(QUrl(QStringLiteral("http://127.0.0.1:%1/admin/count_down.asp?id=kestova62").arg(port)));
    ASSERT_TRUE(done.wait(5000));
    EXPECT_EQ(request.pendingRequests(), 0);
}

TEST(StatisticsRequest, AnEndlessAnswerIsLeftAtOnce)
{
    LocalHttpServer server(LocalHttpServer::Answer::EndlessBody);
    ASSERT_TRUE(server.listening());
    HttpStatisticsRequest request;
    request.setTimeout(60000);
    QSignalSpy done(&request, &HttpStatisticsRequest::requestDone);
    request.send(server.url("/admin/count_down.asp?id=kestova62"));
    ASSERT_TRUE(done.wait(5000));
    EXPECT_EQ(server.requestLines.size(), 1);
    EXPECT_EQ(request.pendingRequests(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.openConnections == 0; }, 5000));
}

TEST(StatisticsRequest, AServerThatNeverAnswersIsGivenUp)
{
    LocalHttpServer server(LocalHttpServer::Answer::Never);
    ASSERT_TRUE(server.listening());
    HttpStatisticsRequest request;
    request.setTimeout(300);
    QSignalSpy done(&request, &HttpStatisticsRequest::requestDone);
    request.send(server.url("/admin/count_down.asp?id=kestova62"));
    ASSERT_TRUE(done.wait(5000));
    EXPECT_EQ(server.requestLines.size(), 1);
    EXPECT_EQ(request.pendingRequests(), 0);
}

TEST(StatisticsRequest, DestroyedWhilePendingClosesTheConnection)
{
    LocalHttpServer server(LocalHttpServer::Answer::Never);
    ASSERT_TRUE(server.listening());
    {
        HttpStatisticsRequest request;
        request.send(server.url("/admin/count_down.asp?id=kestova62"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.requestLines.size() == 1; }, 5000));
        EXPECT_EQ(request.pendingRequests(), 1);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.openConnections == 0; }, 5000));
}

TEST(StatisticsRequest, OnlyHttpAddressesAreRequested)
{
    LocalHttpServer server(LocalHttpServer::Answer::Ok);
    ASSERT_TRUE(server.listening());
    HttpStatisticsRequest request;
    const QUrl http = server.url("/x");
    for (const char *scheme : {"file", "ftp", "data", ""}) {
        QUrl url = http;
        url.setScheme(QLatin1String(scheme));
        request.send(url);
    }
    request.send(QUrl());
    EXPECT_EQ(request.pendingRequests(), 0);
    QTest::qWait(200);
    EXPECT_TRUE(server.requestLines.isEmpty());
}
