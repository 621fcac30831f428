#pragma once

#include "core/directory/dir_record.h"

#include <QString>

namespace velkor::directory {

enum class EditorMode { NewEntry, Change };

// What the directory window hands its record editor: empty for a new entry; for a change the entry's
// texts and its row (whose name is the editor's OldName).
struct EditorRequest {
    DirRecord entry;
    RowRef inHand;
    EditorMode mode = EditorMode::NewEntry;
};

} // namespace velkor::directory
