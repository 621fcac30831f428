#include "core/plans/plan_listing.h"

#include <QCollator>

#include <algorithm>

namespace velkor::plans {

namespace {

// " dd. mm  HH:MM": day, month and time, or blanks where a plan has no time.
constexpr qsizetype DateTimeWidth = 14;

} // namespace

void sortBlock(PlanList& block) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(block.begin(), block.end(), [&collator](const ListedPlan& a, const ListedPlan& b) {
        const QStringView headA = QStringView(a.line).left(DateTimeWidth);
        const QStringView headB = QStringView(b.line).left(DateTimeWidth);
        if (const int byDate = headA.compare(headB); byDate != 0)
            return byDate < 0;
        const QStringView tailA = QStringView(a.line).mid(std::min(DateTimeWidth, a.line.size()));
        const QStringView tailB = QStringView(b.line).mid(std::min(DateTimeWidth, b.line.size()));
        if (const int byText = collator.compare(tailA, tailB); byText != 0)
            return byText < 0;
        return tailA.compare(tailB) < 0; // texts equal but for case: keep a fixed order
    });
}

PlanList listBlocks(const QList<PlanRecord>& plans, const QList<Block>& blocks) {
    // One pass puts the plans into months; each block then looks at its own month only.
    std::array<QList<const PlanRecord*>, 13> months;
    for (const PlanRecord& plan : plans) {
        if (plan.month >= 1 && plan.month <= 12)
            months[size_t(plan.month)].append(&plan);
    }
    PlanList list;
    for (const Block& block : blocks) {
        if (block.month < 1 || block.month > 12)
            continue;
        PlanList part;
        for (const PlanRecord* plan : months[size_t(block.month)]) {
            if (block.day == 0 || plan->day == block.day)
                part.append(ListedPlan(*plan));
        }
        sortBlock(part);
        list += std::move(part);
    }
    return list;
}

QList<Block> relistBlocks(const MonthFlags& flags) {
    // Inserting months 1..12 at the top in turn is the same as listing them from December down.
    QList<Block> blocks;
    for (int month = 12; month >= 1; --month) {
        if (flags[size_t(month)])
            blocks.append({month, 0});
    }
    return blocks;
}

} // namespace velkor::plans
