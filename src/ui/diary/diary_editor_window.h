#pragma once

#include "core/base/unsaved_work.h"
#include "core/diary/diary_store.h"
#include "core/diary/editor_mode.h"
#include "ui/common/app_context.h"
#include "ui/common/fit_layout.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace velkor::diary {

// The diary entry editor: one entry's date, subject and content, saved as a new row (add mode) or over
// the entry DiaryRecordNo (update mode), and the files linked to it. The save button is enabled exactly
// while there are changes not saved.
class DiaryEditorWindow final : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    DiaryEditorWindow(AppContext& context, EditorMode mode, QWidget* parent = nullptr);

    bool hasUnsavedChanges() const override;
    // Saves without any box; the subject gets its default name when empty.
    bool saveUnsavedChanges() override;

    EditorMode mode() const { return m_mode; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Announce { No, Yes };
    // Add: a new entry; BrowserUpdate: the browser's title for an entry it opened; Edit: an entry in hand.
    enum class Title { Add, BrowserUpdate, Edit };

    // Words only: the date, the typed text and the mode stay.
    void retranslate();

    void buildControls();
    void loadEntry();
    void display(const DiaryEntry& entry);
    DiaryEntry typedEntry() const;
    void markChanged();
    void setClean();
    void setMode(EditorMode mode);
    void yearScrolled(int value);
    bool save(Announce announce); // Kaydet
    void saveClicked();
    void undo();
    void startNew();
    void attach();
    void removeFile();
    void refillFiles();

    AppContext& m_ctx;
    SharedState& m_state;
    DiaryStore m_store;
    EditorMode m_mode;
    Title m_title = Title::Add;
    bool m_closed = false;

    QLabel* m_dateLabel = nullptr;
    QLabel* m_subjectLabel = nullptr;
    QLabel* m_contentLabel = nullptr;
    QLabel* m_filesLabel = nullptr;
    QComboBox* m_dayBox = nullptr;
    QComboBox* m_monthBox = nullptr;
    QLineEdit* m_yearBox = nullptr;
    QScrollBar* m_yearBar = nullptr;
    QLineEdit* m_subjectBox = nullptr;
    QPlainTextEdit* m_contentBox = nullptr;
    QListWidget* m_fileList = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_undoButton = nullptr;
    QPushButton* m_newButton = nullptr;
    QPushButton* m_attachButton = nullptr;
    QPushButton* m_removeButton = nullptr;
};

} // namespace velkor::diary
