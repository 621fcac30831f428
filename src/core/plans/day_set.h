#pragma once

#include "core/plans/plan_record.h"
#include "core/base/file_stamp.h"
#include "core/base/io_result.h"

#include <QDate>
#include <QList>

#include <bitset>
#include <optional>

namespace velkor::plans {

// The month-and-day pairs a read wants. A plan of another day is dropped as soon as its numbers are read,
// so a large file never sits in memory whole for the few days a reminder looks at.
class DaySet {
public:
    static DaySet all();
    // Every day from `first` to `last`; the whole year once they are a year apart; none when `last` is
    // earlier.
    static DaySet between(const QDate& first, const QDate& last);

    bool contains(qint64 month, qint64 day) const;
    // Every day of `other` is one of these.
    bool covers(const DaySet& other) const;

private:
    std::bitset<13 * 32> m_days;
    bool m_all = false;
};

// The plans of myfile.kyt on the wanted days, in file order.
Loaded<QList<PlanRecord>> readPlansOn(const QString& path, const DaySet& days);

// readPlansOn for a reader that comes back every minute: the plans read last are given again while the
// file keeps its stamp and they cover the wanted days, so an idle minute does not read a large file.
class RecentPlans {
public:
    explicit RecentPlans(QString path) : m_path(std::move(path)) {}

    Loaded<QList<PlanRecord>> on(const DaySet& days);

private:
    QString m_path;
    std::optional<FileStamp> m_stamp; // of the file m_plans were read from; none when they are not kept
    DaySet m_days;
    QList<PlanRecord> m_plans;
};

} // namespace velkor::plans
