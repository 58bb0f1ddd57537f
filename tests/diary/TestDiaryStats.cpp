// The diary's days and weights from the store, and what it computes over them: which saved
// rations are days, their sums as stored, the table's rows, the means and the expenditure.

#include "diary/UDiaryStats.h"
#include "ration/URacionStore.h"
#include "store/UDM.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestRegistry.h"
#include "tests/ration/RationSamples.h"

#include <QTest>

namespace {

TArraySave Day(double kkal, double bel = 0, double zir = 0, double ugl = 0) {
    return {Grams(At(8, 0), 1, 100, kkal / 2, bel, zir, ugl),
            Grams(At(13, 0), 1, 100, kkal / 2, bel, zir, ugl)};
}

} // namespace

class TestDiaryStats : public QObject {
    Q_OBJECT
private slots:
    void DaysAndWeightsFromTheStore() {
        const std::pair<const char*, const char*> names[] = {{" 07.12.26 ", "2026-12-07"},
                                                             {"7.1.2026", "2026-01-07"},
                                                             {"29.02.24", "2024-02-29"},
                                                             {"29.02.25", ""},
                                                             {"07.12.26 план", ""},
                                                             {"Разгрузочный", ""},
                                                             {"32.01.26", ""},
                                                             {"07.13.26", ""},
                                                             {"7.12.026", ""},
                                                             {"07-12-26", ""}};
        for (const auto& [name, date] : names)
            QCOMPARE(DayOfRationName(name).value_or(QDate()), QDate::fromString(date, Qt::ISODate));

        TTestStore store;
        TLocaleScope comma(TLocaleScope::Comma());
        SaveRacionAs("05.12.26", Day(1800, 60.25, 50, 200));
        SaveRacionAs("06.12.26", Day(1000));
        SaveRacionAs("06.12.26 план", Day(3000));
        SaveRacionAs("Разгрузочный", Day(900));
        // A second ration of the same date, saved later, stands for it.
        const int later = SaveRacionAs("6.12.2026", Day(2200.5, 80, 70, 250));
        SaveRacionAs("01.11.26", Day(1500));

        const QDate to(2026, 12, 6);
        const std::vector<TDiaryDay> days = ReadDiaryDays(DM->ADOTrans, QDate(2026, 12, 1), to);
        QCOMPARE(days.size(), size_t(2));
        QCOMPARE(days[1].date, to);
        QCOMPARE(days[1].id_rac, later);
        QCOMPARE(days[1].kkal, 2200.5);
        QCOMPARE(days[1].bel, 160.0);
        QCOMPARE(ReadDiaryDays(DM->ADOTrans, QDate(), QDate(2026, 12, 31)).size(), size_t(3));

        // Weights: none in a file without the table; one per date, replaced and removed.
        QVERIFY(ReadWeights(DM->ADOTrans, QDate(), to).empty());
        WriteWeight(DM->ADOTrans, QDate(2026, 12, 5), std::nullopt);
        QCOMPARE(CountSql("SELECT count(*) FROM sqlite_master WHERE name='tab_ves'"), 0);
        WriteWeight(DM->ADOTrans, QDate(2026, 12, 5), 81.5);
        WriteWeight(DM->ADOTrans, QDate(2026, 12, 5), 80.9);
        WriteWeight(DM->ADOTrans, QDate(2026, 12, 3), 82);
        WriteWeight(DM->ADOTrans, QDate(2026, 11, 30), 83);
        WriteWeight(DM->ADOTrans, QDate(2026, 12, 3), std::nullopt);
        const std::vector<TWeight> weights = ReadWeights(DM->ADOTrans, QDate(2026, 12, 1), to);
        QCOMPARE(weights.size(), size_t(1));
        QCOMPARE(weights[0].ves, 80.9);

        // The table: newest first, a weight without a ration on a row of its own, the means.
        const std::vector<TWeight> allWeights = ReadWeights(DM->ADOTrans, QDate(), to);
        const auto rows = DiaryRows(days, allWeights, 2000);
        const std::vector<QStringList> expected = {
            {"06.12.26", "вс", "2200,5", "160,0", "140,0", "500,0", "110", ""},
            {"05.12.26", "сб", "1800,0", "120,5", "100,0", "400,0", "90", "80,9"},
            {"30.11.26", "пн", "", "", "", "", "", "83,0"},
            {"В среднем:", "", "2000,3", "140,3", "120,0", "450,0", "100", "82,0"}};
        QCOMPARE(rows, expected);
        QCOMPARE(DiaryRowRations(days, allWeights), std::vector<int>({later, later - 4, 0, 0}));
        QCOMPARE(DiaryRows(days, {}, std::nullopt)[2].mid(6), QStringList({QString(), QString()}));
    }

    void MeansAndExpenditure() {
        const QDate start(2026, 11, 1);
        std::vector<TDiaryDay> days;
        for (int i = 0; i < 28; ++i)
            days.push_back({start.addDays(i), i + 1, 2000, 0, 0, 0});
        const std::vector<TWeight> weights = {{start, 80.0}, {start.addDays(27), 79.0}};
        QCOMPARE(ExpenditureText(days, weights, std::nullopt),
                 QStringLiteral("Расход по дневнику: около 2285 ккал в день"));
        QCOMPARE(ExpenditureText(days, weights, 2150.4),
                 QStringLiteral("Расход по дневнику: около 2285 ккал в день (норма 2150 ккал)"));

        const QString notEnough = QStringLiteral("Для оценки расхода нужно не меньше 14 дней с "
                                                 "рационом и два взвешивания с промежутком от "
                                                 "14 дней");
        const std::vector<TDiaryDay> thirteen(days.begin(), days.begin() + 13);
        QCOMPARE(ExpenditureText(thirteen, weights, 2000), notEnough);
        QCOMPARE(ExpenditureText(days, {{start, 80}, {start.addDays(13), 79}}, 2000), notEnough);
        QCOMPARE(ExpenditureText(days, {weights[0]}, 2000), notEnough);

        // Seven-day means skip the unknown days: 1000 on the 1st and 3rd, 3000 on the 8th.
        const std::vector<TDiaryDay> gaps = {{start, 1, 1000, 0, 0, 0},
                                             {start.addDays(2), 2, 1000, 0, 0, 0},
                                             {start.addDays(7), 3, 3000, 0, 0, 0},
                                             {start.addDays(20), 4, 500, 0, 0, 0}};
        QCOMPARE(SevenDayMeans(gaps), std::vector<double>({1000, 1000, 2000, 500}));

        const TDiaryPeriod month = PeriodOfItem(kDefaultPeriodItem, QDate(2026, 12, 7));
        QCOMPARE(month.from, QDate(2026, 11, 8));
        QCOMPARE(month.to, QDate(2026, 12, 7));
        QVERIFY(!PeriodOfItem(int(kPeriodItems.size()) - 1, QDate(2026, 12, 7)).from.isValid());
    }
};

EDOMER_TEST(TestDiaryStats)
#include "TestDiaryStats.moc"
