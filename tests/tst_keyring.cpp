// The sync password in a real Secret Service (gnome-keyring in a private D-Bus session, started by
// keyring/with_keyring.sh), and on a desktop where no keyring answers.
#include "core/keyring/keyring.h"
#include "fakes/test_support.h"

#include <QDirIterator>
#include <QSignalSpy>

using namespace velkor::keyring;

namespace {

Answer waitFor(const std::function<void(Answered)>& request) {
    std::optional<Answer> got;
    request([&](const Answer& answer) { got = answer; });
    // Bounded: a keyring that hangs is a failure, not a wait.
    if (!QTest::qWaitFor([&] { return got.has_value(); }, 30'000))
        return {Outcome::Failed, {}, u"no answer"_s};
    return *got;
}

// Every file under `dir` that holds `text` as it was typed.
QStringList filesHolding(const QString& dir, const QByteArray& text) {
    QStringList found;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains(text))
            found.append(file.fileName());
    }
    return found;
}

} // namespace

class TestKeyring : public QObject {
    Q_OBJECT
private slots:
    // Kept, read back by a second keyring object (another start of the program), forgotten; and the
    // password is in no file of the home folder: the keyring keeps it sealed.
    void keptReadBackAndForgotten() {
        DesktopKeyring keyring;
        const QString account = accountKey(u"https://dav.example.org/"_s, u"ayşe"_s);
        const QString password = u"Gizli-Şifre-42"_s;
        const Answer saved = waitFor([&](Answered a) { keyring.save(account, password, a); });
        QVERIFY2(saved.outcome == Outcome::Done, qPrintable(saved.error));
        DesktopKeyring later;
        const Answer read = waitFor([&](Answered a) { later.load(account, a); });
        QCOMPARE(read.outcome, Outcome::Done);
        QCOMPARE(read.password, password);
        const QString other = accountKey(u"https://dav.example.org/"_s, u"ali"_s);
        QCOMPARE(waitFor([&](Answered a) { later.load(other, a); }).outcome, Outcome::NotFound);
        QCOMPARE(filesHolding(QDir::homePath(), password.toUtf8()), QStringList());
        QCOMPARE(waitFor([&](Answered a) { keyring.forget(account, a); }).outcome, Outcome::Done);
        QCOMPARE(waitFor([&](Answered a) { keyring.load(account, a); }).outcome, Outcome::NotFound);
    }

    // No keyring on this desktop: said so, promptly, and nothing is written in its place.
    void noKeyringIsSaidNotFaked() {
        DesktopKeyring keyring;
        const Answer saved = waitFor([&](Answered a) { keyring.save(u"a@b"_s, u"secret-77"_s, a); });
        QVERIFY2(saved.outcome == Outcome::NoKeyring,
                 qPrintable(QString::number(int(saved.outcome)) + saved.error));
        QCOMPARE(filesHolding(QDir::homePath(), "secret-77"), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestKeyring)
#include "tst_keyring.moc"
