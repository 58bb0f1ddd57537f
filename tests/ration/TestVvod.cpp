// The entry dialog, opened from the main window as a user opens it: new entries in grams and
// in portions, changed entries, the checks before the ration is touched and the field rules.

#include "app/UMain.h"
#include "ration/UVvod.h"
#include "store/UDM.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestKeys.h"
#include "tests/common/TestRegistry.h"
#include "tests/ration/RationSamples.h"
#include "ui/UListView.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>

class TestVvod : public QObject {
    Q_OBJECT

    // Bread: 250 kcal, Б 8, Ж 2, У 50 per 100 g, with "100г", "ломтик" 25 g and "крошка" 0 g.
    int bread = 0, slice = 0, crumb = 0;
    // Tea without measures.
    int tea = 0;

    void Catalog() {
        bread = AddProduct(QStringLiteral("Хлеб ржаной"), 1, 250, 8, 2, 50);
        AddMeasure(bread, QStringLiteral("100г"), 100, 250);
        slice = AddMeasure(bread, QStringLiteral("ломтик"), 25, 62.5);
        crumb = AddMeasure(bread, QStringLiteral("крошка"), 0, 3);
        tea = AddProduct(QStringLiteral("Чай"), 1, 1);
        fMain->LVProd->Clear();
        fMain->LVProd->AddItem(QStringLiteral("Хлеб ржаной"), {QStringLiteral("250,0")}, bread);
        fMain->LVProd->AddItem(QStringLiteral("Чай"), {QStringLiteral("1,0")}, tea);
        SelectProduct(bread);
    }

    static void SelectProduct(int id) {
        for (int i = 0; i < fMain->LVProd->Count(); ++i)
            if (TListView::Data(fMain->LVProd->Item(i)) == id)
                fMain->LVProd->Select(fMain->LVProd->Item(i));
    }

    // Adds an entry through the dialog: the time, then grams or portions of the measure.
    static void AddGrams(TTestApp& app, QTime time, const QString& grams) {
        app.Seams.OnModalOf<TfVvod>([=](TfVvod* d) {
            d->DTP->setTime(time);
            d->EdGramm->setText(grams);
            d->ButDa->click();
        });
        fMain->ButvRac->click();
    }
    static void AddPortions(TTestApp& app, QTime time, int measureIndex, const QString& count) {
        app.Seams.OnModalOf<TfVvod>([=](TfVvod* d) {
            d->DTP->setTime(time);
            d->RG->Button(1)->click();
            d->CBMera->setCurrentIndex(measureIndex);
            d->EDMera->setText(count);
            d->ButDa->click();
        });
        fMain->ButvRac->click();
    }

    static void DoubleClickRow(int row) {
        fMain->LVRac->Select(fMain->LVRac->Item(row));
        emit fMain->LVRac->itemDoubleClicked(fMain->LVRac->Item(row), 1);
    }

private slots:
    void NewEntriesInGramsWithTheirDefaults() {
        TTestApp app;
        Catalog();
        fMain->ANoEnable();
        bool checked = false;
        app.Seams.OnModalOf<TfVvod>([&](TfVvod* d) {
            QCOMPARE(d->Caption(), QStringLiteral("Занести продукт в рацион"));
            QCOMPARE(d->EdNaim->text(), QStringLiteral("Хлеб ржаной"));
            QCOMPARE(d->EdGramm->text(), QStringLiteral("0"));
            QVERIFY(d->EdGramm->isEnabled());
            QCOMPARE(d->RG->ItemIndex(), 0);
            QVERIFY(!d->CBMera->isEnabled() && !d->EDMera->isEnabled() && !d->UD->isEnabled());
            QCOMPARE(d->EDMera->text(), QStringLiteral("1"));
            QCOMPARE(d->CBMera->count(), 3);
            QCOMPARE(d->CBMera->currentText(), QStringLiteral("ломтик"));
            QVERIFY(qAbs(d->DTP->time().secsTo(QTime::currentTime())) < 120);
            checked = true;
            d->ButDa->click();
        });
        fMain->ButvRac->click();
        QVERIFY(checked);
        QCOMPARE(int(ArraySave.size()), 1);
        QVERIFY(ArraySave[0].flag);
        QCOMPARE(ArraySave[0].g, 0);
        QCOMPARE(ArraySave[0].kkal, 0.0);
        QCOMPARE(ArraySave[0].id_prod, bread);
        QVERIFY(!fMain->RacionSaved);
        QVERIFY(fMain->ButSave->isEnabled());
        QCOMPARE(fMain->LVRac->Count(), 2);

        // The time is whole minutes of the day; later entries default to the latest meal.
        const auto at = [](TDateTime vremy) {
            for (const TRacionItem& e : ArraySave)
                if (e.vremy == vremy)
                    return e;
            return TRacionItem{};
        };
        AddGrams(app, QTime(7, 45, 31), QStringLiteral("150"));
        QCOMPARE(int(ArraySave.size()), 2);
        const TRacionItem early = at(At(7, 45));
        QCOMPARE(early.g, 150);
        QCOMPARE(early.kkal, 375.0);
        QCOMPARE(early.bel, 12.0);
        QCOMPARE(early.zir, 3.0);
        QCOMPARE(early.ugl, 75.0);
        QCOMPARE(early.id_porc, 0);
        QVERIFY(ArraySave[0].vremy <= ArraySave[1].vremy);
        const TDateTime latest = ArraySave.back().vremy;
        app.Seams.OnModalOf<TfVvod>([&](TfVvod* d) {
            QCOMPARE(d->DTP->time().toString(QStringLiteral("HH:mm")), FormatHHmm(latest));
            d->ButNo->click();
        });
        fMain->ButvRac->click();
        QCOMPARE(int(ArraySave.size()), 2);

        // The same product at the same time in grams merges.
        AddGrams(app, QTime(7, 45), QStringLiteral("50"));
        QCOMPARE(int(ArraySave.size()), 2);
        QCOMPARE(at(At(7, 45)).g, 200);
        QCOMPARE(at(At(7, 45)).kkal, 500.0);

        // Without a selected product nothing opens.
        fMain->LVProd->clearSelection();
        fMain->ButvRac->click();
        QVERIFY(app.Seams.Unexpected.isEmpty());
        QCOMPARE(app.Seams.ModalShown.count(QStringLiteral("fVvod")), 4);
    }

    void PortionsRoundTheirGrams() {
        TTestApp app;
        Catalog();
        AddPortions(app, QTime(12, 0), 1, QStringLiteral("1,5"));
        QCOMPARE(int(ArraySave.size()), 1);
        TRacionItem e = ArraySave[0];
        QVERIFY(!e.flag);
        QCOMPARE(e.id_porc, slice);
        QCOMPARE(e.kol_porc, 1.5);
        QCOMPARE(e.g, 38);
        QCOMPARE(e.kkal, 95.0);
        QCOMPARE(fMain->LVRac->Item(0)->text(2), QStringLiteral("1,5 * ломтик"));
        AddPortions(app, QTime(12, 0), 1, QStringLiteral("0.5"));
        QCOMPARE(int(ArraySave.size()), 1);
        QCOMPARE(ArraySave[0].kol_porc, 2.0);
        QCOMPARE(ArraySave[0].g, 50);
        AddPortions(app, QTime(12, 0), 2, QStringLiteral("2"));
        QCOMPARE(int(ArraySave.size()), 2);
        e = ArraySave[1];
        QCOMPARE(e.id_porc, crumb);
        QCOMPARE(e.g, 0);
        QCOMPARE(e.kkal, 6.0);
        QCOMPARE(e.bel + e.zir + e.ugl, 0.0);
    }

    void ChecksComeBeforeTheRationIsTouched() {
        TTestApp app;
        Catalog();
        ArraySave = {Grams(At(8, 0), bread, 100, 250)};
        fMain->APaintLVRAc();
        fMain->RacionSaved = true;
        const auto stays = [&](TfVvod* d, const char* what) {
            QVERIFY2(d->isVisible(), what);
            QCOMPARE(int(ArraySave.size()), 1);
            QCOMPARE(ArraySave[0].g, 100);
            QVERIFY(fMain->RacionSaved);
        };
        app.Seams.OnModalOf<TfVvod>([&](TfVvod* d) {
            d->RG->Button(1)->click();
            QVERIFY(d->CBMera->isEnabled() && d->EDMera->isEnabled() && !d->EdGramm->isEnabled());
            d->EDMera->clear();
            d->ButDa->click();
            stays(d, "empty count");
            d->EDMera->setText(QStringLiteral("0,0"));
            d->DTP->setFocus();
            d->ButDa->click();
            stays(d, "zero count");
            QCOMPARE(d->focusWidget(), d->EDMera);
            // Pasted text goes round the key filters.
            d->EDMera->setText(QStringLiteral("-5"));
            d->ButDa->click();
            stays(d, "count below zero");
            d->EDMera->setText(QStringLiteral("abc"));
            d->ButDa->click();
            stays(d, "not a number");
            d->RG->Button(0)->click();
            d->EdGramm->setText(QStringLiteral("12,5"));
            d->ButDa->click();
            stays(d, "fractional grams");
            d->EdGramm->clear();
            d->ButDa->click();
            stays(d, "empty grams");
            d->EdGramm->setText(QStringLiteral("-5"));
            d->ButDa->click();
            stays(d, "grams below zero");
            d->EdGramm->setText(QStringLiteral("99999999999"));
            d->ButDa->click();
            stays(d, "grams beyond the column");
            d->ButNo->click();
        });
        fMain->ButvRac->click();
        QCOMPARE(app.Seams.Messages(),
                 (QStringList{QStringLiteral("Введите количество порций"),
                              QStringLiteral("Введите количество порций"),
                              QStringLiteral("Введите количество порций"),
                              QStringLiteral("Число в поле «граммы» не может быть меньше 0")}));
        QCOMPARE(app.Seams.Errors(),
                 (QStringList{QStringLiteral("«abc» — не число"),
                              QStringLiteral("«12,5» — не целое число"),
                              QStringLiteral("«» — не целое число"),
                              QStringLiteral("«99999999999» — слишком большое число")}));

        // 200 g of a product of 1e308 kcal per 100 g have no energy that is a number.
        const int lard = AddProduct(QStringLiteral("Смалец"), 1, 1e308);
        fMain->LVProd->AddItem(QStringLiteral("Смалец"), {QStringLiteral("1,0")}, lard);
        SelectProduct(lard);
        AddGrams(app, QTime(9, 0), QStringLiteral("200"));
        QCOMPARE(app.Seams.Errors().last(), QStringLiteral("«200» — результат слишком велик"));
        QCOMPARE(int(ArraySave.size()), 1);
        SelectProduct(bread);

        // A weight that fits alone but not merged with the meal's entry of the product.
        AddGrams(app, QTime(8, 0), QStringLiteral("2147483600"));
        QCOMPARE(app.Seams.Errors().last(), QStringLiteral("«2147483700» — слишком большое число"));
        QCOMPARE(int(ArraySave.size()), 1);
        QCOMPARE(ArraySave[0].g, 100);
        QVERIFY(fMain->RacionSaved);

        // A product without measures cannot be taken in portions.
        SelectProduct(tea);
        app.Seams.OnModalOf<TfVvod>([&](TfVvod* d) {
            QCOMPARE(d->CBMera->count(), 0);
            d->RG->Button(1)->click();
            d->ButDa->click();
            stays(d, "no measures");
            d->ButNo->click();
        });
        fMain->ButvRac->click();
        QCOMPARE(app.Seams.Errors().last(), QStringLiteral("У продукта нет мер (порций)"));

        // A product deleted meanwhile: a notice, the dialog closes, the ration is unchanged.
        app.Seams.OnModalOf<TfVvod>([&](TfVvod* d) {
            ExecSql(QStringLiteral("DELETE FROM tab_prod WHERE id_prod=%1").arg(tea));
            d->EdGramm->setText(QStringLiteral("200"));
            d->ButDa->click();
            QVERIFY(!d->isVisible());
        });
        fMain->ButvRac->click();
        QCOMPARE(app.Seams.Messages().last(), QStringLiteral("Продукт был удален"));
        QCOMPARE(int(ArraySave.size()), 1);
        QVERIFY(fMain->RacionSaved);
    }

    void FieldRulesKeysAndSpinButton() {
        TTestApp app;
        Catalog();
        app.Seams.OnModalOf<TfVvod>([&](TfVvod* d) {
            d->EdGramm->clear();
            TypeText(d->EdGramm, QStringLiteral("1a2.5,-7"));
            QCOMPARE(d->EdGramm->text(), QStringLiteral("12,57"));
            d->RG->Button(1)->click();
            d->EDMera->clear();
            TypeText(d->EDMera, QStringLiteral(".5."));
            QCOMPARE(d->EDMera->text(), QStringLiteral(",5"));
            SendKey(d->EDMera, Qt::Key_Backspace, QStringLiteral("\b"));
            QCOMPARE(d->EDMera->text(), QStringLiteral(","));

            const auto spin = [d](const QString& from, TUDButton button) {
                d->EDMera->setText(from);
                (button == TUDButton::Up ? d->UD->BtnUp : d->UD->BtnDown)->click();
                return d->EDMera->text();
            };
            QCOMPARE(spin(QString(), TUDButton::Up), QStringLiteral("0"));
            QCOMPARE(spin(QStringLiteral("1,5"), TUDButton::Up), QStringLiteral("2,5"));
            QCOMPARE(spin(QStringLiteral("2"), TUDButton::Down), QStringLiteral("1"));
            QCOMPARE(spin(QStringLiteral("1"), TUDButton::Down), QStringLiteral("1"));
            QCOMPARE(spin(QStringLiteral("1,5"), TUDButton::Down), QStringLiteral("0,5"));
            QCOMPARE(spin(QStringLiteral("1,05"), TUDButton::Down), QStringLiteral("1,05"));
            QVERIFY(app.Seams.Errors().isEmpty());
            QCOMPARE(spin(QString(), TUDButton::Down), QString());
            QCOMPARE(app.Seams.Errors().size(), 1);

            // Enter in the picker goes to the enabled amount field; Enter in grams confirms.
            d->RG->Button(0)->click();
            d->EdGramm->setText(QStringLiteral("80"));
            SendKey(d->DTP, Qt::Key_Return, QStringLiteral("\r"));
            QCOMPARE(d->focusWidget(), d->EdGramm);
            QCOMPARE(d->EdGramm->selectedText(), QStringLiteral("80"));
            d->DTP->setTime(QTime(9, 5));
            SendKey(d->EdGramm, Qt::Key_Enter, QStringLiteral("\r"));
            QVERIFY(!d->isVisible());
        });
        fMain->ButvRac->click();
        QCOMPARE(int(ArraySave.size()), 1);
        QCOMPARE(ArraySave[0].g, 80);
        QCOMPARE(ArraySave[0].vremy, At(9, 5));
    }

    void ChangingAnEntry() {
        TTestApp app;
        Catalog();
        fMain->CB1->setChecked(true);
        ArraySave = {Portions(At(8, 0), bread, crumb, 3, 0, 9), Grams(At(9, 0), bread, 50, 125)};
        fMain->APaintLVRAc();

        // A portion entry opens with the product's second measure, not its own.
        app.Seams.OnModalOf<TfVvod>([&](TfVvod* d) {
            QCOMPARE(d->Caption(), QStringLiteral("Изменение продукта в рационе"));
            QCOMPARE(d->EditIndex, 0);
            QCOMPARE(d->RG->ItemIndex(), 1);
            QCOMPARE(d->CBMera->currentText(), QStringLiteral("ломтик"));
            QCOMPARE(d->EDMera->text(), QStringLiteral("3"));
            QCOMPARE(d->EdGramm->text(), QStringLiteral("0"));
            QVERIFY(!d->EdGramm->isEnabled() && d->EDMera->isEnabled() && d->UD->isEnabled());
            QCOMPARE(d->DTP->time(), QTime(8, 0));
            d->ButDa->click();
        });
        DoubleClickRow(0);
        QCOMPARE(ArraySave[0].id_porc, slice);
        QCOMPARE(ArraySave[0].g, 75);
        QCOMPARE(ArraySave[0].kkal, 187.5);

        // Changed to grams it keeps its measure and count, and opens in portions again.
        app.Seams.OnModalOf<TfVvod>([&](TfVvod* d) {
            d->RG->Button(0)->click();
            d->EdGramm->setText(QStringLiteral("80"));
            d->ButDa->click();
        });
        DoubleClickRow(0);
        QCOMPARE(ArraySave[0].g, 80);
        QVERIFY(ArraySave[0].flag);
        QCOMPARE(ArraySave[0].id_porc, slice);
        QCOMPARE(ArraySave[0].kol_porc, 3.0);
        QCOMPARE(fMain->LVRac->Item(0)->text(2), QStringLiteral("80г"));
        app.Seams.OnModalOf<TfVvod>([&](TfVvod* d) {
            QCOMPARE(d->RG->ItemIndex(), 1);
            QCOMPARE(d->EDMera->text(), QStringLiteral("3"));
            d->ButNo->click();
        });
        DoubleClickRow(0);

        // A grams entry moved into the other meal merges with the same product there.
        ArraySave = {Grams(At(8, 0), bread, 80, 200), Grams(At(9, 0), bread, 50, 125)};
        fMain->APaintLVRAc();
        app.Seams.OnModalOf<TfVvod>([&](TfVvod* d) {
            QCOMPARE(d->RG->ItemIndex(), 0);
            QCOMPARE(d->EdGramm->text(), QStringLiteral("50"));
            QVERIFY(!d->CBMera->isEnabled());
            QCOMPARE(d->CBMera->count(), 3);
            d->DTP->setTime(QTime(8, 0));
            d->ButDa->click();
        });
        QCOMPARE(fMain->LVRac->Item(2)->text(0), QStringLiteral("09:00"));
        DoubleClickRow(2);
        QCOMPARE(int(ArraySave.size()), 1);
        QCOMPARE(ArraySave[0].g, 130);
        QCOMPARE(ArraySave[0].kkal, 325.0);
        QCOMPARE(fMain->LVRac->Count(), 2);
        QVERIFY(!fMain->RacionSaved);
    }

    void DoubleClicksThatOpenNothing() {
        TTestApp app;
        Catalog();
        const int gone = AddProduct(QStringLiteral("Пропавший"), 1, 10);
        const int lost = AddMeasure(bread, QStringLiteral("горбушка"), 40, 100);
        ExecSql(QStringLiteral("DELETE FROM tab_mera WHERE id_mif=%1").arg(lost));
        fMain->CB1->setChecked(true);
        ArraySave = {Grams(At(8, 0), 0, 10, 1), Grams(At(8, 0), gone, 10, 1),
                     Portions(At(8, 0), bread, lost, 1, 40, 100)};
        fMain->APaintLVRAc();
        ExecSql(QStringLiteral("DELETE FROM tab_prod WHERE id_prod=%1").arg(gone));
        for (int row = 0; row < fMain->LVRac->Count(); ++row)
            DoubleClickRow(row);
        fMain->LVRac->clearSelection();
        fMain->LVRacDblClick();
        QVERIFY(app.Seams.ModalShown.isEmpty());
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }
};

EDOMER_TEST(TestVvod)
#include "TestVvod.moc"
