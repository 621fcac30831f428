#include "notebook/notes_file.h"

#include "support/legacy_text.h"
#include "support/record_file.h"

#include <QDir>
#include <QFile>

namespace velkor::notebook {

QString notesFileName() {
    return QStringLiteral("notes.kyt");
}

QString noteFromBytes(QByteArrayView contents) {
    const qsizetype open = contents.indexOf('"');
    QByteArray bytes;
    if (open < 0) {
        // Not written by us; showing it whole beats showing nothing and overwriting it at the next save.
        bytes = contents.toByteArray();
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        while (bytes.endsWith('\n') || bytes.endsWith('\r'))
            bytes.chop(1);
    } else {
        const qsizetype close = contents.indexOf('"', open + 1);
        // A file torn before its closing quote still gives back what it holds.
        bytes = close < 0 ? contents.sliced(open + 1).toByteArray()
                          : contents.sliced(open + 1, close - open - 1).toByteArray();
        if (close < 0) {
            while (bytes.endsWith('\n') || bytes.endsWith('\r'))
                bytes.chop(1);
        }
    }
    bytes.replace("\r\n", "\n");
    return decodeStoredText(bytes);
}

QString storableNote(const QString& note) {
    QString stored = note;
    stored.replace(QLatin1Char('"'), QStringLiteral("''"));
    return stored;
}

Loaded<QString> readNote(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {{},
                QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path),
                                             QObject::tr("cannot be read: %1").arg(file.errorString()))};
    return {noteFromBytes(file.readAll()), {}};
}

IoResult writeNote(const QString& path, const QString& note) {
    return rewriteRecordFile(path, encodeRecord({storableNote(note)}));
}

} // namespace velkor::notebook
