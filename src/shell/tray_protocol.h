#pragma once

namespace velkor::shell {

// How the tray icon reaches the desktop: StatusNotifierItem over D-Bus (KDE Plasma, GNOME with the
// AppIndicator extension, …) or an XEmbed window docked in an older panel.
enum class TrayProtocol { XEmbed, StatusNotifier };

// The protocol Qt's tray icon takes when made now: StatusNotifierItem when a watcher with a registered host
// is on the session bus, else XEmbed. Qt asks the bus the same question, once per run.
TrayProtocol currentTrayProtocol();

} // namespace velkor::shell
