#include "core/plans/plan_line_model.h"

namespace velkor::plans {

int PlanLineModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_plans.size());
}

QVariant PlanLineModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_plans.size())
        return {};
    const QString& line = m_plans.at(index.row()).line;
    switch (role) {
    case Qt::DisplayRole: {
        // A plan of several lines stays on one row of the list.
        QString shown = line;
        shown.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        return shown;
    }
    case Qt::CheckStateRole:
        return m_ticks[size_t(index.row())] ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool PlanLineModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid() || index.row() >= m_plans.size())
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
    return row >= 0 && row < m_plans.size() && m_ticks[size_t(row)];
}

QList<PlanRecord> PlanLineModel::tickedPlans() const {
    QList<PlanRecord> plans;
    for (qsizetype row = 0; row < m_plans.size(); ++row) {
        if (m_ticks[size_t(row)])
            plans.append(m_plans.at(row).plan);
    }
    return plans;
}

void PlanLineModel::setPlans(PlanList plans) {
    beginResetModel();
    m_plans = std::move(plans);
    m_ticks.assign(size_t(m_plans.size()), false);
    m_tickCount = 0;
    endResetModel();
}

void PlanLineModel::removeTicked() {
    // From the end, so the rows still to visit keep their numbers; runs of rows go in one step.
    for (qsizetype row = m_plans.size() - 1; row >= 0;) {
        if (!m_ticks[size_t(row)]) {
            --row;
            continue;
        }
        qsizetype first = row;
        while (first > 0 && m_ticks[size_t(first - 1)])
            --first;
        beginRemoveRows({}, int(first), int(row));
        m_plans.remove(first, row - first + 1);
        m_ticks.erase(m_ticks.begin() + first, m_ticks.begin() + row + 1);
        m_tickCount -= row - first + 1;
        endRemoveRows();
        row = first - 1;
    }
}

} // namespace velkor::plans
