#include "ui/calendar/plan_marks.h"

#include "core/plans/day_set.h"

#include <QDate>
#include <QFileInfo>

namespace velkor::calendar {

PlanMarks::PlanMarks(QString planFile, QObject* parent) : QObject(parent), m_path(std::move(planFile)) {
    watch();
    // A save replaces the file (and drops its watch), so the folder is watched too.
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] {
        watch();
        emit changed();
    });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        watch();
        emit changed();
    });
}

void PlanMarks::watch() {
    if (QFileInfo::exists(m_path) && !m_watcher.files().contains(m_path))
        m_watcher.addPath(m_path);
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
}

QSet<int> PlanMarks::daysWithPlans(int year, int month) const {
    const QDate first(year, month, 1);
    if (!first.isValid())
        return {};
    const auto plans =
        plans::readPlansOn(m_path, plans::DaySet::between(first, first.addMonths(1).addDays(-1)));
    QSet<int> days;
    for (const plans::PlanRecord& plan : plans.value) {
        if (plan.month == month)
            days.insert(plan.day);
    }
    return days;
}

} // namespace velkor::calendar
