#include "fakes/file_helpers.h"
#include "plans/plan_store.h"
#include "shell/single_instance.h"
#include "support/record_file.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>

using namespace velkor;
using shell::SingleInstance;

namespace {

// Child modes of this program: the other processes of a test.
int holdForever(const QString& dir) {
    SingleInstance instance(dir);
    if (instance.acquire() != SingleInstance::Outcome::First)
        return 2;
    QObject::connect(&instance, &SingleInstance::activationRequested, [] {
        std::printf("asked\n");
        std::fflush(stdout);
    });
    std::printf("held\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

// Appends plans and rewrites the file now and then, as a running copy does; a refused copy writes nothing.
int writePlans(const QString& dir, int count) {
    SingleInstance instance(dir);
    if (instance.acquire() == SingleInstance::Outcome::AlreadyRunning)
        return 0;
    const QString path = QDir(dir).filePath(QStringLiteral("myfile.kyt"));
    const plans::PlanStore store(path);
    for (int i = 0; i < count; ++i) {
        if (!store.appendPlan({1, 1, 25, 0, QStringLiteral("plan %1").arg(i)}).ok())
            return 3;
        if (i % 5 == 0) {
            const auto records = readRecordFile(path);
            QList<QByteArray> kept;
            for (const RecordEntry& e : records.value)
                kept.append(entryBytes(e));
            if (!records.ok() || !rewriteRecordFile(path, kept).ok())
                return 3;
        }
    }
    return 0;
}

QProcess* startChild(const QStringList& args, QObject* parent) {
    auto* child = new QProcess(parent);
    child->start(QCoreApplication::applicationFilePath(), args);
    return child;
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void laterStartAsksTheRunningCopyAndOtherFoldersRunBeside() {
        QTemporaryDir one, two;
        SingleInstance first(one.path());
        QSignalSpy asked(&first, &SingleInstance::activationRequested);
        QCOMPARE(first.acquire(), SingleInstance::Outcome::First);
        // A portable copy elsewhere is a program of its own.
        SingleInstance beside(two.path());
        QCOMPARE(beside.acquire(), SingleInstance::Outcome::First);

        QProcess* later = startChild({QStringLiteral("--write"), one.path(), QStringLiteral("10")}, this);
        QVERIFY(later->waitForFinished(10000));
        QCOMPARE(later->exitCode(), 0);
        QTRY_COMPARE(asked.count(), 1);
        QVERIFY(!QFile::exists(QDir(one.path()).filePath(QStringLiteral("myfile.kyt"))));
    }

    void lockOfALiveCopyHoldsWhateverItsAgeAndOfAKilledOneGoesAtOnce() {
        QTemporaryDir dir;
        QProcess* holder = startChild({QStringLiteral("--hold"), dir.path()}, this);
        QVERIFY(holder->waitForReadyRead(10000));
        QCOMPARE(holder->readAll(), QByteArray("held\n"));
        // A copy that has run for a day still holds the folder.
        QFile lock(QDir(dir.path()).filePath(SingleInstance::lockFileName()));
        QVERIFY(lock.open(QIODevice::ReadWrite) && lock.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                                                    QFileDevice::FileModificationTime));
        lock.close();
        {
            SingleInstance later(dir.path());
            QCOMPARE(later.acquire(), SingleInstance::Outcome::AlreadyRunning);
        }
        QVERIFY(holder->waitForReadyRead(10000));
        QCOMPARE(holder->readAll(), QByteArray("asked\n"));
        ::kill(pid_t(holder->processId()), SIGKILL);
        QVERIFY(holder->waitForFinished(5000));

        SingleInstance next(dir.path());
        QCOMPARE(next.acquire(), SingleInstance::Outcome::First);

        // In a container every start may get the same process id: a lock left naming ours is not ours.
        QTemporaryDir other;
        QVERIFY(testing::writeAll(QDir(other.path()).filePath(SingleInstance::lockFileName()),
                                  QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                                      QCoreApplication::applicationName().toUtf8() + '\n' +
                                      QSysInfo::machineHostName().toUtf8() + '\n'));
        QCOMPARE(SingleInstance(other.path()).acquire(), SingleInstance::Outcome::First);
    }

    void racingWritersLoseNothingOnceOneIsRefused() {
        QTemporaryDir dir;
        constexpr int Count = 400;
        const QStringList args{QStringLiteral("--write"), dir.path(), QString::number(Count)};
        QProcess* a = startChild(args, this);
        QProcess* b = startChild(args, this);
        QVERIFY(a->waitForFinished(60000) && b->waitForFinished(60000));
        QCOMPARE(a->exitCode(), 0);
        QCOMPARE(b->exitCode(), 0);
        const auto plans =
            plans::PlanStore(QDir(dir.path()).filePath(QStringLiteral("myfile.kyt"))).readPlans();
        QVERIFY(plans.ok());
        QCOMPARE(plans.value.size(), Count);
        QCOMPARE(plans.value.last().text, QStringLiteral("plan %1").arg(Count - 1));
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--hold"))
        return holdForever(args[2]);
    if (args.size() == 4 && args[1] == QLatin1String("--write"))
        return writePlans(args[2], args[3].toInt());
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_single_instance.moc"
