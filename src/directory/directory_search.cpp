#include "directory/directory_search.h"

#include "support/turkish_upper.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <vector>

namespace velkor::directory {

bool searchesByNumber(const QString& text) {
    return !text.isEmpty() && text.front() >= u'0' && text.front() <= u'9';
}

QStringList matchingNames(const QList<DirRecord>& records, const QString& text) {
    const QString folded = turkishUpper(text);
    const bool byNumber = searchesByNumber(text);
    QStringList names;
    for (const DirRecord& record : records) {
        const bool match = byNumber ? record.tel.startsWith(folded) : startsWithFolded(record.name, folded);
        if (match)
            names.append(record.name);
    }
    sortNames(names);
    return names;
}

void sortNames(QStringList& names) {
    if (names.size() < 2)
        return;
    const QCollator collator(QLocale(QLocale::Turkish, QLocale::Turkey));
    // One key per name, then plain byte comparisons: far cheaper than collating each pair.
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keyed;
    keyed.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        keyed.emplace_back(collator.sortKey(names.at(i)), i);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const auto& [key, index] : keyed)
        sorted.append(names.at(index));
    names = std::move(sorted);
}

} // namespace velkor::directory
