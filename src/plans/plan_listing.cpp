#include "plans/plan_listing.h"

#include <QCollator>

#include <algorithm>

namespace velkor::plans {

namespace {

// " dd. mm  HH:MM": day, month and time, or blanks where a plan has no time.
constexpr qsizetype DateTimeWidth = 14;

} // namespace

void sortBlock(QStringList& lines) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(lines.begin(), lines.end(), [&collator](const QString& a, const QString& b) {
        const QStringView headA = QStringView(a).left(DateTimeWidth);
        const QStringView headB = QStringView(b).left(DateTimeWidth);
        if (const int byDate = headA.compare(headB); byDate != 0)
            return byDate < 0;
        const QStringView tailA = QStringView(a).mid(std::min(DateTimeWidth, a.size()));
        const QStringView tailB = QStringView(b).mid(std::min(DateTimeWidth, b.size()));
        if (const int byText = collator.compare(tailA, tailB); byText != 0)
            return byText < 0;
        return tailA.compare(tailB) < 0; // texts equal but for case: keep a fixed order
    });
}

QStringList withBlockAppended(const QStringList& shown, QStringList block) {
    sortBlock(block);
    QStringList lines;
    lines.reserve(shown.size() + block.size());
    lines += shown;
    lines += block;
    return lines;
}

QStringList withBlockOnTop(QStringList block, const QStringList& shown) {
    sortBlock(block);
    block.reserve(block.size() + shown.size());
    block += shown;
    return block;
}

MonthBlocks monthBlocks(const QList<PlanRecord>& plans) {
    MonthBlocks blocks;
    for (const PlanRecord& plan : plans) {
        if (plan.month >= 1 && plan.month <= 12)
            blocks[plan.month].append(yazim(plan));
    }
    return blocks;
}

QStringList dayBlock(const QList<PlanRecord>& plans, int month, int day) {
    QStringList lines;
    for (const PlanRecord& plan : plans) {
        if (plan.month == month && plan.day == day)
            lines.append(yazim(plan));
    }
    return lines;
}

QStringList relistLines(MonthBlocks blocks, const MonthFlags& flags) {
    // Inserting months 1..12 at the top in turn is the same as listing them from December down.
    QStringList lines;
    for (int month = 12; month >= 1; --month) {
        if (!flags[month])
            continue;
        sortBlock(blocks[month]);
        lines += std::move(blocks[month]);
    }
    return lines;
}

QStringList allPlanLines(MonthBlocks blocks) {
    QStringList lines;
    for (int month = 1; month <= 12; ++month) {
        sortBlock(blocks[month]);
        lines += std::move(blocks[month]);
    }
    return lines;
}

std::optional<QString> lastTextFor(const QList<PlanRecord>& plans, const QString& line) {
    for (auto it = plans.crbegin(); it != plans.crend(); ++it) {
        if (yazim(*it) == line)
            return it->text;
    }
    return std::nullopt;
}

} // namespace velkor::plans
