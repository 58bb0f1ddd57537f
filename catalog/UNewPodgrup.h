#pragma once
// The subgroup dialog: adds a subgroup, renames it, moves it to another group or makes it a
// top-level group. The caption tells the mode.

#include "ui/UForm.h"

class QComboBox;
class QLabel;
class QLineEdit;
class TXiButton;
class TXiPanel;

extern const QString kNewPodgrupCaption;  // "Добавление новой подгруппы"
extern const QString kEditPodgrupCaption; // "Редактирование подгруппы"

class TfNewPodgrup : public TForm {
    Q_OBJECT
public:
    explicit TfNewPodgrup(QWidget* parent = nullptr);

    TXiPanel* XiPanel1;
    QLabel* Label1;
    QLineEdit* EdPodgrup;
    QLabel* Label2;
    // "сделать верхним уровнем" carries 0, every other item a top-level group's id_grup.
    QComboBox* CBGrup;
    TXiButton* ButOK;
    TXiButton* ButCancel;

    void ButOK1Click();
    void EdPodgrupKeyDown(int& key);

protected:
    void FormShow() override;

private:
    // The num_tv that places a row last under the chosen group, or last among the groups.
    int NumTvUnder(int idParent) const;
};

extern TfNewPodgrup* fNewPodgrup;
