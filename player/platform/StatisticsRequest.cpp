#include "platform/StatisticsRequest.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace kestova {

HttpStatisticsRequest::HttpStatisticsRequest(QObject *parent) : QObject(parent) {}

HttpStatisticsRequest::~HttpStatisticsRequest()
{
    if (!m_manager)
        return;
    // Replies still running are aborted with their manager; nobody listens.
    for (QNetworkReply *reply : m_manager->findChildren<QNetworkReply *>())
        disconnect(reply, nullptr, this, nullptr);
}

void HttpStatisticsRequest::send(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return;
    if (!m_manager)
        m_manager = std::make_unique<QNetworkAccessManager>();

    QNetworkRequest request(url);
    request.setTransferTimeout(m_timeoutMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply *reply = m_manager->get(request);
    ++m_pending;
    // The first bytes of the answer mean the server has the hit: leave. An
    // error answer has already ended the reply's error state, so its body is
    // only drained; the hard deadline covers a server that streams forever.
    connect(reply, &QNetworkReply::readyRead, reply, [reply] {
        // Aborted from the event loop, not from inside the reply's own
        // signal, where the network layer may still be reporting on it.
        if (reply->error() == QNetworkReply::NoError)
            QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
        else
            reply->readAll();
    });
    QTimer::singleShot(4 * m_timeoutMs, reply, [reply] {
        if (reply->isRunning())
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        --m_pending;
        reply->deleteLater();
        Q_EMIT requestDone();
    });
}

} // namespace kestova
