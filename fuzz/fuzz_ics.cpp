// Any bytes as an iCalendar file imported into an empty data folder: no crash, every plan it adds is a
// plan the program can keep, importing the same file again adds nothing, and the plans exported from there
// come back as the same plans in another empty folder.
#include "core/interop/calendar_transfer.h"
#include "core/plans/plan_store.h"
#include "fuzz_check.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>

using namespace velkor;
using namespace velkor::interop;
using plans::PlanRecord;

namespace {

class FixedClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 6, 15), QTime(12, 0)); }
    qint64 monotonicMs() const override { return 0; }
};

QList<PlanRecord> plansIn(const CoreContext& context) {
    auto plans = plans::PlanStore(context.dataFile(QStringLiteral("myfile.kyt"))).readPlans().value;
    std::sort(plans.begin(), plans.end(), [](const PlanRecord& a, const PlanRecord& b) {
        return std::tie(a.month, a.day, a.hour, a.minute, a.text) <
               std::tie(b.month, b.day, b.hour, b.minute, b.text);
    });
    return plans;
}

bool keepable(const PlanRecord& plan) {
    const bool slot =
        !plan.hasTime() || (plan.hour >= 0 && plan.hour <= 23 && (plan.minute == 0 || plan.minute == 30));
    return plan.month >= 1 && plan.month <= 12 && plan.day >= 1 && plan.day <= 31 && slot &&
           !plan.text.contains(u'"');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_ics";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv); // the database driver is a plug-in
    static FixedClock clock;

    QTemporaryDir first, second;
    CoreContext into;
    into.dataDir = QDir(first.path());
    into.clock = &clock;
    const QString file = first.filePath(QStringLiteral("in.ics"));
    QFile out(file);
    CHECK(out.open(QIODevice::WriteOnly) &&
          out.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    out.close();

    const CalendarImport once = importCalendarFile(file, into);
    if (!once.result.ok) {
        CHECK(plansIn(into).isEmpty());
        return 0;
    }
    const QList<PlanRecord> plans = plansIn(into);
    CHECK(plans.size() == once.plansAdded);
    CHECK(std::all_of(plans.cbegin(), plans.cend(), keepable));

    const CalendarImport twice = importCalendarFile(file, into);
    CHECK(twice.result.ok && twice.plansAdded == 0 && twice.entriesAdded == 0);
    CHECK(plansIn(into) == plans);

    const QString exported = second.filePath(QStringLiteral("out.ics"));
    CHECK(exportCalendar(exported, into).ok);
    CoreContext back;
    back.dataDir = QDir(second.path());
    back.clock = &clock;
    CHECK(importCalendarFile(exported, back).result.ok);
    CHECK(plansIn(back) == plans);
    return 0;
}
