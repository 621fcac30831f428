#include "core/notebook/notes_file.h"

#include "core/base/legacy_text.h"
#include "core/base/record_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace velkor::notebook {

namespace {

constexpr auto Digest = QCryptographicHash::Sha256;

NoteStamp stampOf(QByteArrayView bytes) {
    return {bytes.size(), QCryptographicHash::hash(bytes, Digest)};
}

QString cannotRead(const QString& path, const QFile& file) {
    return aboutFile(path, QObject::tr("cannot be read: %1").arg(file.errorString()));
}

} // namespace

QString notesFileName() {
    return QStringLiteral("notes.kyt");
}

QString noteFromBytes(QByteArrayView contents) {
    if (contents.startsWith("\xEF\xBB\xBF"))
        contents = contents.sliced(3);
    const auto lineEnd = [](char c) { return c == '\r' || c == '\n'; };
    QByteArray bytes;
    const qsizetype close = contents.startsWith('"') ? contents.indexOf('"', 1) : -1;
    const QByteArrayView after = close < 0 ? QByteArrayView() : contents.sliced(close + 1);
    if (close > 0 && std::all_of(after.begin(), after.end(), lineEnd)) {
        bytes = contents.sliced(1, close - 1).toByteArray();
    } else {
        // Torn before the closing quote, or not written by us at all.
        bytes = contents.sliced(contents.startsWith('"') && close < 0 ? 1 : 0).toByteArray();
        while (!bytes.isEmpty() && lineEnd(bytes.back()))
            bytes.chop(1);
    }
    bytes.replace("\r\n", "\n");
    return decodeStoredText(bytes);
}

QString storableNote(const QString& note) {
    QString stored = note;
    stored.replace(QLatin1Char('"'), QStringLiteral("''"));
    return stored;
}

NoteFile readNote(const QString& path) {
    QFile file(path);
    NoteFile note;
    if (!file.exists())
        return note;
    if (!file.open(QIODevice::ReadOnly)) {
        note.error = cannotRead(path, file);
        return note;
    }
    // Sized before reading: a file of gigabytes must not be read at all. One byte more than the limit is
    // read, so that a file growing meanwhile is still told and never held whole.
    note.tooLarge = file.size() > MaxNoteBytes;
    const QByteArray bytes = note.tooLarge ? QByteArray() : file.read(MaxNoteBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        note.error = cannotRead(path, file);
        return note;
    }
    note.tooLarge = note.tooLarge || bytes.size() > MaxNoteBytes;
    if (note.tooLarge)
        return note;
    note.value = noteFromBytes(bytes);
    note.stamp = stampOf(bytes);
    note.tooLarge = note.value.size() > MaxNoteLength;
    if (note.tooLarge)
        note.value.clear();
    return note;
}

std::optional<bool> unchangedSince(const QString& path, const NoteStamp& stamp) {
    const QFileInfo info(path);
    if (!info.exists())
        return stamp.size < 0;
    if (!info.isFile())
        return std::nullopt;
    if (info.size() != stamp.size)
        return false;
    QFile file(path);
    QCryptographicHash hash(Digest);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return std::nullopt;
    return hash.result() == stamp.digest;
}

IoResult writeNote(const QString& path, const QString& note, NoteStamp* written) {
    const QByteArray bytes = encodeRecord({storableNote(note)});
    const IoResult result = rewriteRecordFile(path, bytes);
    if (result && written)
        *written = stampOf(bytes);
    return result;
}

} // namespace velkor::notebook
