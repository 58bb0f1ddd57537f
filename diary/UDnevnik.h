#pragma once
// The diary window: the days of a period as a chart and a table, the weights beside them and
// the expenditure they reveal; a double-click on a day loads its ration into the main window.

#include "ui/UForm.h"

class TDiaryChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class TListView;
class TXiButton;
class TXiPanel;

class TfDnevnik : public TForm {
    Q_OBJECT
public:
    explicit TfDnevnik(QWidget* parent = nullptr);

    TXiPanel* XiPanel1;
    QLabel* LabPeriod;
    QComboBox* CBPeriod;
    QLabel* LabRashod;
    TDiaryChartView* ChartDnevnik;
    TListView* LVDnevnik;
    QLabel* LabVes;
    QDateEdit* DTPVes;
    QLineEdit* EdVes;
    QLabel* LabKg;
    TXiButton* ButVes;
    TXiButton* ButExcel;
    TXiButton* ButClose;

    // Reads the period again and redraws the chart, the table and the expenditure.
    void APaintDnevnik();
    void CBPeriodChange();
    void LVDnevnikDblClick();
    void DTPVesChange();
    void EdVesKeyPress(QChar& key);
    void EdVesChange();
    void ButVesClick();
    void ButExcelClick();

protected:
    void FormShow() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Places the parts for the window's client size: the chart and the table share the
    // height between the period row and the weight row.
    void ArrangeParts();
};

extern TfDnevnik* fDnevnik;
