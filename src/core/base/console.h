#pragma once

#include <QString>

namespace velkor {

// A line on the terminal Velkor was started from, after "velkor: ": for what has no box to go to (no display,
// no tray yet) or must not wait for one.
void tellConsole(const QString& text);

} // namespace velkor
