#include "shell/about_window.h"

#include "core/lang/vocabulary.h"
#include "shell/pages.h"

namespace velkor::shell {

AboutWindow::AboutWindow(AppContext& context, QWidget* parent)
    : PageWindow(context, lang::About, QString::fromUtf8("Velkor Hakkında"), 6750, 3255, parent) {
    setObjectName(QStringLiteral("Form7"));
    applyLanguage(context.language);
}

QString AboutWindow::relativePage(Language language) const {
    return aboutPage(language);
}

} // namespace velkor::shell
