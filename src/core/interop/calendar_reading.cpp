#include "core/interop/calendar_reading.h"
#include "core/interop/calendar_objects.h"

#include "core/interop/calendar_text.h"
#include "core/interop/ical_handles.h"

#include <QDataStream>
#include <QHash>
#include <QUrl>

#include <map>

namespace velkor::interop {

namespace {

using lang::transfer::LeftOut;
using plans::PlanRecord;

// A start as the file gives it; its zone is looked up once every VTIMEZONE of the file has been read.
struct Start {
    icaltimetype time = icaltime_null_time();
    QByteArray tzid;
    bool present = false;
};

struct ReadEvent {
    QString summary;
    QString description;
    Start start;
    std::optional<LeftOut> leftOut;
};

struct ReadJournal {
    diary::EntryWithFiles added;
    Start start;
    bool typedDate = false; // the entry's own date texts came with it
};

Start startOf(icalcomponent* component) {
    Start start;
    if (icalproperty* dtstart = icalcomponent_get_first_property(component, ICAL_DTSTART_PROPERTY)) {
        start.time = icalproperty_get_dtstart(dtstart);
        start.tzid = tzidOf(dtstart);
        // libical's parser takes any two digits for a day or an hour ("20260359T254500"): no date anyone
        // meant.
        const icaltimetype& t = start.time;
        start.present = !icaltime_is_null_time(t) && icaltime_is_valid_time(t) &&
                        QDate(t.year, t.month, t.day).isValid() &&
                        (t.is_date || QTime(t.hour, t.minute).isValid());
    }
    return start;
}

bool listed(const short* values, int size) {
    return size > 0 && values[0] != ICAL_RECURRENCE_ARRAY_MAX;
}

// True when every value of the list is `only` (or the list is empty).
template <int Size> bool onlyValue(const short (&values)[Size], int only) {
    for (int i = 0; i < Size && values[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        if (values[i] != only)
            return false;
    }
    return true;
}

// Why the event is no yearly plan, or nothing when it falls on the same day every year for ever.
std::optional<LeftOut> notAPlan(icalcomponent* event, const Start& start) {
    if (icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY))
        return LeftOut::Occurrence;
    if (!start.present)
        return LeftOut::NoDate;
    icalproperty* rrule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!rrule)
        return LeftOut::OneOff;
    const icalrecurrencetype rule = icalproperty_get_rrule(rrule);
    switch (rule.freq) {
    case ICAL_YEARLY_RECURRENCE:
        break;
    case ICAL_MONTHLY_RECURRENCE:
        return LeftOut::Monthly;
    case ICAL_WEEKLY_RECURRENCE:
        return LeftOut::Weekly;
    case ICAL_NO_RECURRENCE:
        return LeftOut::OneOff;
    default:
        return LeftOut::Daily;
    }
    if (rule.interval > 1)
        return LeftOut::YearlyNotEvery;
    if (rule.count > 0 || !icaltime_is_null_time(rule.until))
        return LeftOut::YearlyEnding;
    if (listed(rule.by_day, ICAL_BY_DAY_SIZE) || listed(rule.by_year_day, ICAL_BY_YEARDAY_SIZE) ||
        listed(rule.by_week_no, ICAL_BY_WEEKNO_SIZE) || listed(rule.by_set_pos, ICAL_BY_SETPOS_SIZE) ||
        !onlyValue(rule.by_month, start.time.month) || !onlyValue(rule.by_month_day, start.time.day))
        return LeftOut::YearlyMoving;
    return std::nullopt;
}

QString startText(const Start& start) {
    if (!start.present)
        return {};
    const QString date = QStringLiteral("%1-%2-%3")
                             .arg(start.time.year, 4, 10, QLatin1Char('0'))
                             .arg(start.time.month, 2, 10, QLatin1Char('0'))
                             .arg(start.time.day, 2, 10, QLatin1Char('0'));
    if (start.time.is_date)
        return date;
    return date + QStringLiteral(" %1:%2")
                      .arg(start.time.hour, 2, 10, QLatin1Char('0'))
                      .arg(start.time.minute, 2, 10, QLatin1Char('0'));
}

// The file's VTIMEZONEs by TZID; a name the file does not define is looked up among libical's zones.
class ZoneBook {
public:
    void add(icalcomponent* definition) {
        Zone zone(icaltimezone_new());
        // The zone takes the component, but only when it accepts it (a definition without a TZID it does
        // not).
        icalcomponent* copy = icalcomponent_new_clone(definition);
        if (icaltimezone_set_component(zone.get(), copy))
            m_zones.emplace(QByteArray(icaltimezone_get_tzid(zone.get())), std::move(zone));
        else
            icalcomponent_free(copy);
    }

    // Local date and time of a start; a floating time is local already, so is one in an unknown zone.
    QDateTime local(const Start& start) const {
        const icaltimetype& t = start.time;
        icaltimezone* zone = icaltime_is_utc(t) ? icaltimezone_get_utc_timezone() : find(start.tzid);
        if (!zone)
            return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
        return QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(t, zone));
    }

private:
    icaltimezone* find(const QByteArray& tzid) const {
        if (tzid.isEmpty())
            return nullptr;
        if (const auto it = m_zones.find(tzid); it != m_zones.end())
            return it->second.get();
        // Some programs prefix the zone's name with their own ("/mozilla.org/20050126_1/Europe/London").
        for (QByteArray name = tzid; !name.isEmpty(); name = name.mid(name.indexOf('/') + 1)) {
            if (icaltimezone* builtin = icaltimezone_get_builtin_timezone(name.constData()))
                return builtin;
            if (!name.contains('/'))
                break;
        }
        return nullptr;
    }

    std::map<QByteArray, Zone> m_zones;
};

// A plan from a yearly event: its day and month where the user lives, the time down to its half-hour slot
// with the exact time kept at the start of the text when it differs. Midnight is no slot: such a plan has
// no time and keeps its exact time in the text.
PlanRecord planOf(const ReadEvent& event, const ZoneBook& zones) {
    const QString text = joinedText(event.summary, event.description);
    const icaltimetype& t = event.start.time;
    if (t.is_date)
        return {t.month, t.day, plans::NoHour, 0, plans::quoteSafe(text)};
    const QDateTime local = zones.local(event.start);
    const QTime time = local.time();
    const int slot = (time.hour() * 60 + time.minute()) / 30;
    PlanRecord plan{local.date().month(), local.date().day(), plans::NoHour, 0, text};
    if (slot > 0) {
        plan.hour = slot / 2;
        plan.minute = slot % 2 * 30;
    }
    if (slot == 0 || time != QTime(plan.hour, plan.minute))
        plan.text = time.toString(QStringLiteral("HH:mm")) + (text.isEmpty() ? QString() : u' ' + text);
    plan.text = plans::quoteSafe(plan.text);
    return plan;
}

QStringList attachedFiles(icalcomponent* journal) {
    QStringList files;
    for (icalproperty* p = icalcomponent_get_first_property(journal, ICAL_ATTACH_PROPERTY); p;
         p = icalcomponent_get_next_property(journal, ICAL_ATTACH_PROPERTY)) {
        icalattach* attach = icalproperty_get_attach(p);
        // Only links to files: the diary keeps paths, never the files themselves.
        if (!attach || !icalattach_get_is_url(attach))
            continue;
        const QString path = pathOfUri(QByteArray(icalattach_get_url(attach)));
        if (!path.isEmpty() && !files.contains(path))
            files.append(path);
    }
    return files;
}

// libical drops the blanks that open a value; a text may begin with them, so they are taken from the
// component's own line of that property (not from a nested alarm's).
QString withLeadingBlanks(const QByteArray& text, const QByteArray& name, const QString& value) {
    int depth = 0;
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray upper = line.left(16).toUpper();
        if (upper.startsWith("BEGIN:"))
            ++depth;
        else if (upper.startsWith("END:"))
            --depth;
        if (depth != 1 || !upper.startsWith(name) ||
            (line.size() > name.size() && line[name.size()] != ':' && line[name.size()] != ';'))
            continue;
        bool quoted = false;
        for (qsizetype i = name.size(); i < line.size(); ++i) {
            if (line[i] == '"')
                quoted = !quoted;
            if (line[i] != ':' || quoted)
                continue;
            qsizetype blanks = 0;
            while (i + 1 + blanks < line.size() &&
                   (line[i + 1 + blanks] == ' ' || line[i + 1 + blanks] == '\t'))
                ++blanks;
            const QString opening = QString::fromLatin1(line.sliced(i + 1, blanks));
            return value.startsWith(opening) ? value : opening + value;
        }
        break;
    }
    return value;
}

struct Reading {
    QList<ReadEvent> events;
    QList<ReadJournal> journals;
    ZoneBook zones;
    QByteArray unknownCharset;

    void take(const QByteArray& name, const QByteArray& text) {
        if (name != "VEVENT" && name != "VJOURNAL" && name != "VTIMEZONE")
            return; // to-dos, free/busy and the rest are not kept
        const Component component(icalparser_parse_string(text.constData()));
        if (!component)
            return;
        icalcomponent* c = component.get();
        if (name == "VTIMEZONE")
            return zones.add(c);
        if (name == "VEVENT") {
            ReadEvent event{
                withLeadingBlanks(text, "SUMMARY", propertyText(c, ICAL_SUMMARY_PROPERTY, unknownCharset)),
                withLeadingBlanks(text, "DESCRIPTION",
                                  propertyText(c, ICAL_DESCRIPTION_PROPERTY, unknownCharset)),
                startOf(c),
                {}};
            event.leftOut = notAPlan(c, event.start);
            events.append(std::move(event));
            return;
        }
        ReadJournal journal;
        journal.added.entry.subject =
            withLeadingBlanks(text, "SUMMARY", propertyText(c, ICAL_SUMMARY_PROPERTY, unknownCharset));
        journal.added.entry.content = withLeadingBlanks(
            text, "DESCRIPTION", propertyText(c, ICAL_DESCRIPTION_PROPERTY, unknownCharset));
        journal.added.files = attachedFiles(c);
        journal.start = startOf(c);
        for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_X_PROPERTY); p;
             p = icalcomponent_get_next_property(c, ICAL_X_PROPERTY)) {
            const QStringList typed =
                QString::fromUtf8(icalproperty_get_x_name(p)) == QLatin1String("X-VELKOR-DATE")
                    ? QString::fromUtf8(icalproperty_get_x(p)).split(u'/')
                    : QStringList();
            if (typed.size() == 3) {
                journal.added.entry.day = typed[0];
                journal.added.entry.month = typed[1];
                journal.added.entry.year = typed[2];
                journal.typedDate = true;
            }
        }
        journals.append(std::move(journal));
    }
};

// A plan's hour and minute as the plan file can hold them: no time, or a half-hour slot.
bool isPlanTime(int hour, int minute) {
    return (hour == plans::NoHour && minute == 0) ||
           (hour >= 0 && hour < 24 && (minute == 0 || minute == 30));
}

enum class Tag : quint8 { Plan = 1, LeftOut, Journal, End };

} // namespace

diary::DiaryEntry datedEntry(diary::DiaryEntry entry, const QDate& date) {
    entry.day = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
    entry.month = QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
    entry.year = QString::number(date.year());
    return entry;
}

namespace {

// A journal entry dated by its start where it gave no date of its own in its text.
JournalRecord journalRecordOf(ReadJournal&& journal, const ZoneBook& zones) {
    JournalRecord record{std::move(journal.added), journal.typedDate || journal.start.present};
    if (!journal.typedDate && journal.start.present) {
        const icaltimetype& t = journal.start.time;
        record.added.entry = datedEntry(record.added.entry, t.is_date ? QDate(t.year, t.month, t.day)
                                                                      : zones.local(journal.start).date());
    }
    return record;
}

} // namespace

CalendarRecords readCalendarRecords(const QString& file) {
    CalendarRecords records;
    Reading reading;
    records.scan = scanCalendarFile(
        file, [&reading](const QByteArray& name, const QByteArray& text) { reading.take(name, text); });
    if (records.scan.fault != IcsFault::None)
        return records;
    records.unknownCharset = QString::fromLatin1(reading.unknownCharset);
    for (const ReadEvent& event : reading.events) {
        if (event.leftOut)
            records.leftOut.append({startText(event.start), event.summary, *event.leftOut});
        else
            records.plans.append(planOf(event, reading.zones));
    }
    for (ReadJournal& journal : reading.journals)
        records.journals.append(journalRecordOf(std::move(journal), reading.zones));
    return records;
}

CalendarObject readCalendarObject(const QByteArray& text) {
    CalendarObject object;
    // The same bounds as a file: libical is slow on huge lines and recurses on deep nesting.
    if (text.size() > MaxCalendarBytes)
        return object;
    int depth = 0;
    for (const QByteArray& line : text.split('\n')) {
        if (line.size() > MaxCalendarLineBytes)
            return object;
        const QByteArray upper = line.left(6).toUpper();
        depth += upper.startsWith("BEGIN:") ? 1 : upper.startsWith("END:") ? -1 : 0;
        if (depth > MaxCalendarDepth)
            return object;
    }
    const Component root(icalparser_parse_string(text.constData()));
    if (!root || icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT)
        return object;
    Reading reading;
    for (icalcomponent* c = icalcomponent_get_first_component(root.get(), ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(root.get(), ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind kind = icalcomponent_isa(c);
        // An occurrence moved on a phone belongs to its series: the series tells what the item is.
        if (kind != ICAL_VTIMEZONE_COMPONENT &&
            icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY))
            continue;
        if (object.uid.isEmpty() && kind != ICAL_VTIMEZONE_COMPONENT)
            object.uid = QByteArray(icalcomponent_get_uid(c));
        for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_ATTACH_PROPERTY);
             kind == ICAL_VJOURNAL_COMPONENT && p;
             p = icalcomponent_get_next_property(c, ICAL_ATTACH_PROPERTY)) {
            icalattach* attach = icalproperty_get_attach(p);
            if (!attach || icalattach_get_is_url(attach))
                continue;
            QString name;
            for (icalparameter* x = icalproperty_get_first_parameter(p, ICAL_X_PARAMETER); x;
                 x = icalproperty_get_next_parameter(p, ICAL_X_PARAMETER)) {
                if (QByteArray(icalparameter_get_xname(x)).toUpper() == "X-FILENAME")
                    name = QString::fromUtf8(icalparameter_get_xvalue(x));
            }
            const char* data = reinterpret_cast<const char*>(icalattach_get_data(attach));
            object.carried.append({name, QByteArray::fromBase64(QByteArray(data ? data : ""))});
        }
        const QByteArray name(icalcomponent_kind_to_string(kind));
        reading.take(name, componentText(c).replace("\r\n ", "").replace("\r\n\t", ""));
    }
    if (!reading.events.isEmpty()) {
        const ReadEvent& event = reading.events.first();
        if (event.leftOut)
            object.leftOut = LeftOutEvent{startText(event.start), event.summary, *event.leftOut};
        else
            object.plan = planOf(event, reading.zones);
    } else if (!reading.journals.isEmpty()) {
        object.journal = journalRecordOf(std::move(reading.journals.first()), reading.zones);
    }
    return object;
}

bool writeCalendarRecords(const CalendarRecords& records, foreign::FrameWriter& out) {
    bool written = true;
    for (const plans::PlanRecord& plan : records.plans)
        written = written && out.write([&](QDataStream& s) {
            s << Tag::Plan << plan.month << plan.day << plan.hour << plan.minute << plan.text;
        });
    for (const LeftOutEvent& event : records.leftOut)
        written = written && out.write([&](QDataStream& s) {
            s << Tag::LeftOut << event.start << event.summary << quint8(event.why);
        });
    for (const JournalRecord& journal : records.journals) {
        const diary::DiaryEntry& e = journal.added.entry;
        written = written && out.write([&](QDataStream& s) {
            s << Tag::Journal << e.subject << e.content << e.day << e.month << e.year << journal.added.files
              << journal.dated;
        });
    }
    return written && out.write([&](QDataStream& s) {
        s << Tag::End << quint8(records.scan.fault) << records.scan.error << records.scan.size
          << records.scan.line << records.unknownCharset;
    });
}

bool CalendarReceiver::take(const QByteArray& frame) {
    if (m_complete)
        return false;
    foreign::FrameIn received(frame);
    QDataStream& in = received.stream();
    switch (received.tag<Tag>()) {
    case Tag::Plan: {
        plans::PlanRecord plan;
        in >> plan.month >> plan.day >> plan.hour >> plan.minute >> plan.text;
        // Any day of the year, 29 February too.
        if (plan.month < 1 || plan.month > 12 || plan.day < 1 ||
            plan.day > QDate(2000, plan.month, 1).daysInMonth() || !isPlanTime(plan.hour, plan.minute))
            return false;
        plan.text = plans::quoteSafe(plan.text);
        records.plans.append(std::move(plan));
        break;
    }
    case Tag::LeftOut: {
        LeftOutEvent event;
        quint8 why = 0;
        in >> event.start >> event.summary >> why;
        if (why > quint8(lang::transfer::LeftOut::NoDate))
            return false;
        event.why = lang::transfer::LeftOut(why);
        records.leftOut.append(std::move(event));
        break;
    }
    case Tag::Journal: {
        JournalRecord journal;
        diary::DiaryEntry& e = journal.added.entry;
        in >> e.subject >> e.content >> e.day >> e.month >> e.year >> journal.added.files >> journal.dated;
        records.journals.append(std::move(journal));
        break;
    }
    case Tag::End: {
        quint8 fault = 0;
        in >> fault >> records.scan.error >> records.scan.size >> records.scan.line >> records.unknownCharset;
        if (fault > quint8(IcsFault::TooDeep))
            return false;
        records.scan.fault = IcsFault(fault);
        m_complete = true;
        break;
    }
    default:
        return false;
    }
    return received.whole();
}

} // namespace velkor::interop
