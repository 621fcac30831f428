#pragma once

#include "core/base/data_dir.h"

#include <QString>

namespace velkor {

// Where the program's shipped files are. A portable copy keeps `help/` beside the executable and its data
// there too; an installed one (…/bin/velkor) reads its pages from …/share/velkor and never writes beside
// itself, even where it could (root, or a prefix in the user's home).
struct ProgramLayout {
    bool installed = false;
    QString pagesDir; // the folder that holds (or should hold) help/
    // The program folder when it may hold the data, else empty: the user's data folder is the only one.
    QString portableDataDir;
    QString readerProgram; // the reader of foreign files: beside the program, or in libexec/velkor
};

ProgramLayout programLayout(const QString& programDir);

// The data folder this program uses: beside it when it is a portable copy that may write there, else the
// user's data folder. Every way in (the tray program, the command line) must choose alike.
DataDirChoice chooseProgramDataDir(const QString& programDir);

// The full path of a page below the pages folder (e.g. "help/tr/help_tr.htm").
QString pagePath(const QString& programDir, const QString& relativePage);

} // namespace velkor
