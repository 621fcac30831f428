#include "fakes/fake_services.h"
#include "fakes/file_helpers.h"
#include "fakes/window_helpers.h"
#include "lang/vocabulary.h"
#include "shell/main_form.h"
#include "shell/window_registry.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

using namespace velkor;
using velkor::testing::TestContext;
using velkor::testing::writeAll;

namespace {

// Words that only one language uses; a text of the other language must hold none of them.
QStringList wordsOf(Language language) {
    if (language == Language::Turkish)
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

// Every word a window shows: titles, captions, list entries and headers, menus, tooltips, and the context
// menus Qt gives its text boxes.
void collect(QList<Text>& out, QWidget* window) {
    add(out, window, window->windowTitle());
    QList<QPointer<QWidget>> widgets{window};
    for (QWidget* w : window->findChildren<QWidget*>())
        widgets.append(w);
    for (QWidget* w : widgets) {
        if (!w)
            continue;
        add(out, w, w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(out, w, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(out, w, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            add(out, w, group->title());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                add(out, w, combo->itemText(i));
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int c = 0; c < model->columnCount(); ++c)
                add(out, w, model->headerData(c, Qt::Horizontal).toString());
            if (qobject_cast<QListWidget*>(w))
                for (int r = 0; r < model->rowCount(); ++r)
                    add(out, w, model->index(r, 0).data().toString());
        }
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

QStringList offending(const QList<Text>& texts, Language other) {
    QStringList found;
    for (const QString& word : wordsOf(other)) {
        const QRegularExpression whole(QStringLiteral("(?<!\\w)%1(?!\\w)").arg(word),
                                       QRegularExpression::UseUnicodePropertiesOption);
        for (const Text& t : texts)
            if (QString(t.text).remove(u'&').contains(whole))
                found.append(word + QStringLiteral(" in ") + t.where + QStringLiteral(": ") + t.text);
    }
    found.removeDuplicates();
    return found;
}

void press(QWidget* window, const char* name) {
    auto* button = testing::child<QAbstractButton>(window, name);
    button->setEnabled(true);
    button->click();
}

} // namespace

class TestLanguageWalk : public QObject {
    Q_OBJECT
private slots:
    void everyTextFollowsTheLanguage_data() {
        QTest::addColumn<Language>("first");
        QTest::newRow("Turkish, then English") << Language::Turkish;
        QTest::newRow("English, then Turkish") << Language::English;
    }
    // Every window opened from the menu, and boxes raised on purpose: a failing bookkeeping file, a missed
    // plan, one falling due and a list of them, the delete-all question and a plan file that cannot be
    // cleared. Then the same after a switch.
    void everyTextFollowsTheLanguage() {
        QFETCH(Language, first);
        const Language second = first == Language::Turkish ? Language::English : Language::Turkish;
        TestContext t;
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        QVERIFY(writeAll(t.file("options.prg"), first == Language::Turkish ? "\"tr\"\r\n" : "\"eng\"\r\n"));
        QVERIFY(writeAll(t.file("myfile.kyt"), "12,7,9,30,\"x\"\r\n12,7,10,30,\"x\"\r\n" +
                                                   QByteArray("12,7,11,0,\"x\"\r\n").repeated(6)));
        QVERIFY(writeAll(t.file("tarih.kyt"), "2026,12,6,8,0\r\n"));
        QVERIFY(QDir(t.dir.path()).mkdir("sc.kyt"));
        shell::MainForm form(t.ctx);
        form.setTrayProbe([] { return true; });
        QVERIFY(form.start());
        // A plan falling due while the program runs: its box is titled with the date.
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 31)));
        form.reminders().tick();
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(11, 1)));
        form.reminders().tick(); // too many for boxes: a list of dated rows
        QCOMPARE(t.prompter.lists.size(), 1);

        const auto walk = [&](Language language, bool open) {
            QWidget* query = form.windows().loaded(lang::PlanQuery);
            // The delete-all question, answered Yes on a plan file turned into a folder.
            QFile::remove(t.file("myfile.kyt"));
            QDir(t.dir.path()).mkdir("myfile.kyt");
            t.prompter.answers.enqueue(Answer::Yes);
            press(query, "Command1");
            if (open) {
                press(query, "Command2"); // the entry window
                press(form.windows().loaded(lang::DiaryBrowser), "Command2");
                press(form.windows().loaded(lang::Directory), "Command1");
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(t.prompter.texts().contains(t.file("myfile.kyt")));
            QList<Text> texts;
            collect(texts, form.menu());
            // Hidden ones too: a window waiting behind another shows its words again when it comes back.
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible() || form.windows().loadedWindows().contains(window))
                    collect(texts, window);
            for (const testing::ShownBox& box : t.prompter.boxes)
                texts.append({QStringLiteral("box"), box.title + u'\n' + box.text});
            for (const QList<QStringList>& rows : t.prompter.lists)
                for (const QStringList& row : rows)
                    texts.append({QStringLiteral("list"), row.join(u' ')});
            for (const QStringList& choices : t.prompter.offered)
                texts.append({QStringLiteral("choice"), choices.join(u' ')});
            const QStringList found =
                offending(texts, language == Language::Turkish ? Language::English : Language::Turkish);
            QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
        };
        for (const char* item : {"tkvm", "plnlr", "gnlk", "rhbr", "ntd", "hlp", "about"})
            form.menu()->findChild<QAction*>(item)->trigger();
        form.windows().show(lang::MonthBrowser);
        walk(first, true);
        QVERIFY(t.prompter.texts().contains(t.file("sc.kyt")));

        // The switch: open windows follow, and new boxes speak the new language.
        t.prompter.boxes.clear();
        t.prompter.lists.clear();
        form.menu()->findChild<QAction*>(second == Language::Turkish ? "trk" : "eng")->trigger();
        walk(second, false);
    }
};

QTEST_MAIN(TestLanguageWalk)
#include "tst_language_walk.moc"
