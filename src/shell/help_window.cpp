#include "shell/help_window.h"

#include "lang/vocabulary.h"

namespace velkor::shell {

HelpWindow::HelpWindow(AppContext& context, QWidget* parent)
    : PageWindow(context, lang::Help, QStringLiteral("help"), 11910, 7515, parent) {
    setObjectName(QStringLiteral("Form6"));
    applyLanguage(context.state.language);
}

QString HelpWindow::relativePage(Language language) const {
    return language == Language::Turkish ? QStringLiteral("help/tr/help_tr.htm")
                                         : QStringLiteral("help/eng/help_eng.htm");
}

} // namespace velkor::shell
