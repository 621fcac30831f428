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

    // Set by the exit step around the window's close: its question then names the window and can keep
    // it open, which keeps the program running.
    void setClosingForExit(bool exiting) { m_closingForExit = exiting; }

protected:
    bool closingForExit() const { return m_closingForExit; }

private:
    bool m_closingForExit = false;
};

} // namespace velkor
