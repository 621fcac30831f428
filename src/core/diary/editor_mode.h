#pragma once

namespace velkor::diary {

// What the diary editor opens for: a new entry, or the entry diaryRecordNo names.
enum class EditorMode { Add, Update };

} // namespace velkor::diary
