// Times the diary browser's refresh on 100,000 entries against a plain QSqlQuery walk of the same table.
// Prints: name<TAB>value<TAB>unit<TAB>baseline-name<TAB>baseline-value

#include "bench_context.h"
#include "core/diary/diary_listing.h"
#include "core/diary/diary_store.h"
#include "ui/diary/diary_browser_window.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace velkor;
using namespace velkor::diary;

namespace {

constexpr int EntryCount = 100000;
constexpr int Runs = 7;

double medianMs(const std::function<void()>& work, const std::function<void()>& before = {}) {
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        if (before)
            before();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Subjects of everyday words; about one entry in two thousand starts with the rare prefix.
bool fill(const DiaryStore& store) {
    const char* words[] = {"Toplantı", "İstanbul", "Alışveriş", "Doktor", "Gezi", "Okul", "Spor",  "Kitap",
                           "Ödeme",    "Işık",     "Çarşı",     "Bayram", "Ev",   "İş",   "Yemek", "Tatil"};
    QRandomGenerator random(2026);
    QList<db::Statement> inserts;
    inserts.reserve(EntryCount);
    for (int i = 0; i < EntryCount; ++i) {
        const QString subject = i % 2000 == 7 ? QStringLiteral("Zeytin hasadı %1").arg(i)
                                              : QStringLiteral("%1 %2 %3")
                                                    .arg(QString::fromUtf8(words[random.bounded(16)]),
                                                         QString::fromUtf8(words[random.bounded(16)]))
                                                    .arg(i);
        inserts.append(
            {QStringLiteral("INSERT INTO Table1 (RecordSubject, RecordContent, RecordDay, RecordMonth, "
                            "RecordYear) VALUES (?, ?, ?, ?, ?)"),
             {subject, QStringLiteral("Bugün olanlar, yapılacaklar ve notlar; satır satır.\r\n").repeated(3),
              QStringLiteral("%1").arg(random.bounded(1, 29), 2, 10, QLatin1Char('0')),
              QStringLiteral("%1").arg(random.bounded(1, 13), 2, 10, QLatin1Char('0')),
              QString::number(random.bounded(1990, 2031))}});
    }
    const Loaded<db::ChangeOutcome> added = store.history().change(inserts);
    if (!added.ok())
        std::fprintf(stderr, "%s\n", qPrintable(added.error));
    return added.ok();
}

double plainWalkMs(const QString& path) {
    return medianMs([&] {
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("baseline"));
            db.setDatabaseName(path);
            db.open();
            QSqlQuery query(db);
            query.setForwardOnly(true);
            query.exec(QStringLiteral("SELECT * FROM Table1"));
            qint64 sum = 0;
            while (query.next()) {
                for (int column = 0; column < 6; ++column)
                    sum += query.value(column).toString().size();
            }
            if (sum == 0)
                std::fprintf(stderr, "baseline read nothing\n");
        }
        QSqlDatabase::removeDatabase(QStringLiteral("baseline"));
    });
}

void print(const char* name, double value, double baseline) {
    std::printf("%s\t%.1f\tms\tsqlite_walk_100k\t%.1f\n", name, value, baseline);
}

} // namespace

int main(int argc, char* argv[]) {
    velkor::bench::preferOffscreen();
    QApplication app(argc, argv);
    velkor::bench::BenchContext bench;
    const DiaryStore store{bench.ctx.dataDir};
    if (!fill(store))
        return 1;

    const double baseline = plainWalkMs(store.history().path());

    QList<DiaryEntry> entries;
    print("diary_store_read_100k",
          medianMs([&] { entries = store.readEntries(EntryFields::WithoutContent).value; }), baseline);
    print("diary_listing_build_100k", medianMs([&] {
              buildListing(entries, {static_cast<int>(Period::All), 1, QString(), QString()});
          }),
          baseline);

    AppContext& context = bench.ctx;
    DiaryBrowserWindow browser(context);
    browser.show();
    auto* list = browser.findChild<QListView*>(QStringLiteral("List1"));
    auto* period = browser.findChild<QComboBox*>(QStringLiteral("Combo4"));
    auto* search = browser.findChild<QLineEdit*>(QStringLiteral("Text1"));
    period->setCurrentIndex(static_cast<int>(Period::All));
    const auto refreshAndShow = [&] {
        browser.refresh();
        list->doItemsLayout();
        QCoreApplication::processEvents(); // the repaint
    };
    // A save by another copy of the program, outside the timing: the next refresh must read the table again.
    const auto touch = [&] {
        store.history().change(
            {{QStringLiteral("UPDATE Table1 SET RecordContent = RecordContent || '.' WHERE RecordNo = 1"),
              {}}});
    };
    print("diary_refresh_all_100k", medianMs(refreshAndShow, touch), baseline);
    if (list->model()->rowCount() != EntryCount)
        std::fprintf(stderr, "listed %d of %d\n", list->model()->rowCount(), EntryCount);

    search->setText(QStringLiteral("zey")); // as typed: folds to ZEY and finds the 50 "Zeytin" entries
    print("diary_refresh_keystroke_100k", medianMs(refreshAndShow), baseline);
    print("diary_refresh_keystroke_after_change_100k", medianMs(refreshAndShow, touch), baseline);
    if (list->model()->rowCount() != EntryCount / 2000)
        std::fprintf(stderr, "search listed %d\n", list->model()->rowCount());
    return 0;
}
