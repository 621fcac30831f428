#include "interop/vcard_reader.h"

#include "interop/vcard_text.h"
#include "support/legacy_text.h"

#include <QHash>
#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <optional>
#include <vector>

namespace velkor::interop {

namespace {

// The physical lines of the file, one ahead, without their line ends (CR LF, LF, and the CR CR LF some
// phones write). A line longer than a value may be comes back cut short and marked; its rest is read past,
// so a line of any length costs no more memory than that.
class Lines {
public:
    explicit Lines(QIODevice& device) : m_device(device), m_buffer(size_t(MaxVCardValueBytes) + 2) {
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

struct Param {
    QByteArray name; // upper case; empty for a bare word of vCard 2.1 ("TEL;CELL;PREF:")
    QByteArray value;
};

// One logical line: its folds and quoted-printable soft breaks joined.
struct Property {
    QByteArray group;
    QByteArray name; // upper case; empty for a line that is no property
    QList<Param> params;
    QByteArray value; // only for the properties the directory uses
    int line = 0;
    bool overlong = false;
};

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

QByteArray paramValue(const Property& p, const char* name) {
    for (const Param& param : p.params) {
        if (param.name == name)
            return param.value;
    }
    return {};
}

bool isUsed(const QByteArray& name) {
    static const QList<QByteArray> used{"BEGIN", "END", "FN",  "N",     "ORG",
                                        "EMAIL", "TEL", "ADR", "LABEL", "X-ABLABEL"};
    return used.contains(name);
}

// The next logical line; false at the end of the file. Values of properties the directory does not use
// are read past without being kept.
bool readProperty(Lines& lines, Property& p) {
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
    const bool kept = colon >= 0 && isUsed(p.name);
    const bool quotedPrintable = colon >= 0 && isQuotedPrintable(p);
    if (kept)
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
        if (kept && !p.overlong)
            p.value.append(piece);
        p.overlong = p.overlong || p.value.size() > MaxVCardValueBytes;
        lines.take();
    }
    if (p.overlong)
        p.value.clear();
    return true;
}

bool isWord(const QByteArray& value, const char* word) {
    return value.trimmed().compare(word, Qt::CaseInsensitive) == 0;
}

// The value as text: quoted-printable undone, then read in its CHARSET. Without one (or with UTF-8) the
// bytes are UTF-8 where they can be and the Turkish Windows code page where they cannot, as elsewhere in
// the program. nullopt for a charset nobody knows.
std::optional<QString> valueText(const Property& p) {
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

QStringList typeWords(const Property& p) {
    QStringList words;
    for (const Param& param : p.params) {
        if (param.name.isEmpty()) {
            // vCard 2.1 also writes its encodings bare.
            static const QList<QByteArray> notTypes{"QUOTED-PRINTABLE", "BASE64", "8BIT", "7BIT", "B"};
            if (!notTypes.contains(param.value.toUpper()))
                words.append(QString::fromUtf8(param.value).toLower());
        } else if (param.name == "TYPE") {
            for (const QByteArray& word : param.value.split(','))
                words.append(QString::fromUtf8(unquoted(word)).toLower());
        }
    }
    words.removeAll(QString());
    return words;
}

// The words worth showing: those that every phone or address would carry are left out.
QString kindOf(QStringList words) {
    static const QStringList said{QStringLiteral("pref"),     QStringLiteral("voice"),
                                  QStringLiteral("internet"), QStringLiteral("postal"),
                                  QStringLiteral("parcel"),   QStringLiteral("dom"),
                                  QStringLiteral("intl")};
    words.removeIf([](const QString& word) { return said.contains(word); });
    words.removeDuplicates();
    return words.join(QStringLiteral(", "));
}

int preferenceOf(const Property& p, const QStringList& words) {
    bool number = false;
    const int rank = paramValue(p, "PREF").toInt(&number);
    if (number && rank > 0)
        return rank;
    return words.contains(QStringLiteral("pref")) ? 1 : 0;
}

// Apple's own labels come wrapped: "_$!<Mobile>!$_".
QString labelText(QString label) {
    if (label.startsWith(QStringLiteral("_$!<")) && label.endsWith(QStringLiteral(">!$_")))
        label = label.mid(4, label.size() - 8);
    return label.trimmed();
}

// ADR: post office box, extended address, street, locality, region, postal code, country. One line each,
// the postal code before the town as in "34000 İstanbul".
QString addressText(const QString& value) {
    const QStringList parts = splitEscaped(value, u';');
    const auto part = [&](int i) { return i < parts.size() ? unescaped(parts.at(i)) : QString(); };
    QStringList lines{part(0), part(1), part(2), QStringList{part(5), part(3)}.join(u' ').trimmed(),
                      part(4), part(6)};
    lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    return lines.join(u'\n');
}

// N: family, given, additional, prefixes, suffixes; read as "Mr. John Richter James Doe Sr.".
QString nameText(const QString& value) {
    const QStringList parts = splitEscaped(value, u';');
    QStringList words;
    for (const int i : {3, 1, 2, 0, 4}) {
        if (i < parts.size()) {
            for (const QString& word : splitEscaped(parts.at(i), u','))
                words.append(unescaped(word).trimmed());
        }
    }
    words.removeAll(QString());
    return words.join(u' ');
}

// The card being read: the group labels of iPhone and Gmail cards (item1.TEL with item1.X-ABLabel) come
// anywhere in the card, so kinds are settled at its end.
class Card {
public:
    explicit Card(int line) { m_contact.line = line; }

    void add(const Property& p, const QString& text) {
        const QStringList words = typeWords(p);
        if (p.name == "FN") {
            if (m_contact.formattedName.isEmpty())
                m_contact.formattedName = unescaped(text);
        } else if (p.name == "N") {
            if (m_contact.name.isEmpty())
                m_contact.name = nameText(text);
        } else if (p.name == "ORG") {
            if (m_contact.organisation.isEmpty()) {
                QStringList units;
                for (const QString& unit : splitEscaped(text, u';'))
                    units.append(unescaped(unit).trimmed());
                units.removeAll(QString());
                m_contact.organisation = units.join(QStringLiteral(", "));
            }
        } else if (p.name == "EMAIL") {
            if (m_contact.email.isEmpty())
                m_contact.email = unescaped(text).trimmed();
        } else if (p.name == "TEL") {
            QString number = unescaped(text);
            if (number.startsWith(QStringLiteral("tel:"), Qt::CaseInsensitive))
                number.remove(0, 4);
            if (!number.isEmpty()) {
                m_contact.phones.append({number, kindOf(words), preferenceOf(p, words)});
                m_phoneGroups.append(p.group);
            }
        } else if (p.name == "ADR") {
            QString address = addressText(text);
            if (address.isEmpty()) // vCard 4.0 may give the printed form alone
                address = unescaped(QString::fromUtf8(paramValue(p, "LABEL")));
            if (!address.isEmpty()) {
                m_contact.addresses.append({address, kindOf(words)});
                m_addressGroups.append(p.group);
            }
        } else if (p.name == "LABEL") {
            const QString label = unescaped(text);
            if (!label.trimmed().isEmpty())
                m_labels.append({label, kindOf(words)});
        } else if (p.name == "X-ABLABEL" && !p.group.isEmpty()) {
            m_groupLabels.insert(p.group, labelText(unescaped(text)));
        }
    }

    VCardContact finish() {
        // A LABEL is the printed form of the ADR of its kind (Outlook writes both): the ADR holds every
        // part, the country too, so it is the one taken.
        for (const VCardAddress& label : std::as_const(m_labels)) {
            if (std::none_of(m_contact.addresses.cbegin(), m_contact.addresses.cend(),
                             [&](const VCardAddress& a) { return a.kind == label.kind; })) {
                m_contact.addresses.append(label);
                m_addressGroups.append(QByteArray());
            }
        }
        for (qsizetype i = 0; i < m_contact.phones.size(); ++i)
            relabel(m_contact.phones[i].kind, m_phoneGroups.at(i));
        for (qsizetype i = 0; i < m_contact.addresses.size(); ++i)
            relabel(m_contact.addresses[i].kind, m_addressGroups.at(i));
        return std::move(m_contact);
    }

private:
    void relabel(QString& kind, const QByteArray& group) const {
        const QString label = group.isEmpty() ? QString() : m_groupLabels.value(group);
        if (!label.isEmpty())
            kind = label;
    }

    VCardContact m_contact;
    QList<QByteArray> m_phoneGroups;
    QList<QByteArray> m_addressGroups;
    QList<VCardAddress> m_labels;
    QHash<QByteArray, QString> m_groupLabels;
};

} // namespace

VCardError readVCards(QIODevice& device, const std::function<bool(VCardContact&&)>& take) {
    Lines lines(device);
    Property p;
    int depth = 0; // a vCard 2.1 AGENT may hold a whole card of its own
    bool seen = false;
    std::optional<Card> card;
    while (readProperty(lines, p)) {
        const bool begin = p.name == "BEGIN" && isWord(p.value, "VCARD");
        const bool end = p.name == "END" && isWord(p.value, "VCARD");
        if (!seen && !begin)
            return {VCardProblem::NotVCard, p.line, {}};
        seen = true;
        if (begin) {
            if (depth++ == 0)
                card.emplace(p.line);
            continue;
        }
        if (end) {
            if (depth > 0 && --depth == 0 && !take(card->finish()))
                return {VCardProblem::Stopped, p.line, {}};
            continue;
        }
        if (depth != 1 || !isUsed(p.name))
            continue;
        if (p.overlong)
            return {VCardProblem::ValueTooLong, p.line, {}};
        const std::optional<QString> text = valueText(p);
        if (!text)
            return {VCardProblem::UnknownCharset, p.line, QString::fromUtf8(paramValue(p, "CHARSET"))};
        card->add(p, *text);
    }
    if (!seen)
        return {VCardProblem::NotVCard, 0, {}};
    if (depth > 0)
        return {VCardProblem::Truncated, card->finish().line, {}};
    return {};
}

} // namespace velkor::interop
