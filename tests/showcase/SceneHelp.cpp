// The pictures of the help: the breakfast of «Первые шаги» and a whole day made of products of
// the ready catalog, the entry dialog taking a glass of milk, the ready dish of known weight in
// the product dialog, the search listing the cheeses, saving and loading those days, and the
// day's forum code and workbook.

#include "app/UMain.h"
#include "catalog/UNewProd.h"
#include "catalog/UPoiskpas.h"
#include "catalog/UProductSearch.h"
#include "diary/UNorma.h"
#include "dish/UBludo.h"
#include "ration/URacion.h"
#include "ration/URacionEntry.h"
#include "ration/URacionStore.h"
#include "ration/USaveRacion.h"
#include "ration/UVvod.h"
#include "store/UDM.h"
#include "tests/showcase/Showcase.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTime>
#include <QTimeEdit>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

namespace {

struct TProduct {
    int id = 0;
    int group = 0;
    TProductValues values;
};

// A product of the ready catalog by its name; the scene stops when the catalog lacks it.
TProduct Product(const QString& name) {
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT id_prod,id_grup,kkal,bel,zir,ugl FROM tab_prod "
                            "WHERE naim_prod=:n"));
    q.SetParam(QStringLiteral("n"), name);
    q.Open();
    if (q.RecordCount() == 0) {
        std::fprintf(stderr, "no product %s in the catalog\n", qPrintable(name));
        std::exit(3);
    }
    return {q.Fields(0).AsInteger(),
            q.Fields(1).AsInteger(),
            {q.Fields(2).AsFloat(), q.Fields(3).AsFloat(), q.Fields(4).AsFloat(),
             q.Fields(5).AsFloat()}};
}

double At(int hours, int minutes) {
    return double(QTime(hours, minutes).msecsSinceStartOfDay()) / 86400000.0;
}

// Adds an entry as the entry dialog makes it: grams, or portions of the named measure.
void Eat(int hours, int minutes, const QString& name, int grams, const QString& measure = {},
         double portions = 0) {
    const TProduct product = Product(name);
    TRacionItem entry;
    entry.vremy = At(hours, minutes);
    entry.id_prod = product.id;
    if (measure.isEmpty()) {
        SetGramsAmount(entry, grams, product.values);
    } else {
        TQuery& q = DM->SQL1;
        q.SetSQL(QStringLiteral("SELECT id_mif,g_mera,kkal_mera FROM tab_mera "
                                "WHERE id_prod=:p AND naim_mera=:m"));
        q.SetParam(QStringLiteral("p"), product.id);
        q.SetParam(QStringLiteral("m"), measure);
        q.Open();
        SetPortionAmount(entry, q.Fields(0).AsInteger(), portions, q.Fields(1).AsInteger(),
                         q.Fields(2).AsFloat(), product.values);
    }
    ArraySave.push_back(entry);
    PlaceLastEntry(ArraySave);
    fMain->RacionSaved = false;
}

void Show(const QString& name) {
    const TProduct product = Product(name);
    ShowSearchMatch(TSearchMatch{product.id, product.group});
}

void Breakfast() {
    Eat(8, 0, QStringLiteral("Молоко 3,2%"), 0, QStringLiteral("стакан (200 мл)"), 1);
    Eat(8, 0, QStringLiteral("Сыр российский"), 50);
}

void Repaint() {
    fMain->APaintLVRAc();
    fMain->AEnable();
}

void ShowBreakfast() {
    Breakfast();
    Show(QStringLiteral("Сыр российский"));
    Repaint();
}

void ShowDay() {
    Breakfast();
    Eat(8, 0, QStringLiteral("Хлеб ржаной"), 0, QStringLiteral("ломтик"), 2);
    Eat(13, 0, QStringLiteral("Суп куриный с лапшой"), 0, QStringLiteral("тарелка"), 1);
    Eat(13, 0, QStringLiteral("Гречка ядрица, варёная"), 150);
    Eat(13, 0, QStringLiteral("Яйцо куриное варёное"), 0, QStringLiteral("1 шт."), 1);
    Eat(16, 30, QStringLiteral("Яблоко"), 0, QStringLiteral("1 шт."), 1);
    Eat(19, 0, QStringLiteral("Творог 9%"), 150);
    Eat(19, 0, QStringLiteral("Кефир 1%"), 0, QStringLiteral("стакан (200 мл)"), 1);
    fVvod->CurRacId = SaveRacionAs(QStringLiteral("07.12.26"), ArraySave);
    fMain->Label1->setText(QStringLiteral("Текущий рацион: 07.12.26"));
    fMain->RacionSaved = true;
    Show(QStringLiteral("Кефир 1%"));
    Repaint();
}

// The day measured against the norm of a man of 30, 180 cm, 80 kg, of middle activity.
void ShowDayAgainstNorma() {
    TNorma norma;
    norma.vozrast = 30;
    norma.rost = 180;
    norma.ves = 80;
    norma.kkal = 2759;
    StoreNorma(norma);
    ShowDay();
}

void ShowNorma() {
    ShowDayAgainstNorma();
    QTimer::singleShot(0, fMain, [] { fMain->ButNormaClick(); });
}

// The entry dialog over the breakfast's first step: a glass of milk at 08:00.
void ShowMilkEntry() {
    Show(QStringLiteral("Молоко 3,2%"));
    QTimer::singleShot(0, fMain, [] { fMain->ButvRacClick(); });
    QTimer::singleShot(300, fMain, [] {
        fVvod->DTP->setTime(QTime(8, 0));
        fVvod->RG->Button(1)->click();
    });
}

// The product dialog as a ready dish of 850 g opens it over the breakfast.
void ShowDishOfKnownWeight() {
    Breakfast();
    Repaint();
    QTimer::singleShot(0, fMain, [] { fMain->ButSloznClick(); });
    QTimer::singleShot(300, fMain, [] {
        fBludo->EdGramm->setText(QStringLiteral("850"));
        fBludo->ButOK->click();
    });
}

// The day of the main window saved, and two more days, as the saved-rations dialog lists them.
void SaveDays() {
    ShowDay();
    SaveRacionAs(QStringLiteral("08.12.26"), TArraySave(ArraySave.begin(), ArraySave.begin() + 3));
    SaveRacionAs(QStringLiteral("Разгрузочный день"),
                 TArraySave(ArraySave.begin() + 6, ArraySave.end()));
}

// «Сохранить как» for a new day's breakfast: the name field proposes today's date.
void ShowSaveBreakfast() {
    SaveDays();
    ArraySave.clear();
    fVvod->CurRacId = -1;
    fMain->Label1->clear();
    ShowBreakfast();
    QTimer::singleShot(0, fMain, [] { fMain->ButSaveClick(); });
}

void ShowLoadPreview() {
    SaveDays();
    QTimer::singleShot(0, fMain, [] { fMain->ButLoadClick(); });
    QTimer::singleShot(500, fMain, [] {
        QTreeWidget* list = fSaveRacion->TVSaveRac;
        list->setCurrentItem(list->topLevelItem(0));
        fSaveRacion->TVSaveRacClick();
    });
}

void ShowCheesesListed() {
    fPoisk->RG->SetItemIndex(TfPoisk::kAsList);
    fPoisk->EdPoisk->setText(QStringLiteral("сыр"));
    fPoisk->ButOKClick();
    fPoisk->CentreOver(fMain);
    fPoisk->show();
}

// The forum-code window over the breakfast, as "в HTML" opens it.
void ShowBreakfastForumCode() {
    ShowBreakfast();
    QTimer::singleShot(0, fMain, [] { fMain->ButHTMLClick(); });
}

void WriteDayWorkbook() {
    ShowDay();
    WriteWorkbookBy([] { fMain->ButExcelClick(); });
}

} // namespace

EDOMER_SCENE(help_breakfast, ShowBreakfast)
EDOMER_SCENE(help_day, ShowDay)
EDOMER_SCENE(help_day_norma, ShowDayAgainstNorma)
EDOMER_SCENE(help_norma, ShowNorma)
EDOMER_SCENE(help_entry, ShowMilkEntry)
EDOMER_SCENE(help_dish_weight, ShowDishOfKnownWeight)
EDOMER_SCENE(help_search, ShowCheesesListed)
EDOMER_SCENE(help_save, ShowSaveBreakfast)
EDOMER_SCENE(help_load, ShowLoadPreview)
EDOMER_SCENE(help_forum, ShowBreakfastForumCode)
EDOMER_SCENE(help_workbook, WriteDayWorkbook)
