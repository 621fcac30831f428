#include "core/plans/plan_store.h"

#include "core/plans/plan_edits.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace velkor::plans {

namespace {

bool smallNumber(const std::optional<qint64>& n) {
    return n && *n >= 0 && *n <= 255;
}

int dateKey(const PlanRecord& plan) {
    return plan.month * 256 + plan.day;
}

} // namespace

std::optional<PlanRecord> PlanStore::toPlan(const RecordEntry& entry) {
    if (!entry.fields || entry.fields->size() != 5)
        return std::nullopt;
    const Fields& f = *entry.fields;
    const auto month = numberAt(f, 0), day = numberAt(f, 1), hour = numberAt(f, 2), minute = numberAt(f, 3);
    auto text = stringAt(f, 4);
    if (!smallNumber(month) || !smallNumber(day) || !smallNumber(hour) || !smallNumber(minute) || !text)
        return std::nullopt;
    return PlanRecord{int(*month), int(*day), int(*hour), int(*minute), std::move(*text)};
}

Fields PlanStore::toFields(const PlanRecord& plan) {
    return {qint64(plan.month), qint64(plan.day), qint64(plan.hour), qint64(plan.minute), plan.text};
}

IoResult PlanStore::appendPlan(const PlanRecord& plan) const {
    return appendRecord(m_path, toFields(plan));
}

Loaded<QList<PlanRecord>> PlanStore::readPlans() const {
    auto records = readRecordFile(m_path);
    if (!records.ok())
        return {{}, records.error};
    QList<PlanRecord> plans;
    plans.reserve(records.value.size());
    for (const RecordEntry& entry : records.value) {
        if (auto plan = toPlan(entry))
            plans.append(std::move(*plan));
    }
    return {std::move(plans), {}};
}

Loaded<QList<PlanRecord>> PlanStore::rewrite(const QList<PlanRecord>& chosen,
                                             const QList<PlanRecord>& added) const {
    auto records = readRecordFile(m_path);
    if (!records.ok())
        return {{}, records.error};
    // How many copies of each chosen plan are still to go: a multiset, so one pass over the file suffices.
    // The dates rule most records out before their text is hashed.
    QHash<PlanRecord, int> toGo;
    QSet<int> dates;
    for (const PlanRecord& plan : chosen) {
        ++toGo[plan];
        dates.insert(dateKey(plan));
    }
    QList<QByteArray> kept;
    kept.reserve(records.value.size() + added.size());
    for (const RecordEntry& entry : records.value) {
        if (const auto plan = toPlan(entry); plan && dates.contains(dateKey(*plan))) {
            if (const auto left = toGo.find(*plan); left != toGo.end() && *left > 0) {
                --*left;
                continue;
            }
        }
        kept.append(entryBytes(entry));
    }
    QList<PlanRecord> missing;
    for (const PlanRecord& plan : chosen) {
        if (auto left = toGo.find(plan); *left > 0) {
            --*left;
            missing.append(plan);
        }
    }
    for (const PlanRecord& plan : added)
        kept.append(encodeRecord(toFields(plan)));
    if (added.isEmpty() && missing.size() == chosen.size())
        return {std::move(missing), {}}; // nothing to change: the file stays as it is
    if (IoResult written = rewriteRecordFile(m_path, kept); !written)
        return {{}, written.error};
    return {std::move(missing), {}};
}

Loaded<QList<PlanRecord>> PlanStore::removePlans(const QList<PlanRecord>& chosen) const {
    return rewrite(chosen, {});
}

Loaded<bool> PlanStore::replacePlan(const PlanRecord& original, const PlanRecord& edited) const {
    const auto missing = rewrite({original}, {edited});
    const bool replaced = missing.ok() && missing.value.isEmpty();
    // Losing the note costs only the plan's identity elsewhere, never the edit: its failure is not the
    // edit's.
    if (replaced && original != edited)
        PlanEdits(QFileInfo(m_path).absoluteDir()).note(original, edited);
    return {replaced, missing.error};
}

IoResult PlanStore::addPlans(const QList<PlanRecord>& plans) const {
    const auto missing = rewrite({}, plans);
    return missing.ok() ? IoResult::success() : IoResult::failure(missing.error);
}

IoResult PlanStore::clearPlans() const {
    auto records = readRecordFile(m_path);
    if (!records.ok())
        return IoResult::failure(records.error);
    QList<QByteArray> kept;
    for (const RecordEntry& entry : records.value) {
        if (!toPlan(entry))
            kept.append(entryBytes(entry));
    }
    return rewriteRecordFile(m_path, kept);
}

} // namespace velkor::plans
