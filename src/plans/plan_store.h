#pragma once

#include "plans/plan_record.h"
#include "support/io_result.h"
#include "support/record_file.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace velkor::plans {

// The plans in myfile.kyt. Nothing is cached: every call reads the file afresh. Records that are not plans
// (damaged or foreign lines) are never listed and never dropped by a rewrite.
class PlanStore {
public:
    explicit PlanStore(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }

    IoResult appendPlan(const PlanRecord& plan) const;
    Loaded<QList<PlanRecord>> readPlans() const;
    Loaded<QStringList> monthLines(int month) const;
    Loaded<QStringList> dayLines(int month, int day) const;
    // The whole text of the first plan shown as `line`; empty when no plan shows so.
    Loaded<QString> findPlanText(const QString& line) const;
    // Drops every plan shown as one of `lines`; gives the text of the last one dropped.
    Loaded<QString> removePlansByLine(const QStringList& lines) const;
    // Drops every plan shown as `line` and adds `replacement` at the end, in one rewrite.
    IoResult replacePlansByLine(const QString& line, const PlanRecord& replacement) const;
    // Removes every plan.
    IoResult clearPlans() const;

    static std::optional<PlanRecord> toPlan(const RecordEntry& entry);
    static Fields toFields(const PlanRecord& plan);

private:
    template <typename Keep> Loaded<QStringList> linesWhere(Keep keep) const;

    QString m_path;
};

} // namespace velkor::plans
