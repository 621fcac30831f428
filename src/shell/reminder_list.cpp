#include "shell/reminder_list.h"

#include "core/lang/messages.h"
#include "core/plans/snoozes.h"

#include <QLocale>

#include <algorithm>

namespace velkor::shell {

namespace {

void showList(AppContext& context, QList<Announcement> announcements, const Dealt& dealt) {
    std::stable_sort(announcements.begin(), announcements.end(),
                     [](const Announcement& a, const Announcement& b) { return a.due < b.due; });
    const QLocale locale; // the program language's, set with it
    QList<QStringList> rows;
    rows.reserve(announcements.size());
    for (const Announcement& a : announcements) {
        rows.append({locale.toString(a.due.date(), QStringLiteral("d MMMM yyyy, dddd")),
                     a.allDay ? QString() : a.due.time().toString(QStringLiteral("HH:mm")), a.text});
    }
    const QMap<int, int> later = context.prompter->remindList(
        lang::reminders::listTitle(), lang::reminders::listText(int(rows.size())),
        lang::reminders::listColumns(), rows, laterChoices());
    for (qsizetype i = 0; i < announcements.size(); ++i)
        dealt(announcements.at(i), later.value(int(i), 0));
}

} // namespace

void announce(AppContext& context, const QList<Announcement>& group, Beep beep, const Dealt& dealt) {
    if (group.size() > ListThreshold) {
        context.beeper->beep();
        showList(context, group, dealt);
        return;
    }
    for (const Announcement& a : group) {
        if (beep == Beep::EveryBox)
            context.beeper->beep();
        dealt(a, context.prompter->remind(a.title, a.text, laterChoices()));
    }
}

} // namespace velkor::shell
