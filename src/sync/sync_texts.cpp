#include "sync/sync_texts.h"

#include <QCoreApplication>

namespace velkor::sync::texts {

QString summary(int in, int out, int conflicts) {
    return QCoreApplication::translate(
               "Sync", "Synced: %1 changes came in, %2 went out, %3 conflicts (both versions kept).")
        .arg(in)
        .arg(out)
        .arg(conflicts);
}

QString leftOnServer(const QString& start, const QString& summary, const QString& why) {
    return QCoreApplication::translate("Sync", "Left on the server, not a plan (%1): %2 %3")
        .arg(why, start, summary);
}

QString notUnderstood(const QString& uid) {
    return QCoreApplication::translate("Sync", "Left on the server, not understood: %1").arg(uid);
}

QString collectionGone(const QString& href) {
    return QCoreApplication::translate(
               "Sync",
               "The collection %1 is no longer on the server; nothing here was deleted. Set the account up "
               "again.")
        .arg(href);
}

QString noAnswer(const QString& why) {
    return QCoreApplication::translate(
               "Sync", "The server did not answer: %1. Nothing is lost; the next sync goes on from here.")
        .arg(why);
}

QString serverRefused(int status) {
    return QCoreApplication::translate(
               "Sync",
               "The server refused the sync (HTTP %1). Nothing is lost; the next sync goes on from here.")
        .arg(status);
}

QString wrongPassword() {
    return QCoreApplication::translate("Sync", "The server did not accept the user name or the password.");
}

QString massDeleteRefused() {
    return QCoreApplication::translate("Sync",
                                       "The sync stopped before deleting many items; nothing was changed.");
}

QString massDeleteQuestion(int count, int total, bool here) {
    return (here ? QCoreApplication::translate(
                       "Sync",
                       "The server no longer holds %1 of the %2 items kept here. Delete them here too?")
                 : QCoreApplication::translate(
                       "Sync",
                       "%1 of the %2 items on the server were deleted here. Delete them on the server too?"))
        .arg(count)
        .arg(total);
}

QString noAccount() {
    return QCoreApplication::translate("Sync", "No sync account is set up for this data folder.");
}

QString noCollection() {
    return QCoreApplication::translate("Sync",
                                       "The server offers no calendar for plans and none could be made.");
}

QString noJournals() {
    return QCoreApplication::translate(
        "Sync", "The server's calendar does not take journal entries: the diary is not synced.");
}

QString accountStored(const QString& calendar, const QString& addressBook) {
    return QCoreApplication::translate("Sync", "The account is set up: plans in %1, the directory in %2.")
        .arg(calendar, addressBook);
}

QString cannotStore(const QString& file, const QString& why) {
    return QCoreApplication::translate("Sync", "%1 cannot be written: %2").arg(file, why);
}

QString namedOnly(int count, qint64 limitKb, const QString& paths) {
    return QCoreApplication::translate(
               "Sync", "%1 attached files were named in the diary on the server but not carried "
                       "(larger than %2 KB or unreadable): %3")
        .arg(count)
        .arg(limitKb)
        .arg(paths);
}

} // namespace velkor::sync::texts
