#pragma once
// The measures dialog: the measures (portions) of one product, with their weight and energy.
// It converts between grams and kcal by the product's energy per 100 g and, when that energy
// is unknown (0), derives it from a measure and recomputes the product and all its measures.

#include "ui/UForm.h"

class QLabel;
class QLineEdit;
class TListView;
class TXiButton;
class TXiPanel;

class TfNewMera : public TForm {
    Q_OBJECT
public:
    explicit TfNewMera(QWidget* parent = nullptr);

    // The product whose measures are shown: its key, its energy per 100 g as stored (0 when
    // unknown) and its name for the label. Kept until the next hand-over.
    void SetProduct(int idProd, double kkal, const QString& productName);
    int ProductId() const { return FIdProd; }
    double ProductKkal() const { return FKkal; }

    QLabel* Label1;
    TListView* LVNewMera;
    TXiButton* ButNew;
    TXiButton* ButEdit;
    TXiButton* ButDel;
    TXiPanel* Panel;
    QLabel* Label2;
    QLineEdit* EdMera;
    QLabel* Label3;
    QLineEdit* EdGramm;
    QLabel* Label4;
    QLineEdit* EdKkal;
    TXiButton* ButOK;
    TXiButton* ButCancel;

    void APaintLVNewMera() { APaintLVNewMeraExecute(); }
    void APaintLVNewMeraExecute();
    void ButNew1Click();
    void ButEdit1Click();
    void ButDel1Click();
    void ButOK1Click();
    void ButCancel1Click();
    void EdGrammKeyPress(QChar& key);
    void EdGrammExit();
    void EdKkalKeyPress(QChar& key);
    void EdKkalChange();
    void EdKkalExit();

protected:
    void FormShow() override;

private:
    void CreateControls();
    void ConnectHandlers();
    void OpenPanel(const QString& okCaption);
    void ClosePanel();
    void DeriveProductEnergy();
    void ChangeMeasure(int idMif);
    void AddMeasure();

    int FIdProd = 0;
    double FKkal = 0;
};

extern TfNewMera* fNewMera;
