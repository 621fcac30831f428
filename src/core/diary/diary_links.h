#pragma once

#include <functional>

namespace velkor::diary {

enum class EditorMode { Add, Update };

// How the diary windows reach each other and the tray menu without knowing the shell. The browser and the
// editor take each other's place: each unloads the other through these, so the shell's record of loaded
// windows stays true. Empty links do nothing.
struct DiaryLinks {
    std::function<void()> showBrowser;
    std::function<void()> unloadBrowser;
    std::function<void(EditorMode)> showEditor;
    std::function<void()> unloadEditor;
    // DiaryBrowserOpen or DiaryEditorOpen changed.
    std::function<void()> openChanged;
};

template <typename... Args> void follow(const std::function<void(Args...)>& link, Args... args) {
    if (link)
        link(args...);
}

} // namespace velkor::diary
