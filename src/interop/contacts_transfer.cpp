#include "interop/contacts_transfer.h"

namespace velkor::interop {

TransferResult importContacts(const QString&, AppContext&) {
    return {false, QStringLiteral("vCard is not supported yet")};
}

TransferResult exportContacts(const QString&, AppContext&) {
    return {false, QStringLiteral("vCard is not supported yet")};
}

} // namespace velkor::interop
