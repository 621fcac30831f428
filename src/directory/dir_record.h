#pragma once

#include <QString>

namespace velkor::directory {

// One row of rehber.mdb. The name identifies the entry: every lookup, change and delete selects by it,
// character for character.
struct DirRecord {
    QString name;
    QString tel;
    QString address;

    friend bool operator==(const DirRecord&, const DirRecord&) = default;
};

} // namespace velkor::directory
