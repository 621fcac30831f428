#pragma once

#include "shell/window_registry.h"
#include "ui/common/app_context.h"

#include <QObject>

namespace velkor::shell {

// Makes the directory window (under `rhbr`) and its record editor, which take each other's place: the
// directory closes as the editor opens, and shows again, freshly loaded, when the editor is closed.
void registerDirectoryWindows(WindowRegistry& windows, AppContext& context, QObject* owner);

} // namespace velkor::shell
