#include "shell/shell_doors.h"

#include "core/interop/contacts_transfer.h"
#include "core/interop/exchange.h"
#include "shell/main_form.h"
#include "shell/window_code.h"
#include "ui/plans/plan_entry_window.h"
#include "ui/plans/plan_query_window.h"

#include <QAction>

namespace velkor::shell {

void ShellDoors::openPlanEntry(QWidget* parent) {
    plans::PlanEntryWindow* entry = plans::openPlanEntry(m_ctx, parent);
    // A plan stored there shows in the loaded plan list.
    QObject::connect(entry, &plans::PlanEntryWindow::reListWanted, &m_form, [this] {
        if (auto* query = qobject_cast<plans::PlanQueryWindow*>(m_form.windows().loaded(PlanQuery)))
            query->reList();
    });
}

void ShellDoors::pauseReminders(bool paused) {
    m_form.reminders().setPaused(paused);
}

void ShellDoors::exchange(QWidget* parent, Exchange what) {
    if (interop::runExchange(parent, what, m_ctx))
        m_form.showImportedData();
}

QWidget* ShellDoors::loadedMonthBrowser() {
    return m_form.windows().loaded(MonthBrowser);
}

QWidget* ShellDoors::showMonthBrowser() {
    return m_form.windows().show(MonthBrowser);
}

void ShellDoors::showDiaryBrowser() {
    m_form.windows().show(DiaryBrowser);
}

void ShellDoors::unloadDiaryBrowser() {
    m_form.windows().unload(DiaryBrowser);
}

void ShellDoors::showDiaryEditor(diary::EditorMode mode) {
    m_diaryEditorMode = mode;
    m_form.windows().show(DiaryEditor);
}

void ShellDoors::unloadDiaryEditor() {
    m_form.windows().unload(DiaryEditor);
}

void ShellDoors::diaryOpenChanged() {
    // The diary's mark stands for both its windows.
    if (QAction* mark = m_form.menu()->findChild<QAction*>(QStringLiteral("gnlk")))
        mark->setChecked(m_ctx.state->diaryBrowserOpen || m_ctx.state->diaryEditorOpen);
}

interop::TransferResult ShellDoors::importContacts(const QString& file) {
    return interop::importContacts(file, m_ctx);
}

interop::TransferResult ShellDoors::exportContacts(const QString& file) {
    return interop::exportContacts(file, m_ctx);
}

} // namespace velkor::shell
