#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace velkor::foreign {

// What one reading may take. A reader that passes a bound is stopped; the file then counts as unreadable,
// and the program that asked goes on.
struct ReaderLimits {
    int seconds = 30;                        // wall clock, from start to end
    int cpuSeconds = 30;                     // processor time of the reader
    qint64 memoryBytes = qint64(1024) << 20; // its address space
    qint64 frameBytes = qint64(64) << 20;    // one record handed back
};

// Exit statuses the reader program gives for its own ends.
namespace reader_status {
constexpr int Usage = 2;
constexpr int OutOfMemory = 3;
constexpr int CpuLimit = 4;
} // namespace reader_status

enum class ReaderEnd {
    Finished,    // it ended by itself with status 0: its frames say what it found
    Stopped,     // the receiver had enough and stopped it
    TimedOut,    // past ReaderLimits::seconds
    CpuLimit,    // past ReaderLimits::cpuSeconds
    OutOfMemory, // past ReaderLimits::memoryBytes
    Crashed,     // ended by a signal
    Failed,      // another exit status
    BadOutput,   // a frame too large, or cut short
    CannotStart, // the reader program is missing or cannot be run
    Cancelled,   // the program is quitting: the reader was stopped unfinished
};

struct ReaderOutcome {
    ReaderEnd end = ReaderEnd::Finished;
    int status = 0;       // exit status, for Failed
    QString detail;       // why it could not start
    QByteArray errorText; // the beginning of what it wrote to standard error
    bool ok() const { return end == ReaderEnd::Finished; }
};

// Gets one frame as it arrives; false stops the reader (enough has come, or something not acceptable).
using FrameTaker = std::function<bool(const QByteArray& frame)>;

// Runs `program arguments` as a child under `limits` and hands each frame of its standard output to
// `take`. Its standard error is kept only in part. While it runs, timers and sockets of this program are
// served (reminders go on), but no input reaches the windows; a quit of the program stops the reader.
ReaderOutcome runReader(const QString& program, const QStringList& arguments, const FrameTaker& take,
                        const ReaderLimits& limits = {});

// Why a reading did not finish, in words to follow "the file could not be read:" ("the reader stopped
// after 30 s"); for one that finished, that its records were not whole.
QString readerFailure(const ReaderOutcome& outcome, const ReaderLimits& limits = {});

// In the reader program itself: turns its own running out of processor time into its exit status.
void guardReaderProcess();

} // namespace velkor::foreign
