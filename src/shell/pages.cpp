#include "shell/pages.h"

namespace velkor::shell {

QString helpPage(Language language) {
    return language == Language::Turkish ? QStringLiteral("help/tr/help_tr.htm")
                                         : QStringLiteral("help/eng/help_eng.htm");
}

QString aboutPage(Language language) {
    return language == Language::Turkish ? QStringLiteral("help/about_tr.htm")
                                         : QStringLiteral("help/about_eng.htm");
}

QStringList shippedPages() {
    return {helpPage(Language::Turkish), helpPage(Language::English), aboutPage(Language::Turkish),
            aboutPage(Language::English)};
}

} // namespace velkor::shell
