#include "catalog/UNewGrup.h"

#include "catalog/UGroupStore.h"
#include "catalog/UGroupTree.h"
#include "store/UCatalogRows.h"
#include "store/UDM.h"
#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/UKeys.h"
#include "ui/UMainWindowFace.h"
#include "ui/UMessage.h"
#include "ui/UPaintingSuspended.h"
#include "ui/USkin.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

TfNewGrup* fNewGrup = nullptr;

const QString kNewGrupCaption = QStringLiteral("Добавление новой группы");
const QString kEditGrupCaption = QStringLiteral("Редактирование группы");

namespace {
constexpr int kNoParent = -1;
} // namespace

TfNewGrup::TfNewGrup(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fNewGrup"));
    SetCaption(kNewGrupCaption);
    SetClientSize(393, 149);
    XiPanel1 = Placed(new TXiPanel(this), "XiPanel1", QRect(0, 0, 393, 149));
    Label1 =
        Placed(new QLabel(QStringLiteral("Название"), XiPanel1), "Label1", QRect(12, 10, 300, 14));
    EdNewGrup = Placed(new QLineEdit(XiPanel1), "EdNewGrup", QRect(12, 26, 369, 22));
    EdNewGrup->setFont(Verdana8(true));
    lab_grup = Placed(new QLabel(QStringLiteral("Включить в состав группы"), XiPanel1), "lab_grup",
                      QRect(12, 58, 300, 14));
    CBGrup = Placed(new QComboBox(XiPanel1), "CBGrup", QRect(12, 74, 369, 22));
    CBGrup->setEditable(false);
    ButOK = NewButton(XiPanel1, "ButOK", QStringLiteral("ОК"), QRect(206, 112, 80, 25));
    ButCancel = NewButton(XiPanel1, "ButCancel", QStringLiteral("Отмена"), QRect(301, 112, 80, 25));
    Connect(ButOK, &QPushButton::clicked, this, [this] { ButOK1Click(); });
    Connect(ButCancel, &QPushButton::clicked, this, [this] { ButCancel1Click(); });
    KeysOf(EdNewGrup)->KeyDown = [this](int& key, Qt::KeyboardModifiers) { EdNewGrupKeyDown(key); };
}

void TfNewGrup::SetParentChoiceVisible(bool visible) {
    lab_grup->setVisible(visible);
    CBGrup->setVisible(visible);
}

void TfNewGrup::FormShow() {
    // Adding makes a top-level group, so the parent choice has nothing to offer.
    if (Caption() == kNewGrupCaption)
        SetParentChoiceVisible(false);
    EdNewGrup->setFocus();
}

bool TfNewGrup::NameTaken(const QString& name) {
    if (!GroupNameExists(name))
        return false;
    FMessage->Show(QStringLiteral("Группа продуктов с таким названием уже существует"), this);
    return true;
}

void TfNewGrup::ButOK1Click() {
    const QString name = EdNewGrup->text();
    if (name.trimmed().isEmpty()) {
        FMessage->Show(QStringLiteral("Укажите название группы продуктов"), this);
        return;
    }
    QTreeWidget* tree = MainWindow()->TVGrup;
    if (Caption() == kNewGrupCaption) {
        if (NameTaken(name))
            return;
        InsertGroup(DM->SQLGrup, name, NodeCount(tree), 0);
        MainWindow()->APaintTVGrup();
        SelectNode(tree, LastNode(tree));
        MainWindow()->TVGrupClick();
    } else if (!EditGroup(name)) {
        return;
    }
    SetModalResult(mrOk);
}

bool TfNewGrup::EditGroup(const QString& name) {
    QTreeWidget* tree = MainWindow()->TVGrup;
    QTreeWidgetItem* node = SelectedNode(tree);
    if (!node)
        return true;
    const int id = NodeId(node);
    const bool renamed = name != node->text(0);
    if (CBGrup->isHidden()) {
        // A group with subgroups keeps its place; its name must stay unique.
        if (renamed && NameTaken(name))
            return false;
        RenameGroup(id, name);
        node->setText(0, name);
        return true;
    }
    const int idParent = CBGrup->currentIndex() < 0 ? kNoParent : CBGrup->currentData().toInt();
    if (idParent == kNoParent) {
        if (renamed) {
            RenameGroup(id, name);
            node->setText(0, name);
        }
        return true;
    }
    const QTreeWidgetItem* parentNode = FindNodeById(tree, idParent);
    MoveGroupInto(id, name, parentNode ? SubgroupCount(parentNode) : 0, idParent);
    TPaintingSuspended suspended(tree);
    MainWindow()->APaintTVGrup();
    if (QTreeWidgetItem* moved = FindNodeById(tree, id)) {
        SelectNode(tree, moved);
        MainWindow()->TVGrupClick();
    }
    return true;
}

void TfNewGrup::ButCancel1Click() {
    MainWindow()->TVGrup->setFocus();
    Close();
}

void TfNewGrup::EdNewGrupKeyDown(int& key) {
    if (!IsEnterKey(key))
        return;
    key = 0;
    ButOK1Click();
}
