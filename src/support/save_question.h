#pragma once

#include "support/services.h"

#include <QString>

namespace velkor {

enum class SaveChoice { Save, Discard, Stay };

// The question of a window's close step about its unsaved work. On an ordinary close it is the window's
// own Yes/No question. At exit it names the window and offers to stay open, which keeps the program
// running; closing that box without a choice stays too.
SaveChoice askToSave(Prompter& prompter, Language language, const QString& title, const QString& question,
                     const QString& windowName, bool atExit);

} // namespace velkor
