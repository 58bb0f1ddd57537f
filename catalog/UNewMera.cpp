#include "catalog/UNewMera.h"

#include "base/UFormat.h"
#include "catalog/UProdRules.h"
#include "store/UCatalogRows.h"
#include "store/UDM.h"
#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UEvents.h"
#include "ui/UFonts.h"
#include "ui/UKeyFilters.h"
#include "ui/UKeys.h"
#include "ui/UListView.h"
#include "ui/UMainWindowFace.h"
#include "ui/UMessage.h"
#include "ui/USkin.h"

#include <QLabel>
#include <QLineEdit>
#include <utility>
#include <vector>

TfNewMera* fNewMera = nullptr;

namespace {

constexpr int kWidth = 459;
constexpr int kBrowsingHeight = 240;
constexpr int kEditingHeight = 347;

const QString kAddCaption = QStringLiteral("Добавить");
const QString kChangeCaption = QStringLiteral("Изменить");

} // namespace

TfNewMera::TfNewMera(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fNewMera"));
    SetCaption(QStringLiteral("Меры/порции продукта"));
    setFont(MsSansSerif8());
    SetClientSize(kWidth, kBrowsingHeight);
    CreateControls();
    ConnectHandlers();
}

void TfNewMera::CreateControls() {
    Label1 = NewLabel(this, "Label1", QStringLiteral("Меры для продукта "), QPoint(8, 8));
    Label1->setFont(MsSansSerif8(true));
    Label1->setFixedWidth(kWidth - 16);
    LVNewMera = Named(new TListView(this), "LVNewMera");
    LVNewMera->setGeometry(8, 26, kWidth - 16, 170);
    LVNewMera->SetColumns({{QStringLiteral("Мера / порция"), 250},
                           {QStringLiteral("граммы"), 70},
                           {QStringLiteral("ккал"), 70}});
    LVNewMera->SetGridLines(true);
    ButNew = NewButton(this, "ButNew", QStringLiteral("Добавить"), QRect(8, 206, 100, 25));
    ButEdit = NewButton(this, "ButEdit", QStringLiteral("Изменить"), QRect(116, 206, 100, 25));
    ButDel = NewButton(this, "ButDel", QStringLiteral("Удалить"), QRect(224, 206, 100, 25));

    Panel = Named(new TXiPanel(this), "Panel");
    Panel->setGeometry(0, 200, kWidth, kEditingHeight - 200);
    Label2 = NewLabel(Panel, "Label2", QStringLiteral("Название меры / порции"), QPoint(8, 10));
    EdMera = NewEdit(Panel, "EdMera", QRect(8, 26, kWidth - 16, 21));
    EdMera->setToolTip(QStringLiteral("как мера будет отображаться в отчете (например шт.)"));
    Label3 = NewLabel(Panel, "Label3", QStringLiteral("грамм на порцию"), QPoint(8, 58));
    EdGramm = NewEdit(Panel, "EdGramm", QRect(8, 74, 100, 21));
    Label4 = NewLabel(Panel, "Label4", QStringLiteral("ккал на порцию"), QPoint(124, 58));
    EdKkal = NewEdit(Panel, "EdKkal", QRect(124, 74, 100, 21));
    ButOK = NewButton(Panel, "ButOK", kAddCaption, QRect(8, 110, 100, 25));
    ButCancel = NewButton(Panel, "ButCancel", QStringLiteral("Отмена"), QRect(116, 110, 100, 25));
    Panel->hide();
    // The browsing part shows the skin's colour as the editing panel does.
    FillWithColour(this, Panel->Color());
}

void TfNewMera::ConnectHandlers() {
    Connect(ButNew, &QPushButton::clicked, this, [this] { ButNew1Click(); });
    Connect(ButEdit, &QPushButton::clicked, this, [this] { ButEdit1Click(); });
    Connect(ButDel, &QPushButton::clicked, this, [this] { ButDel1Click(); });
    Connect(ButOK, &QPushButton::clicked, this, [this] { ButOK1Click(); });
    Connect(ButCancel, &QPushButton::clicked, this, [this] { ButCancel1Click(); });
    KeysOf(EdGramm)->KeyPress = [this](QChar& key) { EdGrammKeyPress(key); };
    KeysOf(EdKkal)->KeyPress = [this](QChar& key) { EdKkalKeyPress(key); };
    Connect(EdKkal, &QLineEdit::textChanged, this, [this] { EdKkalChange(); });
    OnExit(EdGramm, [this] { EdGrammExit(); });
    OnExit(EdKkal, [this] { EdKkalExit(); });
}

void TfNewMera::SetProduct(int idProd, double kkal, const QString& productName) {
    FIdProd = idProd;
    FKkal = kkal;
    Label1->setText(QStringLiteral("Меры для продукта \"") + productName + QLatin1Char('"'));
}

void TfNewMera::FormShow() {
    ClosePanel();
    APaintLVNewMera();
}

void TfNewMera::APaintLVNewMeraExecute() {
    TQuery& q = DM->SQLGrup;
    // Creation order, so that the product's "100г" measure comes first.
    q.SetSQL(QStringLiteral("SELECT * from tab_mera WHERE id_prod=") + QString::number(FIdProd) +
             QStringLiteral(" ORDER BY id_mif"));
    q.Open();
    LVNewMera->Clear();
    for (; !q.Eof(); q.Next())
        LVNewMera->AddItem(
            q.Fields(2).AsString(),
            {FormatWholeGrams(q.Fields(3).AsInteger()), FormatOneDecimal(q.Fields(4).AsFloat())},
            q.Fields(0).AsInteger());
    if (LVNewMera->Count() > 0)
        LVNewMera->Select(LVNewMera->Item(0));
}

void TfNewMera::OpenPanel(const QString& okCaption) {
    SetClientHeight(kEditingHeight);
    ButOK->setText(okCaption);
    Panel->show();
    LVNewMera->setEnabled(false);
    EdMera->setFocus();
}

void TfNewMera::ClosePanel() {
    LVNewMera->setEnabled(true);
    SetClientHeight(kBrowsingHeight);
    Panel->hide();
}

void TfNewMera::ButNew1Click() {
    EdMera->clear();
    EdGramm->clear();
    EdKkal->clear();
    OpenPanel(kAddCaption);
}

void TfNewMera::ButEdit1Click() {
    QTreeWidgetItem* item = LVNewMera->Selected();
    if (!item)
        return;
    if (item == LVNewMera->Item(0)) {
        FMessage->Show(QStringLiteral("Нельзя редактировать меру 100г"), this);
        LVNewMera->Select(LVNewMera->Item(0));
        return;
    }
    EdMera->setText(TListView::Caption(item));
    EdGramm->setText(TListView::SubItem(item, 0));
    EdKkal->setText(TListView::SubItem(item, 1));
    OpenPanel(kChangeCaption);
}

void TfNewMera::ButCancel1Click() {
    ClosePanel();
}

void TfNewMera::ButDel1Click() {
    const QTreeWidgetItem* item = LVNewMera->Selected();
    if (!item || item == LVNewMera->Item(0))
        return;
    TQuery& q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("DELETE FROM tab_mera WHERE id_mif=") +
             QString::number(TListView::Data(item)));
    q.ExecSQL();
    APaintLVNewMera();
    MainWindow()->APaintLVRAc();
}

void TfNewMera::EdGrammKeyPress(QChar& key) {
    key = DigitChar(key);
}

void TfNewMera::EdGrammExit() {
    if (FKkal != 0)
        EdKkal->setText(MeasureKcalText(EdGramm->text(), FKkal));
}

void TfNewMera::EdKkalKeyPress(QChar& key) {
    key = AmountChar(key, EdKkal->text());
}

void TfNewMera::EdKkalChange() {
    QString text = EdKkal->text();
    if (CutToOneDecimal(text)) {
        EdKkal->setText(text);
        EdKkal->setCursorPosition(int(text.size()));
    }
}

void TfNewMera::EdKkalExit() {
    if (FKkal != 0)
        EdGramm->setText(MeasureGramsText(EdKkal->text(), FKkal));
}

void TfNewMera::DeriveProductEnergy() {
    const QString typed = EdKkal->text();
    const double perGram = EnergyPerGram(StrToFloat(typed), StrToInt(EdGramm->text()));
    std::vector<std::pair<int, double>> measures;
    for (int i = 0; i < LVNewMera->Count(); ++i) {
        const QTreeWidgetItem* row = LVNewMera->Item(i);
        measures.emplace_back(
            TListView::Data(row),
            DerivedMeasureKcal(StrToInt(TListView::SubItem(row, 0)), perGram, typed));
    }
    const double productKcal = DerivedProductKcal(perGram, typed);
    FMessage->Show(QStringLiteral("Все меры, включая меру 100г, будут пересчитаны с учетом новых "
                                  "данных по соотношению ккал-грамм"),
                   this);
    TQuery& q = DM->SQLGrup;
    for (const auto& [idMif, kcal] : measures) {
        q.SetSQL(QStringLiteral("UPDATE tab_mera SET kkal_mera=:kkal_mera WHERE id_mif=") +
                 QString::number(idMif));
        q.SetParam(QStringLiteral("kkal_mera"), kcal);
        q.ExecSQL();
    }
    q.SetSQL(QStringLiteral("UPDATE tab_prod SET kkal=:kkal_mera WHERE id_prod=") +
             QString::number(FIdProd));
    q.SetParam(QStringLiteral("kkal_mera"), productKcal);
    q.ExecSQL();
}

void TfNewMera::ChangeMeasure(int idMif) {
    const int grams = StrToInt(EdGramm->text());
    const double kcal = StrToFloat(EdKkal->text());
    TQuery& q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("UPDATE tab_mera SET naim_mera=:naim_mera, g_mera=:g, "
                            "kkal_mera=:kkal_mera WHERE id_mif=") +
             QString::number(idMif));
    q.SetParam(QStringLiteral("naim_mera"), EdMera->text());
    q.SetParam(QStringLiteral("g"), grams);
    q.SetParam(QStringLiteral("kkal_mera"), kcal);
    q.ExecSQL();
    DM->TableProd.Close();
    DM->TableProd.Open();
}

void TfNewMera::AddMeasure() {
    const int grams = StrToInt(EdGramm->text());
    const double kcal = StrToFloat(EdKkal->text());
    InsertMeasure(DM->SQLGrup, FIdProd, EdMera->text(), grams, kcal);
}

void TfNewMera::ButOK1Click() {
    if (EdMera->text().trimmed().isEmpty()) {
        if (FMessage->Show(QStringLiteral("Запишите название меры"), this) == mrOk)
            EdMera->setFocus();
        return;
    }
    const QString grams = EdGramm->text().trimmed();
    if (grams.isEmpty()) {
        FMessage->Show(QStringLiteral("Укажите сколько грамм или ккал в порции (если "
                                      "неизвестно, то запишите 0)"),
                       this);
        return;
    }
    // Only the first measure weighs 100 g, however the number is written ("0100" too).
    int gramsValue = 0;
    if (TryStrToInt(grams, gramsValue) && gramsValue == 100) {
        FMessage->Show(QStringLiteral("Нельзя записать меру 100г - она уже существует. "
                                      "Калорийность на 100г можно изменить в свойствах продукта"),
                       this);
        return;
    }
    for (QLineEdit* edit : {EdGramm, EdKkal}) {
        if (IsBelowZero(edit->text())) {
            const QLabel* label = edit == EdGramm ? Label3 : Label4;
            if (FMessage->Show(BelowZeroMessage(label->text()), this) == mrOk)
                edit->setFocus();
            return;
        }
    }
    const QTreeWidgetItem* selected = LVNewMera->Selected();
    const bool changing = ButOK->text() == kChangeCaption;
    if (changing && !selected)
        return;
    // The derived energy and the measure are stored together or not at all.
    TTransaction transaction(DM->ADOTrans);
    if (FKkal == 0 && grams != QLatin1String("0"))
        DeriveProductEnergy();
    if (changing)
        ChangeMeasure(TListView::Data(selected));
    else
        AddMeasure();
    transaction.Commit();
    APaintLVNewMera();
    MainWindow()->APaintTVProd();
    ClosePanel();
}
