#pragma once

#include <QStringList>

namespace velkor::app {

// Serves a command-line run without a display and returns the exit status.
int runCommandLine(const QStringList& arguments);

} // namespace velkor::app
