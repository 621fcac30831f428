#pragma once

#include <QAction>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace velkor::shell {

// Owns the program's windows: each is made when first shown and destroyed when unloaded; the menu item of
// an open window carries a check mark, kept in step when the window closes itself.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;
    // The windows go with their owner, so none outlives the context it works on.
    ~WindowRegistry();

    void add(int code, QAction* mark, Factory factory = {});
    void setFactory(int code, Factory factory);
    bool knows(int code) const { return m_entries.contains(code); }

    // The window when it is loaded, else null. Asking never loads it.
    QWidget* loaded(int code) const;
    QList<QWidget*> loadedWindows() const;

    // Shows the window, making it first when needed, and sets its mark.
    QWidget* show(int code);
    // Closes and destroys the window; false when it refused to close (e.g. the user kept unsaved work).
    bool unload(int code);
    // Open windows are unloaded, closed ones shown; the mark then tells which.
    void toggle(int code);
    void syncMark(int code);

    // The close step of every open window before the program ends; windows holding typed work (also
    // those not made here, such as an editor opened by another window) go first. Interactive: each asks
    // about its work as on its own close, and false means one stayed open, so the program goes on.
    // Otherwise nobody can answer: work is saved without asking, and false means some could not be.
    bool closeWindowsForExit(bool interactive);
    // Saves every window's typed work without asking or closing (e.g. when the session is about to end);
    // false when some could not be saved.
    bool saveUnsavedWork();

private:
    bool closeForExit(QWidget* window);

    struct Entry {
        QAction* mark = nullptr;
        Factory factory;
        QPointer<QWidget> window;
    };
    QHash<int, Entry> m_entries;
};

} // namespace velkor::shell
