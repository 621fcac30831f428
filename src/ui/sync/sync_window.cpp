#include "ui/sync/sync_window.h"

#include "core/lang/vocabulary.h"
#include "ui/common/caption.h"
#include "ui/common/keyboard.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor::sync_ui {

namespace {

QLabel* label(QWidget* buddy) {
    auto* l = new QLabel;
    l->setBuddy(buddy);
    return l;
}

// What the user typed as the server: without a scheme it is https, never plain http.
QUrl serverUrl(const QString& typed) {
    const QString text = typed.trimmed();
    return QUrl::fromUserInput(text.contains(QLatin1String("://")) ? text
                                                                   : QStringLiteral("https://") + text);
}

// The first item of each choice: a collection of Velkor's own, made on the server at the first sync.
constexpr int OwnCollection = 0;

} // namespace

SyncWindow::SyncWindow(AppContext& context, SyncDoor& door, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ctx(context), m_door(door) {
    setObjectName(QStringLiteral("Form13")); // numbered after the others
    m_serverBox = new QLineEdit;
    m_serverBox->setObjectName(QStringLiteral("server"));
    m_serverBox->setPlaceholderText(QStringLiteral("https://"));
    m_userBox = new QLineEdit;
    m_userBox->setObjectName(QStringLiteral("user"));
    m_passwordBox = new QLineEdit;
    m_passwordBox->setObjectName(QStringLiteral("password"));
    m_passwordBox->setEchoMode(QLineEdit::Password);
    m_plansBox = new QComboBox;
    m_plansBox->setObjectName(QStringLiteral("plans"));
    m_diaryBox = new QComboBox;
    m_diaryBox->setObjectName(QStringLiteral("diary"));
    m_directoryBox = new QComboBox;
    m_directoryBox->setObjectName(QStringLiteral("directory"));
    m_serverLabel = label(m_serverBox);
    m_userLabel = label(m_userBox);
    m_passwordLabel = label(m_passwordBox);
    m_plansLabel = label(m_plansBox);
    m_diaryLabel = label(m_diaryBox);
    m_directoryLabel = label(m_directoryBox);
    m_checkButton = new QPushButton;
    m_checkButton->setObjectName(QStringLiteral("check"));
    m_syncButton = new QPushButton;
    m_syncButton->setObjectName(QStringLiteral("syncNow"));
    m_stopButton = new QPushButton;
    m_stopButton->setObjectName(QStringLiteral("stop"));
    m_statusLabel = new QLabel;
    m_statusLabel->setObjectName(QStringLiteral("status"));
    m_statusLabel->setWordWrap(true);
    m_statusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QFormLayout;
    form->addRow(m_serverLabel, m_serverBox);
    form->addRow(m_userLabel, m_userBox);
    form->addRow(m_passwordLabel, m_passwordBox);
    form->addRow(QString(), m_checkButton);
    form->addRow(m_plansLabel, m_plansBox);
    form->addRow(m_diaryLabel, m_diaryBox);
    form->addRow(m_directoryLabel, m_directoryBox);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_syncButton);
    buttons->addStretch();
    buttons->addWidget(m_stopButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_statusLabel);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_checkButton, &QPushButton::clicked, this, &SyncWindow::checkAccount);
    connect(m_syncButton, &QPushButton::clicked, this, &SyncWindow::syncNow);
    connect(m_stopButton, &QPushButton::clicked, this, &SyncWindow::stopSyncing);
    connect(&m_door, &SyncDoor::stateChanged, this, &SyncWindow::showState);
    for (QLineEdit* box : {m_serverBox, m_userBox, m_passwordBox})
        connect(box, &QLineEdit::textEdited, this, [this] { m_checked = false; });

    const SyncState state = m_door.state();
    m_serverBox->setText(state.server.toString());
    m_userBox->setText(state.user);
    retranslate();
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
    useKeyboard(this);
}

void SyncWindow::retranslate() {
    setWindowTitle(tr("Sync"));
    // Each field is named for a screen reader by its label's words.
    const std::pair<QLabel*, QString> labels[] = {
        {m_serverLabel, tr("&Server address:")}, {m_userLabel, tr("&User name:")},
        {m_passwordLabel, tr("&Password:")},     {m_plansLabel, tr("P&lans:")},
        {m_diaryLabel, tr("&Diary:")},           {m_directoryLabel, tr("Di&rectory:")}};
    for (const auto& [l, words] : labels) {
        l->setText(words);
        l->buddy()->setAccessibleName(QString(words).remove(u'&').remove(u':'));
    }
    setCaption(m_checkButton, tr("&Check account"));
    setCaption(m_syncButton, tr("Sync &now"));
    setCaption(m_stopButton, tr("S&top syncing"));
    for (QComboBox* box : {m_plansBox, m_diaryBox, m_directoryBox}) {
        if (box->count() == 0)
            box->addItem(QString());
        box->setItemText(OwnCollection, tr("Velkor's own, made on the server"));
    }
    showState();
    // Laid out again at once for the new words, not at the next turn of the event loop.
    if (layout())
        layout()->activate();
}

void SyncWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void SyncWindow::showState() {
    const SyncState state = m_door.state();
    m_passwordBox->setPlaceholderText(!state.configured ? QString()
                                      : state.noKeyring ? tr("kept until Velkor ends: no keyring answers")
                                                        : tr("kept in the keyring"));
    m_syncButton->setEnabled(!state.syncing && (state.configured || m_checked));
    m_stopButton->setEnabled(state.configured);
    const auto when = [](const QDateTime& moment) {
        return lang::dateText(moment.date()) + u' ' + moment.time().toString(QStringLiteral("HH:mm"));
    };
    QString words;
    if (!m_checkError.isEmpty())
        words = tr("The account could not be checked: %1").arg(m_checkError);
    else if (state.syncing)
        words = tr("Syncing…");
    else if (!state.configured)
        words = m_checked ? tr("Choose where plans, diary and directory go, then sync.")
                          : tr("Not syncing. Enter the server's address, your user name and password, and "
                               "check the account.");
    else if (!state.lastSync.isValid())
        words = tr("Not synced yet.");
    else if (state.lastOk)
        words = tr("Last sync %1: %2").arg(when(state.lastSync), state.lastSummary);
    else
        words = tr("The last sync, %1, did not work: %2").arg(when(state.lastSync), state.lastSummary);
    m_statusLabel->setText(words);
}

bool SyncWindow::accountChanged() const {
    const SyncState state = m_door.state();
    return !state.configured || serverUrl(m_serverBox->text()) != state.server ||
           m_userBox->text().trimmed() != state.user || !m_passwordBox->text().isEmpty() || m_checked;
}

void SyncWindow::checkAccount() {
    const QUrl server = serverUrl(m_serverBox->text());
    if (!server.isValid() || server.host().isEmpty() || m_userBox->text().trimmed().isEmpty()) {
        m_ctx.prompter->warn(QString(), tr("Enter the server's address (https://…) and your user name."));
        return;
    }
    m_checkButton->setEnabled(false);
    m_checkError.clear();
    m_door.check(server, m_userBox->text().trimmed(), m_passwordBox->text(),
                 [this](const QString& error, const QList<ServerCollection>& collections) {
                     m_checkButton->setEnabled(true);
                     m_checkError = error;
                     m_checked = error.isEmpty();
                     if (m_checked)
                         fillChoices(collections);
                     showState();
                 });
}

void SyncWindow::fillChoices(const QList<ServerCollection>& collections) {
    const std::pair<QComboBox*, bool ServerCollection::*> choices[] = {
        {m_plansBox, &ServerCollection::events},
        {m_diaryBox, &ServerCollection::journals},
        {m_directoryBox, &ServerCollection::contacts}};
    for (const auto& [box, takes] : choices) {
        while (box->count() > 1)
            box->removeItem(1);
        for (const ServerCollection& c : collections)
            if (c.*takes)
                box->addItem(c.name.isEmpty() ? QString::fromUtf8(c.href) : c.name, c.href);
        box->setCurrentIndex(OwnCollection);
    }
}

void SyncWindow::syncNow() {
    if (!accountChanged()) {
        m_door.syncNow();
        return;
    }
    const AccountChoice choice{serverUrl(m_serverBox->text()),
                               m_userBox->text().trimmed(),
                               m_passwordBox->text(),
                               m_plansBox->currentData().toByteArray(),
                               m_diaryBox->currentData().toByteArray(),
                               m_directoryBox->currentData().toByteArray()};
    m_syncButton->setEnabled(false);
    m_door.keep(choice, [this](const QString& error) {
        if (!error.isEmpty()) {
            m_ctx.prompter->warn(QString(), error);
            showState();
            return;
        }
        m_passwordBox->clear(); // kept in the keyring now, and never shown again
        m_checked = false;
        m_door.syncNow();
    });
}

void SyncWindow::stopSyncing() {
    if (!m_ctx.prompter->ask(QString(),
                             tr("Stop syncing with %1? Velkor forgets the account and its password; "
                                "every plan, diary entry and contact stays here as it is.")
                                 .arg(m_door.state().server.host())))
        return;
    m_door.stop();
    m_passwordBox->clear();
    showState();
}

} // namespace velkor::sync_ui
