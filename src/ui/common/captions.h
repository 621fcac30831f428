#pragma once

#include "core/base/services.h"
#include "ui/common/language_aware.h"

class QObject;
class QWidget;

namespace velkor::lang {

// Sets the plain captions of `code` on `window` and its named children (buttons, labels, menu actions and
// submenus). Lists and conditional captions are the window's own business.
void applyCaptions(QObject* window, int code, Language language);

// Sets the visible text of one control, whatever kind it is.
void setCaption(QObject* control, const QString& text);

} // namespace velkor::lang

namespace velkor::lang {

// Grows the window's whole layout until every control's words fit it in either language: the caption
// rows of `code` in both languages and whatever the controls show now.
void fitLayout(QWidget* window, int code);
// The same for a window that words itself: it is put into the other language and back to `shown`, so the
// words it sets itself (lists, heads, buttons) are measured too. A switch later never grows it.
void fitLayout(QWidget* window, LanguageAware& aware, Language shown);

} // namespace velkor::lang
