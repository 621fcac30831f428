#pragma once

#include "shell/window_registry.h"
#include "ui/common/app_context.h"

class QAction;

namespace velkor::shell {

// Puts the diary browser and entry editor into the registry. They take each other's place, so the menu
// item's mark follows the diary as a whole: set while either window is loaded.
void wireDiary(WindowRegistry& windows, AppContext& context, QAction* mark);

} // namespace velkor::shell
