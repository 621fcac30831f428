#pragma once

#include "core/base/services.h"

#include <QLocale>
#include <QString>

namespace velkor::lang {

// The locale of a program language: dates in titles and lists are written in it.
QLocale locale(Language language);

// Puts the whole program into `language`: its own words (translations/velkor_*.ts), Qt's words (standard
// buttons, file dialog, the context menus of text boxes) and the default locale. Every window re-words
// itself on the LanguageChange this sends, before the call returns.
void useLanguage(Language language);

// The language last set by useLanguage(); English, the words of the source, before any.
Language current();

// Puts the program's words into the other language while it lives, so a window can measure them; nothing
// is re-worded on the way there or back.
class OtherLanguage {
public:
    OtherLanguage();
    ~OtherLanguage();
    OtherLanguage(const OtherLanguage&) = delete;
    OtherLanguage& operator=(const OtherLanguage&) = delete;

private:
    Language m_shown;
};

} // namespace velkor::lang
