#pragma once

#include "core/base/serial_line.h"
#include "core/base/services.h"

#include <QString>
#include <QStringList>

// The message boxes, list heads and button words the windows show, in both languages.
namespace velkor::lang {

struct Notice {
    BoxKind kind;
    QString title;
    QString text;
};

} // namespace velkor::lang

namespace velkor::lang {

// A window's question about its unsaved work when the program exits: it names the window.
QString unsavedAtExit(const QString& windowName, const QString& question);
// Save, don't save, stay.
QStringList unsavedAtExitChoices();

} // namespace velkor::lang

namespace velkor::lang::diary {

// The box shown when the file of a list line cannot be opened, chosen by the line's last three characters
// compared with case; a line too short to hold them gets the general message.
Notice openFailureNotice(const QString& lineText);
// An attached file that is no longer where it was attached from.
Notice fileNotFound(const QString& path);
// No desktop opener (xdg-open, gio) to hand files to.
Notice noOpener();

// The editor's words.
QString emptySubjectNotice();
QString defaultSubject();
QString savedNotice(bool added);
QString saveQuestionTitle();
QString saveQuestion();
QString saveButtonCaption(bool adding);
QString updateTitle();

} // namespace velkor::lang::diary

namespace velkor::lang::directory {

QString recordDeleted();
QString deleteFailed(const QString& error);
QString listUnreadable(const QString& error);
QString addressTitle();
QString rowGone();

QString duplicateTitle();
QString duplicateQuestion();
QString blankName();
QString recordSaved();
QString recordUpdated();
QString saveFailed(const QString& error);

QString dialCaption();
QString cancelCaption();
// Why the dial could not open `device`, the port the user chose as `port`, and what to do about it.
QString portUnavailable(const QString& port, const QString& device, PortProblem problem,
                        const QString& detail);
// The window's title while a dial waits for the modem on `port`.
QString dialWaiting(const QString& title, const QString& port);
// The modem's answers that end a dial.
enum class ModemRefusal { Busy, NoDialtone, NoCarrier, NoAnswer, Error };
QString modemRefused(ModemRefusal refusal);
QString pickUpPhone();
QString modemSilent();
QString portChoiceNotSaved(const QString& error);

} // namespace velkor::lang::directory

namespace velkor::lang::notebook {

QString unreadable(const QString& error);
QString tooLarge(const QString& path);
QString changedElsewhere(const QString& path);
// Keep mine, take the file's, cancel.
QStringList changedChoices();
QString saveFailed(const QString& error);
QString saved();
QString saveQuestionTitle();
QString saveQuestion();

} // namespace velkor::lang::notebook

namespace velkor::lang::plans {

// Plans ticked for deletion that the file no longer holds, listed in `missing`.
QString tickedPlansGone(const QString& missing);
QString editedPlanGone();

} // namespace velkor::lang::plans

namespace velkor::lang::reminders {

QString listTitle();
QString listText(int count);
// Date, time, plan.
QStringList listColumns();
// A reminder could not be put off (the file of reminders put off could not be written).
QString cannotPutOff(const QString& error);

} // namespace velkor::lang::reminders

namespace velkor::lang::data_folder {

QString copyFailed(const QString& error);
QString copiedHere(const QString& programDir, const QString& dataDir);
QString usedHere(const QString& programDir, const QString& dataDir);

} // namespace velkor::lang::data_folder

namespace velkor::lang::old_databases {

// One line of the message below: a database carried over, its number of entries, where its original is.
QString carriedLine(const QString& fileName, qint64 entries, const QString& keptAs);
// The one message after the older release's databases were carried over, one line for each.
QString carriedOver(const QStringList& lines);
// The databases that stayed as they were, each with its path and the reason.
QString notCarriedOver(const QStringList& failures);

} // namespace velkor::lang::old_databases
