// The forum-code window over the main window, for the meal of the forum-code example made of
// products from the ready catalog, under a comma locale.

#include "app/UMain.h"
#include "ration/URacion.h"
#include "ration/URacionView.h"
#include "reports/UForumCode.h"
#include "reports/Unit1.h"
#include "store/UDM.h"
#include "tests/showcase/Showcase.h"

#include <QCheckBox>
#include <QLocale>
#include <QPlainTextEdit>

namespace {

struct TAmounts {
    double kkal, bel, zir, ugl;
};

// An entry of a catalog product with its own amounts, in grams, or in portions of a measure.
TRacionItem Entry(double hour, const QString& product, int grams, const TAmounts& amounts,
                  const QString& measure = {}, double portions = 0) {
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT id_prod FROM tab_prod WHERE naim_prod=:n"));
    q.SetParam(QStringLiteral("n"), product);
    q.Open();
    TRacionItem e;
    e.vremy = hour / 24;
    e.id_prod = q.Fields(0).AsInteger();
    e.flag = measure.isEmpty();
    e.g = grams;
    if (!e.flag) {
        q.SetSQL(QStringLiteral("SELECT id_mif FROM tab_mera WHERE id_prod=:p AND naim_mera=:m"));
        q.SetParam(QStringLiteral("p"), e.id_prod);
        q.SetParam(QStringLiteral("m"), measure);
        q.Open();
        e.id_porc = q.Fields(0).AsInteger();
        e.kol_porc = portions;
    }
    e.kkal = amounts.kkal;
    e.bel = amounts.bel;
    e.zir = amounts.zir;
    e.ugl = amounts.ugl;
    return e;
}

void ShowForumCode() {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    ArraySave = {
        Entry(8, QStringLiteral("Творог 9%"), 200, {150, 5, 4, 20}),
        Entry(8, QStringLiteral("Хлеб ржаной"), 100, {50, 1, 1, 8}, QStringLiteral("ломтик"), 3),
    };
    fMain->APaintLVRAc();
    fMain->AEnable();
    fHTML->RE->setPlainText(
        BuildForumCode(RacTableRows(), fMain->CB2->isChecked(), TfMain::kWebAddress));
    fHTML->CentreOver(fMain);
    fHTML->show();
}

} // namespace

EDOMER_SCENE(forumcode, [] { ShowForumCode(); })
