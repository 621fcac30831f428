#include "sync/dav_client.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslError>

namespace velkor::sync {

DavClient::DavClient(QUrl base, QString user, QString password, QObject* parent)
    : QObject(parent), m_base(std::move(base)),
      m_authorization("Basic " + (user + u':' + password).toUtf8().toBase64()) {
    // Redirects are followed by discovery itself: a PROPFIND must stay a PROPFIND.
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

QUrl DavClient::resolve(const QByteArray& href) const {
    return m_base.resolved(QUrl::fromEncoded(href.trimmed()));
}

void DavClient::send(const QByteArray& verb, const QUrl& url, const QByteArray& body, const Headers& headers,
                     Done done) {
    QNetworkRequest request(url);
    request.setTransferTimeout(m_timeoutMs);
    // Sent at once rather than after a 401: half the requests on every sync.
    request.setRawHeader("Authorization", m_authorization);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    ++m_requests;
    QNetworkReply* reply = m_network.sendCustomRequest(request, verb, body);
    auto refused = std::make_shared<QString>();
    connect(reply, &QNetworkReply::sslErrors, reply, [refused](const QList<QSslError>& errors) {
        // Never ignored: the user is told which certificate was refused, so they can compare it.
        for (const QSslError& e : errors) {
            if (!e.certificate().isNull()) {
                *refused =
                    e.errorString() + QStringLiteral(" (SHA-256 ") +
                    QString::fromLatin1(e.certificate().digest(QCryptographicHash::Sha256).toHex(':')) + u')';
                return;
            }
        }
    });
    connect(reply, &QNetworkReply::finished, this, [reply, refused, done = std::move(done)] {
        reply->deleteLater();
        DavReply answer;
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->isOpen())
            answer.body = reply->readAll();
        answer.etag = reply->rawHeader("ETag");
        answer.location = reply->rawHeader("Location");
        if (answer.status == 0)
            answer.error = refused->isEmpty() ? reply->errorString() : *refused;
        done(answer);
    });
}

void DavClient::xml(const QByteArray& verb, const QUrl& url, int depth, const QByteArray& body, Done done) {
    send(verb, url, body,
         {{"Depth", QByteArray::number(depth)}, {"Content-Type", "application/xml; charset=utf-8"}},
         std::move(done));
}

void waitFor(const std::function<bool()>& done) {
    QEventLoop loop;
    while (!done())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace velkor::sync
