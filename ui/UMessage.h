#pragma once
// The notice box: a text and one button "ОК".

#include "ui/UForm.h"

class QLabel;
class TXiButton;
class TXiPanel;

class TFMessage : public TForm {
    Q_OBJECT
public:
    explicit TFMessage(QWidget* parent = nullptr);

    // Puts the text in, centres the box over the reference window and shows it modally.
    // Returns the modal result (mrOk when closed with "ОК").
    int Show(const QString& text, const QWidget* over);

    TXiPanel* XiPanel1;
    QLabel* labMesage;
    TXiButton* ButOK;

    void ButOK1Click();
};

extern TFMessage* FMessage;
