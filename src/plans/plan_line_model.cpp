#include "plans/plan_line_model.h"

#include <QSet>

namespace velkor::plans {

int PlanLineModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant PlanLineModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    const QString& line = m_lines.at(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        // A plan of several lines stays on one row of the list.
        QString shown = line;
        shown.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        return shown;
    }
    case LineRole:
        return line;
    case Qt::CheckStateRole:
        return m_ticks[size_t(index.row())] ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool PlanLineModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid() || index.row() >= m_lines.size())
        return false;
    const bool tick = value.value<Qt::CheckState>() == Qt::Checked;
    const size_t row = size_t(index.row());
    if (m_ticks[row] == tick)
        return true;
    m_ticks[row] = tick;
    m_tickCount += tick ? 1 : -1;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit ticksChanged();
    return true;
}

Qt::ItemFlags PlanLineModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

bool PlanLineModel::ticked(int row) const {
    return row >= 0 && row < m_lines.size() && m_ticks[size_t(row)];
}

QStringList PlanLineModel::tickedLines() const {
    QStringList lines;
    for (qsizetype row = 0; row < m_lines.size(); ++row) {
        if (m_ticks[size_t(row)])
            lines.append(m_lines.at(row));
    }
    return lines;
}

void PlanLineModel::setLines(QStringList lines) {
    beginResetModel();
    m_lines = std::move(lines);
    m_ticks.assign(size_t(m_lines.size()), false);
    m_tickCount = 0;
    endResetModel();
}

int PlanLineModel::removeLines(const QStringList& lines) {
    const QSet<QString> gone(lines.begin(), lines.end());
    int removed = 0;
    // From the end, so the rows still to visit keep their numbers; runs of rows go in one step.
    for (qsizetype row = m_lines.size() - 1; row >= 0;) {
        if (!gone.contains(m_lines.at(row))) {
            --row;
            continue;
        }
        qsizetype first = row;
        while (first > 0 && gone.contains(m_lines.at(first - 1)))
            --first;
        beginRemoveRows({}, int(first), int(row));
        for (qsizetype r = first; r <= row; ++r)
            m_tickCount -= m_ticks[size_t(r)] ? 1 : 0;
        m_lines.remove(first, row - first + 1);
        m_ticks.erase(m_ticks.begin() + first, m_ticks.begin() + row + 1);
        endRemoveRows();
        removed += int(row - first + 1);
        row = first - 1;
    }
    return removed;
}

} // namespace velkor::plans
