#include "fakes/file_helpers.h"
#include "lang/language_setting.h"
#include "notebook/notes_file.h"
#include "plans/plan_store.h"
#include "shell/bookkeeping.h"
#include "support/record_file.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace velkor;
using velkor::testing::readAll;
using velkor::testing::writeAll;

class TestWriteFailures : public QObject {
  Q_OBJECT
private slots:
  // On a full disk every store says which file failed and leaves the old
  // content as it was. The disk is a small filesystem of its own, filled to the
  // last byte; a write may still fill the last page of its file, so an append
  // can be torn.
  void fullDiskKeepsOldContent() {
    QTemporaryDir dir;
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs",
                                    dir.path()}) != 0)
      QSKIP("no right to mount a filesystem here");
    const auto unmount =
        qScopeGuard([&] { QProcess::execute("umount", {dir.path()}); });
    const QMap<QString, QByteArray> old{
        {"myfile.kyt", "3,15,9,30,\"Dentist\"\r\n12,31,25,0,\"New year\"\r\n"},
        {"tarih.kyt", "2026,3,5,9,0\r\n"},
        {"options.prg", "\"tr\"\r\n"},
        {"notes.kyt", "\"old note\"\r\n"}};
    for (auto it = old.cbegin(); it != old.cend(); ++it)
      QVERIFY(writeAll(dir.filePath(it.key()), it.value()));
    for (const auto &[name, block] :
         {std::pair{"filler", 4096}, std::pair{"filler2", 1}}) {
      QFile filler(dir.filePath(name));
      QVERIFY(filler.open(QIODevice::WriteOnly));
      while (filler.write(QByteArray(block, 'x')) == block && filler.flush()) {
      }
    }

    const plans::PlanStore store(dir.filePath("myfile.kyt"));
    const QList<std::pair<IoResult, const char *>> results{
        {store.appendPlan({1, 1, 25, 0, QString(9000, 'x')}), "myfile.kyt"},
        {IoResult::failure(
             store.removePlans({{3, 15, 9, 30, "Dentist"}}).error),
         "myfile.kyt"},
        {shell::Bookkeeping(QDir(dir.path()))
             .writeLastExit(QDateTime(QDate(2026, 4, 1), QTime(8, 0))),
         "tarih.kyt"},
        {lang::writeLanguageSetting(dir.filePath("options.prg"),
                                    Language::English),
         "options.prg"},
        {notebook::writeNote(dir.filePath("notes.kyt"), QString(8000, 'n')),
         "notes.kyt"},
    };
    for (const auto &[result, name] : results)
      QVERIFY2(result.error.contains(name),
               qPrintable(name + (": " + result.error)));
    for (auto it = old.cbegin(); it != old.cend(); ++it)
      QCOMPARE(readAll(dir.filePath(it.key())), it.value());
  }

  // A device that refuses every write (here /dev/full): the error reaches the
  // caller, and a rewrite never puts a file of ours in the device's place.
  void failingDeviceIsReported() {
    if (!QFileInfo("/dev/full").exists() || QFileInfo("/dev/full").isFile())
      QSKIP("no /dev/full device here");
    QVERIFY(appendRecord("/dev/full", {qint64(1)}).error.contains("/dev/full"));
    QVERIFY(!rewriteRecordFile("/dev/full", encodeRecord({qint64(1)})).ok());
    QVERIFY(!QFileInfo("/dev/full").isFile());
  }
};

QTEST_GUILESS_MAIN(TestWriteFailures)
#include "tst_write_failures.moc"
