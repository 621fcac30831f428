#pragma once

#include "core/base/io_result.h"

#include <QString>

// The file moves of an import, each one step that a kill cannot leave half done.
namespace velkor::jet {

// The new database is written under this name beside the original, and renamed over it when complete.
QString stagingPath(const QString& path);
// Removes what an import of `path` killed midway left behind.
void removeLeftovers(const QString& path);

// Whether another program holds a lock on the file (Access and Wine keep byte-range locks while open).
bool lockedByOtherProgram(const QString& path);

struct KeptOriginal {
    QString path;
    bool madeNow = false; // false: an identical copy was there already, from an import cut short
};
// Gives the original a second name, `<name>.jet` or the first free `<name>.<n>.jet`, without ever
// replacing a file: a hard link where the file system has them, otherwise a copy.
Loaded<KeptOriginal> keepOriginal(const QString& path);

// Puts the staged database in the original's place in one rename.
IoResult replaceWithStaged(const QString& path);

} // namespace velkor::jet
