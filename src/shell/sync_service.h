#pragma once

#include "core/keyring/keyring.h"
#include "shell/sync_schedule.h"
#include "sync/sync_run.h"
#include "ui/common/app_context.h"
#include "ui/sync/sync_door.h"

#include <QFileSystemWatcher>

#include <optional>

namespace velkor::shell {

// The data folder in step with its account, on its own: the schedule starts syncs, the keyring holds the
// password (or, without one, this run's memory after the user typed it once), and the window and the tray
// menu read the state. Failures are said in the window and the menu item, never in a box of their own; a
// large deletion is asked through the prompter, in the program's language.
class SyncService final : public sync_ui::SyncDoor {
    Q_OBJECT
public:
    SyncService(AppContext& context, keyring::Keyring& keyring, SyncSchedule::Timing timing = {},
                QObject* parent = nullptr);

    // After the catch-up: the first sync comes shortly, then the schedule.
    void start();
    // The folder's data was changed here (or by an import): a sync comes a few seconds later.
    void localChange();

    sync_ui::SyncState state() const override;
    void check(const QUrl& server, const QString& user, const QString& password,
               std::function<void(const QString&, const QList<sync_ui::ServerCollection>&)> done) override;
    void keep(const sync_ui::AccountChoice& choice, std::function<void(const QString&)> done) override;
    void syncNow() override;
    void stop() override;

    // A sync asked for by the command line with its own password: after the one running, if any, so that
    // two syncs never work on the folder at once.
    void syncFor(const QString& password, std::function<void(const sync::SyncOutcome&)> done);

    // Runs when a sync brought changes in, so the open windows show them.
    std::function<void()> onChangesIn;

private:
    void runScheduled(std::function<void(bool)> done);
    void run(const QString& password, std::function<void(const sync::SyncOutcome&)> done);
    void runHanded();
    void withPassword(std::function<void(std::optional<QString>)> use);
    void finish(const sync::SyncOutcome& outcome, std::function<void(bool)> done);
    QString accountKey() const;

    AppContext& m_ctx;
    keyring::Keyring& m_keyring;
    SyncSchedule m_schedule;
    QFileSystemWatcher m_watcher;
    std::optional<QString> m_password; // only when no keyring answers: this run's memory
    bool m_syncing = false;
    QDateTime m_lastSync;
    bool m_lastOk = true;
    QString m_lastSummary;
    QStringList m_toldNotes; // said once per run
    QList<QPair<QString, std::function<void(const sync::SyncOutcome&)>>> m_handed;
};

} // namespace velkor::shell
