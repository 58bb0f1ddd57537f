// Saved rations through the main window's buttons and the saved-rations dialog: save as,
// overwrite, load, delete, clear, the close question, and failures that must not lose data.

#include "app/UMain.h"
#include "app/UStartup.h"
#include "ration/URacionStore.h"
#include "ration/URacionView.h"
#include "ration/USaveRacion.h"
#include "ration/UVvod.h"
#include "store/UDM.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestKeys.h"
#include "tests/common/TestRegistry.h"
#include "tests/ration/RationSamples.h"
#include "ui/UListView.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <QTreeWidget>

namespace {

QStringList Listed(const TfSaveRacion* d) {
    QStringList names;
    for (int i = 0; i < d->TVSaveRac->topLevelItemCount(); ++i)
        names << d->TVSaveRac->topLevelItem(i)->text(0);
    return names;
}

QTreeWidgetItem* ListItem(const TfSaveRacion* d, const QString& name) {
    for (int i = 0; i < d->TVSaveRac->topLevelItemCount(); ++i)
        if (d->TVSaveRac->topLevelItem(i)->text(0) == name)
            return d->TVSaveRac->topLevelItem(i);
    return nullptr;
}

void ClickItem(TfSaveRacion* d, QTreeWidgetItem* item) {
    const QRect rect = d->TVSaveRac->visualItemRect(item);
    QTest::mouseClick(d->TVSaveRac->viewport(), Qt::LeftButton, {}, rect.center());
}

QStringList MenuTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    return texts;
}

int IdOf(const QString& name) {
    return CountSql(QStringLiteral("SELECT id FROM tab_nazv_rac WHERE naim_rac=\"%1\"").arg(name));
}

int EntriesOf(int id) {
    return CountSql(QStringLiteral("SELECT count(*) FROM tab_racion WHERE id_rac=%1").arg(id));
}

void SameEntries(const TArraySave& actual, const TArraySave& expected) {
    QCOMPARE(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        const TRacionItem& a = actual[i];
        const TRacionItem& e = expected[i];
        QCOMPARE(a.vremy, e.vremy);
        QCOMPARE(a.id_prod, e.id_prod);
        QCOMPARE(a.flag, e.flag);
        QCOMPARE(a.g, e.g);
        QCOMPARE(a.id_porc, e.id_porc);
        QCOMPARE(a.kol_porc, e.kol_porc);
        QCOMPARE(a.kkal, e.kkal);
        QCOMPARE(a.bel, e.bel);
        QCOMPARE(a.zir, e.zir);
        QCOMPARE(a.ugl, e.ugl);
    }
}

// Puts a ration into the main window as the entry dialog leaves it.
void Changed(const TArraySave& ration) {
    ArraySave = ration;
    fMain->APaintLVRAc();
    fMain->AEnable();
    fMain->RacionSaved = false;
}

// "Сохранить как" under the name; answer is the reply to a question the dialog asks.
void SaveAs(TTestApp& app, const QString& name, int answer = mrNone) {
    app.Seams.OnModalOf<TfSaveRacion>([name](TfSaveRacion* d) {
        d->EdNaimRac->setText(name);
        d->ButDa->click();
    });
    if (answer != mrNone)
        app.Seams.AnswerQuestion(answer);
    fMain->ButSave->click();
}

void LoadNamed(TTestApp& app, const QString& name, int answer = mrNone) {
    app.Seams.OnModalOf<TfSaveRacion>([name](TfSaveRacion* d) {
        d->TVSaveRac->setCurrentItem(ListItem(d, name));
        d->ButDa->click();
    });
    if (answer != mrNone)
        app.Seams.AnswerQuestion(answer);
    fMain->ButLoad->click();
}

// Makes every entry with 999 g fail to be written.
void InjectWriteFailure() {
    ExecSql(QStringLiteral("CREATE TRIGGER fail_999 BEFORE INSERT ON tab_racion WHEN NEW.g=999 "
                           "BEGIN SELECT RAISE(ABORT, \"диск переполнен\"); END"));
}

} // namespace

class TestSaveRacion : public QObject {
    Q_OBJECT

    TArraySave Breakfast() {
        const int bread = AddProduct(QStringLiteral("Хлеб"), 1, 250);
        const int tea = AddProduct(QStringLiteral("Чай"), 1, 1);
        const int slice = AddMeasure(bread, QStringLiteral("ломтик"), 25, 62.5);
        // Two entries of one time with the later product first, and a deleted product.
        return {Grams(At(8, 0), tea, 200, 2, 0.1, 0, 0.3),
                Portions(At(8, 0), bread, slice, 1.5, 38, 95, 3.04, 0.76, 19),
                {At(13, 30), 0, true, 50, 7, 2.5, 10.25, 1, 2, 3}};
    }

private slots:
    void SaveAsThenLoadBack() {
        TTestApp app;
        const TArraySave ration = Breakfast();
        Changed(ration);
        fSaveRacion->EdNaimRac->setText(QStringLiteral("черновик"));
        app.Seams.OnModalOf<TfSaveRacion>([](TfSaveRacion* d) {
            QCOMPARE(d->Caption(), QStringLiteral("Сохранить рацион как"));
            QCOMPARE(d->TVSaveRac->geometry(), QRect(16, 64, 401, 145));
            QVERIFY(Listed(d).isEmpty());
            QCOMPARE(d->EdNaimRac->text(), QStringLiteral("черновик"));
            QCOMPARE(d->EdNaimRac->maxLength(), 150);
            d->EdNaimRac->setText(QStringLiteral("Завтрак"));
            d->ButDa->click();
            QVERIFY(!d->isVisible());
        });
        fMain->ButSave->click();
        const int id = IdOf(QStringLiteral("Завтрак"));
        QVERIFY(id > 0);
        QCOMPARE(EntriesOf(id), 3);
        QCOMPARE(fVvod->CurRacId, id);
        QCOMPARE(fMain->Label1->text(), QStringLiteral("Текущий рацион: Завтрак"));
        QVERIFY(fMain->RacionSaved);

        app.Seams.AnswerQuestion(mrYes);
        fMain->ButClear->click();
        QCOMPARE(app.Seams.Questions.last(), QStringLiteral("Очистить текущий рацион?"));
        QVERIFY(ArraySave.empty());
        QCOMPARE(fMain->LVRac->Count(), 0);
        QCOMPARE(fMain->LVItog->Count(), 0);
        QCOMPARE(fVvod->CurRacId, -1);
        QVERIFY(fMain->Label1->text().isEmpty());
        QVERIFY(!fMain->ButSave->isEnabled());
        QVERIFY(fMain->ButLoad->isEnabled());
        QCOMPARE(EntriesOf(id), 3);

        app.Seams.OnModalOf<TfSaveRacion>([](TfSaveRacion* d) {
            QCOMPARE(d->Caption(), QStringLiteral("Загрузить рацион"));
            QCOMPARE(d->TVSaveRac->geometry(), QRect(16, 16, 401, 173));
            QCOMPARE(Listed(d), QStringList{QStringLiteral("Завтрак")});
            QVERIFY(d->TVSaveRac->topLevelItem(0)->isSelected());
            QCOMPARE(d->EdNaimRac->text(), FormatDdMmYy(QDate::currentDate()));
            d->ButDa->click();
        });
        fMain->ButLoad->click();
        SameEntries(ArraySave, ration);
        QCOMPARE(fVvod->CurRacId, id);
        QCOMPARE(fMain->Label1->text(), QStringLiteral("Текущий рацион: Завтрак"));
        QVERIFY(fMain->RacionSaved);
        QVERIFY(fMain->ButSave->isEnabled());
        QCOMPARE(RacTableRows().rows[1].sub[0], QStringLiteral("Хлеб"));
        QVERIFY(app.Seams.PoppedMenu == nullptr);

        // With a current saved ration the name field shows its name.
        app.Seams.OnModalOf<TfSaveRacion>([](TfSaveRacion* d) {
            QCOMPARE(d->EdNaimRac->text(), QStringLiteral("Завтрак"));
            d->ButNo->click();
        });
        fMain->ButSave->click();
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }

    void NamesOverwriteAndHiddenRations() {
        TTestApp app;
        const TArraySave first = Breakfast();
        const int stored = SaveRacionAs(QStringLiteral("Завтрак"), first);
        const TArraySave second = {Grams(At(9, 0), 5, 120, 60)};
        Changed(second);

        // Letter case does not make another name; "Нет" keeps everything as it was.
        SaveAs(app, QStringLiteral("завтрак"), mrNo);
        QCOMPARE(
            app.Seams.Questions,
            QStringList{QStringLiteral("Рацион с таким названием уже существует, перезаписать?")});
        SameEntries(LoadRacion(stored), first);
        QCOMPARE(fVvod->CurRacId, -1);
        QVERIFY(fMain->Label1->text().isEmpty());
        QVERIFY(!fMain->RacionSaved);
        QVERIFY(!fSaveRacion->isVisible());

        SaveAs(app, QStringLiteral("завтрак"), mrYes);
        SameEntries(LoadRacion(stored), second);
        QCOMPARE(fVvod->CurRacId, stored);
        QCOMPARE(fMain->Label1->text(), QStringLiteral("Текущий рацион: завтрак"));
        QVERIFY(fMain->RacionSaved);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_nazv_rac")), 1);

        // "***" is stored but never listed, and is asked about on a second save.
        SaveAs(app, QStringLiteral("***"));
        const int hidden = IdOf(QStringLiteral("***"));
        QCOMPARE(EntriesOf(hidden), 1);
        SaveAs(app, QStringLiteral("***"), mrNo);
        QCOMPARE(app.Seams.Questions.size(), 3);
        app.Seams.OnModalOf<TfSaveRacion>([](TfSaveRacion* d) {
            QCOMPARE(Listed(d), QStringList{QStringLiteral("Завтрак")});
            d->ButNo->click();
        });
        fMain->ButLoad->click();

        // Only the empty text is no name; quotes, "%" and column names are stored as typed.
        app.Seams.OnModalOf<TfSaveRacion>([&](TfSaveRacion* d) {
            d->EdNaimRac->clear();
            d->ButDa->click();
            QVERIFY(d->isVisible());
            QCOMPARE(d->focusWidget(), d->EdNaimRac);
            QCOMPARE(app.Seams.Messages().last(), QStringLiteral("Запишите название рациона"));
            d->EdNaimRac->setText(QStringLiteral("Обед \"у мамы\" 100% naim_rac' --"));
            d->ButDa->click();
        });
        fMain->ButSave->click();
        QCOMPARE(ScalarSql(QStringLiteral("SELECT naim_rac FROM tab_nazv_rac WHERE id=%1")
                               .arg(fVvod->CurRacId))
                     .toString(),
                 QStringLiteral("Обед \"у мамы\" 100% naim_rac' --"));
        SaveAs(app, QStringLiteral("  "));
        QCOMPARE(fMain->Label1->text(), QStringLiteral("Текущий рацион:   "));
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_nazv_rac")), 4);
    }

    void EmptyRationsAndThePreview() {
        TTestApp app;
        const TArraySave ration = Breakfast();
        SaveRacionAs(QStringLiteral("Обед"), ration);
        fMain->AEnable();

        fMain->ButSaveKak->click();
        QCOMPARE(app.Seams.Messages(),
                 QStringList{QStringLiteral("Пустой рацион сохранить нельзя")});
        QVERIFY(app.Seams.ModalShown.count(QStringLiteral("fSaveRacion")) == 0);
        SaveAs(app, QStringLiteral("Пусто"));
        const int empty = IdOf(QStringLiteral("Пусто"));
        QCOMPARE(EntriesOf(empty), 0);
        QCOMPARE(fVvod->CurRacId, empty);

        Changed(ration);
        app.Seams.OnModalOf<TfSaveRacion>([&](TfSaveRacion* d) {
            QCOMPARE(Listed(d), (QStringList{QStringLiteral("Обед"), QStringLiteral("Пусто")}));
            ClickItem(d, ListItem(d, QStringLiteral("Пусто")));
            QCOMPARE(d->EdNaimRac->text(), QStringLiteral("Пусто"));
            QVERIFY(app.Seams.PoppedMenu == nullptr);
            QTreeWidgetItem* lunch = ListItem(d, QStringLiteral("Обед"));
            ClickItem(d, lunch);
            QCOMPARE(d->EdNaimRac->text(), QStringLiteral("Обед"));
            QCOMPARE(app.Seams.PoppedMenu, d->PMSostav);
            QCOMPARE(MenuTexts(d->PMSostav),
                     (QStringList{QStringLiteral("Чай 200г -2,0 ккал"),
                                  QStringLiteral("Хлеб 38г -95,0 ккал"),
                                  QStringLiteral(" 50г -10,3 ккал"), QStringLiteral("-----------"),
                                  QStringLiteral("Итого: 107,3 ккал")}));
            QVERIFY(!d->PMSostav->actions().at(3)->isSeparator());
            const QRect rect = d->TVSaveRac->visualItemRect(lunch);
            const QPoint corner = d->TVSaveRac->viewport()->mapToGlobal(rect.topLeft());
            QCOMPARE(app.Seams.PoppedAt.y(), corner.y());
            QVERIFY(app.Seams.PoppedAt.x() > corner.x() + 20);
            QVERIFY(app.Seams.PoppedAt.x() < corner.x() + 120);
            QVERIFY(!DM->qSaveRac.Active());

            // Loading the empty ration over this one empties it after a question.
            app.Seams.AnswerQuestion(mrYes);
            ClickItem(d, ListItem(d, QStringLiteral("Пусто")));
            d->ButDa->click();
        });
        fMain->ButLoad->click();
        QCOMPARE(
            app.Seams.Questions,
            QStringList{QStringLiteral("Загрузка рациона очистит текущий, продолжить загрузку?")});
        QVERIFY(ArraySave.empty());
        QCOMPARE(fMain->LVRac->Count(), 0);
        QCOMPARE(fVvod->CurRacId, empty);
        QCOMPARE(fMain->Label1->text(), QStringLiteral("Текущий рацион: Пусто"));

        // "Нет" to that question keeps the ration as it was.
        Changed(ration);
        LoadNamed(app, QStringLiteral("Обед"), mrNo);
        SameEntries(ArraySave, ration);
        QCOMPARE(fMain->Label1->text(), QStringLiteral("Текущий рацион: Пусто"));
    }

    void DeletingSavedRations() {
        TTestApp app;
        const TArraySave ration = Breakfast();
        const int current = SaveRacionAs(QStringLiteral("Вторник"), ration);
        const int other = SaveRacionAs(QStringLiteral("Среда"), ration);
        Changed(ration);
        fVvod->CurRacId = current;
        fMain->Label1->setText(QStringLiteral("Текущий рацион: Вторник"));

        // Delete works in the load dialog only, and asks nothing.
        app.Seams.OnModalOf<TfSaveRacion>([](TfSaveRacion* d) {
            SendKey(d->TVSaveRac, Qt::Key_Delete);
            QCOMPARE(Listed(d).size(), 2);
            d->ButNo->click();
        });
        fMain->ButSave->click();
        app.Seams.OnModalOf<TfSaveRacion>([](TfSaveRacion* d) {
            d->TVSaveRac->setCurrentItem(ListItem(d, QStringLiteral("Вторник")));
            SendKey(d->TVSaveRac, Qt::Key_Delete, QString(), Qt::ShiftModifier);
            QCOMPARE(Listed(d), QStringList{QStringLiteral("Среда")});
            d->ButNo->click();
        });
        fMain->ButLoad->click();
        QVERIFY(app.Seams.Questions.isEmpty());
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_nazv_rac")), 1);
        QCOMPARE(EntriesOf(current), 0);
        QCOMPARE(EntriesOf(other), 3);
        QCOMPARE(fVvod->CurRacId, current);
        QCOMPARE(fMain->Label1->text(), QStringLiteral("Текущий рацион: Вторник"));

        // "Сохранить " then writes nothing under the deleted id and asks for a name.
        app.Seams.OnModalOf<TfSaveRacion>([](TfSaveRacion* d) {
            QCOMPARE(d->Caption(), QStringLiteral("Сохранить рацион как"));
            QCOMPARE(d->TVSaveRac->geometry(), QRect(16, 74, 401, 145));
            d->ButNo->click();
        });
        fMain->ButSaveKak->click();
        QCOMPARE(EntriesOf(current), 0);
        QCOMPARE(fVvod->CurRacId, -1);
        QVERIFY(fMain->Label1->text().isEmpty());
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }

    void FailedWritesLeaveStoredRationsIntact() {
        TTestApp app;
        const TArraySave ration = Breakfast();
        Changed(ration);
        SaveAs(app, QStringLiteral("Ужин"));
        const int id = fVvod->CurRacId;
        InjectWriteFailure();

        TArraySave broken = ration;
        broken.push_back(Grams(At(20, 0), 1, 999, 10));
        Changed(broken);
        fMain->ButSaveKak->click();
        QCOMPARE(app.Seams.Errors().size(), 1);
        QVERIFY(app.Seams.Errors().constFirst().contains(QStringLiteral("диск переполнен")));
        SameEntries(LoadRacion(id), ration);
        QVERIFY(!fMain->RacionSaved);
        QVERIFY(!DM->ADOTrans.InTransaction());

        // Overwriting, and saving under a new name, fail the same way.
        SaveAs(app, QStringLiteral("ужин"), mrYes);
        SameEntries(LoadRacion(id), ration);
        SaveAs(app, QStringLiteral("Поздний ужин"));
        QCOMPARE(app.Seams.Errors().size(), 3);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_nazv_rac")), 1);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_racion")), 3);
        QCOMPARE(fVvod->CurRacId, id);
        QCOMPARE(fMain->Label1->text(), QStringLiteral("Текущий рацион: Ужин"));
        QVERIFY(!fMain->RacionSaved);

        // Once the entry is gone the save goes through.
        Changed(ration);
        fMain->ButSaveKak->click();
        QVERIFY(fMain->RacionSaved);
        QCOMPARE(app.Seams.Errors().size(), 3);
    }

    void RationSurvivesARestart() {
        TTestApp app;
        const int bread = AddProduct(QStringLiteral("Хлеб"), 1, 250, 8, 2, 50);
        AddMeasure(bread, QStringLiteral("100г"), 100, 250);
        AddMeasure(bread, QStringLiteral("ломтик"), 25, 62.5);
        fMain->show();
        fMain->LVProd->AddItem(QStringLiteral("Хлеб"), {QStringLiteral("250,0")}, bread);
        fMain->LVProd->Select(fMain->LVProd->Item(0));
        app.Seams.OnModalOf<TfVvod>([](TfVvod* d) {
            d->DTP->setTime(QTime(8, 30));
            d->EdGramm->setText(QStringLiteral("120"));
            d->ButDa->click();
        });
        fMain->ButvRac->click();
        app.Seams.OnModalOf<TfVvod>([](TfVvod* d) {
            d->RG->Button(1)->click();
            d->EDMera->setText(QStringLiteral("1,5"));
            d->ButDa->click();
        });
        fMain->ButvRac->click();
        const TArraySave made = ArraySave;
        QCOMPARE(int(made.size()), 2);
        SaveAs(app, QStringLiteral("Среда"));
        QVERIFY(fMain->close());

        app.Forms.reset();
        QVERIFY(ArraySave.empty());
        app.Forms = std::make_unique<TApplicationForms>(false);
        QCOMPARE(fVvod->CurRacId, -1);
        fMain->show();
        LoadNamed(app, QStringLiteral("Среда"));
        SameEntries(ArraySave, made);
        QCOMPARE(RacTableRows().rows[1].sub[1], QStringLiteral("1,5 * ломтик"));
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }

    void CloseQuestion() {
        {
            TTestApp app;
            fMain->show();
            Changed(Breakfast());
            app.Seams.AnswerQuestion(mrYes);
            app.Seams.OnModalOf<TfSaveRacion>([](TfSaveRacion* d) {
                QCOMPARE(d->TVSaveRac->geometry(), QRect(16, 74, 401, 145));
                d->EdNaimRac->setText(QStringLiteral("Перед выходом"));
                d->ButDa->click();
            });
            QVERIFY(!fMain->close());
            QCOMPARE(EntriesOf(IdOf(QStringLiteral("Перед выходом"))), 3);
            QVERIFY(fMain->close());
            QCOMPARE(app.Seams.Questions,
                     QStringList{QStringLiteral("Сохранить изменения в текущем рационе?")});
        }
        {
            // A loaded ration, changed, is saved in place.
            TTestApp app;
            const int id = SaveRacionAs(QStringLiteral("Пятница"), Breakfast());
            fMain->show();
            LoadNamed(app, QStringLiteral("Пятница"));
            ArraySave.pop_back();
            Changed(ArraySave);
            app.Seams.AnswerQuestion(mrYes);
            QVERIFY(!fMain->close());
            QCOMPARE(EntriesOf(id), 2);
            QVERIFY(fMain->close());
            QCOMPARE(app.Seams.Questions.size(), 1);
            QCOMPARE(app.Seams.ModalShown.count(QStringLiteral("fSaveRacion")), 1);
        }
        {
            // Changed then cleared: nothing to ask.
            TTestApp app;
            fMain->show();
            Changed(Breakfast());
            app.Seams.AnswerQuestion(mrYes);
            fMain->ButClear->click();
            QVERIFY(fMain->close());
            QCOMPARE(app.Seams.Questions, QStringList{QStringLiteral("Очистить текущий рацион?")});
        }
        {
            // "Загрузить" closed without loading keeps the changes unsaved; a load saves them.
            TTestApp app;
            SaveRacionAs(QStringLiteral("Суббота"), Breakfast());
            TArraySave changed = Breakfast();
            changed.pop_back();
            Changed(changed);
            app.Seams.OnModalOf<TfSaveRacion>([](TfSaveRacion* d) { d->ButNo->click(); });
            fMain->ButLoad->click();
            QVERIFY(!fMain->RacionSaved);
            app.Seams.OnModalOf<TfSaveRacion>([](TfSaveRacion* d) { d->close(); });
            fMain->ButLoad->click();
            QVERIFY(!fMain->RacionSaved);
            LoadNamed(app, QStringLiteral("Суббота"), mrNo);
            QVERIFY(!fMain->RacionSaved);
            QCOMPARE(int(ArraySave.size()), 2);
            LoadNamed(app, QStringLiteral("Суббота"), mrYes);
            QCOMPARE(int(ArraySave.size()), 3);
            QVERIFY(fMain->RacionSaved);
            QVERIFY(app.Seams.Unexpected.isEmpty());
        }
    }
};

EDOMER_TEST(TestSaveRacion)
#include "TestSaveRacion.moc"
