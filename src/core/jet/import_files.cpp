#include "core/jet/import_files.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#endif

namespace velkor::jet {

namespace {

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

QString keepName(const QString& path, int n) {
    return n == 1 ? path + QStringLiteral(".jet") : QStringLiteral("%1.%2.jet").arg(path).arg(n);
}

QString copyPartPath(const QString& path) {
    return path + QStringLiteral(".jet-part");
}

bool sameContent(const QString& a, const QString& b) {
    std::error_code error;
    if (std::filesystem::equivalent(fsPath(a), fsPath(b), error))
        return true;
    QFile first(a);
    QFile second(b);
    if (first.size() != second.size() || !first.open(QIODevice::ReadOnly) ||
        !second.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 Chunk = 1 << 20;
    while (!first.atEnd()) {
        if (first.read(Chunk) != second.read(Chunk))
            return false;
    }
    return true;
}

// A copy under a scratch name, renamed to `target` only when whole; the rename refuses to replace a file.
IoResult copyWhole(const QString& path, const QString& target) {
    const QString part = copyPartPath(path);
    QFile::remove(part);
    QFile source(path);
    QFile copy(part);
    const auto failed = [&part](const QFile& file) {
        QFile::remove(part);
        return IoResult::failure(file.errorString());
    };
    if (!source.open(QIODevice::ReadOnly))
        return failed(source);
    if (!copy.open(QIODevice::WriteOnly))
        return failed(copy);
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty())
            return failed(source);
        if (copy.write(chunk) != chunk.size())
            return failed(copy);
    }
    if (!copy.flush())
        return failed(copy);
    copy.close();
    if (!copy.rename(target))
        return failed(copy);
    return IoResult::success();
}

} // namespace

QString stagingPath(const QString& path) {
    return path + QStringLiteral(".import");
}

void removeLeftovers(const QString& path) {
    const QString staged = stagingPath(path);
    for (const QString& file : {staged, staged + QStringLiteral("-journal"), copyPartPath(path)})
        QFile::remove(file);
}

bool lockedByOtherProgram(const QString& path) {
#if defined(Q_OS_UNIX) && defined(F_OFD_GETLK)
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Open-file-description locks see the locks of other processes and of other opens in this one.
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(file.handle(), F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
#else
    Q_UNUSED(path);
    return false;
#endif
}

Loaded<KeptOriginal> keepOriginal(const QString& path) {
    for (int n = 1;; ++n) {
        const QString name = keepName(path, n);
        if (QFileInfo::exists(name)) {
            // An import killed after keeping the original made it: it is used again, not multiplied.
            if (sameContent(path, name))
                return {{name, false}, {}};
            continue;
        }
        std::error_code error;
        std::filesystem::create_hard_link(fsPath(path), fsPath(name), error);
        if (!error)
            return {{name, true}, {}};
        if (error == std::errc::file_exists)
            continue;
        if (const IoResult copied = copyWhole(path, name); !copied) {
            if (QFileInfo::exists(name))
                continue;
            return {{}, QObject::tr("could not be kept as %1: %2").arg(name, copied.error)};
        }
        return {{name, true}, {}};
    }
}

IoResult replaceWithStaged(const QString& path) {
    // A journal or log of some earlier SQLite file of that name would be played into the new database.
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
    std::error_code error;
    std::filesystem::rename(fsPath(stagingPath(path)), fsPath(path), error);
    if (error)
        return IoResult::failure(QString::fromStdString(error.message()));
    return IoResult::success();
}

} // namespace velkor::jet
