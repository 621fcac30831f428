#include "shell/help_window.h"

#include "shell/pages.h"
#include "ui/common/keyboard.h"

namespace velkor::shell {

HelpWindow::HelpWindow(AppContext& context, QWidget* parent) : PageWindow(context, 11910, 7515, parent) {
    setObjectName(QStringLiteral("Form6"));
    retranslate();
    useKeyboard(this);
}

QString HelpWindow::title() const {
    return tr("Help");
}

QString HelpWindow::relativePage(Language language) const {
    return helpPage(language);
}

} // namespace velkor::shell
