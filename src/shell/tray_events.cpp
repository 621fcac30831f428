#include "shell/tray_events.h"

namespace velkor::shell {

TrayAction trayActionFor(QSystemTrayIcon::ActivationReason reason, const SharedState& state,
                         TrayProtocol protocol) {
    if (state.planEntryOpen || state.dirEditorOpen)
        return TrayAction::None;
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return TrayAction::ToggleCalendar;
    case QSystemTrayIcon::Trigger:
        return protocol == TrayProtocol::StatusNotifier ? TrayAction::ToggleCalendar : TrayAction::None;
    case QSystemTrayIcon::Context:
        return TrayAction::ShowMenu;
    default:
        return TrayAction::None;
    }
}

} // namespace velkor::shell
