#include "sync/account.h"

#include "sync/sync_texts.h"

#include <QSettings>

namespace velkor::sync {

QString accountFileIn(const QDir& dataDir) {
    return dataDir.filePath(QStringLiteral("sync.ini"));
}

std::optional<Account> readAccount(const QDir& dataDir) {
    const QSettings ini(accountFileIn(dataDir), QSettings::IniFormat);
    Account account{QUrl(ini.value(QStringLiteral("account/url")).toString()),
                    ini.value(QStringLiteral("account/user")).toString(),
                    ini.value(QStringLiteral("account/calendar")).toByteArray(),
                    ini.value(QStringLiteral("account/addressbook")).toByteArray(),
                    ini.value(QStringLiteral("account/journal")).toByteArray()};
    if (!account.url.isValid() || account.user.isEmpty() || account.calendar.isEmpty())
        return std::nullopt;
    return account;
}

QString writeAccount(const QDir& dataDir, const Account& account) {
    QSettings ini(accountFileIn(dataDir), QSettings::IniFormat);
    ini.setValue(QStringLiteral("account/url"), account.url.toString());
    ini.setValue(QStringLiteral("account/user"), account.user);
    ini.setValue(QStringLiteral("account/calendar"), account.calendar);
    ini.setValue(QStringLiteral("account/addressbook"), account.addressBook);
    ini.setValue(QStringLiteral("account/journal"), account.journal);
    ini.sync();
    return ini.status() == QSettings::NoError ? QString()
                                              : texts::cannotStore(ini.fileName(), QStringLiteral("I/O"));
}

} // namespace velkor::sync
