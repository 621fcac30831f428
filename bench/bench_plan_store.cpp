// Every plan store operation on 10,000 plans beside a plain read-and-parse of the same file.
#include "bench_util.h"
#include "plans/plan_store.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>

using namespace velkor;
using namespace velkor::plans;
using velkor::bench::medianMs;
using velkor::bench::report;

namespace {

constexpr int PlanCount = 10000;
constexpr int Runs = 15;

QByteArray makeFile() {
    QRandomGenerator rng(42);
    QByteArray bytes;
    for (int i = 0; i < PlanCount; ++i) {
        const int slot = int(rng.bounded(48));
        const SlotTime t = slotTime(slot);
        bytes += encodeRecord(
            {qint64(1 + rng.bounded(12)), qint64(1 + rng.bounded(28)), qint64(t.hour), qint64(t.minute),
             QStringLiteral("Plan %1: toplantı, doktor randevusu ya da doğum günü").arg(i)});
    }
    return bytes;
}

// What any program must do at least: read the file, split it into records and fields, decode the texts.
int plainReadAndParse(const QString& path) {
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

} // namespace

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("myfile.kyt"));
    const QByteArray original = makeFile();
    const auto restore = [&] {
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(original);
    };
    restore();
    const PlanStore store(path);

    volatile int sink = 0;
    const double plain = medianMs(Runs, [&] { sink = sink + plainReadAndParse(path); });
    const QString someLine = store.monthLines(6).value.value(10);

    const double readAll = medianMs(Runs, [&] { sink = sink + int(store.readPlans().value.size()); });
    const double month = medianMs(Runs, [&] { sink = sink + int(store.monthLines(6).value.size()); });
    const double day = medianMs(Runs, [&] { sink = sink + int(store.dayLines(6, 15).value.size()); });
    const double find = medianMs(Runs, [&] { sink = sink + int(store.findPlanText(someLine).value.size()); });
    const double remove = medianMs(Runs, [&] {
        restore();
        sink = sink + int(store.removePlansByLine({someLine}).value.size());
    });
    const double plainRestore = medianMs(Runs, [&] { restore(); });
    const double append = medianMs(Runs, [&] {
        sink = sink + int(store.appendPlan({6, 1, 25, 0, QStringLiteral("x")}).ok());
    });

    report("plan_store.readPlans (10k)", readAll, "ms", "plain read-and-parse", plain);
    report("plan_store.monthLines (10k)", month, "ms", "plain read-and-parse", plain);
    report("plan_store.dayLines (10k)", day, "ms", "plain read-and-parse", plain);
    report("plan_store.findPlanText (10k)", find, "ms", "plain read-and-parse", plain);
    report("plan_store.removePlansByLine (10k)", remove - plainRestore, "ms", "plain read-and-parse", plain);
    report("plan_store.appendPlan (10k)", append, "ms", "plain read-and-parse", plain);
    return 0;
}
