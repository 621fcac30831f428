#include "notebook/notebook_window.h"

#include "lang/captions.h"
#include "lang/vocabulary.h"
#include "notebook/notes_file.h"
#include "notebook/wrapping_button.h"
#include "support/geometry.h"
#include "support/record_file.h"

#include <QCloseEvent>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velkor::notebook {

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

NotebookWindow::NotebookWindow(AppContext& context, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_text(new QPlainTextEdit(this)), m_save(new WrappingButton(this)),
      m_undo(new WrappingButton(this)) {
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(s("Not Defteri"));
    setFixedSize(px(6405), px(4200));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(background);
    setAutoFillBackground(true);
    QFont font = tahoma(8);
    font.setPointSizeF(8.25);
    setFont(font);

    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setGeometry(twipsRect(0, 0, 6375, 3615));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_save->setObjectName(QStringLiteral("Command1"));
    m_save->setText(s("Kaydet"));
    m_save->setGeometry(twipsRect(1980, 3660, 1215, 495));
    m_undo->setObjectName(QStringLiteral("Command2"));
    m_undo->setText(s("Değişiklikleri Geri Al"));
    m_undo->setGeometry(twipsRect(3360, 3660, 1215, 495));
    m_undo->setEnabled(false);

    load();
    connect(m_text, &QPlainTextEdit::textChanged, this, &NotebookWindow::onTextChanged);
    connect(m_save, &QPushButton::clicked, this, &NotebookWindow::onSaveClicked);
    connect(m_undo, &QPushButton::clicked, this, &NotebookWindow::onUndoClicked);
}

int NotebookWindow::windowCode() const {
    return lang::Notebook;
}

QString NotebookWindow::path() const {
    return m_ctx.dataFile(notesFileName());
}

namespace {

// Beyond this the text box becomes too slow to use; such a note is kept, not shown.
constexpr qsizetype MaxNoteLength = 1 << 20;
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
    // The note opens with its design captions; only a language switch words it otherwise.
    touchFile(path());
    const Loaded<QString> note = readNote(path());
    const bool turkish = m_ctx.turkish();
    if (!note.ok()) {
        m_ctx.prompter->warn(
            QString(),
            (turkish ? s("Not okunamadı:\n%1") : s("The note could not be read:\n%1")).arg(note.error));
        lock();
        return;
    }
    if (note.value.size() > MaxNoteLength) {
        m_ctx.prompter->warn(QString(), (turkish ? s("%1\nnot defteri için çok büyük; dosya olduğu gibi "
                                                     "bırakıldı.")
                                                 : s("%1\nis too large for the notebook; the file is left as "
                                                     "it is."))
                                            .arg(QDir::toNativeSeparators(path())));
        lock();
        return;
    }
    if (longestLine(note.value) > MaxWrappedLine)
        m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setPlainText(note.value);
    // Compare with the text as the editor holds it, so that opening alone never counts as a change.
    m_saved = m_text->toPlainText();
    onTextChanged();
}

void NotebookWindow::lock() {
    // A note that could not be shown must not be replaced by an empty one.
    m_locked = true;
    m_text->setReadOnly(true);
    m_save->setEnabled(false);
    m_undo->setEnabled(false);
}

void NotebookWindow::applyLanguage(Language language) {
    lang::applyCaptions(this, lang::Notebook, language);
}

void NotebookWindow::onTextChanged() {
    m_undo->setEnabled(!m_locked && m_text->toPlainText() != m_saved);
}

bool NotebookWindow::hasUnsavedChanges() const {
    return m_undo->isEnabled();
}

IoResult NotebookWindow::write() {
    const QString text = m_text->toPlainText();
    const IoResult written = writeNote(path(), text);
    if (written) {
        // The editor keeps the typed quotes; the file holds apostrophes in their place.
        m_saved = text;
        onTextChanged();
    }
    return written;
}

bool NotebookWindow::saveUnsavedChanges() {
    return write().ok();
}

bool NotebookWindow::saveAndTell() {
    const IoResult written = write();
    if (!written) {
        const bool turkish = m_ctx.turkish();
        m_ctx.prompter->fail(QString(),
                             (turkish ? s("Not kaydedilemedi:\n%1") : s("The note could not be saved:\n%1"))
                                 .arg(written.error));
    }
    return written.ok();
}

void NotebookWindow::onSaveClicked() {
    if (saveAndTell())
        m_ctx.prompter->inform(QString(), m_ctx.turkish() ? s("Kayıt Yapıldı") : s("Record Saved"));
}

void NotebookWindow::onUndoClicked() {
    m_text->setPlainText(m_saved);
}

void NotebookWindow::closeEvent(QCloseEvent* event) {
    if (hasUnsavedChanges()) {
        const bool turkish = m_ctx.turkish();
        const bool save =
            m_ctx.prompter->ask(turkish ? s("UYARI") : s("WARNING"),
                                turkish ? s("Yaptığınız değişiklikleri kaydetmek istiyor musunuz?")
                                        : s("Do you want to save your changes?"));
        // A save that failed keeps the window open: closing now would lose what was typed.
        if (save && !saveAndTell()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace velkor::notebook
