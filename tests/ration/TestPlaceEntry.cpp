// Making entries from amounts, and putting the last entry in its place in the ration.

#include "base/UErrors.h"
#include "ration/URacionEntry.h"
#include "tests/common/TestRegistry.h"
#include "tests/ration/RationSamples.h"

#include <QTest>

namespace {

// The ration as "product/measure" per entry, to compare orders at a glance.
QStringList Order(const TArraySave& ration) {
    QStringList order;
    for (const TRacionItem& e : ration)
        order << QStringLiteral("%1/%2@%3").arg(e.id_prod).arg(e.id_porc).arg(FormatHHmm(e.vremy));
    return order;
}

TArraySave Placed(TArraySave ration, const TRacionItem& added) {
    ration.push_back(added);
    PlaceLastEntry(ration);
    return ration;
}

} // namespace

class TestPlaceEntry : public QObject {
    Q_OBJECT
private slots:
    void AmountsInGramsAndPortions() {
        const TProductValues product{200, 10, 5, 20};
        TRacionItem e;
        e.id_porc = 4;
        e.kol_porc = 3;
        SetGramsAmount(e, 150, product);
        QVERIFY(e.flag);
        QCOMPARE(e.g, 150);
        QCOMPARE(e.kkal, 300.0);
        QCOMPARE(e.ugl, 30.0);
        QCOMPARE(e.id_porc, 4);
        QCOMPARE(e.kol_porc, 3.0);

        SetPortionAmount(e, 9, 1.5, 25, 50, product);
        QVERIFY(!e.flag);
        QCOMPARE(e.g, 38);
        QCOMPARE(e.id_porc, 9);
        QCOMPARE(e.kol_porc, 1.5);
        QCOMPARE(e.kkal, 76.0);
        QCOMPARE(e.bel, 3.8);
        SetPortionAmount(e, 9, 0.5, 5, 10, product);
        QCOMPARE(e.g, 2);
        QCOMPARE(e.kkal, 4.0);
        // A measure without weight gives the energy of the portions and no nutrients.
        SetPortionAmount(e, 9, 2, 0, 35, product);
        QCOMPARE(e.g, 0);
        QCOMPARE(e.kkal, 70.0);
        QCOMPARE(e.bel + e.zir + e.ugl, 0.0);
        SetPortionAmount(e, 9, 0.1, 4, 16, product);
        QCOMPARE(e.g, 0);
        QCOMPARE(e.kkal, 1.6);
        QVERIFY_THROWS_EXCEPTION(EConvertError, SetPortionAmount(e, 9, 1e9, 250, 1, product));
    }

    void EqualEntriesOfAMealMerge() {
        const TArraySave grams = Placed({Grams(At(8, 0), 1, 100, 50, 1, 2, 3)},
                                        Grams(At(8, 0), 1, 30, 15, 0.5, 0.25, 1));
        QCOMPARE(int(grams.size()), 1);
        QCOMPARE(grams[0].g, 130);
        QCOMPARE(grams[0].kkal, 65.0);
        QCOMPARE(grams[0].bel, 1.5);
        QCOMPARE(grams[0].zir, 2.25);
        QCOMPARE(grams[0].ugl, 4.0);
        QVERIFY(grams[0].flag);

        const TArraySave portions =
            Placed({Grams(At(7, 0), 5, 10, 1), Portions(At(8, 0), 1, 4, 1.5, 38, 76, 3)},
                   Portions(At(8, 0), 1, 4, 0.5, 13, 26, 1));
        QCOMPARE(int(portions.size()), 2);
        QCOMPARE(portions[1].kol_porc, 2.0);
        QCOMPARE(portions[1].g, 51);
        QCOMPARE(portions[1].kkal, 102.0);
        QCOMPARE(portions[1].bel, 4.0);
        QCOMPARE(portions[1].id_porc, 4);

        // Grams and portions of one product, or two measures, stay entries side by side.
        QCOMPARE(Order(Placed({Grams(At(8, 0), 1, 100, 50)}, Portions(At(8, 0), 1, 4, 1, 25, 5))),
                 (QStringList{"1/0@08:00", "1/4@08:00"}));
        // The same product in another meal is not merged.
        QCOMPARE(Order(Placed({Grams(At(8, 0), 1, 100, 50), Grams(At(9, 0), 2, 10, 1)},
                              Grams(At(9, 0), 1, 100, 50))),
                 (QStringList{"1/0@08:00", "2/0@09:00", "1/0@09:00"}));
    }

    void NewEntriesFindTheirPlace() {
        const TArraySave day = {Grams(At(8, 0), 1, 10, 1), Grams(At(8, 0), 2, 10, 1),
                                Grams(At(9, 0), 3, 10, 1)};
        QCOMPARE(Order(Placed(day, Grams(At(7, 30), 4, 10, 1))),
                 (QStringList{"4/0@07:30", "1/0@08:00", "2/0@08:00", "3/0@09:00"}));
        QCOMPARE(Order(Placed(day, Grams(At(8, 0), 4, 10, 1))),
                 (QStringList{"1/0@08:00", "2/0@08:00", "4/0@08:00", "3/0@09:00"}));
        QCOMPARE(Order(Placed(day, Grams(At(23, 59), 1, 10, 1))),
                 (QStringList{"1/0@08:00", "2/0@08:00", "3/0@09:00", "1/0@23:59"}));
        QCOMPARE(Order(Placed({}, Grams(At(8, 0), 1, 10, 1))), (QStringList{"1/0@08:00"}));

        // A(m1) B + A(m3): between A and B.
        QCOMPARE(Order(Placed({Portions(At(8, 0), 1, 1, 1, 10, 1), Grams(At(8, 0), 2, 10, 1)},
                              Portions(At(8, 0), 1, 3, 1, 10, 1))),
                 (QStringList{"1/1@08:00", "1/3@08:00", "2/0@08:00"}));
        // A(m1) A(m2) + A(m3): right after the first A; with B after them, after the last A.
        QCOMPARE(
            Order(Placed({Portions(At(8, 0), 1, 1, 1, 10, 1), Portions(At(8, 0), 1, 2, 1, 10, 1)},
                         Portions(At(8, 0), 1, 3, 1, 10, 1))),
            (QStringList{"1/1@08:00", "1/3@08:00", "1/2@08:00"}));
        QCOMPARE(Order(Placed({Portions(At(8, 0), 1, 1, 1, 10, 1),
                               Portions(At(8, 0), 1, 2, 1, 10, 1), Grams(At(8, 0), 2, 10, 1)},
                              Portions(At(8, 0), 1, 3, 1, 10, 1))),
                 (QStringList{"1/1@08:00", "1/2@08:00", "1/3@08:00", "2/0@08:00"}));
        // B A(m1) C A(m2) + A(m2): the first run of A ends at C, so it merges nowhere and
        // goes after that run.
        const TArraySave split =
            Placed({Grams(At(8, 0), 2, 10, 1), Portions(At(8, 0), 1, 1, 1, 10, 1),
                    Grams(At(8, 0), 3, 10, 1), Portions(At(8, 0), 1, 2, 1, 10, 1)},
                   Portions(At(8, 0), 1, 2, 1, 10, 1));
        QCOMPARE(Order(split),
                 (QStringList{"2/0@08:00", "1/1@08:00", "1/2@08:00", "3/0@08:00", "1/2@08:00"}));
    }
};

EDOMER_TEST(TestPlaceEntry)
#include "TestPlaceEntry.moc"
