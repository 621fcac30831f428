#include "shell/sync_schedule.h"

#include <QNetworkInformation>
#include <QStringList>

#include <algorithm>

namespace velkor::shell {

SyncSchedule::SyncSchedule(Run run, Timing timing, QObject* parent)
    : QObject(parent), m_run(std::move(run)), m_timing(timing) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SyncSchedule::due);
}

void SyncSchedule::start() {
    arm(m_timing.afterStartMs);
}

void SyncSchedule::localChange() {
    if (m_syncing)
        m_again = true;
    else
        arm(m_timing.afterChangeMs); // not pushed back by later edits: a long burst still syncs
}

void SyncSchedule::setOnline(bool online) {
    m_online = online;
    if (online && std::exchange(m_waiting, false))
        arm(0);
}

void SyncSchedule::arm(int ms) {
    if (!m_timer.isActive() || m_timer.remainingTime() > ms)
        m_timer.start(ms);
}

void SyncSchedule::due() {
    if (m_syncing)
        return;
    if (!m_online) {
        m_waiting = true;
        return;
    }
    m_syncing = true;
    m_run([this](bool ok) {
        m_syncing = false;
        emit finished(ok);
        m_retryMs =
            ok ? 0 : std::min(m_retryMs > 0 ? m_retryMs * 2 : m_timing.firstRetryMs, m_timing.everyMs);
        if (std::exchange(m_again, false))
            arm(m_timing.afterChangeMs);
        else
            arm(ok ? m_timing.everyMs : m_retryMs);
    });
}

SyncSchedule::Timing timingFromEnvironment() {
    const QStringList parts = qEnvironmentVariable("VELKOR_SYNC_TIMING").split(u',');
    if (parts.size() != 3)
        return {};
    int ms[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        ms[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || ms[i] < 0)
            return {};
    }
    return {ms[0], ms[1], std::max(ms[2], 1), std::max(ms[2], 1)};
}

void followNetwork(SyncSchedule& schedule) {
    if (!QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return;
    QNetworkInformation* network = QNetworkInformation::instance();
    const auto follow = [&schedule](QNetworkInformation::Reachability reachability) {
        // Unknown counts as online: only a network known to be gone holds a sync back.
        schedule.setOnline(reachability != QNetworkInformation::Reachability::Disconnected);
    };
    follow(network->reachability());
    QObject::connect(network, &QNetworkInformation::reachabilityChanged, &schedule, follow);
}

} // namespace velkor::shell
