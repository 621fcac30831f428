#include "plans/plan_store.h"

#include <QSet>

namespace velkor::plans {

namespace {

bool smallNumber(const std::optional<qint64>& n) {
    return n && *n >= 0 && *n <= 255;
}

// Tells which plans show as one of the given lines. Day and month sit at fixed places of a line, so most
// plans are ruled out without building their line.
class LineMatcher {
public:
    explicit LineMatcher(const QStringList& lines) : m_lines(lines.begin(), lines.end()) {
        for (const QString& line : lines) {
            bool dayOk = false, monthOk = false;
            const int day = QStringView(line).mid(1, 2).toInt(&dayOk);
            const int month = QStringView(line).mid(5, 2).toInt(&monthOk);
            if (!dayOk || !monthOk || line.size() < 7 || line[3] != QLatin1Char('.')) {
                m_anyDate = true; // a line of a form we cannot take apart: compare every plan
                continue;
            }
            m_dates.insert(month * 100 + day);
        }
    }
    bool matches(const PlanRecord& plan) const {
        if (!m_anyDate && !m_dates.contains(plan.month * 100 + plan.day))
            return false;
        return m_lines.contains(yazim(plan));
    }

private:
    QSet<QString> m_lines;
    QSet<int> m_dates;
    bool m_anyDate = false;
};

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

template <typename Keep> Loaded<QStringList> PlanStore::linesWhere(Keep keep) const {
    auto plans = readPlans();
    if (!plans.ok())
        return {{}, plans.error};
    QStringList lines;
    for (const PlanRecord& plan : plans.value) {
        if (keep(plan))
            lines.append(yazim(plan));
    }
    return {std::move(lines), {}};
}

Loaded<QStringList> PlanStore::monthLines(int month) const {
    return linesWhere([month](const PlanRecord& p) { return p.month == month; });
}

Loaded<QStringList> PlanStore::dayLines(int month, int day) const {
    return linesWhere([month, day](const PlanRecord& p) { return p.month == month && p.day == day; });
}

Loaded<QString> PlanStore::findPlanText(const QString& line) const {
    auto plans = readPlans();
    if (!plans.ok())
        return {{}, plans.error};
    const LineMatcher matcher({line});
    for (const PlanRecord& plan : plans.value) {
        if (matcher.matches(plan))
            return {plan.text, {}};
    }
    return {};
}

Loaded<QString> PlanStore::removePlansByLine(const QStringList& lines) const {
    auto records = readRecordFile(m_path);
    if (!records.ok())
        return {{}, records.error};
    const LineMatcher matcher(lines);
    QString lastDropped;
    QList<QByteArray> kept;
    kept.reserve(records.value.size());
    for (const RecordEntry& entry : records.value) {
        const auto plan = toPlan(entry);
        if (plan && matcher.matches(*plan)) {
            lastDropped = plan->text;
            continue;
        }
        kept.append(entryBytes(entry));
    }
    if (IoResult written = rewriteRecordFile(m_path, kept); !written)
        return {{}, written.error};
    return {lastDropped, {}};
}

IoResult PlanStore::replacePlansByLine(const QString& line, const PlanRecord& replacement) const {
    auto records = readRecordFile(m_path);
    if (!records.ok())
        return IoResult::failure(records.error);
    const LineMatcher matcher({line});
    QList<QByteArray> kept;
    kept.reserve(records.value.size() + 1);
    for (const RecordEntry& entry : records.value) {
        const auto plan = toPlan(entry);
        if (plan && matcher.matches(*plan))
            continue;
        kept.append(entryBytes(entry));
    }
    kept.append(encodeRecord(toFields(replacement)));
    return rewriteRecordFile(m_path, kept);
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
