#include "shell/window_registry.h"

#include "core/base/console.h"
#include "core/base/unsaved_work.h"

#include <QApplication>

namespace velkor::shell {

WindowRegistry::~WindowRegistry() {
    for (const Entry& entry : std::as_const(m_entries))
        delete entry.window.data();
}

void WindowRegistry::add(int code, QAction* mark, Factory factory) {
    m_entries.insert(code, Entry{mark, std::move(factory), {}});
}

void WindowRegistry::setFactory(int code, Factory factory) {
    auto it = m_entries.find(code);
    if (it != m_entries.end())
        it->factory = std::move(factory);
}

QWidget* WindowRegistry::loaded(int code) const {
    const auto it = m_entries.constFind(code);
    return it == m_entries.cend() ? nullptr : it->window.data();
}

QList<QWidget*> WindowRegistry::loadedWindows() const {
    QList<QWidget*> windows;
    for (const Entry& entry : m_entries) {
        if (entry.window)
            windows.append(entry.window);
    }
    return windows;
}

QWidget* WindowRegistry::show(int code) {
    auto it = m_entries.find(code);
    if (it == m_entries.end())
        return nullptr;
    if (!it->window) {
        QWidget* window = it->factory ? it->factory() : nullptr;
        if (!window)
            return nullptr;
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (QAction* mark = it->mark)
            QObject::connect(window, &QObject::destroyed, mark, [mark] { mark->setChecked(false); });
        it->window = window;
    }
    it->window->show();
    it->window->raise();
    it->window->activateWindow();
    if (it->mark)
        it->mark->setChecked(true);
    return it->window;
}

bool WindowRegistry::unload(int code) {
    auto it = m_entries.find(code);
    if (it == m_entries.end() || !it->window)
        return true;
    if (!it->window->close())
        return false;
    it->window = nullptr; // already on its way out (deleted on close)
    if (it->mark)
        it->mark->setChecked(false);
    return true;
}

void WindowRegistry::toggle(int code) {
    QWidget* window = loaded(code);
    // A window holding typed work comes to the front instead: its menu item is no way to lose it.
    const auto* work = dynamic_cast<const UnsavedWork*>(window);
    if (window && window->isVisible() && !(work && work->hasUnsavedChanges()))
        unload(code);
    else
        show(code);
    syncMark(code);
}

void WindowRegistry::syncMark(int code) {
    const auto it = m_entries.constFind(code);
    if (it != m_entries.cend() && it->mark)
        it->mark->setChecked(it->window && it->window->isVisible());
}

namespace {

// Open windows that can hold typed work; a closed one still waiting to be deleted has none left.
QList<QWidget*> windowsWithWork() {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && dynamic_cast<UnsavedWork*>(widget))
            windows.append(widget);
    }
    return windows;
}

} // namespace

bool WindowRegistry::saveUnsavedWork() {
    bool allSaved = true;
    for (QWidget* window : windowsWithWork()) {
        auto* work = dynamic_cast<UnsavedWork*>(window);
        if (work->hasUnsavedChanges() && !work->saveUnsavedChanges()) {
            tellConsole(QStringLiteral("the changes in %1 could not be saved.").arg(window->objectName()));
            allSaved = false;
        }
    }
    return allSaved;
}

bool WindowRegistry::closeForExit(QWidget* window) {
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        if (it->window == window)
            return unload(it.key());
    }
    return window->close();
}

bool WindowRegistry::closeWindowsForExit(bool interactive) {
    if (!interactive)
        return saveUnsavedWork();
    // Only windows holding typed work have anything to ask; the rest simply end with the program.
    for (QWidget* window : windowsWithWork()) {
        auto* work = dynamic_cast<UnsavedWork*>(window);
        if (!work->hasUnsavedChanges())
            continue;
        work->setClosingForExit(true);
        if (!closeForExit(window)) {
            work->setClosingForExit(false);
            // The user stays with this window's work: it is shown, not left behind another one.
            window->raise();
            window->activateWindow();
            return false;
        }
    }
    return true;
}

} // namespace velkor::shell
