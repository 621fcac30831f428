#pragma once

#include "core/interop/transfer.h"
#include "core/lang/translations.h"
#include "fakes/test_support.h"
#include "ui/common/app_context.h"

#include <QtCore>

#include <functional>
#include <optional>

namespace velkor::testing {

// A clock the test moves: `set` lets time pass; `step` moves the wall clock alone (a suspend, a hand set).
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 3, 5), QTime(9, 0))) : m_utc(start.toUTC()) {}
    QDateTime now() const override { return m_utc.toLocalTime(); }
    qint64 monotonicMs() const override { return m_monotonic; }
    void set(const QDateTime& t) {
        m_monotonic += std::max<qint64>(0, m_utc.msecsTo(t));
        m_utc = t.toUTC();
    }
    void step(qint64 secs) { m_utc = m_utc.addSecs(secs); }

private:
    QDateTime m_utc;
    qint64 m_monotonic = 1000000;
};

struct ShownBox {
    BoxKind kind;
    QString title;
    QString text;
};

// Records every box; answers questions from a queue (No when the queue is empty), choices from another.
class ScriptedPrompter final : public Prompter {
public:
    Answer show(BoxKind kind, const QString& title, const QString& text) override {
        boxes.append({kind, title, text});
        onShow();
        if (kind != BoxKind::Question && kind != BoxKind::RiskyQuestion)
            return Answer::Ok;
        return answers.isEmpty() ? Answer::No : answers.dequeue();
    }
    // Answered from `picks`; the last choice (the escape) when it is empty.
    int choose(const QString& title, const QString& text, const QStringList& named) override {
        boxes.append({BoxKind::Question, title, text});
        offered.append(named);
        onShow();
        return picks.isEmpty() ? int(named.size()) - 1 : picks.dequeue();
    }
    // Recorded as an information box, its rows kept beside.
    void showList(const QString& title, const QString& text, const QStringList&,
                  const QList<QStringList>& rows) override {
        boxes.append({BoxKind::Information, title, text});
        lists.append(rows);
        onShow();
    }
    // Recorded as an information box, put off by `later`.
    int remind(const QString& title, const QString& text, const QList<int>& minutes) override {
        laterOffered = minutes;
        show(BoxKind::Information, title, text);
        return later(text);
    }
    // Recorded as a list; each row put off by `later` on its plan's text.
    QMap<int, int> remindList(const QString& title, const QString& text, const QStringList& columns,
                              const QList<QStringList>& rows, const QList<int>& minutes) override {
        laterOffered = minutes;
        showList(title, text, columns, rows);
        QMap<int, int> putOff;
        for (qsizetype i = 0; i < rows.size(); ++i)
            if (const int m = later(rows[i].value(2)))
                putOff.insert(int(i), m);
        return putOff;
    }
    // The texts of the boxes shown so far, joined by "|".
    QString texts() const {
        QStringList all;
        for (const ShownBox& box : boxes)
            all.append(box.text);
        return all.join(u'|');
    }
    QList<ShownBox> boxes;
    QQueue<Answer> answers;
    QQueue<int> picks;
    QList<QStringList> offered;           // the choices of each choose(), in turn
    QList<QList<QStringList>> lists;      // the rows of each showList(), in turn
    std::function<void()> onShow = [] {}; // runs while "the box is open"
    // How many minutes later a reminder of this text is put off to; 0 for OK.
    std::function<int(const QString& text)> later = [](const QString&) { return 0; };
    QList<int> laterOffered;
};

class CountingBeeper final : public Beeper {
public:
    void beep() override { ++count; }
    int count = 0;
};

class RecordingOpener final : public FileOpener {
public:
    Outcome open(const QString& path) override {
        opened.append(path);
        directories.append(QDir::currentPath());
        return outcome;
    }
    QStringList opened;
    QStringList directories; // the working directory at each open
    Outcome outcome = Outcome::Opened;
};

class ScriptedChooser final : public FileChooser {
public:
    std::optional<QString> choose(QWidget*, const QString&, const QString&) override {
        return paths.isEmpty() ? std::nullopt : std::optional(paths.dequeue());
    }
    // Saving takes its answers from the same queue.
    std::optional<QString> chooseSave(QWidget* parent, const QString& title, const QString& filter,
                                      const QString&) override {
        return choose(parent, title, filter);
    }
    QQueue<QString> paths;
};

// Registers nothing: a test's start must not touch the user's login entries.
class NoAutostart final : public AutostartWriter {
public:
    QString registerAutostart(const QString&) override { return {}; }
};

// Doors that lead nowhere: a test sees what was asked of them.
class FakeDoors final : public WindowDoors {
public:
    void openPlanEntry(QWidget* parent) override {
        if (planEntryOpened)
            planEntryOpened(parent);
    }
    void pauseReminders(bool pause) override { paused = pause; }
    void exchange(QWidget*, Exchange) override {}
    QWidget* loadedMonthBrowser() override { return nullptr; }
    QWidget* showMonthBrowser() override { return nullptr; }
    void showDiaryBrowser() override {}
    void unloadDiaryBrowser() override {}
    void showDiaryEditor(diary::EditorMode) override {}
    void unloadDiaryEditor() override {}
    void diaryOpenChanged() override {}
    interop::TransferResult importContacts(const QString&) override { return {}; }
    interop::TransferResult exportContacts(const QString&) override { return {}; }

    std::function<void(QWidget* parent)> planEntryOpened;
    bool paused = false;
};

// A complete context on a fresh temporary data directory. Its state stands in for the shell's until a
// MainForm lends its own; its doors are used only where a test hands them in.
struct TestContext {
    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompter prompter;
    CountingBeeper beeper;
    RecordingOpener opener;
    ScriptedChooser chooser;
    NoAutostart autostart;
    SharedState state;
    FakeDoors doors;
    AppContext ctx;

    explicit TestContext(Language language = Language::Turkish) {
        // Each context starts in the program's first language, as the program does, unless told otherwise.
        lang::useLanguage(language);
        ctx.dataDir = QDir(dir.path());
        ctx.programDir = dir.path();
        ctx.readerProgram = QStringLiteral(VELKOR_READER_PROGRAM);
        ctx.clock = &clock;
        ctx.prompter = &prompter;
        ctx.beeper = &beeper;
        ctx.fileOpener = &opener;
        ctx.fileChooser = &chooser;
        ctx.autostart = &autostart;
        ctx.state = &state;
    }
    QString file(const QString& name) const { return ctx.dataFile(name); }
};

} // namespace velkor::testing
