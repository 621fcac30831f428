#include "core/foreign/plain_file.h"

#include <QFile>
#include <QObject>

#include <sys/stat.h>

namespace velkor::foreign {

FileKind kindOfFile(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return FileKind::Missing;
    if (S_ISREG(info.st_mode))
        return FileKind::Plain;
    if (S_ISDIR(info.st_mode))
        return FileKind::Folder;
    if (S_ISFIFO(info.st_mode))
        return FileKind::Pipe;
    if (S_ISSOCK(info.st_mode))
        return FileKind::Socket;
    return FileKind::Device;
}

QString whyNotPlain(const QString& path) {
    switch (kindOfFile(path)) {
    case FileKind::Missing:
        return QObject::tr("cannot be found.");
    case FileKind::Folder:
        return QObject::tr("is a folder, not a file.");
    case FileKind::Pipe:
        return QObject::tr("is a named pipe, not a file: only files are read.");
    case FileKind::Socket:
        return QObject::tr("is a socket, not a file: only files are read.");
    case FileKind::Device:
        return QObject::tr("is a device, not a file: only files are read.");
    case FileKind::Plain:
        break;
    }
    return {};
}

} // namespace velkor::foreign
