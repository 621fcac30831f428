#pragma once

#include "shell/bookkeeping.h"
#include "shell/reminder_timer.h"
#include "shell/shell_doors.h"
#include "shell/sync_service.h"
#include "shell/tray_protocol.h"
#include "shell/window_registry.h"
#include "ui/common/app_context.h"

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

namespace velkor::shell {

// The program's hidden main window: tray icon, its menu, start-up and exit. Never shown itself.
class MainForm final : public QObject {
    Q_OBJECT
public:
    explicit MainForm(AppContext& context, QObject* parent = nullptr);
    ~MainForm() override;

    // Runs the start-up steps. False when a data file could not be made; the user has been told.
    bool start();

    // Writes the exit moment and removes the icon; runs once however the program ends.
    // False when the exit moment could not be written (the user has been told).
    bool finish();
    bool finished() const { return m_finished; }
    // Ends the program where nobody can answer (SIGTERM, end of the session): the open windows' typed work
    // is saved without asking, then the exit step. False when the exit moment or some typed work could not
    // be written.
    bool exitUnattended();
    // The display has gone and the process ends outside the event loop: the typed work is saved as at the
    // end of the session and the exit moment written, with no window, box or icon touched. Runs once; false
    // when something could not be written.
    bool saveForLostDisplay();

    void handleTrayEvent(QSystemTrayIcon::ActivationReason reason);
    // Brings the month calendar forward: a later start of the program asks for it.
    void showCalendar();
    // Takes the icon away and adds it again after the icon delay, with a fresh tip.
    void refreshIcon();
    void switchLanguage(Language language);
    // Data came in from outside (an import): the loaded plan list and diary show it.
    void showImportedData();
    // A transfer handed over by the command line, answered in one line.
    QByteArray serveTransfer(QByteArrayView request);

    QMenu* menu() const { return m_menu; }
    QSystemTrayIcon* trayIcon() const { return m_tray; }
    WindowRegistry& windows() { return m_windows; }
    ReminderTimer& reminders() { return m_reminders; }
    SyncService& sync() { return m_sync; }
    QString trayTip() const;
    // Sets how tray events read; a StatusNotifier host gets the menu too, to show it itself. The desktop's
    // protocol is taken at construction; tests choose one.
    void useTrayProtocol(TrayProtocol protocol);
    // Whether the desktop shows a tray now; tests replace the question.
    void setTrayProbe(std::function<bool()> probe) { m_trayAvailable = std::move(probe); }

    // The delay between start (or a refresh) and the icon appearing.
    static constexpr int IconDelayMs = 500;

signals:
    // Emitted when the user ends the program from the menu; main() then leaves its event loop.
    void exitRequested(int status);

private:
    void buildMenu();
    void registerWindows();
    void registerPlanWindows();
    QAction* addItem(QMenu* menu, const char* name, bool checkable);
    QString syncItemText() const;
    void retranslateMenu();
    // Puts the program into the language options.prg holds; a file holding something else changes nothing.
    void readLanguage();
    void addTrayIcon();
    void exitFromMenu();
    void toggleCalendar();
    void registerCalendarWindows();
    // Unloads the diary when either of its windows is loaded, else opens the browser.
    void toggleDiary(QAction* mark);

    // Hand-off points of start-up, each filled by the part of the program that owns the work.
    void createStartupShortcut();
    void catchUp(const std::optional<QDateTime>& lastExit);
    void startReminders();

    AppContext& m_ctx;
    // Lent to the windows through the context while this form lives. Made before the registry, so the
    // windows that go with it still find it.
    SharedState m_state;
    ShellDoors m_doors{m_ctx, *this};
    SharedState* const m_stateBefore;
    WindowDoors* const m_doorsBefore;
    Bookkeeping m_files;
    WindowRegistry m_windows;
    ReminderTimer m_reminders;
    keyring::DesktopKeyring m_keyring;
    SyncService m_sync{m_ctx, m_keyring, timingFromEnvironment()};
    bool m_catchingUp = false;
    QDateTime m_catchUpEnd;
    bool m_stampFailureShown = false;
    QMenu* m_menu = nullptr;
    QSystemTrayIcon* m_tray = nullptr;
    QTimer m_iconTimer;
    TrayProtocol m_trayProtocol = TrayProtocol::XEmbed;
    bool m_finished = false;
    QList<QAction*> m_items; // one for each window, in menu order
    QMenu* m_languageMenu = nullptr;
    QPointer<QAction> m_trk;
    QPointer<QAction> m_eng;
    QAction* m_closeMenuItem = nullptr;
    QAction* m_exitItem = nullptr;
    bool m_menuWorded = false;
    std::function<bool()> m_trayAvailable = &QSystemTrayIcon::isSystemTrayAvailable;
};

} // namespace velkor::shell
