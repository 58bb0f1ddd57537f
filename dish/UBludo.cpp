#include "dish/UBludo.h"

#include "base/UFormat.h"
#include "catalog/UNewProd.h"
#include "dish/UPorc.h"
#include "dish/UReadyDish.h"
#include "ration/URacionView.h"
#include "store/UDM.h"
#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/UKeyFilters.h"
#include "ui/UKeys.h"
#include "ui/UMainWindowFace.h"
#include "ui/UMessage.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

#include <QLineEdit>
#include <QRadioButton>

TfBludo* fBludo = nullptr;

TfBludo::TfBludo(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fBludo"));
    SetCaption(QStringLiteral("Вес готового блюда"));
    setFont(MsSansSerif8());
    SetClientSize(346, 104);
    XiPanel1 = Named(new TXiPanel(this), "XiPanel1");
    XiPanel1->setGeometry(0, 0, 346, 104);
    RG = Named(
        new TRadioGroup({QStringLiteral("грамм"), QStringLiteral("не знаю, сколько получилось")},
                        {26, 56}, XiPanel1),
        "RG");
    RG->setTitle(QStringLiteral("Введите вес блюда в граммах"));
    RG->setGeometry(8, 6, 236, 88);
    EdGramm = Named(new QLineEdit(RG), "EdGramm");
    EdGramm->setGeometry(84, 25, 80, 21);
    ButOK = NewButton(XiPanel1, "ButOK", QStringLiteral("ОК"), QRect(256, 16, 80, 25));
    ButCancel = NewButton(XiPanel1, "ButCancel", QStringLiteral("Отмена"), QRect(256, 50, 80, 25));
    RG->SetItemIndex(0);

    for (int i = 0; i < RG->Count(); ++i)
        Connect(RG->Button(i), &QRadioButton::clicked, this, [this] { RGClick(); });
    KeysOf(EdGramm)->KeyPress = [this](QChar& key) { EdGrammKeyPress(key); };
    Connect(ButOK, &QPushButton::clicked, this, [this] { ButOKClick(); });
    Connect(ButCancel, &QPushButton::clicked, this, [this] { ButCancelClick(); });
}

void TfBludo::FormShow() {
    CentreOver(MainWindow());
    RG->SetItemIndex(0);
    RGClick();
    EdGramm->clear();
    EdGramm->setFocus();
}

void TfBludo::RGClick() {
    EdGramm->setEnabled(RG->ItemIndex() == 0);
}

void TfBludo::EdGrammKeyPress(QChar& key) {
    key = DigitChar(key);
}

void TfBludo::ButCancelClick() {
    Close();
}

void TfBludo::ButOKClick() {
    if (RG->ItemIndex() == 0)
        ShowProductDialog();
    else
        ShowPortionsDialog();
}

void TfBludo::ShowProductDialog() {
    const int weight = EdGramm->text().isEmpty() ? 0 : StrToInt(EdGramm->text());
    // A pasted weight below zero is refused as 0 is.
    if (weight <= 0) {
        FMessage->Show(QStringLiteral("Запишите вес готового блюда"), this);
        EdGramm->setFocus();
        return;
    }
    const TDishTotals per100 = PerHundredGrams(DishTotalsOf(RacTableRows()), weight);
    for (double value : {per100.kkal, per100.bel, per100.zir, per100.ugl})
        FiniteResult(value, EdGramm->text());
    TTableProd& table = DM->TableProd;
    table.Open();
    table.Append();
    table.SetFieldValue(QStringLiteral("kkal"), per100.kkal);
    table.SetFieldValue(QStringLiteral("bel"), per100.bel);
    table.SetFieldValue(QStringLiteral("zir"), per100.zir);
    table.SetFieldValue(QStringLiteral("ugl"), per100.ugl);
    fNewProd->SetCaption(kNewProdCaption);
    fNewProd->ShowModal();
    Close();
}

void TfBludo::ShowPortionsDialog() {
    fPorc->SetDishTotals(DishTotalsOf(RacTableRows()));
    hide();
    fPorc->CentreOver(MainWindow());
    fPorc->ShowModal();
    Close();
}
