#pragma once

#include "core/directory/directory_index.h"
#include "core/directory/directory_store.h"
#include "core/directory/editor_request.h"
#include "core/directory/listed_names.h"
#include "core/directory/modem_dialer.h"
#include "core/directory/port_choice.h"
#include "core/interop/transfer.h"
#include "ui/common/app_context.h"
#include "ui/common/fit_layout.h"

#include <QFont>
#include <QTimer>
#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;

namespace velkor::directory {

// Form10, the directory: names found as the user types, the chosen entry's number and address, and the
// buttons to add, dial, show the address and delete.
class DirectoryWindow final : public QWidget {
    Q_OBJECT
public:
    // The search waits this long after a key, so it runs on the text that includes the key.
    static constexpr int SearchDelayMs = 10;

    explicit DirectoryWindow(AppContext& context, QWidget* parent = nullptr);

    void retranslate();

    // Runs the search now, as the timer does after a key.
    void refreshList();
    ModemDialer& dialer() { return *m_dialer; }

signals:
    // Command1 (an empty request) or a double click on a name: the editor takes this window's place.
    void editorRequested(const velkor::directory::EditorRequest& request);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void loadPortChoice();
    void onSearchEdited();
    void onLineChosen(const QModelIndex& index);
    void onDoubleClicked(const QModelIndex& index);
    void onNewClicked();
    void onAddressClicked();
    void onDeleteClicked();
    void onPortChosen(int index);
    void onImportChosen();
    void onExportChosen();
    void onDialClicked();
    void onAnswered();
    void onTimedOut();
    void onRefused(velkor::directory::ModemResult result);
    // Back to idle after a dial, whichever way it ended.
    void dialEnded();
    // The port list's choice, and the name it goes by in messages ("COM3", "/dev/ttyUSB0").
    PortChoice chosenPort() const;
    QString chosenPortName() const;
    // While a dial waits, the title says for what and on which port.
    void showDialState();
    void display(const DirRecord& entry);
    void showNumber(const QString& number);
    static constexpr qreal SmallestNumberPoints = 7.0;
    static constexpr int NumberMargin = 2; // the line edit's own, inside its frame
    // Said once per opening, not at every key.
    void sayUnreadable(const QString& error);
    // The list is searched again, so it shows what the file holds now.
    void sayRowGone(const RowRef& row);

    AppContext& m_ctx;
    DirectoryStore m_store;
    DirectoryIndex m_index; // what the search looks at, read again when the file has changed
    QLabel* m_searchLabel;
    QLineEdit* m_searchBox;
    QListView* m_nameList;
    ListedNames* m_listedNames;
    QLabel* m_hintLabel;
    QLabel* m_chosenNameLabel;
    QLineEdit* m_numberBox;
    QComboBox* m_portBox;
    QString m_title;    // without the dial's state
    QString m_dialPort; // while a dial waits
    QPushButton* m_newButton;
    QPushButton* m_dialButton;
    QPushButton* m_addressButton;
    QPushButton* m_deleteButton;
    QTimer* m_searchTimer;
    ModemDialer* m_dialer;
    QAction* m_importAction;
    QAction* m_exportAction;

    RowRef m_chosen;   // the row chosen in the list, shown in m_chosenNameLabel
    QString m_address; // address of the entry chosen last
    QString m_number;  // its number, whole, whatever the box can show
    QFont m_numberFont;
    bool m_readErrorShown = false;
    RowRef m_goneRow; // the row last found gone
    bool m_disableDialAfterDial = false;
};

} // namespace velkor::directory
