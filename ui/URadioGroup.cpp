#include "ui/URadioGroup.h"

#include <QRadioButton>

TRadioGroup::TRadioGroup(const QStringList& items, const std::vector<int>& tops, QWidget* parent)
    : QGroupBox(parent) {
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        button->move(8, tops.at(std::size_t(i)));
        button->adjustSize();
        FButtons.push_back(button);
    }
}

int TRadioGroup::ItemIndex() const {
    for (int i = 0; i < Count(); ++i)
        if (FButtons[std::size_t(i)]->isChecked())
            return i;
    return -1;
}

void TRadioGroup::SetItemIndex(int index) {
    FButtons.at(std::size_t(index))->setChecked(true);
}
