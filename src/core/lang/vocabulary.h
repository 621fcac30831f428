#pragma once

#include "core/base/services.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace velkor::lang {

// Window codes of the caption tables.
enum WindowCode : int {
    MonthCalendar = 1,
    MonthBrowser = 2,
    PlanEntry = 3,
    MainMenu = 4,
    PlanQuery = 5,
    Help = 6,
    About = 7,
    DiaryBrowser = 8,
    DiaryEditor = 9,
    Directory = 10,
    DirectoryEditor = 11,
    Notebook = 12,
};

// The codes a language switch visits, in order.
const QList<int>& switchOrder();

// One caption set by name: the control's objectName, or an empty name for the window's own title.
struct Caption {
    QString control;
    QString turkish;
    QString english;

    const QString& in(Language language) const { return language == Language::Turkish ? turkish : english; }
};

// The plain caption rows of a window code (the rows that set a fixed text); empty for other codes.
const QList<Caption>& captions(int code);

QStringList monthNames(Language language);
QStringList upperMonthNames(Language language); // month browser title
// The weekday head of label index 48 (Monday) down to 42 (Sunday).
QString weekdayHead(int labelIndex, Language language);
// The 15 choices of the plan query window: months, today, all plans, clear the list.
QStringList planQueryChoices(Language language);
// The five period filters of the diary browser.
QStringList diaryPeriodChoices(Language language);
// The question before every plan is deleted.
QString deleteAllTitle(Language language);
QString deleteAllQuestion(Language language);
// Two-digit day and month items of the entry windows.
QStringList twoDigitNumbers(int count);

// Captions that translate only what they recognise, so a window may set them in either language.
QString planEntryTitle(const QString& current, Language language);
QString planEntryButton(const QString& current, Language language);
// The tip of the plan entry's hour caption, which shows and hides the hour box.
QString hourLinkTip(Language language);
QString diaryEditorTitle(const QString& current, Language language);
QString diaryEditorButton(const QString& current, Language language);

} // namespace velkor::lang
