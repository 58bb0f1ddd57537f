// The product dialog: the bound fields, the typing rules, ОК in both modes with the "100г"
// measure and the recomputation of measures, Отмена, the measures button and the panel.

#include "app/UMain.h"
#include "app/UMy.h"
#include "catalog/UNewMera.h"
#include "catalog/UNewProd.h"
#include "store/UDM.h"
#include "tests/catalog/TestNewProdTools.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestKeys.h"
#include "tests/common/TestRegistry.h"
#include "ui/UDBEdit.h"
#include "ui/UListView.h"
#include "ui/USkin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

namespace {

QVariant ProductColumn(int idProd, const char* column) {
    return ScalarSql(QStringLiteral("SELECT %1 FROM tab_prod WHERE id_prod=%2")
                         .arg(QLatin1String(column))
                         .arg(idProd));
}

void Enter(QWidget* control) {
    SendKey(control, Qt::Key_Return, QStringLiteral("\r"));
}

// One group with a product of 52 kcal and three measures, listed in the main window with the
// product selected, as the user sees it before "Изменить".
struct TCarrot {
    int group = AddGroup(QStringLiteral("Овощи"), 0, 0);
    int product = AddProduct(QStringLiteral("Морковь"), group, 52, 1.3, 0.1, 6.9);
    TCarrot() {
        AddMeasure(product, QStringLiteral("100г"), 100, 52);
        AddMeasure(product, QStringLiteral("ложка"), 30, 20);
        AddMeasure(product, QStringLiteral("щепоть"), 0, 0);
        fMain->APaintTVGrup();
    }
};

} // namespace

class TestNewProd : public QObject {
    Q_OBJECT

private slots:
    void NewProductIsStoredWithItsHundredGramMeasure() {
        TTestApp app;
        const int group = AddGroup(QStringLiteral("Овощи"), 0, 0);
        const int other = AddGroup(QStringLiteral("Фрукты"), 0, 1);
        fMain->APaintTVGrup();
        app.Seams.OnModalOf<TfNewProd>([&](TfNewProd* d) {
            QCOMPARE(d->Caption(), QStringLiteral("Добавление нового продукта"));
            QVERIFY(!d->XiButton1->isVisible());
            QCOMPARE(d->width(), 502);
            QCOMPARE(d->CBGrup->currentData().toInt(), group);
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->DBEdNaim));
            d->CBGrup->setCurrentIndex(d->CBGrup->findData(other));
            TypeText(d->DBEdNaim, QStringLiteral("Яблоко"));
            TypeText(d->DBEdKKal, QStringLiteral("52"));
            TypeText(d->DBEdB, QStringLiteral("0.4"));
            d->ButOK->click();
        });
        app.Seams.AnswerQuestion(mrNo);
        fMain->ButNewProd->click();
        QCOMPARE(app.Seams.Questions,
                 QStringList{
                     QStringLiteral("Внести для нового продукта допольнительные меры (порции)?")});
        const int id = CountSql(QStringLiteral("SELECT max(id_prod) FROM tab_prod"));
        QCOMPARE(ProductColumn(id, "naim_prod").toString(), QStringLiteral("Яблоко"));
        QCOMPARE(ProductColumn(id, "kkal").toDouble(), 52.0);
        QCOMPARE(ProductColumn(id, "bel").toDouble(), 0.4);
        QVERIFY(ProductColumn(id, "zir").isNull()); // an empty field stores no value
        QCOMPARE(ProductColumn(id, "id_grup").toInt(), other);
        QCOMPARE(Measures(id), QStringList{QStringLiteral("100г 100 52")});
        QVERIFY(app.Seams.Messages().isEmpty());
        QVERIFY(app.Seams.Unexpected.isEmpty());

        // "Да" hands the new product to the measures dialog, centred over the product dialog.
        int shownId = 0;
        double shownKkal = -1;
        QString label;
        QStringList rows;
        app.Seams.OnModalOf<TfNewProd>([](TfNewProd* d) {
            d->CBGrup->setCurrentIndex(0);
            TypeText(d->DBEdNaim, QStringLiteral("Груша"));
            TypeText(d->DBEdKKal, QStringLiteral("47,5"));
            d->ButOK->click();
            QVERIFY(!d->isVisible());
        });
        app.Seams.AnswerQuestion(mrYes);
        app.Seams.OnModalOf<TfNewMera>([&](TfNewMera* m) {
            shownId = m->ProductId();
            shownKkal = m->ProductKkal();
            label = m->Label1->text();
            for (int i = 0; i < m->LVNewMera->Count(); ++i)
                rows << m->LVNewMera->Item(i)->text(0) + QLatin1Char(' ') +
                            m->LVNewMera->Item(i)->text(1) + QLatin1Char(' ') +
                            m->LVNewMera->Item(i)->text(2);
        });
        fMain->ButNewProd->click();
        QCOMPARE(shownId, CountSql(QStringLiteral("SELECT max(id_prod) FROM tab_prod")));
        QCOMPARE(shownKkal, 47.5);
        QCOMPARE(label, QStringLiteral("Меры для продукта \"Груша\""));
        QCOMPARE(rows, QStringList{QStringLiteral("100г 100 47,5")});
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }

    void NumberFieldsFollowTheTypingRules() {
        TTestApp app;
        AddGroup(QStringLiteral("Овощи"), 0, 0);
        fMain->APaintTVGrup();
        app.Seams.OnModalOf<TfNewProd>([&](TfNewProd* d) {
            TDBEdit* kkal = d->DBEdKKal;
            TypeText(kkal, QStringLiteral("12,345"));
            QCOMPARE(kkal->text(), QStringLiteral("12,3"));
            QCOMPARE(kkal->cursorPosition(), 4);
            TypeText(kkal, QStringLiteral(",."));
            QCOMPARE(kkal->text(), QStringLiteral("12,3"));
            Retype(kkal, QStringLiteral("7.25"));
            QCOMPARE(kkal->text(), QStringLiteral("7,2"));
            const int beeps = app.Seams.Beeps;
            Retype(kkal, QStringLiteral("-+5x"));
            QCOMPARE(kkal->text(), QStringLiteral("5"));
            QCOMPARE(app.Seams.Beeps, beeps + 1); // the letter, not the signs
            TypeText(kkal, QStringLiteral("e"));
            QCOMPARE(kkal->text(), QStringLiteral("5e"));
            TypeText(d->DBEdNaim, QStringLiteral("Сок 1,5%"));
            QCOMPARE(d->DBEdNaim->text(), QStringLiteral("Сок 1,5%"));
            d->ButCancel->click();
        });
        fMain->ButNewProd->click();
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_prod")), 0);
    }

    void ChangedEnergyRecomputesEveryMeasure() {
        TTestApp app;
        TCarrot carrot;
        QCOMPARE(TListView::SubItem(fMain->LVProd->Selected(), 0), QStringLiteral("52,0"));

        // ОК without touching the energy recomputes nothing, though the texts differ.
        app.Seams.OnModalOf<TfNewProd>([](TfNewProd* d) {
            QCOMPARE(d->Caption(), QStringLiteral("Редактирование"));
            QVERIFY(d->XiButton1->isVisible());
            QCOMPARE(d->DBEdKKal->text(), QStringLiteral("52"));
            QCOMPARE(d->DBEdB->text(), QStringLiteral("1,3"));
            d->ButOK->click();
        });
        fMain->ButEditProd->click();
        QVERIFY(app.Seams.Messages().isEmpty());
        QCOMPARE(Measures(carrot.product),
                 (QStringList{QStringLiteral("100г 100 52"), QStringLiteral("ложка 30 20"),
                              QStringLiteral("щепоть 0 0")}));

        // Retyping the same energy is a change.
        app.Seams.OnModalOf<TfNewProd>([](TfNewProd* d) {
            Retype(d->DBEdKKal, QStringLiteral("52"));
            d->ButOK->click();
        });
        fMain->ButEditProd->click();
        QCOMPARE(app.Seams.Messages(),
                 QStringList{QStringLiteral(
                     "Все существующие меры для данного продукта будут пересчитаны с учетом "
                     "новых данных по соотношению ккал-грамм")});
        QCOMPARE(Measures(carrot.product),
                 (QStringList{QStringLiteral("100г 100 52"), QStringLiteral("ложка 30 15,6"),
                              QStringLiteral("щепоть 0 0")}));

        app.Seams.OnModalOf<TfNewProd>([](TfNewProd* d) {
            Retype(d->DBEdKKal, QStringLiteral("60"));
            d->ButOK->click();
        });
        fMain->ButEditProd->click();
        QCOMPARE(app.Seams.Messages().size(), 2);
        QCOMPARE(ProductColumn(carrot.product, "kkal").toDouble(), 60.0);
        QCOMPARE(Measures(carrot.product),
                 (QStringList{QStringLiteral("100г 100 60"), QStringLiteral("ложка 30 18"),
                              QStringLiteral("щепоть 0 0")}));
        QCOMPARE(ProductColumn(carrot.product, "naim_prod").toString(), QStringLiteral("Морковь"));
        QCOMPARE(ProductColumn(carrot.product, "id_grup").toInt(), carrot.group);
        QCOMPARE(TListView::SubItem(fMain->LVProd->Item(0), 0), QStringLiteral("60,0"));
    }

    void MeasuresButtonStoresTheTypedFieldsWithoutOk() {
        TTestApp app;
        TCarrot carrot;
        const int other = AddGroup(QStringLiteral("Фрукты"), 0, 1);
        fMain->APaintTVGrup();
        QString label;
        int shownId = 0;
        app.Seams.OnModalOf<TfNewProd>([&](TfNewProd* d) {
            d->CBGrup->setCurrentIndex(d->CBGrup->findData(other));
            Retype(d->DBEdNaim, QStringLiteral("Морковь молодая"));
            Retype(d->DBEdKKal, QStringLiteral("35"));
            d->XiButton1->click();
            QVERIFY(!d->isVisible());
        });
        app.Seams.OnModalOf<TfNewMera>([&](TfNewMera* m) {
            label = m->Label1->text();
            shownId = m->ProductId();
            QCOMPARE(m->ProductKkal(), 35.0);
        });
        fMain->ButEditProd->click();
        QCOMPARE(label, QStringLiteral("Меры для продукта \"Морковь молодая\""));
        QCOMPARE(shownId, carrot.product);
        QCOMPARE(ProductColumn(carrot.product, "naim_prod").toString(),
                 QStringLiteral("Морковь молодая"));
        QCOMPARE(ProductColumn(carrot.product, "kkal").toDouble(), 35.0);
        QCOMPARE(ProductColumn(carrot.product, "id_grup").toInt(), carrot.group);
        QCOMPARE(Measures(carrot.product).at(1), QStringLiteral("ложка 30 20"));
        QVERIFY(app.Seams.Messages().isEmpty());
    }

    void EnterMovesTheFocusByThePanelState() {
        TTestApp app;
        AddGroup(QStringLiteral("Овощи"), 0, 0);
        fMain->APaintTVGrup();
        app.Seams.OnModalOf<TfNewProd>([](TfNewProd* d) {
            QVERIFY(d->CBBZY->isChecked());
            QCOMPARE(d->height(), 210);
            Enter(d->DBEdNaim);
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->DBEdKKal));
            Enter(d->DBEdKKal);
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->DBEdB));
            Enter(d->DBEdB);
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->DBEdZ));
            Enter(d->DBEdZ);
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->DBEdU));
            Enter(d->DBEdU);
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->ButOK));
            QVERIFY(d->isVisible()); // Enter does not press ОК

            QTest::mouseClick(d->Label5, Qt::LeftButton);
            QVERIFY(!d->CBBZY->isChecked());
            QCOMPARE(d->height(), 170);
            QVERIFY(!d->XiPanel1->isVisible());
            Enter(d->DBEdKKal);
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->ButOK));
            d->CBBZY->setChecked(true);
            QCOMPARE(d->height(), 210);
            d->Close();
        });
        fMain->ButNewProd->click();
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_prod")), 0);

        // The panel's state is the "CB3" setting, read when the dialog is created.
        WriteOption(QStringLiteral("CB3"), false);
        fNewProd->FormCreate();
        QVERIFY(!fNewProd->CBBZY->isChecked());
        app.Seams.OnModalOf<TfNewProd>([](TfNewProd* d) { QCOMPARE(d->height(), 170); });
        fMain->ButNewProd->click();
    }

    void InvalidInputIsRefusedAndNothingStored() {
        TTestApp app;
        TCarrot carrot;
        app.Seams.OnModalOf<TfNewProd>([&](TfNewProd* d) {
            Retype(d->DBEdNaim, QStringLiteral("  "));
            d->ButOK->click();
            QCOMPARE(app.Seams.Messages().last(), QStringLiteral("Запишите название продукта"));
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->DBEdNaim));
            d->DBEdB->setFocus();
            d->XiButton1->click();
            QCOMPARE(app.Seams.Messages().last(), QStringLiteral("Запишите название продукта"));
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->DBEdNaim));
            Retype(d->DBEdNaim, QStringLiteral("Свёкла"));
            // Pasted below zero, in the hidden panel too, for ОК and for the measures button.
            d->CBBZY->setChecked(false);
            for (TDBEdit* edit : {d->DBEdKKal, d->DBEdU}) {
                Paste(edit, QStringLiteral("-5"));
                d->ButOK->click();
                d->XiButton1->click();
                QCOMPARE(d->focusWidget(), static_cast<QWidget*>(edit));
                Paste(edit, QStringLiteral("0"));
            }
            const QString below = QStringLiteral("Число в поле «%1» не может быть меньше 0");
            QCOMPARE(app.Seams.Messages().mid(2),
                     (QStringList{below.arg(QStringLiteral("Калорийность")),
                                  below.arg(QStringLiteral("Калорийность")),
                                  below.arg(QStringLiteral("У")), below.arg(QStringLiteral("У"))}));
            Retype(d->DBEdKKal, QString());
            d->ButOK->click();
            QCOMPARE(
                app.Seams.Messages().last(),
                QStringLiteral("Запишите калорийность. Если она неизвестна для 100г поставьте 0"));
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->DBEdKKal));
            // A lone exponent letter is no number: the post is refused with the error box.
            TypeText(d->DBEdKKal, QStringLiteral("E"));
            d->ButOK->click();
            QCOMPARE(app.Seams.Errors().size(), 1);
            QVERIFY(d->isVisible());
            // Leaving the field refuses it as well and keeps the focus in it.
            QVERIFY(QTest::qWaitForWindowActive(d));
            d->DBEdKKal->setFocus();
            d->DBEdB->setFocus();
            QCOMPARE(app.Seams.Errors().size(), 2);
            QVERIFY(d->DBEdKKal->hasFocus());
            // Escape brings back the record's value and leaves the dialog open.
            SendKey(d->DBEdKKal, Qt::Key_Escape);
            QCOMPARE(d->DBEdKKal->text(), QStringLiteral("52"));
            QVERIFY(d->isVisible());
            d->reject(); // the window frame: as Отмена
        });
        fMain->ButEditProd->click();
        QCOMPARE(ProductColumn(carrot.product, "naim_prod").toString(), QStringLiteral("Морковь"));
        QCOMPARE(ProductColumn(carrot.product, "kkal").toDouble(), 52.0);
        QCOMPARE(DM->TableProd.State(), TDataSetState::Browse);

        // A new record closed by the frame is dropped.
        app.Seams.OnModalOf<TfNewProd>([](TfNewProd* d) {
            TypeText(d->DBEdNaim, QStringLiteral("Репа"));
            TypeText(d->DBEdKKal, QStringLiteral("28"));
            d->reject();
        });
        fMain->ButNewProd->click();
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_prod")), 1);
    }

    void EachWriteOfTheDialogIsAllOrNothing() {
        TTestApp app;
        TCarrot carrot;
        AddMeasure(carrot.product, QStringLiteral("тарелка"), 200, 104);
        const QStringList measures = Measures(carrot.product);
        const QString fail = QStringLiteral("CREATE TRIGGER fail BEFORE %1 ON tab_mera BEGIN "
                                            "SELECT RAISE(ABORT, 'сбой'); END");
        // Adding: the "100г" measure fails, so the product goes too; the record stays as typed.
        ExecSql(fail.arg(QStringLiteral("INSERT")));
        app.Seams.OnModalOf<TfNewProd>([&](TfNewProd* d) {
            TypeText(d->DBEdNaim, QStringLiteral("Репа"));
            TypeText(d->DBEdKKal, QStringLiteral("28"));
            d->ButOK->click();
            QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_prod")), 1);
            ExecSql(QStringLiteral("DROP TRIGGER fail"));
            d->ButOK->click();
        });
        app.Seams.AnswerQuestion(mrNo);
        fMain->ButNewProd->click();
        QCOMPARE(Measures(CountSql(QStringLiteral("SELECT max(id_prod) FROM tab_prod"))),
                 QStringList{QStringLiteral("100г 100 28")});

        // Changing the energy: the row, the notice and the recomputed measures go together; an
        // energy that makes the 200 g measure no number is refused before the notice.
        ExecSql(fail.arg(QStringLiteral("UPDATE")));
        for (const char* kkal : {"60", "1e308"}) {
            fMain->LVProd->Select(fMain->LVProd->Item(0));
            app.Seams.OnModalOf<TfNewProd>([&](TfNewProd* d) {
                Retype(d->DBEdKKal, QString::fromLatin1(kkal));
                d->ButOK->click();
                QCOMPARE(StrToFloat(d->DBEdKKal->text()), StrToFloat(QString::fromLatin1(kkal)));
                ExecSql(QStringLiteral("DROP TRIGGER IF EXISTS fail"));
            });
            fMain->ButEditProd->click();
        }
        QCOMPARE(app.Seams.Errors().size(), 3);
        QVERIFY(app.Seams.Errors().at(1).contains(QStringLiteral("сбой")));
        QCOMPARE(app.Seams.Errors().last(), QStringLiteral("«1e308» — результат слишком велик"));
        QCOMPARE(app.Seams.Messages().size(), 1);
        QCOMPARE(ProductColumn(carrot.product, "kkal").toDouble(), 52.0);
        QCOMPARE(Measures(carrot.product), measures);
    }

    void EmptyCatalogRefusesAProductWithoutGroup() {
        TTestApp app;
        fMain->APaintTVGrup();
        app.Seams.OnModalOf<TfNewProd>([&](TfNewProd* d) {
            QCOMPARE(d->CBGrup->count(), 0);
            TypeText(d->DBEdNaim, QStringLiteral("Репа"));
            TypeText(d->DBEdKKal, QStringLiteral("28"));
            d->ButOK->click();
            QCOMPARE(app.Seams.Messages(),
                     QStringList{QStringLiteral("Выберите группу для продукта")});
            QVERIFY(d->isVisible());
            d->ButCancel->click();
        });
        fMain->ButNewProd->click();
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_prod")), 0);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_mera")), 0);
    }
};

EDOMER_TEST(TestNewProd)
#include "TestNewProd.moc"
