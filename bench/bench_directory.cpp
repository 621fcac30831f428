// The directory window on 1,000,000 entries: opening it (read, order, fill the list) and the search after a
// keystroke, each beside a plain SQLite walk of the same table.
#include "bench_context.h"
#include "bench_util.h"
#include "core/directory/directory_store.h"
#include "ui/directory/directory_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

using namespace velkor;
using namespace velkor::bench;

namespace {

constexpr int EntryCount = 1000000;
constexpr int Runs = 5;

// Names of many shapes, Turkish letters included; one in 5,000 starts with "Velkorian" for the narrow
// searches.
void fill(const QString& path) {
    const QStringList first =
        QString::fromUtf8("Ahmet Ayşe Çağla Deniz Emre Fatma Gül Hüseyin İrem Işık Kemal "
                          "Leyla Mehmet Nur Oğuz Özge Recep Selin Şule Tolga Ümit Zeynep")
            .split(QLatin1Char(' '));
    const QStringList last =
        QString::fromUtf8("Yılmaz Kaya Demir Şahin Çelik Yıldız Yıldırım Öztürk Aydın Özdemir "
                          "Arslan Doğan Kılıç Aslan Çetin Kara Koç Kurt Özkan Şimşek")
            .split(QLatin1Char(' '));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(
            QStringLiteral("INSERT INTO Table1 (RecordName, RecordTel, RecordAddress) VALUES (?, ?, ?)"));
        for (int i = 0; i < EntryCount; ++i) {
            const QString name = i % 5000 == 0
                                     ? QStringLiteral("Velkorian %1").arg(i)
                                     : QStringLiteral("%1 %2 %3")
                                           .arg(first[i % first.size()], last[(i / 7) % last.size()])
                                           .arg(i);
            insert.addBindValue(name);
            insert.addBindValue(QStringLiteral("0%1 %2").arg(500 + i % 60).arg(1000000 + i));
            insert.addBindValue(QStringLiteral("Cadde %1, No %2\nİstanbul").arg(i % 300).arg(i % 97));
            insert.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

// What any reader of the table must pay: open, walk every name and number, close.
int plainWalk(const QString& path) {
    int rows = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("plain"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.exec(QStringLiteral("SELECT RecordName, RecordTel FROM Table1 ORDER BY rowid"));
        while (query.next())
            rows += int(query.value(0).toString().size() + query.value(1).toString().size() > 0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("plain"));
    return rows;
}

} // namespace

int main(int argc, char* argv[]) {
    preferOffscreen();
    QApplication app(argc, argv);
    BenchContext bench;
    AppContext& ctx = bench.ctx;

    const directory::DirectoryStore store(ctx.dataDir);
    store.ensureCreated();
    fill(store.database().path());

    volatile int sink = 0;
    const double plain = medianMs(Runs, [&] { sink = sink + plainWalk(store.database().path()); });
    // From nothing to the whole directory listed and laid out; closing the window is not counted.
    std::vector<double> opens;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        auto* opened = new directory::DirectoryWindow(ctx);
        opened->show();
        opened->refreshList();
        QCoreApplication::processEvents();
        opens.push_back(double(timer.nsecsElapsed()) / 1e6);
        sink = sink + opened->findChild<QListView*>(QStringLiteral("List1"))->model()->rowCount();
        delete opened;
    }
    std::sort(opens.begin(), opens.end());
    const double open = opens[1];

    directory::DirectoryWindow window(ctx);
    window.show();
    window.refreshList();
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* list = window.findChild<QListView*>(QStringLiteral("List1"));
    // One keystroke's work: the search, then the events that lay the list out.
    const auto searchFor = [&](const QString& text) {
        search->setText(text);
        return medianMs(Runs, [&] {
            window.refreshList();
            QCoreApplication::processEvents();
            sink = sink + list->model()->rowCount();
        });
    };
    const double all = searchFor(QString());
    const int allRows = list->model()->rowCount();
    const double common = searchFor(QStringLiteral("a"));
    const int commonRows = list->model()->rowCount();
    const double few = searchFor(QStringLiteral("velkorian 12"));
    const int fewRows = list->model()->rowCount();
    const double word = searchFor(QString::fromUtf8("öztürk"));
    const int wordRows = list->model()->rowCount();
    const double number = searchFor(QStringLiteral("0537 10"));
    const int numberRows = list->model()->rowCount();
    const double choose = medianMs(Runs, [&] {
        list->setCurrentIndex(QModelIndex());
        list->setCurrentIndex(list->model()->index(0, 0));
    });

    const char* floor = "plain SQLite walk (1M)";
    const auto line = [&](const char* what, int rows) {
        return QStringLiteral("directory.search %1 (1M, %2 listed)")
            .arg(QLatin1String(what))
            .arg(rows)
            .toUtf8();
    };
    report("directory.open the window (1M)", open, "ms", floor, plain);
    report(line("empty text", allRows).constData(), all, "ms", floor, plain);
    report(line("name prefix \"a\"", commonRows).constData(), common, "ms", floor, plain);
    report(line("name prefix, few", fewRows).constData(), few, "ms", floor, plain);
    report(line("a later word of the name", wordRows).constData(), word, "ms", floor, plain);
    report(line("number prefix", numberRows).constData(), number, "ms", floor, plain);
    report("directory.choose an entry (1M)", choose, "ms", floor, plain);
    return sink < 0;
}
