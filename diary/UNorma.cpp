#include "diary/UNorma.h"

#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/UKeyFilters.h"
#include "ui/UKeys.h"
#include "ui/UMessage.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

TfNorma* fNorma = nullptr;

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 300;
// The three columns of label and field.
constexpr int kLabelLeft[3] = {16, 196, 356};
constexpr int kFieldLeft[3] = {110, 262, 436};
constexpr int kFieldWidth = 60;

QLabel* FieldLabel(QWidget* parent, const char* name, const QString& text, int column, int top) {
    return NewLabel(parent, name, text, QPoint(kLabelLeft[column], top + 4));
}

QLineEdit* Field(QWidget* parent, const char* name, int column, int top) {
    return NewEdit(parent, name, QRect(kFieldLeft[column], top, kFieldWidth, 21));
}

// Digits and one decimal separator, one decimal kept at most.
void OneDecimalField(QLineEdit* edit) {
    KeysOf(edit)->KeyPress = [edit](QChar& key) { key = AmountChar(key, edit->text()); };
    // Connected before the computation, so that it reads the text as cut.
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] {
        QString text = edit->text();
        if (CutToOneDecimal(text)) {
            edit->setText(text);
            edit->setCursorPosition(int(text.size()));
        }
    });
}

void WholeField(QLineEdit* edit) {
    KeysOf(edit)->KeyPress = [](QChar& key) { key = DigitChar(key); };
}

} // namespace

TfNorma::TfNorma(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fNorma"));
    SetCaption(QStringLiteral("Дневная норма"));
    setFont(MsSansSerif8());
    SetClientSize(kWidth, kHeight);
    CreateControls();
    ConnectHandlers();
}

void TfNorma::CreateControls() {
    XiPanel1 = Placed(new TXiPanel(this), "XiPanel1", QRect(0, 0, kWidth, kHeight));
    RGPol = Placed(
        new TRadioGroup({QStringLiteral("мужской"), QStringLiteral("женский")}, {20, 20}, XiPanel1),
        "RGPol", QRect(8, 8, kWidth - 16, 46));
    RGPol->setTitle(QStringLiteral("Пол"));
    RGPol->Button(1)->move(kFieldLeft[1] - 8, 20);
    FillWithColour(RGPol, QColor(253, 242, 198));

    LabVozrast = FieldLabel(XiPanel1, "LabVozrast", QStringLiteral("Возраст, лет"), 0, 66);
    EdVozrast = Field(XiPanel1, "EdVozrast", 0, 66);
    LabRost = FieldLabel(XiPanel1, "LabRost", QStringLiteral("Рост, см"), 1, 66);
    EdRost = Field(XiPanel1, "EdRost", 1, 66);
    LabVes = FieldLabel(XiPanel1, "LabVes", QStringLiteral("Вес, кг"), 2, 66);
    EdVes = Field(XiPanel1, "EdVes", 2, 66);

    LabAktivnost = FieldLabel(XiPanel1, "LabAktivnost", QStringLiteral("Активность"), 0, 98);
    CBAktivnost = Placed(new QComboBox(XiPanel1), "CBAktivnost",
                         QRect(kFieldLeft[0], 98, kWidth - 8 - kFieldLeft[0], 22));
    CBAktivnost->addItems(kAktivnostItems);
    LabCel = FieldLabel(XiPanel1, "LabCel", QStringLiteral("Цель"), 0, 130);
    CBCel = Placed(new QComboBox(XiPanel1), "CBCel", QRect(kFieldLeft[0], 130, 200, 22));
    CBCel->addItems(kCelItems);

    LabBelProc = FieldLabel(XiPanel1, "LabBelProc", QStringLiteral("Белки, %"), 0, 164);
    EdBelProc = Field(XiPanel1, "EdBelProc", 0, 164);
    LabZirProc = FieldLabel(XiPanel1, "LabZirProc", QStringLiteral("Жиры, %"), 1, 164);
    EdZirProc = Field(XiPanel1, "EdZirProc", 1, 164);
    LabUglProc = FieldLabel(XiPanel1, "LabUglProc", QStringLiteral("Углеводы, %"), 2, 164);
    EdUglProc = Field(XiPanel1, "EdUglProc", 2, 164);

    CBVruchnuyu = Placed(new QCheckBox(QStringLiteral("задать калорийность вручную"), XiPanel1),
                         "CBVruchnuyu", QRect(kLabelLeft[0], 198, 220, 21));
    LabKkal = FieldLabel(XiPanel1, "LabKkal", QStringLiteral("Калорийность, ккал"), 2, 198);
    LabKkal->move(kFieldLeft[2] - 8 - LabKkal->width(), LabKkal->y());
    EdKkal = Field(XiPanel1, "EdKkal", 2, 198);

    LabRaschet = Placed(new QLabel(XiPanel1), "LabRaschet", QRect(16, 228, kWidth - 32, 32));
    LabRaschet->setWordWrap(true);
    LabRaschet->setFont(MsSansSerif8(true));

    ButOK = NewButton(XiPanel1, "ButOK", QStringLiteral("ОК"), QRect(kWidth - 192, 268, 86, 25));
    ButCancel =
        NewButton(XiPanel1, "ButCancel", QStringLiteral("Отмена"), QRect(kWidth - 94, 268, 86, 25));
}

void TfNorma::ConnectHandlers() {
    WholeField(EdVozrast);
    for (QLineEdit* edit : {EdRost, EdVes, EdBelProc, EdZirProc, EdUglProc})
        OneDecimalField(edit);
    WholeField(EdKkal);
    for (QLineEdit* edit : {EdVozrast, EdRost, EdVes, EdBelProc, EdZirProc, EdUglProc, EdKkal})
        Connect(edit, &QLineEdit::textEdited, this, [this] { UpdateRaschet(); });
    for (int i = 0; i < RGPol->Count(); ++i)
        Connect(RGPol->Button(i), &QRadioButton::clicked, this, [this] { UpdateRaschet(); });
    for (QComboBox* choice : {CBAktivnost, CBCel})
        Connect(choice, &QComboBox::activated, this, [this] { UpdateRaschet(); });
    Connect(CBVruchnuyu, &QCheckBox::clicked, this, [this] { CBVruchnuyuClick(); });
    Connect(ButOK, &QPushButton::clicked, this, [this] { ButOKClick(); });
    Connect(ButCancel, &QPushButton::clicked, this, [this] { ButCancelClick(); });
}

TNormaInput TfNorma::Input() const {
    TNormaInput input;
    input.pol = RGPol->ItemIndex();
    input.vozrast = EdVozrast->text();
    input.rost = EdRost->text();
    input.ves = EdVes->text();
    input.aktivnost = CBAktivnost->currentIndex();
    input.cel = CBCel->currentIndex();
    input.belProc = EdBelProc->text();
    input.zirProc = EdZirProc->text();
    input.uglProc = EdUglProc->text();
    input.vruchnuyu = CBVruchnuyu->isChecked();
    input.kkal = EdKkal->text();
    return input;
}

void TfNorma::ShowInput(const TNormaInput& input) {
    RGPol->SetItemIndex(input.pol);
    EdVozrast->setText(input.vozrast);
    EdRost->setText(input.rost);
    EdVes->setText(input.ves);
    CBAktivnost->setCurrentIndex(input.aktivnost);
    CBCel->setCurrentIndex(input.cel);
    EdBelProc->setText(input.belProc);
    EdZirProc->setText(input.zirProc);
    EdUglProc->setText(input.uglProc);
    CBVruchnuyu->setChecked(input.vruchnuyu);
    EdKkal->setText(input.kkal);
    CBVruchnuyuClick();
}

void TfNorma::FormShow() {
    const std::optional<TNorma>& stored = CurrentNorma();
    ShowInput(InputOfNorma(stored ? *stored : TNorma()));
    EdVozrast->setFocus();
}

void TfNorma::UpdateRaschet() {
    const TNormaView view = ViewOfInput(Input());
    if (!CBVruchnuyu->isChecked())
        EdKkal->setText(view.kkal);
    LabRaschet->setText(view.raschet);
}

void TfNorma::CBVruchnuyuClick() {
    EdKkal->setReadOnly(!CBVruchnuyu->isChecked());
    UpdateRaschet();
}

QLineEdit* TfNorma::FieldOf(TNormaField field) const {
    switch (field) {
    case TNormaField::Vozrast:
        return EdVozrast;
    case TNormaField::Rost:
        return EdRost;
    case TNormaField::Ves:
        return EdVes;
    case TNormaField::BelProc:
        return EdBelProc;
    case TNormaField::ZirProc:
        return EdZirProc;
    case TNormaField::UglProc:
        return EdUglProc;
    case TNormaField::Kkal:
        break;
    }
    return EdKkal;
}

void TfNorma::ButOKClick() {
    const auto checked = CheckNorma(Input());
    if (const auto* refusal = std::get_if<TNormaRefusal>(&checked)) {
        FMessage->Show(refusal->message, this);
        FieldOf(refusal->field)->setFocus();
        return;
    }
    StoreNorma(std::get<TNorma>(checked));
    SetModalResult(mrOk);
}

void TfNorma::ButCancelClick() {
    Close();
}
