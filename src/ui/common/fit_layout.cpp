#include "ui/common/fit_layout.h"

#include "core/lang/translations.h"
#include "ui/common/geometry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace velkor::lang {

namespace {

void reword(QWidget* window) {
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(window, &change);
}

} // namespace

void fitLayout(QWidget* window) {
    qreal most = 1.0;
    {
        const OtherLanguage other;
        reword(window);
        most = layoutOverflow(window);
    }
    reword(window);
    scaleLayout(window, std::max(most, layoutOverflow(window)));
}

} // namespace velkor::lang
