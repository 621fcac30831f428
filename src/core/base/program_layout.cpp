#include "core/base/program_layout.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velkor {

ProgramLayout programLayout(const QString& programDir) {
    const QDir dir(programDir);
    // Pages beside the program make it portable wherever it stands, a folder named bin included.
    if (QFileInfo(dir.filePath(QStringLiteral("help"))).isDir() ||
        dir.dirName() != QStringLiteral(VELKOR_INSTALL_BINDIR))
        return {false, programDir, programDir, dir.filePath(QStringLiteral("velkor-reader"))};
    return {true, QDir::cleanPath(dir.filePath(QStringLiteral(VELKOR_PAGES_FROM_BINDIR))), QString(),
            QDir::cleanPath(dir.filePath(QStringLiteral(VELKOR_READER_FROM_BINDIR "/velkor-reader")))};
}

QString pagePath(const QString& programDir, const QString& relativePage) {
    return QDir(programLayout(programDir).pagesDir).filePath(relativePage);
}

DataDirChoice chooseProgramDataDir(const QString& programDir) {
    return chooseDataDir(programLayout(programDir).portableDataDir,
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace velkor
