#include "sync/dav_xml.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace velkor::sync {

QString qualified(const char* ns, const char* local) {
    return u'{' + QLatin1String(ns) + u'}' + QLatin1String(local);
}

namespace {

QString nameOf(const QXmlStreamReader& xml) {
    return u'{' + xml.namespaceUri().toString() + u'}' + xml.name().toString();
}

bool is(const QXmlStreamReader& xml, const char* ns, const char* local) {
    return xml.namespaceUri() == QLatin1String(ns) && xml.name() == QLatin1String(local);
}

// Reads one property element up to its end.
DavProperty readProperty(QXmlStreamReader& xml) {
    DavProperty property;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (is(xml, DavNs, "href")) {
                property.hrefs.append(xml.readElementText(QXmlStreamReader::IncludeChildElements).toUtf8());
                --depth;
                break;
            }
            property.children.append(nameOf(xml));
            if (const auto name = xml.attributes().value(QLatin1String("name")); !name.isEmpty())
                property.componentNames.append(name.toString().toUpper());
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            if (depth == 1)
                property.text += xml.text();
            break;
        default:
            break;
        }
    }
    return property;
}

void readPropstat(QXmlStreamReader& xml, DavResponse& response) {
    QHash<QString, DavProperty> props;
    int status = 200;
    while (xml.readNextStartElement()) {
        if (is(xml, DavNs, "prop")) {
            while (xml.readNextStartElement()) {
                const QString name = nameOf(xml);
                props.insert(name, readProperty(xml));
            }
        } else if (is(xml, DavNs, "status")) {
            status = statusCode(xml.readElementText());
        } else {
            xml.skipCurrentElement();
        }
    }
    if (status == 200)
        response.found.insert(props);
}

} // namespace

int statusCode(QStringView line) {
    const auto parts = line.trimmed().split(u' ');
    return parts.size() >= 2 ? parts[1].toInt() : 0;
}

Multistatus parseMultistatus(const QByteArray& body) {
    Multistatus result;
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || !is(xml, DavNs, "multistatus"))
        return result;
    while (xml.readNextStartElement()) {
        if (is(xml, DavNs, "sync-token")) {
            result.syncToken = xml.readElementText().trimmed();
        } else if (is(xml, DavNs, "response")) {
            DavResponse response;
            while (xml.readNextStartElement()) {
                if (is(xml, DavNs, "href"))
                    response.href = xml.readElementText().trimmed().toUtf8();
                else if (is(xml, DavNs, "status"))
                    response.status = statusCode(xml.readElementText());
                else if (is(xml, DavNs, "propstat"))
                    readPropstat(xml, response);
                else
                    xml.skipCurrentElement();
            }
            result.responses.append(std::move(response));
        } else {
            xml.skipCurrentElement();
        }
    }
    result.valid = !xml.hasError();
    return result;
}

bool namesCondition(const QByteArray& body, const char* local) {
    QXmlStreamReader xml(body);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String(local))
            return true;
    }
    return false;
}

namespace {

struct Writer {
    QByteArray out;
    QXmlStreamWriter xml{&out};
    Writer() {
        xml.writeStartDocument();
        xml.writeNamespace(QLatin1String(DavNs), QStringLiteral("d"));
        xml.writeNamespace(QLatin1String(CalDavNs), QStringLiteral("c"));
        xml.writeNamespace(QLatin1String(CardDavNs), QStringLiteral("r"));
        xml.writeNamespace(QLatin1String(CalServerNs), QStringLiteral("cs"));
    }
    void start(const char* ns, const char* local) {
        xml.writeStartElement(QLatin1String(ns), QLatin1String(local));
    }
    void empty(const char* ns, const char* local) {
        xml.writeEmptyElement(QLatin1String(ns), QLatin1String(local));
    }
    void text(const char* ns, const char* local, const QString& value) {
        xml.writeTextElement(QLatin1String(ns), QLatin1String(local), value);
    }
    void end() { xml.writeEndElement(); }
    QByteArray done() {
        xml.writeEndDocument();
        return out;
    }
};

} // namespace

QByteArray propfindBody(const QList<QPair<const char*, const char*>>& properties) {
    Writer w;
    w.start(DavNs, "propfind");
    w.start(DavNs, "prop");
    for (const auto& [ns, local] : properties)
        w.empty(ns, local);
    w.end();
    w.end();
    return w.done();
}

QByteArray syncCollectionBody(const QString& token) {
    Writer w;
    w.start(DavNs, "sync-collection");
    w.text(DavNs, "sync-token", token);
    w.text(DavNs, "sync-level", QStringLiteral("1"));
    w.start(DavNs, "prop");
    w.empty(DavNs, "getetag");
    w.end();
    w.end();
    return w.done();
}

QByteArray multigetBody(bool calendar, const QList<QByteArray>& hrefs) {
    Writer w;
    const char* ns = calendar ? CalDavNs : CardDavNs;
    w.start(ns, calendar ? "calendar-multiget" : "addressbook-multiget");
    w.start(DavNs, "prop");
    w.empty(DavNs, "getetag");
    w.empty(ns, calendar ? "calendar-data" : "address-data");
    w.end();
    for (const QByteArray& href : hrefs)
        w.text(DavNs, "href", QString::fromUtf8(href));
    w.end();
    return w.done();
}

QByteArray mkcalendarBody(const QString& name, const QStringList& components) {
    Writer w;
    w.start(CalDavNs, "mkcalendar");
    w.start(DavNs, "set");
    w.start(DavNs, "prop");
    w.text(DavNs, "displayname", name);
    w.start(CalDavNs, "supported-calendar-component-set");
    for (const QString& component : components) {
        w.empty(CalDavNs, "comp");
        w.xml.writeAttribute(QStringLiteral("name"), component);
    }
    w.end();
    w.end();
    w.end();
    w.end();
    return w.done();
}

QByteArray mkAddressbookBody(const QString& name) {
    Writer w;
    w.start(DavNs, "mkcol");
    w.start(DavNs, "set");
    w.start(DavNs, "prop");
    w.start(DavNs, "resourcetype");
    w.empty(DavNs, "collection");
    w.empty(CardDavNs, "addressbook");
    w.end();
    w.text(DavNs, "displayname", name);
    w.end();
    w.end();
    w.end();
    return w.done();
}

} // namespace velkor::sync
