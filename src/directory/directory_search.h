#pragma once

#include "directory/dir_record.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace velkor::directory {

// A search text that starts with a digit 0-9 looks at the numbers; any other looks at the names.
bool searchesByNumber(const QString& text);

// The names of the entries the search text finds, in list order: by name, the Turkish fold of the name
// begins with the fold of the text; by number, the number begins with it. An empty text finds everyone.
QStringList matchingNames(const QList<DirRecord>& records, const QString& text);

// Alphabetical by Turkish rules (ç after c, ı before i, ...), whatever the system's locale, so the order
// agrees with the search fold.
void sortNames(QStringList& names);

} // namespace velkor::directory
