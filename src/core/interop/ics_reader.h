#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace velkor::interop {

// A calendar larger than this is refused before it is read: a year of plans is a few hundred kilobytes.
constexpr qint64 MaxCalendarBytes = 32 * 1024 * 1024;

// libical takes time that grows with the square of a line's length, and frees nested components by
// recursion: longer lines and deeper nesting than any calendar program writes are refused before it.
constexpr qsizetype MaxCalendarLineBytes = 1024 * 1024;
constexpr int MaxCalendarDepth = 16;

enum class IcsFault { None, Unreadable, TooLarge, NotCalendar, Truncated, LineTooLong, TooDeep };

struct IcsScan {
    IcsFault fault = IcsFault::None;
    QString error; // the system's words when the file could not be read
    qint64 size = 0;
    int line = 0; // where a line too long or a component too deep begins
};

// Sees each component that stands directly in a VCALENDAR (VEVENT, VTIMEZONE, VJOURNAL, ...): its name in
// capitals and its text with every line unfolded and ended by CR LF. One component is held at a time, never
// the whole file. Components are handed over as they are read, so the caller keeps what it takes until the
// scan has succeeded: a truncated file is reported at its end.
using ComponentVisitor = std::function<void(const QByteArray& name, const QByteArray& text)>;
IcsScan scanCalendarFile(const QString& path, const ComponentVisitor& take,
                         qint64 maxBytes = MaxCalendarBytes);

} // namespace velkor::interop
