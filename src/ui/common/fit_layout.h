#pragma once

class QWidget;

namespace velkor::lang {

// Every window words itself through tr() in a retranslate() of its own, run once when it is built and
// again on each LanguageChange. A re-wording changes words only: no selection, filter, date or typed text.

// Grows the window's whole layout until every control's words fit it in either language: the window and
// all it holds are worded in the other language and back, so everything is measured. A switch later never
// grows it.
void fitLayout(QWidget* window);

} // namespace velkor::lang
