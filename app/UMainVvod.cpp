// Openers of the entry dialog.

#include "app/UMain.h"
#include "ration/URacion.h"
#include "ration/UVvod.h"
#include "store/UDM.h"
#include "ui/UErrorBox.h"
#include "ui/UListView.h"
#include "ui/USkin.h"

#include <QLineEdit>
#include <QTimeEdit>

void TfMain::ConnectVvodHandlers() {
    Connect(ButvRac, &QPushButton::clicked, this, [this] { ButvRacClick(); });
    Connect(LVRac, &QTreeWidget::itemDoubleClicked, this, [this] { LVRacDblClick(); });
}

void TfMain::ButvRacClick() {
    const QTreeWidgetItem* product = LVProd->Selected();
    if (!product)
        return;
    fVvod->EdNaim->setText(TListView::Caption(product));
    fVvod->SetCaption(TfVvod::kNewCaption);
    fVvod->CentreOver(this);
    fVvod->ShowModal();
}

void TfMain::LVRacDblClick() {
    const QTreeWidgetItem* row = LVRac->Selected();
    if (!row || TListView::SubItem(row, 0).isEmpty())
        return;
    const int i = TListView::Data(row);
    if (i < 0 || i >= int(ArraySave.size()) || ArraySave[std::size_t(i)].id_prod == 0)
        return;
    const TRacionItem entry = ArraySave[std::size_t(i)];
    fVvod->DTP->setTime(DateTimeToQDateTime(entry.vremy).time());
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT naim_prod FROM tab_prod WHERE id_prod=:id_prod"));
    q.SetParam(QStringLiteral("id_prod"), entry.id_prod);
    q.Open();
    if (q.RecordCount() == 0)
        return;
    fVvod->EdNaim->setText(q.Fields(0).AsString());
    // The kind of amount the dialog opens with follows the measure, not the entry's flag.
    if (entry.id_porc != 0) {
        if (TListView::SubItem(row, 1) == QStringLiteral("мера удалена"))
            return;
        fVvod->FillMeasures(entry.id_prod);
        fVvod->EdGramm->setText(QStringLiteral("0"));
        fVvod->EDMera->setText(FormatGeneral(entry.kol_porc));
        fVvod->SetKind(1);
    } else {
        fVvod->EdGramm->setText(FormatWholeGrams(entry.g));
        fVvod->EDMera->setText(QStringLiteral("1"));
        fVvod->FillMeasures(entry.id_prod);
        fVvod->SetKind(0);
    }
    fVvod->SetCaption(TfVvod::kChangeCaption);
    fVvod->EditIndex = i;
    fVvod->CentreOver(this);
    fVvod->ShowModal();
}
