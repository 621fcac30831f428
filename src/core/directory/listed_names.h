#pragma once

#include "core/directory/dir_record.h"
#include "core/directory/directory_index.h"

#include <QAbstractListModel>
#include <QList>

namespace velkor::directory {

// The names a search found, in list order, each line standing for the one row it was read from.
class ListedNames final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setRows(FoundNames rows);
    // The row behind a line; no row for a line that is not there.
    RowRef rowAt(int line) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    FoundNames m_rows;
};

} // namespace velkor::directory
