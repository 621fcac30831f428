// The sync window against a stand-in for the sync service, in both languages.
#include "fakes/fake_services.h"
#include "fakes/window_helpers.h"
#include "ui/sync/sync_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace velkor::sync_ui;

namespace {

class FakeDoor final : public SyncDoor {
public:
    SyncState state() const override { return current; }
    void check(const QUrl& server, const QString& user, const QString& password,
               std::function<void(const QString&, const QList<ServerCollection>&)> done) override {
        checked.append(server.toString() + u' ' + user + u' ' + password);
        done(checkError, collections);
    }
    void keep(const AccountChoice& choice, std::function<void(const QString&)> done) override {
        kept.append(choice);
        current = {true, choice.server, choice.user, false, {}, true, {}};
        done({});
        emit stateChanged();
    }
    void syncNow() override { ++syncs; }
    void stop() override {
        current = {};
        emit stateChanged();
    }

    SyncState current;
    QString checkError;
    QList<ServerCollection> collections;
    QStringList checked;
    QList<AccountChoice> kept;
    int syncs = 0;
};

template <typename T> T* field(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

} // namespace

class TestSyncWindow : public QObject {
    Q_OBJECT
private slots:
    // Set up once: checked, the server's collections offered beside Velkor's own, kept, synced; the
    // password typed is gone from the window once kept, and the stored one is never shown.
    void setUpCheckedKeptAndSynced() {
        TestContext t;
        FakeDoor door;
        door.collections = {{"/u/cal/", u"İş"_s, true, false, false},
                            {"/u/notes/", u"Günlük"_s, true, true, false},
                            {"/u/book/", u"Kişiler"_s, false, false, true}};
        SyncWindow window(t.ctx, door);
        QVERIFY(!field<QPushButton>(window, "syncNow")->isEnabled());
        field<QLineEdit>(window, "server")->setText(u"dav.example.org"_s);
        field<QLineEdit>(window, "user")->setText(u"ayşe"_s);
        field<QLineEdit>(window, "password")->setText(u"gizli"_s);
        door.checkError = u"401 Unauthorized"_s;
        press(&window, u"Hesabı denetle"_s);
        QVERIFY(field<QLabel>(window, "status")->text().contains(u"401 Unauthorized"_s));
        QVERIFY(field<QLabel>(window, "status")->textInteractionFlags() & Qt::TextSelectableByMouse);
        QVERIFY(t.prompter.boxes.isEmpty() && !field<QPushButton>(window, "syncNow")->isEnabled());
        door.checkError.clear();
        press(&window, u"Hesabı denetle"_s);
        QCOMPARE(door.checked.last(), u"https://dav.example.org ayşe gizli"_s);
        auto* diary = field<QComboBox>(window, "diary");
        QCOMPARE(diary->count(), 2); // Velkor's own and the one calendar that takes journal entries
        diary->setCurrentIndex(1);
        QCOMPARE(field<QComboBox>(window, "plans")->count(), 3);
        QCOMPARE(field<QComboBox>(window, "directory")->itemText(1), u"Kişiler"_s);
        press(&window, u"Şimdi eşitle"_s);
        QCOMPARE(door.kept.size(), 1);
        const AccountChoice& kept = door.kept.first();
        QVERIFY(kept.user == u"ayşe"_s && kept.password == u"gizli"_s && kept.plans.isEmpty() &&
                kept.diary == "/u/notes/" && kept.directory.isEmpty());
        QCOMPARE(door.syncs, 1);
        QVERIFY(field<QLineEdit>(window, "password")->text().isEmpty());
        QCOMPARE(field<QLineEdit>(window, "password")->placeholderText(), u"anahtarlıkta saklı"_s);
        press(&window, u"Şimdi eşitle"_s); // nothing changed: only a sync
        QCOMPARE(door.kept.size(), 1);
        QCOMPARE(door.syncs, 2);
    }

    // The last sync in plain words, in the program's language; stopping asks, and No keeps the account.
    void lastSyncToldAndStopAsked() {
        TestContext t;
        FakeDoor door;
        door.current = {true,
                        QUrl(u"https://dav.example.org/"_s),
                        u"ali"_s,
                        false,
                        QDateTime(QDate(2026, 12, 8), QTime(9, 15)),
                        false,
                        u"the server did not answer"_s};
        SyncWindow window(t.ctx, door);
        QCOMPARE(field<QLabel>(window, "status")->text(),
                 u"Son eşitleme, 08.12.2026 09:15, olmadı: the server did not answer"_s);
        lang::useLanguage(Language::English);
        QCOMPARE(field<QLabel>(window, "status")->text(),
                 u"The last sync, 08/12/2026 09:15, did not work: the server did not answer"_s);
        QCOMPARE(field<QLineEdit>(window, "server")->text(), u"https://dav.example.org/"_s);
        press(&window, u"Stop syncing"_s);
        QVERIFY(door.current.configured && t.prompter.boxes.last().text.contains(u"dav.example.org"_s));
        t.prompter.answers.enqueue(Answer::Yes);
        press(&window, u"Stop syncing"_s);
        QVERIFY(!door.current.configured && !field<QPushButton>(window, "stop")->isEnabled());
        lang::useLanguage(Language::Turkish);
    }
};

QTEST_MAIN(TestSyncWindow)
#include "tst_sync_window.moc"
