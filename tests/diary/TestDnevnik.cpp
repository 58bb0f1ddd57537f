// The diary window: weights refused and stored, and a day loaded into the main window by a
// double-click, with the question the load dialog asks over an unsaved ration.

#include "app/UMain.h"
#include "diary/UDnevnik.h"
#include "diary/UWeights.h"
#include "ration/URacionStore.h"
#include "ration/UVvod.h"
#include "store/UDM.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestRegistry.h"
#include "tests/ration/RationSamples.h"
#include "ui/UListView.h"
#include "ui/USkin.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

std::vector<TWeight> WeightsOf(const QDate& date) {
    return ReadWeights(DM->ADOTrans, date, date);
}

// Rows are newest first: the first is today's (a weight alone) or yesterday's.
void DoubleClickFirstRow() {
    fDnevnik->LVDnevnik->Select(fDnevnik->LVDnevnik->Item(0));
    emit fDnevnik->LVDnevnik->itemDoubleClicked(fDnevnik->LVDnevnik->Item(0), 0);
}

} // namespace

class TestDnevnik : public QObject {
    Q_OBJECT

private slots:
    void WeightsAreRefusedOutsideTheirRangeAndDaysLoadByDoubleClick() {
        TTestApp app;
        const QDate today = QDate::currentDate();
        const QString dayName = FormatDdMmYy(today.addDays(-1));
        const TArraySave day = {Grams(At(8, 0), 0, 200, 1800, 60, 70, 230),
                                Grams(At(13, 0), 0, 100, 400, 10, 10, 60)};
        const int id = SaveRacionAs(dayName, day);

        app.Seams.OnModalOf<TfDnevnik>([&](TfDnevnik* d) {
            QCOMPARE(d->DTPVes->date(), today);
            for (const QString& typed : {QStringLiteral("19,9"), QStringLiteral("400,1")}) {
                d->EdVes->setText(typed);
                d->LVDnevnik->setFocus();
                d->ButVes->click();
                QCOMPARE(app.Seams.Messages().last(),
                         QStringLiteral("Вес должен быть от 20 до 400 кг"));
                QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->EdVes));
                QVERIFY(WeightsOf(today).empty());
            }
            // The bounds are weights; a second weight of the date replaces the first, an
            // empty field removes it, and the table follows.
            d->EdVes->setText(QStringLiteral("400"));
            d->ButVes->click();
            d->EdVes->setText(QStringLiteral("80,5"));
            d->ButVes->click();
            QCOMPARE(WeightsOf(today).size(), std::size_t(1));
            QCOMPARE(TListView::SubItem(d->LVDnevnik->Item(0), 6), QStringLiteral("80,5"));
            d->EdVes->clear();
            d->ButVes->click();
            QVERIFY(WeightsOf(today).empty());
            QCOMPARE(TListView::Caption(d->LVDnevnik->Item(0)), dayName);

            // Over an unsaved ration the load dialog's question; "Нет" keeps everything and
            // the diary stays open.
            ArraySave = {Grams(At(9, 0), 0, 50, 100)};
            fMain->APaintLVRAc();
            fMain->RacionSaved = false;
            app.Seams.AnswerQuestion(mrNo);
            DoubleClickFirstRow();
            QCOMPARE(app.Seams.Questions.last(),
                     QStringLiteral("Загрузка рациона очистит текущий, продолжить загрузку?"));
            QCOMPARE(ArraySave.size(), std::size_t(1));
            QVERIFY(!fMain->RacionSaved && fVvod->CurRacId == -1 && d->isVisible());
            app.Seams.AnswerQuestion(mrYes);
            DoubleClickFirstRow();
        });
        fMain->ButDnevnik->click();
        QCOMPARE(fDnevnik->result(), int(mrOk));
        QCOMPARE(ArraySave.size(), day.size());
        QCOMPARE(fMain->LVRac->Count(), 4);
        QCOMPARE(fVvod->CurRacId, id);
        QCOMPARE(fMain->Label1->text(), QStringLiteral("Текущий рацион: ") + dayName);
        QVERIFY(fMain->RacionSaved && fMain->ButSave->isEnabled());
    }
};

EDOMER_TEST(TestDnevnik)
#include "TestDnevnik.moc"
