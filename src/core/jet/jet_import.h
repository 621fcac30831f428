#pragma once

#include "core/db/db_engine.h"
#include "core/jet/jet_reader.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace velkor::jet {

// One old database brought over.
struct Carried {
    QString fileName;
    qint64 rows = 0;
    QString keptAs; // full path of the original under its new name
};

struct ImportOutcome {
    QList<Carried> carried;
    // One per file that stayed as it was: its path and the reason, fit for a message box.
    QStringList failures;
};

// The points between the steps of one file's import; a test stops the import there.
enum class ImportStep { Staged, Checked, OriginalKept, Replaced };
using StepHook = std::function<void(ImportStep)>;

// Brings each target's file over when it is a Jet or ACE file: Table1 is read, written into a new SQLite
// database with the target's table under a scratch name, checked row by row against a second read, the
// original given a second name (`<name>.jet`), and the new database renamed into its place. A kill at any
// point leaves either the original under its name or the finished import; what it leaves behind goes at
// the next call. On any failure the original is left as it was and nothing is put under its name.
// Files that are no Jet file (missing, already SQLite, anything else) are not touched.
ImportOutcome importJetFiles(const QList<db::Database>& targets, JetReader& reader,
                             const StepHook& step = {});

} // namespace velkor::jet
