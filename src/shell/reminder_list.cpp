#include "shell/reminder_list.h"

#include "lang/translations.h"

#include <QLocale>

#include <algorithm>

namespace velkor::shell {

void showAnnouncementList(AppContext& context, QList<Announcement> announcements) {
    std::stable_sort(announcements.begin(), announcements.end(),
                     [](const Announcement& a, const Announcement& b) { return a.due < b.due; });
    const bool turkish = context.turkish();
    const QLocale locale = lang::locale(context.state.language);
    QList<QStringList> rows;
    rows.reserve(announcements.size());
    for (const Announcement& a : announcements) {
        rows.append({locale.toString(a.due.date(), QStringLiteral("d MMMM yyyy, dddd")),
                     a.allDay ? QString() : a.due.time().toString(QStringLiteral("HH:mm")), a.text});
    }
    const QString count = QString::number(rows.size());
    if (turkish)
        context.prompter->showList(
            QString::fromUtf8("Planlar"), QString::fromUtf8("Zamanı gelen %1 plan:").arg(count),
            {QStringLiteral("Tarih"), QStringLiteral("Saat"), QStringLiteral("Plan")}, rows);
    else
        context.prompter->showList(QStringLiteral("Plans"), QStringLiteral("%1 plans fell due:").arg(count),
                                   {QStringLiteral("Date"), QStringLiteral("Time"), QStringLiteral("Plan")},
                                   rows);
}

} // namespace velkor::shell
