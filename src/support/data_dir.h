#pragma once

#include <QString>

namespace velkor {

// The program's own directory when it can be written (a portable copy keeps its data beside it), else the
// per-user data directory. Empty when neither can be used.
QString chooseDataDir(const QString& programDir, const QString& userDataDir);

// True when a file can actually be created in the directory (permission bits alone do not tell, e.g. for
// root or on read-only mounts).
bool canWriteIn(const QString& dir);

} // namespace velkor
