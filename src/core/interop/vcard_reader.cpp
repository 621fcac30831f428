#include "core/interop/vcard_reader.h"

#include "core/interop/vcard_lines.h"
#include "core/interop/vcard_text.h"

#include <QHash>

#include <algorithm>
#include <optional>

namespace velkor::interop {

namespace {

// The properties the directory uses; the rest of a card is read past.
const QList<QByteArray>& usedNames() {
    static const QList<QByteArray> used{"BEGIN", "END", "FN",  "N",     "ORG",
                                        "EMAIL", "TEL", "ADR", "LABEL", "X-ABLABEL"};
    return used;
}

QStringList typeWords(const VCardProperty& p) {
    QStringList words;
    for (const VCardParam& param : p.params) {
        if (param.name.isEmpty()) {
            // vCard 2.1 also writes its encodings bare.
            static const QList<QByteArray> notTypes{"QUOTED-PRINTABLE", "BASE64", "8BIT", "7BIT", "B"};
            if (!notTypes.contains(param.value.toUpper()))
                words.append(QString::fromUtf8(param.value).toLower());
        } else if (param.name == "TYPE") {
            for (const QByteArray& word : param.value.split(','))
                words.append(QString::fromUtf8(word).remove(u'"').trimmed().toLower());
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

int preferenceOf(const VCardProperty& p, const QStringList& words) {
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

    void add(const VCardProperty& p, const QString& text) {
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
    VCardLines lines(device, usedNames());
    VCardProperty p;
    int depth = 0; // a vCard 2.1 AGENT may hold a whole card of its own
    bool seen = false;
    std::optional<Card> card;
    while (lines.next(p)) {
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
        if (depth != 1 || !usedNames().contains(p.name))
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
