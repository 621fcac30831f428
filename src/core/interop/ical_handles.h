#pragma once

#include <libical/ical.h>

#include <QByteArray>
#include <QString>

#include <memory>

namespace velkor::interop {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
// A libical component this code owns.
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

struct ZoneFree {
    void operator()(icaltimezone* zone) const { icaltimezone_free(zone, 1); }
};
// A time zone made from a file's VTIMEZONE.
using Zone = std::unique_ptr<icaltimezone, ZoneFree>;

// The component as iCalendar text, its lines folded at 75 octets by libical.
QByteArray componentText(icalcomponent* component);

// A text value, unescaped. iCalendar is UTF-8; a value that is not (an old program's code page) is read
// as the program reads its own files, Turkish code page for the bytes that are not UTF-8. A CHARSET
// parameter, as vCalendar writers add, is followed when Qt knows it; otherwise its name goes to
// `unknownCharset` and the text is empty.
QString propertyText(icalcomponent* component, icalproperty_kind kind, QByteArray& unknownCharset);

// The TZID parameter's value, or empty.
QByteArray tzidOf(icalproperty* property);

} // namespace velkor::interop
