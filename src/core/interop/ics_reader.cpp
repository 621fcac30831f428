#include "core/interop/ics_reader.h"

#include <QFile>

#include <optional>

namespace velkor::interop {

namespace {

// Physical lines joined into content lines: a line that starts with a blank or a tab goes on the one
// before. Ends may be CR LF, LF or the CR CR LF some programs write.
class LogicalLines {
public:
    explicit LogicalLines(QFile& file) : m_file(file) {}

    std::optional<QByteArray> next() {
        if (!m_pending && !readPhysical())
            return std::nullopt;
        QByteArray line = std::move(*m_pending);
        m_pending.reset();
        m_line = m_physical;
        while (readPhysical()) {
            if (m_pending->isEmpty() || (m_pending->front() != ' ' && m_pending->front() != '\t'))
                break;
            // The rest of an overlong line is not kept: it is refused anyway.
            if (line.size() <= MaxCalendarLineBytes)
                line.append(QByteArrayView(*m_pending).sliced(1));
            m_pending.reset();
        }
        return line;
    }
    // The physical line where the last content line began.
    int lineNumber() const { return m_line; }

private:
    bool readPhysical() {
        if (m_pending)
            return true;
        if (m_file.atEnd())
            return false;
        // Read no further than a line may be: a file of one endless line must not fill the memory. The
        // buffer is made once; a fresh one of that size for every line would cost more than the parsing.
        if (m_buffer.isEmpty())
            m_buffer.resize(MaxCalendarLineBytes + 4);
        const qint64 read = m_file.readLine(m_buffer.data(), m_buffer.size());
        if (read < 0)
            return false;
        QByteArray line(m_buffer.constData(), read);
        ++m_physical;
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (m_first && line.startsWith("\xEF\xBB\xBF"))
            line.remove(0, 3);
        m_first = false;
        m_pending = std::move(line);
        return true;
    }

    QFile& m_file;
    std::optional<QByteArray> m_pending;
    bool m_first = true;
    QByteArray m_buffer;
    int m_physical = 0;
    int m_line = 0;
};

// "BEGIN:X" or "END:X" (any case, blanks around the value tolerated): X in capitals, else empty.
QByteArray marker(const QByteArray& line, const char* keyword) {
    const qsizetype colon = line.indexOf(':');
    if (colon < 0 || line.first(colon).trimmed().toUpper() != keyword)
        return {};
    return line.sliced(colon + 1).trimmed().toUpper();
}

} // namespace

IcsScan scanCalendarFile(const QString& path, const ComponentVisitor& take, qint64 maxBytes) {
    IcsScan scan;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        scan.fault = IcsFault::Unreadable;
        scan.error = file.errorString();
        return scan;
    }
    scan.size = file.size();
    if (scan.size > maxBytes) {
        scan.fault = IcsFault::TooLarge;
        return scan;
    }
    LogicalLines lines(file);
    enum class Where { Before, InCalendar, InComponent, After } where = Where::Before;
    QByteArray name, text;
    int depth = 0;
    while (const std::optional<QByteArray> line = lines.next()) {
        if (line->size() > MaxCalendarLineBytes)
            return {IcsFault::LineTooLong, {}, scan.size, lines.lineNumber()};
        if (line->trimmed().isEmpty())
            continue; // blank lines between components are common, though not allowed
        switch (where) {
        case Where::Before:
        case Where::After:
            if (marker(*line, "BEGIN") == "VCALENDAR")
                where = Where::InCalendar;
            else if (where == Where::Before)
                return {IcsFault::NotCalendar, {}, scan.size};
            break;
        case Where::InCalendar:
            if (marker(*line, "END") == "VCALENDAR") {
                where = Where::After;
            } else if (QByteArray begun = marker(*line, "BEGIN"); !begun.isEmpty()) {
                name = std::move(begun);
                text = *line + "\r\n";
                depth = 1;
                where = Where::InComponent;
            }
            break;
        case Where::InComponent:
            text += *line + "\r\n";
            if (!marker(*line, "BEGIN").isEmpty()) {
                if (++depth > MaxCalendarDepth)
                    return {IcsFault::TooDeep, {}, scan.size, lines.lineNumber()};
            } else if (!marker(*line, "END").isEmpty() && --depth == 0) {
                take(name, text);
                text.clear();
                where = Where::InCalendar;
            }
            break;
        }
    }
    if (file.error() != QFileDevice::NoError) {
        scan.fault = IcsFault::Unreadable;
        scan.error = file.errorString();
    } else if (where == Where::Before) {
        scan.fault = IcsFault::NotCalendar;
    } else if (where != Where::After) {
        scan.fault = IcsFault::Truncated;
    }
    return scan;
}

} // namespace velkor::interop
