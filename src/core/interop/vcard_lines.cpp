#include "core/interop/vcard_lines.h"

#include "core/base/legacy_text.h"

#include <QIODevice>
#include <QStringDecoder>

#include <vector>

namespace velkor::interop {

// The physical lines of the file, one ahead, without their line ends (CR LF, LF, and the CR CR LF some
// phones write). A line longer than a value may be comes back cut short and marked; its rest is read past,
// so a line of any length costs no more memory than that.
class VCardLines::Physical {
public:
    explicit Physical(QIODevice& device) : m_device(device), m_buffer(size_t(MaxVCardValueBytes) + 2) {
        load();
        if (m_next.startsWith("\xEF\xBB\xBF"))
            m_next.remove(0, 3);
    }
    bool has() const { return m_has; }
    const QByteArray& next() const { return m_next; }
    bool nextOverlong() const { return m_overlong; }
    int nextNumber() const { return m_taken + 1; }
    void take() {
        ++m_taken;
        load();
    }

private:
    qint64 readPiece() { return m_device.readLine(m_buffer.data(), qint64(m_buffer.size())); }

    void load() {
        m_overlong = false;
        const qint64 got = readPiece();
        m_has = got > 0;
        m_next = m_has ? QByteArray(m_buffer.data(), got) : QByteArray();
        if (m_has && !m_next.endsWith('\n') && !m_device.atEnd()) {
            m_overlong = true;
            for (qint64 rest = readPiece(); rest > 0 && m_buffer[size_t(rest) - 1] != '\n';)
                rest = readPiece();
        }
        while (m_next.endsWith('\n') || m_next.endsWith('\r'))
            m_next.chop(1);
    }

    QIODevice& m_device;
    std::vector<char> m_buffer;
    QByteArray m_next;
    bool m_has = false;
    bool m_overlong = false;
    int m_taken = 0;
};

namespace {

using Lines = VCardLines::Physical;
using Param = VCardParam;
using Property = VCardProperty;

bool isFold(const QByteArray& line) {
    return !line.isEmpty() && (line.front() == ' ' || line.front() == '\t');
}

// Splits at `separator` outside double quotes (a parameter may quote a colon: GEO="geo:51.5,0.1").
QList<QByteArray> splitUnquoted(const QByteArray& text, char separator, qsizetype* end = nullptr) {
    QList<QByteArray> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (!quoted && text[i] == separator) {
            parts.append(text.mid(start, i - start));
            start = i + 1;
            if (end) {
                *end = i;
                return parts;
            }
        }
    }
    parts.append(text.mid(start));
    return parts;
}

qsizetype unquotedColon(const QByteArray& text) {
    qsizetype colon = -1;
    splitUnquoted(text, ':', &colon);
    return colon;
}

QByteArray unquoted(QByteArray value) {
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        return value.mid(1, value.size() - 2);
    return value;
}

void parseHead(const QByteArray& head, Property& p) {
    QList<QByteArray> pieces = splitUnquoted(head, ';');
    const QByteArray name = pieces.takeFirst().trimmed();
    const qsizetype dot = name.lastIndexOf('.');
    p.group = dot < 0 ? QByteArray() : name.left(dot).toUpper();
    p.name = name.mid(dot + 1).toUpper();
    for (const QByteArray& piece : std::as_const(pieces)) {
        const qsizetype equals = piece.indexOf('=');
        if (equals < 0)
            p.params.append({{}, piece.trimmed()});
        else
            p.params.append({piece.left(equals).trimmed().toUpper(), unquoted(piece.mid(equals + 1))});
    }
}

bool isQuotedPrintable(const Property& p) {
    for (const Param& param : p.params) {
        if ((param.name.isEmpty() || param.name == "ENCODING") &&
            param.value.compare("QUOTED-PRINTABLE", Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The next logical line; false at the end of the file. Values of properties the directory does not use
// are read past without being kept.
bool readProperty(Lines& lines, const QList<QByteArray>& kept, Property& p) {
    constexpr qsizetype MaxHead = 4096;
    while (lines.has() && (lines.next().trimmed().isEmpty() || isFold(lines.next())))
        lines.take(); // blank lines, and folds left from a line that was no property
    if (!lines.has())
        return false;
    p = {};
    p.line = lines.nextNumber();
    p.overlong = lines.nextOverlong();
    QByteArray head = lines.next();
    lines.take();
    qsizetype colon = unquotedColon(head);
    while (colon < 0 && lines.has() && isFold(lines.next()) && head.size() < MaxHead) {
        head += lines.next().mid(1);
        lines.take();
        colon = unquotedColon(head);
    }
    if (colon >= 0)
        parseHead(head.left(colon), p);
    const bool keep = colon >= 0 && kept.contains(p.name);
    const bool quotedPrintable = colon >= 0 && isQuotedPrintable(p);
    if (keep)
        p.value = head.mid(colon + 1);
    bool softBreak = quotedPrintable && head.endsWith('=');
    while (lines.has()) {
        const QByteArray& next = lines.next();
        QByteArrayView piece;
        if (softBreak) {
            p.value.chop(1);
            piece = next;
        } else if (isFold(next)) {
            piece = QByteArrayView(next).sliced(1);
        } else {
            break;
        }
        softBreak = quotedPrintable && piece.endsWith('=');
        p.overlong = p.overlong || lines.nextOverlong();
        if (keep && !p.overlong)
            p.value.append(piece);
        p.overlong = p.overlong || p.value.size() > MaxVCardValueBytes;
        lines.take();
    }
    if (p.overlong)
        p.value.clear();
    return true;
}

} // namespace

VCardLines::VCardLines(QIODevice& device, QList<QByteArray> kept)
    : m_lines(std::make_unique<Physical>(device)), m_kept(std::move(kept)) {}

VCardLines::~VCardLines() = default;

bool VCardLines::next(VCardProperty& property) {
    return readProperty(*m_lines, m_kept, property);
}

QByteArray paramValue(const VCardProperty& p, const char* name) {
    for (const Param& param : p.params) {
        if (param.name == name)
            return param.value;
    }
    return {};
}

bool isWord(const QByteArray& value, const char* word) {
    return value.trimmed().compare(word, Qt::CaseInsensitive) == 0;
}

std::optional<QString> valueText(const VCardProperty& p) {
    const QByteArray bytes = isQuotedPrintable(p) ? QByteArray::fromPercentEncoding(p.value, '=') : p.value;
    const QByteArray charset = paramValue(p, "CHARSET");
    QString text;
    if (charset.isEmpty() || isWord(charset, "UTF-8") || isWord(charset, "UTF8")) {
        text = decodeStoredText(bytes);
    } else {
        QStringDecoder decoder(charset.constData());
        if (!decoder.isValid())
            return std::nullopt;
        text = decoder.decode(bytes);
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace velkor::interop
