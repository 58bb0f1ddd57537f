#pragma once
// The question box: a text and the buttons "Да" and "Нет".

#include "ui/UForm.h"

class QLabel;
class TXiButton;
class TXiPanel;

class TfDialog : public TForm {
    Q_OBJECT
public:
    explicit TfDialog(QWidget* parent = nullptr);

    // Puts the question in, centres the box over the reference window and shows it modally.
    // Only "Да" (mrYes) counts as yes; "Нет" and closing the box are a refusal.
    int Ask(const QString& question, const QWidget* over);
    bool AskYes(const QString& question, const QWidget* over) {
        return Ask(question, over) == mrYes;
    }

    TXiPanel* xxx;
    QLabel* LabMessage;
    QLabel* Image1;
    TXiButton* ButDa;
    TXiButton* ButNo;
};

extern TfDialog* fDialog;
