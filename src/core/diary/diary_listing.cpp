#include "core/diary/diary_listing.h"

#include "core/base/turkish_upper.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace velkor::diary {

namespace {

using DateKey = std::array<double, 3>; // year, month, day

// A comparison that cannot be made (one side is not a number) lets the entry through.
template <typename Compare>
bool yearTest(const std::optional<double>& year, const std::optional<double>& bound, Compare compare) {
    return !year || !bound || compare(*year, *bound);
}

bool passesPeriod(const ListingRow& row, const ListingQuery& query, const std::optional<double>& wholeYear) {
    switch (static_cast<Period>(query.period)) {
    case Period::All:
        return true;
    case Period::Date:
        return (!row.month || *row.month == query.month) && row.yearText == query.yearText;
    case Period::Year:
        return yearTest(row.year, wholeYear, [](double y, double b) { return y == b; });
    case Period::YearAndBefore:
        return yearTest(row.year, wholeYear, [](double y, double b) { return y < b + 1; });
    case Period::YearAndAfter:
        return yearTest(row.year, wholeYear, [](double y, double b) { return y > b - 1; });
    }
    return true;
}

struct Ranked {
    std::optional<DateKey> date;
    qint32 recordNo;
    qsizetype index;
};

// Newest first; entries without a numeric date after all others, the later-added first among them.
bool comesBefore(const Ranked& a, const Ranked& b) {
    if (a.date.has_value() != b.date.has_value())
        return a.date.has_value();
    if (a.date && *a.date != *b.date)
        return *a.date > *b.date;
    return a.recordNo > b.recordNo;
}

} // namespace

std::optional<double> readNumber(QStringView text) {
    text = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    double value = 0;
    bool fraction = false;
    double scale = 0.1; // weight of the next digit after the decimal point
    int digits = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.' && !fraction) {
            fraction = true;
        } else if (c >= u'0' && c <= u'9') {
            const int digit = c.unicode() - u'0';
            if (!fraction) {
                value = value * 10 + digit;
            } else {
                value += digit * scale;
                scale /= 10;
            }
            ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    return negative ? -value : value;
}

QString listLine(const DiaryEntry& entry) {
    // Built in place: this runs for every entry at every read of the table.
    QString line;
    line.reserve(entry.day.size() + entry.month.size() + entry.year.size() + 7 + entry.subject.size());
    line.append(entry.day).append(u'/').append(entry.month).append(u'/').append(entry.year);
    line.append(QLatin1String("     ")).append(entry.subject);
    return line;
}

QList<ListingRow> prepareListing(const QList<DiaryEntry>& entries) {
    std::vector<Ranked> ranked;
    ranked.reserve(static_cast<size_t>(entries.size()));
    QList<ListingRow> rows;
    rows.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const DiaryEntry& entry = entries.at(i);
        ListingRow row{entry.recordNo, readNumber(entry.month), readNumber(entry.year),
                       entry.year,     entry.subject,           QString(),
                       listLine(entry)};
        const std::optional<double> day = readNumber(entry.day);
        std::optional<DateKey> date;
        if (row.year && row.month && day)
            date = DateKey{*row.year, *row.month, *day};
        ranked.push_back({date, entry.recordNo, i});
        rows.append(std::move(row));
    }
    std::sort(ranked.begin(), ranked.end(), comesBefore);

    QList<ListingRow> ordered;
    ordered.reserve(rows.size());
    for (const Ranked& r : ranked)
        ordered.append(std::move(rows[r.index]));
    return ordered;
}

void foldSubjects(QList<ListingRow>& rows) {
    for (ListingRow& row : rows) {
        if (row.foldedSubject.isNull())
            row.foldedSubject = turkishUpper(row.subject);
    }
}

Listing buildListing(const QList<ListingRow>& rows, const ListingQuery& query) {
    const QString search = turkishUpper(query.search);
    std::optional<double> wholeYear = readNumber(query.yearText);
    if (wholeYear)
        wholeYear = std::floor(*wholeYear);

    Listing listing, byWord;
    for (const ListingRow& row : rows) {
        if (!passesPeriod(row, query, wholeYear))
            continue;
        Listing* into = &listing;
        if (!search.isEmpty()) {
            const bool fromStart = row.foldedSubject.isNull() ? foldStartsWithAt(row.subject, 0, search)
                                                              : row.foldedSubject.startsWith(search);
            if (!fromStart) {
                if (!laterWordStartsWith(row.subject, search))
                    continue;
                into = &byWord;
            }
        }
        into->lines.append(row.line);
        into->recordNumbers.append(row.recordNo);
    }
    listing.lines.append(byWord.lines);
    listing.recordNumbers.append(byWord.recordNumbers);
    return listing;
}

Listing buildListing(const QList<DiaryEntry>& entries, const ListingQuery& query) {
    return buildListing(prepareListing(entries), query);
}

} // namespace velkor::diary
