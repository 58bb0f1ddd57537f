#include "ration/USaveRacion.h"

#include "base/UFormat.h"
#include "ration/URacion.h"
#include "ration/URacionStore.h"
#include "ration/UVvod.h"
#include "store/UDM.h"
#include "ui/UControls.h"
#include "ui/UDialog.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/UKeys.h"
#include "ui/UListView.h"
#include "ui/UMainWindowFace.h"
#include "ui/UMessage.h"
#include "ui/USeams.h"
#include "ui/USkin.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTreeWidget>

TfSaveRacion* fSaveRacion = nullptr;

const QString TfSaveRacion::kSaveCaption = QStringLiteral("Сохранить рацион как");
const QString TfSaveRacion::kLoadCaption = QStringLiteral("Загрузить рацион");

namespace {

constexpr int kIdRole = Qt::UserRole;

const QString kCurrentPrefix = QStringLiteral("Текущий рацион: ");

// Closes the query when the preview is done, whatever happened on the way.
class TClosedAfterUse {
public:
    explicit TClosedAfterUse(TQuery& query) : FQuery(query) {}
    TClosedAfterUse(const TClosedAfterUse&) = delete;
    TClosedAfterUse& operator=(const TClosedAfterUse&) = delete;
    ~TClosedAfterUse() { FQuery.Close(); }

private:
    TQuery& FQuery;
};

} // namespace

TfSaveRacion::TfSaveRacion(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fSaveRacion"));
    SetCaption(kSaveCaption);
    SetClientSize(438, 268);
    setFont(MsSansSerif8());

    XiPanel1 = Placed(new TXiPanel(this), "XiPanel1", QRect(0, 0, 438, 268));
    Label1 = NewLabel(XiPanel1, "Label1", QStringLiteral("Название"), QPoint(16, 16));
    EdNaimRac = Placed(new QLineEdit(XiPanel1), "EdNaimRac", QRect(16, 32, 401, 19));
    EdNaimRac->setFont(Verdana8(true));
    EdNaimRac->setMaxLength(150);
    Label2 = NewLabel(XiPanel1, "Label2",
                      QStringLiteral("Для удаления рациона выделите его и нажмите клавишу Delete"),
                      QPoint(16, 192));
    // Created after the name field and the hint, so that it lies over them where it is placed.
    TVSaveRac = Placed(new QTreeWidget(XiPanel1), "TVSaveRac", QRect(16, 64, 401, 145));
    TVSaveRac->setHeaderHidden(true);
    TVSaveRac->setRootIsDecorated(false);
    TVSaveRac->setItemsExpandable(false);
    TVSaveRac->setIndentation(0);
    TVSaveRac->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TVSaveRac->setSelectionMode(QAbstractItemView::SingleSelection);
    TVSaveRac->setSelectionBehavior(QAbstractItemView::SelectRows);
    TVSaveRac->setFont(Verdana8(true));
    KeepSelectionVisible(TVSaveRac);
    ButDa = Placed(new TXiButton(QStringLiteral("Да"), XiPanel1), "ButDa", QRect(121, 224, 75, 25));
    ButDa->setFont(Verdana8(true));
    ButNo =
        Placed(new TXiButton(QStringLiteral("Нет"), XiPanel1), "ButNo", QRect(241, 224, 75, 25));
    ButNo->setFont(Verdana8(true));
    PMSostav = Named(new QMenu(this), "PMSostav");

    Connect(TVSaveRac, &QTreeWidget::itemClicked, this, [this] { TVSaveRacClick(); });
    Connect(TVSaveRac, &QTreeWidget::itemDoubleClicked, this, [this] { TVSaveRacDblClick(); });
    KeysOf(TVSaveRac)->KeyDown = [this](int& key, Qt::KeyboardModifiers) { TVSaveRacKeyDown(key); };
    Connect(ButDa, &QPushButton::clicked, this, [this] { ButDaClick(); });
    Connect(ButNo, &QPushButton::clicked, this, [this] { SetModalResult(mrNo); });
}

void TfSaveRacion::PlaceList(int top, int height) {
    TVSaveRac->setGeometry(16, top, 401, height);
}

int TfSaveRacion::ItemId(const QTreeWidgetItem* item) {
    return item->data(0, kIdRole).toInt();
}

QTreeWidgetItem* TfSaveRacion::SelectedItem() const {
    const auto items = TVSaveRac->selectedItems();
    return items.isEmpty() ? nullptr : items.constFirst();
}

void TfSaveRacion::FormShow() {
    TVSaveRac->clear();
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT * FROM tab_nazv_rac WHERE naim_rac<>\"\" and "
                            "naim_rac<>\"***\" ORDER BY naim_rac"));
    for (q.Open(); !q.Eof(); q.Next()) {
        const int id = q.Fields(0).AsInteger();
        const QString name = q.Fields(1).AsString();
        auto* item = new QTreeWidgetItem(TVSaveRac, QStringList{name});
        item->setData(0, kIdRole, id);
        if (fVvod->CurRacId < 0)
            EdNaimRac->setText(FormatDdMmYy(QDate::currentDate()));
        else if (id == fVvod->CurRacId)
            EdNaimRac->setText(name);
    }
    if (TVSaveRac->topLevelItemCount() > 0) {
        TVSaveRac->setCurrentItem(TVSaveRac->topLevelItem(0));
        TVSaveRac->topLevelItem(0)->setSelected(true);
    }
    // In the load placement the list covers the name field, so the list takes the keys.
    if (Caption() == kLoadCaption)
        TVSaveRac->setFocus();
    else
        EdNaimRac->setFocus();
}

void TfSaveRacion::TVSaveRacClick() {
    QTreeWidgetItem* item = SelectedItem();
    if (!item)
        return;
    EdNaimRac->setText(item->text(0));
    TQuery& q = DM->qSaveRac;
    TReadScope scope(DM->ADOTrans);
    TClosedAfterUse closed(q);
    q.SetSQL(QStringLiteral("SELECT tp.naim_prod,tr.g,tr.kkal  FROM tab_racion tr left join "
                            "tab_prod  tp on tr.id_prod=tp.id_prod  where tr.id_rac=:id"));
    q.SetParam(QStringLiteral("id"), ItemId(item));
    q.Open();
    if (q.RecordCount() == 0)
        return;
    PMSostav->clear();
    double sum = 0;
    for (; !q.Eof(); q.Next()) {
        const double kkal = q.Fields(2).AsFloat();
        PMSostav->addAction(q.Fields(0).AsString() + QStringLiteral(" ") +
                            FormatWholeGrams(q.Fields(1).AsInteger()) + QStringLiteral("г -") +
                            FormatFixed(kkal, 1) + QStringLiteral(" ккал"));
        sum += kkal;
    }
    PMSostav->addAction(QStringLiteral("-----------"));
    PMSostav->addAction(QStringLiteral("Итого: ") + FormatFixed(sum, 1) + QStringLiteral(" ккал"));
    // At the top right corner of the item's text.
    const QRect row = TVSaveRac->visualItemRect(item);
    const int margin = TVSaveRac->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    const int textRight =
        row.left() + margin + TVSaveRac->fontMetrics().horizontalAdvance(item->text(0));
    Seams().PopupMenu(PMSostav, TVSaveRac->viewport()->mapToGlobal(
                                    QPoint(std::min(textRight, row.right()), row.top())));
}

void TfSaveRacion::TVSaveRacDblClick() {
    if (SelectedItem())
        ButDaClick();
}

void TfSaveRacion::TVSaveRacKeyDown(int& key) {
    if (Caption() != kLoadCaption || key != Qt::Key_Delete)
        return;
    QTreeWidgetItem* item = SelectedItem();
    if (!item)
        return;
    DeleteSavedRacion(ItemId(item));
    delete item;
}

void TfSaveRacion::ButDaClick() {
    if (Caption() == kSaveCaption)
        SaveAs();
    else if (Caption() == kLoadCaption)
        Load();
}

void TfSaveRacion::SaveAs() {
    const QString name = EdNaimRac->text();
    if (name.isEmpty()) {
        EdNaimRac->setFocus();
        FMessage->Show(QStringLiteral("Запишите название рациона"), this);
        return;
    }
    const std::optional<int> existing = FindSavedRacion(name);
    if (existing &&
        !fDialog->AskYes(QStringLiteral("Рацион с таким названием уже существует, перезаписать?"),
                         this)) {
        Close();
        return;
    }
    if (existing)
        ResaveRacion(*existing, ArraySave);
    fVvod->CurRacId = existing ? *existing : SaveRacionAs(name, ArraySave);
    MainWindow()->Label1->setText(kCurrentPrefix + name);
    MainWindow()->RacionSaved = true;
    SetModalResult(mrOk);
}

void TfSaveRacion::Load() {
    const QTreeWidgetItem* item = SelectedItem();
    if (!item || !LoadSavedRacion(ItemId(item), item->text(0), this)) {
        Close();
        return;
    }
    SetModalResult(mrOk);
}

bool LoadSavedRacion(int id, const QString& name, const QWidget* over) {
    TMainWindowFace* main = MainWindow();
    if (main->LVRac->Count() > 0) {
        if (!fDialog->AskYes(
                QStringLiteral("Загрузка рациона очистит текущий, продолжить загрузку?"), over))
            return false;
        main->ADeleteRac();
    }
    ArraySave = LoadRacion(id);
    main->APaintLVRAc();
    fVvod->CurRacId = id;
    main->Label1->setText(kCurrentPrefix + name);
    main->RacionSaved = true;
    main->AEnable();
    return true;
}
