#pragma once

#include "core/base/core_context.h"
#include "ui/common/window_doors.h"

namespace velkor {

// What plan entry is opened for: a day chosen on a calendar, today, or a listed plan to change.
enum class EntryMode { New, Old, YepNew };

// The fields the windows hand each other work through. The shell owns the one the program runs on.
struct SharedState {
    int selDay = 0;   // 1..31 handed to plan entry; 0 while none was chosen
    int selMonth = 0; // 1..12 handed to plan entry; 0 while none was chosen
    EntryMode entryMode = EntryMode::New;
    qint32 diaryRecordNo = 0;

    bool planEntryOpen = false;
    bool diaryBrowserOpen = false;
    bool diaryEditorOpen = false;
    bool dirEditorOpen = false;
};

// The core's context with what the windows share. The shell lends its state and doors to the windows
// through it; a window takes the state when it is made.
struct AppContext : CoreContext {
    SharedState* state = nullptr;
    WindowDoors* doors = nullptr; // none: the windows' links to each other do nothing
};

} // namespace velkor
