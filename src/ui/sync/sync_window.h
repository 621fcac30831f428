#pragma once

#include "ui/common/app_context.h"
#include "ui/sync/sync_door.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velkor::sync_ui {

// The sync account: server, user and password, what the server holds for plans, diary and directory, a
// sync now, the last sync in plain words, and the way to stop. The stored password is never shown.
class SyncWindow final : public QWidget {
    Q_OBJECT
public:
    SyncWindow(AppContext& context, SyncDoor& door, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showState();
    void checkAccount();
    void syncNow();
    void stopSyncing();
    bool accountChanged() const;
    void fillChoices(const QList<ServerCollection>& collections);

    AppContext& m_ctx;
    SyncDoor& m_door;
    QLabel* m_serverLabel;
    QLabel* m_userLabel;
    QLabel* m_passwordLabel;
    QLabel* m_plansLabel;
    QLabel* m_diaryLabel;
    QLabel* m_directoryLabel;
    QLineEdit* m_serverBox;
    QLineEdit* m_userBox;
    QLineEdit* m_passwordBox;
    QComboBox* m_plansBox;
    QComboBox* m_diaryBox;
    QComboBox* m_directoryBox;
    QPushButton* m_checkButton;
    QPushButton* m_syncButton;
    QPushButton* m_stopButton;
    QLabel* m_statusLabel;
    QString m_checkError; // said in the window until the next check
    bool m_checked = false;
};

} // namespace velkor::sync_ui
