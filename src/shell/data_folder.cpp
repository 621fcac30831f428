#include "shell/data_folder.h"

#include "lang/language_setting.h"
#include "support/record_file.h"

#include <QDir>

namespace velkor::shell {

namespace {

QString native(const QString& dir) {
    return QDir::toNativeSeparators(dir);
}

bool alreadyTold(const QString& noteFile, const QString& programDir) {
    const auto records = readRecordFile(noteFile);
    return records.ok() && !records.value.isEmpty() && records.value.first().fields &&
           stringAt(*records.value.first().fields, 0) == programDir;
}

bool turkish(const QString& dataDir) {
    const auto records = readRecordFile(QDir(dataDir).filePath(QStringLiteral("options.prg")));
    return !(records.ok() && !records.value.isEmpty() && records.value.first().fields &&
             stringAt(*records.value.first().fields, 0) == QLatin1String("eng"));
}

} // namespace

QString movedNoteFileName() {
    return QStringLiteral("moved.kyt");
}

bool settleDataFolder(const DataDirChoice& choice, Prompter& prompter) {
    const QString programDir = choice.copyFrom.isEmpty() ? choice.leftBehind : choice.copyFrom;
    if (programDir.isEmpty())
        return true;
    const QString noteFile = QDir(choice.dir).filePath(movedNoteFileName());
    if (!choice.copyFrom.isEmpty()) {
        if (const IoResult copied = copyDataFiles(choice.copyFrom, choice.dir); !copied) {
            prompter.fail(
                QString(),
                turkish(choice.copyFrom)
                    ? QString::fromUtf8("Velkor başlatılamıyor: veriler taşınamadı.\n%1").arg(copied.error)
                    : QStringLiteral("Velkor cannot start: the data could not be carried "
                                     "over.\n%1")
                          .arg(copied.error));
            return false;
        }
    } else if (alreadyTold(noteFile, programDir)) {
        return true;
    }
    const bool tr = turkish(choice.dir);
    QString text;
    if (!choice.copyFrom.isEmpty())
        text =
            tr ? QString::fromUtf8(
                     "Program klasörüne yazılamıyor:\n%1\n\nVerileriniz bu klasöre kopyalandı ve "
                     "bundan sonra orada tutulacak:\n%2")
               : QStringLiteral("The program folder cannot be written:\n%1\n\nYour data has been copied to "
                                "this folder and is kept there from now on:\n%2");
    else
        text = tr ? QString::fromUtf8("Program klasöründe de veri var, ama oraya yazılamıyor:\n%1\n\nVelkor "
                                      "bu klasördeki verileri kullanıyor:\n%2")
                  : QStringLiteral("The program folder holds data too, but cannot be written:\n%1\n\nVelkor "
                                   "uses the data in this folder:\n%2");
    prompter.inform(QString(), text.arg(native(programDir), native(choice.dir)));
    // Said once: a failure to remember it only means saying it again next time.
    rewriteRecordFile(noteFile, encodeRecord({programDir}));
    return true;
}

} // namespace velkor::shell
