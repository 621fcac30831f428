#include "command_line.h"

#include "console_prompter.h"
#include "core/base/data_dir.h"
#include "core/base/program_layout.h"
#include "core/interop/exchange.h"
#include "core/lang/language_setting.h"
#include "core/lang/translations.h"
#include "shell/data_folder.h"
#include "shell/exit_signals.h"
#include "shell/pages.h"
#include "shell/single_instance.h"
#include "sync/sync_run.h"
#include "sync/sync_texts.h"
#include "ui/common/app_context.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace velkor::app {

namespace {

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

// The language the program speaks in this folder: Turkish until options.prg says otherwise. A missing file
// is not made here; that is the program's business.
Language folderLanguage(const QString& dataDir) {
    const QString path = QDir(dataDir).filePath(QStringLiteral("options.prg"));
    if (!QFileInfo::exists(path))
        return Language::Turkish;
    return lang::readLanguageSetting(path).language.value_or(Language::Turkish);
}

// Moves the data through the file. A Velkor running on the same folder does the work itself, so that
// nothing writes under it; otherwise this run holds the folder's lock meanwhile, as the program does.
int transfer(const QString& file, bool importing) {
    const DataDirChoice choice = chooseProgramDataDir(QCoreApplication::applicationDirPath());
    if (choice.dir.isEmpty()) {
        err() << "velkor: no data folder can be written." << Qt::endl;
        return 1;
    }
    shell::SingleInstance instance(choice.dir);
    const shell::SingleInstance::Handover handover =
        instance.acquireOrHand(interop::encodeRequest({importing, file}));
    interop::TransferResult result;
    if (handover.outcome == shell::SingleInstance::Outcome::AlreadyRunning) {
        if (handover.answer.isEmpty()) {
            err() << "velkor: the Velkor running on " << QDir::toNativeSeparators(choice.dir)
                  << " did not answer; nothing was done." << Qt::endl;
            return 1;
        }
        result = interop::decodeAnswer(handover.answer);
    } else {
        app::ConsolePrompter prompter;
        if (!shell::settleDataFolder(choice, prompter))
            return 1;
        SystemClock clock;
        AppContext context;
        context.dataDir = QDir(choice.dir);
        context.programDir = QCoreApplication::applicationDirPath();
        context.readerProgram = programLayout(context.programDir).readerProgram;
        context.clock = &clock;
        context.prompter = &prompter;
        lang::useLanguage(folderLanguage(choice.dir));
        // A signal to end stops the reading of a file, but never splits the writing of what was read: it
        // is taken between the two, or once everything is written.
        shell::ExitSignals exitSignals;
        QObject::connect(&exitSignals, &shell::ExitSignals::exitRequested, [] { QCoreApplication::exit(1); });
        result = interop::transferFile(file, importing, context);
    }
    (result.ok ? out() : err()) << result.summary << Qt::endl;
    return result.ok ? 0 : 1;
}

// The password from VELKOR_SYNC_PASSWORD when set, else the first line of the standard input.
QString syncPassword() {
    if (qEnvironmentVariableIsSet("VELKOR_SYNC_PASSWORD"))
        return qEnvironmentVariable("VELKOR_SYNC_PASSWORD");
    QTextStream in(stdin);
    return in.readLine();
}

int report(const sync::SyncOutcome& outcome) {
    for (const QString& note : outcome.notes)
        err() << "velkor: " << note << Qt::endl;
    (outcome.ok ? out() : err()) << outcome.summary << Qt::endl;
    return outcome.ok ? 0 : 1;
}

// Sets up the account, or runs one sync. A Velkor running on the folder does the sync itself, so that
// nothing writes under it; otherwise this run holds the folder's lock meanwhile.
int syncFolder(const QString& url, const QString& user) {
    const DataDirChoice choice = chooseProgramDataDir(QCoreApplication::applicationDirPath());
    if (choice.dir.isEmpty()) {
        err() << "velkor: no data folder can be written." << Qt::endl;
        return 1;
    }
    const QString password = syncPassword();
    lang::useLanguage(folderLanguage(choice.dir));
    const QDir dataDir(choice.dir);
    // The set-up writes only the account: it needs no lock on the data.
    if (!url.isEmpty()) {
        return report(sync::waitForSync([&](sync::SyncDone done) {
            sync::setupAccount(dataDir, QUrl::fromUserInput(url), user, password, std::move(done));
        }));
    }
    shell::SingleInstance instance(choice.dir);
    const shell::SingleInstance::Handover handover =
        instance.acquireOrHand(sync::encodeSyncRequest(password));
    if (handover.outcome == shell::SingleInstance::Outcome::AlreadyRunning) {
        if (handover.answer.isEmpty()) {
            err() << "velkor: the Velkor running on " << QDir::toNativeSeparators(choice.dir)
                  << " did not answer; nothing was done." << Qt::endl;
            return 1;
        }
        return report(sync::decodeSyncAnswer(handover.answer));
    }
    app::ConsolePrompter prompter;
    if (!shell::settleDataFolder(choice, prompter))
        return 1;
    shell::ExitSignals exitSignals;
    QObject::connect(&exitSignals, &shell::ExitSignals::exitRequested, [] { std::_Exit(1); });
    const auto ask = [&prompter](const QString&, int count, int total, bool here) {
        return prompter.askBeforeLoss(QString(), sync::texts::massDeleteQuestion(count, total, here));
    };
    return report(sync::waitForSync([&](sync::SyncDone done) {
        sync::runSync(dataDir, password, QDateTime::currentDateTime(), ask, std::move(done));
    }));
}

} // namespace

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
    const QCommandLineOption importing(
        QStringLiteral("import"),
        QStringLiteral(
            "Imports FILE and exits: an iCalendar file (.ics) gives its yearly events as plans and "
            "its journal entries to the diary; a vCard file (.vcf) adds its contacts to the "
            "directory. Prints one line; the exit status is 0 when it worked."),
        QStringLiteral("FILE"));
    const QCommandLineOption exporting(
        QStringLiteral("export"),
        QStringLiteral(
            "Exports into FILE and exits: the plans and the diary to an iCalendar file (.ics), the "
            "directory to a vCard file (.vcf). While Velkor runs on the same data, it does the "
            "work itself."),
        QStringLiteral("FILE"));
    parser.addOption(importing);
    parser.addOption(exporting);
    const QCommandLineOption syncSetup(
        QStringLiteral("sync-setup"),
        QStringLiteral("Sets up syncing with a CalDAV/CardDAV server: URL, then the USER name as the next "
                       "argument; the password comes from VELKOR_SYNC_PASSWORD or the standard input and "
                       "is never stored. Finds or makes the Velkor calendar and address book."),
        QStringLiteral("URL"));
    const QCommandLineOption syncing(
        QStringLiteral("sync"),
        QStringLiteral("Syncs the plans with the server once and prints what came in, what went out and "
                       "the conflicts; the exit status is 0 when it worked."));
    parser.addOption(syncSetup);
    parser.addOption(syncing);
    if (!parser.parse(arguments)) {
        err() << "velkor: " << parser.errorText() << "\n\n" << parser.helpText() << Qt::flush;
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
    if (parser.isSet(syncSetup)) {
        if (parser.positionalArguments().size() != 1) {
            err() << "velkor: give --sync-setup URL USER." << Qt::endl;
            return 2;
        }
        return syncFolder(parser.value(syncSetup), parser.positionalArguments().first());
    }
    if (parser.isSet(syncing))
        return syncFolder({}, {});
    if (parser.isSet(importing) == parser.isSet(exporting)) {
        err() << "velkor: give either --import FILE or --export FILE." << Qt::endl;
        return 2;
    }
    const QString file = parser.value(parser.isSet(importing) ? importing : exporting);
    if (file.isEmpty() || file.contains(u'\n')) {
        err() << "velkor: no usable file name given." << Qt::endl;
        return 2;
    }
    return transfer(QFileInfo(file).absoluteFilePath(), parser.isSet(importing));
}

} // namespace velkor::app
