#pragma once

#include <QDate>
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
// The one form the program writes a date in, in its language: 07/12/2026 in English, 07.12.2026 in Turkish.
QString dateText(const QDate& date);
// A day of the year without its year, in the same form and always five characters: 07/12, 07.12.
QString dayMonthText(int day, int month);
// Two-digit day and month items of the entry windows.
QStringList twoDigitNumbers(int count);

} // namespace velkor::lang
