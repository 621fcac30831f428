#pragma once

#include "core/base/core_context.h"

#include <array>
#include <functional>

class QWidget;

namespace velkor {

// The fields the windows hand each other work through.
struct SharedState {
    QString selDay;                    // day handed to plan entry
    QString selMonth;                  // two-character month handed to plan entry
    QString selHour;                   // HH:MM of the plan being edited, or five blanks
    QString entryMode;                 // "new", "old" or "yepnew"
    std::array<bool, 13> monthFlags{}; // index 1..12: months chosen in the plan query window
    qint32 diaryRecordNo = 0;

    bool planEntryOpen = false;
    bool diaryBrowserOpen = false;
    bool diaryEditorOpen = false;
    bool dirEditorOpen = false;
};

// The core's context with what the windows share.
struct AppContext : CoreContext {
    SharedState state;

    // Links between windows that must not know each other's classes; the shell fills them.
    // Opens plan entry modally for state.selDay/selMonth/entryMode. Returns at once: the window is modal
    // to the whole program and stores the plan itself when it closes.
    std::function<void(QWidget* parent)> openPlanEntry;
    // Stops reminder ticks while a plan is being entered; minutes passed meanwhile follow on resume.
    std::function<void(bool paused)> pauseReminders;
    // Asks for the file, moves the data through it and tells how it went; the open windows then show what
    // an import brought.
    std::function<void(QWidget* parent, Exchange what)> exchange;
};

} // namespace velkor
