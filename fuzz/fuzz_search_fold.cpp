// The search fold and both searches over any text, valid UTF-16 or not. The fold is Turkish capitals taken
// character by character (i and İ alike, ı and I alike) and folding again changes nothing; the directory's
// quick comparison agrees with folding the name from its start or from any later word, a name is found by
// any start of itself, and the names found from their start come first, then those found by a later word,
// each part in Turkish alphabetical order; the diary lists exactly the entries its filter passes, those
// found from the subject's start first, then by a later word, each part newest first.
//
// Input: one byte of choices (bit 0: texts as UTF-16 instead of UTF-8; bits 1-3: period; bits 4-7: month),
// then lines: the search text, the year box, and one record per line with tab-separated name (or subject),
// telephone, day, month and year.
#include "core/base/turkish_upper.h"
#include "core/diary/diary_listing.h"
#include "core/directory/directory_search.h"
#include "fuzz_check.h"

#include <QCollator>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace velkor;

namespace {

constexpr qsizetype MaxRecords = 64;
constexpr qsizetype MaxPrefixChecks = 24;

// The lengths at which a text can be cut without parting a surrogate pair, the whole length last.
QList<qsizetype> cuts(const QString& text) {
    QList<qsizetype> at;
    for (qsizetype i = 0; i < text.size();) {
        i += text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        at.append(i);
    }
    return at;
}

// A few cuts from the start and the whole text: checking every start would be quadratic.
QList<qsizetype> someCuts(const QString& text) {
    QList<qsizetype> at = cuts(text);
    if (at.size() > MaxPrefixChecks) {
        const qsizetype whole = at.last();
        at.resize(MaxPrefixChecks - 1);
        at.append(whole);
    }
    return at;
}

void checkFold(const QString& text) {
    const QString folded = turkishUpper(text);
    CHECK(turkishUpper(folded) == folded);
    // Qt keeps an unpaired surrogate or turns it into U+FFFD depending on the characters around it: no text
    // typed or stored has one, so the rest holds for valid texts only.
    if (!text.isValidUtf16())
        return;
    QString dotted = text;
    CHECK(turkishUpper(dotted.replace(u'i', u'\u0130')) == folded);
    QString dotless = text;
    CHECK(turkishUpper(dotless.replace(u'\u0131', u'I')) == folded);
    // Character by character, so the fold of a start of the text is the start of its fold.
    QString pieces;
    qsizetype from = 0;
    for (const qsizetype to : cuts(text)) {
        pieces += turkishUpper(text.mid(from, to - from));
        from = to;
    }
    CHECK(pieces == folded);
    for (const qsizetype to : someCuts(text))
        CHECK(startsWithFolded(text, turkishUpper(text.left(to))));
    CHECK(startsWithFolded(text, QString()));
}

void checkNumber(const QString& text) {
    const std::optional<double> value = diary::readNumber(text);
    static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    const QString bare = text.trimmed();
    CHECK(value.has_value() == number.match(bare).hasMatch());
    if (!value)
        return;
    const double exact = std::strtod(bare.toLatin1().constData(), nullptr);
    if (!bare.contains(u'.') && bare.size() <= 15)
        CHECK(*value == exact);
    else if (std::isfinite(exact))
        CHECK(std::abs(*value - exact) <= 1e-12 * std::max(1.0, std::abs(exact)));
}

const QCollator& turkishCollator() {
    static const QCollator collator(QLocale(QLocale::Turkish, QLocale::Turkey));
    return collator;
}

// Whether the fold of a text from the start of one of its words after the first begins with `folded`:
// words are parted by blanks and punctuation. Folds the whole rest, unlike the searches.
bool foundByLaterWord(const QString& text, const QString& folded) {
    const auto parts = [](QChar c) { return c.isSpace() || c.isPunct(); };
    for (qsizetype at = 1; at < text.size(); ++at) {
        if (parts(text.at(at - 1)) && !parts(text.at(at)) && turkishUpper(text.mid(at)).startsWith(folded))
            return true;
    }
    return false;
}

WordMatch expectedMatch(const QString& text, const QString& folded) {
    if (turkishUpper(text).startsWith(folded))
        return WordMatch::Start;
    return foundByLaterWord(text, folded) ? WordMatch::LaterWord : WordMatch::None;
}

void checkDirectory(const QList<directory::DirRecord>& records, const QString& search) {
    using namespace velkor::directory;
    const bool byNumber = searchesByNumber(search);
    CHECK(byNumber == (!search.isEmpty() && search.front() >= u'0' && search.front() <= u'9'));
    const QString folded = turkishUpper(search);
    const SearchMatcher matcher(search);
    QStringList expected;
    for (const DirRecord& r : records) {
        const WordMatch how = byNumber ? (r.tel.startsWith(folded) ? WordMatch::Start : WordMatch::None)
                                       : expectedMatch(r.name, folded);
        CHECK(matcher.match(r.name, r.tel) == how);
        if (how != WordMatch::None)
            expected.append(r.name);
        // Found by its own name and by every start of it; a name beginning with a digit searches numbers.
        if (!searchesByNumber(r.name) && r.name.isValidUtf16()) {
            for (const qsizetype to : someCuts(r.name))
                CHECK(SearchMatcher(r.name.left(to)).matches(r.name, r.tel));
        }
        if (searchesByNumber(r.tel) && turkishUpper(r.tel) == r.tel)
            CHECK(SearchMatcher(r.tel).matches(r.name, r.tel));
    }
    QStringList names = matchingNames(records, search);
    QStringList sortedNames = names;
    std::sort(sortedNames.begin(), sortedNames.end());
    std::sort(expected.begin(), expected.end());
    CHECK(sortedNames == expected);
    // Those found from their start, then those found by a later word (a name listed twice is found the same
    // way both times).
    QStringList parts[2];
    for (const QString& name : names)
        parts[byNumber || expectedMatch(name, folded) == WordMatch::Start ? 0 : 1].append(name);
    CHECK(parts[0] + parts[1] == names);
    for (const QStringList& part : parts) {
        // QCollator::compare puts an empty text first without asking ICU, which ranks a text of ignorable
        // characters (NUL, controls) equal to it: only pairs of non-empty names are compared.
        for (qsizetype i = 1; i < part.size(); ++i) {
            if (!part.at(i - 1).isEmpty() && !part.at(i).isEmpty())
                CHECK(turkishCollator().compare(part.at(i - 1), part.at(i)) <= 0);
        }
        QStringList again = part;
        sortNames(again);
        CHECK(again == part);
    }
}

using DateKey = std::array<double, 3>;

std::optional<DateKey> dateOf(const diary::DiaryEntry& e) {
    const auto day = diary::readNumber(e.day), month = diary::readNumber(e.month),
               year = diary::readNumber(e.year);
    if (!day || !month || !year)
        return std::nullopt;
    return DateKey{*year, *month, *day};
}

// The browser's filter table, one row per period; a year that is not a number lets the entry pass.
bool passes(const diary::DiaryEntry& e, const diary::ListingQuery& query) {
    if (expectedMatch(e.subject, turkishUpper(query.search)) == WordMatch::None)
        return false;
    const std::optional<double> month = diary::readNumber(e.month), year = diary::readNumber(e.year);
    std::optional<double> y = diary::readNumber(query.yearText);
    if (y)
        y = std::floor(*y);
    const bool comparable = year && y;
    switch (query.period) {
    case 1:
        return (!month || *month == query.month) && e.year == query.yearText;
    case 2:
        return !comparable || *year == *y;
    case 3:
        return !comparable || *year < *y + 1;
    case 4:
        return !comparable || *year > *y - 1;
    default:
        return true;
    }
}

void checkDiary(const QList<diary::DiaryEntry>& entries, const diary::ListingQuery& query) {
    using namespace velkor::diary;
    const Listing listing = buildListing(entries, query);
    CHECK(listing.lines.size() == listing.recordNumbers.size());
    QList<qint32> expected;
    for (const DiaryEntry& e : entries) {
        if (passes(e, query))
            expected.append(e.recordNo);
    }
    QList<qint32> listed = listing.recordNumbers;
    std::sort(listed.begin(), listed.end());
    CHECK(listed == expected); // entries are numbered 1, 2, ... in table order

    for (qsizetype i = 0; i < listing.lines.size(); ++i) {
        const DiaryEntry& e = entries.at(listing.recordNumbers.at(i) - 1);
        CHECK(listing.lines.at(i) == listLine(e));
        if (i == 0)
            continue;
        const DiaryEntry& before = entries.at(listing.recordNumbers.at(i - 1) - 1);
        // Subjects found from their start first; a later word's finds after them, in their own order.
        const QString search = turkishUpper(query.search);
        const bool startBefore = expectedMatch(before.subject, search) == WordMatch::Start;
        const bool start = expectedMatch(e.subject, search) == WordMatch::Start;
        CHECK(startBefore || !start);
        if (startBefore != start)
            continue;
        // Newest date first, then the later entry; entries without a numeric date last, later first.
        const std::optional<DateKey> a = dateOf(before), b = dateOf(e);
        if (a && b)
            CHECK(*a > *b || (*a == *b && before.recordNo > e.recordNo));
        else
            CHECK(a || (!b && before.recordNo > e.recordNo));
    }

    // Subjects folded once per read give the same list as folding at every filter.
    QList<ListingRow> rows = prepareListing(entries);
    foldSubjects(rows);
    const Listing folded = buildListing(rows, query);
    CHECK(folded.lines == listing.lines && folded.recordNumbers == listing.recordNumbers);
}

QString decode(const uint8_t* data, size_t size, bool utf16) {
    if (!utf16)
        return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QString text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const uint8_t choices = data[0];
    QStringList lines = decode(data + 1, size - 1, choices & 1).split(u'\n');
    diary::ListingQuery query;
    query.period = ((choices >> 1) & 7) % 5;
    query.month = (choices >> 4) % 12 + 1;
    query.search = lines.value(0);
    query.yearText = lines.value(1);

    QList<directory::DirRecord> people;
    QList<diary::DiaryEntry> entries;
    for (qsizetype i = 2; i < lines.size() && people.size() < MaxRecords; ++i) {
        const QStringList fields = lines.at(i).split(u'\t');
        people.append({fields.value(0), fields.value(1), QString()});
        entries.append({qint32(entries.size() + 1), fields.value(0), QString(), fields.value(2),
                        fields.value(3), fields.value(4)});
    }

    checkFold(query.search);
    checkNumber(query.search);
    checkNumber(query.yearText);
    for (const diary::DiaryEntry& e : entries) {
        checkFold(e.subject);
        checkNumber(e.day);
        checkNumber(e.month);
        checkNumber(e.year);
    }
    checkDirectory(people, query.search);
    checkDiary(entries, query);
    return 0;
}
