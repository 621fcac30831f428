#include "core/interop/contacts_reading.h"

#include "core/interop/vcard_mapping.h"

#include <QDataStream>
#include <QFile>

namespace velkor::interop {

namespace {

enum class Tag : quint8 { Entry = 1, End };

// What an entry costs in memory beside its texts, counted as characters: a file of tiny entries must not
// pass the bound that long texts cannot.
constexpr qsizetype CharsPerEntry = 16;

} // namespace

bool writeContactRecords(const QString& file, foreign::FrameWriter& out) {
    QFile in(file);
    QString openError;
    VCardError error;
    int leftOut = 0;
    bool written = true;
    if (!in.open(QIODevice::ReadOnly)) {
        openError = in.errorString();
    } else {
        error = readVCards(in, [&](VCardContact&& contact) {
            const std::optional<directory::DirRecord> entry = directoryEntryOf(contact);
            if (!entry) {
                ++leftOut;
                return true;
            }
            written = out.write(
                [&](QDataStream& s) { s << Tag::Entry << entry->name << entry->tel << entry->address; });
            return written;
        });
    }
    return written && out.write([&](QDataStream& s) {
        s << Tag::End << openError << quint8(error.problem) << error.line << error.detail << leftOut;
    });
}

bool ContactsReceiver::take(const QByteArray& frame) {
    if (m_complete)
        return false;
    foreign::FrameIn received(frame);
    QDataStream& in = received.stream();
    const Tag tag = received.tag<Tag>();
    if (tag == Tag::Entry) {
        directory::DirRecord entry;
        in >> entry.name >> entry.tel >> entry.address;
        if (entry.name.isEmpty())
            return false;
        m_chars += entry.name.size() + entry.tel.size() + entry.address.size() + CharsPerEntry;
        ++entries;
        m_take(std::move(entry));
    } else if (tag == Tag::End) {
        quint8 problem = 0;
        in >> openError >> problem >> readError.line >> readError.detail >> leftOut;
        if (problem > quint8(VCardProblem::Stopped) || leftOut < 0)
            return false;
        readError.problem = VCardProblem(problem);
        m_complete = true;
    } else {
        return false;
    }
    return received.whole() && !tooMuch();
}

} // namespace velkor::interop
