#include "core/diary/listing_source.h"

namespace velkor::diary {

IoResult ListingSource::update(bool searching) {
    // Taken before the read: a change made meanwhile shows as a new print next time.
    const QByteArray print = m_store.history().fingerprint();
    if (!m_fingerprint.isEmpty() && print == m_fingerprint) {
        if (searching)
            foldSubjects(m_rows);
        return IoResult::success();
    }
    m_fingerprint.clear();
    m_rows.clear();
    const Loaded<QList<DiaryEntry>> entries = m_store.readEntries(EntryFields::WithoutContent);
    if (!entries.ok())
        return IoResult::failure(entries.error);
    m_rows = prepareListing(entries.value);
    if (searching)
        foldSubjects(m_rows);
    m_fingerprint = print;
    return IoResult::success();
}

} // namespace velkor::diary
