#pragma once

#include "core/base/io_result.h"
#include "core/directory/dir_record.h"
#include "core/directory/directory_store.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

namespace velkor::directory {

struct DirectorySnapshot;
class WholeOrder;

// The lines of one search, in list order. The whole directory (the empty text) is put in order only as far
// as its lines are asked for: a window shows a screenful, not a million names.
class FoundNames {
public:
    FoundNames() = default;
    explicit FoundNames(QList<RowRef> rows) : m_rows(std::move(rows)) {}
    explicit FoundNames(std::shared_ptr<WholeOrder> whole) : m_whole(std::move(whole)) {}

    qsizetype size() const;
    // The row behind a line; no row for a line that is not there.
    RowRef at(qsizetype line) const;
    QList<RowRef> toList() const;

private:
    QList<RowRef> m_rows;
    std::shared_ptr<WholeOrder> m_whole;
};

// The directory as one window searches it: every row's name and number held in memory with what the search
// and the list order need, so that a keystroke reads no file. The store is read again whenever its
// fingerprint changes, whoever changed it; the lines found are those findNames() gives, in the same order.
class DirectoryIndex {
public:
    explicit DirectoryIndex(const DirectoryStore& store) : m_store(store) {}

    Loaded<FoundNames> find(const QString& text);

private:
    IoResult refresh();

    const DirectoryStore& m_store;
    std::shared_ptr<const DirectorySnapshot> m_snapshot;
    std::shared_ptr<WholeOrder> m_whole; // the empty text's lines, kept as far as they are in order
    QByteArray m_fingerprint;            // of the file m_snapshot was read from
};

} // namespace velkor::directory
