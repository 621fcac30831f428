#include "shell/help_window.h"

#include "core/lang/vocabulary.h"
#include "shell/pages.h"

namespace velkor::shell {

HelpWindow::HelpWindow(AppContext& context, QWidget* parent)
    : PageWindow(context, lang::Help, QStringLiteral("help"), 11910, 7515, parent) {
    setObjectName(QStringLiteral("Form6"));
    applyLanguage(context.language);
}

QString HelpWindow::relativePage(Language language) const {
    return helpPage(language);
}

} // namespace velkor::shell
