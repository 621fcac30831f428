// Many missed plans in one window: from the call to the window painted on screen, beside a bare message
// box shown and closed the same way.
#include "bench_context.h"
#include "bench_util.h"
#include "ui/common/desktop_services.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

using namespace velkor;
using namespace velkor::bench;

namespace {

// Closes the modal window once it has been painted: a repaint paints and flushes the whole window before
// the event loop runs the next timer.
class CloseWhenPainted final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QWidget* modal = QApplication::activeModalWidget();
        if (event->type() != QEvent::Paint || !modal || modal == m_closing || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != modal)
            return false;
        m_closing = modal;
        QTimer::singleShot(0, modal, &QWidget::close);
        return false;
    }

private:
    // Tracked, since the next window may be made at the same address.
    QPointer<QWidget> m_closing;
};

} // namespace

int main(int argc, char** argv) {
    preferOffscreen();
    QApplication app(argc, argv);
    CloseWhenPainted closer;
    app.installEventFilter(&closer);

    QList<QStringList> rows;
    const QDateTime from(QDate(2026, 3, 2), QTime(8, 0));
    for (int i = 0; i < 300; ++i) {
        const QDateTime at = from.addSecs(i * 37 * 60);
        rows.append({at.date().toString(QStringLiteral("dd.MM.yyyy")),
                     at.time().toString(QStringLiteral("HH:mm")),
                     QStringLiteral("Dişçi randevusu %1, sonra pazardan ekmek ve peynir al").arg(i)});
    }
    const QStringList columns{QStringLiteral("Tarih"), QStringLiteral("Saat"), QStringLiteral("Plan")};
    QtPrompter prompter;
    const auto list = [&] {
        prompter.showList(QString(), QStringLiteral("Kaçırılan planlar"), columns, rows);
    };
    const auto box = [] {
        QMessageBox plain(QMessageBox::Information, QStringLiteral("Velkor"),
                          QStringLiteral("Dişçi randevusu"), QMessageBox::Ok);
        plain.exec();
    };
    // The first of each loads fonts and styles.
    list();
    box();
    const double listMs = medianMs(15, list);
    const double boxMs = medianMs(15, box);
    report("catch-up of 300 missed plans to the window on screen", listMs, "ms", "bare message box on screen",
           boxMs);
    return 0;
}
