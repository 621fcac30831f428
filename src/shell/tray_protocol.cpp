#include "shell/tray_protocol.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>

namespace velkor::shell {

TrayProtocol currentTrayProtocol() {
    const QString watcherName = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(watcherName))
        return TrayProtocol::XEmbed;
    QDBusInterface watcher(watcherName, QStringLiteral("/StatusNotifierWatcher"), watcherName, bus);
    return watcher.property("IsStatusNotifierHostRegistered").toBool() ? TrayProtocol::StatusNotifier
                                                                       : TrayProtocol::XEmbed;
}

} // namespace velkor::shell
