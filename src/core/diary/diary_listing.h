#pragma once

#include "core/diary/diary_entry.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace velkor::diary {

// The period filters, by their position in the browser's filter list.
enum class Period { All = 0, Date = 1, Year = 2, YearAndBefore = 3, YearAndAfter = 4 };

// What the browser's boxes ask for.
struct ListingQuery {
    int period = 0;   // position in the filter list
    int month = 1;    // 1..12
    QString yearText; // the year box as typed
    QString search;   // start of a word of the subject, as typed
};

struct Listing {
    QStringList lines;
    QList<qint32> recordNumbers; // line i stands for the entry recordNumbers[i]
};

// An entry as the list needs it: read once from history.mdb, then filtered at every key.
struct ListingRow {
    qint32 recordNo = -1;
    std::optional<double> month;
    std::optional<double> year;
    QString yearText;
    QString subject;
    QString foldedSubject; // null until foldSubjects: only a search needs it
    QString line;
};

// The entries as list rows, newest first: by date, then by record number, as numbers; entries whose date
// is not a number come last. The order does not depend on the filter, so it is made once per read.
QList<ListingRow> prepareListing(const QList<DiaryEntry>& entries);

// Folds the subjects for searching, once per read.
void foldSubjects(QList<ListingRow>& rows);

// The prepared rows that pass the filter and whose subject, or one of its later words, begins with the search
// text (Turkish fold): those found from the subject's start first, then those found by a later word, each in
// their order.
Listing buildListing(const QList<ListingRow>& rows, const ListingQuery& query);
Listing buildListing(const QList<DiaryEntry>& entries, const ListingQuery& query);

// The list line of an entry: its date, five blanks, its subject.
QString listLine(const DiaryEntry& entry);

// A stored or typed text read as a number: digits with an optional sign and decimal point, blanks around
// allowed. nullopt when it is something else; a test that needs the number then lets the entry pass.
std::optional<double> readNumber(QStringView text);

} // namespace velkor::diary
