#pragma once
// The group dialog: adds a group, renames it or, when it has no subgroups, moves it into
// another group. The caption tells the mode.

#include "ui/UForm.h"

class QComboBox;
class QLabel;
class QLineEdit;
class TXiButton;
class TXiPanel;

extern const QString kNewGrupCaption;  // "Добавление новой группы"
extern const QString kEditGrupCaption; // "Редактирование группы"

class TfNewGrup : public TForm {
    Q_OBJECT
public:
    explicit TfNewGrup(QWidget* parent = nullptr);

    TXiPanel* XiPanel1;
    QLabel* Label1;
    QLineEdit* EdNewGrup;
    QLabel* lab_grup;
    // "нет" carries -1, every other item a group's id_grup.
    QComboBox* CBGrup;
    TXiButton* ButOK;
    TXiButton* ButCancel;

    // Shows or hides the parent choice with its label; hidden means a group with subgroups.
    void SetParentChoiceVisible(bool visible);
    void ButOK1Click();
    void ButCancel1Click();
    void EdNewGrupKeyDown(int& key);

protected:
    void FormShow() override;

private:
    // Refuses, with a message, a name that a row already carries.
    bool NameTaken(const QString& name);
    // Returns false when the name is refused and the dialog stays open.
    bool EditGroup(const QString& name);
};

extern TfNewGrup* fNewGrup;
