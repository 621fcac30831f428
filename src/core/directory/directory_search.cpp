#include "core/directory/directory_search.h"

#include <QLocale>

#include <algorithm>
#include <vector>

namespace velkor::directory {

bool searchesByNumber(const QString& text) {
    return !text.isEmpty() && text.front() >= u'0' && text.front() <= u'9';
}

SearchMatcher::SearchMatcher(const QString& text)
    : m_folded(turkishUpper(text)), m_byNumber(searchesByNumber(text)) {}

WordMatch SearchMatcher::match(const QString& name, const QString& tel) const {
    if (m_byNumber)
        return tel.startsWith(m_folded) ? WordMatch::Start : WordMatch::None;
    return matchAnyWord(name, m_folded);
}

namespace {

// The positions of `names` in Turkish alphabetical order (ç after c, ı before i, ...), ties in their order.
std::vector<qsizetype> alphabeticalOrder(const QStringList& names) {
    const QCollator collator = listCollator();
    // One key per name, then plain byte comparisons: far cheaper than collating each pair.
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keyed;
    keyed.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        keyed.emplace_back(collator.sortKey(names.at(i)), i);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    std::vector<qsizetype> order;
    order.reserve(keyed.size());
    for (const auto& [key, index] : keyed)
        order.push_back(index);
    return order;
}

// The names found from their start first, then those found by a later word, each part alphabetical.
std::vector<qsizetype> listOrder(const QStringList& names, const QList<bool>& fromStart) {
    std::vector<qsizetype> order = alphabeticalOrder(names);
    std::stable_partition(order.begin(), order.end(), [&](qsizetype i) { return fromStart.at(i); });
    return order;
}

template <typename T> QList<T> reordered(const QList<T>& items, const std::vector<qsizetype>& order) {
    QList<T> result;
    result.reserve(items.size());
    for (const qsizetype index : order)
        result.append(items.at(index));
    return result;
}

} // namespace

QStringList matchingNames(const QList<DirRecord>& records, const QString& text) {
    const SearchMatcher matcher(text);
    QStringList names;
    QList<bool> fromStart;
    for (const DirRecord& record : records) {
        if (const WordMatch found = matcher.match(record.name, record.tel); found != WordMatch::None) {
            names.append(record.name);
            fromStart.append(found == WordMatch::Start);
        }
    }
    return reordered(names, listOrder(names, fromStart));
}

Loaded<QList<RowRef>> findNames(const DirectoryStore& store, const QString& text) {
    const SearchMatcher matcher(text);
    QList<RowRef> found;
    QStringList names;
    QList<bool> fromStart;
    const IoResult walked =
        store.walkNamesAndNumbers([&](qint64 rowId, const QString& name, const QString& tel) {
            if (const WordMatch how = matcher.match(name, tel); how != WordMatch::None) {
                found.append({rowId, name});
                names.append(name);
                fromStart.append(how == WordMatch::Start);
            }
        });
    if (!walked)
        return {{}, walked.error};
    return {reordered(found, listOrder(names, fromStart)), {}};
}

QCollator listCollator() {
    return QCollator(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void sortNames(QStringList& names) {
    if (names.size() > 1)
        names = reordered(names, alphabeticalOrder(names));
}

} // namespace velkor::directory
