#pragma once

#include "core/plans/reminders.h"
#include "ui/common/app_context.h"

#include <functional>

namespace velkor::shell {

// More plans than this at one occasion (the start-up catch-up, a tick after a long sleep) come in one
// window, in time order: one window to close instead of a box each.
constexpr qsizetype ListThreshold = 5;

// Whether each box of a few plans beeps, or only the list of many: the catch-up announces the few quietly.
enum class Beep { EveryBox, ListOnly };

// Told of each reminder once the user has dealt with it: 0 minutes when it is done, else how many minutes
// later it is to come again.
using Dealt = std::function<void(const Announcement& reminder, int laterMinutes)>;

// Announces what one occasion brought: a list after one beep when there are many, else a box each.
void announce(AppContext& context, const QList<Announcement>& group, Beep beep, const Dealt& dealt);

} // namespace velkor::shell
