#pragma once

#include "plans/plan_record.h"
#include "support/io_result.h"

#include <QDate>
#include <QList>

#include <bitset>

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

private:
    std::bitset<13 * 32> m_days;
    bool m_all = false;
};

// The plans of myfile.kyt on the wanted days, in file order.
Loaded<QList<PlanRecord>> readPlansOn(const QString& path, const DaySet& days);

} // namespace velkor::plans
