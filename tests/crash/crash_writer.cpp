// The real stores in an endless loop, for a test to kill at any moment and then find every file whole:
// `crash_writer <dir>` writes on from what the stores hold, `crash_writer --check <dir>` checks.
#include "core/base/record_file.h"
#include "core/diary/diary_store.h"
#include "core/directory/directory_store.h"
#include "core/lang/language_setting.h"
#include "core/notebook/notes_file.h"
#include "core/plans/plan_store.h"
#include "shell/bookkeeping.h"

#include <QtCore>

#include <cstdio>

using namespace velkor;

namespace {

qint64 numberIn(const QString& text) {
    return text.section(' ', -1).toLongLong();
}

plans::PlanRecord planNumber(qint64 n) {
    return {int(n % 12) + 1, int(n % 28) + 1, plans::NoHour, 0, QString("plan %1").arg(n)};
}

diary::DiaryEntry diaryEntry(qint32 no, qint64 n, const char* content) {
    return {no, QString("entry %1").arg(n), content, "01", "02", "2026"};
}

struct Stores {
    explicit Stores(const QDir& dir)
        : dir(dir), plans(dir.filePath("myfile.kyt")), files(dir), diary(dir), directory(dir) {}
    QDir dir;
    plans::PlanStore plans;
    shell::Bookkeeping files;
    diary::DiaryStore diary;
    directory::DirectoryStore directory;
};

// Plans: "plan <n>" appended, and every fifth step the oldest dropped by a rewrite; what is left is always a
// run of consecutive numbers. Diary: "entry <n>" added, every third one then updated. Directory: "name <n>"
// inserted, every fourth one renamed to "renamed <n>". The small files are rewritten with the step's number.
void writeForever(const Stores& s) {
    const QList<plans::PlanRecord> plansBefore = s.plans.readPlans().value;
    qint64 oldest = plansBefore.isEmpty() ? 0 : numberIn(plansBefore.first().text);
    qint64 plan = plansBefore.isEmpty() ? 0 : numberIn(plansBefore.last().text) + 1;
    const QList<diary::DiaryEntry> entries = s.diary.readEntries().value;
    qint64 entry = entries.isEmpty() ? 0 : numberIn(entries.last().subject) + 1;
    const QList<directory::DirRecord> names = s.directory.readAll().value;
    qint64 name = names.isEmpty() ? 0 : numberIn(names.last().name) + 1;

    for (qint64 step = 0;; ++step, ++plan, ++entry, ++name) {
        s.plans.appendPlan(planNumber(plan));
        if (plan % 5 == 4 && oldest < plan && s.plans.removePlans({planNumber(oldest)}).ok())
            ++oldest;

        const auto added = s.diary.addEntry(diaryEntry(-1, entry, "new"));
        if (added.ok() && entry % 3 == 2)
            s.diary.updateEntry(added.value, diaryEntry(added.value, entry, "updated"));

        const QString newName = QString("name %1").arg(name);
        const IoResult saved =
            s.directory.save({newName, QString("555 %1").arg(name), "street"}, directory::SaveWrite::Insert);
        const auto rows = s.directory.rowsNamed(newName);
        if (saved.ok() && name % 4 == 3 && rows.ok() && !rows.value.isEmpty())
            s.directory.change(rows.value.first(), {QString("renamed %1").arg(name), "555", QString()},
                               directory::SaveWrite::Insert);

        s.files.writeLastExit(QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(60 * step));
        lang::writeLanguageSetting(s.dir.filePath("options.prg"),
                                   step % 2 ? Language::English : Language::Turkish);
        // A large note, so that kills also land in the middle of a rewrite.
        notebook::writeNote(s.dir.filePath("notes.kyt"),
                            QString("note\nline %1\n%2\nend %1").arg(step).arg(QString(900 * 1024, 'x')));
    }
}

int fail(const char* what, const QStringList& detail = {}) {
    std::fprintf(stderr, "%s %s\n", what, qPrintable(detail.join(',')));
    return 1;
}

// The numbers in `texts` follow each other without a gap.
bool consecutive(const QStringList& texts) {
    return std::adjacent_find(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
               return numberIn(b) != numberIn(a) + 1;
           }) == texts.end();
}

int check(const Stores& s) {
    const auto plans = s.plans.readPlans();
    const auto planRecords = readRecordFile(s.plans.path());
    if (!plans.ok() || !planRecords.ok() || planRecords.value.size() != plans.value.size())
        return fail("myfile.kyt holds a damaged record");
    QStringList texts;
    for (const auto& p : plans.value)
        texts.append(p.text);
    if (!consecutive(texts))
        return fail("myfile.kyt lost a plan:", texts);

    const auto entries = s.diary.readEntries();
    QStringList subjects;
    for (const auto& e : entries.value) {
        subjects.append(e.subject);
        if (e.content != "new" && e.content != "updated")
            return fail("history.mdb holds a half-written entry");
    }
    if (!entries.ok() || !consecutive(subjects))
        return fail("history.mdb unreadable or lost an entry:", subjects << entries.error);

    const auto names = s.directory.readAll();
    QStringList list;
    for (const auto& r : names.value)
        list.append(r.name);
    std::sort(list.begin(), list.end(),
              [](const QString& a, const QString& b) { return numberIn(a) < numberIn(b); });
    if (!names.ok() || !consecutive(list))
        return fail("rehber.mdb unreadable, or lost or doubled a name in a rename:", list << names.error);

    // A torn record reads as no moment, and as no language.
    if (!s.files.readLastExit().ok())
        return fail("tarih.kyt is not one moment");
    if (!lang::readLanguageSetting(s.dir.filePath("options.prg")).language)
        return fail("options.prg holds neither word");
    // Once written, a file is never empty and its note never cut: it is replaced whole or not at all.
    for (const char* name : {"tarih.kyt", "options.prg", "notes.kyt"})
        if (const QFileInfo file(s.dir.filePath(name)); file.exists() && file.size() == 0)
            return fail(name, {"is empty"});
    const auto note = notebook::readNote(s.dir.filePath("notes.kyt"));
    const QString step = note.value.section('\n', 1, 1).mid(5);
    if (!note.ok() || (!note.value.isEmpty() && !note.value.endsWith("\nend " + step)))
        return fail("notes.kyt holds a torn note:", {note.value.left(20) + "..." + note.value.right(20)});
    if (QFile::exists(s.dir.filePath("temp.kyt")))
        return fail("temp.kyt left behind");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == "--check")
        return check(Stores(QDir(args[2])));
    if (args.size() != 2)
        return fail("usage: crash_writer [--check] <dir>");
    writeForever(Stores(QDir(args[1])));
    return 0;
}
