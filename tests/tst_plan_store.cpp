#include "core/lang/translations.h"
#include "core/plans/plan_line_model.h"
#include "core/plans/plan_listing.h"
#include "core/plans/plan_store.h"
#include "fakes/test_support.h"

using namespace velkor::plans;

// The file, the plans chosen, the plans left, those chosen but missing.
using Removal = std::tuple<QList<PlanRecord>, QList<PlanRecord>, QList<PlanRecord>, QList<PlanRecord>>;

class TestPlanStore : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(u"myfile.kyt"_s); }
    PlanStore store() const { return PlanStore(path()); }

private slots:
    void init() { QFile::remove(path()); }

    // Slot n is n half hours after midnight; 0 ("yok"), nothing chosen and anything past 23:30 carry no time.
    void slotsBothWays() {
        for (int slot = -1; slot <= SlotCount; ++slot) {
            const QTime time = QTime(0, 0).addSecs(slot * 1800);
            const bool timed = slot >= 1 && slot < SlotCount;
            QCOMPARE(slotTime(slot), (timed ? SlotTime{time.hour(), time.minute()} : SlotTime{NoHour, 0}));
            if (timed)
                QCOMPARE(slotIndex(time.toString(u"HH:mm"_s)), slot);
        }
        QCOMPARE(slotIndex(u"     "_s), 0);
    }

    void planLinePositions() {
        // The date in the language's one form, in columns of the same width in either.
        velkor::lang::useLanguage(velkor::Language::English);
        QCOMPARE(yazim(3, 5, 9, 30, u"Dentist"_s), u" 05/03   09:30   Dentist"_s);
        velkor::lang::useLanguage(velkor::Language::Turkish);
        QCOMPARE(yazim(12, 31, NoHour, 0, "Yılbaşı"), " 31.12" + QString(15, ' ') + "Yılbaşı");
        // A hand-edited minute shows no time: the text follows the date and three blanks.
        QCOMPARE(yazim(1, 2, 10, 15, u"x"_s), u" 02.01    x"_s);
        QCOMPARE(yazim(1, 2, 14, 0, QString(200, QLatin1Char('a'))).size(), PlanLineLength);
    }

    // The date comes back from a line only when it sits in its columns as a real day and month.
    void planLineDatesReadBack() {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                QVERIFY(lineDate(yazim(month, day, 9, 30, "x")) == (LineDate{day, month}));
                QVERIFY(lineDate(yazim(month, day, NoHour, 0, "")) == (LineDate{day, month}));
            }
        }
        QVERIFY(lineDate(yazim(1, 2, 10, 15, "x")) == (LineDate{2, 1})); // no time shown
        // Odd dates from a hand-edited file, and lines that are no plan lines at all.
        QStringList malformed{QString(),    " 05.0",      "05.03   x", " ab.cd   x",
                              " ٠٥.٠٣   x", " 05-03   x", " 05.03x"};
        for (const auto& [month, day] :
             {std::pair{3, 0}, {0, 5}, {3, 32}, {13, 5}, {3, 123}, {123, 5}, {3, -5}, {-3, 5}})
            malformed.append(yazim(month, day, 9, 0, "x"));
        for (const QString& line : malformed)
            QVERIFY2(!lineDate(line), qPrintable(line));
    }

    // Deletes take out exactly the records chosen, one file record for each; edits: see tst_plan_windows.
    void rewritesActOnWholeRecords_data() {
        QTest::addColumn<Removal>("row");
        const PlanRecord same{5, 1, 8, 0, "same"}, stays{7, 7, NoHour, 0, "stays"};
        using L = QList<PlanRecord>;
        QTest::newRow("one of two identical") << Removal{L{same, stays, same}, L{same}, L{stays, same}, L{}};
        QTest::newRow("both identical") << Removal{L{same, stays, same}, L{same, same}, L{stays}, L{}};
        QTest::newRow("chosen twice, held once") << Removal{L{same, stays}, L{same, same}, L{stays}, L{same}};
    }
    void rewritesActOnWholeRecords() {
        QFETCH(Removal, row);
        const auto& [file, chosen, left, missing] = row;
        for (const PlanRecord& p : file)
            QVERIFY(store().appendPlan(p).ok());
        const auto gone = store().removePlans(chosen);
        QVERIFY(gone.ok());
        QCOMPARE(gone.value, missing);
        QCOMPARE(store().readPlans().value, left);
    }

    // Byte for byte, even a line that starts with the bytes of a byte order mark after the file's own.
    void rewritesKeepWhatTheyDoNotUnderstand() {
        const QByteArray bom = "\xEF\xBB\xBF", odd = bom + bom + "not a plan at all\r\n1,2,3\r\n";
        writeAll(path(), bom + "1,1,25,0,\"one\"\r\n" + bom +
                             "not a plan at all\r\n1,2,3\r\n2,2,25,0,\"two\"\r\n"
                             "99999,1,1,1,\"x\"\r\n");
        QCOMPARE(store().readPlans().value.size(), 2);
        QVERIFY(store().removePlans({{1, 1, NoHour, 0, u"one"_s}}).value.isEmpty());
        QCOMPARE(readAll(path()), odd + "2,2,25,0,\"two\"\r\n99999,1,1,1,\"x\"\r\n");
        QVERIFY(store().replacePlan({2, 2, NoHour, 0, u"two"_s}, {2, 3, 10, 30, "moved"}).value);
        QCOMPARE(readAll(path()), odd + "99999,1,1,1,\"x\"\r\n2,3,10,30,\"moved\"\r\n");
        QVERIFY(store().clearPlans().ok());
        QCOMPARE(readAll(path()), odd + "99999,1,1,1,\"x\"\r\n");
    }

    void blockOrder_data() {
        QTest::addColumn<QList<PlanRecord>>("file");
        QTest::addColumn<QList<Block>>("blocks");
        QTest::addColumn<QList<PlanRecord>>("listed");
        const PlanRecord d5none{3, 5, NoHour, 0, "z all day"}, d5early{3, 5, 0, 30, "a"},
            d5late{3, 5, 23, 30, "a"}, d6none{3, 6, NoHour, 0, "a"}, d10{3, 10, 9, 0, "a"};
        const QString head(150, 'x');
        using L = QList<PlanRecord>;
        QTest::newRow("all day, by time, next day")
            << L{d6none, d5late, {1, 5, 9, 0, "jan"}, d5early, d5none} << QList<Block>{{3, 0}}
            << L{d5none, d5early, d5late, d6none};
        QTest::newRow("same slot by text")
            << L{{3, 5, 9, 0, "tea"}, {3, 5, 9, 0, "call"}} << QList<Block>{{3, 0}}
            << L{{3, 5, 9, 0, "call"}, {3, 5, 9, 0, "tea"}};
        QTest::newRow("same line keeps file order")
            << L{{3, 5, 9, 0, head + "2"}, {3, 5, 9, 0, head + "1"}} << QList<Block>{{3, 0}}
            << L{{3, 5, 9, 0, head + "2"}, {3, 5, 9, 0, head + "1"}};
    }
    void blockOrder() {
        QFETCH(QList<PlanRecord>, file);
        QFETCH(QList<Block>, blocks);
        QFETCH(QList<PlanRecord>, listed);
        QList<PlanRecord> plans;
        for (const ListedPlan& entry : listBlocks(file, blocks))
            plans.append(entry.plan);
        QCOMPARE(plans, listed);
    }

    // A text of many lines shows on one row; a new list starts with nothing ticked.
    void lineModelRows() {
        PlanLineModel model;
        model.setPlans({ListedPlan({3, 2, 9, 0, "b\r\nc"})});
        QCOMPARE(model.index(0).data().toString(), yazim(3, 2, 9, 0, "b  c"));
        QVERIFY(model.setData(model.index(0), Qt::Checked, Qt::CheckStateRole) && model.anyTicked());
        model.setPlans(model.plans());
        QVERIFY(!model.anyTicked());
    }
};

QTEST_GUILESS_MAIN(TestPlanStore)
#include "tst_plan_store.moc"
