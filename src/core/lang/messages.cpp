#include "core/lang/messages.h"

#include <QCoreApplication>

namespace velkor::lang {

QString unsavedAtExit(const QString& windowName, const QString& question) {
    return QCoreApplication::translate("Messages", "The window “%1” holds unsaved changes.\n%2")
        .arg(windowName, question);
}

QStringList unsavedAtExitChoices() {
    return {QCoreApplication::translate("Messages", "Save"),
            QCoreApplication::translate("Messages", "Don't Save"),
            QCoreApplication::translate("Messages", "Cancel")};
}

namespace diary {

Notice openFailureNotice(const QString& lineText) {
    struct Program {
        const char* extension;
        const char* missing;
    };
    static const Program programs[] = {
        {"doc", QT_TRANSLATE_NOOP("Diary", "Cannot find Microsoft Word On This Computer.")},
        {"xls", QT_TRANSLATE_NOOP("Diary", "Cannot find Microsoft Excel On This Computer.")},
        {"ppt", QT_TRANSLATE_NOOP("Diary", "Cannot find Microsoft PowerPoint On This Computer.")},
        {"pdf", QT_TRANSLATE_NOOP("Diary", "Cannot find Adobe Acrobat On This Computer.")},
    };
    const QString title = QCoreApplication::translate("Diary", "Error");
    const QString extension = lineText.size() >= 3 ? lineText.right(3) : QString();
    for (const Program& program : programs) {
        if (extension == QLatin1String(program.extension))
            return {BoxKind::Warning, title, QCoreApplication::translate("Diary", program.missing)};
    }
    return {BoxKind::Critical, title,
            QCoreApplication::translate("Diary", "Cannot find an appropriate program On This Computer.")};
}

Notice fileNotFound(const QString& path) {
    return {BoxKind::Warning, QCoreApplication::translate("Diary", "Error"),
            QCoreApplication::translate("Diary",
                                        "The file cannot be found; it may have been moved or deleted:\n%1")
                .arg(path)};
}

Notice noOpener() {
    return {BoxKind::Warning, QCoreApplication::translate("Diary", "Error"),
            QCoreApplication::translate("Diary",
                                        "Files cannot be opened: the desktop's opener xdg-open is not "
                                        "installed (Debian package xdg-utils).")};
}

QString emptySubjectNotice() {
    return QCoreApplication::translate(
        "Diary", "The Subject field cannot be blank. The record will be named as Unnamed.");
}

QString defaultSubject() {
    return QCoreApplication::translate("Diary", "Unnamed");
}

QString savedNotice(bool added) {
    if (added)
        return QCoreApplication::translate("Diary", "Record Saved");
    return QCoreApplication::translate("Diary", "Record Updated");
}

QString saveQuestionTitle() {
    return QCoreApplication::translate("Diary", "WARNING");
}

QString saveQuestion() {
    return QCoreApplication::translate("Diary", "Do you want to save your changes?");
}

QString saveButtonCaption(bool adding) {
    if (adding)
        return QCoreApplication::translate("Diary", "Add");
    return QCoreApplication::translate("Diary", "Update");
}

QString updateTitle() {
    return QCoreApplication::translate("Diary", "Record Update");
}

} // namespace diary

namespace directory {

QString recordDeleted() {
    return QCoreApplication::translate("Directory", "Record Deleted");
}

QString deleteFailed(const QString& error) {
    return QCoreApplication::translate("Directory", "The record could not be deleted:\n%1").arg(error);
}

QString listUnreadable(const QString& error) {
    return QCoreApplication::translate("Directory", "The directory could not be read:\n%1").arg(error);
}

QString addressTitle() {
    return QCoreApplication::translate("Directory", "Address");
}

QString rowGone() {
    return QCoreApplication::translate(
        "Directory",
        "This entry is no longer in the directory: another program has changed or deleted it. Nothing "
        "was changed.");
}

QString duplicateTitle() {
    return QCoreApplication::translate("Directory", "Warning!");
}

QString duplicateQuestion() {
    return QCoreApplication::translate("Directory", "This name  already exists. Do you want to replace it?");
}

QString blankName() {
    return QCoreApplication::translate("Directory",
                                       "The Name field cannot be blank. The record is not saved.");
}

QString recordSaved() {
    return QCoreApplication::translate("Directory", "Record Saved");
}

QString recordUpdated() {
    return QCoreApplication::translate("Directory", "Record Updated");
}

QString saveFailed(const QString& error) {
    return QCoreApplication::translate("Directory", "The record could not be saved:\n%1").arg(error);
}

QString dialCaption() {
    return QCoreApplication::translate("Directory", "Dial");
}

QString cancelCaption() {
    return QCoreApplication::translate("Directory", "Cancel");
}

QString portUnavailable(const QString& port, const QString& device, PortProblem problem,
                        const QString& detail) {
    const QString name = port == device ? port : QStringLiteral("%1 (%2)").arg(port, device);
    switch (problem) {
    case PortProblem::Missing:
        return QCoreApplication::translate("Directory",
                                           "%1 cannot be opened: there is no such device. Check that "
                                           "the modem is plugged in, or choose another port.")
            .arg(name);
    case PortProblem::InUse:
        return QCoreApplication::translate(
                   "Directory", "%1 cannot be opened: another program is using it. Close that program, or "
                                "choose another port.")
            .arg(name);
    case PortProblem::NoPermission:
        return QCoreApplication::translate(
                   "Directory", "%1 cannot be opened: you may not use it. Add yourself to the dialout group "
                                "(sudo adduser $USER dialout), then log out and in again.")
            .arg(name);
    case PortProblem::Other:
        break;
    }
    return QCoreApplication::translate("Directory", "%1 cannot be opened: %2").arg(name, detail);
}

QString pickUpPhone() {
    return QCoreApplication::translate("Directory", "Please pick up the phone and press OK.");
}

QString modemSilent() {
    return QCoreApplication::translate(
        "Directory",
        "The modem did not answer, so the call was cancelled. Check that the modem is connected and "
        "switched on, and that the COM port is the right one.");
}

QString dialWaiting(const QString& title, const QString& port) {
    return QCoreApplication::translate("Directory", "%1 – dialling on %2, waiting for the modem to answer OK")
        .arg(title, port);
}

QString modemRefused(ModemRefusal refusal) {
    switch (refusal) {
    case ModemRefusal::Busy:
        return QCoreApplication::translate("Directory", "The number is busy (BUSY).");
    case ModemRefusal::NoDialtone:
        return QCoreApplication::translate(
            "Directory", "No dial tone: is the telephone line plugged into the modem? (NO DIALTONE)");
    case ModemRefusal::NoCarrier:
        return QCoreApplication::translate("Directory", "The call could not be made (NO CARRIER).");
    case ModemRefusal::NoAnswer:
        return QCoreApplication::translate("Directory", "The number did not answer (NO ANSWER).");
    case ModemRefusal::Error:
        break;
    }
    return QCoreApplication::translate("Directory", "The modem refused the dial command (ERROR).");
}

QString portChoiceNotSaved(const QString& error) {
    return QCoreApplication::translate("Directory", "The COM port choice could not be saved:\n%1").arg(error);
}

} // namespace directory

namespace notebook {

QString unreadable(const QString& error) {
    return QCoreApplication::translate("Notebook", "The note could not be read:\n%1").arg(error);
}

QString tooLarge(const QString& path) {
    return QCoreApplication::translate("Notebook",
                                       "%1\nis too large for the notebook; the file is left as it is.")
        .arg(path);
}

QString changedElsewhere(const QString& path) {
    return QCoreApplication::translate(
               "Notebook",
               "%1\nhas been changed by another program since the note was opened. Which one should stay?")
        .arg(path);
}

QStringList changedChoices() {
    return {QCoreApplication::translate("Notebook", "Keep mine"),
            QCoreApplication::translate("Notebook", "Take the file's"),
            QCoreApplication::translate("Notebook", "Cancel")};
}

QString saveFailed(const QString& error) {
    return QCoreApplication::translate("Notebook", "The note could not be saved:\n%1").arg(error);
}

QString saved() {
    return QCoreApplication::translate("Notebook", "Record Saved");
}

// The same question as the diary editor asks.
QString saveQuestionTitle() {
    return diary::saveQuestionTitle();
}

QString saveQuestion() {
    return diary::saveQuestion();
}

} // namespace notebook

namespace plans {

QString tickedPlansGone(const QString& missing) {
    return QCoreApplication::translate(
               "Plans", "These plans are no longer in the plan file (another program may have changed "
                        "it):\n\n%1\n\nNo "
                        "other plan was deleted; the list shows the file as it is now.")
        .arg(missing);
}

QString editedPlanGone() {
    return QCoreApplication::translate(
        "Plans", "The plan you edited is no longer in the plan file (another program may have changed it). "
                 "What you typed was stored as a new plan.");
}

} // namespace plans

namespace reminders {

QString listTitle() {
    return QCoreApplication::translate("Reminders", "Plans");
}

QString listText(int count) {
    return QCoreApplication::translate("Reminders", "%1 plans fell due:").arg(QString::number(count));
}

QStringList listColumns() {
    return {QCoreApplication::translate("Reminders", "Date"),
            QCoreApplication::translate("Reminders", "Time"),
            QCoreApplication::translate("Reminders", "Plan")};
}

QString cannotPutOff(const QString& error) {
    return QCoreApplication::translate("Reminders",
                                       "The reminder could not be put off, so it will not come again:\n\n%1")
        .arg(error);
}

} // namespace reminders

namespace data_folder {

QString copyFailed(const QString& error) {
    return QCoreApplication::translate("DataFolder",
                                       "Velkor cannot start: the data could not be carried over.\n%1")
        .arg(error);
}

QString copiedHere(const QString& programDir, const QString& dataDir) {
    return QCoreApplication::translate(
               "DataFolder",
               "The program folder cannot be written:\n%1\n\nYour data has been copied to this folder and is "
               "kept there from now on:\n%2")
        .arg(programDir, dataDir);
}

QString usedHere(const QString& programDir, const QString& dataDir) {
    return QCoreApplication::translate(
               "DataFolder",
               "The program folder holds data too, but cannot be written:\n%1\n\nVelkor uses the data in "
               "this "
               "folder:\n%2")
        .arg(programDir, dataDir);
}

} // namespace data_folder

namespace old_databases {

QString carriedLine(const QString& fileName, qint64 entries, const QString& keptAs) {
    return QCoreApplication::translate("OldDatabases",
                                       "%1: %2 entries carried over. The original is kept as:\n%3")
        .arg(fileName)
        .arg(entries)
        .arg(keptAs);
}

QString carriedOver(const QStringList& lines) {
    return QCoreApplication::translate("OldDatabases",
                                       "The databases of the older release have been carried over.\n\n%1")
        .arg(lines.join(QStringLiteral("\n\n")));
}

QString notCarriedOver(const QStringList& failures) {
    return QCoreApplication::translate(
               "OldDatabases",
               "A database of the older release could not be carried over. The original was left untouched; "
               "Velkor goes on without it.\n\n%1")
        .arg(failures.join(QStringLiteral("\n\n")));
}

} // namespace old_databases

} // namespace velkor::lang
