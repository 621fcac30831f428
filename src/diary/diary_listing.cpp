#include "diary/diary_listing.h"

#include "support/turkish_upper.h"

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

bool passesPeriod(const DiaryEntry& entry, const ListingQuery& query,
                  const std::optional<double>& wholeYear) {
    switch (static_cast<Period>(query.period)) {
    case Period::All:
        return true;
    case Period::Date: {
        const std::optional<double> month = readNumber(entry.month);
        return (!month || *month == query.month) && entry.year == query.yearText;
    }
    case Period::Year:
        return yearTest(readNumber(entry.year), wholeYear, [](double y, double b) { return y == b; });
    case Period::YearAndBefore:
        return yearTest(readNumber(entry.year), wholeYear, [](double y, double b) { return y < b + 1; });
    case Period::YearAndAfter:
        return yearTest(readNumber(entry.year), wholeYear, [](double y, double b) { return y > b - 1; });
    }
    return true;
}

std::optional<DateKey> dateKey(const DiaryEntry& entry) {
    const std::optional<double> year = readNumber(entry.year);
    const std::optional<double> month = readNumber(entry.month);
    const std::optional<double> day = readNumber(entry.day);
    if (!year || !month || !day)
        return std::nullopt;
    return DateKey{*year, *month, *day};
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
    return entryDateText(entry) + QStringLiteral("     ") + entry.subject;
}

Listing buildListing(const QList<DiaryEntry>& entries, const ListingQuery& query) {
    const QString search = turkishUpper(query.search);
    std::optional<double> wholeYear = readNumber(query.yearText);
    if (wholeYear)
        wholeYear = std::floor(*wholeYear);

    std::vector<Ranked> ranked;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const DiaryEntry& entry = entries.at(i);
        if (startsWithFolded(entry.subject, search) && passesPeriod(entry, query, wholeYear))
            ranked.push_back({dateKey(entry), entry.recordNo, i});
    }
    std::sort(ranked.begin(), ranked.end(), comesBefore);

    Listing listing;
    listing.lines.reserve(static_cast<qsizetype>(ranked.size()));
    listing.recordNumbers.reserve(static_cast<qsizetype>(ranked.size()));
    for (const Ranked& r : ranked) {
        listing.lines.append(listLine(entries.at(r.index)));
        listing.recordNumbers.append(r.recordNo);
    }
    return listing;
}

} // namespace velkor::diary
