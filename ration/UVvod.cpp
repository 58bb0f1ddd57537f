#include "ration/UVvod.h"

#include "base/UErrors.h"
#include "base/UFormat.h"
#include "ration/URacionEntry.h"
#include "store/UDM.h"
#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/UKeyFilters.h"
#include "ui/UKeys.h"
#include "ui/UListView.h"
#include "ui/UMainWindowFace.h"
#include "ui/UMessage.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimeEdit>
#include <QToolButton>

TfVvod* fVvod = nullptr;

const QString TfVvod::kNewCaption = QStringLiteral("Занести продукт в рацион");
const QString TfVvod::kChangeCaption = QStringLiteral("Изменение продукта в рационе");

namespace {

const QString kCountMissing = QStringLiteral("Введите количество порций");

TXiButton* BoldButton(QWidget* parent, const char* name, const QString& caption,
                      const QRect& geometry) {
    auto* button = Placed(new TXiButton(caption, parent), name, geometry);
    button->setFont(Verdana8(true));
    return button;
}

// The product's values per 100 g, if its row still exists.
bool ReadProduct(int idProd, TProductValues& values) {
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT * FROM tab_prod WHERE id_prod=:id_prod"));
    q.SetParam(QStringLiteral("id_prod"), idProd);
    q.Open();
    if (q.RecordCount() == 0)
        return false;
    values = {q.Fields(2).AsFloat(), q.Fields(3).AsFloat(), q.Fields(4).AsFloat(),
              q.Fields(5).AsFloat()};
    return true;
}

// The weight and energy of one portion of the measure; 0 and 0 when it is gone.
void ReadMeasure(int idMif, int& grams, double& kkal) {
    TQuery& q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("SELECT g_mera,kkal_mera FROM tab_mera WHERE id_mif=") +
             QString::number(idMif));
    q.Open();
    grams = 0;
    kkal = 0;
    if (q.RecordCount() == 0)
        return;
    grams = q.Fields(0).AsInteger();
    kkal = q.Fields(1).AsFloat();
}

} // namespace

TfVvod::TfVvod(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fVvod"));
    SetCaption(kNewCaption);
    SetClientSize(544, 268);
    setFont(MsSansSerif8());

    XiPanel1 = Placed(new TXiPanel(this), "XiPanel1", QRect(0, 0, 544, 268));
    Panel1 = Placed(new QFrame(XiPanel1), "Panel1", QRect(0, 0, 544, 56));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    FillWithColour(Panel1, QColor(245, 223, 156));
    Label1 = NewLabel(Panel1, "Label1", QStringLiteral("Время приема "), QPoint(16, 21));
    DTP = Placed(new QTimeEdit(Panel1), "DTP", QRect(102, 18, 105, 21));
    DTP->setDisplayFormat(QStringLiteral("HH:mm"));
    DTP->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    ButNow = BoldButton(Panel1, "ButNow", QStringLiteral("Сейчас"), QRect(219, 18, 70, 21));
    ButNow->setToolTip(QStringLiteral("Записать текущее время"));

    Label2 = NewLabel(XiPanel1, "Label2", QStringLiteral("Продукт"), QPoint(16, 64));
    EdNaim = Placed(new QLineEdit(XiPanel1), "EdNaim", QRect(16, 80, 505, 19));
    EdNaim->setReadOnly(true);
    EdNaim->setFont(Verdana8(true));
    RG = Placed(
        new TRadioGroup({QStringLiteral("граммы"), QStringLiteral("порция")}, {24, 57}, XiPanel1),
        "RG", QRect(16, 112, 505, 89));
    RG->setToolTip(QStringLiteral("можно выбрать или граммы, или порцию для занесения в рацион"));
    FillWithColour(RG, QColor(253, 242, 198));
    EdGramm =
        Placed(new QLineEdit(QStringLiteral("100"), XiPanel1), "EdGramm", QRect(352, 136, 97, 19));
    CBMera = Placed(new QComboBox(XiPanel1), "CBMera", QRect(88, 168, 257, 21));
    CBMera->setEditable(false);
    EDMera =
        Placed(new QLineEdit(QStringLiteral("1"), XiPanel1), "EDMera", QRect(352, 168, 81, 19));
    UD = Placed(new TUpDown(XiPanel1), "UD", QRect(433, 166, 17, 21));
    ButDa = BoldButton(XiPanel1, "ButDa", QStringLiteral("Да"), QRect(168, 221, 75, 25));
    ButNo = BoldButton(XiPanel1, "ButNo", QStringLiteral("Нет"), QRect(272, 221, 75, 25));
    SetKind(0);

    Connect(ButNow, &QPushButton::clicked, this, [this] { ButNowClick(); });
    for (int i = 0; i < RG->Count(); ++i)
        Connect(RG->Button(i), &QRadioButton::clicked, this, [this] { RGClick(); });
    Connect(UD->BtnUp, &QToolButton::clicked, this, [this] { UDClick(TUDButton::Up); });
    Connect(UD->BtnDown, &QToolButton::clicked, this, [this] { UDClick(TUDButton::Down); });
    KeysOf(DTP)->KeyDown = [this](int& key, Qt::KeyboardModifiers) { DTPKeyDown(key); };
    KeysOf(EdGramm)->KeyDown = [this](int& key, Qt::KeyboardModifiers) { EdGrammKeyDown(key); };
    KeysOf(EdGramm)->KeyPress = [this](QChar& key) { EdGrammKeyPress(key); };
    KeysOf(EDMera)->KeyPress = [this](QChar& key) { EDMeraKeyPress(key); };
    Connect(ButDa, &QPushButton::clicked, this, [this] { ButDaClick(); });
    Connect(ButNo, &QPushButton::clicked, this, [this] { SetModalResult(mrNo); });
}

void TfVvod::FormCreate() {
    DTP->setTime(QTime::currentTime());
    CurRacId = -1;
}

void TfVvod::FormShow() {
    DTP->setFocus();
    if (Caption() == kChangeCaption)
        return;
    if (const QTreeWidgetItem* product = MainWindow()->LVProd->Selected())
        FillMeasures(TListView::Data(product));
    EdGramm->setText(QStringLiteral("0"));
    EDMera->setText(QStringLiteral("1"));
    SetKind(0);
    // The ration is in time order, so its last entry is the latest meal.
    if (MainWindow()->LVRac->Count() > 0 && !ArraySave.empty())
        DTP->setTime(DateTimeToQDateTime(ArraySave.back().vremy).time());
    else
        DTP->setTime(QTime::currentTime());
}

void TfVvod::FillMeasures(int idProd) {
    CBMera->clear();
    TQuery& q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("Select * FROM tab_mera WHERE id_prod=:id_prod ORDER BY id_mif"));
    q.SetParam(QStringLiteral("id_prod"), idProd);
    q.Open();
    for (; !q.Eof(); q.Next())
        CBMera->addItem(q.Fields(2).AsString(), q.Fields(0).AsInteger());
    if (CBMera->count() >= 2)
        CBMera->setCurrentIndex(1);
    else if (CBMera->count() == 1)
        CBMera->setCurrentIndex(0);
}

void TfVvod::SetKind(int index) {
    RG->SetItemIndex(index);
    RGClick();
}

void TfVvod::RGClick() {
    const bool grams = RG->ItemIndex() == 0;
    EdGramm->setEnabled(grams);
    CBMera->setEnabled(!grams);
    EDMera->setEnabled(!grams);
    UD->setEnabled(!grams);
}

void TfVvod::UDClick(TUDButton button) {
    const QString text = EDMera->text();
    if (button == TUDButton::Up) {
        EDMera->setText(text.isEmpty() ? QStringLiteral("0") : FormatGeneral(StrToFloat(text) + 1));
        return;
    }
    const double lower = StrToFloat(text) - 1;
    if (lower > 0.1)
        EDMera->setText(FormatGeneral(lower));
}

void TfVvod::ButNowClick() {
    DTP->setTime(QTime::currentTime());
}

void TfVvod::DTPKeyDown(int& key) {
    if (!IsEnterKey(key))
        return;
    key = 0;
    QLineEdit* next = EdGramm->isEnabled() ? EdGramm : EDMera;
    next->setFocus();
    next->selectAll();
}

void TfVvod::EdGrammKeyDown(int& key) {
    if (!IsEnterKey(key))
        return;
    key = 0;
    ButDaClick();
}

void TfVvod::EdGrammKeyPress(QChar& key) {
    key = AmountChar(key, EdGramm->text());
}

void TfVvod::EDMeraKeyPress(QChar& key) {
    key = AmountChar(key, EDMera->text());
}

void TfVvod::ButDaClick() {
    const bool portions = RG->ItemIndex() == 1;
    if (portions && EDMera->text().isEmpty()) {
        FMessage->Show(kCountMissing, this);
        return;
    }
    // A pasted count below zero is refused as a count of 0 is.
    if (portions && StrToFloat(EDMera->text()) <= 0) {
        EDMera->setFocus();
        FMessage->Show(kCountMissing, this);
        return;
    }
    if (!portions && IsBelowZero(EdGramm->text())) {
        EdGramm->setFocus();
        FMessage->Show(BelowZeroMessage(QStringLiteral("граммы")), this);
        return;
    }
    int grams = 0;
    double count = 0;
    int measure = 0;
    if (portions) {
        count = StrToFloat(EDMera->text());
        if (CBMera->currentIndex() < 0)
            throw EAppError(QStringLiteral("У продукта нет мер (порций)"));
        measure = CBMera->currentData().toInt();
    } else {
        grams = StrToInt(EdGramm->text());
    }

    const bool change = Caption() == kChangeCaption;
    if (change && (EditIndex < 0 || EditIndex >= int(ArraySave.size()))) {
        Close();
        return;
    }
    const QTreeWidgetItem* selected = MainWindow()->LVProd->Selected();
    const int idProd = change     ? ArraySave[std::size_t(EditIndex)].id_prod
                       : selected ? TListView::Data(selected)
                                  : 0;
    TProductValues product;
    if (!ReadProduct(idProd, product)) {
        FMessage->Show(QStringLiteral("Продукт был удален"), this);
        Close();
        return;
    }

    // The entry is made whole before the ration is touched.
    TRacionItem entry = change ? ArraySave[std::size_t(EditIndex)] : TRacionItem{};
    entry.id_prod = idProd;
    entry.vremy = TimeOfDayHHmm00(DTP->time());
    if (portions) {
        int gMera = 0;
        double kkalMera = 0;
        ReadMeasure(measure, gMera, kkalMera);
        SetPortionAmount(entry, measure, count, gMera, kkalMera, product);
    } else {
        SetGramsAmount(entry, grams, product);
    }
    const QString typed = portions ? EDMera->text() : EdGramm->text();
    for (double value : {entry.kkal, entry.bel, entry.zir, entry.ugl})
        FiniteResult(value, typed);

    // Placed on a copy: a merge that cannot be made leaves the ration as it was.
    TArraySave ration = ArraySave;
    if (change)
        ration.erase(ration.begin() + EditIndex);
    else if (MainWindow()->LVRac->Count() == 0)
        ration.clear();
    ration.push_back(entry);
    PlaceLastEntry(ration);
    ArraySave = std::move(ration);
    MainWindow()->RacionSaved = false;
    SetModalResult(mrOk);
    MainWindow()->APaintLVRAc();
    MainWindow()->AEnable();
}
