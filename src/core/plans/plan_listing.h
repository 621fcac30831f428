#pragma once

#include "core/plans/plan_record.h"

#include <QList>
#include <QString>

#include <array>

namespace velkor::plans {

// One entry of a plan list: the whole record, so that an edit or a delete finds exactly this plan again,
// and the line it shows as.
struct ListedPlan {
    PlanRecord plan;
    QString line;

    explicit ListedPlan(PlanRecord p) : plan(std::move(p)), line(yazim(plan)) {}
};
using PlanList = QList<ListedPlan>;

// A part of a list: every plan of a month (day 0), or of one day.
struct Block {
    int month = 0;
    int day = 0;
    friend bool operator==(const Block&, const Block&) = default;
};

// Puts the entries of one block in list order: by day, plans without a time first, then by time, then by
// text. The date and time sit at fixed places of a line, so they compare as plain characters; only the
// text is compared as words of the user's language. Entries showing the same line keep their order.
void sortBlock(PlanList& block);

// The plans of the blocks, block after block, each block sorted. Plans of no real month are in none.
PlanList listBlocks(const QList<PlanRecord>& plans, const QList<Block>& blocks);

// Month 1..12 to flag; index 0 is unused.
using MonthFlags = std::array<bool, 13>;
// The blocks of the rebuild after a plan was stored: each flagged month inserted at the top in turn, so
// December's block ends up first.
QList<Block> relistBlocks(const MonthFlags& flags);

} // namespace velkor::plans
