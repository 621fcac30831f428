#pragma once

#include "core/plans/plan_listing.h"

#include <QAbstractListModel>

#include <vector>

namespace velkor::plans {

// The listed plans, each shown as its line with a tick box. A rebuild clears every tick.
class PlanLineModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const PlanList& plans() const { return m_plans; }
    bool ticked(int row) const;
    bool anyTicked() const { return m_tickCount > 0; }
    // The plans of the ticked entries in list order.
    QList<PlanRecord> tickedPlans() const;

    void setPlans(PlanList plans);
    void clear() { setPlans({}); }
    // Drops the ticked entries.
    void removeTicked();

signals:
    // A tick box was ticked or cleared.
    void ticksChanged();

private:
    PlanList m_plans;
    std::vector<bool> m_ticks;
    qsizetype m_tickCount = 0;
};

} // namespace velkor::plans
