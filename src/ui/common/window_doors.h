#pragma once

#include "core/base/core_context.h"
#include "core/diary/editor_mode.h"

class QString;
class QWidget;

namespace velkor {

namespace interop {
struct TransferResult;
}

// How a window reaches work that lives in another window or in the shell, without knowing their classes.
// The shell implements it; a window made without a shell (tests, tools) finds no doors and does without.
class WindowDoors {
public:
    virtual ~WindowDoors() = default;

    // Opens plan entry modally for the shared day, month and entry mode. Returns at once: the window is
    // modal to the whole program and stores the plan itself when it closes.
    virtual void openPlanEntry(QWidget* parent) = 0;
    // Stops reminder ticks while a plan is being entered; minutes passed meanwhile follow on resume.
    virtual void pauseReminders(bool paused) = 0;
    // Asks for the file, moves the data through it and tells how it went; the open windows then show what
    // an import brought.
    virtual void exchange(QWidget* parent, Exchange what) = 0;

    // The month browser outlives the calendar that opens it: null when it is not loaded.
    virtual QWidget* loadedMonthBrowser() = 0;
    // Shows it, making it first when needed.
    virtual QWidget* showMonthBrowser() = 0;

    // The diary browser and editor take each other's place: each unloads the other through these, so the
    // shell's record of loaded windows stays true.
    virtual void showDiaryBrowser() = 0;
    virtual void unloadDiaryBrowser() = 0;
    virtual void showDiaryEditor(diary::EditorMode mode) = 0;
    virtual void unloadDiaryEditor() = 0;
    // diaryBrowserOpen or diaryEditorOpen changed.
    virtual void diaryOpenChanged() = 0;

    // The directory to and from a contacts file, which lives in a library above the windows.
    virtual interop::TransferResult importContacts(const QString& file) = 0;
    virtual interop::TransferResult exportContacts(const QString& file) = 0;
};

} // namespace velkor
