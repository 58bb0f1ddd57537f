#pragma once
// The weight dialog of the ready dish: the cooked weight in grams, or "not known", which leads
// on to the portions dialog.

#include "ui/UForm.h"

class QLineEdit;
class TRadioGroup;
class TXiButton;
class TXiPanel;

class TfBludo : public TForm {
    Q_OBJECT
public:
    explicit TfBludo(QWidget* parent = nullptr);

    TXiPanel* XiPanel1;
    TRadioGroup* RG; // item 0 "грамм", item 1 "не знаю, сколько получилось"
    QLineEdit* EdGramm;
    TXiButton* ButOK;
    TXiButton* ButCancel;

    void RGClick();
    void EdGrammKeyPress(QChar& key);
    void ButOKClick();
    void ButCancelClick();

protected:
    void FormShow() override;

private:
    void ShowProductDialog();
    void ShowPortionsDialog();
};

extern TfBludo* fBludo;
