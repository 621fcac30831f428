#pragma once

#include "core/base/io_result.h"
#include "core/plans/plan_store.h"

#include <QDateTime>
#include <QDir>

#include <optional>

namespace velkor::shell {

// The small files that tell one start from the next: myfile.kyt exists, tarih.kyt holds the last clean exit
// (followed by a 3000,1,1,1,1 record per start since), sc.kyt marks that the program has run before.
class Bookkeeping {
public:
    explicit Bookkeeping(QDir dataDir) : m_dir(std::move(dataDir)) {}

    QString planFile() const { return plans::planFileIn(m_dir); }
    // The reminders put off, until their minute comes.
    QString snoozeFile() const { return m_dir.filePath(QStringLiteral("later.kyt")); }
    QString exitFile() const { return m_dir.filePath(QStringLiteral("tarih.kyt")); }
    QString firstStartFile() const { return m_dir.filePath(QStringLiteral("sc.kyt")); }

    // Makes sure the plan file exists. A plan rewrite of an older release that stopped between deleting
    // myfile.kyt and renaming temp.kyt left the plans only in temp.kyt: they are taken back first.
    IoResult ensurePlanFile() const;
    // Appends the "no clean exit yet" record 3000,1,1,1,1.
    IoResult stampStart() const;
    // True on a first start. Leaves sc.kyt holding 1 either way.
    Loaded<bool> firstStartTest() const;
    // Rewrites tarih.kyt as the one record of `moment`, to the minute.
    IoResult writeLastExit(const QDateTime& moment) const;
    // The first record of tarih.kyt; nullopt when the file holds no record. A record that is no moment of
    // the years 1900 to 9999, or a file that cannot be read, is an error naming the file. The moment is the
    // wall clock's reading, carried as UTC (see minuteOf).
    Loaded<std::optional<QDateTime>> readLastExit() const;

private:
    QDir m_dir;
};

} // namespace velkor::shell
