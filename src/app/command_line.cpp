#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstring>

namespace velkor::app {

namespace {

const char* const commandOptions[] = {"-h", "--help", "-v", "--version"};

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
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
    return 0;
}

} // namespace velkor::app
