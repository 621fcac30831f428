#include "core/plans/day_set.h"

#include "core/base/record_file.h"
#include "core/plans/plan_store.h"

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

bool DaySet::covers(const DaySet& other) const {
    return m_all || (!other.m_all && (other.m_days & ~m_days).none());
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

Loaded<QList<PlanRecord>> RecentPlans::on(const DaySet& days) {
    // Taken before the read: a write during it leaves another stamp, and the next call reads again.
    const FileStamp stamp = FileStamp::of(m_path);
    if (!m_stamp || !(*m_stamp == stamp) || !m_stamp->settled() || !m_days.covers(days)) {
        m_stamp.reset();
        auto read = readPlansOn(m_path, days);
        if (!read.ok())
            return read;
        m_stamp = stamp;
        m_days = days;
        m_plans = std::move(read.value);
    }
    QList<PlanRecord> wanted;
    for (const PlanRecord& plan : std::as_const(m_plans)) {
        if (days.contains(plan.month, plan.day))
            wanted.append(plan);
    }
    return {std::move(wanted), {}};
}

} // namespace velkor::plans
