#include "support/services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace velkor {

namespace {

QString title(const QString& given) {
    return given.isEmpty() ? QStringLiteral("Velkor") : given;
}

} // namespace

Answer QtPrompter::show(BoxKind kind, const QString& boxTitle, const QString& text) {
    const bool turkish = m_language() == Language::Turkish;
    QMessageBox box;
    box.setWindowTitle(title(boxTitle));
    box.setText(text);
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
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    QPushButton* ok =
        box.addButton(turkish ? QStringLiteral("Tamam") : QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return Answer::Ok;
}

void SystemBeeper::beep() {
    QApplication::beep();
}

bool DesktopFileOpener::open(const QString& path) {
    // The desktop's opener is started in the background and cannot report a missing file; say so here.
    if (!QFileInfo(path).isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
