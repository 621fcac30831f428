#pragma once

#include "sync/local_side.h"

#include "core/plans/plan_record.h"

#include <QDateTime>
#include <QDir>
#include <QHash>

namespace velkor::sync {

// The plans of myfile.kyt. A plan is known by its content: the file keeps its layout and has no room for a
// UID, so a plan changed by a text editor is one plan gone and one new; one edited in Velkor's windows is
// followed through the edit. Identical plans are one item, as in the export.
class PlanSide final : public LocalSide {
public:
    PlanSide(const QDir& dataDir, QDateTime now) : m_dataDir(dataDir), m_now(std::move(now)) {}

    QString kind() const override { return QStringLiteral("plans"); }
    bool calendar() const override { return true; }
    QString load() override;
    const QList<LocalItem>& items() const override { return m_items; }
    QByteArray serialize(const QString& key, const QString& uid) const override;
    RemoteItem parse(const QByteArray& text) override;
    QString apply(const QStringList& removed, const QList<QPair<QString, QByteArray>>& replaced,
                  const QList<QByteArray>& added, QStringList* replacedKeys, QStringList* addedKeys) override;
    QList<QPair<QString, QString>> edits() const override { return m_edits; }
    void editsFollowed() override;

    static QString keyOf(const plans::PlanRecord& plan);
    static QByteArray hashOf(const QString& key);

private:
    QDir m_dataDir;
    QDateTime m_now;
    QList<LocalItem> m_items;
    QHash<QString, plans::PlanRecord> m_byKey;
    QHash<QByteArray, plans::PlanRecord> m_parsed;
    QList<QPair<QString, QString>> m_edits;
    qsizetype m_editsRead = 0;
};

} // namespace velkor::sync
