#include "interop/calendar_text.h"
#include "interop/calendar_transfer.h"
#include "interop/ical_handles.h"
#include "interop/ics_reader.h"

#include "diary/diary_store.h"
#include "plans/plan_store.h"
#include "support/link_target.h"
#include "support/record_file.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QUrl>

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

diary::DiaryEntry datedEntry(diary::DiaryEntry entry, const QDate& date) {
    entry.day = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
    entry.month = QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
    entry.year = QString::number(date.year());
    return entry;
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

QString entryKey(const diary::DiaryEntry& e) {
    return QStringList{e.day, e.month, e.year, e.subject, e.content}.join(QChar(0));
}

// Everything a file brings, read before anything is stored.
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

QString faultText(const IcsScan& scan, const QString& file, Language language) {
    switch (scan.fault) {
    case IcsFault::Unreadable:
        return lang::transfer::unreadable(language, file, scan.error);
    case IcsFault::TooLarge:
        return lang::transfer::tooLarge(language, file, scan.size, MaxCalendarBytes);
    case IcsFault::NotCalendar:
        return lang::transfer::notCalendar(language, file);
    case IcsFault::Truncated:
        return lang::transfer::truncated(language, file);
    case IcsFault::None:
        break;
    }
    return {};
}

} // namespace

CalendarImport importCalendarFile(const QString& file, AppContext& context) {
    const Language language = context.state.language;
    CalendarImport outcome;
    const auto fail = [&](const QString& text) {
        outcome.result = {false, text};
        return outcome;
    };
    Reading reading;
    const IcsScan scan = scanCalendarFile(
        file, [&reading](const QByteArray& name, const QByteArray& text) { reading.take(name, text); });
    if (scan.fault != IcsFault::None)
        return fail(faultText(scan, file, language));
    if (!reading.unknownCharset.isEmpty())
        return fail(
            lang::transfer::unknownCharset(language, file, QString::fromLatin1(reading.unknownCharset)));

    const plans::PlanStore planStore(context.dataFile(QStringLiteral("myfile.kyt")));
    const auto existingPlans = planStore.readPlans();
    if (!existingPlans.ok())
        return fail(lang::transfer::nothingImported(language, existingPlans.error));
    QSet<PlanRecord> present(existingPlans.value.cbegin(), existingPlans.value.cend());
    QList<PlanRecord> newPlans;
    for (const ReadEvent& event : reading.events) {
        if (event.leftOut) {
            outcome.leftOut.append({startText(event.start), event.summary, *event.leftOut});
            continue;
        }
        const PlanRecord plan = planOf(event, reading.zones);
        if (present.contains(plan)) {
            ++outcome.alreadyThere;
            continue;
        }
        present.insert(plan);
        newPlans.append(plan);
    }

    const diary::DiaryStore diary(context.dataDir);
    const auto existingEntries = diary.readEntries();
    if (!existingEntries.ok())
        return fail(lang::transfer::nothingImported(language, existingEntries.error));
    QSet<QString> entriesThere;
    for (const diary::DiaryEntry& entry : existingEntries.value)
        entriesThere.insert(entryKey(entry));
    QList<diary::EntryWithFiles> newEntries;
    for (ReadJournal& journal : reading.journals) {
        diary::EntryWithFiles& added = journal.added;
        if (!journal.typedDate) {
            const QDate date =
                journal.start.present
                    ? (journal.start.time.is_date
                           ? QDate(journal.start.time.year, journal.start.time.month, journal.start.time.day)
                           : reading.zones.local(journal.start).date())
                    : context.clock->now().date();
            added.entry = datedEntry(added.entry, date);
        }
        // Entries the diary held before are not added again; two alike in the file are two entries.
        if (entriesThere.contains(entryKey(added.entry))) {
            ++outcome.alreadyThere;
            continue;
        }
        newEntries.append(std::move(added));
    }

    // The plans go first, their file kept as it was so that a diary that will not take its entries
    // leaves no plan of this import behind.
    const QString planFile = planStore.path();
    const bool planFileExisted = QFile::exists(planFile);
    QByteArray planBytes;
    if (planFileExisted) {
        QFile before(planFile);
        if (!before.open(QIODevice::ReadOnly))
            return fail(lang::transfer::nothingImported(language, before.errorString()));
        planBytes = before.readAll();
    }
    if (const IoResult added = planStore.addPlans(newPlans); !added)
        return fail(lang::transfer::nothingImported(language, added.error));
    if (const auto added = diary.addEntries(newEntries); !added.ok()) {
        if (!newPlans.isEmpty()) {
            if (planFileExisted)
                rewriteRecordFile(planFile, planBytes);
            else
                QFile::remove(pathToWrite(planFile).value); // the linked file, never the link
        }
        return fail(lang::transfer::nothingImported(language, added.error));
    }
    outcome.plansAdded = int(newPlans.size());
    outcome.entriesAdded = int(newEntries.size());
    outcome.result = {true, lang::transfer::imported(language, outcome.plansAdded, outcome.entriesAdded,
                                                     int(outcome.leftOut.size()), outcome.alreadyThere)};
    return outcome;
}

TransferResult importCalendar(const QString& file, AppContext& context) {
    return importCalendarFile(file, context).result;
}

} // namespace velkor::interop
