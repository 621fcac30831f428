#include "core/base/data_dir.h"

#include "core/base/link_target.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

namespace velkor {

bool canWriteIn(const QString& dir) {
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".velkor-write-test-XXXXXX")));
    return probe.open();
}

const QStringList& dataFileNames() {
    static const QStringList names{
        QStringLiteral("myfile.kyt"),  QStringLiteral("tarih.kyt"), QStringLiteral("sc.kyt"),
        QStringLiteral("options.prg"), QStringLiteral("notes.kyt"), QStringLiteral("comayar.kyt"),
        QStringLiteral("history.mdb"), QStringLiteral("files.mdb"), QStringLiteral("rehber.mdb"),
        QStringLiteral("myfile.dat"),  QStringLiteral("tarih.dat"), QStringLiteral("sc.dat"),
        QStringLiteral("later.kyt"),
    };
    return names;
}

bool holdsData(const QString& dir) {
    const QDir d(dir);
    return std::any_of(dataFileNames().cbegin(), dataFileNames().cend(),
                       [&d](const QString& name) { return QFileInfo(d.filePath(name)).isFile(); });
}

DataDirChoice chooseDataDir(const QString& programDir, const QString& userDataDir,
                            const WritableProbe& writable) {
    if (!programDir.isEmpty() && writable(programDir))
        return {programDir, {}, {}};
    if (userDataDir.isEmpty() || !QDir().mkpath(userDataDir) || !writable(userDataDir))
        return {};
    if (programDir.isEmpty() || !holdsData(programDir) ||
        QFileInfo(programDir).canonicalFilePath() == QFileInfo(userDataDir).canonicalFilePath())
        return {userDataDir, {}, {}};
    // An installed copy that still holds the user's data: it moves with them instead of staying behind.
    if (holdsData(userDataDir))
        return {userDataDir, {}, programDir};
    return {userDataDir, programDir, {}};
}

IoResult copyDataFiles(const QString& from, const QString& to) {
    const QDir source(from), target(to);
    QStringList copied;
    for (const QString& name : dataFileNames()) {
        const QString path = source.filePath(name);
        if (!QFileInfo(path).isFile())
            continue;
        // A link the user made in the new folder keeps pointing at the file that gets the copy.
        const QString copy = pathToWrite(target.filePath(name)).value;
        QFile file(path);
        if (copy.isEmpty() || !file.copy(copy)) {
            const QString reason =
                copy.isEmpty() ? QObject::tr("its symbolic links lead round in a loop") : file.errorString();
            for (const QString& done : copied)
                QFile::remove(done);
            return IoResult::failure(aboutFile(
                path,
                QObject::tr("could not be copied to %1: %2").arg(QDir::toNativeSeparators(to), reason)));
        }
        // A copy of a read-only file is read-only too; this copy is the one to be written from now on.
        QFile::setPermissions(copy,
                              QFile::permissions(copy) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
        copied.append(copy);
    }
    return IoResult::success();
}

} // namespace velkor
