#include "core/plans/plan_edits.h"

#include "core/base/record_file.h"
#include "core/plans/plan_store.h"

namespace velkor::plans {

namespace {

// A record is the five fields of the plan before, then the five of the plan after.
std::optional<QPair<PlanRecord, PlanRecord>> editOf(const RecordEntry& entry) {
    if (!entry.fields || entry.fields->size() != 10)
        return std::nullopt;
    const auto before = PlanStore::toPlan({{}, entry.fields->mid(0, 5)});
    const auto after = PlanStore::toPlan({{}, entry.fields->mid(5, 5)});
    if (!before || !after)
        return std::nullopt;
    return QPair{*before, *after};
}

} // namespace

PlanEdits::PlanEdits(const QDir& dataDir) : m_path(dataDir.filePath(QStringLiteral("edited.kyt"))) {}

IoResult PlanEdits::note(const PlanRecord& before, const PlanRecord& after) const {
    const auto records = readRecordFile(m_path);
    if (!records.ok())
        return IoResult::failure(records.error);
    const Fields fields = PlanStore::toFields(before) + PlanStore::toFields(after);
    if (records.value.size() < kept)
        return appendRecord(m_path, fields);
    QList<QByteArray> latest;
    for (qsizetype i = records.value.size() - kept + 1; i < records.value.size(); ++i)
        latest.append(entryBytes(records.value[i]));
    latest.append(encodeRecord(fields));
    return rewriteRecordFile(m_path, latest);
}

Loaded<QList<QPair<PlanRecord, PlanRecord>>> PlanEdits::read() const {
    const auto records = readRecordFile(m_path);
    if (!records.ok())
        return {{}, records.error};
    QList<QPair<PlanRecord, PlanRecord>> edits;
    for (const RecordEntry& entry : records.value) {
        if (const auto edit = editOf(entry))
            edits.append(*edit);
    }
    return {edits, {}};
}

IoResult PlanEdits::forget(qsizetype count) const {
    const auto records = readRecordFile(m_path);
    if (!records.ok())
        return IoResult::failure(records.error);
    QList<QByteArray> rest;
    qsizetype seen = 0;
    for (const RecordEntry& entry : records.value) {
        if (seen < count && editOf(entry)) {
            ++seen;
            continue;
        }
        rest.append(entryBytes(entry));
    }
    return seen ? rewriteRecordFile(m_path, rest) : IoResult::success();
}

} // namespace velkor::plans
