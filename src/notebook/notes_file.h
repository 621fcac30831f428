#pragma once

#include "support/io_result.h"

#include <QByteArrayView>
#include <QString>

namespace velkor::notebook {

// The note kept in notes.kyt: one quoted string, line breaks inside it.
QString notesFileName();

// The note held by the bytes of notes.kyt: the text from the first double quote to the next one.
QString noteFromBytes(QByteArrayView contents);

// The note as it is stored: a double quote cannot be, so each becomes two apostrophes.
QString storableNote(const QString& note);

// A missing or empty file is an empty note; one that cannot be read is an error naming it.
Loaded<QString> readNote(const QString& path);

// Replaces the file atomically with the note as its only record.
IoResult writeNote(const QString& path, const QString& note);

} // namespace velkor::notebook
