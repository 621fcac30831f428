#include "shell/about_window.h"

#include "shell/pages.h"
#include "ui/common/keyboard.h"

namespace velkor::shell {

AboutWindow::AboutWindow(AppContext& context, QWidget* parent) : PageWindow(context, 6750, 3255, parent) {
    setObjectName(QStringLiteral("Form7"));
    retranslate();
    useKeyboard(this);
}

QString AboutWindow::title() const {
    return tr("About Velkor");
}

QString AboutWindow::relativePage(Language language) const {
    return aboutPage(language);
}

} // namespace velkor::shell
