#include "ui/diary/diary_editor_window.h"

#include "core/base/save_question.h"
#include "core/diary/diary_listing.h"
#include "core/lang/messages.h"
#include "core/lang/vocabulary.h"
#include "ui/common/caption.h"
#include "ui/common/keyboard.h"
#include "ui/common/typed_text.h"
#include "ui/diary/controls.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace velkor::diary {

namespace {

constexpr int YearBarMiddle = 50;
constexpr int SubjectLength = 50;

// Chooses the item at a stored day or month read as a number; a value with no item leaves the box alone.
void choosePosition(QComboBox* box, const QString& stored) {
    const std::optional<double> number = readNumber(stored);
    if (!number)
        return;
    const double index = *number - 1;
    if (index >= 0 && index < box->count() && index == static_cast<int>(index))
        box->setCurrentIndex(static_cast<int>(index));
}

} // namespace

DiaryEditorWindow::DiaryEditorWindow(AppContext& context, EditorMode mode, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_state(*context.state), m_store(context.dataDir),
      m_mode(EditorMode::Add) {
    setObjectName(QStringLiteral("Form9"));
    setFont(tahoma(8));
    setFixedSize(px(7920), px(6000));
    buildControls();

    // Worded in both languages on the way, so it fits either.
    lang::fitLayout(this);
    useKeyboard(this);
    saveOnCtrlS(this, m_saveButton);
    m_yearBox->setText(
        QString::number(m_ctx.clock->now().date().year() + (m_yearBar->value() - YearBarMiddle)));
    if (m_state.diaryRecordNo != -1)
        loadEntry();
    setClean();
    m_state.diaryEditorOpen = true;
    if (m_ctx.doors) {
        m_ctx.doors->diaryOpenChanged();
        m_ctx.doors->unloadDiaryBrowser();
    }

    if (mode == EditorMode::Update) {
        m_title = Title::BrowserUpdate;
        setWindowTitle(lang::diary::updateTitle());
        setMode(EditorMode::Update);
        m_attachButton->setEnabled(true); // files need the entry's number, which an update has
    }
}

void DiaryEditorWindow::buildControls() {
    m_dateLabel = control<QLabel>(this, "Label1", twipsRect(60, 60, 2880, 255));
    m_dayBox = control<QComboBox>(this, "Combo1", twipsRect(60, 330, 780, 315));
    m_monthBox = control<QComboBox>(this, "Combo2", twipsRect(900, 330, 780, 315));
    m_yearBox = control<QLineEdit>(this, "Text2", twipsRect(1740, 330, 900, 315));
    m_yearBar = control<QScrollBar>(this, "vs1", twipsRect(2640, 330, 255, 315), Qt::Vertical);
    m_yearBar->setRange(0, 100);
    m_yearBar->setValue(YearBarMiddle);
    m_subjectLabel = control<QLabel>(this, "Label2", twipsRect(3000, 60, 4800, 255));
    m_subjectBox = control<QLineEdit>(this, "Text1", twipsRect(3000, 330, 4800, 315));
    m_subjectBox->setMaxLength(SubjectLength);

    m_contentLabel = control<QLabel>(this, "Label3", twipsRect(60, 780, 7740, 255));
    m_contentBox = control<QPlainTextEdit>(this, "Text3", twipsRect(60, 1050, 7740, 2700));
    m_contentBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_filesLabel = control<QLabel>(this, "Label4", twipsRect(60, 3840, 5940, 255));
    m_fileList = control<QListWidget>(this, "List1", twipsRect(60, 4110, 5940, 1200));
    m_attachButton = control<QPushButton>(this, "Command4", twipsRect(6120, 4110, 1680, 375));
    m_removeButton = control<QPushButton>(this, "Command5", twipsRect(6120, 4560, 1680, 375));

    m_saveButton = control<QPushButton>(this, "Command1", twipsRect(60, 5460, 1500, 375));
    m_undoButton = control<QPushButton>(this, "Command2", twipsRect(1680, 5460, 2400, 375));
    m_newButton = control<QPushButton>(this, "Command3", twipsRect(4200, 5460, 1500, 375));
    for (QPushButton* button : {m_saveButton, m_undoButton, m_newButton, m_attachButton, m_removeButton})
        button->setEnabled(false);

    connect(m_dayBox, &QComboBox::currentIndexChanged, this, &DiaryEditorWindow::markChanged);
    connect(m_monthBox, &QComboBox::currentIndexChanged, this, &DiaryEditorWindow::markChanged);
    connect(m_yearBox, &QLineEdit::textChanged, this, &DiaryEditorWindow::markChanged);
    connect(m_subjectBox, &QLineEdit::textChanged, this, &DiaryEditorWindow::markChanged);
    connect(m_contentBox, &QPlainTextEdit::textChanged, this, &DiaryEditorWindow::markChanged);
    connect(m_yearBar, &QScrollBar::valueChanged, this, &DiaryEditorWindow::yearScrolled);
    connect(m_fileList, &QListWidget::itemClicked, m_removeButton,
            [this] { m_removeButton->setEnabled(true); });
    connect(m_saveButton, &QPushButton::clicked, this, &DiaryEditorWindow::saveClicked);
    connect(m_undoButton, &QPushButton::clicked, this, &DiaryEditorWindow::undo);
    connect(m_newButton, &QPushButton::clicked, this, &DiaryEditorWindow::startNew);
    connect(m_attachButton, &QPushButton::clicked, this, &DiaryEditorWindow::attach);
    connect(m_removeButton, &QPushButton::clicked, this, &DiaryEditorWindow::removeFile);
}

void DiaryEditorWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        // The browser's own words for an update last until the first switch; the editor's follow.
        if (m_title == Title::BrowserUpdate)
            m_title = Title::Edit;
        retranslate();
    }
    QWidget::changeEvent(event);
}

void DiaryEditorWindow::retranslate() {
    switch (m_title) {
    case Title::Add:
        setWindowTitle(tr("Add Record"));
        break;
    case Title::BrowserUpdate:
        setWindowTitle(lang::diary::updateTitle());
        break;
    case Title::Edit:
        setWindowTitle(tr("Edit Record"));
        break;
    }
    m_dateLabel->setText(tr("                 Date"));
    m_subjectLabel->setText(tr("              Subject"));
    m_contentLabel->setText(tr("Content"));
    m_filesLabel->setText(tr("Files"));
    setCaption(m_newButton, tr("New"));
    setCaption(m_attachButton, tr("Add File"));
    setCaption(m_removeButton, tr("Remove File"));
    setCaption(m_undoButton, tr("Undo Changes"));
    setCaption(m_saveButton, lang::diary::saveButtonCaption(m_mode == EditorMode::Add));
    m_dayBox->setAccessibleName(tr("Day"));
    m_monthBox->setAccessibleName(tr("Month"));
    m_yearBox->setAccessibleName(tr("Year"));
    m_yearBar->setAccessibleName(tr("Change year"));
    m_subjectBox->setAccessibleName(tr("Subject"));
    m_contentBox->setAccessibleName(tr("Content"));
    m_fileList->setAccessibleName(tr("Files"));
    if (m_dayBox->count() > 0)
        return; // a switch keeps the date: the items are numbers in both languages
    const QDate today = m_ctx.clock->now().date();
    const QSignalBlocker dayBlocker(m_dayBox);
    const QSignalBlocker monthBlocker(m_monthBox);
    m_dayBox->addItems(lang::twoDigitNumbers(31));
    m_monthBox->addItems(lang::twoDigitNumbers(12));
    m_dayBox->setCurrentIndex(today.day() - 1);
    m_monthBox->setCurrentIndex(today.month() - 1);
}

void DiaryEditorWindow::loadEntry() {
    const Loaded<std::optional<DiaryEntry>> found = m_store.findEntry(m_state.diaryRecordNo);
    if (!found.ok()) {
        m_ctx.prompter->fail(QString(), found.error);
        return;
    }
    if (found.value)
        display(*found.value);
    refillFiles();
}

void DiaryEditorWindow::display(const DiaryEntry& entry) {
    choosePosition(m_dayBox, entry.day);
    choosePosition(m_monthBox, entry.month);
    m_yearBox->setText(entry.year);
    // The limit is for typing: a longer stored subject comes in whole, or a save would cut it.
    m_subjectBox->setMaxLength(std::max(SubjectLength, int(entry.subject.size())));
    m_subjectBox->setText(entry.subject);
    m_contentBox->setPlainText(entry.content);
}

DiaryEntry DiaryEditorWindow::typedEntry() const {
    return {m_state.diaryRecordNo,   m_subjectBox->text(),      typedText(*m_contentBox),
            m_dayBox->currentText(), m_monthBox->currentText(), m_yearBox->text()};
}

void DiaryEditorWindow::markChanged() {
    m_saveButton->setEnabled(true);
    m_undoButton->setEnabled(true);
}

void DiaryEditorWindow::setClean() {
    m_saveButton->setEnabled(false);
    m_undoButton->setEnabled(false);
}

void DiaryEditorWindow::setMode(EditorMode mode) {
    m_mode = mode;
    setCaption(m_saveButton, lang::diary::saveButtonCaption(mode == EditorMode::Add));
}

bool DiaryEditorWindow::hasUnsavedChanges() const {
    return m_saveButton->isEnabled();
}

bool DiaryEditorWindow::saveUnsavedChanges() {
    return save(Announce::No);
}

void DiaryEditorWindow::yearScrolled(int value) {
    m_yearBox->setText(QString::number(m_ctx.clock->now().date().year() - (value - YearBarMiddle)));
}

bool DiaryEditorWindow::save(Announce announce) {
    if (m_subjectBox->text().isEmpty()) {
        if (announce == Announce::Yes)
            m_ctx.prompter->inform(QString(), lang::diary::emptySubjectNotice());
        m_subjectBox->setText(lang::diary::defaultSubject());
    }
    const EditorMode savedAs = m_mode;
    if (savedAs == EditorMode::Add) {
        const Loaded<qint32> added = m_store.addEntry(typedEntry());
        if (!added.ok()) {
            m_ctx.prompter->fail(QString(), added.error);
            return false;
        }
        // The number comes from the insert itself, not from "the last row", which another copy of the
        // program may have added meanwhile.
        m_state.diaryRecordNo = added.value;
        m_attachButton->setEnabled(true);
        // From now on this window holds a stored entry: saving again must update it, never add another.
        setMode(EditorMode::Update);
    } else {
        const IoResult updated = m_store.updateEntry(m_state.diaryRecordNo, typedEntry());
        if (!updated) {
            m_ctx.prompter->fail(QString(), updated.error);
            return false;
        }
    }
    if (announce == Announce::Yes)
        m_ctx.prompter->inform(QString(), lang::diary::savedNotice(savedAs == EditorMode::Add));
    setClean();
    return true;
}

void DiaryEditorWindow::saveClicked() {
    if (!save(Announce::Yes))
        return;
    m_newButton->setEnabled(true);
}

void DiaryEditorWindow::undo() {
    if (m_mode == EditorMode::Add) {
        m_undoButton->setEnabled(false);
        return;
    }
    const Loaded<std::optional<DiaryEntry>> found = m_store.findEntry(m_state.diaryRecordNo);
    if (!found.ok())
        m_ctx.prompter->fail(QString(), found.error);
    else if (found.value)
        display(*found.value);
    setClean();
}

void DiaryEditorWindow::startNew() {
    if (m_ctx.doors)
        m_ctx.doors->unloadDiaryEditor();
    if (!m_closed)
        return; // kept open: its changes could not be saved
    m_state.diaryRecordNo = -1;
    if (m_ctx.doors)
        m_ctx.doors->showDiaryEditor(EditorMode::Add);
}

void DiaryEditorWindow::attach() {
    const std::optional<QString> path =
        m_ctx.fileChooser->choose(this, m_attachButton->text(), tr("All files (*)"));
    if (!path || path->isEmpty())
        return;
    const Loaded<bool> added = m_store.attachFile(m_state.diaryRecordNo, *path);
    if (!added.ok()) {
        m_ctx.prompter->fail(QString(), added.error);
        return;
    }
    if (added.value)
        m_fileList->addItem(*path);
}

void DiaryEditorWindow::removeFile() {
    const QList<QListWidgetItem*> chosen = m_fileList->selectedItems();
    if (!chosen.isEmpty()) {
        const IoResult removed = m_store.detachFile(m_state.diaryRecordNo, chosen.first()->text());
        if (!removed)
            m_ctx.prompter->fail(QString(), removed.error);
    }
    refillFiles();
}

void DiaryEditorWindow::refillFiles() {
    m_fileList->clear();
    const Loaded<QStringList> paths = m_store.listFiles(m_state.diaryRecordNo);
    if (!paths.ok()) {
        m_ctx.prompter->fail(QString(), paths.error);
        return;
    }
    m_fileList->addItems(paths.value);
}

void DiaryEditorWindow::closeEvent(QCloseEvent* event) {
    if (hasUnsavedChanges()) {
        const QString question = lang::diary::saveQuestion();
        const SaveChoice choice = askToSave(*m_ctx.prompter, lang::diary::saveQuestionTitle(), question,
                                            lang::unsavedAtExit(windowTitle(), question),
                                            lang::unsavedAtExitChoices(), closingForExit());
        // A failed save has told the user why; the typed work stays on screen rather than being dropped.
        if (choice == SaveChoice::Stay || (choice == SaveChoice::Save && !save(Announce::Yes))) {
            event->ignore();
            return;
        }
    }
    event->accept();
    m_closed = true;
    m_state.diaryEditorOpen = false;
    if (m_ctx.doors) {
        m_ctx.doors->diaryOpenChanged();
        m_ctx.doors->showDiaryBrowser();
    }
}

} // namespace velkor::diary
