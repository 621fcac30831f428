#pragma once

namespace velkor {

// A window that can hold typed work not saved yet. At exit the user is asked through the window's own close
// step; where nobody can answer (session end, SIGTERM) the work is saved rather than dropped.
class UnsavedWork {
public:
    virtual ~UnsavedWork() = default;
    virtual bool hasUnsavedChanges() const = 0;
    // Saves without asking; false when saving failed.
    virtual bool saveUnsavedChanges() = 0;
};

} // namespace velkor
