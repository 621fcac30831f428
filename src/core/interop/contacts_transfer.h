#pragma once

#include "core/base/core_context.h"
#include "core/interop/transfer.h"

namespace velkor::interop {

// The directory from and to vCard files. Questions about names already present go through
// context.prompter.
TransferResult importContacts(const QString& file, CoreContext& context);
TransferResult exportContacts(const QString& file, CoreContext& context);

} // namespace velkor::interop
