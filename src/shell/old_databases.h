#pragma once

#include "core/base/services.h"
#include "core/jet/jet_reader.h"

#include <QDir>

namespace velkor::shell {

// Brings the older release's Jet databases (diary, attached files, directory) in the data folder over to
// the program's own databases before anything uses them, and says once what came over and what did not.
void carryOverOldDatabases(const QDir& dataDir, Prompter& prompter, jet::JetReader& reader);

} // namespace velkor::shell
