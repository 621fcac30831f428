// Every window, in both languages, at the scale the test runs under (QT_SCALE_FACTOR): each control's
// words fit it and no visible control covers a sibling.
#include "diary/diary_store.h"
#include "fakes/fake_services.h"
#include "lang/vocabulary.h"
#include "plans/plan_store.h"
#include "shell/main_form.h"
#include "support/geometry.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOption>
#include <QTest>

using namespace velkor;
using velkor::testing::TestContext;

namespace {

// Where the style draws a control's words, measured by the style itself.
int wordsRoom(const QWidget* w) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool check = qobject_cast<const QCheckBox*>(w) != nullptr;
        return button->style()
            ->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option,
                             button)
            .width();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        return combo->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .width();
    }
    if (const auto* view = qobject_cast<const QAbstractItemView*>(w))
        return view->viewport()->width() - 4;
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        return group->style()
            ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group)
            .width();
    }
    return qobject_cast<const QLabel*>(w)->contentsRect().width();
}

QStringList wordsOf(const QWidget* w) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return {button->text()};
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->wordWrap() || label->textFormat() == Qt::RichText ? QStringList()
                                                                        : QStringList{label->text()};
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return {group->title()};
    QStringList words;
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            words.append(combo->itemText(i));
    } else if (const auto* view = qobject_cast<const QAbstractItemView*>(w)) {
        for (int row = 0; view->model() && row < view->model()->rowCount(); ++row)
            words.append(view->model()->index(row, 0).data().toString());
    }
    return words;
}

QStringList faults(const QWidget* window) {
    QStringList found;
    const QString where = window->objectName() + QLatin1Char('/');
    const QList<QWidget*> controls = placedControls(window);
    const QSet<QString> ruleOnList{QStringLiteral("Frame1"), QStringLiteral("List1")}; // drawn so on purpose
    for (const QWidget* w : controls) {
        // A panel waiting beyond the window's edge is not shown.
        if (!w->isVisibleTo(window) || !w->parentWidget()->rect().intersects(w->geometry()))
            continue;
        if (const auto* area = qobject_cast<const QAbstractScrollArea*>(w);
            area && area->verticalScrollBar()->maximum() > 0 &&
            !area->verticalScrollBar()->isVisibleTo(window))
            found.append(where + w->objectName() + QStringLiteral(" hides the rest of its text"));
        if (!w->parentWidget()->rect().contains(w->geometry()))
            found.append(where + w->objectName() + QStringLiteral(" is cut by its parent's edge"));
        for (const QString& text : wordsOf(w)) {
            const QFontMetrics metrics = w->fontMetrics();
            if (metrics.horizontalAdvance(text) > wordsRoom(w) || metrics.height() > w->height())
                found.append(where + w->objectName() + QStringLiteral(" clips \"%1\"").arg(text));
        }
        for (const QWidget* other : controls) {
            if (other != w && other->parentWidget() == w->parentWidget() && other->isVisibleTo(window) &&
                w < other && w->geometry().intersects(other->geometry()) &&
                QSet<QString>{w->objectName(), other->objectName()} != ruleOnList)
                found.append(where + w->objectName() + QStringLiteral(" overlaps ") + other->objectName());
        }
    }
    return found;
}

// Each word of the plan list's heading starts within its column of the first line as the list draws it.
QStringList headingFaults(const QWidget* window) {
    const auto* list = window->findChild<QListView*>(QStringLiteral("List1"));
    const auto* heading = window->findChild<QLabel*>(QStringLiteral("Label8"));
    const QModelIndex first = list->model()->index(0, 0);
    const QString line = first.data().toString();
    QStyleOptionViewItem item;
    item.initFrom(list->viewport());
    item.font = list->font();
    item.fontMetrics = QFontMetrics(item.font);
    item.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    item.text = line;
    item.rect = list->visualRect(first);
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int lineLeft = list->viewport()->mapTo(window, QPoint()).x() + margin +
                         list->style()->subElementRect(QStyle::SE_ItemViewItemText, &item, list).x();
    const QFontMetrics metrics(list->font());
    auto at = [&](qsizetype column) { return lineLeft + metrics.horizontalAdvance(line.left(column)); };
    const QString text = heading->text();
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    const QList<std::pair<int, int>> columns{{at(1), at(7)}, {at(9), at(14)}, {at(17), at(line.size())}};
    QStringList found;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const QString word = words.value(i);
        const int x = heading->mapTo(window, heading->contentsRect().topLeft()).x() +
                      heading->fontMetrics().horizontalAdvance(text.left(text.indexOf(word)));
        if (word.isEmpty() || x < columns[i].first || x >= columns[i].second)
            found.append(QStringLiteral("Label8: \"%1\" at %2, outside its column").arg(word).arg(x));
    }
    return found;
}

} // namespace

class TestWindowFit : public QObject {
    Q_OBJECT
private slots:
    void everyWindowFitsItsWordsInBothLanguages() {
        TestContext t;
        t.ctx.programDir = QStringLiteral(VELKOR_SOURCE_DIR); // the shipped pages
        shell::MainForm form(t.ctx);
        form.setTrayProbe([] { return true; });
        QVERIFY(form.start());
        const diary::DiaryEntry entry{-1, QStringLiteral("Dentist"), QString(), "28", "03", "2026"};
        QVERIFY(diary::DiaryStore(t.ctx.dataDir).addEntry(entry).ok());
        QVERIFY(plans::PlanStore(t.ctx.dataFile(QStringLiteral("myfile.kyt")))
                    .appendPlan({3, 5, 9, 30, QStringLiteral("Dentist")}));
        auto openWindows = [&form] {
            for (int code : {lang::MonthCalendar, lang::MonthBrowser, lang::PlanQuery, lang::Directory,
                             lang::Notebook, lang::About, lang::Help, lang::DiaryBrowser})
                QVERIFY(form.windows().show(code));
            // A line of the diary's list, so its columns show.
            const auto* lines = form.windows().loaded(lang::DiaryBrowser)->findChild<QListView*>("List1");
            QTRY_VERIFY(lines->model()->rowCount() == 1);
            // And a plan listed under the records' heading.
            auto* chooser = form.windows().loaded(lang::PlanQuery)->findChild<QListWidget*>("List2");
            emit chooser->pressed(chooser->model()->index(13, 0));
        };
        // Then the windows opened from others; the diary editor takes the browser's place, the directory
        // hides behind its editor.
        auto openEditors = [&form] {
            for (auto [code, name] : {std::pair{lang::PlanQuery, "Command2"},
                                      {lang::Directory, "Command1"},
                                      {lang::DiaryBrowser, "Command2"}})
                form.windows().loaded(code)->findChild<QPushButton*>(QLatin1String(name))->click();
        };
        for (const auto& [open, expected] :
             {std::pair<std::function<void()>, int>{openWindows, 8}, {openEditors, 9}}) {
            open();
            for (const char* language : {"eng", "trk"}) {
                form.menu()->findChild<QAction*>(QLatin1String(language))->trigger();
                QStringList found;
                int windows = 0;
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    if (!window->isVisible() || window->objectName().isEmpty())
                        continue;
                    found += faults(window);
                    if (window->objectName() == QLatin1String("Form5"))
                        found += headingFaults(window);
                    ++windows;
                }
                QCOMPARE(windows, expected);
                QVERIFY2(found.isEmpty(), qPrintable(language + QStringLiteral(":\n") + found.join(u'\n')));
            }
        }
    }
};

QTEST_MAIN(TestWindowFit)
#include "tst_window_fit.moc"
