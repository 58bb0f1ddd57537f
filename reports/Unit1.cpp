#include "reports/Unit1.h"

#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/USeams.h"
#include "ui/USkin.h"

#include <QPlainTextEdit>

TfHTML* fHTML = nullptr;

TfHTML::TfHTML(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fHTML"));
    SetCaption(QStringLiteral("Код для вставки в HTML-страницы"));
    SetClientSize(521, 345);
    XiPanel1 = Placed(new TXiPanel(this), "XiPanel1", QRect(0, 0, 521, 345));
    RE = Placed(new QPlainTextEdit(XiPanel1), "RE", QRect(8, 8, 505, 289));
    RE->setFont(MsSansSerif8());
    RE->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    RE->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    RE->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RE->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ButDa = NewButton(XiPanel1, "ButDa", QStringLiteral("Копировать"), QRect(211, 309, 99, 25));
    Connect(ButDa, &QPushButton::clicked, this, [this] { ButDaClick(); });
}

void TfHTML::ShowCode(const QString& code, const QWidget* over) {
    RE->setPlainText(code);
    CentreOver(over);
    ShowModal();
}

void TfHTML::SelectAll() {
    RE->selectAll();
    RE->setFocus();
}

void TfHTML::FormShow() {
    SelectAll();
}

void TfHTML::ButDaClick() {
    SelectAll();
    // The whole text is selected, so the selection is the text with its own line breaks.
    Seams().SetClipboardText(RE->toPlainText());
}
