#pragma once

#include "directory/modem_commands.h"
#include "support/services.h"

#include <QString>

// The directory's own messages, in both languages.
namespace velkor::directory::texts {

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
QString modemRefused(Language language, ModemResult result);
QString pickUpPhone(Language language);
QString modemSilent(Language language);
QString portChoiceNotSaved(Language language, const QString& error);

} // namespace velkor::directory::texts
