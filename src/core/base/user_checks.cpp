#include "core/base/user_checks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#endif

namespace velkor {

#ifdef Q_OS_UNIX

bool isPrivateFolder(const QString& folder) {
    struct stat info {};
    return !folder.isEmpty() && ::lstat(QFile::encodeName(folder).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

std::optional<uint> peerUserId(qintptr socketDescriptor) {
#ifdef SO_PEERCRED
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (socketDescriptor < 0 ||
        ::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 ||
        size != sizeof credentials)
        return std::nullopt;
    return uint(credentials.uid);
#else
    uid_t user = 0;
    gid_t group = 0;
    if (socketDescriptor < 0 || ::getpeereid(int(socketDescriptor), &user, &group) != 0)
        return std::nullopt;
    return uint(user);
#endif
}

bool peerIsThisUser(qintptr socketDescriptor) {
    return peerUserId(socketDescriptor) == uint(::getuid());
}

QString makePrivateFolder(const QString& parent) {
    QByteArray pattern = QFile::encodeName(QDir(parent).filePath(QStringLiteral("velkor-XXXXXX")));
    // mkdtemp makes the folder with mode 0700, under a name nobody could have taken first.
    if (!::mkdtemp(pattern.data()))
        return {};
    return QFile::decodeName(pattern);
}

#else

// Elsewhere the local server's own access options keep other users away.
bool isPrivateFolder(const QString& folder) {
    return QFileInfo(folder).isDir();
}

std::optional<uint> peerUserId(qintptr) {
    return std::nullopt;
}

bool peerIsThisUser(qintptr) {
    return true;
}

QString makePrivateFolder(const QString& parent) {
    return parent;
}

#endif

} // namespace velkor
