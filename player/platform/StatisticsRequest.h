#pragma once

#include <QObject>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;

namespace kestova {

// One statistics hit: a GET whose answer nobody reads. Sending never blocks
// and failures are dropped silently.
class StatisticsRequest
{
public:
    virtual ~StatisticsRequest() = default;
    virtual void send(const QUrl &url) = 0;
};

// Over Qt Network. The reply is abandoned as soon as the server starts to
// answer (the hit has been counted by then), so a server that streams an
// endless body costs nothing; a server that never answers is given up after
// the timeout.
class HttpStatisticsRequest final : public QObject, public StatisticsRequest
{
    Q_OBJECT
public:
    explicit HttpStatisticsRequest(QObject *parent = nullptr);
    ~HttpStatisticsRequest() override;

    void send(const QUrl &url) override;

    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    // Requests sent and not yet finished or given up.
    int pendingRequests() const { return m_pending; }

Q_SIGNALS:
    // A request finished, answered or not; for tests and diagnostics.
    void requestDone();

private:
    std::unique_ptr<QNetworkAccessManager> m_manager; // made on first use
    int m_timeoutMs = 15000;
    int m_pending = 0;
};

} // namespace kestova
