// The ration: the main window with a ration of two meals, the entry dialog in both modes, the
// saved-rations dialog in its save and load placements with the composition preview.

#include "app/UMain.h"
#include "base/UFormat.h"
#include "ration/URacion.h"
#include "ration/URacionStore.h"
#include "ration/USaveRacion.h"
#include "ration/UVvod.h"
#include "store/UCatalogRows.h"
#include "store/UDM.h"
#include "tests/showcase/Showcase.h"
#include "ui/UListView.h"

#include <QLabel>
#include <QTime>
#include <QTimer>
#include <QTreeWidget>

namespace {

// A product of the first group, as a user would have added it.
int AddDish(const QString& name, double kkal, double bel, double zir, double ugl) {
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT min(id_grup) FROM tab_grup"));
    q.Open();
    return InsertProduct(DM->ADOTrans, name, q.Fields(0).AsInteger(), kkal, bel, zir, ugl);
}

TDateTime At(int hours, int minutes) {
    return double(QTime(hours, minutes).msecsSinceStartOfDay()) / 86400000.0;
}

void ShowRation() {
    const int a = AddDish(QStringLiteral("Каша овсяная на молоке"), 75, 2.5, 1.5, 12.5);
    const int b = AddDish(QStringLiteral("Блины"), 60, 3, 2.5, 5);
    TQuery q(DM->ADOTrans, {});
    const int m = InsertMeasure(q, b, QStringLiteral("блин большой"), 200, 120);
    const int c = AddDish(QStringLiteral("Куриная грудка отварная"), 100, 20, 2, 0);
    ArraySave = {{At(8, 0), a, true, 200, 0, 0, 150, 5, 3, 25},
                 {At(8, 0), b, false, 400, m, 2, 240, 12, 10, 20},
                 {At(13, 30), c, true, 100, 0, 0, 100, 20, 2, 0}};
    fMain->Label1->setText(QStringLiteral("Текущий рацион: Понедельник"));
    fMain->APaintLVRAc();
    fMain->AEnable();
}

// The catalog's milk, selected in the product list as a user would select it.
int SelectMilk() {
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT id_prod,naim_prod,kkal FROM tab_prod WHERE naim_prod=:nazv"));
    q.SetParam(QStringLiteral("nazv"), QStringLiteral("Молоко 3,2%"));
    q.Open();
    const int id = q.Fields(0).AsInteger();
    fMain->LVProd->Clear();
    fMain->LVProd->AddItem(q.Fields(1).AsString(), {FormatFixed(q.Fields(2).AsFloat(), 1)}, id);
    fMain->LVProd->Select(fMain->LVProd->Item(0));
    return id;
}

void ShowNewEntry() {
    ShowRation();
    SelectMilk();
    QTimer::singleShot(0, fMain, [] { fMain->ButvRacClick(); });
}

void ShowChangedEntry() {
    const int milk = SelectMilk();
    ArraySave = {{At(8, 0), milk, false, 309, 2, 1.5, 185.4, 8.7, 9.9, 14.4}};
    fMain->APaintLVRAc();
    fMain->AEnable();
    fMain->LVRac->Select(fMain->LVRac->Item(0));
    QTimer::singleShot(0, fMain, [] { fMain->LVRacDblClick(); });
}

// The ration of the main window and two more, saved.
void SaveSomeRations() {
    ShowRation();
    SaveRacionAs(QStringLiteral("Понедельник"), ArraySave);
    SaveRacionAs(QStringLiteral("Вторник"), TArraySave(ArraySave.begin(), ArraySave.begin() + 2));
    SaveRacionAs(QStringLiteral("Разгрузочный день"),
                 TArraySave(ArraySave.begin() + 2, ArraySave.end()));
}

void ShowSaveAs() {
    SaveSomeRations();
    QTimer::singleShot(0, fMain, [] { fMain->ButSaveClick(); });
}

void ShowLoadWithPreview() {
    SaveSomeRations();
    QTimer::singleShot(0, fMain, [] { fMain->ButLoadClick(); });
    QTimer::singleShot(500, fMain, [] {
        QTreeWidget* list = fSaveRacion->TVSaveRac;
        list->setCurrentItem(list->topLevelItem(0));
        fSaveRacion->TVSaveRacClick();
    });
}

} // namespace

EDOMER_SCENE(ration, ShowRation)
EDOMER_SCENE(saverac_save, ShowSaveAs)
EDOMER_SCENE(saverac_load, ShowLoadWithPreview)
EDOMER_SCENE(vvod_new, ShowNewEntry)
EDOMER_SCENE(vvod_change, ShowChangedEntry)
