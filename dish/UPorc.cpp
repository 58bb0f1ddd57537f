#include "dish/UPorc.h"

#include "base/UFormat.h"
#include "catalog/UGroupTree.h"
#include "store/UDM.h"
#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/UKeyFilters.h"
#include "ui/UKeys.h"
#include "ui/UMainWindowFace.h"
#include "ui/UMessage.h"
#include "ui/UPaintingSuspended.h"
#include "ui/USkin.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>

TfPorc* fPorc = nullptr;

namespace {

constexpr int kWidth = 398;
constexpr int kHeight = 250;

} // namespace

TfPorc::TfPorc(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fPorc"));
    SetCaption(QStringLiteral("Порции в готовом блюде"));
    setFont(MsSansSerif8());
    SetClientSize(kWidth, kHeight);
    XiPanel1 = Named(new TXiPanel(this), "XiPanel1");
    XiPanel1->setGeometry(0, 0, kWidth, kHeight);
    Label1 =
        NewLabel(XiPanel1, "Label1", QStringLiteral("Название блюда (продукта)"), QPoint(8, 8));
    EdProd = NewEdit(XiPanel1, "EdProd", QRect(8, 24, kWidth - 16, 21));
    EdProd->setMaxLength(150);
    Label2 = NewLabel(XiPanel1, "Label2", QStringLiteral("Поместить в группу"), QPoint(8, 54));
    CBGrup = Named(new QComboBox(XiPanel1), "CBGrup");
    CBGrup->setGeometry(8, 70, kWidth - 16, 22);
    Label3 = NewLabel(XiPanel1, "Label3", QStringLiteral("Количество порций в готовом блюде"),
                      QPoint(8, 108));
    EDMera = NewEdit(XiPanel1, "EDMera", QRect(250, 104, 60, 22));
    UD = Named(new TUpDown(XiPanel1), "UD");
    UD->setGeometry(311, 104, 17, 22);
    Label4 = NewLabel(XiPanel1, "Label4", QStringLiteral("Название порции (меры)"), QPoint(8, 138));
    EdPorc = NewEdit(XiPanel1, "EdPorc", QRect(8, 154, kWidth - 16, 21));
    Label5 =
        NewLabel(XiPanel1, "Label5", QStringLiteral("Количество грамм в ПОРЦИИ"), QPoint(8, 190));
    EdGramm = NewEdit(XiPanel1, "EdGramm", QRect(250, 186, 60, 21));
    ButOK = NewButton(XiPanel1, "ButOK", QStringLiteral("ОК"), QRect(212, 218, 86, 25));
    ButCancel = NewButton(XiPanel1, "ButCancel", QStringLiteral("Отмена"), QRect(304, 218, 86, 25));

    Connect(UD->BtnUp, &QToolButton::clicked, this, [this] { UDClick(TUDButton::Up); });
    Connect(UD->BtnDown, &QToolButton::clicked, this, [this] { UDClick(TUDButton::Down); });
    KeysOf(EdGramm)->KeyPress = [this](QChar& key) { EdGrammKeyPress(key); };
    Connect(ButOK, &QPushButton::clicked, this, [this] { ButOKClick(); });
    Connect(ButCancel, &QPushButton::clicked, this, [this] { ButCancelClick(); });
}

void TfPorc::FormShow() {
    EDMera->setText(QStringLiteral("1"));
    EdProd->clear();
    EdPorc->clear();
    EdGramm->clear();
    FillGroupChoice();
    EdProd->setFocus();
}

void TfPorc::FillGroupChoice() {
    CBGrup->clear();
    for (const QTreeWidgetItem* node : NodesInDisplayOrder(MainWindow()->TVGrup))
        CBGrup->addItem(node->text(0), NodeId(node));
    const QTreeWidgetItem* selected = SelectedNode(MainWindow()->TVGrup);
    CBGrup->setCurrentIndex(selected ? CBGrup->findData(NodeId(selected)) : -1);
}

void TfPorc::UDClick(TUDButton button) {
    const bool up = button == TUDButton::Up;
    if (const auto value = SteppedPortions(StrToFloat(EDMera->text()), up))
        EDMera->setText(FormatGeneral(*value));
}

void TfPorc::EdGrammKeyPress(QChar& key) {
    key = DigitChar(key);
}

void TfPorc::ButCancelClick() {
    Close();
}

void TfPorc::Refuse(const QString& message, QWidget* focus) {
    FMessage->Show(message, this);
    focus->setFocus();
}

void TfPorc::ButOKClick() {
    double portions = 0;
    if (EDMera->text().trimmed().isEmpty() || !TryStrToFloat(EDMera->text(), portions))
        return Refuse(QStringLiteral("Запишите количество порций"), EDMera);
    // A pasted number below zero is refused as 0 is.
    if (portions <= 0)
        return Refuse(QStringLiteral("Запишите количество порций (не равно 0)"), EDMera);
    if (EdProd->text().trimmed().isEmpty())
        return Refuse(QStringLiteral("Запишите название блюда"), EdProd);
    if (EdPorc->text().trimmed().isEmpty())
        return Refuse(QStringLiteral("Запишите название порции"), EdPorc);
    if (EdGramm->text().trimmed().isEmpty())
        return Refuse(QStringLiteral("Запишите количество грамм в порции, если неизвестно -то "
                                     "запишите 0"),
                      EdGramm);
    if (IsBelowZero(EdGramm->text()))
        return Refuse(BelowZeroMessage(Label5->text()), EdGramm);
    // The dish becomes a product of the catalog, so it needs a group to be listed under.
    if (CBGrup->currentIndex() < 0)
        return Refuse(QStringLiteral("Выберите группу для блюда"), CBGrup);
    TReadyDish dish;
    dish.name = EdProd->text();
    dish.group = CBGrup->currentData().toInt();
    dish.portionName = EdPorc->text();
    dish.portions = portions;
    dish.portionGrams = StrToInt(EdGramm->text());
    dish.totals = FTotals;
    CheckReadyDish(dish, EDMera->text());
    StoreReadyDish(DM->ADOTrans, DM->SQL1, dish, [this] {
        FMessage->Show(QStringLiteral("Все меры, включая меру 100г, будут пересчитаны с учетом "
                                      "новых данных по соотношению ккал-грамм"),
                       this);
    });
    SelectGroupInTree(dish.group);
    MainWindow()->APaintTVProd();
    Close();
}

void TfPorc::SelectGroupInTree(int idGrup) {
    QTreeWidget* tree = MainWindow()->TVGrup;
    TPaintingSuspended suspended(tree);
    if (QTreeWidgetItem* node = FindNodeById(tree, idGrup))
        SelectNode(tree, node);
}
