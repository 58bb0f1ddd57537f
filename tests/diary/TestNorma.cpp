// The daily norm: its computation and the checks of its dialog, the main window's bar, and
// storing it into a file without its table and into one that cannot be written.

#include "app/UMain.h"
#include "diary/UNorma.h"
#include "diary/UNormaBar.h"
#include "ration/URacion.h"
#include "store/UDM.h"
#include "store/UOptionalTable.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestKeys.h"
#include "tests/common/TestRegistry.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>

namespace {

// Replaces the field's text as the user would: select all, then type over it.
void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    SendKey(edit, Qt::Key_Backspace);
    TypeText(edit, text);
}

void OpenNorma(TTestApp& app, const std::function<void(TfNorma*)>& script) {
    app.Seams.OnModalOf<TfNorma>(script);
    fMain->ButNorma->click();
    QVERIFY(app.Seams.Unexpected.isEmpty());
}

} // namespace

class TestNorma : public QObject {
    Q_OBJECT
private slots:
    void NormaIsComputedAndItsFieldsChecked() {
        TTestApp app;
        const TNormaInput woman{
            1,        QStringLiteral("45"), QStringLiteral("165"), QStringLiteral("70"), 1,
            0,        QStringLiteral("15"), QStringLiteral("30"),  QStringLiteral("55"), false,
            QString()};
        QCOMPARE(ViewOfInput(woman).kkal, QStringLiteral("1572"));

        OpenNorma(app, [&](TfNorma* d) {
            QVERIFY(d->RGPol->ItemIndex() == 0 && d->CBAktivnost->currentIndex() == 2 &&
                    d->CBCel->currentIndex() == 1 && d->EdKkal->isReadOnly());
            QCOMPARE(d->EdBelProc->text() + d->EdZirProc->text() + d->EdUglProc->text(),
                     QStringLiteral("153055"));
            TypeText(d->EdVozrast, QStringLiteral("30"));
            TypeText(d->EdRost, QStringLiteral("180"));
            // A point becomes the separator, a second decimal is cut.
            TypeText(d->EdVes, QStringLiteral("80.04"));
            QCOMPARE(d->EdVes->text(), QStringLiteral("80,0"));
            QCOMPARE(d->EdKkal->text(), QStringLiteral("2759"));
            QCOMPARE(d->LabRaschet->text(),
                     QStringLiteral("Основной обмен 1780 ккал × 1,55 × 1,0 = 2759 ккал; белки "
                                    "100,9 г, жиры 89,0 г, углеводы 370,1 г"));

            // The refusals in their order, each with the focus in its field.
            Retype(d->EdVozrast, QStringLiteral("13"));
            Retype(d->EdRost, QStringLiteral("99"));
            Retype(d->EdVes, QStringLiteral("401"));
            Retype(d->EdBelProc, QStringLiteral("101"));
            d->CBVruchnuyu->click();
            QVERIFY(!d->EdKkal->isReadOnly());
            Retype(d->EdKkal, QStringLiteral("499"));
            const struct {
                QLineEdit* field;
                QString fix;
                QString message;
            } refusals[] = {
                {d->EdVozrast, QStringLiteral("30"),
                 QStringLiteral("Укажите в поле «Возраст, лет» целое число от 14 до 110")},
                {d->EdRost, QStringLiteral("100"),
                 QStringLiteral("Укажите в поле «Рост, см» число от 100 до 250")},
                {d->EdVes, QStringLiteral("400"),
                 QStringLiteral("Укажите в поле «Вес, кг» число от 20 до 400")},
                {d->EdBelProc, QStringLiteral("15,1"),
                 QStringLiteral("Укажите в поле «Белки, %» число от 0 до 100")},
                {d->EdBelProc, QStringLiteral("15"),
                 QStringLiteral("Белки, жиры и углеводы вместе должны составлять 100 %, а не "
                                "100,1 %")},
                {d->EdKkal, QStringLiteral("2000"),
                 QStringLiteral("Укажите в поле «Калорийность, ккал» целое число от 500 до "
                                "10000")},
            };
            for (const auto& r : refusals) {
                app.Seams.Messages().clear();
                d->ButOK->click();
                QCOMPARE(app.Seams.Messages(), QStringList{r.message});
                QCOMPARE(d->focusWidget(), static_cast<QWidget*>(r.field));
                QVERIFY(d->isVisible());
                Retype(r.field, r.fix);
            }
            QVERIFY(!TableExists(DM->ADOTrans, "tab_norma"));
            // A manual energy needs no figures.
            for (QLineEdit* edit : {d->EdVozrast, d->EdRost, d->EdVes})
                Retype(edit, QString());
            d->ButOK->click();
            QVERIFY(!d->isVisible());
        });
        const TNorma stored = *CurrentNorma();
        QVERIFY(stored.vruchnuyu && !stored.vozrast && !stored.rost && !stored.ves);
        QCOMPARE(stored.kkal, 2000.0);
        QCOMPARE(stored.bel_proc, 15.0);
    }

    void BarShowsTheDayAgainstTheNorm() {
        TTestApp app;
        QCOMPARE(fMain->PBNorma->text(), QStringLiteral("Норма не задана"));
        QCOMPARE(fMain->PBNorma->value(), 0);
        TNorma norma;
        norma.kkal = 2759;
        const TNormaBar part = NormaBar(norma, QStringLiteral("1126,7"));
        QCOMPARE(part.text, QStringLiteral("1126,7 из 2759 ккал (41 %)"));
        QVERIFY(part.value == 1127 && !part.over);

        // The window's bar follows the stored norm and the day-total row.
        StoreNorma(norma);
        fMain->APaintLVRAc();
        QCOMPARE(fMain->PBNorma->text(), QStringLiteral("0,0 из 2759 ккал (0 %)"));
        ArraySave = {{0.3, 0, true, 500, 0, 0, 2000, 40, 30, 100},
                     {0.5, 0, true, 300, 0, 0, 1000.04, 10, 10, 50}};
        fMain->APaintLVRAc();
        QCOMPARE(fMain->PBNorma->text(), QStringLiteral("3000,0 из 2759 ккал (109 %)"));
        QCOMPARE(fMain->PBNorma->palette().color(QPalette::Text), QColor(Qt::red));
        ArraySave.pop_back();
        fMain->APaintLVRAc();
        QCOMPARE(fMain->PBNorma->text(), QStringLiteral("2000,0 из 2759 ккал (72 %)"));
        QCOMPARE(fMain->PBNorma->palette().color(QPalette::Text), QColor(Qt::black));
        ArraySave.clear();
    }

    void NormaIsStoredIntoAFileWithoutItsTableAndNotIntoAReadOnlyOne() {
        {
            TTestApp ready(TStoreKind::Starter);
            QVERIFY(!TableExists(DM->ADOTrans, "tab_norma"));
            QCOMPARE(fMain->PBNorma->text(), QStringLiteral("Норма не задана"));
        }
        // The first norm creates the table; a file that cannot be written keeps everything.
        TTestApp app;
        ExecSql(QStringLiteral("PRAGMA query_only=1"));
        OpenNorma(app, [&](TfNorma* d) {
            d->RGPol->Button(1)->click();
            TypeText(d->EdVozrast, QStringLiteral("45"));
            TypeText(d->EdRost, QStringLiteral("165"));
            TypeText(d->EdVes, QStringLiteral("70"));
            d->CBAktivnost->setCurrentIndex(1);
            d->CBCel->setCurrentIndex(0);
            d->ButOK->click();
            QVERIFY(d->isVisible());
            QCOMPARE(app.Seams.Errors().size(), 1);
            QVERIFY(app.Seams.Errors()[0].startsWith(QStringLiteral("Не удалось записать")));
            ExecSql(QStringLiteral("PRAGMA query_only=0"));
            QVERIFY(!TableExists(DM->ADOTrans, "tab_norma"));
            QVERIFY(!CurrentNorma());
            QCOMPARE(fMain->PBNorma->text(), QStringLiteral("Норма не задана"));
            d->ButOK->click();
        });
        QCOMPARE(ScalarSql(QStringLiteral("SELECT group_concat(pol||' '||vozrast||' '||rost||' '||"
                                          "ves||' '||aktivnost||' '||cel||' '||vruchnuyu||' '||"
                                          "kkal) FROM tab_norma"))
                     .toString(),
                 QStringLiteral("1 45 165.0 70.0 1 0 0 1572.0"));
        QCOMPARE(fMain->PBNorma->text(), QStringLiteral("0,0 из 1572 ккал (0 %)"));

        // Opened again it shows what is stored.
        OpenNorma(app, [&](TfNorma* d) {
            QVERIFY(d->RGPol->ItemIndex() == 1 && d->EdVes->text() == QStringLiteral("70"));
            d->ButCancel->click();
        });
    }
};

EDOMER_TEST(TestNorma)
#include "TestNorma.moc"
