#include "core/interop/vcard_mapping.h"

#include "core/interop/vcard_text.h"

#include <algorithm>
#include <limits>

namespace velkor::interop {

namespace {

// A name and a number are one line each in the directory, whichever property they came from.
QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

QString withKind(const QString& kind, const QString& text) {
    return kind.isEmpty() ? text : QStringLiteral("(%1) %2").arg(kind, text);
}

} // namespace

std::optional<directory::DirRecord> directoryEntryOf(const VCardContact& contact) {
    const auto chosen = std::min_element(
        contact.phones.cbegin(), contact.phones.cend(), [](const VCardPhone& a, const VCardPhone& b) {
            // Unranked numbers come after every ranked one; the first of equals wins.
            const auto rank = [](int p) { return p > 0 ? p : std::numeric_limits<int>::max(); };
            return rank(a.preference) < rank(b.preference);
        });
    directory::DirRecord entry;
    if (chosen != contact.phones.cend())
        entry.tel = oneLine(chosen->number);
    for (const QString& name :
         {contact.formattedName, contact.name, contact.organisation, contact.email, entry.tel}) {
        if (!name.trimmed().isEmpty()) {
            entry.name = oneLine(name);
            break;
        }
    }
    if (entry.name.isEmpty())
        return std::nullopt;

    QStringList lines;
    for (const VCardAddress& address : contact.addresses)
        lines.append(withKind(address.kind, address.text));
    for (auto phone = contact.phones.cbegin(); phone != contact.phones.cend(); ++phone) {
        if (phone != chosen)
            lines.append(QStringLiteral("Tel: ") + withKind(phone->kind, phone->number));
    }
    entry.address = lines.join(u'\n');
    return entry;
}

QByteArray vCardOf(const directory::DirRecord& entry) {
    QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    const QString name = escaped(entry.name);
    card += folded(QStringLiteral("FN:") + name);
    card += folded(QStringLiteral("N:") + name + QStringLiteral(";;;;"));
    if (!entry.tel.isEmpty())
        card += folded(QStringLiteral("TEL:") + escaped(entry.tel));
    if (!entry.address.isEmpty()) {
        const QString address = escaped(entry.address);
        card += folded(QStringLiteral("ADR:;;") + address + QStringLiteral(";;;;"));
        card += folded(QStringLiteral("LABEL:") + address);
    }
    card += "END:VCARD\r\n";
    return card;
}

} // namespace velkor::interop
