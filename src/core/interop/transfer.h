#pragma once

#include <QString>

namespace velkor::interop {

// What an import or an export did, told in one line of the program's language.
struct TransferResult {
    bool ok = false;
    QString summary;
};

} // namespace velkor::interop
