#include "shell/diary_wiring.h"

#include "shell/window_code.h"
#include "ui/diary/diary_browser_window.h"
#include "ui/diary/diary_editor_window.h"

#include <QAction>
#include <QPointer>

#include <memory>

namespace velkor::shell {

void wireDiary(WindowRegistry& windows, AppContext& context, QAction* mark) {
    windows.add(DiaryEditor, nullptr);
    // The mode the next editor opens in; the registry's factories take no arguments.
    auto editorMode = std::make_shared<diary::EditorMode>(diary::EditorMode::Add);

    diary::DiaryLinks links;
    links.showBrowser = [&windows] { windows.show(DiaryBrowser); };
    links.unloadBrowser = [&windows] { windows.unload(DiaryBrowser); };
    links.showEditor = [&windows, editorMode](diary::EditorMode mode) {
        *editorMode = mode;
        windows.show(DiaryEditor);
    };
    links.unloadEditor = [&windows] { windows.unload(DiaryEditor); };
    links.openChanged = [&context, item = QPointer<QAction>(mark)] {
        if (item)
            item->setChecked(context.state.diaryBrowserOpen || context.state.diaryEditorOpen);
    };

    windows.setFactory(DiaryBrowser,
                       [&context, links] { return new diary::DiaryBrowserWindow(context, links); });
    windows.setFactory(DiaryEditor, [&context, links, editorMode] {
        return new diary::DiaryEditorWindow(context, links, *editorMode);
    });
}

} // namespace velkor::shell
