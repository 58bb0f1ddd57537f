// The day against the norm in the main window's button bar.

#include "app/UMain.h"
#include "diary/UNorma.h"
#include "diary/UNormaBar.h"
#include "ui/UAlign.h"
#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UListView.h"
#include "ui/USkin.h"

#include <QProgressBar>

namespace {

// The middle of the bar, between the left button pairs and the export buttons.
constexpr int kLeft = 284;
constexpr int kButtonWidth = 100;

} // namespace

void TfMain::CreateNormaArea() {
    PBNorma = Named(new QProgressBar(XiPanel1), "PBNorma");
    PBNorma->setGeometry(kLeft, 12, ButExcel->x() - 8 - kLeft, 28);
    PBNorma->setTextVisible(true);
    PBNorma->setAlignment(Qt::AlignCenter);
    SetAnchors(PBNorma, akLeft | akRight | akTop);
    // A light fill, so that the text stays readable over it in either colour.
    QPalette palette = PBNorma->palette();
    palette.setColor(QPalette::Highlight, QColor(174, 214, 140));
    PBNorma->setPalette(palette);
    // ButDnevnik comes beside it.
    ButNorma =
        NewButton(XiPanel1, "ButNorma", QStringLiteral("Норма"), QRect(kLeft, 48, kButtonWidth, 28),
                  QStringLiteral("Задать дневную норму калорий, белков, жиров и углеводов"));
}

void TfMain::ConnectNormaHandlers() {
    Connect(ButNorma, &QPushButton::clicked, this, [this] { ButNormaClick(); });
}

void TfMain::APaintNorma() {
    const QString dayKkal =
        LVItog->Count() > 0 ? TListView::SubItem(LVItog->Item(0), 3) : QString();
    const TNormaBar bar = NormaBar(CurrentNorma(), dayKkal);
    PBNorma->setRange(0, bar.maximum);
    PBNorma->setValue(bar.value);
    PBNorma->setFormat(bar.text);
    QPalette palette = PBNorma->palette();
    const QColor text = bar.over ? QColor(Qt::red) : QColor(Qt::black);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::HighlightedText})
        palette.setColor(role, text);
    PBNorma->setPalette(palette);
}

void TfMain::ButNormaClick() {
    fNorma->CentreOver(this);
    if (fNorma->ShowModal() == mrOk)
        APaintNorma();
}
