#pragma once

#include "core/base/services.h"

#include <QString>
#include <QStringList>

namespace velkor {

enum class SaveChoice { Save, Discard, Stay };

// The question of a window's close step about its unsaved work. On an ordinary close it is the window's
// own Yes/No question. At exit it names the window and offers to stay open, which keeps the program
// running; closing that box without a choice stays too. `atExitText` and `atExitChoices` (save, don't save,
// stay) are its words, in the window's language.
SaveChoice askToSave(Prompter& prompter, const QString& title, const QString& question,
                     const QString& atExitText, const QStringList& atExitChoices, bool atExit);

} // namespace velkor
