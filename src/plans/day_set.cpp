#include "plans/day_set.h"

#include "plans/plan_store.h"
#include "support/record_file.h"

namespace velkor::plans {

DaySet DaySet::all() {
    DaySet set;
    set.m_all = true;
    return set;
}

DaySet DaySet::between(const QDate& first, const QDate& last) {
    if (!first.isValid() || !last.isValid() || first > last)
        return {};
    if (first.addYears(1) <= last)
        return all();
    DaySet set;
    for (QDate d = first; d <= last; d = d.addDays(1))
        set.m_days.set(size_t(d.month() * 32 + d.day()));
    return set;
}

bool DaySet::contains(qint64 month, qint64 day) const {
    if (m_all)
        return true;
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 && m_days.test(size_t(month * 32 + day));
}

Loaded<QList<PlanRecord>> readPlansOn(const QString& path, const DaySet& days) {
    QList<PlanRecord> plans;
    const IoResult read = scanRecordFile(path, [&](QByteArrayView, std::optional<Fields>& fields) {
        if (!fields || fields->size() < 2)
            return;
        const auto month = numberAt(*fields, 0), day = numberAt(*fields, 1);
        if (!month || !day || !days.contains(*month, *day))
            return;
        if (auto plan = PlanStore::toPlan(RecordEntry{{}, std::move(fields)}))
            plans.append(std::move(*plan));
    });
    if (!read)
        return {{}, read.error};
    return {std::move(plans), {}};
}

} // namespace velkor::plans
