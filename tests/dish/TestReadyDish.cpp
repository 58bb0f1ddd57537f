// The ready dish: the weight and portions dialogs, the dish's values per 100 g from the day's
// totals, its measures, the checks of the portions dialog and its one transaction.

#include "app/UMain.h"
#include "catalog/UGroupTree.h"
#include "catalog/UNewProd.h"
#include "dish/UBludo.h"
#include "dish/UPorc.h"
#include "ration/URacion.h"
#include "store/UDM.h"
#include "tests/catalog/TestNewProdTools.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestKeys.h"
#include "tests/common/TestRegistry.h"
#include "ui/UDBEdit.h"
#include "ui/UListView.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"
#include "ui/UUpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// "kkal bel zir ugl" of the product, each with up to 15 significant digits.
QString Values(int idProd) {
    TQuery q(DM->ADOTrans, {});
    q.SetSQL(
        QStringLiteral("SELECT kkal, bel, zir, ugl FROM tab_prod WHERE id_prod=%1").arg(idProd));
    q.Open();
    QStringList values;
    for (int i = 0; i < 4; ++i)
        values << FormatGeneral(q.Fields(i).AsFloat());
    return values.join(QLatin1Char(' '));
}

int LastProduct() {
    return CountSql(QStringLiteral("SELECT max(id_prod) FROM tab_prod"));
}

int Products() {
    return CountSql(QStringLiteral("SELECT count(*) FROM tab_prod"));
}

// A catalog of a group with a subgroup, the group selected in the tree, and a ration whose day
// totals are the worked example's: 1234,5 kcal, Б 50,2, Ж 40,1, У 151,4 in 800 g. The table
// shows the day's Б, Ж, У as percentages; the dish takes them in grams all the same.
struct TSoupRation {
    int group = AddGroup(QStringLiteral("Первые блюда"), 0, 0);
    int other = AddGroup(QStringLiteral("Овощи"), 0, 1);
    int soups = AddGroup(QStringLiteral("Супы"), group, 0);
    TSoupRation() {
        fMain->APaintTVGrup();
        ArraySave = {{0.3, 0, true, 500, 0, 0, 1000, 40, 30, 100},
                     {0.3, 0, true, 300, 0, 0, 234.5, 10.2, 10.1, 51.4}};
        fMain->CBProc->setChecked(true);
        fMain->APaintLVRAc();
    }
};

// The weight dialog with "не знаю, сколько получилось", and the portions dialog as scripted.
void ShowPortions(TTestApp& app, const std::function<void(TfPorc*)>& script) {
    app.Seams.OnModalOf<TfBludo>([](TfBludo* d) {
        d->RG->Button(1)->click();
        QVERIFY(!d->EdGramm->isEnabled());
        d->ButOK->click();
    });
    app.Seams.OnModalOf<TfPorc>(script);
    fMain->ButSlozn->click();
    QVERIFY(app.Seams.Unexpected.isEmpty());
}

void FillPortions(TfPorc* d, const QString& portions, const QString& grams) {
    TypeText(d->EdProd, QStringLiteral("Суп"));
    Retype(d->EDMera, portions);
    TypeText(d->EdPorc, QStringLiteral("тарелка"));
    TypeText(d->EdGramm, grams);
}

const QString kRecalculation = QStringLiteral("Все меры, включая меру 100г, будут пересчитаны с "
                                              "учетом новых данных по соотношению ккал-грамм");

} // namespace

class TestReadyDish : public QObject {
    Q_OBJECT

private slots:
    void EmptyRationIsRefused() {
        TTestApp app;
        fMain->ButSlozn->setEnabled(true);
        fMain->ButSlozn->click();
        QCOMPARE(app.Seams.Messages(),
                 QStringList{QStringLiteral("Пустой рацион сохранить как готовое блюдо нельзя")});
        QCOMPARE(app.Seams.ModalShown, QStringList{QStringLiteral("FMessage")});
    }

    void KnownWeightOpensTheProductDialogWithTheValuesPerHundredGrams() {
        TTestApp app;
        TSoupRation ration;
        app.Seams.OnModalOf<TfBludo>([&](TfBludo* d) {
            QCOMPARE(d->RG->ItemIndex(), 0);
            QVERIFY(d->EdGramm->isEnabled());
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->EdGramm));
            TypeText(d->EdGramm, QStringLiteral("0"));
            d->ButOK->click();
            QCOMPARE(app.Seams.Messages().last(), QStringLiteral("Запишите вес готового блюда"));
            Retype(d->EdGramm, QString());
            d->ButOK->click();
            QCOMPARE(app.Seams.Messages().size(), 2);
            TypeText(d->EdGramm, QStringLiteral("8,5x0"));
            QCOMPARE(d->EdGramm->text(), QStringLiteral("850"));
            app.Seams.OnModalOf<TfNewProd>([&](TfNewProd* p) {
                QCOMPARE(p->Caption(), QStringLiteral("Добавление нового продукта"));
                QCOMPARE(p->DBEdKKal->text(), QStringLiteral("145,2")); // shown cut, kept whole
                QCOMPARE(p->DBEdB->text(), QStringLiteral("5,9"));
                QVERIFY(p->DBEdNaim->text().isEmpty());
                TypeText(p->DBEdNaim, QStringLiteral("Борщ"));
                p->CBGrup->setCurrentIndex(p->CBGrup->findData(ration.soups));
                p->ButOK->click();
            });
            app.Seams.AnswerQuestion(mrNo);
            d->ButOK->click();
            QVERIFY(!d->isVisible());
        });
        fMain->ButSlozn->click();
        QVERIFY(app.Seams.Unexpected.isEmpty());
        const int id = LastProduct();
        QCOMPARE(Values(id), QStringLiteral("145,235294117647 5,90588235294118 4,71764705882353 "
                                            "17,8117647058824"));
        QCOMPARE(Measures(id), QStringList{QStringLiteral("100г 100 145,235294117647")});
        QCOMPARE(CountSql(QStringLiteral("SELECT id_grup FROM tab_prod WHERE id_prod=%1").arg(id)),
                 ration.soups);

        // 100 g: the product's values are the day's totals.
        app.Seams.OnModalOf<TfBludo>([](TfBludo* d) {
            QVERIFY(d->EdGramm->text().isEmpty());
            TypeText(d->EdGramm, QStringLiteral("100"));
            d->ButOK->click();
        });
        app.Seams.OnModalOf<TfNewProd>([](TfNewProd* d) {
            TypeText(d->DBEdNaim, QStringLiteral("Щи"));
            d->ButOK->click();
        });
        app.Seams.AnswerQuestion(mrNo);
        fMain->ButSlozn->click();
        QCOMPARE(Values(LastProduct()), QStringLiteral("1234,5 50,2 40,1 151,4"));

        // The product dialog's Отмена drops the dish.
        app.Seams.OnModalOf<TfBludo>([](TfBludo* d) {
            TypeText(d->EdGramm, QStringLiteral("500"));
            d->ButOK->click();
        });
        app.Seams.OnModalOf<TfNewProd>([](TfNewProd* d) { d->ButCancel->click(); });
        fMain->ButSlozn->click();
        QCOMPARE(Products(), 2);
    }

    void PortionsOfKnownWeightRecalculateTheDish() {
        TTestApp app;
        TSoupRation ration;
        ShowPortions(app, [&](TfPorc* d) {
            QVERIFY(!fBludo->isVisible());
            QCOMPARE(d->EDMera->text(), QStringLiteral("1"));
            QStringList groups;
            for (int i = 0; i < d->CBGrup->count(); ++i)
                groups << d->CBGrup->itemText(i);
            QCOMPARE(groups, (QStringList{QStringLiteral("Первые блюда"), QStringLiteral("Супы"),
                                          QStringLiteral("Овощи")}));
            QCOMPARE(d->CBGrup->currentData().toInt(), ration.group);
            FillPortions(d, QStringLiteral("4"), QStringLiteral("300"));
            d->CBGrup->setCurrentIndex(d->CBGrup->findData(ration.soups));
            d->ButOK->click();
            QVERIFY(!d->isVisible());
        });
        QCOMPARE(app.Seams.Messages(), QStringList{kRecalculation});
        const int id = LastProduct();
        QCOMPARE(Values(id), QStringLiteral("103 4 3 13"));
        QCOMPARE(Measures(id),
                 (QStringList{QStringLiteral("100г 100 103"), QStringLiteral("тарелка 300 309")}));
        QCOMPARE(NodeId(SelectedNode(fMain->TVGrup)), ration.soups);
        QCOMPARE(fMain->LVProd->Count(), 1);
        QCOMPARE(fMain->LVProd->Item(0)->text(0), QStringLiteral("Суп"));
        QVERIFY(!fBludo->isVisible());
        QVERIFY(!DM->ADOTrans.InTransaction());
    }

    void UnknownPortionWeightKeepsTheDishUnrecalculated() {
        TTestApp app;
        TSoupRation ration;
        ShowPortions(app, [](TfPorc* d) {
            FillPortions(d, QStringLiteral("2,5"), QStringLiteral("0"));
            d->ButOK->click();
        });
        QVERIFY(app.Seams.Messages().isEmpty());
        const int id = LastProduct();
        QCOMPARE(Values(id), QStringLiteral("0 0 0 0"));
        QCOMPARE(Measures(id),
                 (QStringList{QStringLiteral("100г 100 0"), QStringLiteral("тарелка 0 493,8")}));
        QCOMPARE(NodeId(SelectedNode(fMain->TVGrup)), ration.group);
    }

    void PortionsDialogRefusesIncompleteInput() {
        TTestApp app;
        TSoupRation ration;
        ShowPortions(app, [&](TfPorc* d) {
            auto refused = [&](const QString& message, QWidget* focus) {
                d->ButOK->click();
                QCOMPARE(app.Seams.Messages().last(), message);
                QCOMPARE(d->focusWidget(), focus);
                QVERIFY(d->isVisible());
            };
            // The spin button: down only while the result stays above 0,1.
            d->UD->BtnDown->click();
            QCOMPARE(d->EDMera->text(), QStringLiteral("1"));
            d->UD->BtnUp->click();
            QCOMPARE(d->EDMera->text(), QStringLiteral("2"));
            d->EDMera->setText(QStringLiteral("1,5"));
            d->UD->BtnDown->click();
            QCOMPARE(d->EDMera->text(), QStringLiteral("0,5"));
            d->EDMera->setText(QStringLiteral("1,05"));
            d->UD->BtnDown->click();
            QCOMPARE(d->EDMera->text(), QStringLiteral("1,05"));

            Retype(d->EDMera, QString());
            refused(QStringLiteral("Запишите количество порций"), d->EDMera);
            Retype(d->EDMera, QStringLiteral("две"));
            refused(QStringLiteral("Запишите количество порций"), d->EDMera);
            Retype(d->EDMera, QStringLiteral("0,0"));
            refused(QStringLiteral("Запишите количество порций (не равно 0)"), d->EDMera);
            Retype(d->EDMera, QStringLiteral("-2"));
            refused(QStringLiteral("Запишите количество порций (не равно 0)"), d->EDMera);
            Retype(d->EDMera, QStringLiteral("3"));
            refused(QStringLiteral("Запишите название блюда"), d->EdProd);
            TypeText(d->EdProd, QStringLiteral("Суп"));
            refused(QStringLiteral("Запишите название порции"), d->EdPorc);
            TypeText(d->EdPorc, QStringLiteral("тарелка"));
            refused(QStringLiteral("Запишите количество грамм в порции, если неизвестно -то "
                                   "запишите 0"),
                    d->EdGramm);
            TypeText(d->EdGramm, QStringLiteral("2a5b0"));
            QCOMPARE(d->EdGramm->text(), QStringLiteral("250"));
            Paste(d->EdGramm, QStringLiteral("-5"));
            refused(
                QStringLiteral("Число в поле «Количество грамм в ПОРЦИИ» не может быть меньше 0"),
                d->EdGramm);
            Paste(d->EdGramm, QStringLiteral("250"));
            d->CBGrup->setCurrentIndex(-1);
            refused(QStringLiteral("Выберите группу для блюда"), d->CBGrup);
            // So few portions that one would hold no number of kcal.
            d->CBGrup->setCurrentIndex(0);
            Retype(d->EDMera, QStringLiteral("1e-320"));
            d->ButOK->click();
            QCOMPARE(app.Seams.Errors(),
                     QStringList{QStringLiteral("«1e-320» — результат слишком велик")});
            d->ButCancel->click();
        });
        QCOMPARE(Products(), 0);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_mera")), 0);

        // The weight dialog: a pasted weight below zero counts as 0.
        app.Seams.OnModalOf<TfBludo>([&](TfBludo* d) {
            Paste(d->EdGramm, QStringLiteral("-5"));
            d->ButOK->click();
            d->ButCancel->click();
        });
        fMain->ButSlozn->click();
        QCOMPARE(app.Seams.Messages().last(), QStringLiteral("Запишите вес готового блюда"));
        QVERIFY(!app.Seams.ModalShown.contains(QStringLiteral("fNewProd")));
    }

    void FailingStatementLeavesNoHalfWrittenDish() {
        TTestApp app;
        TSoupRation ration;
        ExecSql(QStringLiteral("CREATE TRIGGER refuse_measure BEFORE INSERT ON tab_mera "
                               "BEGIN SELECT RAISE(ABORT, 'диск переполнен'); END"));
        ShowPortions(app, [&](TfPorc* d) {
            FillPortions(d, QStringLiteral("4"), QStringLiteral("300"));
            d->ButOK->click();
            QCOMPARE(app.Seams.Errors().size(), 1);
            QVERIFY(app.Seams.Errors().constFirst().contains(QStringLiteral("диск переполнен")));
            QVERIFY(d->isVisible());
            d->ButCancel->click();
        });
        QVERIFY(!DM->ADOTrans.InTransaction());
        QCOMPARE(Products(), 0);
    }
};

EDOMER_TEST(TestReadyDish)
#include "TestReadyDish.moc"
