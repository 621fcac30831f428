#pragma once

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
QString unsavedAtExit(Language language, const QString& windowName, const QString& question);
// Save, don't save, stay.
QStringList unsavedAtExitChoices(Language language);

} // namespace velkor::lang

namespace velkor::lang::diary {

// The box shown when the file of a list line cannot be opened, chosen by the line's last three characters
// compared with case; a line too short to hold them gets the general message.
Notice openFailureNotice(const QString& lineText, Language language);

// The editor's words.
QString emptySubjectNotice(Language language);
QString defaultSubject(Language language);
QString savedNotice(bool added, Language language);
QString saveQuestionTitle(Language language);
QString saveQuestion(Language language);
QString saveButtonCaption(bool adding, Language language);
QString updateTitle(Language language);
// The editor's title in `language`: its own pairs, and the browser's English update title as well.
QString editorTitle(const QString& current, Language language);

} // namespace velkor::lang::diary

namespace velkor::lang::directory {

QString recordDeleted(Language language);
QString deleteFailed(Language language, const QString& error);
QString listUnreadable(Language language, const QString& error);
QString addressTitle(Language language);
QString rowGone(Language language);

QString duplicateTitle(Language language);
QString duplicateQuestion(Language language);
QString blankName(Language language);
QString recordSaved(Language language);
QString recordUpdated(Language language);
QString saveFailed(Language language, const QString& error);

QString dialCaption(Language language);
QString cancelCaption(Language language);
QString portUnavailable(Language language, const QString& port);
// The window's title while a dial waits for the modem on `port`.
QString dialWaiting(Language language, const QString& title, const QString& port);
// The modem's answers that end a dial.
enum class ModemRefusal { Busy, NoDialtone, NoCarrier, NoAnswer, Error };
QString modemRefused(Language language, ModemRefusal refusal);
QString pickUpPhone(Language language);
QString modemSilent(Language language);
QString portChoiceNotSaved(Language language, const QString& error);

} // namespace velkor::lang::directory

namespace velkor::lang::notebook {

QString unreadable(Language language, const QString& error);
QString tooLarge(Language language, const QString& path);
QString changedElsewhere(Language language, const QString& path);
// Keep mine, take the file's, cancel.
QStringList changedChoices(Language language);
QString saveFailed(Language language, const QString& error);
QString saved(Language language);
QString saveQuestionTitle(Language language);
QString saveQuestion(Language language);

} // namespace velkor::lang::notebook

namespace velkor::lang::plans {

// Plans ticked for deletion that the file no longer holds, listed in `missing`.
QString tickedPlansGone(Language language, const QString& missing);
QString editedPlanGone(Language language);

} // namespace velkor::lang::plans

namespace velkor::lang::reminders {

QString listTitle(Language language);
QString listText(Language language, int count);
// Date, time, plan.
QStringList listColumns(Language language);

} // namespace velkor::lang::reminders

namespace velkor::lang::data_folder {

QString copyFailed(Language language, const QString& error);
QString copiedHere(Language language, const QString& programDir, const QString& dataDir);
QString usedHere(Language language, const QString& programDir, const QString& dataDir);

} // namespace velkor::lang::data_folder

namespace velkor::lang::old_databases {

// One line of the message below: a database carried over, its number of entries, where its original is.
QString carriedLine(Language language, const QString& fileName, qint64 entries, const QString& keptAs);
// The one message after the older release's databases were carried over, one line for each.
QString carriedOver(Language language, const QStringList& lines);
// The databases that stayed as they were, each with its path and the reason.
QString notCarriedOver(Language language, const QStringList& failures);

} // namespace velkor::lang::old_databases
