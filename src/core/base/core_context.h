#pragma once

#include "core/base/serial_line.h"
#include "core/base/services.h"

#include <QDir>
#include <QString>

namespace velkor {

// What the program's parts need from outside themselves, made once in main() and handed down: where the
// data lives, the seams to the desktop and the language the user reads.
struct CoreContext {
    QDir dataDir;
    QString programDir;    // where the executable lives; its help pages are found from there
    QString readerProgram; // reads foreign files (calendars, vCards, old databases) in a child process
    Clock* clock = nullptr;
    Prompter* prompter = nullptr;
    Beeper* beeper = nullptr;
    FileOpener* fileOpener = nullptr;
    FileChooser* fileChooser = nullptr;
    AutostartWriter* autostart = nullptr;
    SerialLineFactory serialLines;

    QString dataFile(const QString& name) const { return dataDir.filePath(name); }
};

// What a window's Import… and Export… entries move through a file.
enum class Exchange { ImportCalendar, ExportCalendar, ImportContacts, ExportContacts };

} // namespace velkor
