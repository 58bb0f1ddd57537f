#include "app/UMain.h"

#include "app/UMy.h"
#include "base/UFormat.h"
#include "catalog/UNewProd.h"
#include "platform/UProgramFolder.h"
#include "ration/URacion.h"
#include "store/UDM.h"
#include "ui/UAlign.h"
#include "ui/UControls.h"
#include "ui/UDialog.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/UListView.h"
#include "ui/UPictures.h"
#include "ui/USeams.h"
#include "ui/USkin.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

TfMain* fMain = nullptr;

const QString TfMain::kProductName = QStringLiteral("Едомер");
const QString TfMain::kAuthor = QStringLiteral("Иван Весов");
const QString TfMain::kWebAddress = QStringLiteral("https://edomer.example.org");

namespace {

constexpr int kDesignWidth = 866;
constexpr int kDesignHeight = 748;
// The least room between two controls side by side.
constexpr int kGap = 8;

// A borderless edit over the day-total list, in its colours.
QLineEdit* TotalsEdit(QWidget* parent, const char* name, const QRect& geometry) {
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setGeometry(geometry);
    edit->setFrame(false);
    edit->setFont(Verdana8(true));
    edit->setStyleSheet(
        QStringLiteral("QLineEdit { background: rgb(253, 242, 198); color: red; }"));
    return edit;
}

void SetListColours(TListView* list, const QColor& background, const QColor& text) {
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    list->setPalette(palette);
    KeepSelectionVisible(list);
}

std::vector<TListColumn> RationColumns(const QString& gramsTitle) {
    return {{QStringLiteral("Время"), 50},
            {QStringLiteral("Продукт"), 300},
            {QStringLiteral("Порция"), 135},
            {gramsTitle, 60, Qt::AlignRight},
            {QStringLiteral("ккал"), 60, Qt::AlignRight},
            {QStringLiteral("Б"), 50, Qt::AlignRight},
            {QStringLiteral("Ж"), 50, Qt::AlignRight},
            {QStringLiteral("У"), 50, Qt::AlignRight}};
}

} // namespace

TfMain::TfMain(QWidget* parent) : TMainWindowFace(parent) {
    setObjectName(QStringLiteral("fMain"));
    setWindowTitle(kProductName + QStringLiteral(" — ") + kAuthor + QStringLiteral(" — ") +
                   kWebAddress);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setMinimumSize(kDesignWidth, kDesignHeight);
    resize(kDesignWidth, kDesignHeight);
    IL1 = GroupNodeIcon();
    CreateFrame();
    CreateCatalogArea();
    CreateRationArea();
    CreateButtonBar();
    FormCanResize(width());
    Connect(XiButton1, &QPushButton::clicked, this, [this] { XiButton1Click(); });
    ConnectGrupHandlers();
    ConnectGrupEditHandlers();
    ConnectProdHandlers();
    ConnectPoiskHandlers();
    ConnectRacionHandlers();
    ConnectVvodHandlers();
    ConnectSaveRacionHandlers();
    ConnectBludoHandlers();
    ConnectReportHandlers();
    ConnectNormaHandlers();
    ConnectDnevnikHandlers();
}

void TfMain::CreateFrame() {
    PanelMenu = Named(new TXiPanel(this), "PanelMenu");
    PanelMenu->setGeometry(0, 0, kDesignWidth, 1);
    SetAlign(PanelMenu, TAlign::Top);
    Panel1 = Named(new QWidget(this), "Panel1");
    Panel1->setGeometry(0, 1, kDesignWidth, 312);
    SetAlign(Panel1, TAlign::Top);
    Panel_racion = Named(new TXiPanel(this), "Panel_racion");
    Panel_racion->setGeometry(0, 313, kDesignWidth, kDesignHeight - 313);
    SetAlign(Panel_racion, TAlign::Client);
}

void TfMain::CreateCatalogArea() {
    Panel_Grup = Named(new TXiPanel(Panel1), "Panel_Grup");
    Panel_Grup->setGeometry(0, 0, 408, 312);
    SetAlign(Panel_Grup, TAlign::Left);
    panel_prod = Named(new TXiPanel(Panel1), "panel_prod");
    panel_prod->setGeometry(408, 0, kDesignWidth - 408, 312);
    SetAlign(panel_prod, TAlign::Client);

    LabGrup = NewLabel(Panel_Grup, "LabGrup", QStringLiteral("Группы продуктов"), QPoint(8, 8));
    LabGrup->setFont(Verdana8(true));
    LabGrup->adjustSize();
    ButVerh = NewButton(Panel_Grup, "ButVerh", QString(), QRect(140, 4, 24, 22),
                        QStringLiteral("Переместить группу вверх"));
    ButVerh->setIcon(ArrowIcon(true));
    ButVniz = NewButton(Panel_Grup, "ButVniz", QString(), QRect(168, 4, 24, 22),
                        QStringLiteral("Переместить группу вниз"));
    ButVniz->setIcon(ArrowIcon(false));
    TVGrup = Named(new QTreeWidget(Panel_Grup), "TVGrup");
    TVGrup->setGeometry(8, 30, 377, 240);
    TVGrup->setMinimumWidth(377);
    TVGrup->setHeaderHidden(true);
    TVGrup->setIndentation(19);
    TVGrup->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TVGrup->setSelectionMode(QAbstractItemView::SingleSelection);
    TVGrup->setFont(Verdana8(true));
    KeepSelectionVisible(TVGrup);
    SetAnchors(TVGrup, akLeft | akTop | akRight | akBottom);
    XiButton1 = NewButton(Panel_Grup, "XiButton1", QString(), QRect(385 - 24, 4, 24, 22),
                          QStringLiteral("Справка"));
    XiButton1->setIcon(HelpIcon());
    ButNewGrup1 =
        NewButton(Panel_Grup, "ButNewGrup1", QStringLiteral("Добавить"), QRect(8, 278, 90, 25),
                  QStringLiteral("Добавить группу/подгруппу в список"));
    ButEditGrup = NewButton(Panel_Grup, "ButEditGrup", QStringLiteral("Изменить"),
                            QRect(104, 278, 90, 25), QStringLiteral("Изменить группу/подгруппу"));
    ButDelGrup = NewButton(Panel_Grup, "ButDelGrup", QStringLiteral("Удалить"),
                           QRect(200, 278, 90, 25), QStringLiteral("Удалить группу/подгруппу"));
    for (QWidget* w : {static_cast<QWidget*>(ButNewGrup1), static_cast<QWidget*>(ButEditGrup),
                       static_cast<QWidget*>(ButDelGrup)})
        SetAnchors(w, akLeft | akBottom);

    Label5 = NewLabel(panel_prod, "Label5", QStringLiteral("Искать "), QPoint(8, 10));
    EdPoisk = Named(new QLineEdit(panel_prod), "EdPoisk");
    EdPoisk->setGeometry(56, 6, 200, 21);
    LVProd = Named(new TListView(panel_prod), "LVProd");
    const int prodWidth = panel_prod->width() - 37;
    LVProd->setGeometry(8, 32, prodWidth, panel_prod->height() - 75);
    LVProd->SetColumns({{QStringLiteral("Название"), 300}, {QStringLiteral("Ккал"), 87}});
    LVProd->setFont(Verdana8(true));
    SetAnchors(LVProd, akLeft | akTop | akRight | akBottom);
    const int listRight = 8 + prodWidth;
    ButPoisk = NewButton(panel_prod, "ButPoisk", QStringLiteral(" Расширенный поиск"),
                         QRect(listRight - 150, 5, 150, 23),
                         QStringLiteral("Расширенный поиск продуктов по базе"));
    SetAnchors(ButPoisk, akRight | akTop);
    const int buttonsTop = LVProd->geometry().bottom() + 1 + 12;
    ButvRac = NewButton(panel_prod, "ButvRac", QStringLiteral("В рацион"),
                        QRect(8, buttonsTop, 90, 25), QStringLiteral("Занести продукт в рацион"));
    SetAnchors(ButvRac, akLeft | akBottom);
    ButDelProd = NewButton(panel_prod, "ButDelProd", QStringLiteral("Удалить"),
                           QRect(listRight - 80, buttonsTop, 80, 25),
                           QStringLiteral("Удалить продукт из списка"));
    ButEditProd = NewButton(panel_prod, "ButEditProd", QStringLiteral("Изменить"),
                            QRect(ButDelProd->x() - 10 - 80, buttonsTop, 80, 25),
                            QStringLiteral("Изменить свойства продукта"));
    ButNewProd = NewButton(panel_prod, "ButNewProd", QStringLiteral("Добавить"),
                           QRect(ButEditProd->x() - 10 - 80, buttonsTop, 80, 25),
                           QStringLiteral("Добавит новый продукт"));
    for (QWidget* w : {static_cast<QWidget*>(ButDelProd), static_cast<QWidget*>(ButEditProd),
                       static_cast<QWidget*>(ButNewProd)})
        SetAnchors(w, akRight | akBottom);
}

void TfMain::CreateRationArea() {
    const int innerWidth = kDesignWidth - 17;
    XiPanel2 = Named(new TXiPanel(Panel_racion), "XiPanel2");
    XiPanel2->setGeometry(8, 0, innerWidth, 340);
    SetAnchors(XiPanel2, akLeft | akTop | akRight | akBottom);

    const int listWidth = innerWidth - 16;
    Label3 =
        Named(new QLabel(QStringLiteral("Для изменения записи в рационе - двойной клик мышкой"),
                         XiPanel2),
              "Label3");
    const int hintWidth = Label3->sizeHint().width();
    Label3->setGeometry(8 + listWidth - hintWidth, 4, hintWidth, 14);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetAnchors(Label3, akRight | akTop);
    // The current ration's name has the room up to the hint; a longer name is cut there.
    Label1 = NewLabel(XiPanel2, "Label1", QString(), QPoint(8, 4));
    Label1->setFont(Verdana8(true));
    Label1->setStyleSheet(QStringLiteral("color: blue;"));
    Label1->resize(Label3->x() - kGap - 8, 14);
    SetAnchors(Label1, akLeft | akTop | akRight);

    LVRac = Named(new TListView(XiPanel2), "LVRac");
    LVRac->setGeometry(8, 20, listWidth, 252);
    LVRac->setMinimumWidth(825);
    LVRac->SetColumns(RationColumns(QStringLiteral("Граммы")));
    LVRac->SetGridLines(true);
    LVRac->setFont(Verdana8());
    SetListColours(LVRac, QColor(255, 251, 240), Qt::black);
    SetAnchors(LVRac, akLeft | akTop | akRight | akBottom);

    Label4 = NewLabel(XiPanel2, "Label4", QString(), QPoint(8, 274));
    Label4->hide();
    LVItog = Named(new TListView(XiPanel2), "LVItog");
    LVItog->setGeometry(8, 272, listWidth, 20);
    LVItog->SetColumns(RationColumns(QStringLiteral("Грамм")));
    LVItog->SetShowColumnHeaders(false);
    LVItog->SetGridLines(true);
    LVItog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LVItog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LVItog->setFont(Verdana8(true));
    SetListColours(LVItog, QColor(253, 242, 198), Qt::red);
    SetAnchors(LVItog, akLeft | akRight | akBottom);

    const int totalsRight = 8 + listWidth;
    Edit1 = TotalsEdit(XiPanel2, "Edit1", QRect(totalsRight - 22, 274, 20, 16));
    CBProc = Named(new QCheckBox(XiPanel2), "CBProc");
    CBProc->setGeometry(totalsRight - 40, 274, 16, 16);
    CBProc->setToolTip(QStringLiteral("Вид БЖУ: галочка -отображаются проценты, пустое - граммы"));
    CBProc->setStyleSheet(QStringLiteral("QCheckBox { background: rgb(253, 242, 198); }"));
    EProc = TotalsEdit(XiPanel2, "EProc", QRect(totalsRight - 70, 274, 28, 16));
    EProc->setReadOnly(true);
    for (QWidget* w : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(CBProc),
                       static_cast<QWidget*>(EProc)})
        SetAnchors(w, akRight | akBottom);

    CB1 = Named(new QCheckBox(QStringLiteral("Считать промежуточные итоги"), XiPanel2), "CB1");
    CB1->setGeometry(8, 300, CB1->sizeHint().width(), 17);
    CB1->setToolTip(QStringLiteral("Показывать Итого по каждому приему пищи"));
    CB1->setChecked(true);
    CB2 = Named(new QCheckBox(QStringLiteral("Показывать БЖУ"), XiPanel2), "CB2");
    CB2->setGeometry(250, 300, CB2->sizeHint().width(), 17);
    CB2->setToolTip(QStringLiteral("Показывать белки, жиры, углеводы в рационе"));
    CB2->setChecked(true);
    CBProc->setChecked(true);
    Label2 =
        Named(new QLabel(QStringLiteral("Для удаления продукта из рациона нажмите клавишу Delete"),
                         XiPanel2),
              "Label2");
    const int deleteHintWidth = Label2->sizeHint().width();
    Label2->setGeometry(totalsRight - deleteHintWidth, 302, deleteHintWidth, 14);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QWidget* w : {static_cast<QWidget*>(CB1), static_cast<QWidget*>(CB2)})
        SetAnchors(w, akLeft | akBottom);
    SetAnchors(Label2, akRight | akBottom);
}

void TfMain::CreateButtonBar() {
    const int innerWidth = kDesignWidth - 17;
    XiPanel1 = Named(new TXiPanel(Panel_racion), "XiPanel1");
    XiPanel1->setGeometry(8, 341, innerWidth, 89);
    SetAnchors(XiPanel1, akLeft | akRight | akBottom);
    ButSaveKak =
        NewButton(XiPanel1, "ButSaveKak", QStringLiteral("Сохранить "), QRect(8, 12, 130, 28));
    ButSave =
        NewButton(XiPanel1, "ButSave", QStringLiteral("Сохранить как"), QRect(8, 48, 130, 28));
    ButLoad = NewButton(XiPanel1, "ButLoad", QStringLiteral("Загрузить"), QRect(146, 12, 130, 28));
    ButClear = NewButton(XiPanel1, "ButClear", QStringLiteral("Очистить"), QRect(146, 48, 130, 28));
    const int right = innerWidth - 8;
    ButHTML =
        NewButton(XiPanel1, "ButHTML", QStringLiteral("в HTML"), QRect(right - 116, 12, 116, 28),
                  QStringLiteral("Сделать экспорт рациона в HTML (для интернета)"));
    ButExcel =
        NewButton(XiPanel1, "ButExcel", QStringLiteral("в Excel"), QRect(right - 240, 12, 116, 28),
                  QStringLiteral("Сделать экспорт рациона в Excel"));
    ButSlozn =
        NewButton(XiPanel1, "ButSlozn", QStringLiteral("записать как готовое блюдо"),
                  QRect(right - 240, 48, 240, 28),
                  QStringLiteral("Сохранить как гововое блюдо (и расчитать калорийность порции)"));
    for (QWidget* w : {static_cast<QWidget*>(ButHTML), static_cast<QWidget*>(ButExcel),
                       static_cast<QWidget*>(ButSlozn)})
        SetAnchors(w, akRight | akTop);
    CreateNormaArea();
    CreateDnevnikButton();
}

void TfMain::FormCreate() {
    AdaptToScreen();
    try {
        DM->qSaveRac.SetSQL(QStringLiteral("DELETE FROM TAB_PROD where id_grup=0"));
        DM->qSaveRac.ExecSQL();
    } catch (const std::exception&) {
        // The start-up cleanup fails silently, for example on a missing database.
    }
    APaintTVGrup();
    CB1->setChecked(ReadOption(QStringLiteral("CB1")));
    CB2->setChecked(ReadOption(QStringLiteral("CB2")));
    CB2Click();
    CBProc->setChecked(ReadOption(QStringLiteral("CB4")));
    CBProcClick();
    RacionSaved = true;
    APaintNorma();
}

void TfMain::AdaptToScreen() {
    const QSize screen = Seams().ScreenSize();
    if (screen.height() < 768) {
        const int height = screen.height() - 30;
        setMinimumHeight(height);
        resize(width(), height);
        Relayout(this);
        const int half = int(RoundHalfEven(screen.height() / 2.0)) - 90;
        SetHeight(Panel1, half);
        SetHeight(XiPanel2, half);
        SetTop(XiPanel1, XiPanel2->y() + XiPanel2->height() + 1);
    }
    if (screen.width() < 870) {
        // The window must fit the screen, so its minimum width follows it down.
        SetAlign(Panel_racion, TAlign::None);
        SetAlign(Panel1, TAlign::None);
        const int width = screen.width() - 20;
        setMinimumWidth(std::min(width, minimumWidth()));
        resize(width, height());
        SetAlign(Panel1, TAlign::Top);
        SetAlign(Panel_racion, TAlign::Client);
        FormCanResize(width);
        SetWidth(Panel_racion, this->width() - 10);
        // The ration table's minimum goes down with its panel, or its right end would be cut.
        LVRac->setMinimumWidth(
            std::min(LVRac->minimumWidth(), Panel_racion->width() - 17 - 2 * LVRac->x()));
        SetWidth(XiPanel2, Panel_racion->width() - 17);
        SetWidth(XiPanel1, Panel_racion->width() - 17);
        SetWidth(Panel_Grup, Panel1->width() / 2 - 20);
        SetWidth(panel_prod, Panel1->width() - Panel_Grup->width() - 2);
        for (TListView* list : {LVRac, LVItog}) {
            list->SetColumnWidth(2, list->ColumnWidth(2) - 60);
            int others = 0;
            for (int c = 2; c <= 7; ++c)
                others += list->ColumnWidth(c);
            list->SetColumnWidth(1, list->width() - list->ColumnWidth(0) - 140 - others);
        }
        SetBounds(LVProd,
                  QRect(LVProd->pos(), QSize(panel_prod->width() - 37, panel_prod->height() - 75)));
        SetWidth(EdPoisk, EdPoisk->width() - 20);
        const int listRight = LVProd->x() + LVProd->width();
        SetLeft(ButPoisk, listRight - ButPoisk->width());
        // The search field ends before the button that now stands nearer to it.
        SetWidth(EdPoisk, std::min(EdPoisk->width(), ButPoisk->x() - kGap - EdPoisk->x()));
        SetLeft(ButDelProd, ButPoisk->x() + ButPoisk->width() - ButDelProd->width());
        SetLeft(ButEditProd, ButDelProd->x() - 10 - ButEditProd->width());
        SetLeft(ButNewProd, ButEditProd->x() - 10 - ButNewProd->width());
        const int buttonsTop = LVProd->y() + LVProd->height() + 12;
        for (QWidget* w : {static_cast<QWidget*>(ButDelProd), static_cast<QWidget*>(ButEditProd),
                           static_cast<QWidget*>(ButNewProd)})
            SetTop(w, buttonsTop);
        LVProd->SetColumnWidth(0, LVProd->width() - LVProd->ColumnWidth(1) - 40);
        // The minimum goes down first, or it would hold the tree at its designed width.
        TVGrup->setMinimumWidth(Panel_Grup->width() - 31);
        SetWidth(TVGrup, Panel_Grup->width() - 31);
        SetLeft(XiButton1, TVGrup->x() + TVGrup->width() - XiButton1->width());
        FitDeleteHint();
    }
}

void TfMain::FitDeleteHint() {
    const int right = Label2->x() + Label2->width();
    const int oneLine = Label2->sizeHint().width();
    int width = std::min(oneLine, right - (CB2->x() + CB2->width() + kGap));
    Label2->setWordWrap(width < oneLine);
    int height = Label2->height();
    if (Label2->wordWrap()) {
        // As narrow as the same number of lines allows, so that the lines come out even.
        height = Label2->heightForWidth(width);
        while (width > 1 && Label2->heightForWidth(width - 1) == height)
            --width;
    }
    SetBounds(Label2, QRect(right - width, Label2->y(), width, height));
}

void TfMain::FormShow() {
    ANoEnable();
}

void TfMain::FormCanResize(int newWidth) {
    SetWidth(Panel_Grup, newWidth / 2 - 20);
    SetWidth(TVGrup, Panel_Grup->width() - 31);
    SetLeft(XiButton1, TVGrup->x() + TVGrup->width() - XiButton1->width());
    SetWidth(panel_prod, newWidth - Panel_Grup->width() - 2);
}

bool TfMain::FormCloseQuery() {
    if (RacionSaved)
        return true;
    if (fDialog->AskYes(QStringLiteral("Сохранить изменения в текущем рационе?"), this)) {
        ButSaveKakClick();
        return false;
    }
    return true;
}

void TfMain::FormClose() {
    ArraySave.clear();
    WriteOption(QStringLiteral("CB1"), CB1->isChecked());
    WriteOption(QStringLiteral("CB2"), CB2->isChecked());
    WriteOption(QStringLiteral("CB4"), CBProc->isChecked());
    WriteOption(QStringLiteral("CB3"), fNewProd->CBBZY->isChecked());
}

void TfMain::XiButton1Click() {
    Seams().OpenDocument(ProgramFolder() + QStringLiteral("Справка.chm"));
}

bool TfMain::ReadOption(const QString& key) const {
    return ::ReadOption(key);
}

bool TfMain::OptionChecked(const QString& key) const {
    if (key == QStringLiteral("CB1"))
        return CB1->isChecked();
    if (key == QStringLiteral("CB2"))
        return CB2->isChecked();
    return CBProc->isChecked();
}

void TfMain::ANoEnableExecute() {
    for (TXiButton* b : {ButSaveKak, ButSave, ButSlozn, ButClear, ButExcel, ButHTML})
        b->setEnabled(false);
}

void TfMain::AEnableExecute() {
    for (TXiButton* b : {ButSaveKak, ButSave, ButSlozn, ButClear, ButExcel, ButHTML})
        b->setEnabled(true);
}

void TfMain::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    Guard([&] { mayClose = FormCloseQuery(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    Guard([this] { FormClose(); });
    event->accept();
}

void TfMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Guard([this] { FormShow(); });
}

void TfMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Guard([this] { FormCanResize(width()); });
}
