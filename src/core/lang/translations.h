#pragma once

#include "core/base/services.h"

#include <QLocale>
#include <QString>

namespace velkor::lang {

// The locale of a program language: dates in titles and lists are written in it.
QLocale locale(Language language);

// Puts everything that is not a caption into `language`: Qt's own words (standard buttons, file dialog,
// the context menus of text boxes), the failure messages worded in code through tr(), and the default
// locale. Call it whenever the program's language is set.
void useLanguage(Language language);

// The Turkish of a failure message worded in English through tr(); a null string when there is none.
QString turkishOf(const QString& english);

} // namespace velkor::lang
