#pragma once

#include <QString>

namespace velkor::foreign {

// Only plain files are read: a named pipe or a device may never end, and opening a pipe already waits.
enum class FileKind { Plain, Missing, Folder, Pipe, Device, Socket };

// Looked at without opening it; a link counts as what it leads to.
FileKind kindOfFile(const QString& path);

// Why the file is not read, in words fit for a message ("is a named pipe, ..."); empty for a plain file.
QString whyNotPlain(const QString& path);

} // namespace velkor::foreign
