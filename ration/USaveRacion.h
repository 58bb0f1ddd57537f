#pragma once
// The saved-rations dialog: saves the ration under a name or loads a saved one.

#include "ui/UForm.h"

class QLabel;
class QLineEdit;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class TXiButton;
class TXiPanel;

class TfSaveRacion : public TForm {
    Q_OBJECT
public:
    explicit TfSaveRacion(QWidget* parent = nullptr);

    // The captions that tell the two modes apart.
    static const QString kSaveCaption;
    static const QString kLoadCaption;

    TXiPanel* XiPanel1;
    QLabel* Label1;
    QLineEdit* EdNaimRac;
    QLabel* Label2;
    QTreeWidget* TVSaveRac;
    TXiButton* ButDa;
    TXiButton* ButNo;
    QMenu* PMSostav;

    void TVSaveRacClick();
    void ButDaClick();
    void TVSaveRacDblClick();
    void TVSaveRacKeyDown(int& key);

    // The list's place for the opener's mode: below the name field, or over it.
    void PlaceList(int top, int height);
    // The saved ration's id carried by a list item.
    static int ItemId(const QTreeWidgetItem* item);

protected:
    void FormShow() override;

private:
    QTreeWidgetItem* SelectedItem() const;
    void SaveAs();
    void Load();
};

extern TfSaveRacion* fSaveRacion;

// Loads the saved ration into the main window under its name, as the load dialog does: over a
// ration in the table it asks first (centred over `over`); false when the user refused.
bool LoadSavedRacion(int id, const QString& name, const QWidget* over);
