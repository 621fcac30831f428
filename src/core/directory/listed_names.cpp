#include "core/directory/listed_names.h"

namespace velkor::directory {

void ListedNames::setRows(FoundNames rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

RowRef ListedNames::rowAt(int line) const {
    return m_rows.at(line);
}

int ListedNames::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ListedNames::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size() || role != Qt::DisplayRole)
        return {};
    return m_rows.at(index.row()).name;
}

} // namespace velkor::directory
