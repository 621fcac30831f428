#pragma once

#include "core/directory/dir_record.h"

#include <QString>

namespace velkor::directory {

// What the directory window hands its record editor: empty for a new entry; for a change the entry's
// texts, its row (whose name is the editor's OldName), and the save button's caption that tells the mode.
struct EditorRequest {
    DirRecord entry;
    RowRef inHand;
    QString saveCaption; // empty: as the editor's load leaves it
};

} // namespace velkor::directory
