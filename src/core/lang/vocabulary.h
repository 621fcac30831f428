#pragma once

#include <QString>
#include <QStringList>

// Lists of words the windows share, in the program's language.
namespace velkor::lang {

QStringList monthNames();
QStringList upperMonthNames(); // month browser title
// The weekday head of label index 48 (Monday) down to 42 (Sunday).
QString weekdayHead(int labelIndex);
// The 15 choices of the plan query window: months, today, all plans, clear the list.
QStringList planQueryChoices();
// The five period filters of the diary browser.
QStringList diaryPeriodChoices();
// The question before every plan is deleted.
QString deleteAllTitle();
QString deleteAllQuestion();
// Two-digit day and month items of the entry windows.
QStringList twoDigitNumbers(int count);

} // namespace velkor::lang
