#include "shell/legacy_files.h"

#include "support/record_file.h"

#include <QFile>
#include <QFileInfo>

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
        // One rename that replaces the target, so the .kyt name is never missing in between.
        std::error_code ignored;
        std::filesystem::rename(nativePath(from), nativePath(to), ignored);
    }
}

} // namespace velkor::shell
