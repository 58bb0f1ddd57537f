#pragma once
// The norm dialog: the person's sex, age, height, weight, activity and goal, the shares of
// protein, fat and carbohydrate, or an energy of their own. ОК checks and stores the norm.

#include "diary/UNormaCalc.h"
#include "ui/UForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class TRadioGroup;
class TXiButton;
class TXiPanel;

class TfNorma : public TForm {
    Q_OBJECT
public:
    explicit TfNorma(QWidget* parent = nullptr);

    TXiPanel* XiPanel1;
    TRadioGroup* RGPol;
    QLabel* LabVozrast;
    QLineEdit* EdVozrast;
    QLabel* LabRost;
    QLineEdit* EdRost;
    QLabel* LabVes;
    QLineEdit* EdVes;
    QLabel* LabAktivnost;
    QComboBox* CBAktivnost;
    QLabel* LabCel;
    QComboBox* CBCel;
    QLabel* LabBelProc;
    QLineEdit* EdBelProc;
    QLabel* LabZirProc;
    QLineEdit* EdZirProc;
    QLabel* LabUglProc;
    QLineEdit* EdUglProc;
    QCheckBox* CBVruchnuyu;
    QLabel* LabKkal;
    QLineEdit* EdKkal;
    QLabel* LabRaschet;
    TXiButton* ButOK;
    TXiButton* ButCancel;

    // The fields as typed.
    TNormaInput Input() const;
    void ShowInput(const TNormaInput& input);
    // LabRaschet and, unless the energy is the user's own, EdKkal follow the fields.
    void UpdateRaschet();
    void CBVruchnuyuClick();
    void ButOKClick();
    void ButCancelClick();

protected:
    void FormShow() override;

private:
    void CreateControls();
    void ConnectHandlers();
    QLineEdit* FieldOf(TNormaField field) const;
};

extern TfNorma* fNorma;
