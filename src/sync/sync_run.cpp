#include "sync/sync_run.h"

#include "sync/account.h"
#include "sync/contact_side.h"
#include "sync/dav_xml.h"
#include "sync/diary_side.h"
#include "sync/plan_side.h"
#include "sync/sync_texts.h"

#include <QSet>
#include <QTimer>

#include <memory>

namespace velkor::sync {

QString discoveryError(const Discovered& found) {
    if (found.status == 401 || found.status == 403)
        return texts::wrongPassword();
    if (found.status == 0)
        return texts::noAnswer(found.error);
    return texts::serverRefused(found.status);
}

QString stateFileIn(const QDir& dataDir) {
    return dataDir.filePath(QStringLiteral("sync.db"));
}

namespace {

SyncOutcome failed(const QString& why, int requests = 0) {
    SyncOutcome outcome;
    outcome.summary = why;
    outcome.requests = requests;
    return outcome;
}

// The caller hears of the end after the last reply's handler has returned: the client may go then.
template <typename Self> void deliver(const std::shared_ptr<Self>& self, const SyncOutcome& outcome) {
    QTimer::singleShot(0, [self, outcome] { self->report(outcome); });
}

// Made to be deleted only from the event loop itself: the last reply of a run may hold the last reference,
// and a network manager deleted inside its own reply's deletion takes the program down.
template <typename T, typename... Args> std::shared_ptr<T> makeRun(Args&&... args) {
    return std::shared_ptr<T>(new T(std::forward<Args>(args)...),
                              [](T* run) { QTimer::singleShot(0, [run] { delete run; }); });
}

struct Setup : std::enable_shared_from_this<Setup> {
    QDir dataDir;
    DavClient client;
    SyncDone report;
    void done(const SyncOutcome& outcome) { deliver(shared_from_this(), outcome); }
    QString name;
    Account account;
    Discovered found;

    Setup(const QDir& dir, const QUrl& url, const QString& user, const QString& password, SyncDone d,
          QString n)
        : dataDir(dir), client(url, user, password), report(std::move(d)), name(std::move(n)) {
        account.url = url;
        account.user = user;
    }

    void start() {
        discover(client, [self = shared_from_this()](const Discovered& found) {
            if (!found.error.isEmpty())
                return self->done(failed(discoveryError(found), self->client.requestCount()));
            self->found = found;
            self->findCalendar(true);
        });
    }

    // The collection's last path segment: its name in lower case, letters and digits only.
    QString segment() const {
        QString s;
        for (const QChar c : name.toLower())
            s += c.isLetterOrNumber() && c.unicode() < 128 ? c : u'-';
        return s;
    }

    enum class Kind { Plans, Contacts, Diary };
    const Collection* own(Kind kind) const {
        for (const Collection& c : found.collections) {
            const bool fits = kind == Kind::Plans      ? c.calendar && c.takes(QStringLiteral("VEVENT"))
                              : kind == Kind::Contacts ? c.addressBook
                                                       : c.calendar && c.takes(QStringLiteral("VJOURNAL"));
            if (fits && c.displayName == (kind == Kind::Diary ? diaryName() : name))
                return &c;
        }
        return nullptr;
    }
    QString diaryName() const { return name + QStringLiteral(" diary"); }

    void findCalendar(bool mayMake) {
        if (const Collection* c = own(Kind::Plans)) {
            account.calendar = c->href;
            return findAddressBook(true);
        }
        if (!mayMake || found.calendarHome.isEmpty())
            return done(failed(texts::noCollection(), client.requestCount()));
        makeCollection(client, found.calendarHome, segment(), name,
                       {QStringLiteral("VEVENT"), QStringLiteral("VJOURNAL")},
                       [self = shared_from_this()](const DavReply& reply) {
                           if (!reply.success())
                               return self->done(failed(texts::noCollection(), self->client.requestCount()));
                           self->relist([self] { self->findCalendar(false); });
                       });
    }

    void findAddressBook(bool mayMake) {
        if (const Collection* c = own(Kind::Contacts)) {
            account.addressBook = c->href;
            return findJournal(true);
        }
        if (!mayMake || found.addressBookHome.isEmpty())
            return findJournal(true);
        makeCollection(client, found.addressBookHome, segment() + QStringLiteral("-contacts"), name, {},
                       [self = shared_from_this()](const DavReply&) {
                           self->relist([self] { self->findAddressBook(false); });
                       });
    }

    // The diary in a calendar of its own: phones show journal entries poorly, if at all.
    void findJournal(bool mayMake) {
        if (const Collection* c = own(Kind::Diary)) {
            account.journal = c->href;
            return store();
        }
        if (!mayMake || found.calendarHome.isEmpty())
            return store();
        makeCollection(client, found.calendarHome, segment() + QStringLiteral("-diary"), diaryName(),
                       {QStringLiteral("VJOURNAL")}, [self = shared_from_this()](const DavReply&) {
                           self->relist([self] { self->findJournal(false); });
                       });
    }

    void relist(std::function<void()> then) {
        discover(client, [self = shared_from_this(), then](const Discovered& found) {
            self->found = found;
            then();
        });
    }

    void store() {
        // Another server or other collections: what sync.db knew links nothing any more.
        const std::optional<Account> before = readAccount(dataDir);
        SyncState state(stateFileIn(dataDir));
        if (before && (before->url != account.url || before->user != account.user ||
                       before->calendar != account.calendar))
            state.forgetCollection(QStringLiteral("plans"));
        if (before && before->addressBook != account.addressBook)
            state.forgetCollection(QStringLiteral("contacts"));
        if (before && before->journal != account.journal)
            state.forgetCollection(QStringLiteral("diary"));
        if (const QString error = writeAccount(dataDir, account); !error.isEmpty())
            return done(failed(error, client.requestCount()));
        SyncOutcome outcome;
        outcome.ok = true;
        outcome.requests = client.requestCount();
        outcome.summary =
            texts::accountStored(QString::fromUtf8(account.calendar), QString::fromUtf8(account.addressBook));
        done(outcome);
    }
};

struct Sync : std::enable_shared_from_this<Sync> {
    QDir dataDir;
    Account account;
    DavClient client;
    SyncState state;
    PlanSide plans;
    ContactSide contacts;
    DiarySide diary;
    int step = 0;
    DeleteQuestion ask;
    SyncDone report;
    SyncOutcome outcome;

    Sync(const QDir& dir, const Account& a, const QString& password, const QDateTime& now, DeleteQuestion q,
         SyncDone d)
        : dataDir(dir), account(a), client(a.url, a.user, password), state(stateFileIn(dir)), plans(dir, now),
          contacts(dir), diary(dir, now), ask(std::move(q)), report(std::move(d)) {}

    void finish(const QString& error = {}) {
        outcome.requests = client.requestCount();
        outcome.ok = error.isEmpty();
        outcome.summary =
            error.isEmpty() ? texts::summary(outcome.counts.in, outcome.counts.out, outcome.counts.conflicts)
                            : error;
        outcome.notes = outcome.counts.leftOut + plans.notes() + contacts.notes() + diary.notes();
        deliver(shared_from_this(), outcome);
    }

    void start() {
        if (!state.ok())
            return finish(state.error());
        glance();
    }

    // The collections known from the last sync, one request per home folder: those whose token (or ctag)
    // has not moved need no request of their own unless something changed here. A failure here only costs
    // the shortcut; the sync itself says what is wrong.
    QSet<QString> unchanged;
    void glance() {
        QHash<QByteArray, QList<QPair<QString, CollectionRow>>> byHome;
        const QList<QPair<QString, QByteArray>> kinds{{plans.kind(), account.calendar},
                                                      {contacts.kind(), account.addressBook},
                                                      {diary.kind(), account.journal}};
        for (const auto& [kind, href] : kinds) {
            const CollectionRow known = state.collection(kind);
            if (!href.isEmpty() && known.href == href && (!known.token.isEmpty() || !known.ctag.isEmpty()))
                byHome[homeOf(href)].append({kind, known});
        }
        glanceAt(byHome.keys(), byHome);
    }
    static QByteArray homeOf(QByteArray href) {
        if (href.endsWith('/'))
            href.chop(1);
        return href.left(href.lastIndexOf('/') + 1);
    }
    void glanceAt(QList<QByteArray> homes,
                  const QHash<QByteArray, QList<QPair<QString, CollectionRow>>>& byHome) {
        if (homes.isEmpty())
            return next();
        const QByteArray home = homes.takeFirst();
        client.xml(
            "PROPFIND", client.resolve(home), 1,
            propfindBody({{DavNs, "sync-token"}, {CalServerNs, "getctag"}}),
            [self = shared_from_this(), homes, byHome, home](const DavReply& reply) {
                const auto path = [&](const QByteArray& href) {
                    QByteArray p = self->client.resolve(href).path(QUrl::FullyEncoded).toUtf8();
                    return p.endsWith('/') ? p : p + '/';
                };
                const Multistatus answer = reply.status == 207 ? parseMultistatus(reply.body) : Multistatus();
                for (const DavResponse& r : answer.responses) {
                    for (const auto& [kind, known] : byHome.value(home)) {
                        if (path(r.href) != path(known.href))
                            continue;
                        const QString token = r.found.value(qualified(DavNs, "sync-token")).text.trimmed();
                        const QString ctag = r.found.value(qualified(CalServerNs, "getctag")).text.trimmed();
                        if (known.token.isEmpty() ? ctag == known.ctag : token == known.token)
                            self->unchanged.insert(kind);
                    }
                }
                self->glanceAt(homes, byHome);
            });
    }

    // The plans' calendar, then the directory's address book when there is one.
    void next() {
        LocalSide* side = nullptr;
        QByteArray href;
        if (step == 0) {
            side = &plans;
            href = account.calendar;
        } else if (step == 1 && !account.addressBook.isEmpty()) {
            side = &contacts;
            href = account.addressBook;
        } else if (step == 2 && !account.journal.isEmpty()) {
            side = &diary;
            href = account.journal;
        }
        ++step;
        if (step > 3)
            return finish();
        if (!side)
            return next();
        // A collection synced before is known: its token or ctag tells how; a removed one answers 404.
        if (const CollectionRow known = state.collection(side->kind());
            known.href == href && (!known.token.isEmpty() || !known.ctag.isEmpty())) {
            Collection c;
            c.href = href;
            c.syncCollection = !known.token.isEmpty();
            c.unchanged = unchanged.contains(side->kind());
            return syncOne(side, c);
        }
        describeCollection(
            client, href,
            [self = shared_from_this(), side, href](std::optional<Collection> c, const DavReply& reply) {
                if (!c) {
                    if (reply.status == 404 || reply.status == 410 || reply.status == 207) {
                        self->state.forgetCollection(side->kind());
                        return self->finish(texts::collectionGone(QString::fromUtf8(href)));
                    }
                    if (reply.status == 401 || reply.status == 403)
                        return self->finish(texts::wrongPassword());
                    return self->finish(reply.status == 0 ? texts::noAnswer(reply.error)
                                                          : texts::serverRefused(reply.status));
                }
                self->syncOne(side, *c);
            });
    }

    void syncOne(LocalSide* side, const Collection& c) {
        syncCollection(client, state, *side, c, ask,
                       [self = shared_from_this(), side](const CollectionResult& r) {
                           self->outcome.counts += r.counts;
                           if (r.gone)
                               self->state.forgetCollection(side->kind());
                           if (!r.error.isEmpty())
                               return self->finish(r.error);
                           self->next();
                       });
    }
};

} // namespace

void setupAccount(const QDir& dataDir, const QUrl& url, const QString& user, const QString& password,
                  SyncDone done, const QString& name) {
    auto setup = makeRun<Setup>(dataDir, url, user, password, std::move(done), name);
    setup->start();
}

void runSync(const QDir& dataDir, const QString& password, const QDateTime& now, DeleteQuestion ask,
             SyncDone done, int timeoutMs) {
    const std::optional<Account> account = readAccount(dataDir);
    if (!account)
        return done(failed(texts::noAccount()));
    auto sync = makeRun<Sync>(dataDir, *account, password, now, std::move(ask), std::move(done));
    sync->client.setTimeout(timeoutMs);
    sync->start();
}

SyncOutcome waitForSync(const std::function<void(SyncDone)>& start) {
    std::optional<SyncOutcome> result;
    start([&result](const SyncOutcome& outcome) { result = outcome; });
    waitFor([&result] { return result.has_value(); });
    return *result;
}

} // namespace velkor::sync

namespace velkor::sync {

namespace {
const QByteArray SyncWord = "sync";
}

QByteArray encodeSyncRequest(const QString& password) {
    return SyncWord + '\t' + password.toUtf8().toBase64() + '\n';
}

std::optional<QString> decodeSyncRequest(QByteArrayView line) {
    if (line.endsWith('\n'))
        line.chop(1);
    if (!line.startsWith(SyncWord + '\t'))
        return std::nullopt;
    return QString::fromUtf8(QByteArray::fromBase64(line.sliced(SyncWord.size() + 1).toByteArray()));
}

QByteArray encodeSyncAnswer(const SyncOutcome& outcome) {
    QStringList lines = outcome.notes;
    lines.append(outcome.summary);
    QByteArray answer = outcome.ok ? "ok" : "fail";
    for (const QString& line : lines)
        answer += '\t' + line.toUtf8().toBase64();
    return answer + '\n';
}

SyncOutcome decodeSyncAnswer(QByteArrayView line) {
    if (line.endsWith('\n'))
        line.chop(1);
    const QList<QByteArray> parts = line.toByteArray().split('\t');
    SyncOutcome outcome;
    outcome.ok = parts.first() == "ok";
    for (qsizetype i = 1; i < parts.size(); ++i)
        outcome.notes.append(QString::fromUtf8(QByteArray::fromBase64(parts[i])));
    if (!outcome.notes.isEmpty())
        outcome.summary = outcome.notes.takeLast();
    return outcome;
}

} // namespace velkor::sync
