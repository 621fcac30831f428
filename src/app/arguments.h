#pragma once

#include <QString>

namespace velkor::app {

// True when the arguments ask for a command-line run (help, version, an import…) or hold an option that is
// neither ours nor Qt's own (-display, -platform, -style…): that one is refused with the usage, without a
// window.
bool wantsCommandLine(int argc, char* argv[]);

// Why the tray program cannot open a window here (no display to connect to), or nothing when it can.
QString missingDisplay(int argc, char* argv[]);

} // namespace velkor::app
