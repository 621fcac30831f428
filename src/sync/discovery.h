#pragma once

#include "sync/dav_client.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace velkor::sync {

struct Collection {
    QByteArray href;
    QString displayName;
    bool calendar = false;
    bool addressBook = false;
    QStringList components;      // VEVENT, VJOURNAL…; empty when the server does not say (all of them)
    bool syncCollection = false; // offers RFC 6578 sync-collection
    bool unchanged = false;      // the server says nothing changed there since the last sync

    bool takes(const QString& component) const {
        return components.isEmpty() || components.contains(component);
    }
};

struct Discovered {
    QString error; // empty when it worked
    int status = 0;
    QByteArray principal;
    QByteArray calendarHome;
    QByteArray addressBookHome;
    QList<Collection> collections;
};

// Finds the user's principal from the URL they gave, or from /.well-known/caldav, then their home sets and
// the collections in them.
void discover(DavClient& client, std::function<void(const Discovered&)> done);

// Describes one collection by its href: missing when the server no longer has it.
void describeCollection(DavClient& client, const QByteArray& href,
                        std::function<void(std::optional<Collection>, const DavReply&)> done);

// Makes a collection of ours in the home set: a calendar taking `components`, or an address book.
void makeCollection(DavClient& client, const QByteArray& home, const QString& segment, const QString& name,
                    const QStringList& components, std::function<void(const DavReply&)> done);

} // namespace velkor::sync
