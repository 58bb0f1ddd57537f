#pragma once
// What the dialogs of the catalog, the ration and the dish use of the main window: its lists,
// the actions that refresh them and the display options. The main window implements it, so the
// dialogs reach it through MainWindow() without including the program's top floor.

#include <QWidget>

class QLabel;
class QTreeWidget;
class TListView;

class TMainWindowFace : public QWidget {
public:
    explicit TMainWindowFace(QWidget* parent = nullptr);
    ~TMainWindowFace() override;

    QTreeWidget* TVGrup = nullptr;
    TListView* LVProd = nullptr;
    QLabel* Label1 = nullptr;
    TListView* LVRac = nullptr;
    TListView* LVItog = nullptr;

    bool RacionSaved = true;

    virtual void APaintTVGrup() = 0;
    virtual void APaintCBGrup() = 0;
    virtual void APaintTVProd() = 0;
    virtual void APaintLVRAc() = 0;
    virtual void ADeleteRac() = 0;
    virtual void AEnable() = 0;
    virtual void ANoEnable() = 0;
    virtual void TVGrupClick() = 0;
    // A display option of the program's settings file.
    virtual bool ReadOption(const QString& key) const = 0;
    // A display option's check box as it stands: "CB1", "CB2" or "CB4" (CBProc).
    virtual bool OptionChecked(const QString& key) const = 0;
};

// The main window while it exists, nullptr otherwise.
TMainWindowFace* MainWindow();
