#pragma once
// The entry dialog: puts an amount of a product into the ration or changes an entry.

#include "ui/UForm.h"
#include "ui/UUpDown.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTimeEdit;
class TRadioGroup;
class TXiButton;
class TXiPanel;

class TfVvod : public TForm {
    Q_OBJECT
public:
    explicit TfVvod(QWidget* parent = nullptr);

    // The captions that tell the two modes apart.
    static const QString kNewCaption;
    static const QString kChangeCaption;

    TXiPanel* XiPanel1;
    QFrame* Panel1;
    QLabel* Label1;
    QTimeEdit* DTP;
    TXiButton* ButNow;
    QLabel* Label2;
    QLineEdit* EdNaim;
    TRadioGroup* RG;
    QLineEdit* EdGramm;
    QComboBox* CBMera;
    QLineEdit* EDMera;
    TUpDown* UD;
    TXiButton* ButDa;
    TXiButton* ButNo;

    // The saved ration the current ration belongs to, -1 for none.
    int CurRacId = -1;
    // The index in ArraySave of the entry being changed.
    int EditIndex = 0;

    void FormCreate() override;
    void RGClick();
    void UDClick(TUDButton button);
    void ButNowClick();
    void DTPKeyDown(int& key);
    void EdGrammKeyDown(int& key);
    void EdGrammKeyPress(QChar& key);
    void EDMeraKeyPress(QChar& key);
    void ButDaClick();

    // Refills the measures drop-down with the product's measures and selects the second one,
    // or the only one.
    void FillMeasures(int idProd);
    // Chooses grams (0) or portions (1) and enables the fields that go with the choice.
    void SetKind(int index);

protected:
    void FormShow() override;
};

extern TfVvod* fVvod;
