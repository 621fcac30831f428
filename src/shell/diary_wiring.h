#pragma once

#include "shell/shell_doors.h"
#include "shell/window_registry.h"
#include "ui/common/app_context.h"

namespace velkor::shell {

// Puts the diary browser and entry editor into the registry. They take each other's place through the
// doors, so the menu item's mark follows the diary as a whole: set while either window is loaded.
void wireDiary(WindowRegistry& windows, AppContext& context, const ShellDoors& doors);

} // namespace velkor::shell
