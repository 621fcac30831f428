#pragma once

#include "plans/plan_record.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace velkor::plans {

// Puts the lines of one block in list order: by day, plans without a time first, then by time, then by
// text. The date and time sit at fixed places, so they compare as plain characters; only the text is
// compared as words of the user's language.
void sortBlock(QStringList& lines);

// The shown lines after a sorted block joins them at the end, or at the top.
QStringList withBlockAppended(const QStringList& shown, QStringList block);
QStringList withBlockOnTop(QStringList block, const QStringList& shown);

// Month 1..12 to flag; index 0 is unused.
using MonthFlags = std::array<bool, 13>;
// Each month's plan lines in file order; index 0 is unused. Plans of no real month are in none.
using MonthBlocks = std::array<QStringList, 13>;

MonthBlocks monthBlocks(const QList<PlanRecord>& plans);
QStringList dayBlock(const QList<PlanRecord>& plans, int month, int day);

// The rebuild after a plan was stored: each flagged month inserted at the top in turn, so December's block
// ends up first.
QStringList relistLines(MonthBlocks blocks, const MonthFlags& flags);
// Every month, January's block first.
QStringList allPlanLines(MonthBlocks blocks);

// The text of the last plan in file order that shows as `line`: the one an edit starts from.
std::optional<QString> lastTextFor(const QList<PlanRecord>& plans, const QString& line);

} // namespace velkor::plans
