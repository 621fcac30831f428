#pragma once

#include "core/directory/dir_record.h"
#include "core/foreign/frames.h"
#include "core/interop/vcard_reader.h"

#include <QList>

namespace velkor::interop {

// In the reader process: the directory entries of a vCard file, written as frames while they are read, and
// a last frame saying how the reading ended.
bool writeContactRecords(const QString& file, foreign::FrameWriter& out);

// Takes the frames back, each checked: false for one that is not a record as the reader writes them, or
// when the entries pass `maxChars` characters in all.
class ContactsReceiver {
public:
    // Each entry goes to `take` as it comes; none is kept here.
    ContactsReceiver(qsizetype maxChars, std::function<void(directory::DirRecord&&)> take)
        : m_take(std::move(take)), m_maxChars(maxChars) {}
    bool take(const QByteArray& frame);
    bool complete() const { return m_complete; }
    bool tooMuch() const { return m_chars > m_maxChars; }

    qsizetype entries = 0;
    int leftOut = 0;   // cards without a name to list them under
    QString openError; // the file could not be opened
    VCardError readError;

private:
    std::function<void(directory::DirRecord&&)> m_take;
    qsizetype m_maxChars;
    qsizetype m_chars = 0;
    bool m_complete = false;
};

} // namespace velkor::interop
