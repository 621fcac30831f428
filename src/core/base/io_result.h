#pragma once

#include <QString>

namespace velkor {

// Outcome of a file or database operation: empty error means success.
// The error names what failed and which file, in words fit for a message box.
struct IoResult {
    QString error;

    bool ok() const { return error.isEmpty(); }
    explicit operator bool() const { return ok(); }

    static IoResult success() { return {}; }
    static IoResult failure(QString message) { return {std::move(message)}; }
};

template <typename T> struct Loaded {
    T value{};
    QString error;

    bool ok() const { return error.isEmpty(); }
};

} // namespace velkor
