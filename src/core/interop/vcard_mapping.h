#pragma once

#include "core/directory/dir_record.h"
#include "core/interop/vcard_reader.h"

#include <QString>

#include <optional>

namespace velkor::interop {

// The directory entry of a contact. Its name is the FN, else the N, the ORG, the e-mail address or the
// number; its number the preferred TEL, else the first. Nothing else the directory can hold is dropped:
// the addresses and then the other numbers with their kinds make up the address text, one to a line
// ("(home) Street…", "Tel (work, fax): 123"). nullopt for a card that has neither a name nor a number.
std::optional<directory::DirRecord> directoryEntryOf(const VCardContact& contact);

// The entry as a vCard 3.0: FN and N, TEL, the address as ADR (all of it in the street) and LABEL.
QByteArray vCardOf(const directory::DirRecord& entry);

} // namespace velkor::interop
