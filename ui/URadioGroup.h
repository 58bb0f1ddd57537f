#pragma once
// A radio group: a frame holding one radio button per item, one of them chosen by index.

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QRadioButton;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    // The items' buttons lie one under the other at the given tops, inside the frame.
    TRadioGroup(const QStringList& items, const std::vector<int>& tops, QWidget* parent);

    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Button(int index) const { return FButtons.at(std::size_t(index)); }
    int Count() const { return int(FButtons.size()); }

private:
    std::vector<QRadioButton*> FButtons;
};
