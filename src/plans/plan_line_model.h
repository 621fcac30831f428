#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

namespace velkor::plans {

// The plan lines a list shows, each with a tick box. A rebuild clears every tick.
class PlanLineModel final : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { LineRole = Qt::UserRole + 1 };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const QStringList& lines() const { return m_lines; }
    bool ticked(int row) const;
    bool anyTicked() const { return m_tickCount > 0; }
    // The ticked lines in list order.
    QStringList tickedLines() const;

    void setLines(QStringList lines);
    void clear() { setLines({}); }
    // Drops every entry showing one of `lines`; the others keep their ticks. Returns how many went.
    int removeLines(const QStringList& lines);

signals:
    // A tick box was ticked or cleared.
    void ticksChanged();

private:
    QStringList m_lines;
    std::vector<bool> m_ticks;
    qsizetype m_tickCount = 0;
};

} // namespace velkor::plans
