#include "diary/UDnevnik.h"

#include "base/UFormat.h"
#include "diary/UDiaryChart.h"
#include "diary/UDiaryChartView.h"
#include "diary/UDiaryStats.h"
#include "diary/UNormaStore.h"
#include "diary/UPeriodWorkbook.h"
#include "ration/URacionStore.h"
#include "ration/USaveRacion.h"
#include "store/UDM.h"
#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/UKeyFilters.h"
#include "ui/UKeys.h"
#include "ui/UListView.h"
#include "ui/UMessage.h"
#include "ui/USeams.h"
#include "ui/USkin.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

TfDnevnik* fDnevnik = nullptr;

namespace {

constexpr int kMargin = 8;
constexpr int kTopRow = 44;    // the period row with the expenditure
constexpr int kBottomRow = 44; // the weight row with the buttons
constexpr double kChartShare = 0.62;

const QString kMeanRow = QStringLiteral("В среднем:");

std::optional<double> NormKkal() {
    const std::optional<TNorma>& norma = CurrentNorma();
    if (!norma || norma->kkal <= 0)
        return std::nullopt;
    return norma->kkal;
}

} // namespace

TfDnevnik::TfDnevnik(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fDnevnik"));
    SetCaption(QStringLiteral("Дневник питания"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setFont(MsSansSerif8());
    // Fits an 800 x 600 screen with its frame; larger screens get a roomier window.
    const QSize screen = Seams().ScreenSize();
    setMinimumSize(640, 440);
    resize(std::clamp(screen.width() - 40, 640, 900), std::clamp(screen.height() - 70, 440, 660));

    XiPanel1 = Named(new TXiPanel(this), "XiPanel1");
    LabPeriod = NewLabel(XiPanel1, "LabPeriod", QStringLiteral("Период:"), QPoint(kMargin, 16));
    CBPeriod = Named(new QComboBox(XiPanel1), "CBPeriod");
    CBPeriod->addItems(kPeriodItems);
    CBPeriod->setCurrentIndex(kDefaultPeriodItem);
    LabRashod = Named(new QLabel(XiPanel1), "LabRashod");
    LabRashod->setWordWrap(true);
    LabRashod->setFont(Verdana8(true));
    LabRashod->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));

    ChartDnevnik = Named(new TDiaryChartView(XiPanel1), "ChartDnevnik");

    LVDnevnik = Named(new TListView(XiPanel1), "LVDnevnik");
    LVDnevnik->SetColumns({{QStringLiteral("Дата"), 80},
                           {QStringLiteral("День"), 45},
                           {QStringLiteral("ккал"), 70, Qt::AlignRight},
                           {QStringLiteral("Б"), 55, Qt::AlignRight},
                           {QStringLiteral("Ж"), 55, Qt::AlignRight},
                           {QStringLiteral("У"), 55, Qt::AlignRight},
                           {QStringLiteral("% нормы"), 70, Qt::AlignRight},
                           {QStringLiteral("Вес"), 60, Qt::AlignRight}});
    LVDnevnik->SetGridLines(true);
    LVDnevnik->setFont(Verdana8());

    LabVes = Named(new QLabel(QStringLiteral("Вес на"), XiPanel1), "LabVes");
    DTPVes = Named(new QDateEdit(XiPanel1), "DTPVes");
    DTPVes->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DTPVes->setCalendarPopup(true);
    EdVes = Named(new QLineEdit(XiPanel1), "EdVes");
    EdVes->setAlignment(Qt::AlignRight);
    LabKg = Named(new QLabel(QStringLiteral("кг"), XiPanel1), "LabKg");
    ButVes = NewButton(XiPanel1, "ButVes", QStringLiteral("Записать вес"), QRect(0, 0, 120, 28));
    ButExcel = NewButton(XiPanel1, "ButExcel", QStringLiteral("в Excel"), QRect(0, 0, 100, 28),
                         QStringLiteral("Записать дни периода в книгу Excel"));
    ButClose = NewButton(XiPanel1, "ButClose", QStringLiteral("Закрыть"), QRect(0, 0, 100, 28));
    ArrangeParts();

    Connect(CBPeriod, &QComboBox::currentIndexChanged, this, [this] { CBPeriodChange(); });
    Connect(LVDnevnik, &QTreeWidget::itemDoubleClicked, this, [this] { LVDnevnikDblClick(); });
    Connect(DTPVes, &QDateEdit::dateChanged, this, [this] { DTPVesChange(); });
    KeysOf(EdVes)->KeyPress = [this](QChar& key) { EdVesKeyPress(key); };
    Connect(EdVes, &QLineEdit::textEdited, this, [this] { EdVesChange(); });
    Connect(ButVes, &QPushButton::clicked, this, [this] { ButVesClick(); });
    Connect(ButExcel, &QPushButton::clicked, this, [this] { ButExcelClick(); });
    Connect(ButClose, &QPushButton::clicked, this, [this] { Close(); });
}

void TfDnevnik::resizeEvent(QResizeEvent* event) {
    TForm::resizeEvent(event);
    ArrangeParts();
}

void TfDnevnik::ArrangeParts() {
    const int w = width();
    const int h = height();
    XiPanel1->setGeometry(0, 0, w, h);
    CBPeriod->setGeometry(60, 12, 110, 22);
    LabRashod->setGeometry(186, 6, w - 186 - kMargin, 34);

    const int inner = w - 2 * kMargin;
    const int middle = h - kTopRow - kBottomRow;
    const int chartHeight = int(middle * kChartShare);
    ChartDnevnik->setGeometry(kMargin, kTopRow, inner, chartHeight);
    LVDnevnik->setGeometry(kMargin, kTopRow + chartHeight + 4, inner, middle - chartHeight - 4);

    const int row = h - kBottomRow + 8;
    LabVes->setGeometry(kMargin, row + 6, 46, 16);
    DTPVes->setGeometry(56, row + 2, 100, 22);
    EdVes->setGeometry(162, row + 2, 56, 22);
    LabKg->setGeometry(222, row + 6, 20, 16);
    ButVes->setGeometry(246, row, 120, 28);
    ButClose->setGeometry(w - kMargin - 100, row, 100, 28);
    ButExcel->setGeometry(ButClose->x() - 8 - 100, row, 100, 28);
}

void TfDnevnik::FormShow() {
    const QDate today = QDate::currentDate();
    if (DTPVes->date() == today)
        DTPVesChange();
    else
        DTPVes->setDate(today);
    APaintDnevnik();
    LVDnevnik->setFocus();
}

void TfDnevnik::APaintDnevnik() {
    const TDiaryPeriod period = PeriodOfItem(CBPeriod->currentIndex(), QDate::currentDate());
    const std::vector<TDiaryDay> days = ReadDiaryDays(DM->ADOTrans, period.from, period.to);
    const std::vector<TWeight> weights = ReadWeights(DM->ADOTrans, period.from, period.to);
    const std::optional<double> norm = NormKkal();

    ChartDnevnik->SetChart(DiaryChart(period, days, weights, norm));

    const std::vector<QStringList> rows = DiaryRows(days, weights, norm);
    const std::vector<int> rations = DiaryRowRations(days, weights);
    std::vector<TListRow> items;
    items.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        items.push_back({rows[i].value(0), rows[i].mid(1), i < rations.size() ? rations[i] : 0});
    LVDnevnik->Clear();
    LVDnevnik->AddItems(items);
    if (!rows.empty() && rows.back().value(0) == kMeanRow) {
        QTreeWidgetItem* mean = LVDnevnik->Item(LVDnevnik->Count() - 1);
        for (int column = 0; column < LVDnevnik->columnCount(); ++column)
            mean->setFont(column, Verdana8(true));
    }

    LabRashod->setText(ExpenditureText(days, weights, norm));
}

void TfDnevnik::CBPeriodChange() {
    APaintDnevnik();
}

void TfDnevnik::LVDnevnikDblClick() {
    const QTreeWidgetItem* item = LVDnevnik->Selected();
    if (!item)
        return;
    const int id = TListView::Data(item);
    if (id <= 0)
        return;
    if (LoadSavedRacion(id, SavedRacionName(id), this))
        SetModalResult(mrOk);
}

void TfDnevnik::DTPVesChange() {
    const QDate date = DTPVes->date();
    const std::vector<TWeight> stored = ReadWeights(DM->ADOTrans, date, date);
    EdVes->setText(stored.empty() ? QString() : FormatOneDecimal(stored.front().ves));
}

void TfDnevnik::EdVesKeyPress(QChar& key) {
    if (IsEnterChar(key)) {
        key = QChar();
        ButVesClick();
        return;
    }
    key = AmountChar(key, EdVes->text());
}

void TfDnevnik::EdVesChange() {
    QString text = EdVes->text();
    if (CutToOneDecimal(text))
        EdVes->setText(text);
}

void TfDnevnik::ButVesClick() {
    const QString typed = EdVes->text().trimmed();
    std::optional<double> ves;
    if (!typed.isEmpty()) {
        ves = StrToFloat(typed);
        if (*ves < 20 || *ves > 400) {
            EdVes->setFocus();
            FMessage->Show(QStringLiteral("Вес должен быть от 20 до 400 кг"), this);
            return;
        }
    }
    WriteWeight(DM->ADOTrans, DTPVes->date(), ves);
    APaintDnevnik();
}

void TfDnevnik::ButExcelClick() {
    ExportPeriodWorkbook(PeriodOfItem(CBPeriod->currentIndex(), QDate::currentDate()), NormKkal(),
                         this);
}
