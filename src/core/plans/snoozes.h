#pragma once

#include "core/base/io_result.h"
#include "core/plans/reminders.h"

#include <QList>

namespace velkor::shell {

// The same reminder put off to the same minute.
bool sameSnooze(const Announcement& a, const Announcement& b);

// How many minutes later a reminder may be put off to, in the order offered.
QList<int> laterChoices();

// The reminders put off (their `wake` set), kept in the data folder so that an exit or a crash loses none.
// One record each: the wake reading and the plan's moment (year, month, day, hour, minute; hour 25 for a day
// without a time) and the text.
class SnoozeFile {
public:
    explicit SnoozeFile(QString path) : m_path(std::move(path)) {}
    const QString& path() const { return m_path; }

    // Every record that reads as a snooze, in file order; the others are passed over. A missing file
    // holds none.
    Loaded<QList<Announcement>> read() const;
    IoResult add(const Announcement& snooze) const;
    // Takes out one record of the same wake, moment and text; none there is no failure.
    IoResult drop(const Announcement& snooze) const;

private:
    QString m_path;
};

} // namespace velkor::shell
