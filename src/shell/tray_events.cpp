#include "shell/tray_events.h"

namespace velkor::shell {

TrayAction trayActionFor(QSystemTrayIcon::ActivationReason reason, const SharedState& state) {
    if (state.planEntryOpen || state.dirEditorOpen)
        return TrayAction::None;
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return TrayAction::ToggleCalendar;
    case QSystemTrayIcon::Context:
        return TrayAction::ShowMenu;
    default:
        return TrayAction::None;
    }
}

} // namespace velkor::shell
