#pragma once

#include <QColor>
#include <QLabel>

namespace velkor::calendar {

// A strip along the top of a calendar naming the month and year it shows. The window grows by the strip
// and its own controls move down under it, keeping their places to one another.
QLabel* addMonthCaption(QWidget* window, const QColor& background);
// "December 2026" in the program's language.
void setMonthCaption(QLabel* caption, int year, int month);

} // namespace velkor::calendar
