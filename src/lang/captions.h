#pragma once

#include "support/services.h"

class QObject;

namespace velkor::lang {

// Sets the plain captions of `code` on `window` and its named children (buttons, labels, menu actions and
// submenus). Lists and conditional captions are the window's own business.
void applyCaptions(QObject* window, int code, Language language);

// Sets the visible text of one control, whatever kind it is.
void setCaption(QObject* control, const QString& text);

} // namespace velkor::lang
