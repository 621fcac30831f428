#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace velkor::sync {

// Names are "{namespace}local", so a prefix chosen by the server never matters.
inline constexpr char DavNs[] = "DAV:";
inline constexpr char CalDavNs[] = "urn:ietf:params:xml:ns:caldav";
inline constexpr char CardDavNs[] = "urn:ietf:params:xml:ns:carddav";
inline constexpr char CalServerNs[] = "http://calendarserver.org/ns/";

QString qualified(const char* ns, const char* local);

// One property of an answer: its text, the hrefs inside it, the names of the elements inside it and the
// `name` attributes among them (the components a calendar takes).
struct DavProperty {
    QString text;
    QList<QByteArray> hrefs;
    QStringList children;
    QStringList componentNames;
};

struct DavResponse {
    QByteArray href;
    int status = 0;                    // of the response itself, when it gives one (a removed item: 404)
    QHash<QString, DavProperty> found; // the properties answered with 200
};

struct Multistatus {
    bool valid = false;
    QList<DavResponse> responses;
    QString syncToken; // the sync-collection answer's new token
};

Multistatus parseMultistatus(const QByteArray& body);
// The status code of "HTTP/1.1 404 Not Found".
int statusCode(QStringView line);
// True when an error body names the precondition, e.g. "valid-sync-token".
bool namesCondition(const QByteArray& body, const char* local);

// Request bodies.
QByteArray propfindBody(const QList<QPair<const char*, const char*>>& properties);
QByteArray syncCollectionBody(const QString& token);
// calendar-multiget or addressbook-multiget for the hrefs.
QByteArray multigetBody(bool calendar, const QList<QByteArray>& hrefs);
QByteArray mkcalendarBody(const QString& name, const QStringList& components);
QByteArray mkAddressbookBody(const QString& name);

} // namespace velkor::sync
