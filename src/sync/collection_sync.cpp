#include "sync/collection_sync.h"

#include "sync/dav_xml.h"
#include "sync/sync_texts.h"

#include <QHash>
#include <QMultiHash>
#include <QSet>
#include <QUuid>

#include <memory>

namespace velkor::sync {

SyncCounts& SyncCounts::operator+=(const SyncCounts& other) {
    in += other.in;
    out += other.out;
    conflicts += other.conflicts;
    leftOut += other.leftOut;
    return *this;
}

bool massDelete(int count, int total) {
    return count > 5 && count * 4 > total;
}

namespace {

constexpr int MultigetBatch = 200;
constexpr int MaxRounds = 3;
constexpr int ParallelWrites = 4;

struct Fetched {
    QByteArray etag;
    RemoteItem item;
};

enum class OpKind { Create, Update, Delete };
struct Op {
    OpKind kind;
    ItemRow row;
};

// A UID as a file name: characters outside [A-Za-z0-9_.-] would need escaping that servers treat
// differently.
QByteArray fileNameOf(const QString& uid) {
    QByteArray name = uid.toUtf8();
    for (char& c : name) {
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '-'))
            c = '_';
    }
    return name;
}

struct Run : std::enable_shared_from_this<Run> {
    DavClient& client;
    SyncState& state;
    LocalSide& side;
    Collection collection;
    DeleteQuestion ask;
    std::function<void(const CollectionResult&)> done;

    QByteArray path; // the collection's path, ending in '/'
    CollectionRow stored;
    QList<ItemRow> rows;
    QString newToken, newCtag;
    bool full = false;
    bool again = false; // the server changed under a write: another round settles it
    bool wrote = false;
    int round = 0;
    int reports = 0;
    int inFlight = 0;
    bool over = false;
    QHash<QByteArray, QByteArray> listed; // href → ETag of what changed (or of everything, when full)
    QSet<QByteArray> removed;
    QList<QByteArray> toFetch;
    QHash<QByteArray, Fetched> fetched;
    QList<Op> ops;
    CollectionResult result;

    Run(DavClient& c, SyncState& s, LocalSide& l, Collection col, DeleteQuestion a,
        std::function<void(const CollectionResult&)> d)
        : client(c), state(s), side(l), collection(std::move(col)), ask(std::move(a)), done(std::move(d)) {}

    QByteArray norm(const QByteArray& href) const {
        return client.resolve(href).path(QUrl::FullyEncoded).toUtf8();
    }

    // Once: replies of writes still travelling find it over and stop there.
    void finish(const QString& error = {}) {
        if (std::exchange(over, true))
            return;
        result.error = error;
        done(result);
    }

    void fail(const DavReply& reply) {
        if (reply.status == 404 || reply.status == 410) {
            result.gone = true;
            return finish(texts::collectionGone(QString::fromUtf8(collection.href)));
        }
        if (reply.status == 401)
            return finish(texts::wrongPassword());
        finish(reply.status == 0 ? texts::noAnswer(reply.error) : texts::serverRefused(reply.status));
    }

    void start() {
        path = norm(collection.href);
        if (!path.endsWith('/'))
            path += '/';
        stored = state.collection(side.kind());
        rows = state.items(side.kind());
        if (!state.ok())
            return finish(state.error());
        if (const QString error = side.load(); !error.isEmpty())
            return finish(error);
        listed.clear();
        removed.clear();
        fetched.clear();
        ops.clear();
        full = false;
        reports = 0;
        // An item whose creation was cut off may or may not be on the server: only a full listing tells.
        const bool pending =
            std::any_of(rows.cbegin(), rows.cend(), [](const ItemRow& r) { return r.etag.isEmpty(); });
        const bool fresh = pending || round > 0 || rows.isEmpty();
        if (collection.unchanged && !pending && round == 0 && sameHere())
            return finish();
        if (collection.unchanged && !fresh) { // only this side changed: no listing needed
            newToken = stored.token;
            newCtag = stored.ctag;
            return listingDone();
        }
        if (collection.syncCollection)
            return report(fresh ? QString() : stored.token);
        checkCtag(fresh);
    }

    // Every item here as the last sync left it, none new, none edited.
    bool sameHere() const {
        QHash<QString, QByteArray> linked;
        for (const ItemRow& row : rows) {
            if (!row.foreign)
                linked.insert(row.localKey, row.localHash);
        }
        return side.edits().isEmpty() && linked.size() == side.items().size() &&
               std::all_of(side.items().cbegin(), side.items().cend(),
                           [&](const LocalItem& item) { return linked.value(item.key) == item.hash; });
    }

    // RFC 6578: what changed since the token; an empty token lists everything.
    void report(const QString& token) {
        full = token.isEmpty();
        client.xml(
            "REPORT", client.resolve(path), 0, syncCollectionBody(token),
            [self = shared_from_this(), token](const DavReply& reply) { self->reported(token, reply); });
    }

    void reported(const QString& token, const DavReply& reply) {
        // Expired or refused (Radicale: 403 valid-sync-token; Xandikos: 500 for a token it never gave):
        // forget it and list everything; the hashes keep this from doubling.
        const bool refused = reply.status == 403 || reply.status == 409 || reply.status == 400 ||
                             reply.status >= 500 || namesCondition(reply.body, "valid-sync-token");
        if (!token.isEmpty() && reply.status != 207 && refused) {
            listed.clear();
            removed.clear();
            return report(QString());
        }
        if (reply.status != 207)
            return fail(reply);
        const Multistatus answer = parseMultistatus(reply.body);
        bool truncated = false;
        for (const DavResponse& r : answer.responses) {
            const QByteArray href = norm(r.href);
            if (href == path || href + '/' == path) {
                truncated = truncated || r.status == 507;
                continue;
            }
            // Removed: a 404 for the response (RFC 6578), or no property found at all (Xandikos's form).
            if (r.status == 404 || r.found.isEmpty()) {
                removed.insert(href);
                listed.remove(href);
            } else {
                listed.insert(href, r.found.value(qualified(DavNs, "getetag")).text.trimmed().toUtf8());
                removed.remove(href);
            }
        }
        newToken = answer.syncToken;
        // A cut answer (507) goes on from the token it gave.
        if (truncated && !newToken.isEmpty() && ++reports < 1000) {
            const bool wasFull = full;
            report(newToken);
            full = wasFull;
            return;
        }
        listingDone();
    }

    void checkCtag(bool fresh) {
        client.xml("PROPFIND", client.resolve(path), 0, propfindBody({{CalServerNs, "getctag"}}),
                   [self = shared_from_this(), fresh](const DavReply& reply) {
                       if (reply.status != 207)
                           return self->fail(reply);
                       for (const DavResponse& r : parseMultistatus(reply.body).responses)
                           self->newCtag = r.found.value(qualified(CalServerNs, "getctag")).text.trimmed();
                       if (!fresh && !self->newCtag.isEmpty() && self->newCtag == self->stored.ctag)
                           return self->listingDone();
                       self->listEtags();
                   });
    }

    void listEtags() {
        full = true;
        client.xml("PROPFIND", client.resolve(path), 1,
                   propfindBody({{DavNs, "getetag"}, {DavNs, "resourcetype"}}),
                   [self = shared_from_this()](const DavReply& reply) {
                       if (reply.status != 207)
                           return self->fail(reply);
                       for (const DavResponse& r : parseMultistatus(reply.body).responses) {
                           const QByteArray href = self->norm(r.href);
                           if (href == self->path || href + '/' == self->path || href.endsWith('/'))
                               continue;
                           self->listed.insert(
                               href, r.found.value(qualified(DavNs, "getetag")).text.trimmed().toUtf8());
                       }
                       self->listingDone();
                   });
    }

    void listingDone() {
        QSet<QByteArray> known;
        for (const ItemRow& row : rows) {
            known.insert(row.href);
            const auto it = listed.find(row.href);
            if (it == listed.end()) {
                // Not listed: gone, unless its creation was cut off before the server took it.
                if (full && !row.etag.isEmpty())
                    removed.insert(row.href);
                continue;
            }
            // Our own writes come back in the next listing: the same ETag needs no fetching.
            if (!row.etag.isEmpty() && *it == row.etag)
                listed.erase(it);
        }
        toFetch = listed.keys();
        fetchNext();
    }

    void fetchNext() {
        if (toFetch.isEmpty())
            return reconcile();
        const QList<QByteArray> batch = toFetch.mid(0, MultigetBatch);
        toFetch.remove(0, batch.size());
        client.xml("REPORT", client.resolve(path), 1, multigetBody(side.calendar(), batch),
                   [self = shared_from_this()](const DavReply& reply) {
                       if (reply.status != 207)
                           return self->fail(reply);
                       const QString data = self->side.calendar() ? qualified(CalDavNs, "calendar-data")
                                                                  : qualified(CardDavNs, "address-data");
                       for (const DavResponse& r : parseMultistatus(reply.body).responses) {
                           const QByteArray href = self->norm(r.href);
                           if (r.status == 404 || r.found.isEmpty()) {
                               self->removed.insert(href);
                               continue;
                           }
                           const auto text = r.found.find(data);
                           if (text == r.found.end())
                               continue;
                           self->fetched.insert(
                               href, {r.found.value(qualified(DavNs, "getetag")).text.trimmed().toUtf8(),
                                      self->side.parse(text->text.toUtf8())});
                       }
                       self->fetchNext();
                   });
    }

    // An item edited here keeps its row, and so its UID and href: the edit goes out as a change. An edit
    // whose result is already another row's item, or whose original is here again, is left as gone and new.
    void followEdits(const QHash<QString, LocalItem>& local) {
        for (const auto& [before, after] : side.edits()) {
            if (local.contains(before) || std::any_of(rows.cbegin(), rows.cend(),
                                                      [&](const ItemRow& r) { return r.localKey == after; }))
                continue;
            for (ItemRow& row : rows) {
                if (!row.foreign && row.localKey == before) {
                    row.localKey = after;
                    break;
                }
            }
        }
    }

    // Decides every item's fate, writes this side and sync.db, then the server.
    void reconcile() {
        QHash<QString, LocalItem> local;
        for (const LocalItem& item : side.items())
            local.insert(item.key, item);
        followEdits(local);
        QSet<QString> linked;
        for (const ItemRow& row : rows) {
            if (!row.foreign && local.contains(row.localKey) && !removed.contains(row.href))
                linked.insert(row.localKey);
        }
        QMultiHash<QByteArray, QString> unlinked; // local items no row links, by hash
        for (const LocalItem& item : side.items()) {
            if (!linked.contains(item.key))
                unlinked.insert(item.hash, item.key);
        }

        QStringList localRemove;
        QList<ItemRow> replaced; // rows whose local item takes the server's content (remoteHash names it)
        QList<ItemRow> localAdd; // rows whose local item is still to be added (remoteHash names it)
        QList<ItemRow> puts;
        QList<QByteArray> drops;
        int deletesHere = 0, deletesThere = 0;

        // A server's item taken here: an equal local item nobody links is the same item, never a double.
        const auto takeRemote = [&](ItemRow row) {
            row.foreign = false;
            const auto match = unlinked.find(row.remoteHash);
            if (match != unlinked.end()) {
                row.localKey = *match;
                row.localHash = row.remoteHash;
                unlinked.erase(match);
                puts.append(row);
                return;
            }
            localAdd.append(row);
            ++result.counts.in;
        };
        const auto leaveOnServer = [&](ItemRow row, const RemoteItem& item) {
            row.foreign = true;
            row.localKey.clear();
            puts.append(row);
            result.counts.leftOut.append(item.leftOut);
        };

        QSet<QByteArray> known;
        for (ItemRow row : rows) {
            known.insert(row.href);
            const auto f = fetched.constFind(row.href);
            const bool gone = removed.contains(row.href) && f == fetched.cend();
            if (row.foreign) {
                if (gone)
                    drops.append(row.href);
                else if (f != fetched.cend() && !f->item.hash.isEmpty())
                    takeRemote({row.href, f->item.uid, f->etag, {}, {}, f->item.hash, false});
                else if (f != fetched.cend())
                    puts.append({row.href, row.uid, f->etag, {}, {}, {}, true});
                continue;
            }
            const auto here = local.constFind(row.localKey);
            const bool present = here != local.cend();
            const bool changedHere = present && here->hash != row.localHash;
            if (row.etag.isEmpty()) { // a creation cut off; the listing was full
                if (f == fetched.cend()) {
                    if (present)
                        ops.append({OpKind::Create, row});
                    else
                        drops.append(row.href);
                } else if (present && f->item.hash == here->hash) {
                    row.etag = f->etag;
                    row.remoteHash = f->item.hash;
                    puts.append(row);
                } else if (!present) {
                    row.etag = f->etag;
                    ops.append({OpKind::Delete, row});
                } else {
                    takeRemote({row.href, f->item.uid, f->etag, {}, {}, f->item.hash, false});
                    unlinked.insert(here->hash, here->key);
                }
                continue;
            }
            if (gone) {
                if (changedHere ||
                    (present && side.keepsDeleted())) { // changed here, deleted there: made again
                    unlinked.remove(here->hash, here->key);
                    row.etag.clear();
                    row.localHash = here->hash;
                    ops.append({OpKind::Create, row});
                } else {
                    if (present && !localRemove.contains(row.localKey)) {
                        localRemove.append(row.localKey);
                        ++deletesHere;
                        ++result.counts.in;
                    }
                    drops.append(row.href);
                }
                continue;
            }
            const bool changedThere = f != fetched.cend() && f->item.hash != row.remoteHash;
            if (f != fetched.cend())
                row.etag = f->etag;
            if (!present) {
                if (changedThere) { // deleted here, changed there: the server's version stays
                    ++result.counts.conflicts;
                    if (f->item.hash.isEmpty())
                        leaveOnServer(row, f->item);
                    else
                        takeRemote({row.href, f->item.uid, f->etag, {}, {}, f->item.hash, false});
                } else {
                    ops.append({OpKind::Delete, row});
                    ++deletesThere;
                }
                continue;
            }
            if (changedThere && f->item.hash.isEmpty()) { // no longer a plan on the server
                localRemove.append(row.localKey);
                leaveOnServer(row, f->item);
                continue;
            }
            if (changedThere && changedHere && f->item.hash != here->hash) {
                // Both changed: the server's version takes the item, ours becomes an item of its own.
                ++result.counts.conflicts;
                takeRemote({row.href, f->item.uid, f->etag, {}, {}, f->item.hash, false});
                unlinked.insert(here->hash, here->key);
                continue;
            }
            if (changedThere && !changedHere) {
                row.remoteHash = f->item.hash;
                replaced.append(row);
                ++result.counts.in;
                continue;
            }
            if (changedHere && !changedThere) {
                row.localHash = here->hash;
                ops.append({OpKind::Update, row});
                continue;
            }
            if (changedThere) { // both changed alike
                row.localHash = row.remoteHash = here->hash;
            }
            if (f != fetched.cend() || changedThere)
                puts.append(row);
        }
        for (auto f = fetched.cbegin(); f != fetched.cend(); ++f) {
            if (known.contains(f.key()))
                continue;
            const ItemRow row{f.key(), f->item.uid, f->etag, {}, {}, f->item.hash, false};
            if (f->item.hash.isEmpty())
                leaveOnServer(row, f->item);
            else
                takeRemote(row);
        }
        for (auto it = unlinked.cbegin(); it != unlinked.cend(); ++it) {
            if (localRemove.contains(it.value()))
                continue; // deleted on the server and going here
            const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
            const QByteArray href = path + fileNameOf(uid) + (side.calendar() ? ".ics" : ".vcf");
            ops.append({OpKind::Create, {href, uid, {}, it.value(), it.key(), it.key(), false}});
        }

        // A server emptied by mistake must not empty this side, nor the other way round.
        const int remoteTotal =
            int(std::count_if(rows.cbegin(), rows.cend(), [](const ItemRow& r) { return !r.foreign; }));
        if ((massDelete(deletesHere, int(side.items().size())) &&
             !(ask && ask(side.kind(), deletesHere, int(side.items().size()), true))) ||
            (massDelete(deletesThere, remoteTotal) &&
             !(ask && ask(side.kind(), deletesThere, remoteTotal, false)))) {
            result.refused = true;
            result.counts = {};
            return finish(texts::massDeleteRefused());
        }

        // This side first, in one write; then sync.db in one transaction. Cut off between the two, the next
        // sync finds the added items equal to the server's and links them.
        QList<QByteArray> addedHashes;
        for (const ItemRow& row : localAdd)
            addedHashes.append(row.remoteHash);
        QList<QPair<QString, QByteArray>> replacing;
        for (const ItemRow& row : replaced)
            replacing.append({row.localKey, row.remoteHash});
        QStringList replacedKeys, addedKeys;
        if (const QString error = side.apply(localRemove, replacing, addedHashes, &replacedKeys, &addedKeys);
            !error.isEmpty())
            return finish(error);
        for (qsizetype i = 0; i < replaced.size(); ++i) {
            replaced[i].localKey = replacedKeys.value(i);
            replaced[i].localHash = replaced[i].remoteHash;
            puts.append(replaced[i]);
        }
        for (qsizetype i = 0; i < localAdd.size(); ++i) {
            localAdd[i].localKey = addedKeys.value(i);
            localAdd[i].localHash = localAdd[i].remoteHash;
            puts.append(localAdd[i]);
        }
        const QString kind = side.kind();
        bool written = state.transaction();
        for (const QByteArray& href : drops)
            written = written && state.remove(kind, href);
        for (const ItemRow& row : puts)
            written = written && state.put(kind, row);
        // Creations are noted before they are sent, so a cut-off one is looked for, not sent twice.
        for (const Op& op : ops) {
            if (op.kind == OpKind::Create)
                written = written && state.put(kind, op.row);
        }
        if (!written || !state.commit()) {
            state.rollback();
            return finish(state.error());
        }
        pushNext();
    }

    // A few writes at a time: the server works on one while the next travels. Each ends in opDone().
    void pushNext() {
        while (!over && !ops.isEmpty() && inFlight < ParallelWrites) {
            wrote = true;
            ++inFlight;
            send(ops.takeFirst());
        }
        if (!over && ops.isEmpty() && inFlight == 0)
            roundDone();
    }

    void opDone() {
        --inFlight;
        pushNext();
    }

    void send(Op op) {
        const QUrl url = client.resolve(op.row.href);
        auto self = shared_from_this();
        if (op.kind == OpKind::Delete) {
            client.send("DELETE", url, {}, {{"If-Match", op.row.etag}}, [self, op](const DavReply& reply) {
                if (self->over)
                    return;
                if (reply.status == 412) {
                    self->again = true;
                    return self->opDone();
                }
                if (!reply.success() && reply.status != 404)
                    return self->fail(reply);
                if (!self->state.remove(self->side.kind(), op.row.href))
                    return self->finish(self->state.error());
                ++self->result.counts.out;
                self->opDone();
            });
            return;
        }
        const QByteArray body = side.serialize(op.row.localKey, op.row.uid);
        Headers headers;
        headers.append({QByteArray("Content-Type"), side.calendar()
                                                        ? QByteArray("text/calendar; charset=utf-8")
                                                        : QByteArray("text/vcard; charset=utf-8")});
        if (op.kind == OpKind::Create)
            headers.append({QByteArray("If-None-Match"), QByteArray("*")});
        else
            headers.append({"If-Match", op.row.etag});
        client.send("PUT", url, body, headers, [self, op](const DavReply& reply) mutable {
            if (self->over)
                return;
            if (reply.status == 412 || reply.status == 409) {
                // Someone wrote there meanwhile: the next round fetches it and decides.
                self->again = true;
                return self->opDone();
            }
            // Xandikos answers a refused PUT with 207 and the precondition it failed.
            if (!reply.success() || reply.status == 207)
                return self->fail(reply);
            ++self->result.counts.out;
            op.row.remoteHash = op.row.localHash;
            if (reply.strongEtag()) {
                op.row.etag = reply.etag;
                return self->keep(op.row);
            }
            // No strong ETag: the server may have changed what it stored; read its tag again.
            self->client.xml("PROPFIND", self->client.resolve(op.row.href), 0,
                             propfindBody({{DavNs, "getetag"}}), [self, op](const DavReply& tag) mutable {
                                 if (self->over)
                                     return;
                                 for (const DavResponse& r : parseMultistatus(tag.body).responses)
                                     op.row.etag =
                                         r.found.value(qualified(DavNs, "getetag")).text.trimmed().toUtf8();
                                 if (op.row.etag.isEmpty())
                                     op.row.etag = "-"; // unknown: the next listing differs and fetches it
                                 self->keep(op.row);
                             });
        });
    }

    void keep(const ItemRow& row) {
        if (!state.put(side.kind(), row))
            return finish(state.error());
        opDone();
    }

    void roundDone() {
        if (again && round + 1 < MaxRounds) {
            again = false;
            ++round;
            return start();
        }
        if (!again && wrote && collection.syncCollection && !newToken.isEmpty())
            return confirmToken();
        saveToken();
    }

    // The token came before our own writes: an item we made and someone deleted since would never be
    // listed from it. The changes since that token are ours alone, or the old token stays.
    void confirmToken() {
        client.xml("REPORT", client.resolve(path), 0, syncCollectionBody(newToken),
                   [self = shared_from_this()](const DavReply& reply) {
                       const Multistatus answer = parseMultistatus(reply.body);
                       if (reply.status != 207 || answer.syncToken.isEmpty())
                           return self->saveToken();
                       QHash<QByteArray, QByteArray> ours;
                       for (const ItemRow& row : self->state.items(self->side.kind()))
                           ours.insert(row.href, row.etag);
                       for (const DavResponse& r : answer.responses) {
                           const QByteArray href = self->norm(r.href);
                           if (href == self->path || href + '/' == self->path)
                               continue;
                           const bool gone = r.status == 404 || r.found.isEmpty();
                           const QByteArray etag =
                               r.found.value(qualified(DavNs, "getetag")).text.trimmed().toUtf8();
                           if (gone ? ours.contains(href) : ours.value(href) != etag)
                               return self->saveToken();
                       }
                       self->newToken = answer.syncToken;
                       self->saveToken();
                   });
    }

    void saveToken() {
        // The token is kept only when nothing is left to settle.
        if (!again && !state.setCollection(side.kind(), {collection.href, newToken, newCtag}))
            return finish(state.error());
        if (!again)
            side.editsFollowed();
        finish();
    }
};

} // namespace

void syncCollection(DavClient& client, SyncState& state, LocalSide& side, const Collection& collection,
                    DeleteQuestion ask, std::function<void(const CollectionResult&)> done) {
    auto run = std::make_shared<Run>(client, state, side, collection, std::move(ask), std::move(done));
    run->start();
}

} // namespace velkor::sync
