// The directory's search after a keystroke on 100,000 entries (read, fold, match, sort, fill the list),
// beside a plain SQLite walk of the same table.
#include "bench_context.h"
#include "bench_util.h"
#include "directory/directory_store.h"
#include "directory/directory_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

using namespace velkor;
using namespace velkor::bench;

namespace {

constexpr int EntryCount = 100000;
constexpr int Runs = 9;

// Names of many shapes, Turkish letters included; a handful start with "Velkorian" for the narrow search.
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

    directory::DirectoryWindow window(ctx);
    window.show();
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* list = window.findChild<QListView*>(QStringLiteral("List1"));

    volatile int sink = 0;
    const double plain = medianMs(Runs, [&] { sink = sink + plainWalk(store.database().path()); });
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
    const double few = searchFor(QStringLiteral("velkori"));
    const int fewRows = list->model()->rowCount();
    const double number = searchFor(QStringLiteral("0537 10"));
    const int numberRows = list->model()->rowCount();
    const double choose = medianMs(Runs, [&] {
        list->setCurrentIndex(QModelIndex());
        list->setCurrentIndex(list->model()->index(0, 0));
    });

    const auto line = [&](const char* what, int rows) {
        return QStringLiteral("directory.search %1 (100k, %2 listed)")
            .arg(QLatin1String(what))
            .arg(rows)
            .toUtf8();
    };
    report(line("empty text", allRows).constData(), all, "ms", "plain SQLite walk (100k)", plain);
    report(line("name prefix \"a\"", commonRows).constData(), common, "ms", "plain SQLite walk (100k)",
           plain);
    report(line("name prefix, few", fewRows).constData(), few, "ms", "plain SQLite walk (100k)", plain);
    report(line("number prefix", numberRows).constData(), number, "ms", "plain SQLite walk (100k)", plain);
    report("directory.choose an entry (100k)", choose, "ms", "plain SQLite walk (100k)", plain);
    return sink < 0;
}
