#include "arguments.h"
#include "command_line.h"
#include "core/base/console.h"
#include "core/base/data_dir.h"
#include "core/base/program_layout.h"
#include "core/lang/translations.h"
#include "shell/autostart_writer.h"
#include "shell/data_folder.h"
#include "shell/exit_signals.h"
#include "shell/main_form.h"
#include "shell/single_instance.h"
#include "sync/sync_run.h"
#include "ui/common/app_context.h"
#include "ui/common/desktop_services.h"

#include <QApplication>
#include <QScopeGuard>
#include <QSessionManager>
#include <QThread>

#include <cstdlib>
#include <utility>

using namespace velkor;

namespace {

// Qt's X11 plugin ends the process with exit(1) when the connection to the display breaks (the X server
// ended or crashed): the event loop never returns and no destructor runs, but main's objects still stand.
// While they do, this exit handler saves the typed work as the end of the session would.
struct LostDisplay {
    shell::MainForm* form = nullptr;
    shell::SingleInstance* instance = nullptr;
};
LostDisplay lostDisplay;

void saveAtForcedExit() {
    // Once only, and only on the thread the windows live in.
    const LostDisplay armed = std::exchange(lostDisplay, {});
    if (!armed.form || QThread::currentThread() != armed.form->thread())
        return;
    tellConsole(QStringLiteral("ending without the display; typed work is saved."));
    armed.form->saveForLostDisplay();
    armed.instance->close();
}

} // namespace

int main(int argc, char* argv[]) {
    // Options are served without a display, so scripts and packaging tools can run them anywhere.
    if (app::wantsCommandLine(argc, argv)) {
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Velkor"));
        QCoreApplication::setApplicationVersion(QStringLiteral(VELKOR_VERSION));
        return app::runCommandLine(QCoreApplication::arguments());
    }
    // Without a display Qt would abort; a tray program says so in one line instead.
    if (const QString missing = app::missingDisplay(argc, argv); !missing.isEmpty()) {
        tellConsole(missing);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velkor"));
    QApplication::setApplicationVersion(QStringLiteral(VELKOR_VERSION));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKOR_APP_ID));
    // A tray program: closing its last window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    AppContext context;
    // Until options.prg is found, the program speaks Turkish.
    lang::useLanguage(Language::Turkish);
    SystemClock clock;
    QtPrompter prompter;
    SystemBeeper beeper;
    DesktopFileOpener opener;
    DialogFileChooser chooser;
    const std::unique_ptr<AutostartWriter> autostart = shell::makeAutostartWriter();
    context.clock = &clock;
    context.prompter = &prompter;
    context.beeper = &beeper;
    context.fileOpener = &opener;
    context.fileChooser = &chooser;
    context.autostart = autostart.get();
    context.serialLines = [] { return std::make_unique<QtSerialLine>(); };
    context.programDir = QCoreApplication::applicationDirPath();
    context.readerProgram = programLayout(context.programDir).readerProgram;

    const DataDirChoice choice = chooseProgramDataDir(context.programDir);
    if (choice.dir.isEmpty()) {
        prompter.fail(QString(),
                      QObject::tr("Velkor cannot start:\nneither %1 nor the user's data folder can be "
                                  "written.")
                          .arg(context.programDir));
        return 1;
    }
    // A second start on the same folder only brings the running copy forward.
    shell::SingleInstance instance(choice.dir);
    switch (shell::takeDataFolder(choice, instance, prompter)) {
    case shell::FolderTaken::ShownElsewhere:
        return 0;
    case shell::FolderTaken::CannotStart:
        return 1;
    case shell::FolderTaken::Run:
        break;
    }
    context.dataDir = QDir(choice.dir);

    shell::MainForm mainForm(context);
    shell::ExitSignals exitSignals;
    lostDisplay = {&mainForm, &instance};
    std::atexit(saveAtForcedExit);
    // Disarmed before main's objects go.
    const auto disarm = qScopeGuard([] { lostDisplay = {}; });
    int status = 0;
    // Boxes may be open (the catch-up runs before the main loop): leaving every loop ends the program.
    const auto quit = [&status](int code) {
        status = code;
        QApplication::exit(code);
    };
    QObject::connect(&mainForm, &shell::MainForm::exitRequested, &app, quit);
    QObject::connect(&instance, &shell::SingleInstance::activationRequested, &mainForm,
                     &shell::MainForm::showCalendar);
    // The command line hands its imports, exports and syncs to this copy while it runs.
    instance.setRequestHandler(
        [&mainForm](QByteArrayView request) { return mainForm.serveTransfer(request); });
    // A sync takes its turn with the scheduled ones and answers when done; the windows go on meanwhile.
    instance.setLaterHandler([&mainForm](QByteArrayView request, shell::SingleInstance::Answer answer) {
        const std::optional<QString> password = sync::decodeSyncRequest(request);
        if (!password)
            return false;
        mainForm.sync().syncFor(*password, [answer = std::move(answer)](const sync::SyncOutcome& outcome) {
            answer(sync::encodeSyncAnswer(outcome));
        });
        return true;
    });
    // Nobody can answer a question at SIGTERM or at the end of the session: typed work is saved instead.
    QObject::connect(&exitSignals, &shell::ExitSignals::exitRequested, &app,
                     [&] { quit(mainForm.exitUnattended() ? 0 : 1); });
#if QT_CONFIG(sessionmanager)
    // The session manager asks to save before it ends the session; the windows stay in case it changes
    // its mind.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainForm,
                     [&](QSessionManager&) { mainForm.windows().saveUnsavedWork(); });
#endif
    // The end of the desktop session quits the application: it counts as a clean exit too.
    QObject::connect(&app, &QApplication::aboutToQuit, &mainForm, [&] { mainForm.exitUnattended(); });

    if (!mainForm.start())
        return 1;
    if (mainForm.finished())
        return status;
    return QApplication::exec();
}
