#include "core/foreign/child_reader.h"

#include "core/foreign/frames.h"

#include <QEventLoop>
#include <QLocale>
#include <QObject>
#include <QProcess>
#include <QTimer>

#include <csignal>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace velkor::foreign {

namespace {

// Libraries may complain without end on a damaged file: only the beginning is worth keeping.
constexpr qsizetype MaxErrorText = 4096;

void setLimit(int resource, rlim_t value, rlim_t hard) {
    const rlimit limit{value, hard};
    setrlimit(resource, &limit);
}

// Runs in the child between fork and exec: only calls that are safe there.
void limitChild(const ReaderLimits& limits) {
    setLimit(RLIMIT_AS, rlim_t(limits.memoryBytes), rlim_t(limits.memoryBytes));
    // The soft limit lets the reader say why it ends; the hard one ends it if it cannot.
    setLimit(RLIMIT_CPU, rlim_t(limits.cpuSeconds), rlim_t(limits.cpuSeconds) + 2);
    setLimit(RLIMIT_CORE, 0, 0);
    // A reader writes nothing but its output.
    setLimit(RLIMIT_FSIZE, 0, 0);
    // It never outlives the program that asked.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
}

extern "C" void onCpuLimit(int) {
    _exit(reader_status::CpuLimit);
}

} // namespace

ReaderOutcome runReader(const QString& program, const QStringList& arguments, const FrameTaker& take,
                        const ReaderLimits& limits) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setChildProcessModifier([limits] { limitChild(limits); });
    // What the reader words itself (a damaged database) is in the language the program speaks.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELKOR_LANGUAGE"), QLocale().language() == QLocale::Turkish
                                                              ? QStringLiteral("tr")
                                                              : QStringLiteral("en"));
    process.setProcessEnvironment(environment);

    ReaderOutcome outcome;
    FrameReader frames(limits.frameBytes);
    bool failedToStart = false, stopped = false, timedOut = false, badOutput = false;
    QEventLoop loop;
    const auto drain = [&] {
        frames.feed(process.readAllStandardOutput());
        while (!stopped && !badOutput) {
            const std::optional<QByteArray> frame = frames.next();
            if (!frame)
                break;
            if (!take(*frame)) {
                stopped = true;
                process.kill();
            }
        }
        if (frames.bad() && !badOutput) {
            badOutput = true;
            process.kill();
        }
    };
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, drain);
    QObject::connect(&process, &QProcess::readyReadStandardError, &loop, [&] {
        const QByteArray more = process.readAllStandardError();
        outcome.errorText += more.left(MaxErrorText - outcome.errorText.size());
    });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            failedToStart = true;
            loop.quit();
        }
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        process.kill();
    });

    process.start(QIODevice::ReadOnly);
    deadline.start(limits.seconds * 1000);
    if (!failedToStart)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();
    // Still running: the loop was left because the program quits.
    const bool cancelled = !failedToStart && process.state() != QProcess::NotRunning;
    if (cancelled) {
        process.kill();
        process.waitForFinished(5000);
    }
    if (!stopped && !badOutput && !cancelled && !timedOut)
        drain();

    if (failedToStart) {
        outcome.end = ReaderEnd::CannotStart;
        outcome.detail = process.errorString();
    } else if (cancelled) {
        outcome.end = ReaderEnd::Cancelled;
    } else if (stopped) {
        outcome.end = ReaderEnd::Stopped;
    } else if (badOutput) {
        outcome.end = ReaderEnd::BadOutput;
    } else if (timedOut) {
        outcome.end = ReaderEnd::TimedOut;
    } else if (process.exitStatus() == QProcess::CrashExit) {
        outcome.end = ReaderEnd::Crashed;
    } else if (process.exitCode() == reader_status::OutOfMemory) {
        outcome.end = ReaderEnd::OutOfMemory;
    } else if (process.exitCode() == reader_status::CpuLimit) {
        outcome.end = ReaderEnd::CpuLimit;
    } else if (process.exitCode() != 0) {
        outcome.end = ReaderEnd::Failed;
        outcome.status = process.exitCode();
    } else if (frames.pending()) {
        outcome.end = ReaderEnd::BadOutput;
    }
    return outcome;
}

QString readerFailure(const ReaderOutcome& outcome, const ReaderLimits& limits) {
    switch (outcome.end) {
    case ReaderEnd::TimedOut:
        return QObject::tr("the reader stopped after %1 s.").arg(limits.seconds);
    case ReaderEnd::CpuLimit:
        return QObject::tr("the reader stopped after %1 s of processor time.").arg(limits.cpuSeconds);
    case ReaderEnd::OutOfMemory:
        return QObject::tr("the reader stopped at its memory limit of %1 MB.")
            .arg(limits.memoryBytes / (1024 * 1024));
    case ReaderEnd::Crashed:
        return QObject::tr("the reader crashed on it.");
    case ReaderEnd::Failed:
        return QObject::tr("the reader ended with status %1.").arg(outcome.status);
    case ReaderEnd::BadOutput:
    case ReaderEnd::Stopped:
    case ReaderEnd::Finished: // but what it gave back was not whole
        return QObject::tr("the reader gave back records Velkor cannot take.");
    case ReaderEnd::CannotStart:
        return QObject::tr("the reader could not be started: %1").arg(outcome.detail);
    case ReaderEnd::Cancelled:
        return QObject::tr("Velkor was closing.");
    }
    return {};
}

void guardReaderProcess() {
    std::signal(SIGXCPU, onCpuLimit);
}

} // namespace velkor::foreign
