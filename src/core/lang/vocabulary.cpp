#include "core/lang/vocabulary.h"

#include <QCoreApplication>

namespace velkor::lang {

namespace {

struct Word {
    const char* text;
    const char* comment;
};

template <size_t N> QStringList translated(const char* context, const Word (&words)[N]) {
    QStringList out;
    for (const Word& word : words)
        out.append(QCoreApplication::translate(context, word.text, word.comment));
    return out;
}

} // namespace

QStringList monthNames() {
    static const Word words[] = {
        QT_TRANSLATE_NOOP3("Months", "January", "month"),   QT_TRANSLATE_NOOP3("Months", "February", "month"),
        QT_TRANSLATE_NOOP3("Months", "March", "month"),     QT_TRANSLATE_NOOP3("Months", "April", "month"),
        QT_TRANSLATE_NOOP3("Months", "May", "month"),       QT_TRANSLATE_NOOP3("Months", "June", "month"),
        QT_TRANSLATE_NOOP3("Months", "July", "month"),      QT_TRANSLATE_NOOP3("Months", "August", "month"),
        QT_TRANSLATE_NOOP3("Months", "September", "month"), QT_TRANSLATE_NOOP3("Months", "October", "month"),
        QT_TRANSLATE_NOOP3("Months", "November", "month"),  QT_TRANSLATE_NOOP3("Months", "December", "month"),
    };
    return translated("Months", words);
}

QStringList upperMonthNames() {
    static const Word words[] = {
        QT_TRANSLATE_NOOP3("Months", "JANUARY", "month in capitals"),
        QT_TRANSLATE_NOOP3("Months", "FEBRUARY", "month in capitals"),
        QT_TRANSLATE_NOOP3("Months", "MARCH", "month in capitals"),
        QT_TRANSLATE_NOOP3("Months", "APRIL", "month in capitals"),
        QT_TRANSLATE_NOOP3("Months", "MAY", "month in capitals"),
        QT_TRANSLATE_NOOP3("Months", "JUN", "month in capitals"),
        QT_TRANSLATE_NOOP3("Months", "JULY", "month in capitals"),
        QT_TRANSLATE_NOOP3("Months", "AUGUST", "month in capitals"),
        QT_TRANSLATE_NOOP3("Months", "SEPTEMBER", "month in capitals"),
        QT_TRANSLATE_NOOP3("Months", "OCTOBER", "month in capitals"),
        QT_TRANSLATE_NOOP3("Months", "NOVEMBER", "month in capitals"),
        QT_TRANSLATE_NOOP3("Months", "DECEMBER", "month in capitals"),
    };
    return translated("Months", words);
}

QString weekdayHead(int labelIndex) {
    static const Word words[] = {
        // label 42 (Sunday) to 48 (Monday)
        QT_TRANSLATE_NOOP3("Weekdays", "Su", "Sunday"),   QT_TRANSLATE_NOOP3("Weekdays", "S", "Saturday"),
        QT_TRANSLATE_NOOP3("Weekdays", "F", "Friday"),    QT_TRANSLATE_NOOP3("Weekdays", "T", "Thursday"),
        QT_TRANSLATE_NOOP3("Weekdays", "W", "Wednesday"), QT_TRANSLATE_NOOP3("Weekdays", "Tu", "Tuesday"),
        QT_TRANSLATE_NOOP3("Weekdays", "M", "Monday"),
    };
    if (labelIndex < 42 || labelIndex > 48)
        return {};
    const Word& word = words[labelIndex - 42];
    return QCoreApplication::translate("Weekdays", word.text, word.comment);
}

QStringList planQueryChoices() {
    static const Word words[] = {
        {QT_TRANSLATE_NOOP("PlanQuery", "Today"), nullptr},
        {QT_TRANSLATE_NOOP("PlanQuery", "All Records"), nullptr},
        {QT_TRANSLATE_NOOP("PlanQuery", "Clear List"), nullptr},
    };
    return monthNames() + translated("PlanQuery", words);
}

QStringList diaryPeriodChoices() {
    static const Word words[] = {
        {QT_TRANSLATE_NOOP("DiaryPeriods", "All Records"), nullptr},
        {QT_TRANSLATE_NOOP("DiaryPeriods", "selected date"), nullptr},
        {QT_TRANSLATE_NOOP("DiaryPeriods", "selected year"), nullptr},
        {QT_TRANSLATE_NOOP("DiaryPeriods", "selected year and before"), nullptr},
        {QT_TRANSLATE_NOOP("DiaryPeriods", "selected and after"), nullptr},
    };
    return translated("DiaryPeriods", words);
}

QString deleteAllTitle() {
    return QCoreApplication::translate("PlanQuery", "WARNING!");
}

QString deleteAllQuestion() {
    return QCoreApplication::translate("PlanQuery", "Are you sure you want to delete all your plans?");
}

QStringList twoDigitNumbers(int count) {
    QStringList items;
    for (int i = 1; i <= count; ++i)
        items.append(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    return items;
}

QString dateText(const QDate& date) {
    // The form is a word like any other, so a language brings its own.
    return date.toString(
        QCoreApplication::translate("Dates", "dd/MM/yyyy", "the date form: day, month, year"));
}

QString dayMonthText(int day, int month) {
    const QString form = QCoreApplication::translate("Dates", "dd/MM", "the date form without a year");
    // Filled by hand: a hand-edited plan may name a day no calendar has, and still needs its column.
    const auto twoDigits = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return QString(form)
        .replace(QLatin1String("dd"), twoDigits(day))
        .replace(QLatin1String("MM"), twoDigits(month));
}

} // namespace velkor::lang
