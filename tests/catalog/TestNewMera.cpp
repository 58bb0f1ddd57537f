// The measures dialog: the list with its protected first row, adding, changing and deleting,
// the grams/kcal conversions on leaving a field, and the derivation of an unknown energy.

#include "app/UMain.h"
#include "catalog/UNewMera.h"
#include "store/UDM.h"
#include "tests/catalog/TestNewProdTools.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestKeys.h"
#include "tests/common/TestRegistry.h"
#include "ui/UListView.h"
#include "ui/USkin.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>

namespace {

QStringList ListRows(const TListView* list) {
    QStringList rows;
    for (int i = 0; i < list->Count(); ++i)
        rows << QStringLiteral("%1 %2 %3")
                    .arg(list->Item(i)->text(0), list->Item(i)->text(1), list->Item(i)->text(2));
    return rows;
}

// Opens the measures dialog for the product and runs the script in it.
void ShowMeasures(TTestApp& app, int idProd, double kkal,
                  const std::function<void(TfNewMera*)>& script) {
    fNewMera->SetProduct(idProd, kkal, QStringLiteral("Морковь"));
    app.Seams.OnModalOf<TfNewMera>(script);
    fNewMera->ShowModal();
}

struct TProduct {
    int group = AddGroup(QStringLiteral("Овощи"), 0, 0);
    int id;
    explicit TProduct(double kkal) : id(AddProduct(QStringLiteral("Морковь"), group, kkal)) {
        AddMeasure(id, QStringLiteral("100г"), 100, kkal);
        fMain->APaintTVGrup();
    }
};

} // namespace

class TestNewMera : public QObject {
    Q_OBJECT

private slots:
    void GramsAndKcalFollowEachOtherOnLeaving() {
        TTestApp app;
        TProduct carrot(52);
        ShowMeasures(app, carrot.id, 52, [&](TfNewMera* d) {
            QCOMPARE(d->Label1->text(), QStringLiteral("Меры для продукта \"Морковь\""));
            QCOMPARE(d->height(), 240);
            QCOMPARE(ListRows(d->LVNewMera), QStringList{QStringLiteral("100г 100 52,0")});
            QCOMPARE(d->LVNewMera->Selected(), d->LVNewMera->Item(0));
            d->ButNew->click();
            QCOMPARE(d->height(), 347);
            QVERIFY(!d->LVNewMera->isEnabled());
            QCOMPARE(d->ButOK->text(), QStringLiteral("Добавить"));
            QVERIFY(QTest::qWaitForWindowActive(d));
            d->EdGramm->setFocus();
            TypeText(d->EdGramm, QStringLiteral("3x0,"));
            QCOMPARE(d->EdGramm->text(), QStringLiteral("30"));
            d->EdKkal->setFocus();
            QCOMPARE(d->EdKkal->text(), QStringLiteral("15,6"));
            Retype(d->EdKkal, QStringLiteral("26.04,"));
            QCOMPARE(d->EdKkal->text(), QStringLiteral("26,0"));
            // Grams are rounded, not cut: 15 kcal are 28.8 g.
            Retype(d->EdKkal, QStringLiteral("15"));
            d->EdMera->setFocus();
            QCOMPARE(d->EdGramm->text(), QStringLiteral("29"));
            d->EdKkal->setFocus();
            Retype(d->EdKkal, QStringLiteral("26"));
            d->EdMera->setFocus();
            QCOMPARE(d->EdGramm->text(), QStringLiteral("50"));
            d->ButOK->click();
            QCOMPARE(app.Seams.Messages().last(), QStringLiteral("Запишите название меры"));
            QVERIFY(d->EdMera->hasFocus());
            TypeText(d->EdMera, QStringLiteral("ложка"));
            // Grams of this energy do not fit their column: the field keeps its text.
            d->EdKkal->setFocus();
            Retype(d->EdKkal, QStringLiteral("99999999999999999999"));
            d->EdMera->setFocus();
            QCOMPARE(d->EdGramm->text(), QStringLiteral("50"));
            // Amounts pasted below zero are refused with the focus in their field.
            for (QLineEdit* edit : {d->EdKkal, d->EdGramm}) {
                Paste(edit, QStringLiteral("-5"));
                d->ButOK->click();
                QVERIFY(edit->hasFocus());
                Paste(edit, edit == d->EdKkal ? QStringLiteral("26") : QStringLiteral("50"));
            }
            QCOMPARE(app.Seams.Messages().mid(1),
                     (QStringList{QStringLiteral("Число в поле «ккал на порцию» не может быть "
                                                 "меньше 0"),
                                  QStringLiteral("Число в поле «грамм на порцию» не может быть "
                                                 "меньше 0")}));
            d->ButOK->click();
            QCOMPARE(d->height(), 240);
            QVERIFY(d->LVNewMera->isEnabled());
            QCOMPARE(ListRows(d->LVNewMera), (QStringList{QStringLiteral("100г 100 52,0"),
                                                          QStringLiteral("ложка 50 26,0")}));
        });
        QCOMPARE(Measures(carrot.id),
                 (QStringList{QStringLiteral("100г 100 52"), QStringLiteral("ложка 50 26")}));
        QCOMPARE(app.Seams.Errors(),
                 QStringList{QStringLiteral("«99999999999999999999» — слишком большое число")});
    }

    void UnknownEnergyIsDerivedFromTheNewMeasure() {
        TTestApp app;
        TProduct carrot(0);
        const int empty = AddMeasure(carrot.id, QStringLiteral("щепоть"), 0, 0);
        const int spoon = AddMeasure(carrot.id, QStringLiteral("ложка"), 15, 0);
        Q_UNUSED(empty);
        Q_UNUSED(spoon);
        const auto addPiece = [&] {
            ShowMeasures(app, carrot.id, 0, [&](TfNewMera* d) {
                d->ButNew->click();
                TypeText(d->EdMera, QStringLiteral("кусок"));
                TypeText(d->EdGramm, QStringLiteral("30"));
                TypeText(d->EdKkal, QStringLiteral("40"));
                d->ButOK->click();
            });
        };
        // The derivation's last statement fails, then the measure's own: nothing is kept.
        const QStringList unchanged = Measures(carrot.id);
        for (const char* statement : {"UPDATE ON tab_prod", "INSERT ON tab_mera"}) {
            ExecSql(QStringLiteral("CREATE TRIGGER fail BEFORE %1 BEGIN "
                                   "SELECT RAISE(ABORT, 'сбой'); END")
                        .arg(QLatin1String(statement)));
            addPiece();
            ExecSql(QStringLiteral("DROP TRIGGER fail"));
            QVERIFY(app.Seams.Errors().last().contains(QStringLiteral("сбой")));
            QCOMPARE(ScalarSql(QStringLiteral("SELECT kkal FROM tab_prod")).toDouble(), 0.0);
            QCOMPARE(Measures(carrot.id), unchanged);
        }
        addPiece();
        QCOMPARE(app.Seams.Messages().last(),
                 QStringLiteral("Все меры, включая меру 100г, будут пересчитаны с "
                                "учетом новых данных по соотношению ккал-грамм"));
        // The derived energies are stored rounded to one decimal.
        QCOMPARE(ScalarSql(QStringLiteral("SELECT kkal FROM tab_prod")).toDouble(), 133.3);
        QCOMPARE(Measures(carrot.id),
                 (QStringList{QStringLiteral("100г 100 133,3"), QStringLiteral("щепоть 0 0"),
                              QStringLiteral("ложка 15 20"), QStringLiteral("кусок 30 40")}));
        QCOMPARE(TListView::SubItem(fMain->LVProd->Item(0), 0), QStringLiteral("133,3"));

        // Grams written "00" give no energy per gram: the error box, and nothing is written.
        ExecSql(QStringLiteral("UPDATE tab_prod SET kkal=0"));
        const QStringList before = Measures(carrot.id);
        ShowMeasures(app, carrot.id, 0, [&](TfNewMera* d) {
            d->ButNew->click();
            TypeText(d->EdMera, QStringLiteral("крошка"));
            TypeText(d->EdGramm, QStringLiteral("00"));
            TypeText(d->EdKkal, QStringLiteral("5"));
            d->ButOK->click();
            QCOMPARE(app.Seams.Errors().size(), 3);
            QVERIFY(d->Panel->isVisible());
            // With 0 g the energy stays unknown and the measure is stored as typed.
            Retype(d->EdGramm, QStringLiteral("0"));
            d->ButOK->click();
        });
        QCOMPARE(app.Seams.Messages().size(), 3);
        QCOMPARE(ScalarSql(QStringLiteral("SELECT kkal FROM tab_prod")).toDouble(), 0.0);
        QCOMPARE(Measures(carrot.id), before + QStringList{QStringLiteral("крошка 0 5")});
    }

    void HundredGramsAndTheFirstRowAreProtected() {
        TTestApp app;
        TProduct carrot(52);
        const int spoon = AddMeasure(carrot.id, QStringLiteral("ложка"), 30, 15.6);
        const QString refused = QStringLiteral("Нельзя записать меру 100г - она уже существует. "
                                               "Калорийность на 100г можно изменить в свойствах "
                                               "продукта");
        ShowMeasures(app, carrot.id, 52, [&](TfNewMera* d) {
            d->ButEdit->click();
            QCOMPARE(app.Seams.Messages().last(), QStringLiteral("Нельзя редактировать меру 100г"));
            QVERIFY(!d->Panel->isVisible());
            d->ButDel->click();
            QCOMPARE(d->LVNewMera->Count(), 2);

            d->ButNew->click();
            TypeText(d->EdMera, QStringLiteral("стакан"));
            for (const char* grams : {"100", "0100"}) {
                Retype(d->EdGramm, QString::fromLatin1(grams));
                TypeText(d->EdKkal, QStringLiteral("52"));
                d->ButOK->click();
                QCOMPARE(app.Seams.Messages().last(), refused);
            }
            Retype(d->EdGramm, QString());
            d->ButOK->click();
            QCOMPARE(app.Seams.Messages().last(),
                     QStringLiteral("Укажите сколько грамм или ккал в порции (если "
                                    "неизвестно, то запишите 0)"));
            d->ButCancel->click();
            QCOMPARE(d->height(), 240);
            QVERIFY(d->LVNewMera->isEnabled());

            d->LVNewMera->Select(d->LVNewMera->Item(1));
            d->ButEdit->click();
            QCOMPARE(d->ButOK->text(), QStringLiteral("Изменить"));
            QCOMPARE(d->EdMera->text(), QStringLiteral("ложка"));
            QCOMPARE(d->EdGramm->text(), QStringLiteral("30"));
            QCOMPARE(d->EdKkal->text(), QStringLiteral("15,6"));
            Retype(d->EdGramm, QStringLiteral("100"));
            d->ButOK->click();
            QCOMPARE(app.Seams.Messages().last(), refused);
            QVERIFY(d->Panel->isVisible());
        });
        QCOMPARE(Measures(carrot.id),
                 (QStringList{QStringLiteral("100г 100 52"), QStringLiteral("ложка 30 15,6")}));

        // Closing while editing drops the input; the next showing starts in browsing.
        ShowMeasures(app, carrot.id, 52, [&](TfNewMera* d) {
            QVERIFY(!d->Panel->isVisible());
            QVERIFY(d->LVNewMera->isEnabled());
            d->LVNewMera->Select(d->LVNewMera->Item(1));
            d->ButDel->click();
            QCOMPARE(ListRows(d->LVNewMera), QStringList{QStringLiteral("100г 100 52,0")});
        });
        QCOMPARE(
            CountSql(QStringLiteral("SELECT count(*) FROM tab_mera WHERE id_mif=%1").arg(spoon)),
            0);
    }

    void ChangedNamesAreStoredAsTyped() {
        TTestApp app;
        TProduct carrot(52);
        const int spoon = AddMeasure(carrot.id, QStringLiteral("ложка"), 30, 15.6);
        AddMeasure(carrot.id, QStringLiteral("кусок"), 50, 26);
        ShowMeasures(app, carrot.id, 52, [&](TfNewMera* d) {
            d->LVNewMera->Select(d->LVNewMera->Item(1));
            d->ButEdit->click();
            Retype(d->EdMera, QStringLiteral("a\"b"));
            Retype(d->EdGramm, QStringLiteral("20"));
            Retype(d->EdKkal, QStringLiteral("10,4"));
            d->ButOK->click();
            d->LVNewMera->Select(d->LVNewMera->Item(2));
            d->ButEdit->click();
            Retype(d->EdMera, QStringLiteral("g_mera"));
            d->ButOK->click();
            d->ButNew->click();
            TypeText(d->EdMera, QStringLiteral("naim_mera\"); --"));
            TypeText(d->EdGramm, QStringLiteral("5"));
            TypeText(d->EdKkal, QStringLiteral("2,6"));
            d->ButOK->click();
        });
        QCOMPARE(Measures(carrot.id),
                 (QStringList{QStringLiteral("100г 100 52"), QStringLiteral("a\"b 20 10,4"),
                              QStringLiteral("g_mera 50 26"),
                              QStringLiteral("naim_mera\"); -- 5 2,6")}));
        QCOMPARE(CountSql(QStringLiteral("SELECT g_mera FROM tab_mera WHERE id_mif=%1").arg(spoon)),
                 20);
        QCOMPARE(app.Seams.Errors(), QStringList());
    }
};

EDOMER_TEST(TestNewMera)
#include "TestNewMera.moc"
