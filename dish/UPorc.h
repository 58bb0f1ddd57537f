#pragma once
// The portions dialog of the ready dish: the dish's name and group, the number of portions it
// was divided into, the portion's name and weight. ОК writes the new product with its measures.

#include "dish/UReadyDish.h"
#include "ui/UForm.h"
#include "ui/UUpDown.h"

class QComboBox;
class QLabel;
class QLineEdit;
class TXiButton;
class TXiPanel;

class TfPorc : public TForm {
    Q_OBJECT
public:
    explicit TfPorc(QWidget* parent = nullptr);

    // The dish's energy and nutrients, set by the weight dialog before each showing.
    void SetDishTotals(const TDishTotals& totals) { FTotals = totals; }
    const TDishTotals& DishTotals() const { return FTotals; }

    TXiPanel* XiPanel1;
    QLabel* Label1;
    QLineEdit* EdProd;
    QLabel* Label2;
    QComboBox* CBGrup;
    QLabel* Label3;
    QLineEdit* EDMera;
    TUpDown* UD;
    QLabel* Label4;
    QLineEdit* EdPorc;
    QLabel* Label5;
    QLineEdit* EdGramm;
    TXiButton* ButOK;
    TXiButton* ButCancel;

    void UDClick(TUDButton button);
    void EdGrammKeyPress(QChar& key);
    void ButOKClick();
    void ButCancelClick();

protected:
    void FormShow() override;

private:
    void FillGroupChoice();
    // Shows the message over the dialog and puts the focus into the control.
    void Refuse(const QString& message, QWidget* focus);
    void SelectGroupInTree(int idGrup);

    TDishTotals FTotals;
};

extern TfPorc* fPorc;
