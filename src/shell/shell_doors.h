#pragma once

#include "ui/common/app_context.h"

namespace velkor::shell {

class MainForm;

// The shell's side of the windows' doors: each call reaches the window or the part of the shell that owns
// the work.
class ShellDoors final : public WindowDoors {
public:
    ShellDoors(AppContext& context, MainForm& form) : m_ctx(context), m_form(form) {}

    void openPlanEntry(QWidget* parent) override;
    void pauseReminders(bool paused) override;
    void exchange(QWidget* parent, Exchange what) override;

    QWidget* loadedMonthBrowser() override;
    QWidget* showMonthBrowser() override;

    void showDiaryBrowser() override;
    void unloadDiaryBrowser() override;
    void showDiaryEditor(diary::EditorMode mode) override;
    void unloadDiaryEditor() override;
    void diaryOpenChanged() override;
    // The mode the next diary editor opens in; the registry's factories take no arguments.
    diary::EditorMode diaryEditorMode() const { return m_diaryEditorMode; }

    interop::TransferResult importContacts(const QString& file) override;
    interop::TransferResult exportContacts(const QString& file) override;

private:
    AppContext& m_ctx;
    MainForm& m_form;
    diary::EditorMode m_diaryEditorMode = diary::EditorMode::Add;
};

} // namespace velkor::shell
