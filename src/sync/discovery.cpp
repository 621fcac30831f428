#include "sync/discovery.h"

#include "sync/dav_xml.h"

#include <memory>

namespace velkor::sync {

namespace {

const QList<QPair<const char*, const char*>> CollectionProperties = {
    {DavNs, "resourcetype"},  {DavNs, "displayname"}, {CalDavNs, "supported-calendar-component-set"},
    {CalServerNs, "getctag"}, {DavNs, "sync-token"},  {DavNs, "supported-report-set"},
};

std::optional<Collection> collectionOf(const DavResponse& response) {
    const auto type = response.found.find(qualified(DavNs, "resourcetype"));
    if (type == response.found.end())
        return std::nullopt;
    Collection c;
    c.href = response.href;
    c.calendar = type->children.contains(qualified(CalDavNs, "calendar"));
    c.addressBook = type->children.contains(qualified(CardDavNs, "addressbook"));
    if (!c.calendar && !c.addressBook)
        return std::nullopt;
    c.displayName = response.found.value(qualified(DavNs, "displayname")).text.trimmed();
    c.components =
        response.found.value(qualified(CalDavNs, "supported-calendar-component-set")).componentNames;
    c.syncCollection = response.found.value(qualified(DavNs, "supported-report-set"))
                           .children.contains(qualified(DavNs, "sync-collection"));
    return c;
}

QString failure(const DavReply& reply) {
    if (reply.status == 0)
        return reply.error;
    return QStringLiteral("HTTP %1").arg(reply.status);
}

// Walks one discovery; it owns itself until `done` has been called.
struct Walk : std::enable_shared_from_this<Walk> {
    DavClient& client;
    std::function<void(const Discovered&)> done;
    Discovered found;
    int redirects = 0;
    bool triedWellKnown = false;

    Walk(DavClient& c, std::function<void(const Discovered&)> d) : client(c), done(std::move(d)) {}

    void finish(const QString& error = {}, int status = 0) {
        found.error = error;
        found.status = status;
        done(found);
    }

    void askPrincipal(const QUrl& url) {
        auto self = shared_from_this();
        client.xml("PROPFIND", url, 0, propfindBody({{DavNs, "current-user-principal"}}),
                   [self, url](const DavReply& reply) { self->principalAnswered(url, reply); });
    }

    void principalAnswered(const QUrl& url, const DavReply& reply) {
        if (reply.status >= 300 && reply.status < 400 && !reply.location.isEmpty() && redirects++ < 5)
            return askPrincipal(url.resolved(QUrl::fromEncoded(reply.location)));
        if (reply.status == 401 || reply.status == 0)
            return finish(failure(reply), reply.status);
        const Multistatus answer = parseMultistatus(reply.body);
        for (const DavResponse& r : answer.responses) {
            const auto hrefs = r.found.value(qualified(DavNs, "current-user-principal")).hrefs;
            if (!hrefs.isEmpty()) {
                found.principal = hrefs.first();
                return askHomes();
            }
        }
        if (!triedWellKnown) {
            triedWellKnown = true;
            return askPrincipal(client.base().resolved(QUrl(QStringLiteral("/.well-known/caldav"))));
        }
        finish(failure(reply), reply.status);
    }

    void askHomes() {
        auto self = shared_from_this();
        client.xml("PROPFIND", client.resolve(found.principal), 0,
                   propfindBody({{CalDavNs, "calendar-home-set"}, {CardDavNs, "addressbook-home-set"}}),
                   [self](const DavReply& reply) {
                       if (!reply.success())
                           return self->finish(failure(reply), reply.status);
                       for (const DavResponse& r : parseMultistatus(reply.body).responses) {
                           const auto cal = r.found.value(qualified(CalDavNs, "calendar-home-set")).hrefs;
                           const auto card =
                               r.found.value(qualified(CardDavNs, "addressbook-home-set")).hrefs;
                           if (!cal.isEmpty())
                               self->found.calendarHome = cal.first();
                           if (!card.isEmpty())
                               self->found.addressBookHome = card.first();
                       }
                       self->listHome(self->found.calendarHome, true);
                   });
    }

    void listHome(const QByteArray& home, bool first) {
        const bool sameHome = home == found.addressBookHome;
        auto next = [self = shared_from_this(), first, sameHome] {
            if (first && !sameHome && !self->found.addressBookHome.isEmpty())
                return self->listHome(self->found.addressBookHome, false);
            self->finish();
        };
        if (home.isEmpty())
            return next();
        client.xml("PROPFIND", client.resolve(home), 1, propfindBody(CollectionProperties),
                   [self = shared_from_this(), next](const DavReply& reply) {
                       if (!reply.success())
                           return self->finish(failure(reply), reply.status);
                       for (const DavResponse& r : parseMultistatus(reply.body).responses) {
                           if (auto c = collectionOf(r))
                               self->found.collections.append(*c);
                       }
                       next();
                   });
    }
};

} // namespace

void discover(DavClient& client, std::function<void(const Discovered&)> done) {
    auto walk = std::make_shared<Walk>(client, std::move(done));
    walk->askPrincipal(client.base());
}

void describeCollection(DavClient& client, const QByteArray& href,
                        std::function<void(std::optional<Collection>, const DavReply&)> done) {
    client.xml("PROPFIND", client.resolve(href), 0, propfindBody(CollectionProperties),
               [done = std::move(done)](const DavReply& reply) {
                   std::optional<Collection> found;
                   if (reply.success()) {
                       for (const DavResponse& r : parseMultistatus(reply.body).responses) {
                           if ((found = collectionOf(r)))
                               break;
                       }
                   }
                   done(found, reply);
               });
}

void makeCollection(DavClient& client, const QByteArray& home, const QString& segment, const QString& name,
                    const QStringList& components, std::function<void(const DavReply&)> done) {
    QByteArray base = home;
    if (!base.endsWith('/'))
        base += '/';
    const QUrl url = client.resolve(base + QUrl::toPercentEncoding(segment) + '/');
    if (components.isEmpty())
        client.send("MKCOL", url, mkAddressbookBody(name),
                    {{"Content-Type", "application/xml; charset=utf-8"}}, std::move(done));
    else
        client.send("MKCALENDAR", url, mkcalendarBody(name, components),
                    {{"Content-Type", "application/xml; charset=utf-8"}}, std::move(done));
}

} // namespace velkor::sync
