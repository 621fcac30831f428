#include "support/save_question.h"

namespace velkor {

SaveChoice askToSave(Prompter& prompter, Language language, const QString& title, const QString& question,
                     const QString& windowName, bool atExit) {
    if (!atExit)
        return prompter.ask(title, question) ? SaveChoice::Save : SaveChoice::Discard;
    const bool turkish = language == Language::Turkish;
    const QString text = (turkish ? QStringLiteral("«%1» penceresinde kaydedilmemiş değişiklikler var.\n%2")
                                  : QStringLiteral("The window “%1” holds unsaved changes.\n%2"))
                             .arg(windowName, question);
    const QStringList choices =
        turkish ? QStringList{QStringLiteral("Kaydet"), QStringLiteral("Kaydetme"), QStringLiteral("Vazgeç")}
                : QStringList{QStringLiteral("Save"), QStringLiteral("Don't Save"), QStringLiteral("Cancel")};
    switch (prompter.choose(title, text, choices)) {
    case 0:
        return SaveChoice::Save;
    case 1:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Stay;
    }
}

} // namespace velkor
