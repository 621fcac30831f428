// Every window, in both languages, at the scale the test runs under (QT_SCALE_FACTOR): each control's
// words fit it, no visible control covers a sibling, each control the user works has a name a screen reader
// says in the program's language, and no text is left in the other language.
#include "core/diary/diary_store.h"
#include "core/lang/vocabulary.h"
#include "fakes/fake_services.h"
#include "fakes/window_helpers.h"
#include "shell/main_form.h"
#include "shell/window_code.h"
#include "ui/calendar/day_grid.h"
#include "ui/common/geometry.h"
#include "ui/plans/click_label.h"

#include <QtWidgets>

namespace {

// Where the style draws a control's words, measured by the style itself.
int wordsRoom(const QWidget* w) {
    const QStyle* style = w->style();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto contents =
            qobject_cast<const QCheckBox*>(w) ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
        return style->subElementRect(contents, &option, button).width();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        return style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .width();
    }
    if (const auto* view = qobject_cast<const QAbstractItemView*>(w))
        return view->viewport()->width() - 4;
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        return style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group).width();
    }
    return qobject_cast<const QLabel*>(w)->contentsRect().width();
}

QStringList wordsOf(const QWidget* w) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return {button->text()};
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return {label->text()};
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return {group->title()};
    if (const auto* view = qobject_cast<const QAbstractItemView*>(w))
        return view->model() ? rowsOf(view) : QStringList();
    const auto* combo = qobject_cast<const QComboBox*>(w);
    return combo ? rowsOf(combo->view()) : QStringList(); // its choices
}

QStringList faults(const QWidget* window) {
    QStringList found;
    const QString where = window->objectName() + QLatin1Char('/');
    const QList<QWidget*> controls = placedControls(window);
    const QSet<QString> ruleOnList{u"Frame1"_s, u"List1"_s}; // drawn so on purpose
    for (const QWidget* w : controls) {
        // A panel waiting beyond the window's edge is not shown.
        if (!w->isVisibleTo(window) || !w->parentWidget()->rect().intersects(w->geometry()))
            continue;
        if (const auto* area = qobject_cast<const QAbstractScrollArea*>(w);
            area && area->verticalScrollBar()->maximum() > 0 &&
            !area->verticalScrollBar()->isVisibleTo(window))
            found.append(where + w->objectName() + u" hides the rest of its text"_s);
        if (!w->parentWidget()->rect().contains(w->geometry()))
            found.append(where + w->objectName() + u" is cut by its parent's edge"_s);
        // A label that wraps or reads rich text lays its words out itself.
        const auto* label = qobject_cast<const QLabel*>(w);
        const bool laidOut = label && (label->wordWrap() || label->textFormat() == Qt::RichText);
        for (const QString& text : laidOut ? QStringList() : wordsOf(w)) {
            const QFontMetrics metrics = w->fontMetrics();
            // A mnemonic's mark is not drawn; "&&" is one ampersand.
            const QString drawn =
                QString(text).replace(u"&&"_s, u"\x01"_s).remove(u'&').replace(u'\x01', u'&');
            if (metrics.horizontalAdvance(drawn) > wordsRoom(w) || metrics.height() > w->height())
                found.append(where + w->objectName() + u" clips \"%1\""_s.arg(text));
        }
        for (const QWidget* other : controls) {
            if (other != w && other->parentWidget() == w->parentWidget() && other->isVisibleTo(window) &&
                w < other && w->geometry().intersects(other->geometry()) &&
                QSet<QString>{w->objectName(), other->objectName()} != ruleOnList)
                found.append(where + w->objectName() + u" overlaps "_s + other->objectName());
        }
    }
    return found;
}

// Each word of the plan list's heading starts within its column of the first line as the list draws it.
QStringList headingFaults(const QWidget* window) {
    const auto* list = named<QListView>(window, spoken(u"Kayıtlar"_s, u"Records"_s));
    const auto* heading = window->findChild<QLabel*>(u"Label8"_s);
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
            found.append(u"Label8: \"%1\" at %2, outside its column"_s.arg(word).arg(x));
    }
    return found;
}

// Words that only the other language uses; a text shown in `language` must hold none of them.
QStringList foreignWords(Language language) {
    if (language == Language::English)
        return QString::fromUtf8(
                   "Kaydet Sil Kapat Günlük Rehber Detay Yeni Tarih Saat Konu Kayıt Ekle UYARI Uyarı "
                   "Adres Yapıştır Hakkında Defteri okunamıyor yazılamıyor değil okunamadı çalışıyor "
                   "klasör Geri Aralık Pazartesi Aktar")
            .split(u' ');
    return QStringLiteral("Save Delete Close Daily Directory Notebook Detail New Date Record Subject WARNING "
                          "Warning Address Paste About cannot could not folder Undo Dec Edit December Monday "
                          "Import Export")
        .split(u' ');
}

struct Text {
    QString where, text;
};

void add(QList<Text>& out, const QObject* where, const QString& text) {
    if (!text.isEmpty())
        out.append({where->objectName() + u'@' + where->metaObject()->className(), text});
}

void addMenu(QList<Text>& out, const QWidget* owner, const QList<QAction*>& actions) {
    for (const QAction* action : actions) {
        add(out, owner, action->text());
        if (action->menu())
            addMenu(out, owner, action->menu()->actions());
    }
}

// Every word a window shows: titles, captions, lists, headers, tooltips, menus and text boxes' menus.
void collect(QList<Text>& out, QWidget* window) {
    add(out, window, window->windowTitle());
    QList<QPointer<QWidget>> widgets{window};
    for (QWidget* w : window->findChildren<QWidget*>())
        widgets.append(w);
    for (QWidget* w : widgets) {
        if (!w)
            continue;
        add(out, w, w->toolTip());
        add(out, w, w->accessibleName());
        for (const QString& text : wordsOf(w))
            add(out, w, text);
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model())
            for (int c = 0; c < view->model()->columnCount(); ++c)
                add(out, w, view->model()->headerData(c, Qt::Horizontal).toString());
        std::unique_ptr<QMenu> context;
        if (auto* line = qobject_cast<QLineEdit*>(w))
            context.reset(line->createStandardContextMenu());
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
            context.reset(plain->createStandardContextMenu());
        if (context)
            addMenu(out, w, context->actions());
        addMenu(out, w, w->actions());
    }
}

QStringList offending(const QList<Text>& texts, Language language) {
    QStringList found;
    for (const QString& word : foreignWords(language)) {
        const QRegularExpression whole(u"(?<!\\w)%1(?!\\w)"_s.arg(word),
                                       QRegularExpression::UseUnicodePropertiesOption);
        for (const Text& t : texts)
            if (QString(t.text).remove(u'&').contains(whole))
                found.append(word + u" in "_s + t.where + u": "_s + t.text);
    }
    found.removeDuplicates();
    return found;
}

// The windows opened from others: plan entry, the diary editor, the directory's editor.
void openFromOthers(shell::MainForm& form) {
    press(form.windows().loaded(shell::PlanQuery), spoken(u"Yeni"_s, u"New"_s));
    press(form.windows().loaded(shell::DiaryBrowser), spoken(u"Yeni Ekle"_s, u"Add New"_s));
    press(form.windows().loaded(shell::Directory), spoken(u"Yeni"_s, u"New"_s));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The controls placed on the window (not the pieces Qt builds them of, nor another window's) that the user
// works: they take clicks, keys or a choice, or hold such controls.
QList<QWidget*> ownControls(const QWidget* window) {
    QList<QWidget*> found = placedControls(window);
    found.removeIf([](const QWidget* w) {
        return !qobject_cast<const QAbstractButton*>(w) && !qobject_cast<const QLineEdit*>(w) &&
               !qobject_cast<const QAbstractScrollArea*>(w) && !qobject_cast<const QComboBox*>(w) &&
               !qobject_cast<const QScrollBar*>(w) && !qobject_cast<const QGroupBox*>(w) &&
               !qobject_cast<const calendar::DayCell*>(w) && !qobject_cast<const plans::ClickLabel*>(w);
    });
    return found;
}

} // namespace

class TestWindowFit : public QObject {
    Q_OBJECT
private slots:
    void everyWindowFitsAndSpeaksItsLanguage_data() {
        QTest::addColumn<Language>("first");
        QTest::newRow("Turkish, then English") << Language::Turkish;
        QTest::newRow("English, then Turkish") << Language::English;
    }
    // Every window from the menu, then those opened from others, in both languages; boxes raised on purpose
    // (a failing bookkeeping file, missed and due plans, a list of them, the delete-all question, a plan file
    // that cannot be cleared). Each control the user works has a name in the language, that follows a switch.
    void everyWindowFitsAndSpeaksItsLanguage() {
        QFETCH(Language, first);
        const Language second = first == Language::Turkish ? Language::English : Language::Turkish;
        TestContext t;
        t.ctx.programDir = QStringLiteral(VELKOR_SOURCE_DIR); // the shipped pages
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        QVERIFY(writeAll(t.file("options.prg"), first == Language::Turkish ? "\"tr\"\r\n" : "\"eng\"\r\n"));
        const QByteArray plans =
            "12,7,9,30,\"x\"\r\n12,7,10,30,\"x\"\r\n" + QByteArray("12,7,11,0,\"x\"\r\n").repeated(6);
        QVERIFY(writeAll(t.file("myfile.kyt"), plans));
        QVERIFY(writeAll(t.file("tarih.kyt"), "2026,12,6,8,0\r\n"));
        QVERIFY(QDir(t.dir.path()).mkdir("sc.kyt"));
        const diary::DiaryEntry entry{-1, u"Dentist"_s, QString(), "07", "12", "2026"};
        QVERIFY(diary::DiaryStore(t.ctx.dataDir).addEntry(entry).ok());
        shell::MainForm form(t.ctx);
        form.setTrayProbe([] { return true; });
        QVERIFY(form.start());
        // A plan falling due while the program runs: its box is titled with the date.
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 31)));
        form.reminders().tick();
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(11, 1)));
        form.reminders().tick(); // too many for boxes: a list of dated rows
        QCOMPARE(t.prompter.lists.size(), 1);
        QVERIFY(t.prompter.texts().contains(t.file("sc.kyt")));

        for (const char* item : {"tkvm", "plnlr", "gnlk", "rhbr", "ntd", "hlp", "about", "snc"})
            form.menu()->findChild<QAction*>(item)->trigger();
        form.windows().show(shell::MonthBrowser);
        // A line of the diary's list, so its columns show, and the plans listed under the records' heading.
        const auto* lines =
            named<QListView>(form.windows().loaded(shell::DiaryBrowser), spoken(u"Konular"_s, u"Subjects"_s));
        QTRY_VERIFY(lines->model()->rowCount() == 1);
        QWidget* query = form.windows().loaded(shell::PlanQuery);
        clickRow(named<QListWidget>(query, spoken(u"Aylar"_s, u"Months"_s)), 13);
        // The list windows grow as the user pulls them: their lists take the room, the buttons keep to their
        // edges, nothing overlaps or is cut; the size they open at stays the smallest.
        for (const int code : {shell::PlanQuery, shell::DiaryBrowser, shell::Directory}) {
            QWidget* window = form.windows().loaded(code);
            const QSize given = window->size();
            QAbstractItemView* list = nullptr;
            for (QWidget* w : placedControls(window)) {
                auto* view = qobject_cast<QAbstractItemView*>(w);
                if (view && view->isVisibleTo(window) &&
                    (!list || view->width() * view->height() > list->width() * list->height()))
                    list = view;
            }
            const QSize listed = list->size();
            window->resize(given + QSize(240, 160));
            QTRY_COMPARE(list->size(), listed + QSize(240, 160));
            QCOMPARE(faults(window), QStringList());
            window->resize(given - QSize(40, 40));
            QTRY_COMPARE(window->size(), given);
        }
        QSet<QString> walked;
        for (const int expected : {9, 10}) {
            // Then those opened from others; the diary editor replaces the browser, the directory hides.
            if (expected == 10)
                openFromOthers(form);
            QHash<const QWidget*, QString> said; // in the language before
            for (const Language language : {first, second}) {
                form.menu()->findChild<QAction*>(language == Language::Turkish ? "trk" : "eng")->trigger();
                // The delete-all question, answered Yes on a plan file turned into a folder.
                QVERIFY(blockWithFolder(t.file("myfile.kyt")));
                t.prompter.answers.enqueue(Answer::Yes);
                press(query, spoken(u"Tüm Kayıtları Sil"_s, u"Delete All Records"_s));
                QVERIFY(t.prompter.texts().contains(t.file("myfile.kyt")));
                QVERIFY(QDir(t.dir.path()).rmdir("myfile.kyt") && writeAll(t.file("myfile.kyt"), plans));
                QStringList found;
                QList<Text> texts;
                collect(texts, form.menu());
                int windows = 0;
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    // Hidden ones too: a window behind another shows its words when it comes back.
                    if (!window->isVisible() && !form.windows().loadedWindows().contains(window))
                        continue;
                    collect(texts, window);
                    if (window->objectName().startsWith(u"Form")) {
                        walked.insert(window->objectName());
                        for (const QWidget* control : ownControls(window)) {
                            const QString name = control->accessibleName(), before = said.value(control);
                            const QString what = window->objectName() + u'/' + control->objectName() + u'@' +
                                                 QString::fromLatin1(control->metaObject()->className());
                            if (name.trimmed().isEmpty())
                                found.append(what + u" has no name"_s);
                            else if (language == second && before == name)
                                found.append(what + u" keeps \""_s + name + u"\" in both languages"_s);
                            said.insert(control, name);
                        }
                    }
                    if (!window->isVisible() || window->objectName().isEmpty())
                        continue;
                    found += faults(window);
                    if (window->objectName() == QLatin1String("Form5"))
                        found += headingFaults(window);
                    ++windows;
                }
                QCOMPARE(windows, expected);
                for (const ShownBox& box : t.prompter.boxes)
                    texts.append({u"box"_s, box.title + u'\n' + box.text});
                for (const QList<QStringList>& rows : t.prompter.lists)
                    for (const QStringList& row : rows)
                        texts.append({u"list"_s, row.join(u' ')});
                for (const QStringList& choices : t.prompter.offered)
                    texts.append({u"choice"_s, choices.join(u' ')});
                found += offending(texts, language);
                QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
                // New boxes speak the new language.
                t.prompter.boxes.clear();
                t.prompter.lists.clear();
                t.prompter.offered.clear();
            }
        }
        QCOMPARE(walked.size() - walked.contains(u"Form4"_s), 12); // every window but the menu
    }
};

QTEST_MAIN(TestWindowFit)
#include "tst_window_fit.moc"
