#include "shell/diary_wiring.h"

#include "shell/window_code.h"
#include "ui/diary/diary_browser_window.h"
#include "ui/diary/diary_editor_window.h"

namespace velkor::shell {

void wireDiary(WindowRegistry& windows, AppContext& context, const ShellDoors& doors) {
    windows.add(DiaryEditor, nullptr);
    windows.setFactory(DiaryBrowser, [&context] { return new diary::DiaryBrowserWindow(context); });
    windows.setFactory(DiaryEditor, [&context, &doors] {
        return new diary::DiaryEditorWindow(context, doors.diaryEditorMode());
    });
}

} // namespace velkor::shell
