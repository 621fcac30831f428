#pragma once

#include "core/base/record_file.h"
#include "core/plans/plan_record.h"

#include <QFile>
#include <QRandomGenerator>

namespace velkor::bench {

// A plan file of `count` plans spread over the year, a quarter of them all-day.
inline QByteArray makePlanFile(int count) {
    QRandomGenerator rng(42);
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        const plans::SlotTime t = plans::slotTime(int(rng.bounded(48)) * (rng.bounded(4) ? 1 : 0));
        bytes += encodeRecord(
            {qint64(1 + rng.bounded(12)), qint64(1 + rng.bounded(28)), qint64(t.hour), qint64(t.minute),
             QStringLiteral("Plan %1: toplantı, doktor randevusu ya da doğum günü").arg(i)});
    }
    return bytes;
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// What any program must do at least: read the file, split it into records and fields, decode the texts.
inline int plainReadAndParse(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray all = file.readAll();
    int records = 0;
    qsizetype pos = 0;
    while (pos < all.size()) {
        const qsizetype quote = all.indexOf('"', pos);
        const qsizetype close = all.indexOf('"', quote + 1);
        if (quote < 0 || close < 0)
            break;
        const QList<QByteArray> numbers = all.mid(pos, quote - pos).split(',');
        const QString text = QString::fromUtf8(all.mid(quote + 1, close - quote - 1));
        records += numbers.size() > 4 && !text.isEmpty() ? 1 : 0;
        pos = all.indexOf('\n', close) + 1;
        if (pos == 0)
            break;
    }
    return records;
}

} // namespace velkor::bench
