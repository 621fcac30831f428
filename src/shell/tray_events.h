#pragma once

#include "shell/tray_protocol.h"
#include "ui/common/app_context.h"

#include <QSystemTrayIcon>

namespace velkor::shell {

enum class TrayAction { None, ToggleCalendar, ShowMenu };

// What a tray event does: a double click toggles the calendar, the right button opens the menu, anything
// else does nothing; nothing at all while the plan entry window or the directory record editor is open.
// A StatusNotifier host sends no double clicks: its activation (a click) toggles the calendar there.
TrayAction trayActionFor(QSystemTrayIcon::ActivationReason reason, const SharedState& state,
                         TrayProtocol protocol);

} // namespace velkor::shell
