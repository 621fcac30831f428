#pragma once

#include "core/directory/dir_record.h"
#include "core/directory/directory_store.h"
#include "core/directory/editor_request.h"
#include "ui/common/app_context.h"

#include <QString>

namespace velkor::directory {

// The record editor's save: the question on a name taken by another entry, the write, the outcome message.
class RecordSaver {
public:
    explicit RecordSaver(AppContext& context);

    // Saves the boxes. `inHand` is the row of the entry in a change (its name is OldName); after a save it
    // is the row that holds the entry now, so that saving again changes that same entry. True when
    // something was written.
    bool save(EditorMode mode, const DirRecord& boxes, RowRef& inHand);

private:
    // The write and its outcome message, once the question on a taken name is settled.
    bool kaydet(EditorMode mode, const DirRecord& boxes, SaveWrite write, const QList<RowRef>& sameName,
                RowRef& inHand);

    AppContext& m_ctx;
    DirectoryStore m_store;
};

} // namespace velkor::directory
