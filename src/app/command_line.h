#pragma once

#include <QStringList>

namespace velkor::app {

// True when the arguments ask for a command-line run (help, version, ...) rather than the tray program.
bool wantsCommandLine(int argc, char* argv[]);

// Serves a command-line run without a display and returns the exit status.
int runCommandLine(const QStringList& arguments);

} // namespace velkor::app
