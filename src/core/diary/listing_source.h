#pragma once

#include "core/diary/diary_listing.h"
#include "core/diary/diary_store.h"

#include <QByteArray>
#include <QList>

namespace velkor::diary {

// The browser's rows of history.mdb. Each refresh asks it for the rows; it reads the database again only
// when the file has changed since its last read, so a key typed into the search box costs a filter, not a
// walk of the whole table.
class ListingSource {
public:
    explicit ListingSource(const DiaryStore& store) : m_store(store) {}

    // Brings the rows up to date, their subjects folded when a search needs them; on failure there are none.
    IoResult update(bool searching);
    const QList<ListingRow>& rows() const { return m_rows; }

private:
    const DiaryStore& m_store;
    QByteArray m_fingerprint;
    QList<ListingRow> m_rows;
};

} // namespace velkor::diary
