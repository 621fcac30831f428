// The notebook file from any bytes, and any typed note through a save: reading never fails, a stored note
// holds no double quote, a saved note reads back as it was stored (by the notebook and by the record reader),
// and a note read and saved reads back as stored, whatever program wrote the file first.
#include "core/base/record_file.h"
#include "core/notebook/notes_file.h"
#include "fuzz_check.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace velkor;
using namespace velkor::notebook;

namespace {

// The bytes writeNote puts into notes.kyt for a note.
QByteArray savedBytes(const QString& note) {
    return encodeRecord({storableNote(note)});
}

void checkSave(const QString& note) {
    const QString stored = storableNote(note);
    CHECK(!stored.contains(u'"'));
    // Each double quote becomes two apostrophes; nothing else changes.
    CHECK(stored.size() == note.size() + note.count(u'"'));
    if (!note.contains(u'"'))
        CHECK(stored == note);

    const QByteArray bytes = savedBytes(note);
    CHECK(noteFromBytes(bytes) == stored);
    // The file is one record of one string, as every other data file is read.
    const QList<RecordEntry> records = parseRecords(bytes);
    CHECK(records.size() == 1 && records[0].fields && records[0].fields->size() == 1);
    CHECK(stringAt(*records[0].fields, 0) == stored);
    CHECK(entryBytes(records[0]) == bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // The bytes as the content of notes.kyt, whoever wrote it.
    const QString read = noteFromBytes(bytes);
    checkSave(read);
    CHECK(noteFromBytes(savedBytes(read)) == storableNote(read));

    // The bytes as the text typed into the notebook.
    checkSave(QString::fromUtf8(bytes));

    // The same as UTF-16, which reaches every character easily. An unpaired surrogate cannot be written as
    // UTF-8, so such a note only must not crash or store a double quote.
    QString utf16;
    for (size_t i = 0; i + 1 < size; i += 2)
        utf16.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
    if (utf16.isValidUtf16()) {
        checkSave(utf16);
    } else {
        CHECK(!storableNote(utf16).contains(u'"'));
        CHECK(!noteFromBytes(savedBytes(utf16)).contains(u'"'));
    }
    return 0;
}
