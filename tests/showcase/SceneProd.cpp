// The product dialog over a product of the ready database, with its nutrient panel shown and
// hidden, and the measures dialog browsing and editing that product's measures.

#include "app/UMain.h"
#include "catalog/UNewMera.h"
#include "catalog/UNewProd.h"
#include "store/UDM.h"
#include "tests/showcase/Showcase.h"
#include "ui/UListView.h"
#include "ui/USkin.h"

#include <QCheckBox>
#include <QLocale>
#include <QTreeWidget>

namespace {

// The first product of the first subgroup, selected in the list as the user selects it.
int SelectProduct() {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QTreeWidget* tree = fMain->TVGrup;
    tree->topLevelItem(0)->setExpanded(true);
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    fMain->TVGrupClick();
    fMain->LVProd->Select(fMain->LVProd->Item(0));
    return TListView::Data(fMain->LVProd->Item(0));
}

// As "Изменить" opens it, but without waiting for it.
void ShowProductDialog(bool panel) {
    const int id = SelectProduct();
    fNewProd->CBBZY->setChecked(panel);
    fNewProd->SetCaption(kEditProdCaption);
    DM->TableProd.Open();
    DM->TableProd.Locate(id);
    DM->TableProd.Edit();
    fNewProd->show();
}

void ShowMeasuresDialog() {
    const int id = SelectProduct();
    DM->TableProd.Open();
    DM->TableProd.Locate(id);
    fNewMera->SetProduct(id, DM->TableProd.FieldValue(QStringLiteral("kkal")).toDouble(),
                         fMain->LVProd->Item(0)->text(0));
    fNewMera->CentreOver(fMain);
    fNewMera->show();
}

} // namespace

EDOMER_SCENE(newprod, [] { ShowProductDialog(true); })

EDOMER_SCENE(newprod_nopanel, [] { ShowProductDialog(false); })

EDOMER_SCENE(newmera, [] { ShowMeasuresDialog(); })

EDOMER_SCENE(newmera_edit, [] {
    ShowMeasuresDialog();
    fNewMera->LVNewMera->Select(fNewMera->LVNewMera->Item(1));
    fNewMera->ButEdit->click();
})
