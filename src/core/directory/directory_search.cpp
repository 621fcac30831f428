#include "core/directory/directory_search.h"

#include "core/base/turkish_upper.h"

#include <QLocale>

#include <algorithm>
#include <vector>

namespace velkor::directory {

bool searchesByNumber(const QString& text) {
    return !text.isEmpty() && text.front() >= u'0' && text.front() <= u'9';
}

SearchMatcher::SearchMatcher(const QString& text)
    : m_folded(turkishUpper(text)), m_byNumber(searchesByNumber(text)) {}

bool SearchMatcher::matches(const QString& name, const QString& tel) const {
    if (m_byNumber)
        return tel.startsWith(m_folded);
    // Most names begin in plain ASCII, whose fold is one capital per letter (i to İ): compared in place.
    const qsizetype wanted = m_folded.size();
    for (qsizetype i = 0; i < wanted; ++i) {
        if (i == name.size())
            return false;
        const char16_t c = name.at(i).unicode();
        if (c >= 0x80)
            return headMatches(name);
        if (asciiTurkishUpper(c) != m_folded.at(i).unicode())
            return false;
    }
    return true;
}

bool SearchMatcher::headMatches(const QString& name) const {
    // The fold maps each character on its own to one or more, so the fold of the name begins with the
    // searched fold exactly when the fold of its first characters does: only those need folding.
    qsizetype head = m_folded.size();
    if (head < name.size() && name.at(head - 1).isHighSurrogate())
        ++head;
    return turkishUpper(name.left(head)).startsWith(m_folded);
}

QStringList matchingNames(const QList<DirRecord>& records, const QString& text) {
    const SearchMatcher matcher(text);
    QStringList names;
    for (const DirRecord& record : records) {
        if (matcher.matches(record.name, record.tel))
            names.append(record.name);
    }
    sortNames(names);
    return names;
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

template <typename T> QList<T> reordered(const QList<T>& items, const std::vector<qsizetype>& order) {
    QList<T> result;
    result.reserve(items.size());
    for (const qsizetype index : order)
        result.append(items.at(index));
    return result;
}

} // namespace

Loaded<QList<RowRef>> findNames(const DirectoryStore& store, const QString& text) {
    const SearchMatcher matcher(text);
    QList<RowRef> found;
    QStringList names;
    const IoResult walked =
        store.walkNamesAndNumbers([&](qint64 rowId, const QString& name, const QString& tel) {
            if (matcher.matches(name, tel)) {
                found.append({rowId, name});
                names.append(name);
            }
        });
    if (!walked)
        return {{}, walked.error};
    return {reordered(found, alphabeticalOrder(names)), {}};
}

QCollator listCollator() {
    return QCollator(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void sortNames(QStringList& names) {
    if (names.size() > 1)
        names = reordered(names, alphabeticalOrder(names));
}

} // namespace velkor::directory
