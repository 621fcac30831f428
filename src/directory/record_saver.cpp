#include "directory/record_saver.h"

#include "directory/directory_texts.h"

namespace velkor::directory {

EditorMode editorModeFromCaption(const QString& caption) {
    return caption == QString::fromUtf8("Güncelle") || caption == QStringLiteral("Update")
               ? EditorMode::Change
               : EditorMode::NewEntry;
}

RecordSaver::RecordSaver(AppContext& context) : m_ctx(context), m_store(context.dataDir) {}

bool RecordSaver::save(EditorMode mode, const DirRecord& boxes, QString& oldName) {
    const Loaded<QList<DirRecord>> sameName = m_store.entriesNamed(boxes.name);
    if (!sameName.ok()) {
        // Without knowing whether the name is taken, a write could leave two entries of one name.
        m_ctx.prompter->fail(QString(), texts::saveFailed(language(), sameName.error));
        return false;
    }
    SaveWrite write = SaveWrite::Insert;
    if (!sameName.value.isEmpty()) {
        // Keeping its own name is no clash; taking another entry's name needs the user's word.
        if (boxes.name != oldName &&
            !m_ctx.prompter->ask(texts::duplicateTitle(), texts::duplicateQuestion(language())))
            return false;
        write = SaveWrite::Overwrite;
    }
    return kaydet(mode, boxes, write, oldName);
}

bool RecordSaver::kaydet(EditorMode mode, const DirRecord& boxes, SaveWrite write, QString& oldName) {
    if (boxes.name.isEmpty()) {
        m_ctx.prompter->warn(QString(), texts::blankName(language()));
        return false;
    }
    // A changed name also deletes the old name's rows (DeleteOld), in the same transaction.
    const bool renamed = mode == EditorMode::Change && boxes.name != oldName;
    const IoResult written = renamed ? m_store.rename(boxes, write, oldName) : m_store.save(boxes, write);
    if (!written) {
        m_ctx.prompter->fail(QString(), texts::saveFailed(language(), written.error));
        return false;
    }
    if (renamed)
        oldName = boxes.name;
    m_ctx.prompter->inform(QString(), mode == EditorMode::NewEntry ? texts::recordSaved(language())
                                                                   : texts::recordUpdated(language()));
    return true;
}

} // namespace velkor::directory
