#include "shell/diary_wiring.h"

#include "core/lang/vocabulary.h"
#include "ui/diary/diary_browser_window.h"
#include "ui/diary/diary_editor_window.h"

#include <QAction>
#include <QPointer>

#include <memory>

namespace velkor::shell {

void wireDiary(WindowRegistry& windows, AppContext& context, QAction* mark) {
    windows.add(lang::DiaryEditor, nullptr);
    // The mode the next editor opens in; the registry's factories take no arguments.
    auto editorMode = std::make_shared<diary::EditorMode>(diary::EditorMode::Add);

    diary::DiaryLinks links;
    links.showBrowser = [&windows] { windows.show(lang::DiaryBrowser); };
    links.unloadBrowser = [&windows] { windows.unload(lang::DiaryBrowser); };
    links.showEditor = [&windows, editorMode](diary::EditorMode mode) {
        *editorMode = mode;
        windows.show(lang::DiaryEditor);
    };
    links.unloadEditor = [&windows] { windows.unload(lang::DiaryEditor); };
    links.openChanged = [&context, item = QPointer<QAction>(mark)] {
        if (item)
            item->setChecked(context.state.diaryBrowserOpen || context.state.diaryEditorOpen);
    };

    windows.setFactory(lang::DiaryBrowser,
                       [&context, links] { return new diary::DiaryBrowserWindow(context, links); });
    windows.setFactory(lang::DiaryEditor, [&context, links, editorMode] {
        return new diary::DiaryEditorWindow(context, links, *editorMode);
    });
}

} // namespace velkor::shell
