#pragma once

#include "core/base/io_result.h"
#include "core/base/turkish_upper.h"
#include "core/directory/dir_record.h"
#include "core/directory/directory_store.h"

#include <QCollator>
#include <QList>
#include <QString>
#include <QStringList>

namespace velkor::directory {

// A search text that starts with a digit 0-9 looks at the numbers; any other looks at the names.
bool searchesByNumber(const QString& text);

// Whether an entry is found by a search text: by name, the Turkish fold of the name, or of one of its later
// words, begins with the fold of the text; by number, the number begins with it. An empty text finds
// everyone.
class SearchMatcher {
public:
    explicit SearchMatcher(const QString& text);
    // How the entry is found; by number, always from the start.
    WordMatch match(const QString& name, const QString& tel) const;
    bool matches(const QString& name, const QString& tel) const {
        return match(name, tel) != WordMatch::None;
    }

private:
    QString m_folded;
    bool m_byNumber;
};

// The names the search text finds, in list order: those found from their start, then those found by a later
// word.
QStringList matchingNames(const QList<DirRecord>& records, const QString& text);
// The same, read from the store as it goes, each with the row it was read from.
Loaded<QList<RowRef>> findNames(const DirectoryStore& store, const QString& text);

// Alphabetical by Turkish rules (ç after c, ı before i, ...), whatever the system's locale, so the order
// agrees with the search fold.
void sortNames(QStringList& names);
// The collator of that order.
QCollator listCollator();

} // namespace velkor::directory
