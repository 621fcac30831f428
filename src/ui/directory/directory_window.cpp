#include "ui/directory/directory_window.h"

#include "core/directory/modem_commands.h"
#include "core/directory/port_choice.h"
#include "core/lang/contacts_texts.h"
#include "core/lang/messages.h"
#include "ui/common/caption.h"
#include "ui/common/geometry.h"
#include "ui/common/growth.h"
#include "ui/common/keyboard.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace velkor::directory {

namespace {

const QColor DarkBlue(0, 0, 128);

QLabel* whiteLabel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QRect& geometry) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

} // namespace

DirectoryWindow::DirectoryWindow(AppContext& context, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_store(context.dataDir), m_index(m_store),
      m_searchTimer(new QTimer(this)), m_dialer(new ModemDialer(context.serialLines, this)) {
    setObjectName(QStringLiteral("Form10"));
    buildControls();

    m_searchTimer->setObjectName(QStringLiteral("Timer1"));
    m_searchTimer->setSingleShot(true);
    m_searchTimer->setInterval(SearchDelayMs);
    connect(m_searchTimer, &QTimer::timeout, this, &DirectoryWindow::refreshList);
    connect(m_searchBox, &QLineEdit::textEdited, this, &DirectoryWindow::onSearchEdited);
    m_searchBox->installEventFilter(this);
    // Chosen by a click or the keyboard's selection; focus alone makes the first line current, unchosen,
    // and "Sil" must not reach an entry nobody chose.
    connect(m_nameList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& chosen) {
                if (!chosen.isEmpty())
                    onLineChosen(chosen.indexes().constFirst());
            });
    connect(m_nameList, &QListView::doubleClicked, this, &DirectoryWindow::onDoubleClicked);
    connect(m_newButton, &QPushButton::clicked, this, &DirectoryWindow::onNewClicked);
    connect(m_dialButton, &QPushButton::clicked, this, &DirectoryWindow::onDialClicked);
    connect(m_addressButton, &QPushButton::clicked, this, &DirectoryWindow::onAddressClicked);
    connect(m_deleteButton, &QPushButton::clicked, this, &DirectoryWindow::onDeleteClicked);
    connect(m_dialer, &ModemDialer::answered, this, &DirectoryWindow::onAnswered);
    connect(m_dialer, &ModemDialer::timedOut, this, &DirectoryWindow::onTimedOut);
    connect(m_dialer, &ModemDialer::refused, this, &DirectoryWindow::onRefused);

    // The directory is delivered with the program; made here when it is not, so the first save has a
    // table to go to. A file that is no database stays as it is, and the search says so.
    m_store.ensureCreated();
    loadPortChoice();
    // Worded in both languages on the way, so it fits either.
    lang::fitLayout(this);
    useKeyboard(this);
    // The names take whatever room the user gives the window.
    auto* growth = new Growth(this);
    growth->add(m_searchBox, Growth::Wider);
    growth->add(m_nameList, Growth::Wider | Growth::Taller);
    growth->add(m_hintLabel, Growth::FollowsBottom);
    growth->add(m_portBox, Growth::FollowsRight | Growth::FollowsBottom);
    for (QWidget* bottom : {static_cast<QWidget*>(m_newButton), static_cast<QWidget*>(m_deleteButton)})
        growth->add(bottom, Growth::FollowsBottom);
    for (QWidget* middle : {static_cast<QWidget*>(m_chosenNameLabel), static_cast<QWidget*>(m_numberBox)})
        growth->add(middle, Growth::Wider | Growth::FollowsBottom);
    for (QWidget* right : {m_dialButton, m_addressButton})
        growth->add(right, Growth::FollowsRight | Growth::FollowsBottom);
    // The first tick lists the whole directory.
    m_searchTimer->start();
    // Import and export go through the shell; without it they are not offered.
    if (m_ctx.doors) {
        for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(m_nameList)}) {
            w->addActions({m_importAction, m_exportAction});
            w->setContextMenuPolicy(Qt::ActionsContextMenu);
        }
    }
}

void DirectoryWindow::buildControls() {
    setFixedSize(px(4680), px(6165));
    QPalette background = palette();
    background.setColor(QPalette::Window, DarkBlue);
    setPalette(background);
    setAutoFillBackground(true);
    QFont font = tahoma(8);
    font.setPointSizeF(8.25);
    setFont(font);

    m_searchLabel = whiteLabel(this, "Label3", twipsRect(60, 90, 840, 255));
    m_searchBox = new QLineEdit(this);
    m_searchBox->setObjectName(QStringLiteral("Text1"));
    m_searchBox->setGeometry(twipsRect(900, 60, 3735, 315));

    m_listedNames = new ListedNames(this);
    m_nameList = new QListView(this);
    m_nameList->setObjectName(QStringLiteral("List1"));
    m_nameList->setGeometry(twipsRect(60, 420, 4575, 4740));
    // Rows of one height let the view lay out a whole directory without measuring each name.
    m_nameList->setUniformItemSizes(true);
    m_nameList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_nameList->setModel(m_listedNames);

    m_hintLabel = whiteLabel(this, "Label4", twipsRect(60, 5160, 3780, 255));
    m_portBox = new QComboBox(this);
    m_portBox->setObjectName(QStringLiteral("Combo1"));
    m_portBox->setGeometry(twipsRect(3900, 5160, 735, 300));
    // Sized for Tahoma; a narrower arrow keeps "COM1" readable in the wider fallback faces.
    m_portBox->setStyleSheet(
        QStringLiteral("QComboBox { padding: 0 0 0 3px; } QComboBox::drop-down { width: 12px; }"));

    m_newButton = button(this, "Command1", twipsRect(60, 5460, 855, 345));
    m_deleteButton = button(this, "Command4", twipsRect(60, 5820, 855, 345));
    m_chosenNameLabel = whiteLabel(this, "Label1", twipsRect(960, 5460, 2835, 240));

    m_numberBox = new QLineEdit(this);
    m_numberBox->setObjectName(QStringLiteral("Text2"));
    m_numberBox->setGeometry(twipsRect(960, 5700, 2835, 435));
    m_numberBox->setReadOnly(true);
    m_numberBox->setAlignment(Qt::AlignCenter);
    m_numberFont = tahoma(16, true);
    m_numberFont.setPointSizeF(15.75);
    m_numberBox->setFont(m_numberFont);
    QPalette numberColours = m_numberBox->palette();
    numberColours.setColor(QPalette::Base, DarkBlue);
    numberColours.setColor(QPalette::Text, Qt::white);
    m_numberBox->setPalette(numberColours);

    m_dialButton = button(this, "Command2", twipsRect(3900, 5460, 735, 345));
    m_addressButton = button(this, "Command3", twipsRect(3900, 5820, 735, 345));
    m_dialButton->setEnabled(false);
    m_addressButton->setEnabled(false);
    m_deleteButton->setEnabled(false);

    // In a context menu, so the window keeps its given controls where they are.
    m_importAction = new QAction(this);
    m_importAction->setObjectName(QStringLiteral("importAction"));
    m_exportAction = new QAction(this);
    m_exportAction->setObjectName(QStringLiteral("exportAction"));
    connect(m_importAction, &QAction::triggered, this, &DirectoryWindow::onImportChosen);
    connect(m_exportAction, &QAction::triggered, this, &DirectoryWindow::onExportChosen);
}

void DirectoryWindow::retranslate() {
    m_title = tr("Directory");
    m_searchLabel->setText(tr("Search: "));
    m_hintLabel->setText(tr(" Double click to edit..."));
    setCaption(m_newButton, tr("New"));
    setCaption(m_deleteButton, tr("Delete"));
    setCaption(m_addressButton, tr("Address"));
    // Words only: a dial under way keeps its cancel button.
    setCaption(m_dialButton,
               m_dialer->isActive() ? lang::directory::cancelCaption() : lang::directory::dialCaption());
    m_searchBox->setAccessibleName(tr("Search"));
    m_nameList->setAccessibleName(tr("Names"));
    m_chosenNameLabel->setAccessibleName(tr("Chosen name"));
    m_numberBox->setAccessibleName(tr("Telephone"));
    m_portBox->setAccessibleName(tr("Modem port"));
    m_importAction->setText(lang::contacts::importCaption());
    m_exportAction->setText(lang::contacts::exportCaption());
    showDialState();
}

void DirectoryWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    showNumber(m_number); // in the face the new width allows
}

bool DirectoryWindow::eventFilter(QObject* watched, QEvent* event) {
    // Down from the search goes into the names, choosing the first.
    if (watched == m_searchBox && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && m_nameList->model()->rowCount() > 0) {
        m_nameList->setFocus(Qt::TabFocusReason);
        m_nameList->setCurrentIndex(m_nameList->model()->index(0, 0));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DirectoryWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

PortChoice DirectoryWindow::chosenPort() const {
    const QString device = m_portBox->currentData().toString();
    return device.isEmpty() ? PortChoice{std::max(m_portBox->currentIndex(), 0), {}} : PortChoice{0, device};
}

QString DirectoryWindow::chosenPortName() const {
    const PortChoice port = chosenPort();
    return port.device.isEmpty() ? portName(port.index) : port.device;
}

void DirectoryWindow::showDialState() {
    setWindowTitle(m_dialPort.isEmpty() ? m_title : lang::directory::dialWaiting(m_title, m_dialPort));
}

void DirectoryWindow::loadPortChoice() {
    for (int i = 0; i < PortCount; ++i)
        m_portBox->addItem(portName(i));
    const QString path = m_ctx.dataFile(portChoiceFileName());
    const PortChoice stored = directory::loadPortChoice(path);
    // The ports the machine has, and the stored one even while it is unplugged.
    QList<PortOffer> offers = machinePorts();
    if (!stored.device.isEmpty() && std::none_of(offers.cbegin(), offers.cend(), [&](const PortOffer& o) {
            return o.device == stored.device;
        }))
        offers.prepend({stored.device, stored.device});
    for (const PortOffer& offer : std::as_const(offers))
        m_portBox->addItem(offer.label, offer.device);
    m_portBox->setCurrentIndex(stored.device.isEmpty() ? stored.index : m_portBox->findData(stored.device));
    // The list opens as wide as its labels, however narrow the box.
    m_portBox->view()->setMinimumWidth(m_portBox->view()->sizeHintForColumn(0) +
                                       2 * m_portBox->view()->frameWidth());
    // The choice made at load is written too, so the file always holds the port in use.
    savePortChoice(path, chosenPort());
    connect(m_portBox, &QComboBox::currentIndexChanged, this, &DirectoryWindow::onPortChosen);
}

void DirectoryWindow::onPortChosen(int index) {
    if (index < 0)
        return;
    const IoResult saved = savePortChoice(m_ctx.dataFile(portChoiceFileName()), chosenPort());
    if (!saved)
        m_ctx.prompter->warn(QString(), lang::directory::portChoiceNotSaved(saved.error));
}

void DirectoryWindow::onSearchEdited() {
    m_listedNames->setRows({});
    m_searchTimer->start();
}

void DirectoryWindow::refreshList() {
    m_searchTimer->stop();
    const Loaded<FoundNames> found = m_index.find(m_searchBox->text());
    m_listedNames->setRows(found.value);
    if (!found.ok())
        sayUnreadable(found.error);
}

void DirectoryWindow::sayUnreadable(const QString& error) {
    if (m_readErrorShown)
        return;
    m_readErrorShown = true;
    m_ctx.prompter->warn(QString(), lang::directory::listUnreadable(error));
}

void DirectoryWindow::sayRowGone(const RowRef& row) {
    m_goneRow = row;
    m_ctx.prompter->warn(QString(), lang::directory::rowGone());
    m_searchTimer->start();
}

void DirectoryWindow::display(const DirRecord& entry) {
    m_chosenNameLabel->setText(entry.name);
    showNumber(entry.tel);
    m_address = entry.address;
}

void DirectoryWindow::showNumber(const QString& number) {
    m_number = number;
    // The number is shown whole: in a smaller face when the given one is too wide, and only past the
    // smallest face cut in the middle, the whole of it in the tip. Its start is never cut.
    const int frame = m_numberBox->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_numberBox);
    const int room = m_numberBox->contentsRect().width() - 2 * (frame + NumberMargin);
    QFont font = m_numberFont;
    while (QFontMetrics(font).horizontalAdvance(number) > room && font.pointSizeF() > SmallestNumberPoints)
        font.setPointSizeF(std::max(SmallestNumberPoints, font.pointSizeF() - 0.5));
    m_numberBox->setFont(font);
    const QString shown = QFontMetrics(font).elidedText(number, Qt::ElideMiddle, room);
    m_numberBox->setText(shown);
    m_numberBox->setToolTip(shown == number ? QString() : number);
    m_numberBox->setCursorPosition(0);
}

void DirectoryWindow::onLineChosen(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const RowRef row = m_listedNames->rowAt(index.row());
    const Loaded<std::optional<DirRecord>> entry = m_store.entryAt(row);
    if (entry.ok() && !entry.value) {
        sayRowGone(row);
        return;
    }
    // With the file unreadable nothing is shown, yet the line is chosen.
    if (entry.value)
        display(*entry.value);
    if (row.name.isEmpty())
        return;
    m_chosen = row;
    if (!m_number.isEmpty())
        m_dialButton->setEnabled(true);
    m_addressButton->setEnabled(true);
    m_deleteButton->setEnabled(true);
}

void DirectoryWindow::onDoubleClicked(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const RowRef row = m_listedNames->rowAt(index.row());
    const Loaded<std::optional<DirRecord>> entry = m_store.entryAt(row);
    if (!entry.ok())
        sayUnreadable(entry.error);
    else if (!entry.value && row != m_goneRow) // the click before has said so
        sayRowGone(row);
    if (!entry.value)
        return;
    display(*entry.value);
    if (row.name.isEmpty())
        return;
    emit editorRequested({*entry.value, row, EditorMode::Change});
}

void DirectoryWindow::onNewClicked() {
    emit editorRequested({});
}

void DirectoryWindow::onAddressClicked() {
    m_ctx.prompter->inform(lang::directory::addressTitle(), m_address);
}

void DirectoryWindow::onDeleteClicked() {
    // The entry chosen last, also when a search has emptied the list since: the display still shows it.
    const Loaded<RowChange> removed = m_store.remove(m_chosen);
    if (!removed.ok()) {
        m_ctx.prompter->fail(QString(), lang::directory::deleteFailed(removed.error));
        return;
    }
    if (removed.value == RowChange::Gone) {
        sayRowGone(m_chosen);
        return;
    }
    m_chosen = {};
    m_chosenNameLabel->clear();
    showNumber(QString());
    // The dial button cancels a dial under way; it goes grey once that dial has ended.
    if (m_dialer->isActive())
        m_disableDialAfterDial = true;
    else
        m_dialButton->setEnabled(false);
    m_addressButton->setEnabled(false);
    m_deleteButton->setEnabled(false);
    m_searchTimer->start();
    m_ctx.prompter->inform(QString(), lang::directory::recordDeleted());
}

void DirectoryWindow::onImportChosen() {
    // Held here, not reached through the window: it may be closed while a question of the import is open.
    AppContext& ctx = m_ctx;
    // The outcome keeps the words the question had, should the language change meanwhile.
    const QString title = lang::contacts::importTitle();
    const std::optional<QString> file = ctx.fileChooser->choose(this, title, lang::contacts::fileFilter());
    if (!file || !ctx.doors)
        return;
    QPointer<DirectoryWindow> alive(this);
    const interop::TransferResult result = ctx.doors->importContacts(*file);
    ctx.prompter->show(result.ok ? BoxKind::Information : BoxKind::Warning, title, result.summary);
    if (alive)
        refreshList();
}

void DirectoryWindow::onExportChosen() {
    const QString title = lang::contacts::exportTitle();
    std::optional<QString> file = m_ctx.fileChooser->chooseSave(this, title, lang::contacts::fileFilter(),
                                                                QStringLiteral("velkor-rehber.vcf"));
    if (!file || !m_ctx.doors)
        return;
    if (QFileInfo(*file).suffix().isEmpty())
        file->append(QStringLiteral(".vcf"));
    const interop::TransferResult result = m_ctx.doors->exportContacts(*file);
    m_ctx.prompter->show(result.ok ? BoxKind::Information : BoxKind::Warning, title, result.summary);
}

void DirectoryWindow::onDialClicked() {
    if (m_dialer->isActive()) {
        m_dialer->hangUp();
        dialEnded();
        return;
    }
    const QString number = dialableNumber(m_number);
    if (number.isEmpty())
        return;
    setCaption(m_dialButton, lang::directory::cancelCaption());
    if (m_dialer->dial(serialDeviceName(chosenPortName()), number)) {
        m_dialPort = chosenPortName();
        showDialState();
        return;
    }
    QPointer<DirectoryWindow> alive(this);
    m_ctx.prompter->warn(
        QString(), lang::directory::portUnavailable(chosenPortName(), serialDeviceName(chosenPortName()),
                                                    m_dialer->openProblem(), m_dialer->errorString()));
    if (alive)
        dialEnded();
}

void DirectoryWindow::onAnswered() {
    QPointer<DirectoryWindow> alive(this);
    m_ctx.beeper->beep();
    m_ctx.prompter->inform(QString(), lang::directory::pickUpPhone());
    // Closed while the message was up: the dialer went with the window and hung up then.
    if (!alive)
        return;
    dialEnded();
    m_dialer->hangUp();
}

void DirectoryWindow::onTimedOut() {
    dialEnded();
    m_ctx.prompter->warn(QString(), lang::directory::modemSilent());
}

void DirectoryWindow::onRefused(ModemResult result) {
    dialEnded();
    using lang::directory::ModemRefusal;
    const ModemRefusal refusal = result == ModemResult::Busy         ? ModemRefusal::Busy
                                 : result == ModemResult::NoDialtone ? ModemRefusal::NoDialtone
                                 : result == ModemResult::NoCarrier  ? ModemRefusal::NoCarrier
                                 : result == ModemResult::NoAnswer   ? ModemRefusal::NoAnswer
                                                                     : ModemRefusal::Error;
    m_ctx.prompter->warn(QString(), lang::directory::modemRefused(refusal));
}

void DirectoryWindow::dialEnded() {
    setCaption(m_dialButton, lang::directory::dialCaption());
    m_dialPort.clear();
    showDialState();
    if (m_disableDialAfterDial) {
        m_disableDialAfterDial = false;
        m_dialButton->setEnabled(false);
    }
}

void DirectoryWindow::closeEvent(QCloseEvent* event) {
    // A dial must not outlive its window: the modem would stay off the hook with the port held.
    m_dialer->hangUp();
    event->accept();
}

} // namespace velkor::directory
