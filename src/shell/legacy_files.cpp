#include "shell/legacy_files.h"

#include "core/base/link_target.h"
#include "core/base/record_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace velkor::shell {

namespace {

std::filesystem::path nativePath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

bool holdsOnlyStartRecords(const QString& path) {
    const auto records = readRecordFile(path);
    if (!records.ok())
        return false;
    for (const RecordEntry& entry : records.value) {
        if (!entry.fields || numberAt(*entry.fields, 0) != 3000)
            return false;
    }
    return true;
}

bool holdsUserData(const QString& name, const QString& path) {
    if (name == QLatin1String("myfile.kyt"))
        return QFileInfo(path).size() > 0;
    if (name == QLatin1String("tarih.kyt"))
        return !holdsOnlyStartRecords(path);
    return false; // sc.kyt only marks that this start has happened
}

// The bytes as they are, replacing the file only once all of them are written.
bool copyWhole(const QString& from, const QString& to) {
    QFile source(from);
    QSaveFile copy(to);
    return source.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly) &&
           copy.write(source.readAll()) == source.size() && copy.commit();
}

} // namespace

void adoptLegacyFiles(const QDir& dataDir) {
    const std::pair<const char*, const char*> pairs[] = {
        {"sc.dat", "sc.kyt"},
        {"myfile.dat", "myfile.kyt"},
        {"tarih.dat", "tarih.kyt"},
    };
    for (const auto& [oldName, newName] : pairs) {
        const QString from = dataDir.filePath(QString::fromLatin1(oldName));
        const QString to = dataDir.filePath(QString::fromLatin1(newName));
        if (!QFileInfo(from).isFile() || QFileInfo(to).isDir())
            continue;
        if (QFileInfo::exists(to) && holdsUserData(QString::fromLatin1(newName), to))
            continue;
        const Loaded<QString> target = pathToWrite(to);
        if (!target.ok())
            continue;
        // One rename that replaces the file, so the .kyt name is never missing in between; a linked file
        // may stand on another disk, where only a copy reaches it.
        std::error_code renameFailed;
        std::filesystem::rename(nativePath(from), nativePath(target.value), renameFailed);
        if (renameFailed && target.value != to && copyWhole(from, target.value))
            QFile::remove(from);
    }
}

} // namespace velkor::shell
