#pragma once
// The product dialog: name, group, energy and nutrients per 100 g of one product, bound to the
// current record of the data module's product table. The caption tells its mode: a new record
// being appended, or the selected product being edited.

#include "ui/UForm.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class TDBEdit;
class TXiButton;
class TXiPanel;

extern const QString kNewProdCaption;  // "Добавление нового продукта"
extern const QString kEditProdCaption; // "Редактирование"

class TfNewProd : public TForm {
    Q_OBJECT
public:
    explicit TfNewProd(QWidget* parent = nullptr);

    TXiPanel* PanNewProd;
    QLabel* LabNaim;
    TDBEdit* DBEdNaim;
    QLabel* LabGrup;
    QComboBox* CBGrup;
    QLabel* Label1;
    TDBEdit* DBEdKKal;
    QLabel* Label2;
    QCheckBox* CBBZY;
    QLabel* Label5;
    TXiButton* XiButton1;
    TXiButton* ButOK;
    TXiButton* ButCancel;
    TXiPanel* XiPanel1;
    QLabel* LabBel;
    TDBEdit* DBEdB;
    QLabel* Label3;
    TDBEdit* DBEdZ;
    QLabel* Label4;
    TDBEdit* DBEdU;

    void FormCreate() override;
    void ButCancelClick();
    void XiButton3Click();
    void XiButton1Click();
    void CBBZYClick();
    void Label5Click();
    void DBEdNaimKeyPress(QChar& key);
    void DBEdKKalKeyPress(QChar& key);
    void DBEdKKalChange();
    void DBEdBKeyPress(QChar& key);
    void DBEdBChange();
    void DBEdZKeyPress(QChar& key);
    void DBEdZChange();
    void DBEdUKeyPress(QChar& key);
    void DBEdUChange();
    void DBEdUKeyDown(int& key);

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void CreateUpperPanel();
    void CreateLowerPanel();
    void ConnectHandlers();
    // Enter moves the focus to the next control; other characters follow the number rules.
    void NumberKeyPress(TDBEdit* edit, QChar& key, QWidget* next);
    void CutNumberText(TDBEdit* edit);
    // The bound fields show the current record anew.
    void ShowRecord();
    // A name left empty, or an amount below zero: the notice, and the focus in the field.
    bool RefuseEmptyName();
    bool RefuseBelowZero();
    // Posts the record and runs the writes that belong to it in one transaction. When any of
    // it fails the store stays as it was and the record is pending again as typed.
    void PostTogether(const std::function<void(int idProd, double kkal)>& writes);
    void PendAgain(bool adding);
    void AddHundredGramMeasure(int idProd, double kkal);
    // Every measure gets its weight times the new energy per gram; typed names the energy
    // when a measure's energy would not be a number.
    void RecomputeMeasures(int idProd, double kkal, const QString& typed);

    // The energy field was typed into during this showing.
    bool FKKalEdited = false;
};

extern TfNewProd* fNewProd;
