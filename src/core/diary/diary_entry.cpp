#include "core/diary/diary_entry.h"

namespace velkor::diary {

QString entryDateText(const DiaryEntry& entry) {
    return entry.day + QLatin1Char('/') + entry.month + QLatin1Char('/') + entry.year;
}

} // namespace velkor::diary
