#include "ui/notebook/notebook_window.h"

#include "core/base/record_file.h"
#include "core/base/save_question.h"
#include "core/lang/messages.h"
#include "core/notebook/notes_file.h"
#include "ui/common/caption.h"
#include "ui/common/geometry.h"
#include "ui/common/keyboard.h"
#include "ui/common/typed_text.h"
#include "ui/notebook/wrapping_button.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velkor::notebook {

NotebookWindow::NotebookWindow(AppContext& context, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_noteBox(new QPlainTextEdit(this)),
      m_saveButton(new WrappingButton(this)), m_undoButton(new WrappingButton(this)) {
    setObjectName(QStringLiteral("Form12"));
    setFixedSize(px(6405), px(4200));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(background);
    setAutoFillBackground(true);
    QFont font = tahoma(8);
    font.setPointSizeF(8.25);
    setFont(font);

    m_noteBox->setObjectName(QStringLiteral("Text1"));
    m_noteBox->setGeometry(twipsRect(0, 0, 6375, 3615));
    m_noteBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_saveButton->setObjectName(QStringLiteral("Command1"));
    m_saveButton->setGeometry(twipsRect(1980, 3660, 1215, 495));
    m_undoButton->setObjectName(QStringLiteral("Command2"));
    m_undoButton->setGeometry(twipsRect(3360, 3660, 1215, 495));
    m_undoButton->setEnabled(false);

    lang::fitLayout(this);
    useKeyboard(this);
    saveOnCtrlS(this, m_saveButton);
    load();
    connect(m_noteBox, &QPlainTextEdit::textChanged, this, &NotebookWindow::onTextChanged);
    connect(m_saveButton, &QPushButton::clicked, this, &NotebookWindow::onSaveClicked);
    connect(m_undoButton, &QPushButton::clicked, this, &NotebookWindow::onUndoClicked);
}

QString NotebookWindow::path() const {
    return m_ctx.dataFile(notesFileName());
}

namespace {

// Wrapping a longer line costs time that grows with its square.
constexpr qsizetype MaxWrappedLine = 1 << 16;

qsizetype longestLine(const QString& text) {
    qsizetype longest = 0, start = 0;
    for (qsizetype end; (end = text.indexOf(QLatin1Char('\n'), start)) >= 0; start = end + 1)
        longest = std::max(longest, end - start);
    return std::max(longest, text.size() - start);
}

} // namespace

void NotebookWindow::load() {
    touchFile(path());
    const NoteFile note = readNote(path());
    if (!note.ok()) {
        m_ctx.prompter->warn(QString(), lang::notebook::unreadable(note.error));
        lock();
        return;
    }
    if (note.tooLarge) {
        m_ctx.prompter->warn(QString(), lang::notebook::tooLarge(QDir::toNativeSeparators(path())));
        lock();
        return;
    }
    m_noteBox->setLineWrapMode(longestLine(note.value) > MaxWrappedLine ? QPlainTextEdit::NoWrap
                                                                        : QPlainTextEdit::WidgetWidth);
    m_noteBox->setPlainText(note.value);
    // Compare with the text as the editor holds it, so that opening alone never counts as a change.
    m_saved = typedText(*m_noteBox);
    m_stamp = note.stamp;
    onTextChanged();
}

void NotebookWindow::lock() {
    // A note that could not be shown must not be replaced by an empty one.
    m_locked = true;
    m_noteBox->setReadOnly(true);
    m_saveButton->setEnabled(false);
    m_undoButton->setEnabled(false);
}

void NotebookWindow::retranslate() {
    setWindowTitle(tr("Notebook"));
    setCaption(m_saveButton, tr("Save"));
    setCaption(m_undoButton, tr("Undo Changes"));
    m_noteBox->setAccessibleName(tr("Note"));
}

void NotebookWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void NotebookWindow::onTextChanged() {
    m_undoButton->setEnabled(!m_locked && typedText(*m_noteBox) != m_saved);
}

bool NotebookWindow::hasUnsavedChanges() const {
    return m_undoButton->isEnabled();
}

IoResult NotebookWindow::write() {
    const QString text = typedText(*m_noteBox);
    const IoResult written = writeNote(path(), text, &m_stamp);
    if (written) {
        // The editor keeps the typed quotes; the file holds apostrophes in their place.
        m_saved = text;
        onTextChanged();
    }
    return written;
}

bool NotebookWindow::changedElsewhere() const {
    // A file that cannot be read to tell is left to the save, which then says what is wrong with it.
    return !unchangedSince(path(), m_stamp).value_or(true);
}

bool NotebookWindow::saveUnsavedChanges() {
    if (!changedElsewhere())
        return write().ok();
    // Nobody is there to choose between the two notes, so neither is lost: the typed one goes beside the
    // file, which keeps what the other program wrote.
    const QFileInfo notes(path());
    const QString stamp = m_ctx.clock->now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = notes.dir().filePath(QStringLiteral("%1-%2.kyt").arg(notes.completeBaseName(), stamp));
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside =
            notes.dir().filePath(QStringLiteral("%1-%2-%3.kyt").arg(notes.completeBaseName(), stamp).arg(n));
    return writeNote(aside, typedText(*m_noteBox)).ok();
}

NotebookWindow::Saved NotebookWindow::saveAsked() {
    if (changedElsewhere()) {
        const int choice =
            m_ctx.prompter->choose(lang::notebook::saveQuestionTitle(),
                                   lang::notebook::changedElsewhere(QDir::toNativeSeparators(path())),
                                   lang::notebook::changedChoices());
        if (choice == 1) {
            load();
            return Saved::TakenFromFile;
        }
        if (choice != 0)
            return Saved::Cancelled;
    }
    const IoResult written = write();
    if (!written) {
        m_ctx.prompter->fail(QString(), lang::notebook::saveFailed(written.error));
        return Saved::Failed;
    }
    return Saved::Written;
}

void NotebookWindow::onSaveClicked() {
    if (saveAsked() == Saved::Written)
        m_ctx.prompter->inform(QString(), lang::notebook::saved());
}

void NotebookWindow::onUndoClicked() {
    m_noteBox->setPlainText(m_saved);
}

void NotebookWindow::closeEvent(QCloseEvent* event) {
    if (hasUnsavedChanges()) {
        const QString question = lang::notebook::saveQuestion();
        const SaveChoice choice = askToSave(*m_ctx.prompter, lang::notebook::saveQuestionTitle(), question,
                                            lang::unsavedAtExit(windowTitle(), question),
                                            lang::unsavedAtExitChoices(), closingForExit());
        // A save that failed or was called off keeps the window open: closing now would lose what was typed.
        const Saved saved = choice == SaveChoice::Save      ? saveAsked()
                            : choice == SaveChoice::Discard ? Saved::Written
                                                            : Saved::Cancelled;
        if (saved == Saved::Failed || saved == Saved::Cancelled) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace velkor::notebook
