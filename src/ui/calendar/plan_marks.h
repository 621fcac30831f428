#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QString>

namespace velkor::calendar {

// Which days of a month have plans, told again whenever the plan file changes, whoever changed it.
class PlanMarks final : public QObject {
    Q_OBJECT
public:
    explicit PlanMarks(QString planFile, QObject* parent = nullptr);

    // The days of `month` in `year` that have a plan; none when the file cannot be read.
    QSet<int> daysWithPlans(int year, int month) const;

signals:
    void changed();

private:
    void watch();

    QString m_path;
    QFileSystemWatcher m_watcher;
};

} // namespace velkor::calendar
