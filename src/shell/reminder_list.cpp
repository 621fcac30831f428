#include "shell/reminder_list.h"

#include "core/lang/messages.h"

#include <QLocale>

#include <algorithm>

namespace velkor::shell {

namespace {

void showList(AppContext& context, QList<Announcement> announcements) {
    std::stable_sort(announcements.begin(), announcements.end(),
                     [](const Announcement& a, const Announcement& b) { return a.due < b.due; });
    const QLocale locale; // the program language's, set with it
    QList<QStringList> rows;
    rows.reserve(announcements.size());
    for (const Announcement& a : announcements) {
        rows.append({locale.toString(a.due.date(), QStringLiteral("d MMMM yyyy, dddd")),
                     a.allDay ? QString() : a.due.time().toString(QStringLiteral("HH:mm")), a.text});
    }
    context.prompter->showList(lang::reminders::listTitle(), lang::reminders::listText(int(rows.size())),
                               lang::reminders::listColumns(), rows);
}

} // namespace

void announce(AppContext& context, const QList<Announcement>& group, Beep beep) {
    if (group.size() > ListThreshold) {
        context.beeper->beep();
        showList(context, group);
        return;
    }
    for (const Announcement& a : group) {
        if (beep == Beep::EveryBox)
            context.beeper->beep();
        context.prompter->inform(a.title, a.text);
    }
}

} // namespace velkor::shell
