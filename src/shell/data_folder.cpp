#include "shell/data_folder.h"

#include "core/base/record_file.h"
#include "core/lang/language_setting.h"
#include "core/lang/messages.h"
#include "core/lang/translations.h"
#include "shell/single_instance.h"

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

Language languageOf(const QString& dataDir) {
    const auto records = readRecordFile(QDir(dataDir).filePath(QStringLiteral("options.prg")));
    const bool english = (records.ok() && !records.value.isEmpty() && records.value.first().fields &&
                          stringAt(*records.value.first().fields, 0) == QLatin1String("eng"));
    return english ? Language::English : Language::Turkish;
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
            // Said before the program has chosen its language: in the one the data speaks.
            lang::useLanguage(languageOf(choice.copyFrom));
            prompter.fail(QString(), lang::data_folder::copyFailed(copied.error));
            return false;
        }
    } else if (alreadyTold(noteFile, programDir)) {
        return true;
    }
    lang::useLanguage(languageOf(choice.dir));
    prompter.inform(QString(), choice.copyFrom.isEmpty()
                                   ? lang::data_folder::usedHere(native(programDir), native(choice.dir))
                                   : lang::data_folder::copiedHere(native(programDir), native(choice.dir)));
    // Said once: a failure to remember it only means saying it again next time.
    rewriteRecordFile(noteFile, encodeRecord({programDir}));
    return true;
}

FolderTaken takeDataFolder(const DataDirChoice& choice, SingleInstance& instance, Prompter& prompter) {
    if (instance.acquire() == SingleInstance::Outcome::AlreadyRunning)
        return FolderTaken::ShownElsewhere;
    return settleDataFolder(choice, prompter) ? FolderTaken::Run : FolderTaken::CannotStart;
}

} // namespace velkor::shell
