#include "core/base/save_question.h"

namespace velkor {

SaveChoice askToSave(Prompter& prompter, const QString& title, const QString& question,
                     const QString& atExitText, const QStringList& atExitChoices, bool atExit) {
    if (!atExit)
        return prompter.ask(title, question) ? SaveChoice::Save : SaveChoice::Discard;
    switch (prompter.choose(title, atExitText, atExitChoices)) {
    case 0:
        return SaveChoice::Save;
    case 1:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Stay;
    }
}

} // namespace velkor
