// Drives the real store code in an endless loop so that a test can kill it at any moment and then check
// that every file is whole: `crash_writer <dir>` writes, `crash_writer --check <dir>` checks.
#include "lang/language_setting.h"
#include "plans/plan_store.h"
#include "shell/bookkeeping.h"
#include "support/record_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

using namespace velkor;

namespace {

// Plans are appended as "plan <n>" with n counting up; every fifth step the oldest is deleted by a rewrite.
// Whatever moment a kill hits, the plans left are a run of consecutive numbers.
void writeForever(const QDir& dir) {
    const plans::PlanStore store(dir.filePath(QStringLiteral("myfile.kyt")));
    const shell::Bookkeeping files(dir);
    QDateTime moment(QDate(2026, 1, 1), QTime(0, 0));
    // Go on from where the last (killed) run stopped.
    const QList<plans::PlanRecord> before = store.readPlans().value;
    qint64 oldest = before.isEmpty() ? 0 : before.first().text.mid(5).toLongLong();
    const qint64 first = before.isEmpty() ? 0 : before.last().text.mid(5).toLongLong() + 1;
    for (qint64 n = first;; ++n) {
        store.appendPlan(
            {int(n % 12) + 1, int(n % 28) + 1, plans::NoHour, 0, QStringLiteral("plan %1").arg(n)});
        if (n % 5 == 4 && oldest < n) {
            const auto plan = plans::PlanRecord{int(oldest % 12) + 1, int(oldest % 28) + 1, plans::NoHour, 0,
                                                QStringLiteral("plan %1").arg(oldest)};
            store.removePlansByLine({plans::yazim(plan)});
            ++oldest;
        }
        moment = moment.addSecs(60);
        files.writeLastExit(moment);
        lang::writeLanguageSetting(dir.filePath(QStringLiteral("options.prg")),
                                   n % 2 ? Language::English : Language::Turkish);
    }
}

int fail(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "%s %s\n", what, qPrintable(detail));
    return 1;
}

int check(const QDir& dir) {
    // Plans: all whole, numbers consecutive.
    const auto plans = plans::PlanStore(dir.filePath(QStringLiteral("myfile.kyt"))).readPlans();
    const auto records = readRecordFile(dir.filePath(QStringLiteral("myfile.kyt")));
    if (!plans.ok() || !records.ok())
        return fail("myfile.kyt unreadable");
    if (records.value.size() != plans.value.size())
        return fail("myfile.kyt holds a damaged record");
    for (qsizetype i = 1; i < plans.value.size(); ++i) {
        const qint64 prev = plans.value[i - 1].text.mid(5).toLongLong();
        if (plans.value[i].text.mid(5).toLongLong() != prev + 1)
            return fail("myfile.kyt lost a plan after", plans.value[i - 1].text);
    }
    // tarih.kyt: exactly one moment.
    const auto exits = readRecordFile(dir.filePath(QStringLiteral("tarih.kyt")));
    if (!exits.ok() || exits.value.size() > 1 ||
        (!exits.value.isEmpty() && !shell::Bookkeeping(dir).readLastExit()))
        return fail("tarih.kyt is not one moment");
    // options.prg: one of the two words (or not written yet).
    const auto options = readRecordFile(dir.filePath(QStringLiteral("options.prg")));
    if (!options.ok() || options.value.size() > 1)
        return fail("options.prg damaged");
    if (!options.value.isEmpty()) {
        const auto word = stringAt(options.value.first().fields.value_or(Fields{}), 0);
        if (word != QLatin1String("tr") && word != QLatin1String("eng"))
            return fail("options.prg holds neither word");
    }
    // No file was ever left only as a scratch copy.
    if (QFile::exists(dir.filePath(QStringLiteral("temp.kyt"))))
        return fail("temp.kyt left behind");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--check"))
        return check(QDir(args[2]));
    if (args.size() != 2)
        return fail("usage: crash_writer [--check] <dir>");
    writeForever(QDir(args[1]));
    return 0;
}
