#include "sync/plan_side.h"

#include "sync/sync_texts.h"

#include "core/interop/calendar_objects.h"
#include "core/plans/plan_edits.h"
#include "core/plans/plan_store.h"

#include <QCryptographicHash>
#include <QSet>

namespace velkor::sync {

using plans::PlanRecord;

QString PlanSide::keyOf(const PlanRecord& plan) {
    return QStringLiteral("%1,%2,%3,%4,").arg(plan.month).arg(plan.day).arg(plan.hour).arg(plan.minute) +
           plan.text;
}

QByteArray PlanSide::hashOf(const QString& key) {
    return QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex();
}

QString PlanSide::load() {
    const auto plans = plans::PlanStore(plans::planFileIn(m_dataDir)).readPlans();
    if (!plans.ok())
        return plans.error;
    m_items.clear();
    m_byKey.clear();
    for (const PlanRecord& plan : plans.value) {
        const QString key = keyOf(plan);
        if (m_byKey.contains(key))
            continue;
        m_byKey.insert(key, plan);
        m_items.append({key, hashOf(key)});
    }
    // Unreadable edits only cost the plans their identity: they go as gone and new.
    const auto edits = plans::PlanEdits(m_dataDir).read();
    m_edits.clear();
    for (const auto& [before, after] : edits.value)
        m_edits.append({keyOf(before), keyOf(after)});
    m_editsRead = m_edits.size();
    return {};
}

void PlanSide::editsFollowed() {
    plans::PlanEdits(m_dataDir).forget(m_editsRead);
}

QByteArray PlanSide::serialize(const QString& key, const QString& uid) const {
    return interop::planObject(m_byKey.value(key), uid.toUtf8(), m_now);
}

RemoteItem PlanSide::parse(const QByteArray& text) {
    const interop::CalendarObject object = interop::readCalendarObject(text);
    RemoteItem item;
    item.uid = QString::fromUtf8(object.uid);
    if (object.plan) {
        const QString key = keyOf(*object.plan);
        item.hash = hashOf(key);
        m_parsed.insert(item.hash, *object.plan);
    } else if (object.leftOut) {
        item.leftOut = texts::leftOnServer(object.leftOut->start, object.leftOut->summary,
                                           lang::transfer::leftOutReason(object.leftOut->why));
    } else {
        item.leftOut = texts::notUnderstood(item.uid);
    }
    return item;
}

QString PlanSide::apply(const QStringList& removedKeys, const QList<QPair<QString, QByteArray>>& replaced,
                        const QList<QByteArray>& addedHashes, QStringList* replacedKeys,
                        QStringList* addedKeys) {
    // A plan has no identity beside its content: a changed one is the old one gone and the new one added.
    QStringList removed = removedKeys;
    QList<QByteArray> added;
    for (const auto& [key, hash] : replaced) {
        removed.append(key);
        added.append(hash);
        replacedKeys->append(keyOf(m_parsed.value(hash)));
    }
    added += addedHashes;
    const plans::PlanStore store(plans::planFileIn(m_dataDir));
    const auto current = store.readPlans();
    if (!current.ok())
        return current.error;
    // Every copy of a removed plan goes; an added plan the file holds already is not written twice.
    const QSet<QString> gone(removed.cbegin(), removed.cend());
    QList<PlanRecord> removing, adding;
    QSet<QString> present;
    for (const PlanRecord& plan : current.value) {
        const QString key = keyOf(plan);
        if (gone.contains(key))
            removing.append(plan);
        else
            present.insert(key);
    }
    for (qsizetype i = 0; i < added.size(); ++i) {
        const PlanRecord plan = m_parsed.value(added[i]);
        const QString key = keyOf(plan);
        if (i >= replaced.size())
            addedKeys->append(key);
        if (!present.contains(key)) {
            present.insert(key);
            adding.append(plan);
        }
    }
    if (removing.isEmpty() && adding.isEmpty())
        return {};
    const auto written = store.exchangePlans(removing, adding);
    return written.ok() ? QString() : written.error;
}

} // namespace velkor::sync
