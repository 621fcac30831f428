#include "interop/ical_handles.h"

#include "support/legacy_text.h"

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
    if (charset.isEmpty() || charset.compare("UTF-8", Qt::CaseInsensitive) == 0)
        return decodeStoredText(QByteArrayView(text));
    QStringDecoder decoder(charset.constData());
    if (!decoder.isValid()) {
        unknownCharset = charset;
        return {};
    }
    return decoder.decode(QByteArrayView(text));
}

QByteArray tzidOf(icalproperty* property) {
    icalparameter* parameter = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char* tzid = parameter ? icalparameter_get_tzid(parameter) : nullptr;
    return QByteArray(tzid ? tzid : "");
}

} // namespace velkor::interop
