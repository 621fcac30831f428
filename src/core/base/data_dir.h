#pragma once

#include "core/base/io_result.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace velkor {

// Where the data lives this run, and what the start must do about the program folder's own data.
struct DataDirChoice {
    QString dir; // empty when no folder can be used
    // The program folder holds data but cannot be written: its files are to be copied into `dir`, which
    // holds none yet, before anything reads them.
    QString copyFrom;
    // The program folder holds data too, but `dir` already has its own, which wins.
    QString leftBehind;
};

using WritableProbe = std::function<bool(const QString& dir)>;

// True when a file can actually be created in the directory (permission bits alone do not tell, e.g. for
// root or on read-only mounts).
bool canWriteIn(const QString& dir);

// The program's own directory when it can be written (a portable copy keeps its data beside it), else the
// per-user data directory, which takes over the data a read-only program folder holds.
DataDirChoice chooseDataDir(const QString& programDir, const QString& userDataDir,
                            const WritableProbe& writable = canWriteIn);

// The names of every file that holds the user's data or settings, older names included.
const QStringList& dataFileNames();
bool holdsData(const QString& dir);

// Copies every data file of `from` into `to`: all of them or, after a failure, none.
IoResult copyDataFiles(const QString& from, const QString& to);

} // namespace velkor
