// Plans in step through a real CalDAV server (started by the CTest fixture): two computers and a phone.
#include "fakes/test_support.h"

#include "core/diary/diary_store.h"
#include "core/directory/directory_store.h"
#include "core/plans/plan_store.h"
#include "sync/account.h"
#include "sync/sync_run.h"
#include "sync/sync_texts.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSslCertificate>
#include <QTemporaryDir>

using plans::PlanRecord;

namespace {

QString serverUrl;
bool radicale = false; // else Xandikos, which leaves passwords to a proxy and names one principal for all
int nextUser = 0;
const QString Password = u"parola"_s;

// One data folder, as on one computer.
struct Computer {
    QTemporaryDir dir;
    plans::PlanStore store{plans::planFileIn(QDir(dir.path()))};
    bool answerDeletes = false;
    int asked = 0;

    sync::SyncOutcome setup(const QString& user, const QString& password = Password,
                            const QString& url = serverUrl) {
        return sync::waitForSync([&](sync::SyncDone done) {
            // Each case in a calendar of its own: Xandikos has one principal for every user.
            sync::setupAccount(QDir(dir.path()), QUrl(url), user, password, std::move(done),
                               u"Velkor "_s + user);
        });
    }
    sync::SyncOutcome sync(const QString& password = Password, int timeoutMs = 30000) {
        return sync::waitForSync([&](sync::SyncDone done) {
            sync::runSync(
                QDir(dir.path()), password, QDateTime::currentDateTime(),
                [this](const QString&, int, int, bool) {
                    ++asked;
                    return answerDeletes;
                },
                std::move(done), timeoutMs);
        });
    }
    sync::Account account() const { return sync::readAccount(QDir(dir.path())).value_or(sync::Account()); }
    QList<PlanRecord> plans() {
        auto all = store.readPlans().value;
        std::sort(all.begin(), all.end(),
                  [](const PlanRecord& a, const PlanRecord& b) { return a.text < b.text; });
        return all;
    }
};

// A helper script of tests/sync on python3, read a line at a time; killed once the test is done with it.
struct Script {
    QProcess process;
    Script(const char* name, QStringList args) {
        args.prepend(QStringLiteral(VELKOR_SOURCE_DIR "/tests/sync/") + QLatin1String(name));
        process.start(u"/usr/bin/python3"_s, args);
    }
    ~Script() {
        process.kill();
        process.waitForFinished();
    }
    // The next line it writes; empty once it has ended (bounded: a helper that hangs fails the test).
    QByteArray line() {
        while (process.state() != QProcess::NotRunning && !process.canReadLine() &&
               process.waitForReadyRead(60000)) {
        }
        return process.readLine();
    }
};

// A phone (phone.py, on python3-caldav) working on one collection of the account.
struct Phone {
    QByteArray calendar; // its collection's href
    Script script;
    Phone(const QString& user, const Computer& c, QByteArray sync::Account::*kind = &sync::Account::calendar)
        : calendar(c.account().*kind), script("phone.py", {serverUrl, user, Password, calendar}) {}
    QJsonValue ask(const QJsonArray& command) {
        script.process.write(QJsonDocument(command).toJson(QJsonDocument::Compact) + '\n');
        return QJsonDocument::fromJson('[' + script.line() + ']').array().at(0);
    }
    QHash<QByteArray, QByteArray> items() { // href → ETag
        QHash<QByteArray, QByteArray> found;
        const QJsonObject listed = ask({u"items"_s}).toObject();
        for (auto it = listed.begin(); it != listed.end(); ++it)
            found.insert(it.key().toUtf8(), it->toString().toUtf8());
        return found;
    }
    QByteArray get(const QByteArray& href) {
        return ask({u"get"_s, QString::fromUtf8(href)}).toString().toUtf8();
    }
    // A new item without `etag`, else a change of that version.
    bool put(const QByteArray& href, const QByteArray& text, const QByteArray& etag = {}) {
        return ask({u"put"_s, QString::fromUtf8(href), QString::fromUtf8(text), QString::fromUtf8(etag)})
            .toBool();
    }
    // A phone keeps the item's UID when it changes it.
    QByteArray uidAt(const QByteArray& href) {
        const QByteArray text = get(href);
        const qsizetype at = text.indexOf("\nUID:") + 5;
        return text.mid(at, text.indexOf('\n', at) - at).trimmed();
    }
    bool remove(const QByteArray& href) { return ask({u"remove"_s, QString::fromUtf8(href)}).toBool(); }
    // The item whose text holds `needle`.
    QByteArray find(const QByteArray& needle) {
        return ask({u"find"_s, QString::fromUtf8(needle)}).toString().toUtf8();
    }
};

// The proxy of fault_proxy.py in front of the server, breaking the request its rule names.
struct FaultProxy {
    QTemporaryDir dir;
    Script script{"fault_proxy.py", {serverUrl, rulePath()}};
    QString url = u"http://127.0.0.1:%1/"_s.arg(QString::fromLatin1(script.line().trimmed()));

    QString rulePath() const { return dir.filePath(u"rule"_s); }
    bool rule(const QByteArray& line) {
        QSaveFile file(rulePath());
        return file.open(QIODevice::WriteOnly) && file.write(line) == line.size() && file.commit();
    }
    // Waits until the held request has come: the client is in the middle of it.
    bool held() { return script.line() == "held\n"; }
};

QByteArray phoneEvent(const QByteArray& uid, const QByteArray& start, const QByteArray& summary,
                      const QByteArray& rule = "FREQ=YEARLY") {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:" + uid +
           "\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:" + start + "\r\nRRULE:" + rule +
           "\r\nSUMMARY:" + summary + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

// An account through the proxy, three events from the phone and ten plans here: the work a broken sync
// leaves half done. Null when it could not be set up.
std::unique_ptr<Phone> halfWayWork(Computer& a, const FaultProxy& proxy, const QString& u) {
    if (!a.setup(u, Password, proxy.url).ok)
        return nullptr;
    auto phone = std::make_unique<Phone>(u, a);
    QList<PlanRecord> mine;
    for (int day = 1; day <= 10; ++day)
        mine.append({9, day, 25, 0, u"Eylül %1"_s.arg(day)});
    for (const QByteArray day : {"20260301", "20260302", "20260303"})
        if (!phone->put(phone->calendar + day + ".ics", phoneEvent(day, day, "Telefondan " + day)))
            return nullptr;
    return a.store.addPlans(mine) ? std::move(phone) : nullptr;
}

} // namespace

class TestSync : public QObject {
    Q_OBJECT

    QString user() { return u"u%1"_s.arg(++nextUser); }

private slots:
    void initTestCase() {
        const QByteArray dir = qgetenv("VELKOR_DAV_DIR");
        QVERIFY2(!dir.isEmpty(), "run by ctest: the fixture starts the server");
        const QString server = QString::fromUtf8(readAll(QString::fromUtf8(dir) + u"/url"_s));
        serverUrl = server.section(u'\n', 0, 0);
        radicale = server.section(u'\n', 1, 1) == QLatin1String("radicale");
        QVERIFY(!serverUrl.isEmpty());
    }

    // Two computers and a phone through one server: adds, changes and deletes travel every way, Turkish
    // text and 29 February come back as they were, and events that are no plans are left alone.
    void twoComputersAndAPhone() {
        Computer a, b;
        const QString u = user();
        const QList<PlanRecord> first{{2, 29, 25, 0, u"Artık yıl doğum günü"_s},
                                      {5, 19, 9, 30, u"Çiğdem'le kahvaltı: ğüşıöç İĞÜŞÖÇ"_s},
                                      {12, 31, 25, 0, u"Yılbaşı"_s}};
        QVERIFY(a.store.addPlans(first));
        QVERIFY2(a.setup(u).ok, "setup");
        QVERIFY(b.setup(u).ok);
        auto out = a.sync();
        QVERIFY2(out.ok, qPrintable(out.summary));
        QCOMPARE(out.counts.out, 3);
        out = b.sync();
        QCOMPARE(out.counts.in, 3);
        QCOMPARE(b.plans(), a.plans());

        // The phone sees a yearly event with an alarm at the minute, and works on it.
        Phone phone(u, a);
        const QByteArray breakfast = phone.find("Çiğdem");
        QVERIFY(!breakfast.isEmpty());
        const QByteArray text = phone.get(breakfast);
        QVERIFY(text.contains("RRULE:FREQ=YEARLY") &&
                (text.contains("TRIGGER:PT0S") || text.contains("TRIGGER:P0D")) &&
                text.contains("ACTION:DISPLAY"));
        QVERIFY(phone.get(phone.find("Artık")).contains("0229"));
        const QByteArray newYear = phone.find("Yılbaşı");
        QVERIFY(phone.put(newYear, phoneEvent(phone.uidAt(newYear), "20261231", "Yılbaşı partisi"),
                          phone.items().value(newYear)));
        QVERIFY(phone.remove(breakfast));
        QVERIFY(phone.put(phone.calendar + "phone-1.ics",
                          phoneEvent("phone-1", "20260423", "Egemenlik Bayramı")));
        QVERIFY(phone.put(phone.calendar + "phone-2.ics",
                          phoneEvent("phone-2", "20260105", "Yüzme", "FREQ=WEEKLY")));
        // And the second computer adds one.
        QVERIFY(b.store.appendPlan({7, 15, 25, 0, u"Anma günü"_s}));
        QVERIFY(b.sync().ok);

        out = a.sync();
        QVERIFY2(out.ok, qPrintable(out.summary));
        QCOMPARE(out.counts.in, 4);    // changed, deleted, added by the phone, added by b
        QCOMPARE(out.notes.size(), 1); // the weekly event, named once
        QVERIFY(out.notes.first().contains(u"Yüzme"_s));
        const QList<PlanRecord> expected{{7, 15, 25, 0, u"Anma günü"_s},
                                         {2, 29, 25, 0, u"Artık yıl doğum günü"_s},
                                         {4, 23, 25, 0, u"Egemenlik Bayramı"_s},
                                         {12, 31, 25, 0, u"Yılbaşı partisi"_s}};
        QCOMPARE(a.plans(), expected);
        QVERIFY(b.sync().ok);
        QCOMPARE(b.plans(), expected);

        // Edited twice in Velkor, a plan keeps its UID and href; by a text editor, it is one gone, one new.
        const QByteArray memorial = phone.find("Anma");
        const QByteArray uid = phone.uidAt(memorial);
        const PlanRecord ceremony{7, 15, 25, 0, u"Anma töreni"_s};
        QVERIFY(a.store.replacePlan(expected[0], ceremony).value);
        QVERIFY(a.store.replacePlan(ceremony, {7, 15, 10, 0, ceremony.text}).value);
        QVERIFY(writeAll(a.store.path(), readAll(a.store.path()).replace("partisi", "yemekte")));
        QVERIFY(a.sync().ok);
        QCOMPARE(phone.find("töreni"), memorial);
        QCOMPARE(phone.uidAt(memorial), uid);
        QVERIFY(phone.get(memorial).contains("T100000"));
        QVERIFY(phone.find("partisi").isEmpty());
        QVERIFY(!phone.find("yemekte").isEmpty() && phone.find("yemekte") != newYear);
        QVERIFY(b.sync().ok);
        QCOMPARE(b.plans(), a.plans());

        // Nothing changed: a request or two, nothing named again, and the weekly event is still there.
        out = a.sync();
        QCOMPARE(out.counts.in + out.counts.out, 0);
        QVERIFY(out.notes.isEmpty());
        QCOMPARE(out.requests, radicale ? 1 : 2); // one for each folder of collections
        QVERIFY(!phone.find("Yüzme").isEmpty());
        QCOMPARE(phone.items().size(), 5);
    }

    // A first sync with the same plans on both computers links them instead of doubling them.
    void firstSyncDoublesNothing() {
        Computer a, b;
        const QString u = user();
        const QList<PlanRecord> same{{1, 1, 25, 0, u"Yeni yıl"_s}, {3, 8, 10, 0, u"Toplantı"_s}};
        QVERIFY(a.store.addPlans(same));
        QVERIFY(b.store.addPlans(same + QList<PlanRecord>{{9, 9, 25, 0, u"Yalnız b'de"_s}}));
        QVERIFY(a.setup(u).ok && b.setup(u).ok);
        QVERIFY(a.sync().ok);
        const auto out = b.sync();
        QCOMPARE(out.counts.out, 1);
        QCOMPARE(out.counts.in, 0);
        QVERIFY(a.sync().ok);
        QCOMPARE(a.plans().size(), 3);
        QCOMPARE(b.plans().size(), 3);
        QCOMPARE(Phone(u, a).items().size(), 3);
    }

    // Both sides changed: nothing is lost, the user is told of the conflict.
    void conflictsKeepBothVersions() {
        Computer a;
        const QString u = user();
        const PlanRecord edited{6, 1, 25, 0, u"Piknik"_s}, deleted{6, 2, 25, 0, u"Sinema"_s};
        QVERIFY(a.store.addPlans({edited, deleted}));
        QVERIFY(a.setup(u).ok && a.sync().ok);
        Phone phone(u, a);
        const QByteArray picnic = phone.find("Piknik"), cinema = phone.find("Sinema");
        const auto tags = phone.items();
        QVERIFY(phone.put(picnic, phoneEvent(phone.uidAt(picnic), "20260601", "Piknik (telefonda)"),
                          tags.value(picnic)));
        QVERIFY(phone.put(cinema, phoneEvent(phone.uidAt(cinema), "20260602", "Sinema (telefonda)"),
                          tags.value(cinema)));
        // Here: the picnic edited, the cinema deleted.
        QVERIFY(a.store.replacePlan(edited, {6, 1, 25, 0, u"Piknik (burada)"_s}).value);
        QVERIFY(!a.store.removePlans({deleted}).value.size());
        const auto out = a.sync();
        QVERIFY2(out.ok, qPrintable(out.summary));
        // The picnic kept in both versions, the cinema back as the phone has it.
        QCOMPARE(out.counts.conflicts, 2);
        QCOMPARE(a.plans(), (QList<PlanRecord>{{6, 1, 25, 0, u"Piknik (burada)"_s},
                                               {6, 1, 25, 0, u"Piknik (telefonda)"_s},
                                               {6, 2, 25, 0, u"Sinema (telefonda)"_s}}));
        QCOMPARE(phone.items().size(), 3);
    }

    // A sync token the server has forgotten: a full listing, nothing doubled.
    void expiredTokenListsAgain() {
        Computer a, b;
        const QString u = user();
        QVERIFY(a.store.addPlans({{4, 4, 25, 0, u"Bir"_s}, {4, 5, 25, 0, u"İki"_s}}));
        QVERIFY(a.setup(u).ok && b.setup(u).ok && a.sync().ok && b.sync().ok);
        // Radicale forgets tokens older than max_sync_token_age once it makes a new one; Xandikos knows
        // only tokens of its own history, so one it never gave stands for a forgotten one.
        const QString storage = QString::fromUtf8(qgetenv("VELKOR_DAV_DIR")) + u"/storage"_s;
        QDirIterator tokens(storage, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (radicale && tokens.hasNext()) {
            QFile token(tokens.next());
            if (token.fileName().contains(u"sync-token"_s) && token.open(QIODevice::ReadWrite))
                QVERIFY(token.setFileTime(QDateTime::currentDateTime().addDays(-40),
                                          QFileDevice::FileModificationTime));
        }
        if (!radicale) {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"forget"_s);
            db.setDatabaseName(a.dir.filePath(u"sync.db"_s));
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(u"UPDATE collections SET token = 'http://xandikos/0123456789abcdef'"_s, db)
                        .isActive());
            db.close();
        }
        QVERIFY(b.store.appendPlan({4, 6, 25, 0, u"Üç"_s}));
        QVERIFY(b.sync().ok);
        QVERIFY(b.sync().ok); // a new token written: the aged ones go
        const auto out = a.sync();
        QVERIFY2(out.ok, qPrintable(out.summary));
        QCOMPARE(out.counts.in, 1);
        QCOMPARE(a.plans().size(), 3);
        QCOMPARE(Phone(u, a).items().size(), 3);
    }

    // A wrong password, or an account refused the calendar, is told and changes nothing; an emptied server
    // does not empty the computer unless confirmed.
    void refusalsChangeNothing() {
        Computer a;
        const QString u = user();
        QVERIFY(!radicale || !a.setup(u, u"yanlış"_s).ok);
        QList<PlanRecord> many;
        for (int day = 1; day <= 8; ++day)
            many.append({8, day, 25, 0, u"Plan %1"_s.arg(day)});
        QVERIFY(a.store.addPlans(many));
        QVERIFY(a.setup(u).ok);
        const auto first = a.sync(u"yanlış"_s); // before the calendar is known, then after
        QVERIFY(a.sync().ok);
        Computer b; // another user's account, set to this calendar: Radicale keeps users to their own
        QVERIFY(b.setup(user()).ok);
        sync::Account theirs = b.account();
        theirs.calendar = a.account().calendar;
        QVERIFY(sync::writeAccount(QDir(b.dir.path()), theirs).isEmpty());
        for (const auto& wrong : {first, a.sync(u"yanlış"_s), b.sync()})
            QVERIFY(!radicale || (!wrong.ok && wrong.summary.contains(sync::texts::wrongPassword())));
        Phone phone(u, a);
        for (const QByteArray& href : phone.items().keys())
            QVERIFY(phone.remove(href));
        auto out = a.sync();
        QVERIFY(!out.ok);
        QCOMPARE(a.asked, 1);
        QCOMPARE(a.plans().size(), 8);
        a.answerDeletes = true;
        out = a.sync();
        QVERIFY(out.ok);
        QCOMPARE(a.plans().size(), 0);
    }

    // The directory through an address book: a phone's vCard 2.1 and 4.0 come in, an entry edited here
    // keeps its card and UID, and goes out as vCard 3.0.
    void directoryTravels() {
        Computer a, b;
        const QString u = user();
        const directory::DirectoryStore here(QDir(a.dir.path())), there(QDir(b.dir.path()));
        QVERIFY(
            here.save({u"Şükrü Öztürk"_s, u"0532 111 22 33"_s, u"İzmir"_s}, directory::SaveWrite::Insert));
        QVERIFY(a.setup(u).ok && b.setup(u).ok);
        QVERIFY(a.sync().ok);
        Phone phone(u, a, &sync::Account::addressBook);
        const QByteArray book = phone.calendar;
        QVERIFY(phone.put(
            book + "p21.vcf",
            "BEGIN:VCARD\r\nVERSION:2.1\r\nUID:p21\r\nFN:Ayşe Çelik\r\nN;CHARSET=UTF-8:Çelik;Ayşe\r\n"
            "TEL;CELL:+90 555 000 11 22\r\nEND:VCARD\r\n"));
        QVERIFY(phone.put(book + "p40.vcf", "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:p40\r\nFN:Gülşen Işık\r\n"
                                            "TEL;TYPE=work;VALUE=uri:tel:+90-212-555-0000\r\nEND:VCARD\r\n"));
        auto out = a.sync();
        QVERIFY2(out.ok, qPrintable(out.summary));
        QCOMPARE(out.counts.in, 2);
        QCOMPARE(here.readAll().value.size(), 3);

        const QByteArray card = phone.find("Öztürk");
        QVERIFY(phone.get(card).contains("VERSION:3.0"));
        const QByteArray uid = phone.uidAt(card);
        const directory::RowRef row = here.rowsNamed(u"Şükrü Öztürk"_s).value.value(0);
        QCOMPARE(here.change(row, {u"Şükrü Öztürk"_s, u"0532 999 88 77"_s, u"Ankara"_s},
                             directory::SaveWrite::Insert)
                     .value,
                 directory::RowChange::Done);
        out = a.sync();
        QCOMPARE(out.counts.out, 1);
        QVERIFY(phone.get(card).contains("999 88 77"));
        QCOMPARE(phone.uidAt(card), uid);
        QVERIFY(b.sync().ok);
        QCOMPARE(there.readAll().value.size(), 3);
        QVERIFY(there.readAll().value.contains(
            directory::DirRecord{u"Şükrü Öztürk"_s, u"0532 999 88 77"_s, u"Ankara"_s}));
    }

    // The diary through journal entries: a small attached file travels inside its entry, a large one is
    // named and the user told; an entry deleted on the server is kept here and sent again.
    void diaryTravels() {
        Computer a, b;
        const QString u = user();
        const QString small = a.dir.filePath(u"not.txt"_s), large = a.dir.filePath(u"büyük.bin"_s);
        QVERIFY(writeAll(small, "küçük dosya") && writeAll(large, QByteArray(300 * 1024, 'x')));
        const diary::DiaryStore here(QDir(a.dir.path())), there(QDir(b.dir.path()));
        const diary::DiaryEntry entry{-1, u"Gezi"_s, u"Çeşme'de üç gün"_s, u"14"_s, u"08"_s, u"2026"_s};
        QVERIFY(here.addEntries({{entry, {small, large}}}).ok());
        QVERIFY(a.setup(u).ok && b.setup(u).ok);
        auto out = a.sync();
        QVERIFY2(out.ok, qPrintable(out.summary));
        QCOMPARE(out.notes.size(), 1);
        QVERIFY(out.notes.first().contains(large));
        QVERIFY(b.sync().ok);
        const auto entries = there.readEntries().value;
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first().content, entry.content);
        const QStringList files = there.listFiles(entries.first().recordNo).value;
        QCOMPARE(files.size(), 2);
        QVERIFY(files.contains(large)); // named only: the path on the other computer
        const QString carried = files.at(files.indexOf(large) == 0 ? 1 : 0);
        QVERIFY(carried.startsWith(b.dir.path()));
        QCOMPARE(readAll(carried), QByteArray("küçük dosya"));

        Phone phone(u, a, &sync::Account::journal);
        QCOMPARE(phone.items().size(), 1);
        QVERIFY(phone.remove(phone.items().keys().first()));
        QVERIFY(a.sync().ok);
        QCOMPARE(here.readEntries().value.size(), 1);
        QCOMPARE(phone.items().size(), 1);
    }

    // Broken in the middle of a sync, the work is finished by the next, nothing lost and nothing doubled: a
    // server that drops the connection, never answers, or answers 500 or 412; the program killed before the
    // server took a write, after it took one but before the answer came, or while fetching ("hold").
    void interruptedSyncIsFinishedByTheNext_data() {
        QTest::addColumn<QByteArray>("rule");
        for (const char* rule :
             {"PUT 3 drop", "PUT 3 drop-after", "PUT 3 stall", "PUT 3 500", "PUT 3 412", "REPORT 2 drop",
              "REPORT 2 500", "PUT 4 hold", "PUT 4 hold-after", "REPORT 2 hold"})
            QTest::newRow(rule) << QByteArray(rule);
    }
    void interruptedSyncIsFinishedByTheNext() {
        QFETCH(QByteArray, rule);
        Computer a;
        FaultProxy proxy;
        const std::unique_ptr<Phone> phone = halfWayWork(a, proxy, user());
        QVERIFY(phone && proxy.rule(rule));
        if (rule.contains("hold")) {
            const QString program = a.dir.filePath(u"velkor"_s);
            QVERIFY(QFile::copy(QStringLiteral(VELKOR_PROGRAM), program));
            QProcess velkor;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"VELKOR_SYNC_PASSWORD"_s, Password);
            velkor.setProcessEnvironment(env);
            velkor.start(program, {u"--sync"_s});
            QVERIFY(proxy.held());
            velkor.kill();
            QVERIFY(velkor.waitForFinished(60000));
        } else {
            a.sync(Password, 1500); // may fail: that is the point
        }
        QVERIFY(proxy.rule({}));
        auto out = a.sync();
        QVERIFY2(out.ok, qPrintable(out.summary));
        QCOMPARE(a.plans().size(), 13);
        QCOMPARE(phone->items().size(), 13);
        out = a.sync();
        QCOMPARE(out.counts.in + out.counts.out + out.counts.conflicts, 0);
    }

    // A server that cuts its list of changes short (507) is asked for the rest within the same sync.
    void cutListingGoesOn() {
        Computer a;
        FaultProxy proxy;
        const std::unique_ptr<Phone> phone = halfWayWork(a, proxy, user());
        QVERIFY(phone && a.sync().ok);
        for (const QByteArray day : {"20260401", "20260402", "20260403", "20260404"})
            QVERIFY(phone->put(phone->calendar + day + ".ics", phoneEvent(day, day, "Nisan " + day)));
        QVERIFY(proxy.rule("REPORT 1 cut"));
        const auto out = a.sync();
        QVERIFY2(out.ok, qPrintable(out.summary));
        QCOMPARE(out.counts.in, 4);
        QCOMPARE(a.plans().size(), 17);
    }

    // A server without sync reports: changes are found by the calendar's ctag and a listing of ETags, and a
    // sync with nothing to do stops at the glance.
    void serverWithoutSyncReports() {
        Computer a;
        FaultProxy proxy;
        QVERIFY(proxy.rule("ctag-only"));
        const std::unique_ptr<Phone> phone = halfWayWork(a, proxy, user());
        QVERIFY(phone && a.sync().ok);
        QVERIFY(phone->put(phone->calendar + "bayram.ics", phoneEvent("bayram", "20260423", "Bayram")));
        auto out = a.sync();
        QVERIFY2(out.ok && out.counts.in == 1, qPrintable(out.summary));
        QCOMPARE(a.plans().size(), 14);
        QCOMPARE(phone->items().size(), 14);
        out = a.sync();
        QVERIFY(out.ok && out.counts.in + out.counts.out == 0);
        QCOMPARE(out.requests, radicale ? 1 : 2);
    }

    // A server whose certificate nobody vouches for is refused, its fingerprint named for the user.
    void selfSignedServerRefused() {
        const QString data = QStringLiteral(VELKOR_SOURCE_DIR "/tests/data/sync/");
        Computer a;
        sync::SyncOutcome out;
        {
            Script server("tls_server.py", {data + u"self-signed.crt"_s, data + u"self-signed.key"_s});
            const QString port = QString::fromLatin1(server.line().trimmed());
            out = a.setup(user(), Password, u"https://127.0.0.1:%1/"_s.arg(port));
        }
        QVERIFY(!out.ok);
        const auto certificates = QSslCertificate::fromPath(data + u"self-signed.crt"_s);
        QCOMPARE(certificates.size(), 1);
        const QString fingerprint =
            QString::fromLatin1(certificates.first().digest(QCryptographicHash::Sha256).toHex(':'));
        QVERIFY2(out.summary.contains(fingerprint), qPrintable(out.summary));
        QVERIFY(!QFileInfo::exists(a.dir.filePath(u"sync.ini"_s)));
    }

    // The command line: the password from the standard input or the environment, never in a file; handed to
    // a running copy; a calendar removed on the server leaves the plans here alone.
    void commandLine() {
        Computer a;
        const QString u = user();
        QVERIFY(a.store.appendPlan({10, 29, 25, 0, u"Cumhuriyet Bayramı"_s}));
        // A portable copy: its data folder is its own.
        const QString program = a.dir.filePath(u"velkor"_s);
        QVERIFY(QFile::copy(QStringLiteral(VELKOR_PROGRAM), program));
        QByteArray printed;
        const auto run = [&](const QStringList& args, const QByteArray& input, bool env) {
            QProcess p;
            QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
            env ? e.insert(u"VELKOR_SYNC_PASSWORD"_s, Password) : e.remove(u"VELKOR_SYNC_PASSWORD"_s);
            p.setProcessEnvironment(e);
            p.start(program, args);
            p.write(input);
            p.closeWriteChannel();
            const bool ended = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit;
            printed = p.readAllStandardOutput();
            return ended ? p.exitCode() : -1;
        };
        QCOMPARE(run({u"--sync-setup"_s, serverUrl, u}, "parola\n", false), 0);
        QCOMPARE(run({u"--sync"_s}, {}, true), 0);
        QCOMPARE(run({u"--sync"_s}, "yanlış\n", false), radicale ? 1 : 0);
        // With a Velkor running on the folder, the running copy does the sync and answers.
        QProcess running;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        e.insert(u"VELKOR_SYNC_PASSWORD"_s, Password);
        running.setProcessEnvironment(e);
        running.start(program, QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(a.dir.filePath(u"velkor.socket"_s)), 60000);
        Phone phone(u, a);
        QVERIFY(
            phone.put(phone.calendar + "genclik.ics", phoneEvent("genclik", "20260519", "Gençlik Bayramı")));
        QCOMPARE(run({u"--sync"_s}, {}, true), 0);
        QVERIFY2(printed.contains("1"), printed.constData()); // the running copy's summary: one came in
        QCOMPARE(a.plans().size(), 2);
        running.terminate();
        QVERIFY(running.waitForFinished(60000));
        QDirIterator files(a.dir.path(), QDir::Files);
        while (files.hasNext()) {
            const QString file = files.next();
            QVERIFY(file == program || !readAll(file).contains("parola"));
        }
        QCOMPARE(phone.items().size(), 2);
        QVERIFY(phone.remove(a.account().calendar));
        QCOMPARE(run({u"--sync"_s}, {}, true), 1);
        QCOMPARE(a.plans().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestSync)
#include "tst_sync.moc"
