#include "core/plans/snoozes.h"

#include "core/base/record_file.h"
#include "core/plans/plan_record.h"

#include <QFileInfo>

namespace velkor::shell {

namespace {

void appendMoment(Fields& fields, const QDateTime& moment, bool allDay) {
    const QDate d = moment.date();
    const QTime t = moment.time();
    fields << qint64(d.year()) << qint64(d.month()) << qint64(d.day())
           << qint64(allDay ? plans::NoHour : t.hour()) << qint64(allDay ? 0 : t.minute());
}

Fields fieldsOf(const Announcement& snooze) {
    Fields fields;
    appendMoment(fields, snooze.wake, false);
    appendMoment(fields, snooze.due, snooze.allDay);
    fields << plans::quoteSafe(snooze.text);
    return fields;
}

// Five numbers from `at` as a wall reading; nullopt unless they name a real minute (or a day, when
// `allDay` may be).
std::optional<std::pair<QDateTime, bool>> momentAt(const Fields& fields, qsizetype at) {
    int n[5] = {};
    for (int i = 0; i < 5; ++i) {
        const std::optional<qint64> v = numberAt(fields, at + i);
        if (!v || *v < 0 || *v > 9999)
            return std::nullopt;
        n[i] = int(*v);
    }
    const QDate date{n[0], n[1], n[2]};
    const bool allDay = n[3] == plans::NoHour;
    const QTime time = allDay ? QTime(0, 0) : QTime(n[3], n[4]);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return std::pair{wallReading(date, time), allDay};
}

std::optional<Announcement> snoozeOf(const Fields& fields) {
    const auto wake = momentAt(fields, 0);
    const auto due = momentAt(fields, 5);
    const std::optional<QString> text = stringAt(fields, 10);
    if (!wake || wake->second || !due || !text)
        return std::nullopt;
    const QDateTime moment = due->first;
    const QString title = due->second
                              ? allDayTitle(moment.date())
                              : reminderTitle(moment.date(), moment.time().hour(), moment.time().minute());
    return Announcement{moment, title, *text, due->second, wake->first};
}

} // namespace

bool sameSnooze(const Announcement& a, const Announcement& b) {
    return a.wake == b.wake && a.due == b.due && a.allDay == b.allDay &&
           plans::quoteSafe(a.text) == plans::quoteSafe(b.text);
}

QList<int> laterChoices() {
    return {5, 10, 30, 60};
}

Loaded<QList<Announcement>> SnoozeFile::read() const {
    Loaded<QList<Announcement>> out;
    const IoResult scanned = scanRecordFile(m_path, [&](QByteArrayView, std::optional<Fields>& fields) {
        if (fields)
            if (const std::optional<Announcement> s = snoozeOf(*fields))
                out.value.append(*s);
    });
    out.error = scanned.error;
    return out;
}

IoResult SnoozeFile::add(const Announcement& snooze) const {
    return appendRecord(m_path, fieldsOf(snooze));
}

IoResult SnoozeFile::drop(const Announcement& snooze) const {
    const auto records = readRecordFile(m_path);
    if (!records.ok())
        return IoResult::failure(records.error);
    QList<QByteArray> kept;
    bool dropped = false;
    for (const RecordEntry& entry : records.value) {
        const std::optional<Announcement> s = entry.fields ? snoozeOf(*entry.fields) : std::nullopt;
        if (!dropped && s && sameSnooze(*s, snooze)) {
            dropped = true;
            continue;
        }
        kept.append(entryBytes(entry));
    }
    return dropped ? rewriteRecordFile(m_path, kept) : IoResult::success();
}

} // namespace velkor::shell
