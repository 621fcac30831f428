#include "shell/bookkeeping.h"

#include "core/base/link_target.h"
#include "core/base/record_file.h"

#include <QFile>

namespace velkor::shell {

IoResult Bookkeeping::ensurePlanFile() const {
    const QString scratch = m_dir.filePath(QStringLiteral("temp.kyt"));
    // Taken back into the linked file when myfile.kyt is a link whose file has gone.
    const Loaded<QString> plans = pathToWrite(planFile());
    if (!plans.ok())
        return IoResult::failure(plans.error);
    if (!QFile::exists(plans.value) && QFile::exists(scratch) && !QFile::rename(scratch, plans.value))
        return IoResult::failure(
            QObject::tr("%1\ncould not be restored from %2.")
                .arg(QDir::toNativeSeparators(planFile()), QDir::toNativeSeparators(scratch)));
    return touchFile(planFile());
}

IoResult Bookkeeping::stampStart() const {
    return appendRecord(exitFile(), {qint64(3000), qint64(1), qint64(1), qint64(1), qint64(1)});
}

Loaded<bool> Bookkeeping::firstStartTest() const {
    auto records = readRecordFile(firstStartFile());
    if (!records.ok())
        return {false, records.error};
    bool ranBefore = false;
    if (!records.value.isEmpty() && records.value.first().fields)
        ranBefore = numberAt(*records.value.first().fields, 0) == 1;
    if (IoResult written = rewriteRecordFile(firstStartFile(), encodeRecord({qint64(1)})); !written)
        return {false, written.error};
    return {!ranBefore, {}};
}

IoResult Bookkeeping::writeLastExit(const QDateTime& moment) const {
    const QDate d = moment.date();
    const QTime t = moment.time();
    return rewriteRecordFile(exitFile(), encodeRecord({qint64(d.year()), qint64(d.month()), qint64(d.day()),
                                                       qint64(t.hour()), qint64(t.minute())}));
}

Loaded<std::optional<QDateTime>> Bookkeeping::readLastExit() const {
    auto records = readRecordFile(exitFile());
    if (!records.ok())
        return {std::nullopt, records.error};
    if (records.value.isEmpty())
        return {};
    const auto unreadable = [this] {
        return Loaded<std::optional<QDateTime>>{
            std::nullopt, aboutFile(exitFile(), QObject::tr("does not hold a time Velkor can use."))};
    };
    const RecordEntry& first = records.value.first();
    if (!first.fields)
        return unreadable();
    const Fields& f = *first.fields;
    const auto y = numberAt(f, 0), mo = numberAt(f, 1), d = numberAt(f, 2), h = numberAt(f, 3),
               mi = numberAt(f, 4);
    // Checked before any date arithmetic: a far year would make the catch-up walk for ever.
    const auto in = [](const std::optional<qint64>& n, qint64 low, qint64 high) {
        return n && *n >= low && *n <= high;
    };
    if (!in(y, 1900, 9999) || !in(mo, 1, 12) || !in(d, 1, 31) || !in(h, 0, 23) || !in(mi, 0, 59))
        return unreadable();
    const QDate date{int(*y), int(*mo), int(*d)};
    if (!date.isValid())
        return unreadable();
    // A wall reading: a stamp inside a skipped daylight-saving hour is still the minute it names.
    return {QDateTime(date, QTime{int(*h), int(*mi)}, Qt::UTC), {}};
}

} // namespace velkor::shell
