// Any bytes as a vCard file: the reader never crashes and hands over cards in file order, and every
// directory entry it makes goes out as a vCard and comes back as the same entry (line breaks aside).
#include "core/interop/vcard_mapping.h"
#include "core/interop/vcard_reader.h"
#include "fuzz_check.h"

#include <QBuffer>

#include <cstdint>

using namespace velkor;
using namespace velkor::interop;

namespace {

QList<VCardContact> read(const QByteArray& bytes, VCardError& error) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QList<VCardContact> contacts;
    error = readVCards(buffer, [&](VCardContact&& contact) {
        contacts.append(std::move(contact));
        return true;
    });
    return contacts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VCardError error;
    const QList<VCardContact> contacts =
        read(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), error);
    CHECK(error.problem != VCardProblem::Stopped);
    int line = 0;
    for (const VCardContact& contact : contacts) {
        CHECK(contact.line > line);
        line = contact.line;
        const auto entry = directoryEntryOf(contact);
        if (!entry)
            continue;
        CHECK(!entry->name.trimmed().isEmpty() || !entry->tel.trimmed().isEmpty());
        VCardError again;
        const QList<VCardContact> back = read(vCardOf(*entry), again);
        CHECK(again.ok() && back.size() == 1);
        // A line break goes out as \n whatever it was, so a lone CR comes back as LF.
        directory::DirRecord expected = *entry;
        expected.address.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
        const auto entryBack = directoryEntryOf(back[0]);
        CHECK(entryBack && *entryBack == expected);
    }
    return 0;
}
