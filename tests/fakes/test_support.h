#pragma once
// What every test program starts from: Qt Test, the names the tests use throughout, and file helpers.
#include <QtTest>

namespace velkor::testing {

// The whole file; empty when it cannot be read.
inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces the file (making its folder when needed); false when that failed.
inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A shell script running `body`, that only its owner may run; false when it could not be made.
inline bool writeScript(const QString& path, const QByteArray& body) {
    return writeAll(path, "#!/bin/sh\n" + body + '\n') &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A folder in the file's place, so that every write of it fails.
inline bool blockWithFolder(const QString& path) {
    return QFile::remove(path) && QDir().mkdir(path);
}

} // namespace velkor::testing

using namespace velkor;
using namespace velkor::testing;
using namespace Qt::StringLiterals;
