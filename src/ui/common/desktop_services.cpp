#include "ui/common/desktop_services.h"

#include "core/base/long_text.h"
#include "ui/common/file_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

namespace velkor {

namespace {

QString title(const QString& given) {
    return given.isEmpty() ? QStringLiteral("Velkor") : given;
}

// A table of the lines of a text, of any length, laid out only where on screen.
QTableView* textRowsView() {
    auto* view = new QTableView;
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    // Rows of one height are placed by arithmetic, however many there are. Set before the rows come: set
    // after, each of them would be resized in turn.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().lineSpacing() + 2);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideNone);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    return view;
}

// Puts `text` into a view from textRowsView(), in place of what it showed.
void setWholeText(QTableView* view, const QString& text) {
    QAbstractItemModel* old = view->model();
    auto* rows = new TextRowsModel(text, view);
    view->setModel(rows);
    delete old;
    const QFontMetrics metrics = view->fontMetrics();
    view->horizontalHeader()->resizeSection(0, metrics.horizontalAdvance(rows->longestRow()) +
                                                   4 * metrics.averageCharWidth());
}

// The whole of a text too long for the label.
QTableView* longTextView(const QString& text, QSize available) {
    QTableView* view = textRowsView();
    view->setObjectName(QStringLiteral("wholeText"));
    setWholeText(view, text);
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

QString okText() {
    return QCoreApplication::translate("QtPrompter", "OK");
}

// The rows in a table over a view of the whole of the chosen one: a cell shows one line of its text.
QWidget* rowsAndDetail(QDialog& dialog, const QStringList& columns, const QList<QStringList>& rows) {
    auto* table = new QTableView;
    table->setObjectName(QStringLiteral("listRows"));
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().lineSpacing() + 4);
    auto* model = new TextTableModel(columns, rows, table);
    table->setModel(model);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    // The last column takes the width the others leave. They are measured by their texts alone, on the first
    // thousand rows: the view would lay out each cell to measure it.
    const QFontMetrics metrics = table->fontMetrics();
    const int margin = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1) +
                       metrics.averageCharWidth();
    for (int column = 0; column + 1 < model->columnCount(); ++column) {
        int width = table->horizontalHeader()->sectionSizeHint(column);
        for (int row = 0; row < std::min(model->rowCount(), 1000); ++row)
            width = std::max(width,
                             metrics.horizontalAdvance(model->index(row, column).data().toString()) + margin);
        table->horizontalHeader()->resizeSection(column, width);
    }
    table->horizontalHeader()->setStretchLastSection(true);

    QTableView* detail = textRowsView();
    detail->setObjectName(QStringLiteral("listDetail"));
    detail->setMinimumHeight(4 * detail->verticalHeader()->defaultSectionSize());
    QObject::connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, detail,
                     [model, detail](const QModelIndex& current) {
                         setWholeText(detail, model->wholeRow(current.row()));
                     });
    if (model->rowCount() > 0)
        table->selectRow(0);
    setWholeText(detail, model->wholeRow(0));

    auto* splitter = new QSplitter(Qt::Vertical, &dialog);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(table);
    splitter->addWidget(detail);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    return splitter;
}

} // namespace

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
    QMessageBox box;
    box.setWindowTitle(title(boxTitle));
    switch (kind) {
    case BoxKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case BoxKind::Question:
    case BoxKind::RiskyQuestion:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case BoxKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case BoxKind::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    if (kind == BoxKind::Question || kind == BoxKind::RiskyQuestion) {
        QPushButton* yes =
            box.addButton(QCoreApplication::translate("QtPrompter", "Yes"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QCoreApplication::translate("QtPrompter", "No"), QMessageBox::NoRole);
        box.setDefaultButton(kind == BoxKind::RiskyQuestion ? no : yes);
        box.setEscapeButton(no);
        setUserText(box, text);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    QPushButton* ok = box.addButton(okText(), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    setUserText(box, text);
    box.exec();
    return Answer::Ok;
}

namespace {

QString laterText(int minutes) {
    if (minutes == 60)
        return QCoreApplication::translate("QtPrompter", "In an hour");
    if (minutes % 60 == 0)
        return QCoreApplication::translate("QtPrompter", "In %1 hours").arg(minutes / 60);
    return QCoreApplication::translate("QtPrompter", "In %1 minutes").arg(minutes);
}

// "Later", with a menu of how much later; `chosen` runs with the minutes of the item taken.
QPushButton* laterButton(const QList<int>& laterMinutes, const std::function<void(int)>& chosen) {
    auto* button = new QPushButton(QCoreApplication::translate("QtPrompter", "&Later"));
    button->setObjectName(QStringLiteral("later"));
    auto* menu = new QMenu(button);
    for (int minutes : laterMinutes)
        QObject::connect(menu->addAction(laterText(minutes)), &QAction::triggered, button,
                         [chosen, minutes] { chosen(minutes); });
    button->setMenu(menu);
    return button;
}

// The list window; with `laterMinutes`, the rows chosen can be put off and leave the list.
QMap<int, int> listDialog(const QString& windowTitle, const QString& text, const QStringList& columns,
                          const QList<QStringList>& rows, const QList<int>& laterMinutes) {
    QDialog dialog;
    dialog.setWindowTitle(title(windowTitle));
    auto* label = new QLabel;
    label->setObjectName(QStringLiteral("listText"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setText(textExcerpt(text).text);
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(okText(), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(rowsAndDetail(dialog, columns, rows), 1);
    layout->addWidget(buttons);

    QMap<int, int> later;
    if (!laterMinutes.isEmpty()) {
        auto* table = dialog.findChild<QTableView*>(QStringLiteral("listRows"));
        table->setSelectionMode(QAbstractItemView::ExtendedSelection);
        buttons->addButton(laterButton(laterMinutes,
                                       [&, table](int minutes) {
                                           for (const QModelIndex& row :
                                                table->selectionModel()->selectedRows()) {
                                               later.insert(row.row(), minutes);
                                               table->setRowHidden(row.row(), true);
                                           }
                                           if (later.size() == rows.size())
                                               dialog.accept();
                                       }),
                           QDialogButtonBox::ActionRole);
    }

    // Wide enough for a plan of a few words, as tall as the rows need, never past the screen. A window
    // frame comes around it, so a little is left over.
    const QSize available = dialog.screen()->availableGeometry().size() * 9 / 10;
    const int line = dialog.fontMetrics().lineSpacing() + 4;
    const QSize wanted(dialog.fontMetrics().averageCharWidth() * 100,
                       dialog.sizeHint().height() + line * int(std::min<qsizetype>(rows.size(), 30)));
    dialog.setMaximumSize(available);
    dialog.resize(wanted.boundedTo(available));
    dialog.exec();
    return later;
}

} // namespace

void QtPrompter::showList(const QString& windowTitle, const QString& text, const QStringList& columns,
                          const QList<QStringList>& rows) {
    listDialog(windowTitle, text, columns, rows, {});
}

QMap<int, int> QtPrompter::remindList(const QString& windowTitle, const QString& text,
                                      const QStringList& columns, const QList<QStringList>& rows,
                                      const QList<int>& laterMinutes) {
    return listDialog(windowTitle, text, columns, rows, laterMinutes);
}

std::optional<QString> QtPrompter::askPassword(const QString& boxTitle, const QString& text) {
    bool ok = false;
    const QString password =
        QInputDialog::getText(nullptr, title(boxTitle), text, QLineEdit::Password, QString(), &ok);
    return ok ? std::optional(password) : std::nullopt;
}

int QtPrompter::remind(const QString& boxTitle, const QString& text, const QList<int>& laterMinutes) {
    QMessageBox box;
    box.setWindowTitle(title(boxTitle));
    box.setIcon(QMessageBox::Information);
    QPushButton* ok = box.addButton(okText(), QMessageBox::AcceptRole);
    int chosen = 0;
    if (!laterMinutes.isEmpty()) {
        box.addButton(laterButton(laterMinutes,
                                  [&](int minutes) {
                                      chosen = minutes;
                                      box.done(0);
                                  }),
                      QMessageBox::ActionRole);
    }
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    setUserText(box, text);
    box.exec();
    return chosen;
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

FileOpener::Outcome DesktopFileOpener::open(const QString& path) {
    if (!QFileInfo(path).isFile())
        return Outcome::NotFound;
    QStringList arguments = m_command.isEmpty() ? desktopOpener() : m_command;
    if (arguments.isEmpty())
        return Outcome::NoOpener;
    auto* process = new QProcess;
    process->setProgram(arguments.takeFirst());
    process->setArguments(arguments << QFileInfo(path).absoluteFilePath());
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    if (process->waitForFinished(m_waitMs) || process->state() == QProcess::NotRunning) {
        // Not started, or ended: only a clean exit means that a program has the file.
        const Outcome outcome = process->error() == QProcess::FailedToStart ? Outcome::NoOpener
                                : process->error() == QProcess::UnknownError &&
                                        process->exitStatus() == QProcess::NormalExit &&
                                        process->exitCode() == 0
                                    ? Outcome::Opened
                                    : Outcome::NoProgram;
        delete process;
        return outcome;
    }
    // Some openers stay until the program they started ends; that program has the file. Left unowned, the
    // process is not killed when the object would go, and ends on its own.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return Outcome::Opened;
}

namespace {

std::optional<QString> runFileDialog(QFileDialog* dialog) {
    std::unique_ptr<QFileDialog> owned(dialog);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

} // namespace

std::optional<QString> DialogFileChooser::choose(QWidget* parent, const QString& dialogTitle,
                                                 const QString& filter) {
    // "*.*" means every file where the program comes from; here it would hide names without a dot.
    QString patterns = filter;
    patterns.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
    return runFileDialog(makeFileDialog(parent, dialogTitle, patterns, QFileDialog::AcceptOpen, QString()));
}

std::optional<QString> DialogFileChooser::chooseSave(QWidget* parent, const QString& dialogTitle,
                                                     const QString& filter, const QString& suggested) {
    // The dialog itself asks before it lets an existing file be replaced.
    return runFileDialog(makeFileDialog(parent, dialogTitle, filter, QFileDialog::AcceptSave,
                                        QDir(QDir::homePath()).filePath(suggested)));
}

} // namespace velkor
