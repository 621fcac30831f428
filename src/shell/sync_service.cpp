#include "shell/sync_service.h"

#include "core/plans/plan_store.h"
#include "sync/account.h"
#include "sync/dav_client.h"
#include "sync/discovery.h"
#include "sync/sync_texts.h"

#include <QCoreApplication>
#include <QFile>

#include <memory>

namespace velkor::shell {

namespace {

QStringList watchedFiles(const QDir& dir) {
    return {plans::planFileIn(dir), dir.filePath(QStringLiteral("history.mdb")),
            dir.filePath(QStringLiteral("rehber.mdb"))};
}

} // namespace

SyncService::SyncService(AppContext& context, keyring::Keyring& keyring, SyncSchedule::Timing timing,
                         QObject* parent)
    : m_ctx(context), m_keyring(keyring),
      m_schedule([this](std::function<void(bool)> done) { runScheduled(std::move(done)); }, timing) {
    setParent(parent);
    followNetwork(m_schedule);
    // Changes made here, whoever made them. One made while a sync runs cannot be told from the sync's own
    // writes: either brings one more sync after it, which finds nothing to write when they were its own.
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this](const QString& path) {
        if (!m_watcher.files().contains(path) && QFile::exists(path))
            m_watcher.addPath(path); // replaced by a rename: watched again
        localChange();
    });
}

void SyncService::start() {
    for (const QString& file : watchedFiles(m_ctx.dataDir))
        if (QFile::exists(file))
            m_watcher.addPath(file);
    m_schedule.start();
}

void SyncService::localChange() {
    if (sync::readAccount(m_ctx.dataDir))
        m_schedule.localChange();
}

QString SyncService::accountKey() const {
    const auto account = sync::readAccount(m_ctx.dataDir);
    return account ? keyring::accountKey(account->url.toString(), account->user) : QString();
}

sync_ui::SyncState SyncService::state() const {
    sync_ui::SyncState s;
    if (const auto account = sync::readAccount(m_ctx.dataDir)) {
        s.configured = true;
        s.server = account->url;
        s.user = account->user;
    }
    s.syncing = m_syncing;
    s.lastSync = m_lastSync;
    s.lastOk = m_lastOk;
    s.lastSummary = m_lastSummary;
    s.noKeyring = m_password.has_value();
    return s;
}

void SyncService::check(const QUrl& server, const QString& user, const QString& password,
                        std::function<void(const QString&, const QList<sync_ui::ServerCollection>&)> done) {
    auto client = std::make_shared<sync::DavClient>(server, user, password);
    sync::discover(*client, [client, done = std::move(done)](const sync::Discovered& found) {
        QList<sync_ui::ServerCollection> collections;
        for (const sync::Collection& c : found.collections)
            collections.append({c.href, c.displayName, c.calendar && c.takes(QStringLiteral("VEVENT")),
                                c.calendar && c.takes(QStringLiteral("VJOURNAL")), c.addressBook});
        const QString error = found.error.isEmpty() ? QString() : sync::discoveryError(found);
        // The client goes once its last reply has been handled.
        QMetaObject::invokeMethod(
            client.get(), [client] {}, Qt::QueuedConnection);
        done(error, collections);
    });
}

void SyncService::keep(const sync_ui::AccountChoice& choice, std::function<void(const QString&)> done) {
    // Velkor's own collections are found or made on the server; the ones chosen take their places.
    sync::setupAccount(
        m_ctx.dataDir, choice.server, choice.user, choice.password,
        [this, choice, done = std::move(done)](const sync::SyncOutcome& outcome) {
            if (!outcome.ok)
                return done(outcome.summary);
            auto account = sync::readAccount(m_ctx.dataDir);
            if (account) {
                account->calendar = choice.plans.isEmpty() ? account->calendar : choice.plans;
                account->journal = choice.diary.isEmpty() ? account->journal : choice.diary;
                account->addressBook = choice.directory.isEmpty() ? account->addressBook : choice.directory;
                if (const QString error = sync::writeAccount(m_ctx.dataDir, *account); !error.isEmpty())
                    return done(error);
            }
            m_keyring.save(accountKey(), choice.password, [this, choice, done](const keyring::Answer& saved) {
                // Without a keyring the password lives in this run only, and is asked again next time.
                m_password =
                    saved.outcome == keyring::Outcome::Done ? std::nullopt : std::optional(choice.password);
                emit stateChanged();
                done({});
            });
        });
}

void SyncService::withPassword(std::function<void(std::optional<QString>)> use) {
    if (qEnvironmentVariableIsSet("VELKOR_SYNC_PASSWORD"))
        return use(qEnvironmentVariable("VELKOR_SYNC_PASSWORD"));
    if (m_password)
        return use(m_password);
    m_keyring.load(accountKey(), [this, use = std::move(use)](const keyring::Answer& answer) {
        if (answer.outcome == keyring::Outcome::Done)
            return use(answer.password);
        if (answer.outcome == keyring::Outcome::NoKeyring) {
            // Asked once per run; kept in memory only.
            m_password = m_ctx.prompter->askPassword(tr("Sync"), tr("No keyring answers on this desktop. "
                                                                    "The password for %1:")
                                                                     .arg(accountKey()));
            return use(m_password);
        }
        use(std::nullopt);
    });
}

void SyncService::runScheduled(std::function<void(bool)> done) {
    if (!sync::readAccount(m_ctx.dataDir) || m_syncing)
        return done(true);
    m_syncing = true;
    emit stateChanged();
    withPassword([this, done = std::move(done)](std::optional<QString> password) {
        if (!password) {
            sync::SyncOutcome outcome;
            outcome.summary = tr("The password is not in the keyring: enter it in the sync window.");
            return finish(outcome, done);
        }
        run(*password, [this, done](const sync::SyncOutcome& outcome) { finish(outcome, done); });
    });
}

void SyncService::run(const QString& password, std::function<void(const sync::SyncOutcome&)> done) {
    const auto ask = [this](const QString&, int count, int total, bool here) {
        return m_ctx.prompter->askBeforeLoss(QString(), sync::texts::massDeleteQuestion(count, total, here));
    };
    sync::runSync(m_ctx.dataDir, password, m_ctx.clock->now(), ask, std::move(done));
}

void SyncService::syncFor(const QString& password, std::function<void(const sync::SyncOutcome&)> done) {
    m_handed.append({password, std::move(done)});
    if (!m_syncing)
        runHanded();
}

void SyncService::runHanded() {
    const auto [password, done] = m_handed.takeFirst();
    m_syncing = true;
    emit stateChanged();
    run(password, [this, done](const sync::SyncOutcome& outcome) {
        finish(outcome, [](bool) {});
        done(outcome);
    });
}

void SyncService::finish(const sync::SyncOutcome& outcome, std::function<void(bool)> done) {
    m_syncing = false;
    m_lastSync = m_ctx.clock->now();
    m_lastOk = outcome.ok;
    m_lastSummary = outcome.summary;
    // What was kept twice, or left on the server, is told once: one box for all of it.
    QStringList fresh;
    for (const QString& note : outcome.notes)
        if (!m_toldNotes.contains(note))
            fresh.append(note);
    m_toldNotes += fresh;
    if (outcome.ok && outcome.counts.in > 0 && onChangesIn)
        onChangesIn();
    emit stateChanged();
    if (!fresh.isEmpty())
        m_ctx.prompter->inform(tr("Sync"), fresh.join(u'\n'));
    done(outcome.ok);
    if (!m_syncing && !m_handed.isEmpty())
        runHanded();
}

void SyncService::syncNow() {
    m_schedule.localChange();
}

void SyncService::stop() {
    const QString key = accountKey();
    QFile::remove(sync::accountFileIn(m_ctx.dataDir));
    QFile::remove(sync::stateFileIn(m_ctx.dataDir));
    m_password.reset();
    m_lastSync = {};
    m_lastSummary.clear();
    if (!key.isEmpty())
        m_keyring.forget(key, [](const keyring::Answer&) {});
    emit stateChanged();
}

} // namespace velkor::shell
