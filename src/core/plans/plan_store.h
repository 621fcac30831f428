#pragma once

#include "core/base/io_result.h"
#include "core/base/record_file.h"
#include "core/plans/plan_record.h"

#include <QDir>
#include <QList>
#include <QString>

#include <optional>

namespace velkor::plans {

// The plan file of a data folder.
inline QString planFileIn(const QDir& dataDir) {
    return dataDir.filePath(QStringLiteral("myfile.kyt"));
}

// The plans in myfile.kyt. Nothing is cached: every call reads the file afresh. Records that are not plans
// (damaged or foreign lines) are never listed and never dropped by a rewrite.
class PlanStore {
public:
    explicit PlanStore(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }

    IoResult appendPlan(const PlanRecord& plan) const;
    Loaded<QList<PlanRecord>> readPlans() const;
    // Removes one record of the file for each chosen plan, so two identical plans chosen once lose one
    // copy. Gives the chosen plans the file no longer holds; nothing is removed in their place.
    Loaded<QList<PlanRecord>> removePlans(const QList<PlanRecord>& chosen) const;
    // Removes `original` and adds `edited` at the end, in one rewrite. False when the file no longer held
    // `original`: `edited` is added all the same. An edit is noted in PlanEdits beside the file.
    Loaded<bool> replacePlan(const PlanRecord& original, const PlanRecord& edited) const;
    // Adds the plans at the end in one rewrite: all of them or, when it fails, none.
    IoResult addPlans(const QList<PlanRecord>& plans) const;
    // Removes one record for each of `removed` and adds `added`, in one rewrite; gives the removed plans the
    // file no longer held.
    Loaded<QList<PlanRecord>> exchangePlans(const QList<PlanRecord>& removed,
                                            const QList<PlanRecord>& added) const {
        return rewrite(removed, added);
    }
    // Removes every plan.
    IoResult clearPlans() const;

    static std::optional<PlanRecord> toPlan(const RecordEntry& entry);
    static Fields toFields(const PlanRecord& plan);

private:
    Loaded<QList<PlanRecord>> rewrite(const QList<PlanRecord>& chosen, const QList<PlanRecord>& added) const;

    QString m_path;
};

} // namespace velkor::plans
