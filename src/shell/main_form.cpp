#include "shell/main_form.h"

#include "lang/captions.h"
#include "lang/language_aware.h"
#include "lang/language_setting.h"
#include "lang/vocabulary.h"
#include "shell/directory_links.h"
#include "shell/tray_events.h"

#include <QCoreApplication>
#include <QCursor>
#include <QIcon>

#include <cstdio>

namespace velkor::shell {

MainForm::MainForm(AppContext& context, QObject* parent)
    : QObject(parent), m_ctx(context), m_files(context.dataDir) {
    setObjectName(QStringLiteral("Form4"));
    buildMenu();
    registerDirectoryWindows(m_windows, m_ctx, this);
    m_tray = new QSystemTrayIcon(QIcon(QStringLiteral(":/velkor/velkor.png")), this);
    connect(m_tray, &QSystemTrayIcon::activated, this, &MainForm::handleTrayEvent);

    m_iconTimer.setObjectName(QStringLiteral("Timer1"));
    m_iconTimer.setSingleShot(true);
    m_iconTimer.setInterval(IconDelayMs);
    connect(&m_iconTimer, &QTimer::timeout, this, &MainForm::addTrayIcon);
}

MainForm::~MainForm() {
    delete m_menu;
}

QAction* MainForm::addItem(QMenu* menu, const char* name, const QString& caption, bool checkable) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

void MainForm::buildMenu() {
    m_menu = new QMenu;
    m_menu->setObjectName(QStringLiteral("Sek"));
    m_menu->setTitle(QStringLiteral("SEK"));
    const auto s = [](const char* utf8) { return QString::fromUtf8(utf8); };

    const std::pair<const char*, int> windowItems[] = {
        {"tkvm", lang::MonthCalendar}, {"plnlr", lang::PlanQuery}, {"gnlk", lang::DiaryBrowser},
        {"rhbr", lang::Directory},     {"ntd", lang::Notebook},    {"hlp", lang::Help},
        {"about", lang::About},
    };
    const char* designCaptions[] = {"Takvim",      "Planlar", "Günlük",  "Rehber",
                                    "Not Defteri", "Yardım",  "Hakkında"};
    for (size_t i = 0; i < std::size(windowItems); ++i) {
        const int code = windowItems[i].second;
        QAction* item = addItem(m_menu, windowItems[i].first, s(designCaptions[i]), true);
        m_windows.add(code, item);
        if (code == lang::MonthCalendar)
            connect(item, &QAction::triggered, this, &MainForm::toggleCalendar);
        else
            connect(item, &QAction::triggered, this, [this, code] { m_windows.toggle(code); });
    }

    QMenu* language = m_menu->addMenu(s("Language"));
    language->setObjectName(QStringLiteral("Lngg"));
    m_trk = addItem(language, "trk", s("Turkish"), true);
    m_eng = addItem(language, "eng", s("English"), true);
    m_trk->setChecked(true);
    connect(m_trk, &QAction::triggered, this, [this] { switchLanguage(Language::Turkish); });
    connect(m_eng, &QAction::triggered, this, [this] { switchLanguage(Language::English); });

    addItem(m_menu, "mkpt", s("Menüyü Kapat"), false); // only closes the menu
    connect(addItem(m_menu, "kpt", s("Programı Kapat"), false), &QAction::triggered, this,
            &MainForm::exitFromMenu);
}

bool MainForm::start() {
    const auto stop = [this](const QString& error) {
        m_ctx.prompter->fail(QString(), tr("Velkor cannot start:\n%1").arg(error));
        return false;
    };
    if (IoResult r = m_files.ensurePlanFile(); !r)
        return stop(r.error);
    if (IoResult r = m_files.stampStart(); !r)
        return stop(r.error);
    m_iconDay = m_ctx.clock->now().date().day();
    m_ctx.state.planEntryOpen = m_ctx.state.diaryBrowserOpen = false;
    m_ctx.state.diaryEditorOpen = m_ctx.state.dirEditorOpen = false;
    const Loaded<bool> first = m_files.firstStartTest();
    if (!first.ok())
        return stop(first.error);
    if (first.value)
        createStartupShortcut();

    m_iconTimer.start();
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        std::fprintf(stderr, "velkor: no system tray yet; the icon appears when one starts.\n");

    catchUp();
    applyLanguage(lang::MainMenu);
    startReminders();
    return true;
}

void MainForm::createStartupShortcut() {
    if (m_ctx.autostart)
        m_ctx.autostart->registerAutostart(QCoreApplication::applicationFilePath());
}

void MainForm::catchUp() {
    // Announcing the plans missed since the last exit is the reminders' work.
}

void MainForm::startReminders() {
    // The minute timer belongs to the reminders.
}

QString MainForm::trayTip() const {
    return m_ctx.clock->now().date().toString(QStringLiteral("d.M.yyyy"));
}

void MainForm::addTrayIcon() {
    m_tray->setToolTip(trayTip());
    m_tray->show();
}

void MainForm::refreshIcon() {
    m_tray->hide();
    m_iconDay = m_ctx.clock->now().date().day();
    m_iconTimer.start();
}

void MainForm::handleTrayEvent(QSystemTrayIcon::ActivationReason reason) {
    switch (trayActionFor(reason, m_ctx.state)) {
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
    m_windows.toggle(lang::MonthCalendar);
}

void MainForm::applyLanguage(int code) {
    if (code == lang::MainMenu) {
        const lang::LanguageSetting setting =
            lang::readLanguageSetting(m_ctx.dataFile(QStringLiteral("options.prg")));
        if (!setting.error.isEmpty())
            m_ctx.prompter->warn(QString(), setting.error);
        if (!setting.language)
            return;
        m_ctx.state.language = *setting.language;
        m_trk->setChecked(m_ctx.state.language == Language::Turkish);
        m_eng->setChecked(m_ctx.state.language == Language::English);
        lang::applyCaptions(m_menu, code, m_ctx.state.language);
        return;
    }
    if (auto* window = dynamic_cast<lang::LanguageAware*>(m_windows.loaded(code)))
        window->applyLanguage(m_ctx.state.language);
}

void MainForm::switchLanguage(Language language) {
    // Written first, so the choice survives even if a window fails to follow.
    const IoResult written =
        lang::writeLanguageSetting(m_ctx.dataFile(QStringLiteral("options.prg")), language);
    if (!written)
        m_ctx.prompter->warn(QString(), written.error);
    m_ctx.state.language = language;
    m_trk->setChecked(language == Language::Turkish);
    m_eng->setChecked(language == Language::English);
    lang::applyCaptions(m_menu, lang::MainMenu, language);
    for (int code : lang::switchOrder()) {
        if (code == lang::MainMenu)
            continue;
        if (auto* window = dynamic_cast<lang::LanguageAware*>(m_windows.loaded(code)))
            window->applyLanguage(language);
    }
}

bool MainForm::finish() {
    if (m_finished)
        return true;
    m_finished = true;
    m_tray->hide();
    const IoResult written = m_files.writeLastExit(m_ctx.clock->now());
    if (!written)
        m_ctx.prompter->fail(QString(), tr("The exit time could not be saved:\n%1").arg(written.error));
    return written.ok();
}

void MainForm::exitFromMenu() {
    emit exitRequested(finish() ? 0 : 1);
}

} // namespace velkor::shell
