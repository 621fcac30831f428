#pragma once

#include <QString>
#include <QtGlobal>

namespace velkor {

// What a file looked like at one moment, enough to tell later without reading it that it has changed:
// device and inode (a file replaced by rename is another file), size, and the modification and
// status-change times in nanoseconds. The status-change time cannot be set back by any program, so a
// rewrite that restores the old modification time still shows.
class FileStamp {
public:
    static FileStamp of(const QString& path);

    // Whether the same stamp taken later proves the same contents. A file written in the last moments may
    // be written again within the resolution of its times (two seconds on some file systems) without its
    // stamp changing; such a stamp is not settled, and its reader must read again.
    bool settled() const { return m_settled; }

    friend bool operator==(const FileStamp& a, const FileStamp& b) {
        return a.m_state == b.m_state && a.m_device == b.m_device && a.m_inode == b.m_inode &&
               a.m_size == b.m_size && a.m_modifiedNs == b.m_modifiedNs && a.m_changedNs == b.m_changedNs;
    }

private:
    enum class State { Missing, Present, Unknown };

    State m_state = State::Unknown;
    quint64 m_device = 0;
    quint64 m_inode = 0;
    qint64 m_size = 0;
    qint64 m_modifiedNs = 0;
    qint64 m_changedNs = 0;
    bool m_settled = false;
};

} // namespace velkor
