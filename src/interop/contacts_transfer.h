#pragma once

#include "interop/transfer.h"
#include "support/app_context.h"

namespace velkor::interop {

// The directory from and to vCard files. Questions about names already present go through
// context.prompter.
TransferResult importContacts(const QString& file, AppContext& context);
TransferResult exportContacts(const QString& file, AppContext& context);

} // namespace velkor::interop
