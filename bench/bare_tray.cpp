// The smallest useful tray program: what any Qt tray application costs before it does anything.
#include <QApplication>
#include <QDate>
#include <QMenu>
#include <QSystemTrayIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QMenu menu;
    menu.addAction(QStringLiteral("Quit"), &app, &QApplication::quit);
    QSystemTrayIcon icon(QIcon(QStringLiteral(":/velkor/velkor.png")));
    icon.setContextMenu(&menu);
    icon.setToolTip(QDate::currentDate().toString(QStringLiteral("d.M.yyyy")));
    icon.show();
    return QApplication::exec();
}
