#pragma once

#include "core/directory/editor_request.h"
#include "ui/common/app_context.h"
#include "ui/common/fit_layout.h"
#include "ui/directory/record_saver.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velkor::directory {

// Form11, the record editor: adds an entry or changes the one in hand. It takes the directory window's
// place while open; the tray ignores clicks meanwhile.
class DirectoryEditorWindow final : public QWidget {
    Q_OBJECT
public:
    void retranslate();
    static constexpr int NameLimit = 50;
    static constexpr int TelLimit = 20;

    DirectoryEditorWindow(AppContext& context, const EditorRequest& request, QWidget* parent = nullptr);
    ~DirectoryEditorWindow() override;

signals:
    // Closed by the user: the directory window is to show again.
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onSaveClicked();

    AppContext& m_ctx;
    SharedState& m_state;
    RecordSaver m_saver;
    QLabel* m_nameLabel;
    QLabel* m_telLabel;
    QLabel* m_addressLabel;
    QLineEdit* m_nameBox;
    QLineEdit* m_telBox;
    QPlainTextEdit* m_addressBox;
    QPushButton* m_saveButton;
    RowRef m_inHand; // the entry's row; its name is OldName
    EditorMode m_mode;
};

} // namespace velkor::directory
