#pragma once

#include "core/plans/reminders.h"
#include "ui/common/app_context.h"

namespace velkor::shell {

// Many plans of one occasion (the start-up catch-up, a tick after a long sleep) in one window, in time
// order, worded in the program language: one window to close instead of a box each.
void showAnnouncementList(AppContext& context, QList<Announcement> announcements);

} // namespace velkor::shell
