#include "shell/window_registry.h"

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
    if (window && window->isVisible())
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

} // namespace velkor::shell
