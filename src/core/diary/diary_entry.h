#pragma once

#include <QString>

namespace velkor::diary {

// One row of history.mdb. Day, month and year are kept as stored: the editor writes two-digit day and
// month and the year as typed, and nothing ties the day to the month.
struct DiaryEntry {
    qint32 recordNo = -1; // -1: a new entry that has no row yet
    QString subject;
    QString content;
    QString day;
    QString month;
    QString year;

    friend bool operator==(const DiaryEntry&, const DiaryEntry&) = default;
};

// Day, month and year as stored, joined by slashes: 05/06/2003.
QString entryDateText(const DiaryEntry& entry);

} // namespace velkor::diary
