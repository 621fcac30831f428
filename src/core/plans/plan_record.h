#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringList>

#include <optional>

namespace velkor::plans {

// Hour of a plan that has no time of day.
constexpr int NoHour = 25;
// A plan's display line is cut to this many characters, so different plans can show the same line.
constexpr int PlanLineLength = 150;
constexpr int SlotCount = 48;

struct PlanRecord {
    int month = 0;
    int day = 0;
    int hour = NoHour;
    int minute = 0;
    QString text;

    bool hasTime() const { return hour != NoHour; }
    friend bool operator==(const PlanRecord&, const PlanRecord&) = default;
};

inline size_t qHash(const PlanRecord& plan, size_t seed = 0) noexcept {
    return qHashMulti(seed, plan.month, plan.day, plan.hour, plan.minute, plan.text);
}

struct SlotTime {
    int hour = NoHour;
    int minute = 0;
    friend bool operator==(const SlotTime&, const SlotTime&) = default;
};

// "none" ("yok") followed by "00:30" … "23:30".
QStringList timeSlots();
// The first entry of the list, in the program's language.
QString noTimeSlot();

// Slot index to hour and minute: odd slots are on the half hour; 0 ("none"), -1 (nothing chosen) and any
// index off the list mean no time.
SlotTime slotTime(int slot);

// The way back from the HH:MM of a plan line; five blanks (no time) give slot 0.
int slotIndex(const QString& timeText);

// The one-line display form of a plan: " dd. mm" then the time or blanks, three blanks and the text, at most
// PlanLineLength characters. Day, month and time stay at fixed positions so that lines sort by date.
QString yazim(int month, int day, int hour, int minute, const QString& text);
inline QString yazim(const PlanRecord& plan) {
    return yazim(plan.month, plan.day, plan.hour, plan.minute, plan.text);
}

// The day and month a plan line shows, read back from their columns.
struct LineDate {
    int day = 0;
    int month = 0;
    friend bool operator==(const LineDate&, const LineDate&) = default;
};
// None when the columns do not hold a real day (1..31) and month (1..12) in two digits each: a plan of an
// odd date from a hand-edited file shows as such a line.
std::optional<LineDate> lineDate(QStringView line);

// A plan text never holds a double quote in the file: each becomes two apostrophes.
QString quoteSafe(QString text);

} // namespace velkor::plans
