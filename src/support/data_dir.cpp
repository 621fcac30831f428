#include "support/data_dir.h"

#include <QDir>
#include <QTemporaryFile>

namespace velkor {

bool canWriteIn(const QString& dir) {
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".velkor-write-test-XXXXXX")));
    return probe.open();
}

QString chooseDataDir(const QString& programDir, const QString& userDataDir) {
    if (!programDir.isEmpty() && canWriteIn(programDir))
        return programDir;
    if (!userDataDir.isEmpty() && QDir().mkpath(userDataDir) && canWriteIn(userDataDir))
        return userDataDir;
    return {};
}

} // namespace velkor
