#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

#include <functional>

namespace velkor::sync {

struct DavReply {
    int status = 0; // the HTTP status; 0 when no answer came
    QString error;  // why no answer came (network, timeout, refused certificate)
    QByteArray body;
    QByteArray etag; // as the server wrote it, quotes included
    QByteArray location;

    bool success() const { return status >= 200 && status < 300; }
    // A weak or missing ETag cannot guard a later write.
    bool strongEtag() const { return !etag.isEmpty() && !etag.startsWith("W/"); }
};

using Headers = QList<QPair<QByteArray, QByteArray>>;

// WebDAV requests on one server, each answered through its callback on the event loop. Every request has
// a timeout; the password is held in memory only.
class DavClient final : public QObject {
    Q_OBJECT
public:
    DavClient(QUrl base, QString user, QString password, QObject* parent = nullptr);

    const QUrl& base() const { return m_base; }
    // An href of an answer, relative or absolute, as a URL of this server.
    QUrl resolve(const QByteArray& href) const;

    using Done = std::function<void(const DavReply&)>;
    void send(const QByteArray& verb, const QUrl& url, const QByteArray& body, const Headers& headers,
              Done done);
    // PROPFIND and REPORT with an XML body and a depth.
    void xml(const QByteArray& verb, const QUrl& url, int depth, const QByteArray& body, Done done);

    // How many requests went out, for the benchmarks.
    int requestCount() const { return m_requests; }
    void setTimeout(int ms) { m_timeoutMs = ms; }

private:
    QNetworkAccessManager m_network;
    QUrl m_base;
    QByteArray m_authorization;
    int m_timeoutMs = 30000;
    int m_requests = 0;
};

// Runs the event loop until `done` holds: for the command line only, never under windows.
void waitFor(const std::function<bool()>& done);

} // namespace velkor::sync
