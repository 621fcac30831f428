#include "core/base/file_stamp.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>

#ifdef Q_OS_LINUX
#include <sys/stat.h>
#endif

namespace velkor {

#ifdef Q_OS_LINUX

namespace {

// FAT keeps modification times to two seconds; every other file system we meet is finer.
constexpr qint64 CoarsestTimeNs = 2'000'000'000;

qint64 nanoseconds(const timespec& t) {
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

} // namespace

FileStamp FileStamp::of(const QString& path) {
    // Taken before the file is looked at: a write after it shows as a time at least this late.
    const qint64 nowNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
    FileStamp stamp;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        // Absence lasts until the file is made, which gives another stamp; any other failure proves nothing.
        if (errno == ENOENT) {
            stamp.m_state = State::Missing;
            stamp.m_settled = true;
        }
        return stamp;
    }
    stamp.m_state = State::Present;
    stamp.m_device = quint64(info.st_dev);
    stamp.m_inode = quint64(info.st_ino);
    stamp.m_size = qint64(info.st_size);
    stamp.m_modifiedNs = nanoseconds(info.st_mtim);
    stamp.m_changedNs = nanoseconds(info.st_ctim);
    // Only a regular file keeps its contents under an unchanged stamp (a pipe or a device does not).
    // Times in the future (another machine's clock) never settle.
    stamp.m_settled =
        S_ISREG(info.st_mode) && std::max(stamp.m_modifiedNs, stamp.m_changedNs) < nowNs - CoarsestTimeNs;
    return stamp;
}

#else

// Without nanosecond times and inodes nothing is proved: every reader reads again, as it always did.
FileStamp FileStamp::of(const QString&) {
    return {};
}

#endif

} // namespace velkor
