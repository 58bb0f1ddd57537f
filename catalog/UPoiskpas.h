#pragma once
// The search dialog: finds products by name, letter by letter from the start of the name, by
// a fragment anywhere in it, or as a list of every match with its energy.

#include "ui/UForm.h"

class QLabel;
class QLineEdit;
class TListView;
class TRadioGroup;
class TXiButton;
class TXiPanel;

extern const QString kStartSearchCaption; // "Начать поиск"
extern const QString kFindNextCaption;    // "Найти далее"

class TfPoisk : public TForm {
    Q_OBJECT
public:
    // The modes of RG.
    enum { kByLetter = 0, kByWord = 1, kAsList = 2 };
    static constexpr int kWidth = 396;
    static constexpr int kShortHeight = 156;
    static constexpr int kListHeight = 342;

    explicit TfPoisk(QWidget* parent = nullptr);

    TXiPanel* XiPanel1;
    QLabel* Label1;
    QLineEdit* EdPoisk;
    TXiButton* ButOK;
    TXiButton* ButCancel;
    TRadioGroup* RG;
    // The matches: name, energy and, in an invisible third column, the id_grup.
    TListView* LVProd;
    QLabel* Label2;

    void EdPoiskChange();
    void ButOKClick();
    void ButCancelClick();
    void LVProdDblClick();

protected:
    void FormClose() override;

private:
    void ListMatches(const QString& text);
    // Shows the match the run on SQL1 stands on; a shown product makes the next press step on.
    void ShowRunMatch();
};

extern TfPoisk* fPoisk;
