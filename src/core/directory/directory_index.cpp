#include "core/directory/directory_index.h"

#include "core/base/turkish_upper.h"
#include "core/directory/directory_search.h"

#include <QCollator>

#include <algorithm>
#include <bit>
#include <map>
#include <vector>

namespace velkor::directory {

namespace {

// Up to four UTF-16 units packed in one number: a row's first ones are compared with a search's in one
// step, over an array that fits the cache, before any name is looked at.
constexpr qsizetype HeadUnits = 4;

quint64 pack(QStringView units) {
    quint64 head = 0;
    for (qsizetype i = 0; i < std::min(units.size(), HeadUnits); ++i)
        head |= quint64(units.at(i).unicode()) << (16 * i);
    return head;
}

// The first units of the Turkish fold of a name, or of the rest of it from one of its words.
quint64 foldedHead(QStringView name) {
    quint64 head = 0;
    const qsizetype take = std::min(name.size(), HeadUnits);
    for (qsizetype i = 0; i < take; ++i) {
        const char16_t c = name.at(i).unicode();
        if (c >= 0x80 && c < 0x180 && c != 0xDF && c != 0x149) {
            // Latin letters such as ç, ğ, ı, ö, ş, ü fold to one capital each (ß and ŉ grow): no string is
            // made for them, a million surnames are read at every change of the file.
            head |= quint64(QChar::toUpper(c)) << (16 * i);
            continue;
        }
        if (c >= 0x80) {
            // Each character folds on its own, so folding the first few gives the first units of the fold.
            qsizetype length = take;
            if (length < name.size() && name.at(length - 1).isHighSurrogate())
                ++length;
            return pack(turkishUpper(name.left(length).toString()));
        }
        head |= quint64(asciiTurkishUpper(c)) << (16 * i);
    }
    return head;
}

// The heads of the words after a name's first. A search by name never begins with a digit, so words that do
// are left out: "Ahmet Kaya 2" keeps one head, not two.
void addLaterWordHeads(const QString& name, std::vector<quint64>& heads) {
    for (qsizetype at = 1; at < name.size(); ++at) {
        const QChar c = name.at(at);
        if (partsWords(name.at(at - 1)) && !partsWords(c) && !(c >= u'0' && c <= u'9'))
            heads.push_back(foldedHead(QStringView(name).sliced(at)));
    }
}

} // namespace

struct DirectorySnapshot {
    std::vector<qint64> rowIds; // ascending, as the store walks them
    std::vector<QString> names;
    std::vector<QString> tels;
    std::vector<QCollatorSortKey> keys;
    std::vector<quint64> nameHeads;
    std::vector<quint64> telHeads;
    // The heads of row i's later words are wordHeads[wordsFrom[i]] up to wordHeads[wordsFrom[i + 1]].
    std::vector<quint64> wordHeads;
    std::vector<size_t> wordsFrom{0};

    qsizetype size() const { return qsizetype(rowIds.size()); }
    RowRef row(qsizetype i) const { return {rowIds[size_t(i)], names[size_t(i)]}; }
    // List order: alphabetical by Turkish rules, rows of the same name in the order added.
    bool before(qsizetype a, qsizetype b) const {
        const int order = keys[size_t(a)].compare(keys[size_t(b)]);
        return order < 0 || (order == 0 && a < b);
    }
};

// The rows of a snapshot in list order, sorted a stretch at a time: each partition of a quicksort is kept,
// and only the stretch holding a wanted line is split further.
class WholeOrder {
public:
    explicit WholeOrder(std::shared_ptr<const DirectorySnapshot> snapshot)
        : m_snapshot(std::move(snapshot)), m_order(size_t(m_snapshot->size())) {
        for (size_t i = 0; i < m_order.size(); ++i)
            m_order[i] = qsizetype(i);
        if (!m_order.empty())
            m_unsorted.emplace(0, qsizetype(m_order.size()));
    }

    qsizetype size() const { return qsizetype(m_order.size()); }

    RowRef at(qsizetype line) {
        if (line < 0 || line >= size())
            return {};
        putInPlace(line);
        return m_snapshot->row(m_order[size_t(line)]);
    }

private:
    void putInPlace(qsizetype line) {
        auto stretch = m_unsorted.upper_bound(line);
        if (stretch == m_unsorted.begin())
            return;
        --stretch;
        qsizetype from = stretch->first, to = stretch->second;
        if (line >= to)
            return;
        m_unsorted.erase(stretch);
        const auto before = [this](qsizetype a, qsizetype b) { return m_snapshot->before(a, b); };
        const auto at = [this](qsizetype i) { return m_order.begin() + i; };
        // A screenful is sorted outright.
        constexpr qsizetype Small = 64;
        // Splits that keep coming out uneven give way to a plain sort, as in an introsort.
        for (int splits = 0; to - from > Small; ++splits) {
            if (splits == 2 * int(std::bit_width(quint64(size())))) {
                std::sort(at(from), at(to), before);
                return;
            }
            // The median of three, so that a directory added in order does not make every split uneven.
            qsizetype a = m_order[size_t(from)], b = m_order[size_t(from + (to - from) / 2)],
                      c = m_order[size_t(to - 1)];
            if (before(b, a))
                std::swap(a, b);
            if (before(c, b))
                b = before(c, a) ? a : c;
            const qsizetype pivot = b;
            const qsizetype split =
                std::partition(at(from), at(to), [&](qsizetype row) { return before(row, pivot); }) -
                m_order.begin();
            // Every row is distinct in list order, so the pivot is the first of the later stretch.
            std::iter_swap(at(split), std::find(at(split), at(to), pivot));
            if (line < split) {
                if (split + 1 < to)
                    m_unsorted.emplace(split + 1, to);
                to = split;
            } else if (line > split) {
                if (from < split)
                    m_unsorted.emplace(from, split);
                from = split + 1;
            } else {
                if (from < split)
                    m_unsorted.emplace(from, split);
                if (split + 1 < to)
                    m_unsorted.emplace(split + 1, to);
                return;
            }
        }
        std::sort(at(from), at(to), before);
    }

    std::shared_ptr<const DirectorySnapshot> m_snapshot;
    std::vector<qsizetype> m_order;
    std::map<qsizetype, qsizetype>
        m_unsorted; // stretches of m_order not yet in order: first -> past the last
};

qsizetype FoundNames::size() const {
    return m_whole ? m_whole->size() : m_rows.size();
}

RowRef FoundNames::at(qsizetype line) const {
    return m_whole ? m_whole->at(line) : m_rows.value(line);
}

QList<RowRef> FoundNames::toList() const {
    if (!m_whole)
        return m_rows;
    QList<RowRef> rows;
    rows.reserve(size());
    for (qsizetype line = 0; line < size(); ++line)
        rows.append(at(line));
    return rows;
}

IoResult DirectoryIndex::refresh() {
    // Taken before the read: a change made meanwhile shows as a new print next time.
    const QByteArray print = m_store.database().fingerprint();
    if (m_snapshot && print == m_fingerprint)
        return IoResult::success();
    const std::shared_ptr<const DirectorySnapshot> old = std::move(m_snapshot);
    m_whole.reset();
    auto fresh = std::make_shared<DirectorySnapshot>();
    const IoResult walked =
        m_store.walkNamesAndNumbers([&](qint64 rowId, const QString& name, const QString& tel) {
            fresh->rowIds.push_back(rowId);
            fresh->names.push_back(name);
            fresh->tels.push_back(tel);
        });
    if (!walked)
        return walked;
    const size_t count = fresh->rowIds.size();
    fresh->keys.reserve(count);
    fresh->nameHeads.reserve(count);
    fresh->telHeads.reserve(count);
    fresh->wordsFrom.reserve(count + 1);
    const QCollator collator = listCollator();
    // A row that kept its name keeps its key: after an edit only the new names are worked out again.
    size_t same = 0;
    for (size_t i = 0; i < count; ++i) {
        const qint64 rowId = fresh->rowIds[i];
        while (old && same < old->rowIds.size() && old->rowIds[same] < rowId)
            ++same;
        const bool kept = old && same < old->rowIds.size() && old->rowIds[same] == rowId &&
                          old->names[same] == fresh->names[i];
        fresh->keys.push_back(kept ? old->keys[same] : collator.sortKey(fresh->names[i]));
        fresh->nameHeads.push_back(kept ? old->nameHeads[same] : foldedHead(fresh->names[i]));
        fresh->telHeads.push_back(pack(fresh->tels[i]));
        if (kept)
            fresh->wordHeads.insert(fresh->wordHeads.end(), old->wordHeads.begin() + old->wordsFrom[same],
                                    old->wordHeads.begin() + old->wordsFrom[same + 1]);
        else
            addLaterWordHeads(fresh->names[i], fresh->wordHeads);
        fresh->wordsFrom.push_back(fresh->wordHeads.size());
    }
    m_snapshot = std::move(fresh);
    m_fingerprint = print;
    return IoResult::success();
}

Loaded<FoundNames> DirectoryIndex::find(const QString& text) {
    if (const IoResult read = refresh(); !read) {
        m_snapshot.reset();
        return {{}, read.error};
    }
    if (text.isEmpty()) {
        if (!m_whole)
            m_whole = std::make_shared<WholeOrder>(m_snapshot);
        return {FoundNames(m_whole), {}};
    }
    const DirectorySnapshot& rows = *m_snapshot;
    const SearchMatcher matcher(text);
    // The rows whose first units, or those of a later word, agree with the search's are the only ones the
    // matcher need look at.
    const QString folded = turkishUpper(text);
    const quint64 wanted = pack(folded);
    const quint64 mask = folded.size() >= HeadUnits ? ~quint64(0) : (quint64(1) << (16 * folded.size())) - 1;
    const bool byNumber = searchesByNumber(text);
    const std::vector<quint64>& heads = byNumber ? rows.telHeads : rows.nameHeads;
    std::vector<qsizetype> fromStart, byWord;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const size_t row = size_t(i);
        if ((heads[row] & mask) == wanted) {
            const WordMatch found = matcher.match(rows.names[row], rows.tels[row]);
            if (found != WordMatch::None)
                (found == WordMatch::Start ? fromStart : byWord).push_back(i);
            continue;
        }
        if (byNumber)
            continue;
        // Not from the start: one of its later words must agree before the name is looked at.
        for (size_t word = rows.wordsFrom[row]; word < rows.wordsFrom[row + 1]; ++word) {
            if ((rows.wordHeads[word] & mask) == wanted) {
                if (matcher.match(rows.names[row], rows.tels[row]) == WordMatch::LaterWord)
                    byWord.push_back(i);
                break;
            }
        }
    }
    const auto before = [&](qsizetype a, qsizetype b) { return rows.before(a, b); };
    std::sort(fromStart.begin(), fromStart.end(), before);
    std::sort(byWord.begin(), byWord.end(), before);
    std::vector<qsizetype> found = std::move(fromStart);
    found.insert(found.end(), byWord.begin(), byWord.end());
    QList<RowRef> lines;
    lines.reserve(qsizetype(found.size()));
    for (const qsizetype i : found)
        lines.append(rows.row(i));
    return {FoundNames(std::move(lines)), {}};
}

} // namespace velkor::directory
