#pragma once
// Program entry: the choice between the diary and setup mode, and the creation of every
// window and of the data module, once, in their fixed order.

#include <QString>
#include <memory>

class QWidget;
class TDM;
class TfMain;
class TfSetup;

// Setup mode when the executable's own file name, upper-cased over a-z, is "SETUP.EXE".
bool IsSetupMode(const QString& executablePath);

// Owns the windows and the data module from start-up to exit.
class TApplicationForms {
public:
    // With showMain the main form is shown as soon as it is filled, before the dialogs,
    // which nobody sees until asked for, are built.
    explicit TApplicationForms(bool setupMode, bool showMain = false);
    TApplicationForms(const TApplicationForms&) = delete;
    TApplicationForms& operator=(const TApplicationForms&) = delete;
    ~TApplicationForms();

    // The installer window in setup mode, otherwise the main window.
    QWidget* MainForm() const;
    // Shows the main form centred on the desktop.
    void ShowMainForm() const;

private:
    std::unique_ptr<TfSetup> FSetup;
    std::unique_ptr<TDM> FDM;
    std::unique_ptr<TfMain> FMain;
};
