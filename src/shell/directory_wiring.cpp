#include "shell/directory_wiring.h"

#include "core/lang/vocabulary.h"
#include "ui/directory/directory_editor_window.h"
#include "ui/directory/directory_window.h"

namespace velkor::shell {

using directory::DirectoryEditorWindow;
using directory::DirectoryWindow;
using directory::EditorRequest;
using directory::EditorWindowCode;

void registerDirectoryWindows(WindowRegistry& windows, AppContext& context, QObject* owner) {
    // The editor has no menu item and no mark.
    windows.add(EditorWindowCode, nullptr);
    windows.setFactory(lang::Directory, [&windows, &context, owner] {
        auto* window = new DirectoryWindow(context);
        QObject::connect(window, &DirectoryWindow::editorRequested, owner,
                         [&windows, &context, owner](const EditorRequest& request) {
                             windows.unload(lang::Directory);
                             windows.setFactory(EditorWindowCode, [&windows, &context, owner, request] {
                                 auto* editor = new DirectoryEditorWindow(context, request);
                                 QObject::connect(editor, &DirectoryEditorWindow::closed, owner,
                                                  [&windows] { windows.show(lang::Directory); });
                                 return editor;
                             });
                             windows.show(EditorWindowCode);
                         });
        return window;
    });
}

} // namespace velkor::shell
