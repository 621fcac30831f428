#pragma once

#include "core/base/io_result.h"
#include "core/plans/plan_record.h"

#include <QDir>
#include <QList>
#include <QPair>
#include <QString>

namespace velkor::plans {

// The edits made in Velkor's own windows, each as the plan before and after, oldest first. A plan has no
// identity in myfile.kyt beside its content; this lets whoever keeps one elsewhere (the sync) follow a plan
// through an edit, where a change by a text editor is one plan gone and one new. Only the latest edits are
// kept, so a folder never synced does not gather them for ever.
class PlanEdits {
public:
    explicit PlanEdits(const QDir& dataDir);

    IoResult note(const PlanRecord& before, const PlanRecord& after) const;
    // A missing file holds none; a damaged record is passed over.
    Loaded<QList<QPair<PlanRecord, PlanRecord>>> read() const;
    // Forgets the first `count` edits, those read and followed; any noted since stay.
    IoResult forget(qsizetype count) const;

    static constexpr qsizetype kept = 200;

private:
    QString m_path;
};

} // namespace velkor::plans
