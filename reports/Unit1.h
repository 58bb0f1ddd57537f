#pragma once
// The window with the forum code of the ration, selected and ready to be copied.

#include "ui/UForm.h"

class QPlainTextEdit;
class TXiButton;
class TXiPanel;

class TfHTML : public TForm {
    Q_OBJECT
public:
    explicit TfHTML(QWidget* parent = nullptr);

    TXiPanel* XiPanel1;
    QPlainTextEdit* RE;
    TXiButton* ButDa;

    // Replaces the text, centres the window over the reference and shows it modally.
    void ShowCode(const QString& code, const QWidget* over);
    void ButDaClick();

protected:
    void FormShow() override;

private:
    void SelectAll();
};

extern TfHTML* fHTML;
