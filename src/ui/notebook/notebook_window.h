#pragma once

#include "core/base/io_result.h"
#include "core/base/unsaved_work.h"
#include "core/notebook/notes_file.h"
#include "ui/common/app_context.h"
#include "ui/common/fit_layout.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace velkor::notebook {

// Form12: the one free-text note. Unsaved changes are told by comparison with the text last read or
// saved; the undo button's enabled state shows them. A save never overwrites what another program wrote
// into the file meanwhile without asking.
class NotebookWindow final : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    explicit NotebookWindow(AppContext& context, QWidget* parent = nullptr);

    void retranslate();

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void lock();
    void onTextChanged();
    void onSaveClicked();
    void onUndoClicked();
    enum class Saved { Written, TakenFromFile, Cancelled, Failed };
    // Saves the editor's text; when the file was changed elsewhere, the user chooses which note stays. A
    // failure is told to the user and leaves the changes marked unsaved.
    Saved saveAsked();
    bool changedElsewhere() const;
    IoResult write();
    QString path() const;

    AppContext& m_ctx;
    QPlainTextEdit* m_noteBox;
    QPushButton* m_saveButton;
    QPushButton* m_undoButton;
    QString m_saved;
    NoteStamp m_stamp;
    bool m_locked = false;
};

} // namespace velkor::notebook
