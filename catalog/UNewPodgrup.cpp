#include "catalog/UNewPodgrup.h"

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
#include "ui/USkin.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <optional>

TfNewPodgrup* fNewPodgrup = nullptr;

const QString kNewPodgrupCaption = QStringLiteral("Добавление новой подгруппы");
const QString kEditPodgrupCaption = QStringLiteral("Редактирование подгруппы");

namespace {
constexpr int kTopLevel = 0;
} // namespace

TfNewPodgrup::TfNewPodgrup(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fNewPodgrup"));
    SetCaption(kNewPodgrupCaption);
    SetClientSize(390, 187);
    XiPanel1 = Placed(new TXiPanel(this), "XiPanel1", QRect(0, 0, 390, 187));
    Label1 = Placed(new QLabel(QStringLiteral("Название подгруппы"), XiPanel1), "Label1",
                    QRect(12, 12, 300, 14));
    EdPodgrup = Placed(new QLineEdit(XiPanel1), "EdPodgrup", QRect(12, 28, 366, 22));
    EdPodgrup->setFont(Verdana8(true));
    Label2 = Placed(new QLabel(QStringLiteral("Включить в состав группы"), XiPanel1), "Label2",
                    QRect(12, 68, 300, 14));
    CBGrup = Placed(new QComboBox(XiPanel1), "CBGrup", QRect(12, 84, 366, 22));
    CBGrup->setEditable(false);
    ButOK = NewButton(XiPanel1, "ButOK", QStringLiteral("ОК"), QRect(203, 146, 80, 25));
    ButCancel = NewButton(XiPanel1, "ButCancel", QStringLiteral("Отмена"), QRect(298, 146, 80, 25));
    Connect(ButOK, &QPushButton::clicked, this, [this] { ButOK1Click(); });
    Connect(ButCancel, &QPushButton::clicked, this, [this] { Close(); });
    KeysOf(EdPodgrup)->KeyDown = [this](int& key, Qt::KeyboardModifiers) { EdPodgrupKeyDown(key); };
}

void TfNewPodgrup::FormShow() {
    const std::vector<TGroupRow> groups = TopLevelGroups();
    if (!groups.empty()) {
        CBGrup->clear();
        CBGrup->addItem(QStringLiteral("сделать верхним уровнем"), kTopLevel);
        for (const TGroupRow& group : groups)
            CBGrup->addItem(group.name, group.id);
    }
    if (const QTreeWidgetItem* node = SelectedNode(MainWindow()->TVGrup)) {
        const QTreeWidgetItem* group = node->parent() ? node->parent() : node;
        CBGrup->setCurrentIndex(CBGrup->findData(NodeId(group)));
    }
    EdPodgrup->setFocus();
}

int TfNewPodgrup::NumTvUnder(int idParent) const {
    const QTreeWidget* tree = MainWindow()->TVGrup;
    if (idParent == kTopLevel)
        return NodeCount(tree);
    const QTreeWidgetItem* group = FindNodeById(tree, idParent);
    return group ? SubgroupCount(group) : 0;
}

void TfNewPodgrup::ButOK1Click() {
    const QString name = EdPodgrup->text();
    if (name.trimmed().isEmpty()) {
        FMessage->Show(QStringLiteral("Укажите название подгруппы продуктов"), this);
        return;
    }
    QTreeWidget* tree = MainWindow()->TVGrup;
    const int idParent = CBGrup->currentIndex() < 0 ? kTopLevel : CBGrup->currentData().toInt();
    std::optional<int> edited;
    if (Caption() == kNewPodgrupCaption) {
        if (GroupNameExists(name)) {
            FMessage->Show(QStringLiteral("Группа продуктов с таким названием уже существует"),
                           this);
            return;
        }
        InsertGroup(DM->SQLGrup, name, NumTvUnder(idParent), idParent);
    } else {
        const QTreeWidgetItem* node = SelectedNode(tree);
        if (!node)
            return;
        const int currentParent = node->parent() ? NodeId(node->parent()) : kTopLevel;
        if (name == node->text(0) && idParent == currentParent) {
            Close();
            return;
        }
        edited = NodeId(node);
        UpdateSubgroup(*edited, name, NumTvUnder(idParent), idParent);
    }
    MainWindow()->APaintTVGrup();
    // An edited subgroup is found by its id, since two may share a name; a new one by its
    // name, which no group had when it was added.
    if (QTreeWidgetItem* stored = edited ? FindNodeById(tree, *edited) : FindNodeByText(tree, name))
        SelectNode(tree, stored);
    MainWindow()->TVGrupClick();
    SetModalResult(mrOk);
}

void TfNewPodgrup::EdPodgrupKeyDown(int& key) {
    if (!IsEnterKey(key))
        return;
    key = 0;
    ButOK1Click();
}
