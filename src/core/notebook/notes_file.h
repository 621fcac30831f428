#pragma once

#include "core/base/io_result.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace velkor::notebook {

// The note kept in notes.kyt: one quoted string, line breaks inside it.
QString notesFileName();

// The longest note the text box takes; beyond it the box becomes too slow to use.
constexpr qsizetype MaxNoteLength = 1 << 20;
// The largest notes.kyt that can hold such a note: at most three bytes a character (a line break is CR LF,
// a double quote two apostrophes, the rest UTF-8), with a byte order mark, the quotes and a line end.
constexpr qint64 MaxNoteBytes = 3 * qint64(MaxNoteLength) + 7;

// The note held by the bytes of notes.kyt. As the notebook writes it, one quoted string: the text between
// the quotes, or up to the end when the closing one is missing. Anything else came from another program
// and is the note whole, so that a save keeps all of it.
QString noteFromBytes(QByteArrayView contents);

// The note as it is stored: a double quote cannot be, so each becomes two apostrophes.
QString storableNote(const QString& note);

// notes.kyt as last read or written, so that a save can tell whether another program changed it since.
struct NoteStamp {
    qint64 size = -1; // -1: no file
    QByteArray digest;
    bool operator==(const NoteStamp&) const = default;
};

struct NoteFile : Loaded<QString> {
    NoteStamp stamp;
    bool tooLarge = false; // left unread: its note would be longer than MaxNoteLength
};

// A missing or empty file is an empty note; one that cannot be read is an error naming it. Never holds
// more than MaxNoteBytes of the file.
NoteFile readNote(const QString& path);

// Whether the file is still as `stamp` found it; nullopt when that cannot be told (it cannot be read).
std::optional<bool> unchangedSince(const QString& path, const NoteStamp& stamp);

// Replaces the file atomically with the note as its only record; `written` gets the stamp of the result.
IoResult writeNote(const QString& path, const QString& note, NoteStamp* written = nullptr);

} // namespace velkor::notebook
