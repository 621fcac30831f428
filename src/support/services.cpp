#include "support/services.h"

#include "support/long_text.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTableView>

namespace velkor {

namespace {

QString title(const QString& given) {
    return given.isEmpty() ? QStringLiteral("Velkor") : given;
}

// The whole of a text too long for the label, in a table that lays out only the lines on screen.
QTableView* longTextView(const QString& text, QSize available) {
    auto* view = new QTableView;
    view->setObjectName(QStringLiteral("wholeText"));
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    // Rows of one height are placed by arithmetic, however many there are. Set before the rows come: set
    // after, each of them would be resized in turn.
    const QFontMetrics metrics = view->fontMetrics();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(metrics.lineSpacing() + 2);
    auto* rows = new TextRowsModel(text, view);
    view->setModel(rows);
    view->horizontalHeader()->resizeSection(0, metrics.horizontalAdvance(rows->longestRow()) +
                                                   4 * metrics.averageCharWidth());
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideNone);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setMinimumSize(std::min(available.width() / 2, 560), std::min(available.height() / 4, 280));
    return view;
}

// Texts in boxes are often the user's own (a plan, an address), never markup. A long one would make the box
// taller than the screen and slow to lay out: the label shows its start and a list below it the whole.
// Goes last, after the icon and buttons, since setting those lays the box out anew.
void setUserText(QMessageBox& box, const QString& text) {
    box.setTextFormat(Qt::PlainText);
    const Excerpt excerpt = textExcerpt(text);
    box.setText(excerpt.text);
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!excerpt.cut || !grid)
        return;
    QTableView* view = longTextView(text, box.screen()->availableGeometry().size());
    // Under the label and above the buttons, where the unused informative text would go.
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    const int label = grid->indexOf(box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")));
    if (label >= 0)
        grid->getItemPosition(label, &row, &column, &rowSpan, &columnSpan);
    if (label >= 0 && !grid->itemAtPosition(row + 1, column))
        grid->addWidget(view, row + 1, column);
    else
        grid->addWidget(view, grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

int Prompter::choose(const QString& title, const QString& text, const QStringList& choices) {
    return show(BoxKind::Question, title, text) == Answer::Yes ? 0 : int(choices.size()) - 1;
}

int QtPrompter::choose(const QString& boxTitle, const QString& text, const QStringList& choices) {
    QMessageBox box;
    box.setWindowTitle(title(boxTitle));
    box.setIcon(QMessageBox::NoIcon);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, buttons.size() + 1 == choices.size() ? QMessageBox::RejectRole
                                                                                  : QMessageBox::AcceptRole));
    if (!buttons.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
        box.setEscapeButton(buttons.last());
    }
    setUserText(box, text);
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return int(chosen < 0 ? choices.size() - 1 : chosen);
}

Answer QtPrompter::show(BoxKind kind, const QString& boxTitle, const QString& text) {
    const bool turkish = m_language() == Language::Turkish;
    QMessageBox box;
    box.setWindowTitle(title(boxTitle));
    switch (kind) {
    case BoxKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case BoxKind::Question:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case BoxKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case BoxKind::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    if (kind == BoxKind::Question) {
        QPushButton* yes =
            box.addButton(turkish ? QStringLiteral("Evet") : QStringLiteral("Yes"), QMessageBox::YesRole);
        QPushButton* no =
            box.addButton(turkish ? QStringLiteral("Hayır") : QStringLiteral("No"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        setUserText(box, text);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    QPushButton* ok =
        box.addButton(turkish ? QStringLiteral("Tamam") : QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    setUserText(box, text);
    box.exec();
    return Answer::Ok;
}

void SystemBeeper::beep() {
    QApplication::beep();
}

namespace {

QStringList desktopOpener() {
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!xdgOpen.isEmpty())
        return {xdgOpen};
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (!gio.isEmpty())
        return {gio, QStringLiteral("open")};
    return {};
}

} // namespace

bool DesktopFileOpener::open(const QString& path) {
    if (!QFileInfo(path).isFile())
        return false;
    QStringList arguments = m_command.isEmpty() ? desktopOpener() : m_command;
    if (arguments.isEmpty())
        return false;
    auto* process = new QProcess;
    process->setProgram(arguments.takeFirst());
    process->setArguments(arguments << QFileInfo(path).absoluteFilePath());
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    if (process->waitForFinished(m_waitMs) || process->state() == QProcess::NotRunning) {
        // Not started, or ended: only a clean exit means that a program has the file.
        const bool opened = process->error() == QProcess::UnknownError &&
                            process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
        delete process;
        return opened;
    }
    // Some openers stay until the program they started ends; that program has the file. Left unowned, the
    // process is not killed when the object would go, and ends on its own.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
}

std::optional<QString> DialogFileChooser::choose(QWidget* parent, const QString& dialogTitle,
                                                 const QString& filter) {
    // "*.*" means every file where the program comes from; here it would hide names without a dot.
    QString patterns = filter;
    patterns.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
    const QString path = QFileDialog::getOpenFileName(parent, dialogTitle, QString(), patterns);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace velkor

void velkor::QtPrompter::showList(const QString&, const QString&, const QStringList&,
                                  const QList<QStringList>&) {}
