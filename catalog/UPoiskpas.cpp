#include "catalog/UPoiskpas.h"

#include "base/UFormat.h"
#include "catalog/UProductSearch.h"
#include "store/UDM.h"
#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/UListView.h"
#include "ui/UMainWindowFace.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

TfPoisk* fPoisk = nullptr;

const QString kStartSearchCaption = QStringLiteral("Начать поиск");
const QString kFindNextCaption = QStringLiteral("Найти далее");

TfPoisk::TfPoisk(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fPoisk"));
    SetCaption(QStringLiteral("Поиск продукта"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    SetClientSize(kWidth, kShortHeight);
    XiPanel1 = Placed(new TXiPanel(this), "XiPanel1", QRect(0, 0, kWidth, kListHeight));

    Label1 =
        Placed(new QLabel(QStringLiteral("Искать "), XiPanel1), "Label1", QRect(10, 14, 48, 14));
    EdPoisk = Placed(new QLineEdit(XiPanel1), "EdPoisk", QRect(58, 10, 220, 22));
    EdPoisk->setFont(Verdana8(true));
    ButOK = NewButton(XiPanel1, "ButOK", kStartSearchCaption, QRect(288, 9, 98, 25));
    ButOK->setDefault(true);

    RG = new TRadioGroup({QStringLiteral("посимсольно"), QStringLiteral("слово"),
                          QStringLiteral("результат списком")},
                         {20, 20, 20}, XiPanel1);
    RG->setObjectName(QStringLiteral("RG"));
    RG->setGeometry(10, 42, 376, 50);
    // Three columns: the first at the left edge, the last at the right, the middle between.
    const int inner = RG->width() - 20;
    int used = 0;
    for (int i = 0; i < RG->Count(); ++i)
        used += RG->Button(i)->width();
    const int gap = (inner - used) / (RG->Count() - 1);
    for (int i = 0, x = 10; i < RG->Count(); x += RG->Button(i)->width() + gap, ++i)
        RG->Button(i)->move(x, 20);
    RG->SetItemIndex(kByWord);
    ButCancel =
        NewButton(XiPanel1, "ButCancel", QStringLiteral("Завершить"), QRect(288, 104, 98, 25));

    Label2 = new QLabel(QStringLiteral("чтобы найти продукт в общем списке -двойной щелчок мышкой"),
                        XiPanel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(10, 138, 376, 14);
    Label2->setFont(MsSansSerif8());
    Label2->hide();
    LVProd = Placed(new TListView(XiPanel1), "LVProd", QRect(10, 156, 376, 176));
    LVProd->SetColumns(
        {{QStringLiteral("Название"), 300}, {QStringLiteral("Ккал"), 87}, {QString(), 0}});
    LVProd->setFont(Verdana8(true));
    LVProd->hide();

    Connect(EdPoisk, &QLineEdit::textEdited, this, [this] { EdPoiskChange(); });
    Connect(ButOK, &QPushButton::clicked, this, [this] { ButOKClick(); });
    Connect(ButCancel, &QPushButton::clicked, this, [this] { ButCancelClick(); });
    Connect(LVProd, &QTreeWidget::itemDoubleClicked, this, [this] { LVProdDblClick(); });
}

void TfPoisk::EdPoiskChange() {
    if (RG->ItemIndex() != kByLetter) {
        ButOK->setText(kStartSearchCaption);
        return;
    }
    OpenSearch(DM->SQL1, TSearchKind::BeginsWith, EdPoisk->text());
    if (const auto match = CurrentMatch(DM->SQL1))
        ShowSearchMatch(*match);
}

void TfPoisk::ButOKClick() {
    const QString text = EdPoisk->text();
    if (RG->ItemIndex() == kAsList) {
        if (!text.isEmpty())
            ListMatches(text);
        return;
    }
    SetClientHeight(kShortHeight);
    LVProd->hide();
    Label2->hide();
    TQuery& run = DM->SQL1;
    if (ButOK->text() == kFindNextCaption)
        run.Next();
    else
        OpenSearch(run, TSearchKind::Contains, text);
    ShowRunMatch();
}

void TfPoisk::ListMatches(const QString& text) {
    SetClientHeight(kListHeight);
    LVProd->show();
    Label2->show();
    TQuery& run = DM->SQL1;
    OpenSearch(run, TSearchKind::List, text);
    LVProd->Clear();
    std::vector<TListRow> rows;
    rows.reserve(std::size_t(run.RecordCount()));
    for (; !run.Eof(); run.Next())
        rows.push_back({run.Fields(2).AsString(),
                        {FormatOneDecimal(run.Fields(5).AsFloat()),
                         QString::number(run.Fields(1).AsInteger())},
                        run.Fields(0).AsInteger()});
    LVProd->AddItems(rows);
}

void TfPoisk::ShowRunMatch() {
    const auto match = CurrentMatch(DM->SQL1);
    if (match && ShowSearchMatch(*match))
        ButOK->setText(kFindNextCaption);
}

void TfPoisk::LVProdDblClick() {
    const QTreeWidgetItem* item = LVProd->Selected();
    if (!item)
        return;
    ShowSearchMatch({TListView::Data(item), TListView::SubItem(item, 1).toInt()});
}

void TfPoisk::ButCancelClick() {
    Close();
}

void TfPoisk::FormClose() {
    ButOK->setText(kStartSearchCaption);
}
