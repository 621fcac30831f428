#include "core/interop/calendar_objects.h"
#include "core/interop/calendar_text.h"
#include "core/interop/calendar_transfer.h"
#include "core/interop/ical_handles.h"

#include "core/diary/diary_store.h"
#include "core/plans/plan_store.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QTimeZone>
#include <QUrl>

namespace velkor::interop {

namespace {

using lang::transfer::LeftOut;
using plans::PlanRecord;

// Where timed plans stand: the local zone under its own name with its VTIMEZONE, UTC when that is the local
// zone, or floating local time when libical does not know the zone.
struct ExportZone {
    icaltimezone* zone = nullptr; // libical's, never freed
    Component definition;
    QByteArray tzid;
};

ExportZone localZone() {
    ExportZone local;
    const QTimeZone system = QTimeZone::systemTimeZone();
    if (!system.hasTransitions() && system.standardTimeOffset(QDateTime::currentDateTimeUtc()) == 0) {
        local.zone = icaltimezone_get_utc_timezone();
        return local;
    }
    const QByteArray id = QTimeZone::systemTimeZoneId();
    local.zone = id.isEmpty() ? nullptr : icaltimezone_get_builtin_timezone(id.constData());
    if (!local.zone)
        return local;
    local.definition.reset(icalcomponent_new_clone(icaltimezone_get_component(local.zone)));
    // libical prefixes its zones' names; other programs know the zone by its plain name.
    icalproperty_set_tzid(icalcomponent_get_first_property(local.definition.get(), ICAL_TZID_PROPERTY),
                          id.constData());
    local.tzid = id;
    return local;
}

QByteArray uidOf(const QString& key) {
    return QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex() + "@velkor";
}

icaltimetype dateOf(const QDate& date) {
    icaltimetype t = icaltime_null_date();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    return t;
}

icaltimetype utcStamp(const QDateTime& now) {
    return icaltime_from_timet_with_zone(now.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
}

void addText(icalcomponent* component, icalproperty* property, const QString& text) {
    if (!text.isEmpty())
        icalcomponent_add_property(component, property);
    else
        icalproperty_free(property);
}

bool timed(const PlanRecord& plan) {
    return plan.hour >= 0 && plan.hour <= 23 && plan.minute >= 0 && plan.minute <= 59;
}

// A plan as a yearly event starting this year; 29 February starts in the last leap year, so it recurs on
// leap days only. Nothing for a day no calendar has.
Component planEvent(const PlanRecord& plan, const QByteArray& uid, const ExportZone& local, int thisYear,
                    icaltimetype stamp) {
    int year = thisYear;
    while (plan.month == 2 && plan.day == 29 && !QDate::isLeapYear(year))
        --year;
    const QDate date(year, plan.month, plan.day);
    if (!date.isValid())
        return nullptr;
    Component event(icalcomponent_new_vevent());
    icalcomponent* e = event.get();
    icalcomponent_add_property(e, icalproperty_new_uid(uid.constData()));
    icalcomponent_add_property(e, icalproperty_new_dtstamp(stamp));
    icaltimetype start = dateOf(date);
    icaltimetype end = icaltime_add(start, icaldurationtype_from_int(24 * 3600));
    if (timed(plan)) {
        start.is_date = 0;
        start.hour = plan.hour;
        start.minute = plan.minute;
        start.second = 0;
        end = icaltime_add(start, icaldurationtype_from_int(30 * 60));
        // Wall-clock times named by TZID, except UTC, which libical writes with its Z.
        if (local.zone == icaltimezone_get_utc_timezone())
            start.zone = end.zone = local.zone;
    }
    icalproperty* dtstart = icalproperty_new_dtstart(start);
    icalproperty* dtend = icalproperty_new_dtend(end);
    if (local.definition && timed(plan)) {
        for (icalproperty* p : {dtstart, dtend})
            icalproperty_add_parameter(p, icalparameter_new_tzid(local.tzid.constData()));
    }
    icalcomponent_add_property(e, dtstart);
    icalcomponent_add_property(e, dtend);
    icalrecurrencetype yearly;
    icalrecurrencetype_clear(&yearly);
    yearly.freq = ICAL_YEARLY_RECURRENCE;
    icalcomponent_add_property(e, icalproperty_new_rrule(yearly));
    const QString text = planTextOut(plan.text);
    icalcomponent_add_property(e, icalproperty_new_summary(summaryOf(text).toUtf8().constData()));
    addText(e, icalproperty_new_description(text.toUtf8().constData()), text);
    if (!timed(plan))
        icalcomponent_add_property(e, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}

// The date as stored, when it is a real date written as the editor writes it.
std::optional<QDate> storedDate(const diary::DiaryEntry& entry) {
    if (entry.day.size() != 2 || entry.month.size() != 2 || entry.year.size() != 4)
        return std::nullopt;
    const QDate date = QDate::fromString(entry.year + entry.month + entry.day, QStringLiteral("yyyyMMdd"));
    return date.isValid() ? std::optional(date) : std::nullopt;
}

Component journalEntry(const diary::DiaryEntry& entry, const QByteArray& uid, icaltimetype stamp) {
    Component journal(icalcomponent_new_vjournal());
    icalcomponent* j = journal.get();
    icalcomponent_add_property(j, icalproperty_new_uid(uid.constData()));
    icalcomponent_add_property(j, icalproperty_new_dtstamp(stamp));
    if (const std::optional<QDate> date = storedDate(entry)) {
        icalcomponent_add_property(j, icalproperty_new_dtstart(dateOf(*date)));
    } else {
        // A date as typed that no calendar can hold travels beside, so it comes back as it was.
        icalproperty* typed = icalproperty_new_x(diary::entryDateText(entry).toUtf8().constData());
        icalproperty_set_x_name(typed, "X-VELKOR-DATE");
        icalcomponent_add_property(j, typed);
    }
    addText(j, icalproperty_new_summary(entry.subject.toUtf8().constData()), entry.subject);
    addText(j, icalproperty_new_description(entry.content.toUtf8().constData()), entry.content);
    return journal;
}

void attachLink(icalcomponent* journal, const QString& path) {
    const QByteArray uri = fileUri(path);
    // The property takes a reference of its own; ours goes when it is added.
    icalattach* attach = icalattach_new_from_url(uri.constData());
    icalcomponent_add_property(journal, icalproperty_new_attach(attach));
    icalattach_unref(attach);
}

} // namespace

QByteArray planObject(const PlanRecord& plan, const QByteArray& uid, const QDateTime& now) {
    const ExportZone local = localZone();
    const Component event = planEvent(plan, uid, local, now.date().year(), utcStamp(now));
    if (!event)
        return {};
    if (timed(plan)) {
        // Phones and mail programs ring at the plan's minute only for an alarm of the event's own.
        icalcomponent* alarm = icalcomponent_new_valarm();
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(
            alarm, icalproperty_new_description(summaryOf(planTextOut(plan.text)).toUtf8().constData()));
        icaltriggertype trigger{};
        trigger.time = icaltime_null_time();
        trigger.duration = icaldurationtype_null_duration();
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        icalcomponent_add_component(event.get(), alarm);
    }
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Velkor//Velkor " VELKOR_VERSION "//EN\r\n";
    if (local.definition && timed(plan))
        text += componentText(local.definition.get());
    text += componentText(event.get());
    return text + "END:VCALENDAR\r\n";
}

QByteArray journalObject(const diary::EntryWithFiles& entry, const QByteArray& uid, const QDateTime& now,
                         qint64 inlineLimit, QStringList* namedOnly) {
    const Component journal = journalEntry(entry.entry, uid, utcStamp(now));
    for (const QString& path : entry.files) {
        QFile file(path);
        if (file.size() > inlineLimit || !file.open(QIODevice::ReadOnly)) {
            attachLink(journal.get(), path);
            namedOnly->append(path);
            continue;
        }
        // Small files travel inside the entry, so another computer or a phone has them too.
        const QByteArray base64 = file.readAll().toBase64();
        icalattach* attach = icalattach_new_from_data(base64.constData(), nullptr, nullptr);
        icalproperty* property = icalproperty_new_attach(attach);
        icalattach_unref(attach);
        icalproperty_add_parameter(property, icalparameter_new_encoding(ICAL_ENCODING_BASE64));
        icalproperty_add_parameter(property, icalparameter_new_value(ICAL_VALUE_BINARY));
        icalparameter* name = icalparameter_new_x(QFileInfo(path).fileName().toUtf8().constData());
        icalparameter_set_xname(name, "X-FILENAME");
        icalproperty_add_parameter(property, name);
        icalcomponent_add_property(journal.get(), property);
    }
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Velkor//Velkor " VELKOR_VERSION "//EN\r\n" +
           componentText(journal.get()) + "END:VCALENDAR\r\n";
}

TransferResult exportCalendar(const QString& file, CoreContext& context) {
    const auto plans = plans::PlanStore(plans::planFileIn(context.dataDir)).readPlans();
    if (!plans.ok())
        return {false, lang::transfer::cannotWrite(file, plans.error)};
    const diary::DiaryStore diary(context.dataDir);
    const auto entries = diary.readEntries();
    if (!entries.ok())
        return {false, lang::transfer::cannotWrite(file, entries.error)};
    QHash<qint32, QStringList> links;
    const IoResult linked =
        diary.files().walk({{QStringLiteral("RecordNo"), QStringLiteral("FilePath")}, {}, {}},
                           [&](const db::RowView& row) { links[qint32(row.number(0))].append(row.text(1)); });
    if (!linked)
        return {false, lang::transfer::cannotWrite(file, linked.error)};

    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return {false, lang::transfer::cannotWrite(file, out.errorString())};
    const QDateTime now = context.clock->now();
    const icaltimetype stamp = utcStamp(now);
    const ExportZone local = localZone();
    bool written = out.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Velkor//Velkor " VELKOR_VERSION
                             "//EN\r\nCALSCALE:GREGORIAN\r\n") > 0;
    if (local.definition &&
        std::any_of(plans.value.cbegin(), plans.value.cend(), [](const PlanRecord& p) { return timed(p); }))
        written = written && out.write(componentText(local.definition.get())) > 0;

    int planCount = 0, undated = 0;
    QSet<PlanRecord> seen; // two identical plans are one event: a calendar holds each UID once
    for (const PlanRecord& plan : plans.value) {
        if (seen.contains(plan))
            continue;
        seen.insert(plan);
        const QString key =
            QStringLiteral("%1,%2,%3,%4,").arg(plan.month).arg(plan.day).arg(plan.hour).arg(plan.minute);
        const Component event = planEvent(plan, uidOf(key + plan.text), local, now.date().year(), stamp);
        if (!event) {
            ++undated;
            continue;
        }
        written = written && out.write(componentText(event.get())) > 0;
        ++planCount;
    }
    for (const diary::DiaryEntry& entry : entries.value) {
        const QString key = QStringLiteral("%1,%2,").arg(entry.recordNo).arg(diary::entryDateText(entry));
        const Component journal =
            journalEntry(entry, uidOf(key + entry.subject + u'\n' + entry.content), stamp);
        for (const QString& path : links.value(entry.recordNo))
            attachLink(journal.get(), path);
        written = written && out.write(componentText(journal.get())) > 0;
    }
    written = written && out.write("END:VCALENDAR\r\n") > 0;
    if (!written || !out.commit())
        return {false, lang::transfer::cannotWrite(file, out.errorString())};
    return {true, lang::transfer::exported(planCount, int(entries.value.size()), undated, file)};
}

} // namespace velkor::interop
