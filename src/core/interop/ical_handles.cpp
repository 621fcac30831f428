#include "core/interop/ical_handles.h"

#include "core/base/legacy_text.h"

#include <QStringDecoder>

#include <cstdlib>

namespace velkor::interop {

QByteArray componentText(icalcomponent* component) {
    char* text = icalcomponent_as_ical_string_r(component);
    QByteArray bytes(text);
    std::free(text);
    return bytes;
}

QString propertyText(icalcomponent* component, icalproperty_kind kind, QByteArray& unknownCharset) {
    icalproperty* property = icalcomponent_get_first_property(component, kind);
    if (!property)
        return {};
    const icalvalue* value = icalproperty_get_value(property);
    const char* text = value && icalvalue_isa(value) == ICAL_TEXT_VALUE ? icalvalue_get_text(value) : nullptr;
    if (!text)
        return {};
    const QByteArray charset = icalproperty_get_parameter_as_string(property, "CHARSET");
    QString decoded;
    if (charset.isEmpty() || charset.compare("UTF-8", Qt::CaseInsensitive) == 0) {
        decoded = decodeStoredText(QByteArrayView(text));
    } else {
        QStringDecoder decoder(charset.constData());
        if (!decoder.isValid()) {
            unknownCharset = charset;
            return {};
        }
        decoded = decoder.decode(QByteArrayView(text));
    }
    // A line break is LF in our texts; a stray CR would not survive the next export.
    return decoded.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
}

QByteArray tzidOf(icalproperty* property) {
    icalparameter* parameter = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char* tzid = parameter ? icalparameter_get_tzid(parameter) : nullptr;
    return QByteArray(tzid ? tzid : "");
}

} // namespace velkor::interop
