#pragma once

#include "core/base/data_dir.h"
#include "core/base/services.h"

namespace velkor::shell {

// Carries a read-only program folder's data into the chosen folder when that one holds none yet, and tells
// the user once which folder holds their data. False when the data could not be carried over (told).
bool settleDataFolder(const DataDirChoice& choice, Prompter& prompter);

class SingleInstance;

enum class FolderTaken { Run, ShownElsewhere, CannotStart };

// Takes the chosen folder for this run: a copy already running on it is asked to show itself instead, and a
// folder whose data could not be carried over is not started on (told).
FolderTaken takeDataFolder(const DataDirChoice& choice, SingleInstance& instance, Prompter& prompter);

// Remembers, in the data folder, the program folder the user has been told about.
QString movedNoteFileName();

} // namespace velkor::shell
