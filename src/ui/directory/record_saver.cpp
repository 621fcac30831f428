#include "ui/directory/record_saver.h"

#include "core/lang/messages.h"

namespace velkor::directory {

RecordSaver::RecordSaver(AppContext& context) : m_ctx(context), m_store(context.dataDir) {}

bool RecordSaver::save(EditorMode mode, const DirRecord& boxes, RowRef& inHand) {
    const Loaded<QList<RowRef>> sameName = m_store.rowsNamed(boxes.name);
    if (!sameName.ok()) {
        // Without knowing whether the name is taken, a write could leave two entries of one name.
        m_ctx.prompter->fail(QString(), lang::directory::saveFailed(sameName.error));
        return false;
    }
    SaveWrite write = SaveWrite::Insert;
    if (!sameName.value.isEmpty()) {
        // Keeping its own name is no clash; taking another entry's name needs the user's word.
        if (boxes.name != inHand.name && !m_ctx.prompter->askBeforeLoss(lang::directory::duplicateTitle(),
                                                                        lang::directory::duplicateQuestion()))
            return false;
        write = SaveWrite::Overwrite;
    }
    return kaydet(mode, boxes, write, sameName.value, inHand);
}

bool RecordSaver::kaydet(EditorMode mode, const DirRecord& boxes, SaveWrite write,
                         const QList<RowRef>& sameName, RowRef& inHand) {
    if (boxes.name.isEmpty()) {
        m_ctx.prompter->warn(QString(), lang::directory::blankName());
        return false;
    }
    // A new entry overwrites every row of a taken name: the question was about the name, and none of those
    // rows is the user's choice. A change writes to the entry's own row only, or, onto another entry's
    // name, to that name's rows while its own row goes (DeleteOld), in one transaction.
    Loaded<RowChange> written{RowChange::Done, {}};
    if (mode == EditorMode::NewEntry) {
        const IoResult saved = m_store.save(boxes, write);
        written.error = saved.error;
    } else {
        written = m_store.change(inHand, boxes, write);
    }
    if (!written.ok()) {
        m_ctx.prompter->fail(QString(), lang::directory::saveFailed(written.error));
        return false;
    }
    if (written.value == RowChange::Gone) {
        m_ctx.prompter->warn(QString(), lang::directory::rowGone());
        return false;
    }
    if (mode == EditorMode::Change && boxes.name != inHand.name)
        inHand = write == SaveWrite::Overwrite ? sameName.first() : RowRef{inHand.rowId, boxes.name};
    m_ctx.prompter->inform(QString(), mode == EditorMode::NewEntry ? lang::directory::recordSaved()
                                                                   : lang::directory::recordUpdated());
    return true;
}

} // namespace velkor::directory
