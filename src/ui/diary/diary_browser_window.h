#pragma once

#include "core/diary/diary_listing.h"
#include "core/diary/diary_store.h"
#include "core/diary/editor_mode.h"
#include "core/diary/listing_source.h"
#include "ui/common/app_context.h"
#include "ui/common/fit_layout.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QStringListModel;
class QTimer;

namespace velkor::diary {

// The diary browser (Günlük): the entries of a chosen period whose subject begins with the search text,
// newest first; one entry with its files in a panel over the list; the way into the entry editor.
class DiaryBrowserWindow final : public QWidget {
    Q_OBJECT
public:
    DiaryBrowserWindow(AppContext& context, QWidget* parent = nullptr);

    // Rebuilds the list from history.mdb; what the refresh timer runs.
    void refresh();
    const QList<qint32>& lineNumbers() const { return m_lineNumbers; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Words only: the chosen filter, month, year, search text and the list stay as they are.
    void retranslate();
    void buildControls();
    void alignColumns();
    void scheduleRefresh();
    void periodChosen();
    void yearScrolled(int value);
    void lineChosen(const QModelIndex& index);
    void showEntryPanel();
    void closeEntryPanel();
    void openChosenFile();
    void addNew();
    void editChosen();
    void exchange(Exchange what);
    ListingQuery query() const;
    void report(const QString& error);

    AppContext& m_ctx;
    SharedState& m_state;
    DiaryStore m_store;
    ListingSource m_source{m_store};
    QList<qint32> m_lineNumbers;
    QString m_lastError; // shown once, not at every key

    QLabel* m_periodLabel = nullptr;
    QLabel* m_subjectsLabel = nullptr;
    QLabel* m_dateHeadLabel = nullptr;
    QLabel* m_subjectHeadLabel = nullptr;
    QFrame* m_columnRule = nullptr;
    QLabel* m_hintLabel = nullptr;
    QLabel* m_filesLabel = nullptr;
    QComboBox* m_periodBox = nullptr;
    QComboBox* m_monthBox = nullptr;
    QLineEdit* m_yearBox = nullptr;
    QScrollBar* m_yearBar = nullptr;
    QLineEdit* m_searchBox = nullptr;
    QListView* m_entryList = nullptr;
    QStringListModel* m_lines = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_editButton = nullptr;
    QTimer* m_refreshTimer = nullptr;
    QGroupBox* m_entryPanel = nullptr;
    QPlainTextEdit* m_contentBox = nullptr;
    QListWidget* m_fileList = nullptr;
    QPushButton* m_openButton = nullptr;
    QPushButton* m_closePanelButton = nullptr;
};

} // namespace velkor::diary
