#pragma once

#include <QDir>
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

// The words of a failure with a file: its path on a line of its own, then what went wrong.
inline QString aboutFile(const QString& path, const QString& what) {
    return QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), what);
}

template <typename T> struct Loaded {
    T value{};
    QString error;

    bool ok() const { return error.isEmpty(); }
};

} // namespace velkor
