#pragma once

#include "core/base/services.h"

#include <functional>

// The desktop's own boxes, beep, opener and file dialogs behind the program's seams.
namespace velkor {

// QMessageBox with its buttons worded in the program's current language. Texts are shown as plain text,
// and a long one in a scrolling list under its first lines, so that every box fits the screen. The list
// window is a dialog of the same kind, a cell's whole text shown under the table when its row is chosen.
class QtPrompter final : public Prompter {
public:
    Answer show(BoxKind kind, const QString& title, const QString& text) override;
    int choose(const QString& title, const QString& text, const QStringList& choices) override;
    void showList(const QString& title, const QString& text, const QStringList& columns,
                  const QList<QStringList>& rows) override;
    // With a "Later" button whose menu offers the minutes; in the list it puts off the rows chosen.
    int remind(const QString& title, const QString& text, const QList<int>& laterMinutes) override;
    std::optional<QString> askPassword(const QString& title, const QString& text) override;
    QMap<int, int> remindList(const QString& title, const QString& text, const QStringList& columns,
                              const QList<QStringList>& rows, const QList<int>& laterMinutes) override;
};

class SystemBeeper final : public Beeper {
public:
    void beep() override;
};

// Runs the desktop's opener as a program and waits a few seconds for its exit status, which tells whether
// a program took the file: xdg-open, or gio open where that is missing.
class DesktopFileOpener final : public FileOpener {
public:
    // `command`: the opener and its first arguments, the path going last; empty for the desktop's own.
    explicit DesktopFileOpener(QStringList command = {}, int waitMs = 5000)
        : m_command(std::move(command)), m_waitMs(waitMs) {}
    Outcome open(const QString& path) override;

private:
    QStringList m_command;
    int m_waitMs;
};

class DialogFileChooser final : public FileChooser {
public:
    std::optional<QString> choose(QWidget* parent, const QString& title, const QString& filter) override;
    std::optional<QString> chooseSave(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& suggested) override;
};

} // namespace velkor
