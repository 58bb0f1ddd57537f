#include "catalog/UNewProd.h"

#include "base/UFormat.h"
#include "catalog/UNewMera.h"
#include "catalog/UProdRules.h"
#include "store/UCatalogRows.h"
#include "store/UDM.h"
#include "ui/UControls.h"
#include "ui/UDBEdit.h"
#include "ui/UDialog.h"
#include "ui/UErrorBox.h"
#include "ui/UEvents.h"
#include "ui/UFonts.h"
#include "ui/UKeyFilters.h"
#include "ui/UKeys.h"
#include "ui/UListView.h"
#include "ui/UMainWindowFace.h"
#include "ui/UMessage.h"
#include "ui/USkin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <array>
#include <utility>

TfNewProd* fNewProd = nullptr;

const QString kNewProdCaption = QStringLiteral("Добавление нового продукта");
const QString kEditProdCaption = QStringLiteral("Редактирование");

namespace {

constexpr int kWidth = 502;
constexpr int kUpperHeight = 169;
constexpr int kHeightWithPanel = 210;
constexpr int kHeightWithoutPanel = 170;

TDBEdit* BoundEdit(QWidget* parent, const char* name, const char* field, TFieldType type,
                   const QRect& geometry) {
    auto* edit = Named(new TDBEdit(parent, DM->DSProd, QString::fromLatin1(field), type), name);
    edit->setGeometry(geometry);
    return edit;
}

} // namespace

TfNewProd::TfNewProd(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fNewProd"));
    SetCaption(kNewProdCaption);
    setFont(MsSansSerif8());
    SetClientSize(kWidth, kHeightWithPanel);
    CreateUpperPanel();
    CreateLowerPanel();
    ConnectHandlers();
}

void TfNewProd::CreateUpperPanel() {
    PanNewProd = Named(new TXiPanel(this), "PanNewProd");
    PanNewProd->setGeometry(0, 0, kWidth, kUpperHeight);
    LabNaim = NewLabel(PanNewProd, "LabNaim", QStringLiteral("Название продукта"), QPoint(8, 8));
    DBEdNaim = BoundEdit(PanNewProd, "DBEdNaim", "naim_prod", TFieldType::WideString,
                         QRect(8, 24, 377, 21));
    DBEdNaim->setMaxLength(150);
    LabGrup = NewLabel(PanNewProd, "LabGrup", QStringLiteral("Поместить в группу"), QPoint(8, 54));
    CBGrup = Named(new QComboBox(PanNewProd), "CBGrup");
    CBGrup->setGeometry(8, 70, 377, 22);
    CBGrup->setEditable(false);
    Label1 = NewLabel(PanNewProd, "Label1", QStringLiteral("Калорийность "), QPoint(8, 108));
    DBEdKKal = BoundEdit(PanNewProd, "DBEdKKal", "kkal", TFieldType::Float, QRect(98, 104, 65, 21));
    Label2 = NewLabel(PanNewProd, "Label2", QStringLiteral("на 100г"), QPoint(168, 108));
    XiButton1 = NewButton(PanNewProd, "XiButton1", QStringLiteral("Порции/меры продукта"),
                          QRect(222, 102, 163, 25));
    XiButton1->setToolTip(QStringLiteral(
        "Добавить/изменить меры измерения для продукта (например шт, ст. ложка и т.д.)"));
    CBBZY = Named(new QCheckBox(PanNewProd), "CBBZY");
    CBBZY->setGeometry(8, 141, 16, 16);
    CBBZY->setChecked(true);
    Label5 = NewLabel(PanNewProd, "Label5", QStringLiteral("Показать панель БЖУ"), QPoint(27, 143));
    Label5->setToolTip(QStringLiteral("Открыть/закрыть панель воода для белков, жиров, углеводов"));
    Label5->setCursor(Qt::PointingHandCursor);
    ButOK = NewButton(PanNewProd, "ButOK", QStringLiteral("ОК"), QRect(402, 24, 90, 25));
    ButCancel =
        NewButton(PanNewProd, "ButCancel", QStringLiteral("Отмена"), QRect(402, 58, 90, 25));
}

void TfNewProd::CreateLowerPanel() {
    XiPanel1 = Named(new TXiPanel(this), "XiPanel1");
    XiPanel1->setGeometry(0, kUpperHeight, kWidth, kHeightWithPanel - kUpperHeight);
    LabBel = NewLabel(XiPanel1, "LabBel", QStringLiteral("Б"), QPoint(8, 13));
    DBEdB = BoundEdit(XiPanel1, "DBEdB", "bel", TFieldType::Float, QRect(22, 9, 70, 21));
    Label3 = NewLabel(XiPanel1, "Label3", QStringLiteral("Ж"), QPoint(110, 13));
    DBEdZ = BoundEdit(XiPanel1, "DBEdZ", "zir", TFieldType::Float, QRect(125, 9, 70, 21));
    Label4 = NewLabel(XiPanel1, "Label4", QStringLiteral("У"), QPoint(213, 13));
    DBEdU = BoundEdit(XiPanel1, "DBEdU", "ugl", TFieldType::Float, QRect(227, 9, 70, 21));
}

void TfNewProd::ConnectHandlers() {
    Connect(ButOK, &QPushButton::clicked, this, [this] { ButCancelClick(); });
    Connect(ButCancel, &QPushButton::clicked, this, [this] { XiButton3Click(); });
    Connect(XiButton1, &QPushButton::clicked, this, [this] { XiButton1Click(); });
    Connect(CBBZY, &QCheckBox::toggled, this, [this] { CBBZYClick(); });
    OnEvent(Label5, QEvent::MouseButtonRelease, [this](QEvent* event) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            Label5Click();
    });
    KeysOf(DBEdNaim)->KeyPress = [this](QChar& key) { DBEdNaimKeyPress(key); };
    KeysOf(DBEdKKal)->KeyPress = [this](QChar& key) { DBEdKKalKeyPress(key); };
    KeysOf(DBEdB)->KeyPress = [this](QChar& key) { DBEdBKeyPress(key); };
    KeysOf(DBEdZ)->KeyPress = [this](QChar& key) { DBEdZKeyPress(key); };
    KeysOf(DBEdU)->KeyPress = [this](QChar& key) { DBEdUKeyPress(key); };
    KeysOf(DBEdU)->KeyDown = [this](int& key, Qt::KeyboardModifiers) { DBEdUKeyDown(key); };
    Connect(DBEdKKal, &QLineEdit::textChanged, this, [this] { DBEdKKalChange(); });
    Connect(DBEdB, &QLineEdit::textChanged, this, [this] { DBEdBChange(); });
    Connect(DBEdZ, &QLineEdit::textChanged, this, [this] { DBEdZChange(); });
    Connect(DBEdU, &QLineEdit::textChanged, this, [this] { DBEdUChange(); });
    Connect(DBEdKKal, &QLineEdit::textEdited, this, [this] { FKKalEdited = true; });
}

void TfNewProd::FormCreate() {
    CBBZY->setChecked(MainWindow()->ReadOption(QStringLiteral("CB3")));
}

void TfNewProd::FormShow() {
    FKKalEdited = false;
    // The opener may have filled the record's values; show them all.
    ShowRecord();
    MainWindow()->APaintCBGrup();
    XiButton1->setVisible(Caption() == kEditProdCaption);
    CBBZYClick();
    CentreOver(MainWindow());
    DBEdNaim->setFocus();
}

void TfNewProd::ShowRecord() {
    for (TDBEdit* edit : {DBEdNaim, DBEdKKal, DBEdB, DBEdZ, DBEdU})
        edit->Reset();
}

void TfNewProd::FormClose() {
    // Closing through the window frame drops the record as Отмена does.
    const TDataSetState state = DM->TableProd.State();
    if (state == TDataSetState::Edit || state == TDataSetState::Insert)
        DM->TableProd.Cancel();
}

void TfNewProd::CBBZYClick() {
    const bool shown = CBBZY->isChecked();
    XiPanel1->setVisible(shown);
    SetClientHeight(shown ? kHeightWithPanel : kHeightWithoutPanel);
}

void TfNewProd::Label5Click() {
    CBBZY->setChecked(!CBBZY->isChecked());
}

void TfNewProd::DBEdNaimKeyPress(QChar& key) {
    if (IsEnterChar(key)) {
        DBEdKKal->setFocus();
        key = QChar();
    }
}

void TfNewProd::NumberKeyPress(TDBEdit* edit, QChar& key, QWidget* next) {
    if (IsEnterChar(key)) {
        if (next)
            next->setFocus();
        key = QChar();
        return;
    }
    key = DecimalFieldChar(key, edit->text());
}

void TfNewProd::DBEdKKalKeyPress(QChar& key) {
    NumberKeyPress(DBEdKKal, key, CBBZY->isChecked() ? static_cast<QWidget*>(DBEdB) : ButOK);
}

void TfNewProd::DBEdBKeyPress(QChar& key) {
    NumberKeyPress(DBEdB, key, CBBZY->isChecked() ? DBEdZ : nullptr);
}

void TfNewProd::DBEdZKeyPress(QChar& key) {
    NumberKeyPress(DBEdZ, key, CBBZY->isChecked() ? DBEdU : nullptr);
}

void TfNewProd::DBEdUKeyPress(QChar& key) {
    NumberKeyPress(DBEdU, key, nullptr);
}

void TfNewProd::DBEdUKeyDown(int& key) {
    if (IsEnterKey(key)) {
        ButOK->setFocus();
        key = 0;
    }
}

void TfNewProd::CutNumberText(TDBEdit* edit) {
    QString text = edit->text();
    if (CutToOneDecimal(text)) {
        edit->setText(text);
        edit->setCursorPosition(int(text.size()));
    }
}

void TfNewProd::DBEdKKalChange() {
    CutNumberText(DBEdKKal);
}

void TfNewProd::DBEdBChange() {
    CutNumberText(DBEdB);
}

void TfNewProd::DBEdZChange() {
    CutNumberText(DBEdZ);
}

void TfNewProd::DBEdUChange() {
    CutNumberText(DBEdU);
}

void TfNewProd::AddHundredGramMeasure(int idProd, double kkal) {
    InsertMeasure(DM->SQLGrup, idProd, QStringLiteral("100г"), 100, kkal);
}

void TfNewProd::RecomputeMeasures(int idProd, double kkal, const QString& typed) {
    TQuery& heaviest = DM->SQLGrup;
    heaviest.SetSQL(QStringLiteral("SELECT max(g_mera) FROM tab_mera WHERE id_prod=") +
                    QString::number(idProd));
    heaviest.Open();
    FiniteResult(heaviest.Fields(0).AsFloat() * (kkal / 100), typed);
    FMessage->Show(QStringLiteral("Все существующие меры для данного продукта будут пересчитаны "
                                  "с учетом новых данных по соотношению ккал-грамм"),
                   this);
    TQuery& q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("UPDATE tab_mera SET kkal_mera=g_mera*:kkal_mera WHERE id_prod=") +
             QString::number(idProd));
    q.SetParam(QStringLiteral("kkal_mera"), kkal / 100);
    q.ExecSQL();
}

bool TfNewProd::RefuseEmptyName() {
    if (!DBEdNaim->text().trimmed().isEmpty())
        return false;
    if (FMessage->Show(QStringLiteral("Запишите название продукта"), this) == mrOk)
        DBEdNaim->setFocus();
    return true;
}

bool TfNewProd::RefuseBelowZero() {
    const std::pair<TDBEdit*, QLabel*> fields[] = {
        {DBEdKKal, Label1}, {DBEdB, LabBel}, {DBEdZ, Label3}, {DBEdU, Label4}};
    for (const auto& [edit, label] : fields) {
        if (!IsBelowZero(edit->text()))
            continue;
        if (edit->parentWidget() == XiPanel1)
            CBBZY->setChecked(true);
        if (FMessage->Show(BelowZeroMessage(label->text().trimmed()), this) == mrOk)
            edit->setFocus();
        return true;
    }
    return false;
}

void TfNewProd::PostTogether(const std::function<void(int idProd, double kkal)>& writes) {
    TTableProd& table = DM->TableProd;
    const bool adding = table.State() == TDataSetState::Insert;
    try {
        TTransaction transaction(DM->ADOTrans);
        table.Post();
        writes(table.FieldValue(QStringLiteral("id_prod")).toInt(),
               table.FieldValue(QStringLiteral("kkal")).toDouble());
        transaction.Commit();
    } catch (...) {
        if (table.State() == TDataSetState::Browse)
            PendAgain(adding);
        throw;
    }
}

void TfNewProd::PendAgain(bool adding) {
    TTableProd& table = DM->TableProd;
    std::array<QVariant, TTableProd::kFieldCount> typed;
    for (int i = 0; i < TTableProd::kFieldCount; ++i)
        typed[std::size_t(i)] =
            table.FieldValue(QString::fromLatin1(TTableProd::kFieldNames[std::size_t(i)]));
    if (adding)
        table.Append();
    else
        table.Locate(typed[0].toInt());
    for (int i = 1; i < TTableProd::kFieldCount; ++i)
        table.SetFieldValue(QString::fromLatin1(TTableProd::kFieldNames[std::size_t(i)]),
                            typed[std::size_t(i)]);
    ShowRecord();
}

void TfNewProd::ButCancelClick() {
    TTableProd& table = DM->TableProd;
    if (CBGrup->currentIndex() >= 0)
        table.SetFieldValue(QStringLiteral("id_grup"), CBGrup->currentData().toInt());
    if (RefuseEmptyName())
        return;
    if (DBEdKKal->text().trimmed().isEmpty()) {
        if (FMessage->Show(QStringLiteral("Запишите калорийность. Если она неизвестна для 100г "
                                          "поставьте 0"),
                           this) == mrOk)
            DBEdKKal->setFocus();
        return;
    }
    if (RefuseBelowZero())
        return;
    // Every stored product belongs to a group; the choice is empty only in an empty catalog.
    if (CBGrup->currentIndex() < 0) {
        FMessage->Show(QStringLiteral("Выберите группу для продукта"), this);
        CBGrup->setFocus();
        return;
    }
    if (Caption() == kNewProdCaption) {
        // The row and its "100г" measure make one write; the question comes after it.
        PostTogether([this](int idProd, double kkal) { AddHundredGramMeasure(idProd, kkal); });
        if (fDialog->AskYes(
                QStringLiteral("Внести для нового продукта допольнительные меры (порции)?"),
                this)) {
            table.Last();
            fNewMera->SetProduct(table.FieldValue(QStringLiteral("id_prod")).toInt(),
                                 table.FieldValue(QStringLiteral("kkal")).toDouble(),
                                 DBEdNaim->text());
            fNewMera->CentreOver(this);
            SetModalResult(mrOk);
            fNewMera->ShowModal();
        }
        MainWindow()->TVGrupClick();
    } else if (Caption() == kEditProdCaption) {
        // The row, the notice and the measures recomputed after it make one write.
        const QString typed = DBEdKKal->text();
        PostTogether([this, &typed](int idProd, double kkal) {
            const QTreeWidgetItem* item = MainWindow()->LVProd->Selected();
            const QString listed = item ? TListView::SubItem(item, 0) : QString();
            if (FKKalEdited && listed != DBEdKKal->text())
                RecomputeMeasures(idProd, kkal, typed);
        });
        MainWindow()->TVGrupClick();
    }
    if (isVisible())
        SetModalResult(mrOk);
}

void TfNewProd::XiButton3Click() {
    DM->TableProd.Cancel();
    Close();
}

void TfNewProd::XiButton1Click() {
    if (RefuseEmptyName() || RefuseBelowZero())
        return;
    const QString name = DBEdNaim->text();
    const QTreeWidgetItem* item = MainWindow()->LVProd->Selected();
    if (!item)
        return;
    TTableProd& table = DM->TableProd;
    // Moving to the row stores the fields typed so far, without the checks of ОК.
    if (!table.Locate(TListView::Data(item)))
        return;
    fNewMera->SetProduct(table.FieldValue(QStringLiteral("id_prod")).toInt(),
                         table.FieldValue(QStringLiteral("kkal")).toDouble(), name);
    SetModalResult(mrOk);
    fNewMera->ShowModal();
}
