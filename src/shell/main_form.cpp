#include "shell/main_form.h"

#include "core/base/console.h"
#include "core/interop/exchange.h"
#include "core/jet/child_jet_reader.h"
#include "core/lang/language_setting.h"
#include "core/lang/translations.h"
#include "core/lang/vocabulary.h"
#include "core/plans/day_set.h"
#include "core/plans/plan_store.h"
#include "shell/about_window.h"
#include "shell/diary_wiring.h"
#include "shell/directory_wiring.h"
#include "shell/help_window.h"
#include "shell/legacy_files.h"
#include "shell/old_databases.h"
#include "shell/reminder_list.h"
#include "shell/tray_events.h"
#include "shell/window_code.h"
#include "ui/calendar/month_browser_window.h"
#include "ui/calendar/month_calendar_window.h"
#include "ui/diary/diary_browser_window.h"
#include "ui/notebook/notebook_window.h"
#include "ui/plans/plan_query_window.h"
#include "ui/sync/sync_window.h"

#include <QCoreApplication>
#include <QCursor>
#include <QIcon>

#include <utility>

// The icon lives in this library's resources; a static library's resources must be pulled in by hand.
static void initShellResources() {
    Q_INIT_RESOURCE(velkor);
}

namespace velkor::shell {

MainForm::MainForm(AppContext& context, QObject* parent)
    : QObject(parent), m_ctx(context), m_stateBefore(std::exchange(context.state, &m_state)),
      m_doorsBefore(std::exchange(context.doors, &m_doors)), m_files(context.dataDir),
      m_reminders(context, m_files.planFile(), m_files.snoozeFile()) {
    setObjectName(QStringLiteral("Form4"));
    initShellResources();
    m_reminders.onNewDay = [this] { refreshIcon(); };
    m_reminders.onAllAnnounced = [this](const QDateTime& upTo) {
        // The exit taken while a box was open has written its own stamp: the box it closed counts as unseen.
        if (m_finished)
            return;
        // A start after a crash then catches up from here, not from the last clean exit. Never a reading
        // later than now (in a repeated daylight-saving hour the minutes dealt with read later).
        const IoResult written = m_files.writeLastExit(std::min(upTo, minuteOf(m_ctx.clock->now())));
        if (!written && !m_stampFailureShown) {
            m_stampFailureShown = true;
            m_ctx.prompter->warn(QString(), written.error);
        }
    };
    buildMenu();
    registerWindows();
    m_tray = new QSystemTrayIcon(QIcon(QStringLiteral(":/velkor/velkor.png")), this);
    connect(m_tray, &QSystemTrayIcon::activated, this, &MainForm::handleTrayEvent);
    useTrayProtocol(currentTrayProtocol());

    m_iconTimer.setObjectName(QStringLiteral("Timer1"));
    m_iconTimer.setSingleShot(true);
    m_iconTimer.setInterval(IconDelayMs);
    connect(&m_iconTimer, &QTimer::timeout, this, &MainForm::addTrayIcon);
    // The icon comes half a second after the form is made; start-up's file work runs meanwhile.
    m_iconTimer.start();
}

void MainForm::registerPlanWindows() {
    m_windows.setFactory(PlanQuery, [this] { return new plans::PlanQueryWindow(m_ctx); });
}

void MainForm::showImportedData() {
    if (auto* query = qobject_cast<plans::PlanQueryWindow*>(m_windows.loaded(PlanQuery)))
        query->reRead();
    if (auto* diary = qobject_cast<diary::DiaryBrowserWindow*>(m_windows.loaded(DiaryBrowser)))
        diary->refresh();
}

QByteArray MainForm::serveTransfer(QByteArrayView request) {
    const std::optional<interop::TransferRequest> asked = interop::decodeRequest(request);
    if (!asked)
        return interop::encodeAnswer({false, QStringLiteral("?")});
    const interop::TransferResult result = interop::transferFile(asked->file, asked->importing, m_ctx);
    if (asked->importing && result.ok)
        showImportedData();
    return interop::encodeAnswer(result);
}

MainForm::~MainForm() {
    // The context outlives this form, and windows still open (plan entry among them) go with the registry
    // below: none may reach back into a half-destroyed form.
    m_ctx.doors = m_doorsBefore;
    m_ctx.state = m_stateBefore;
    delete m_menu;
}

QAction* MainForm::addItem(QMenu* menu, const char* name, bool checkable) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

void MainForm::buildMenu() {
    m_menu = new QMenu;
    m_menu->setObjectName(QStringLiteral("Sek"));
    m_menu->setTitle(QStringLiteral("SEK"));

    const std::pair<const char*, int> windowItems[] = {
        {"tkvm", MonthCalendar}, {"plnlr", PlanQuery}, {"gnlk", DiaryBrowser}, {"rhbr", Directory},
        {"ntd", Notebook},       {"hlp", Help},        {"about", About},       {"snc", Sync},
    };
    for (size_t i = 0; i < std::size(windowItems); ++i) {
        const int code = windowItems[i].second;
        QAction* item = addItem(m_menu, windowItems[i].first, true);
        m_items.append(item);
        // The diary's mark stands for two windows; its wiring keeps it.
        m_windows.add(code, code == DiaryBrowser ? nullptr : item);
        if (code == MonthCalendar)
            connect(item, &QAction::triggered, this, &MainForm::toggleCalendar);
        else if (code == DiaryBrowser)
            connect(item, &QAction::triggered, this, [this, item] { toggleDiary(item); });
        else
            connect(item, &QAction::triggered, this, [this, code] { m_windows.toggle(code); });
    }

    m_languageMenu = m_menu->addMenu(QString());
    m_languageMenu->setObjectName(QStringLiteral("Lngg"));
    m_trk = addItem(m_languageMenu, "trk", true);
    m_eng = addItem(m_languageMenu, "eng", true);
    m_trk->setChecked(true);
    connect(m_trk, &QAction::triggered, this, [this] { switchLanguage(Language::Turkish); });
    connect(m_eng, &QAction::triggered, this, [this] { switchLanguage(Language::English); });

    m_closeMenuItem = addItem(m_menu, "mkpt", false); // only closes the menu
    m_exitItem = addItem(m_menu, "kpt", false);
    connect(m_exitItem, &QAction::triggered, this, &MainForm::exitFromMenu);
    retranslateMenu();
}

void MainForm::retranslateMenu() {
    // Until a language is read or chosen, the plan item keeps the name it was designed with.
    const QString words[] = {tr("Calendar"), m_menuWorded ? tr("Records") : tr("Plans"),
                             tr("Daily"),    tr("Directory"),
                             tr("Notebook"), tr("Help"),
                             tr("About"),    syncItemText()};
    for (qsizetype i = 0; i < m_items.size(); ++i)
        m_items[i]->setText(words[i]);
    // The language menu names itself and its items in the other language, so both can be found.
    m_languageMenu->setTitle(tr("Dil", "the language menu, in the other language"));
    m_trk->setText(tr("Türkçe", "in the other language"));
    m_eng->setText(tr("İngilizce", "in the other language"));
    m_closeMenuItem->setText(tr("Close menu"));
    m_exitItem->setText(tr("Exit program"));
    // The tip's date is written in the language's form too.
    if (m_tray)
        m_tray->setToolTip(trayTip());
}

void MainForm::registerWindows() {
    registerCalendarWindows();
    registerPlanWindows();
    wireDiary(m_windows, m_ctx, m_doors);
    registerDirectoryWindows(m_windows, m_ctx, this);
    m_windows.setFactory(Notebook, [this] { return new notebook::NotebookWindow(m_ctx); });
    m_windows.setFactory(Help, [this] { return new HelpWindow(m_ctx); });
    m_windows.setFactory(About, [this] { return new AboutWindow(m_ctx); });
    m_windows.setFactory(Sync, [this] { return new sync_ui::SyncWindow(m_ctx, m_sync); });
    // The menu item says when the last sync failed; what came in shows in the open windows.
    connect(&m_sync, &sync_ui::SyncDoor::stateChanged, this,
            [this] { m_items.last()->setText(syncItemText()); });
    m_sync.onChangesIn = [this] { showImportedData(); };
}

QString MainForm::syncItemText() const {
    const sync_ui::SyncState state = m_sync.state();
    return state.configured && !state.lastOk ? tr("Sync (the last one failed)") : tr("Sync");
}

bool MainForm::start() {
    // Every box of the start speaks the chosen language.
    readLanguage();
    if (IoResult r = m_files.ensurePlanFile(); !r) {
        m_ctx.prompter->fail(QString(), tr("Velkor cannot start:\n%1").arg(r.error));
        return false;
    }
    // The small bookkeeping files never stop the program: what cannot be written is told once, and the
    // reminders run all the same.
    QStringList trouble;
    if (IoResult r = m_files.stampStart(); !r) {
        trouble.append(r.error);
        m_stampFailureShown = true;
    }
    m_state.planEntryOpen = m_state.diaryBrowserOpen = false;
    m_state.diaryEditorOpen = m_state.dirEditorOpen = false;
    // Only a start that could mark sc.kyt counts as the first: otherwise every start would be one.
    const Loaded<bool> first = m_files.firstStartTest();
    if (!first.ok())
        trouble.append(first.error);
    const auto lastExit = m_files.readLastExit();
    if (!lastExit.ok())
        trouble.append(lastExit.error);
    if (!trouble.isEmpty())
        m_ctx.prompter->warn(QString(), tr("Velkor runs, but cannot keep its bookkeeping:\n\n%1")
                                            .arg(trouble.join(QStringLiteral("\n\n"))));
    if (first.ok() && first.value)
        createStartupShortcut();
    // Before any window reads the diary or the directory.
    // The old release's databases read in a second; a damaged one that sends the reader in circles costs
    // a start no more than this, and a message.
    foreign::ReaderLimits limits;
    limits.seconds = 20;
    limits.cpuSeconds = 10;
    jet::ChildJetReader jetReader(m_ctx.readerProgram, limits);
    carryOverOldDatabases(m_ctx.dataDir, *m_ctx.prompter, jetReader);

    const bool tray = m_trayAvailable();
    if (!tray)
        tellConsole(QStringLiteral("no system tray yet; the icon appears when one starts."));

    // An unreadable moment gives no catch-up rather than a guess.
    if (lastExit.ok())
        catchUp(lastExit.value);
    if (m_finished)
        return true; // the user ended the program while the missed plans were on screen
    startReminders();
    m_sync.start();
    // Without a tray nothing else would show the program: the calendar stands in for the icon.
    if (!tray)
        m_windows.show(MonthCalendar);
    return true;
}

void MainForm::registerCalendarWindows() {
    using calendar::MonthBrowserWindow;
    using calendar::MonthCalendarWindow;
    // The browser has no menu item; it stays loaded once made, and keeps its month.
    m_windows.add(MonthBrowser, nullptr, [this] { return new MonthBrowserWindow(m_ctx); });
    m_windows.setFactory(MonthCalendar, [this] {
        auto* window = new MonthCalendarWindow(m_ctx);
        // Without a tray the calendar is the only way in: it stays on screen and its right button opens
        // the tray's menu.
        window->setPinned([this] { return !m_trayAvailable(); });
        connect(window, &MonthCalendarWindow::menuRequested, this, [this](const QPoint& pos) {
            if (!m_trayAvailable())
                m_menu->popup(pos);
        });
        return window;
    });
}

void MainForm::createStartupShortcut() {
    // Once only: sc.kyt already holds 1, so a failure is told and not tried again.
    if (m_ctx.autostart) {
        const QString error = m_ctx.autostart->registerAutostart(QCoreApplication::applicationFilePath());
        if (!error.isEmpty())
            m_ctx.prompter->warn(QString(), tr("Velkor could not be set to start at login:\n%1").arg(error));
    }
    adoptLegacyFiles(m_ctx.dataDir);
}

void MainForm::catchUp(const std::optional<QDateTime>& lastExit) {
    const QDateTime now = m_ctx.clock->now();
    // Only the days since the last exit are read: a large file is not held whole.
    const QDate from = lastExit && lastExit->isValid() && lastExit->date() <= now.date()
                           ? lastExit->date()
                           : QDate(now.date().year(), now.date().month(), 1);
    const auto plans = plans::readPlansOn(m_files.planFile(), plans::DaySet::between(from, now.date()));
    if (!plans.ok()) {
        m_ctx.prompter->warn(QString(), plans.error);
        return;
    }
    const QList<Announcement> missed = shell::catchUp(plans.value, lastExit, now);
    // Until the last box is closed, an exit keeps the old moment so that nothing missed is lost.
    m_catchingUp = true;
    announce(m_ctx, missed, Beep::ListOnly,
             [this](const Announcement& reminder, int later) { m_reminders.dealtWith(reminder, later); });
    m_catchingUp = false;
    m_catchUpEnd = now;
}

void MainForm::startReminders() {
    m_reminders.start(m_catchUpEnd.isValid() ? m_catchUpEnd : m_ctx.clock->now());
}

QString MainForm::trayTip() const {
    return lang::dateText(m_ctx.clock->now().date());
}

void MainForm::addTrayIcon() {
    m_tray->setToolTip(trayTip());
    m_tray->show();
}

void MainForm::refreshIcon() {
    m_tray->hide();
    m_iconTimer.start();
}

void MainForm::useTrayProtocol(TrayProtocol protocol) {
    m_trayProtocol = protocol;
    // An XEmbed icon leaves the menu to the right button's event, as the no-tray calendar does.
    m_tray->setContextMenu(protocol == TrayProtocol::StatusNotifier ? m_menu : nullptr);
}

void MainForm::handleTrayEvent(QSystemTrayIcon::ActivationReason reason) {
    switch (trayActionFor(reason, m_state, m_trayProtocol)) {
    case TrayAction::ToggleCalendar:
        toggleCalendar();
        break;
    case TrayAction::ShowMenu:
        m_menu->popup(QCursor::pos());
        break;
    case TrayAction::None:
        break;
    }
}

void MainForm::toggleCalendar() {
    // Hidden, not unloaded: the calendar keeps watching the date.
    QWidget* calendar = m_windows.loaded(MonthCalendar);
    if (!calendar || !calendar->isVisible())
        m_windows.show(MonthCalendar);
    else if (m_trayAvailable()) // without a tray nothing could bring it back
        calendar->hide();
    m_windows.syncMark(MonthCalendar);
    if (QWidget* browser = m_windows.loaded(MonthBrowser))
        browser->hide();
}

void MainForm::showCalendar() {
    // Ignored while a modal entry window is open, as tray clicks are.
    if (m_finished || m_state.planEntryOpen || m_state.dirEditorOpen)
        return;
    if (QWidget* calendar = m_windows.show(MonthCalendar)) {
        calendar->raise();
        calendar->activateWindow();
    }
    m_windows.syncMark(MonthCalendar);
}

void MainForm::toggleDiary(QAction* mark) {
    if (m_state.diaryBrowserOpen || m_state.diaryEditorOpen) {
        // The editor's close shows the browser again, which then goes too.
        if (m_windows.unload(DiaryEditor))
            m_windows.unload(DiaryBrowser);
    } else {
        m_windows.show(DiaryBrowser);
    }
    mark->setChecked(m_state.diaryBrowserOpen || m_state.diaryEditorOpen);
}

void MainForm::readLanguage() {
    const lang::LanguageSetting setting =
        lang::readLanguageSetting(m_ctx.dataFile(QStringLiteral("options.prg")));
    if (!setting.error.isEmpty())
        m_ctx.prompter->warn(QString(), setting.error);
    // Something else than a language in the file leaves the program as it speaks now, the menu as designed.
    if (!setting.language)
        return;
    lang::useLanguage(*setting.language);
    m_trk->setChecked(*setting.language == Language::Turkish);
    m_eng->setChecked(*setting.language == Language::English);
    m_menuWorded = true;
    retranslateMenu();
}

void MainForm::switchLanguage(Language language) {
    // Written first, so the choice survives even if a window fails to follow.
    const IoResult written =
        lang::writeLanguageSetting(m_ctx.dataFile(QStringLiteral("options.prg")), language);
    if (!written)
        m_ctx.prompter->warn(QString(), written.error);
    // Every window re-words itself on the change this sends; the menu is the shell's own.
    lang::useLanguage(language);
    m_trk->setChecked(language == Language::Turkish);
    m_eng->setChecked(language == Language::English);
    m_menuWorded = true;
    retranslateMenu();
}

bool MainForm::finish() {
    if (m_finished)
        return true;
    m_finished = true;
    m_tray->hide();
    if (m_catchingUp)
        return true; // tarih.kyt still holds the moment the catch-up started from
    const IoResult written = m_files.writeLastExit(m_reminders.settledUpTo(m_ctx.clock->now()));
    if (!written && !m_stampFailureShown)
        m_ctx.prompter->fail(QString(), tr("The exit time could not be saved:\n%1").arg(written.error));
    return written.ok();
}

bool MainForm::exitUnattended() {
    const bool workSaved = m_windows.closeWindowsForExit(false);
    return finish() && workSaved;
}

bool MainForm::saveForLostDisplay() {
    const bool workSaved = m_windows.saveUnsavedWork();
    if (m_finished)
        return workSaved;
    m_finished = true;
    if (m_catchingUp)
        return workSaved; // tarih.kyt still holds the moment the catch-up started from
    return m_files.writeLastExit(m_reminders.settledUpTo(m_ctx.clock->now())).ok() && workSaved;
}

void MainForm::exitFromMenu() {
    // Open windows close first and ask about typed work; one that stays open keeps the program running.
    if (!m_windows.closeWindowsForExit(true))
        return;
    emit exitRequested(finish() ? 0 : 1);
}

} // namespace velkor::shell
