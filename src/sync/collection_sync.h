#pragma once

#include "sync/dav_client.h"
#include "sync/discovery.h"
#include "sync/local_side.h"
#include "sync/sync_state.h"

#include <QStringList>

#include <functional>

namespace velkor::sync {

struct SyncCounts {
    int in = 0;          // changes made here
    int out = 0;         // changes made on the server
    int conflicts = 0;   // both sides had changed; both versions kept
    QStringList leftOut; // events on the server that are no plans, each named once

    SyncCounts& operator+=(const SyncCounts& other);
};

struct CollectionResult {
    QString error;        // empty when it worked
    bool refused = false; // a mass delete was not confirmed: nothing changed
    bool gone = false;    // the collection is no longer on the server
    SyncCounts counts;
};

// Asked before a sync deletes `count` of `total` items on one side (here, or on the server); the default is
// no.
using DeleteQuestion = std::function<bool(const QString& kind, int count, int total, bool here)>;

// One two-way sync of a collection with its local side. Each step is written so that a sync cut off
// anywhere is finished by the next one without doubling anything.
void syncCollection(DavClient& client, SyncState& state, LocalSide& side, const Collection& collection,
                    DeleteQuestion ask, std::function<void(const CollectionResult&)> done);

// A deletion needs asking when it is more than a few items and more than a quarter of its side.
bool massDelete(int count, int total);

} // namespace velkor::sync
