#include "shell/directory_wiring.h"

#include "core/interop/contacts_transfer.h"
#include "shell/window_code.h"
#include "ui/directory/directory_editor_window.h"
#include "ui/directory/directory_window.h"

namespace velkor::shell {

using directory::DirectoryEditorWindow;
using directory::DirectoryWindow;
using directory::EditorRequest;

void registerDirectoryWindows(WindowRegistry& windows, AppContext& context, QObject* owner) {
    // The editor has no menu item and no mark.
    windows.add(DirectoryEditor, nullptr);
    windows.setFactory(Directory, [&windows, &context, owner] {
        auto* window = new DirectoryWindow(context);
        QObject::connect(window, &DirectoryWindow::editorRequested, owner,
                         [&windows, &context, owner](const EditorRequest& request) {
                             windows.unload(Directory);
                             windows.setFactory(DirectoryEditor, [&windows, &context, owner, request] {
                                 auto* editor = new DirectoryEditorWindow(context, request);
                                 QObject::connect(editor, &DirectoryEditorWindow::closed, owner,
                                                  [&windows] { windows.show(Directory); });
                                 return editor;
                             });
                             windows.show(DirectoryEditor);
                         });
        return window;
    });
}

} // namespace velkor::shell
