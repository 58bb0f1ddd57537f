#pragma once
// The installer window of the setup mode: the agreement, the choice of the installation folder
// and the result, three pages shown one after the other below the banner.

#include "ui/UForm.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TXiButton;
class TXiPanel;

class TfSetup : public TForm {
    Q_OBJECT
public:
    explicit TfSetup(QWidget* parent = nullptr);

    // Banner
    TXiPanel* Panel1;
    QLabel* LabTitle;
    QLabel* LabSubtitle;
    // Page 1: the agreement
    QPlainTextEdit* Memo1;
    QCheckBox* CB;
    TXiButton* ButDalee1;
    // Page 2: the installation folder
    QWidget* Pan2;
    QLabel* Label1;
    QLineEdit* EdProgFiles;
    TXiButton* ButDir;
    TXiButton* ButDalee2;
    // Page 3: the result
    QWidget* Pan3;
    QLabel* Image1;
    QPlainTextEdit* Memo2;
    QCheckBox* CBZapusk;
    TXiButton* Button1;
    QLabel* Label2;

    void CBClick();
    void ButDalee1Click();
    void ButDirClick();
    void ButDalee2Click();
    void Button1Click();

private:
    void CreateBanner();
    void CreateAgreementPage();
    void CreateFolderPage();
    void CreateResultPage();
    // Ends the installer after a failed step.
    void Fail(const QString& message);

    // The installation folder once the copying has begun, with its trailing "/".
    QString FFolder;
};

extern TfSetup* fSetup;
