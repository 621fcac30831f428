#include "shell/bookkeeping.h"

#include "support/record_file.h"

#include <QFile>

namespace velkor::shell {

IoResult Bookkeeping::ensurePlanFile() const {
    const QString scratch = m_dir.filePath(QStringLiteral("temp.kyt"));
    if (!QFile::exists(planFile()) && QFile::exists(scratch) && !QFile::rename(scratch, planFile()))
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

std::optional<QDateTime> Bookkeeping::readLastExit() const {
    auto records = readRecordFile(exitFile());
    if (!records.ok() || records.value.isEmpty() || !records.value.first().fields)
        return std::nullopt;
    const Fields& f = *records.value.first().fields;
    const auto y = numberAt(f, 0), mo = numberAt(f, 1), d = numberAt(f, 2), h = numberAt(f, 3),
               mi = numberAt(f, 4);
    if (!y || !mo || !d || !h || !mi)
        return std::nullopt;
    const QDate date(static_cast<int>(*y), static_cast<int>(*mo), static_cast<int>(*d));
    const QTime time(static_cast<int>(*h), static_cast<int>(*mi));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

} // namespace velkor::shell
