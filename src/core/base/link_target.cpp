#include "core/base/link_target.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>

namespace velkor {

Loaded<QString> pathToWrite(const QString& path) {
    // As many links as the system itself follows before it gives up on a path.
    constexpr int MaxLinks = 40;
    QString current = path;
    for (int links = 0; links <= MaxLinks; ++links) {
        const QFileInfo info(current);
        if (!info.isSymbolicLink())
            return {current, {}};
        current = info.symLinkTarget();
    }
    return {{},
            aboutFile(path, QObject::tr("cannot be written: its symbolic links lead round in "
                                        "a loop."))};
}

} // namespace velkor
