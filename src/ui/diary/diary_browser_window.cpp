#include "ui/diary/diary_browser_window.h"

#include "core/lang/messages.h"
#include "core/lang/vocabulary.h"
#include "ui/common/caption.h"
#include "ui/common/growth.h"
#include "ui/common/keyboard.h"
#include "ui/common/transfer_button.h"
#include "ui/diary/controls.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QStyle>
#include <QTimer>

namespace velkor::diary {

namespace {

constexpr int RefreshDelayMs = 10;
constexpr int YearBarMiddle = 50;
const char* const PanelPlaceholder = "1234567890123456789012345678901234567890";

// The shell starts the file's program in the program's own directory, as the desktop would for a
// program started from there.
class ProgramDirectory {
public:
    explicit ProgramDirectory(const QString& dir) : m_previous(QDir::currentPath()) {
        m_changed = !dir.isEmpty() && QDir::setCurrent(dir);
    }
    ~ProgramDirectory() {
        if (m_changed)
            QDir::setCurrent(m_previous);
    }
    ProgramDirectory(const ProgramDirectory&) = delete;
    ProgramDirectory& operator=(const ProgramDirectory&) = delete;

private:
    QString m_previous;
    bool m_changed = false;
};

} // namespace

DiaryBrowserWindow::DiaryBrowserWindow(AppContext& context, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_state(*context.state), m_store(context.dataDir) {
    setObjectName(QStringLiteral("Form8"));
    setFont(tahoma(8));
    setFixedSize(px(7920), px(6480));
    buildControls();

    // Worded in both languages on the way, so it fits either.
    lang::fitLayout(this);
    useKeyboard(this);
    alignColumns();
    // The entries take whatever room the user gives the window.
    auto* growth = new Growth(this);
    growth->add(m_searchBox, Growth::Wider);
    for (QWidget* wide : {m_subjectsLabel, m_subjectHeadLabel})
        growth->add(wide, Growth::Wider);
    growth->add(m_hintLabel, Growth::Wider | Growth::FollowsBottom);
    growth->add(m_entryList, Growth::Wider | Growth::Taller);
    growth->add(m_columnRule, Growth::Taller);
    for (QWidget* button : {m_addButton, m_editButton})
        growth->add(button, Growth::FollowsBottom);
    growth->add(findChild<TransferButton*>(), Growth::FollowsRight | Growth::FollowsBottom);
    growth->add(m_entryPanel, Growth::Wider | Growth::Taller);
    growth->add(m_contentBox, Growth::Wider | Growth::Taller);
    growth->add(m_filesLabel, Growth::FollowsBottom);
    growth->add(m_fileList, Growth::Wider | Growth::FollowsBottom);
    for (QWidget* button : {m_openButton, m_closePanelButton})
        growth->add(button, Growth::FollowsRight | Growth::FollowsBottom);
    const int year = m_ctx.clock->now().date().year();
    m_yearBox->setText(QString::number(year + (m_yearBar->value() - YearBarMiddle)));
    m_periodBox->setCurrentIndex(static_cast<int>(Period::Date));
    m_monthBox->setCurrentIndex(m_ctx.clock->now().date().month() - 1);
    m_state.diaryBrowserOpen = true;
    if (m_ctx.doors)
        m_ctx.doors->diaryOpenChanged();
}

void DiaryBrowserWindow::buildControls() {
    m_periodLabel = control<QLabel>(this, "Label3", twipsRect(60, 60, 4920, 255));
    m_periodBox = control<QComboBox>(this, "Combo4", twipsRect(60, 330, 2160, 315));
    m_monthBox = control<QComboBox>(this, "Combo1", twipsRect(2280, 330, 1440, 315));
    m_yearBox = control<QLineEdit>(this, "Text2", twipsRect(3780, 330, 900, 315));
    m_yearBar = control<QScrollBar>(this, "vs1", twipsRect(4680, 330, 255, 315), Qt::Vertical);
    m_yearBar->setRange(0, 100);
    m_yearBar->setValue(YearBarMiddle);
    m_searchBox = control<QLineEdit>(this, "Text1", twipsRect(5100, 330, 2700, 315));

    m_subjectsLabel = control<QLabel>(this, "Label4", twipsRect(60, 780, 7740, 255));
    m_dateHeadLabel = control<QLabel>(this, "Label1", twipsRect(60, 1050, 1800, 255));
    m_subjectHeadLabel = control<QLabel>(this, "Label2", twipsRect(1080, 1050, 6720, 255));
    m_entryList = control<QListView>(this, "List1", twipsRect(60, 1320, 7740, 4200));
    m_lines = new QStringListModel(this);
    m_entryList->setModel(m_lines);
    m_entryList->setUniformItemSizes(true); // a long list lays out at once
    m_entryList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_columnRule = control<QFrame>(this, "Frame1", twipsRect(1020, 1320, 75, 4200));
    m_columnRule->setFrameShape(QFrame::Box);
    m_hintLabel = control<QLabel>(this, "Label5", twipsRect(60, 5580, 7740, 255));
    m_addButton = control<QPushButton>(this, "Command2", twipsRect(60, 5940, 1500, 375));
    m_editButton = control<QPushButton>(this, "Command3", twipsRect(1680, 5940, 1500, 375));
    m_editButton->setEnabled(false);
    new TransferButton(
        this, twipsRect(5940, 5940, 1860, 375), [this] { exchange(Exchange::ImportCalendar); },
        [this] { exchange(Exchange::ExportCalendar); });

    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setObjectName(QStringLiteral("Timer1"));
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(RefreshDelayMs);

    m_entryPanel = control<QGroupBox>(this, "Frame2", twipsRect(60, 780, 7740, 4740));
    m_entryPanel->setTitle(QString::fromLatin1(PanelPlaceholder));
    m_entryPanel->setAutoFillBackground(true); // the list and its headers must not show through
    m_entryPanel->hide();
    m_contentBox = control<QPlainTextEdit>(m_entryPanel, "Text3", twipsRect(120, 300, 7500, 2640));
    m_contentBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_filesLabel = control<QLabel>(m_entryPanel, "Label6", twipsRect(120, 3000, 3000, 255));
    m_fileList = control<QListWidget>(m_entryPanel, "List2", twipsRect(120, 3270, 6000, 1380));
    m_openButton = control<QPushButton>(m_entryPanel, "Command4", twipsRect(6240, 3270, 1380, 375));
    m_openButton->setEnabled(false);
    m_closePanelButton = control<QPushButton>(m_entryPanel, "Command1", twipsRect(6240, 4260, 1380, 375));

    connect(m_refreshTimer, &QTimer::timeout, this, &DiaryBrowserWindow::refresh);
    connect(m_periodBox, &QComboBox::currentIndexChanged, this, &DiaryBrowserWindow::periodChosen);
    connect(m_monthBox, &QComboBox::currentIndexChanged, this, &DiaryBrowserWindow::scheduleRefresh);
    connect(m_yearBox, &QLineEdit::textChanged, this, &DiaryBrowserWindow::scheduleRefresh);
    // Any edit by the user, pasting included, so the list always answers the text in the box.
    connect(m_searchBox, &QLineEdit::textEdited, this, &DiaryBrowserWindow::scheduleRefresh);
    connect(m_yearBar, &QScrollBar::valueChanged, this, &DiaryBrowserWindow::yearScrolled);
    // Chosen by a click or the keyboard's selection; focus alone makes the first line current, unchosen.
    connect(m_entryList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& chosen) {
                if (!chosen.isEmpty())
                    lineChosen(chosen.indexes().constFirst());
            });
    connect(m_entryList, &QListView::doubleClicked, this, &DiaryBrowserWindow::showEntryPanel);
    connect(m_closePanelButton, &QPushButton::clicked, this, &DiaryBrowserWindow::closeEntryPanel);
    connect(m_fileList, &QListWidget::itemClicked, m_openButton, [this] { m_openButton->setEnabled(true); });
    connect(m_openButton, &QPushButton::clicked, this, &DiaryBrowserWindow::openChosenFile);
    connect(m_addButton, &QPushButton::clicked, this, &DiaryBrowserWindow::addNew);
    connect(m_editButton, &QPushButton::clicked, this, &DiaryBrowserWindow::editChosen);
}

void DiaryBrowserWindow::alignColumns() {
    // A line is the date, five spaces, the subject: the rule goes into the gap and each header over its
    // column, wherever the font present puts them.
    QFrame* rule = m_columnRule;
    QLabel* dateHead = m_dateHeadLabel;
    QLabel* subjectHead = m_subjectHeadLabel;
    const QFontMetrics metrics(m_entryList->font());
    const int textLeft =
        m_entryList->x() + m_entryList->viewport()->x() +
        m_entryList->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_entryList) + 1;
    const QString date = QStringLiteral("00/00/0000");
    const int dateEnd = textLeft + metrics.horizontalAdvance(date);
    const int subjectLeft = textLeft + metrics.horizontalAdvance(date + QStringLiteral("     "));
    rule->move((dateEnd + subjectLeft - rule->width()) / 2, rule->y());
    dateHead->setGeometry(textLeft, dateHead->y(), rule->x() - textLeft, dateHead->height());
    subjectHead->setGeometry(subjectLeft, subjectHead->y(), m_entryList->geometry().right() - subjectLeft,
                             subjectHead->height());
}

void DiaryBrowserWindow::retranslate() {
    setWindowTitle(tr("Daily"));
    m_periodLabel->setText(tr("Date"));
    m_subjectsLabel->setText(tr("Subjects"));
    // The headers stand over their columns, without the spaces that placed them for Tahoma.
    m_dateHeadLabel->setText(tr("Date"));
    m_subjectHeadLabel->setText(tr("Subject"));
    m_hintLabel->setText(tr(" Double click the subjects to read the subject content..."));
    m_filesLabel->setText(tr(" Files"));
    setCaption(m_addButton, tr("Add New"));
    setCaption(m_editButton, tr("Edit"));
    setCaption(m_closePanelButton, tr("Close"));
    setCaption(m_openButton, tr("Open"));
    m_periodBox->setAccessibleName(tr("Period"));
    m_monthBox->setAccessibleName(tr("Month"));
    m_yearBox->setAccessibleName(tr("Year"));
    m_yearBar->setAccessibleName(tr("Change year"));
    m_searchBox->setAccessibleName(tr("Search"));
    m_entryList->setAccessibleName(tr("Subjects"));
    // Its title is the entry's subject and date, so the panel says what it is.
    m_entryPanel->setAccessibleName(tr("Subject detail"));
    m_contentBox->setAccessibleName(tr("Content"));
    m_fileList->setAccessibleName(tr("Files"));
    const int period = std::max(m_periodBox->currentIndex(), 0);
    const int month = std::max(m_monthBox->currentIndex(), 0);
    {
        // The same choices in other words: nothing to refresh.
        const QSignalBlocker periodBlocker(m_periodBox);
        const QSignalBlocker monthBlocker(m_monthBox);
        m_monthBox->clear();
        m_monthBox->addItems(lang::monthNames());
        m_monthBox->setCurrentIndex(month);
        m_periodBox->clear();
        m_periodBox->addItems(lang::diaryPeriodChoices());
        m_periodBox->setCurrentIndex(period);
    }
    const bool dated = period != static_cast<int>(Period::All);
    m_monthBox->setEnabled(dated);
    m_yearBox->setEnabled(dated);
    m_yearBar->setEnabled(dated);
}

void DiaryBrowserWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void DiaryBrowserWindow::scheduleRefresh() {
    m_lines->setStringList({});
    m_lineNumbers.clear();
    m_refreshTimer->start();
}

void DiaryBrowserWindow::periodChosen() {
    scheduleRefresh();
    const bool dated = m_periodBox->currentIndex() != static_cast<int>(Period::All);
    m_monthBox->setEnabled(dated);
    m_yearBox->setEnabled(dated);
    m_yearBar->setEnabled(dated);
}

void DiaryBrowserWindow::yearScrolled(int value) {
    // The bar's upper end is the later year.
    const int year = m_ctx.clock->now().date().year();
    m_yearBox->setText(QString::number(year - (value - YearBarMiddle)));
}

ListingQuery DiaryBrowserWindow::query() const {
    return {m_periodBox->currentIndex(), m_monthBox->currentIndex() + 1, m_yearBox->text(),
            m_searchBox->text()};
}

void DiaryBrowserWindow::refresh() {
    m_refreshTimer->stop();
    // Every change that schedules a refresh has emptied the list already; letting go of the old lines
    // before the read also lets it reuse their memory.
    m_lines->setStringList({});
    m_lineNumbers.clear();
    if (const IoResult updated = m_source.update(!m_searchBox->text().isEmpty()); !updated) {
        report(updated.error);
        return;
    }
    m_lastError.clear();
    Listing listing = buildListing(m_source.rows(), query());
    m_lineNumbers = std::move(listing.recordNumbers);
    m_lines->setStringList(listing.lines);
}

void DiaryBrowserWindow::report(const QString& error) {
    if (error == m_lastError)
        return;
    m_lastError = error;
    m_ctx.prompter->fail(QString(), error);
}

void DiaryBrowserWindow::lineChosen(const QModelIndex& index) {
    if (!index.isValid() || index.row() >= m_lineNumbers.size())
        return;
    m_state.diaryRecordNo = m_lineNumbers.at(index.row());
    m_editButton->setEnabled(true);
}

void DiaryBrowserWindow::showEntryPanel() {
    const qint32 recordNo = m_state.diaryRecordNo;
    if (recordNo != -1) {
        const Loaded<std::optional<DiaryEntry>> found = m_store.findEntry(recordNo);
        if (!found.ok()) {
            report(found.error);
        } else if (found.value) {
            const DiaryEntry& entry = *found.value;
            m_entryPanel->setTitle(entry.subject.left(50).leftJustified(51, QLatin1Char(' ')) +
                                   entryDateText(entry));
            m_contentBox->setPlainText(entry.content);
        }
        const Loaded<QStringList> paths = m_store.listFiles(recordNo);
        if (paths.ok())
            m_fileList->addItems(paths.value);
        else
            report(paths.error);
    }
    m_entryPanel->show();
    m_entryPanel->raise();
}

void DiaryBrowserWindow::closeEntryPanel() {
    m_entryPanel->hide();
    m_contentBox->clear();
    m_fileList->clear();
}

void DiaryBrowserWindow::openChosenFile() {
    const QList<QListWidgetItem*> chosen = m_fileList->selectedItems();
    const QString path = chosen.isEmpty() ? QString() : chosen.first()->text();
    FileOpener::Outcome outcome = FileOpener::Outcome::NoProgram;
    QString whole = path;
    if (path.size() >= 3) {
        const ProgramDirectory workingDirectory(m_ctx.programDir);
        whole = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        outcome = m_ctx.fileOpener->open(path);
    }
    if (outcome == FileOpener::Outcome::Opened)
        return;
    const lang::Notice notice = outcome == FileOpener::Outcome::NotFound ? lang::diary::fileNotFound(whole)
                                : outcome == FileOpener::Outcome::NoOpener
                                    ? lang::diary::noOpener()
                                    : lang::diary::openFailureNotice(path);
    m_ctx.prompter->show(notice.kind, notice.title, notice.text);
}

void DiaryBrowserWindow::addNew() {
    m_state.diaryRecordNo = -1;
    if (m_ctx.doors) {
        m_ctx.doors->unloadDiaryBrowser();
        m_ctx.doors->showDiaryEditor(EditorMode::Add);
    }
}

void DiaryBrowserWindow::editChosen() {
    // The editor unloads this window as it loads.
    if (m_ctx.doors) {
        m_ctx.doors->showDiaryEditor(EditorMode::Update);
        m_ctx.doors->unloadDiaryBrowser();
    }
}

void DiaryBrowserWindow::exchange(Exchange what) {
    if (m_ctx.doors)
        m_ctx.doors->exchange(this, what);
}

void DiaryBrowserWindow::closeEvent(QCloseEvent* event) {
    m_refreshTimer->stop();
    m_state.diaryBrowserOpen = false;
    if (m_ctx.doors)
        m_ctx.doors->diaryOpenChanged();
    event->accept();
}

} // namespace velkor::diary
