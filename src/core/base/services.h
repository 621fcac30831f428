#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace velkor {

enum class Language { Turkish, English };

// Every date and time the program uses comes from here, so tests can set the hour.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds of a clock that nobody sets: it tells a wall clock set back from time going on.
    virtual qint64 monotonicMs() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 monotonicMs() const override { return m_started.elapsed(); }

private:
    QElapsedTimer m_started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
};

// A risky question is one whose Yes destroys data (delete all, overwrite): its default answer is No.
enum class BoxKind { Information, Question, RiskyQuestion, Warning, Critical };
enum class Answer { Ok, Yes, No };

// Every message box goes through here: the program's own boxes are modal, tests answer them from a script.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer show(BoxKind kind, const QString& title, const QString& text) = 0;

    void inform(const QString& title, const QString& text) { show(BoxKind::Information, title, text); }
    void warn(const QString& title, const QString& text) { show(BoxKind::Warning, title, text); }
    void fail(const QString& title, const QString& text) { show(BoxKind::Critical, title, text); }
    bool ask(const QString& title, const QString& text) {
        return show(BoxKind::Question, title, text) == Answer::Yes;
    }
    // Asked before data is destroyed: Return or Escape keep it.
    bool askBeforeLoss(const QString& title, const QString& text) {
        return show(BoxKind::RiskyQuestion, title, text) == Answer::Yes;
    }
    // A question answered by one of the named choices, worded by the caller; returns the index of the one
    // taken. The first is the default, the last is taken when the box is closed without a choice. Here the
    // first is offered as Yes and the last as No, for prompters that know no other buttons.
    virtual int choose(const QString& title, const QString& text, const QStringList& choices);
    // A window of many lines at once: a short text over a table of `rows` under `columns`, shown in the
    // given order and closed with one button. Returns once it is closed.
    virtual void showList(const QString& title, const QString& text, const QStringList& columns,
                          const QList<QStringList>& rows) = 0;
    // A reminder: OK, or one of `laterMinutes` to have it again that many minutes later. Returns the
    // minutes chosen, 0 for OK. Here it is shown as information, for prompters that know no such choice.
    virtual int remind(const QString& title, const QString& text, const QList<int>& laterMinutes);
    // A password, typed unseen; nullopt when the user cancels. Here nobody can type one.
    virtual std::optional<QString> askPassword(const QString& title, const QString& text);
    // Many reminders in one list, with the same choice for the rows the user picks: returns the minutes
    // chosen for each row put off, by its index in `rows`.
    virtual QMap<int, int> remindList(const QString& title, const QString& text, const QStringList& columns,
                                      const QList<QStringList>& rows, const QList<int>& laterMinutes);
};

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

// Opens a document with the program the desktop associates with it.
class FileOpener {
public:
    // What became of an open: a program has the file; the file is not there; no program took it; or the
    // desktop's opener itself is missing.
    enum class Outcome { Opened, NotFound, NoProgram, NoOpener };
    virtual ~FileOpener() = default;
    virtual Outcome open(const QString& path) = 0;
};

// The open-file dialog, and the save-file dialog offering `suggested` as the name.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::optional<QString> choose(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual std::optional<QString> chooseSave(QWidget* parent, const QString& title, const QString& filter,
                                              const QString& suggested) = 0;
};

// Registers the program to start when the user logs in.
class AutostartWriter {
public:
    virtual ~AutostartWriter() = default;
    // Returns an error text, empty on success.
    virtual QString registerAutostart(const QString& programPath) = 0;
};

} // namespace velkor
