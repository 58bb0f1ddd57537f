// The ready dish: the weight dialog and the portions dialog over a soup's ingredients.

#include "app/UMain.h"
#include "dish/UBludo.h"
#include "dish/UPorc.h"
#include "ration/URacion.h"
#include "store/UDM.h"
#include "tests/showcase/Showcase.h"

#include <QLineEdit>
#include <QLocale>

namespace {

// Three products of the ready database in grams, eaten at 13:00.
void CookSoup() {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT id_prod, kkal, bel, zir, ugl FROM tab_prod ORDER BY id_prod"));
    q.Open();
    const int grams[] = {400, 150, 250};
    for (int g : grams) {
        ArraySave.push_back({13.0 / 24, q.Fields(0).AsInteger(), true, g, 0, 0,
                             q.Fields(1).AsFloat() * g / 100, q.Fields(2).AsFloat() * g / 100,
                             q.Fields(3).AsFloat() * g / 100, q.Fields(4).AsFloat() * g / 100});
        q.Next();
    }
    fMain->APaintLVRAc();
    fMain->AEnable();
}

} // namespace

EDOMER_SCENE(bludo, [] {
    CookSoup();
    fBludo->show();
    fBludo->EdGramm->setText(QStringLiteral("850"));
})

EDOMER_SCENE(porc, [] {
    CookSoup();
    fPorc->show();
    fPorc->CentreOver(fMain);
    fPorc->EdProd->setText(QStringLiteral("Суп молочный"));
    fPorc->EDMera->setText(QStringLiteral("4"));
    fPorc->EdPorc->setText(QStringLiteral("тарелка"));
    fPorc->EdGramm->setText(QStringLiteral("300"));
})
