#include "core/keyring/keyring.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <qt6keychain/keychain.h>

namespace velkor::keyring {

namespace {

const QString Service = QStringLiteral("Velkor");

// Whether a keyring is there to ask, running or to be started by the session bus. Without one QtKeychain
// reports only a failed connection.
bool keyringOnTheBus() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QStringList activatable = bus.interface()->activatableServiceNames();
    for (const char* name : {"org.freedesktop.secrets", "org.kde.kwalletd5", "org.kde.kwalletd6"}) {
        const QString service = QString::fromLatin1(name);
        if (bus.interface()->isServiceRegistered(service) || activatable.contains(service))
            return true;
    }
    return false;
}

Answer answerOf(const QKeychain::Job& job) {
    switch (job.error()) {
    case QKeychain::NoError:
        return {Outcome::Done, {}, {}};
    case QKeychain::EntryNotFound:
        return {Outcome::NotFound, {}, {}};
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        return {Outcome::NoKeyring, {}, job.errorString()};
    default:
        return {keyringOnTheBus() ? Outcome::Failed : Outcome::NoKeyring, {}, job.errorString()};
    }
}

// Runs the job and answers once it ends; the job goes with it.
void run(QKeychain::Job* job, const QString& account, Answered answered) {
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(account);
    QObject::connect(job, &QKeychain::Job::finished, job,
                     [answered = std::move(answered)](QKeychain::Job* done) {
                         Answer answer = answerOf(*done);
                         if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(done);
                             read && answer.outcome == Outcome::Done)
                             answer.password = read->textData();
                         answered(answer);
                     });
    job->start();
}

} // namespace

void DesktopKeyring::save(const QString& account, const QString& password, Answered answered) {
    auto* job = new QKeychain::WritePasswordJob(Service);
    job->setTextData(password);
    run(job, account, std::move(answered));
}

void DesktopKeyring::load(const QString& account, Answered answered) {
    run(new QKeychain::ReadPasswordJob(Service), account, std::move(answered));
}

void DesktopKeyring::forget(const QString& account, Answered answered) {
    run(new QKeychain::DeletePasswordJob(Service), account, std::move(answered));
}

QString accountKey(const QString& serverUrl, const QString& user) {
    return user + u'@' + serverUrl;
}

} // namespace velkor::keyring
