// Plan lines and time slots from any numbers and texts: day, month and time stay at their places, a real
// date reads back from its line, and the slot rule maps both ways.
#include "core/plans/plan_record.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace velkor::plans;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5)
        return 0;
    const int month = data[0], day = data[1], hour = data[2], minute = data[3];
    const int slot = int(int8_t(data[4]));
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 5), qsizetype(size - 5));

    const QString line = yazim(month, day, hour, minute, text);
    if (line.size() > PlanLineLength)
        std::abort();
    if (month < 100 && day < 100) {
        if (line.mid(1, 2).toInt() != day || line.mid(4, 2).toInt() != month || line[3] != QLatin1Char('/'))
            std::abort();
        const bool shown = hour != NoHour && hour < 100 && (minute == 0 || minute == 30);
        if (shown && slotIndex(line.mid(9, 5)) != hour * 2 + minute / 30)
            std::abort();
    }
    const bool realDate = day >= 1 && day <= 31 && month >= 1 && month <= 12;
    if (lineDate(line) != (realDate ? std::optional(LineDate{day, month}) : std::nullopt))
        std::abort();
    const SlotTime t = slotTime(slot);
    if (slot >= 1 && slot < SlotCount && slotIndex(timeSlots().at(slot)) != slot)
        std::abort();
    if (slot <= 0 && t.hour != NoHour)
        std::abort();
    slotIndex(text); // any text as a time: no crash
    lineDate(text);  // any text as a line: no crash
    return 0;
}
