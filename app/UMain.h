#pragma once
// The main window: the group tree and product list above, the ration table with the day total
// below, and the buttons of every subsystem. Its actions are the refresh entry points that the
// other windows call through its face. The handlers of each area are in files of their own.

#include "ui/UMainWindowFace.h"

#include <QIcon>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTreeWidget;
class QTreeWidgetItem;
class TListView;
class TXiButton;
class TXiPanel;

class TfMain : public TMainWindowFace {
    Q_OBJECT
public:
    explicit TfMain(QWidget* parent = nullptr);

    // Product name, author and web address of the window caption and the forum-code footer.
    static const QString kProductName;
    static const QString kAuthor;
    static const QString kWebAddress;

    // ---- Frame (app/UMain.cpp)
    TXiPanel* PanelMenu;
    QWidget* Panel1;
    TXiPanel* Panel_Grup;
    TXiPanel* panel_prod;
    TXiPanel* Panel_racion;
    TXiPanel* XiPanel2;
    TXiPanel* XiPanel1;
    TXiButton* XiButton1;
    QIcon IL1; // the picture every tree node shows

    void FormCreate();
    void FormShow();
    // Returns whether the window may close.
    bool FormCloseQuery();
    void FormClose();
    void FormCanResize(int newWidth);
    void XiButton1Click();

    void ANoEnable() override { ANoEnableExecute(); }
    void AEnable() override { AEnableExecute(); }
    bool ReadOption(const QString& key) const override;
    bool OptionChecked(const QString& key) const override;
    void ANoEnableExecute();
    void AEnableExecute();

    // ---- Group tree (app/UMainGrup.cpp)
    QLabel* LabGrup;
    TXiButton* ButVerh;
    TXiButton* ButVniz;

    void APaintTVGrup() override { APaintTVGrupExecute(); }
    void APaintCBGrup() override { APaintCBGrupExecute(); }
    void APaintTVGrupExecute();
    void APaintCBGrupExecute();
    void TVGrupClick() override;
    void ButVerhClick();
    void ButVnizClick();

    // ---- Group editing (app/UMainGrupEdit.cpp)
    TXiButton* ButNewGrup1;
    TXiButton* ButEditGrup;
    TXiButton* ButDelGrup;

    void ButNewGrup1Click();
    void ButEditGrupClick();
    void ButDelGrupClick();

    // ---- Product list (app/UMainProd.cpp)
    TXiButton* ButNewProd;
    TXiButton* ButEditProd;
    TXiButton* ButDelProd;

    void APaintTVProd() override { APaintTVProdExecute(); }
    void APaintTVProdExecute();
    void LVProdClick();
    void LVProdDblClick();
    void LVProdKeyDown(int& key);
    void LVProdKeyPress(QChar& key);
    void ButNewProdClick();
    void ButEditProdClick();
    void ButDelProdClick();

    // ---- Product search (app/UMainPoisk.cpp)
    QLabel* Label5;
    QLineEdit* EdPoisk;
    TXiButton* ButPoisk;

    void EdPoiskChange();
    void EdPoiskExit();
    void EdPoiskKeyPress(QChar& key);
    void EdPoiskKeyUp(int key);
    void ButPoiskClick();

    // ---- Ration table and totals (app/UMainRacion.cpp)
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* EProc;
    QCheckBox* CBProc;
    QLineEdit* Edit1;
    QCheckBox* CB1;
    QCheckBox* CB2;

    void APaintLVRAc() override { APaintLVRAcExecute(); }
    void ADeleteRac() override { ADeleteRacExecute(); }
    void APaintLVRAcExecute();
    void ADeleteRacExecute();
    void LVRacCustomDrawItem(QTreeWidgetItem* item);
    void LVRacKeyDown(int& key);
    void CB1Click();
    void CB2Click();
    void CBProcClick();

    // ---- Entry dialog openers (app/UMainVvod.cpp)
    TXiButton* ButvRac;

    void ButvRacClick();
    void LVRacDblClick();

    // ---- Saved rations (app/UMainSaveRacion.cpp)
    TXiButton* ButSaveKak;
    TXiButton* ButSave;
    TXiButton* ButLoad;
    TXiButton* ButClear;

    void ButSaveKakClick();
    void ButSaveClick();
    void ButLoadClick();
    void ButClearClick();

    // ---- Ready dish (app/UMainBludo.cpp)
    TXiButton* ButSlozn;

    void ButSloznClick();

    // ---- Exports (app/UMainReports.cpp)
    TXiButton* ButExcel;
    TXiButton* ButHTML;

    void ButExcelClick();
    void ButHTMLClick();

    // ---- The day against the norm (app/UMainNorma.cpp)
    QProgressBar* PBNorma;
    TXiButton* ButNorma;

    // PBNorma shows the day-total row's energy against the current norm.
    void APaintNorma();
    void ButNormaClick();

    // ---- The diary (app/UMainDnevnik.cpp)
    TXiButton* ButDnevnik;

    void ButDnevnikClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateFrame();
    void CreateCatalogArea();
    void CreateRationArea();
    void CreateButtonBar();
    void CreateNormaArea();
    void CreateDnevnikButton();
    void AdaptToScreen();
    // On a narrow window the delete hint narrows to the room beside CB2 and wraps.
    void FitDeleteHint();
    // Each subsystem wires the signals of its own controls to its handlers.
    void ConnectGrupHandlers();
    void ConnectGrupEditHandlers();
    void ConnectProdHandlers();
    void ConnectPoiskHandlers();
    void ConnectRacionHandlers();
    void ConnectVvodHandlers();
    void ConnectSaveRacionHandlers();
    void ConnectBludoHandlers();
    void ConnectReportHandlers();
    void ConnectNormaHandlers();
    void ConnectDnevnikHandlers();
};

extern TfMain* fMain;
