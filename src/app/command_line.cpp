#include "command_line.h"

#include "shell/pages.h"
#include "support/program_layout.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstring>

namespace velkor::app {

namespace {

const char* const commandOptions[] = {"-h", "--help", "-v", "--version", "--help-folder"};

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

// Names the folder the help pages come from, and fails when one of them cannot be read there: a check of an
// installation that needs no display.
int showHelpFolder() {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString folder = programLayout(programDir).pagesDir;
    out() << QDir::toNativeSeparators(folder) << Qt::endl;
    int status = 0;
    for (const QString& page : shell::shippedPages()) {
        QFile file(pagePath(programDir, page));
        if (!file.open(QIODevice::ReadOnly)) {
            err() << "velkor: " << QDir::toNativeSeparators(file.fileName()) << ": " << file.errorString()
                  << Qt::endl;
            status = 1;
        }
    }
    return status;
}

} // namespace

bool wantsCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : commandOptions)
            if (std::strcmp(argv[i], option) == 0)
                return true;
    }
    return false;
}

int runCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Velkor, a personal organiser in the system tray: plans with reminders, a diary, "
                       "a telephone directory and a notebook.\nWithout options it starts in the tray."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption helpFolder(
        QStringLiteral("help-folder"),
        QStringLiteral("Print the folder the help pages are read from; exit status 1 when one of them cannot "
                       "be read there."));
    parser.addOption(helpFolder);
    if (!parser.parse(arguments)) {
        err() << parser.errorText() << Qt::endl;
        return 2;
    }
    if (parser.isSet(help)) {
        out() << parser.helpText() << Qt::flush;
        return 0;
    }
    if (parser.isSet(version)) {
        out() << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
              << Qt::endl;
        return 0;
    }
    if (parser.isSet(helpFolder))
        return showHelpFolder();
    return 0;
}

} // namespace velkor::app
