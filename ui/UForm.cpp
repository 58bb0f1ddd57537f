#include "ui/UForm.h"

#include "base/UFormat.h"
#include "ui/UErrorBox.h"
#include "ui/USeams.h"

#include <QShowEvent>

TForm::TForm(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
}

int TForm::ShowModal() {
    return Seams().ShowModal(this);
}

void TForm::SetClientSize(int width, int height) {
    setFixedSize(width, height);
}

void TForm::SetClientHeight(int height) {
    setFixedSize(width(), height);
}

void TForm::CentreOver(const QWidget* reference) {
    FCentreOver = const_cast<QWidget*>(reference);
    MoveToCentre();
}

void TForm::MoveToCentre() {
    const QRect ref = FCentreOver->frameGeometry();
    const QRect own = frameGeometry();
    move(CentredOffset(ref.left(), ref.width(), own.width()),
         CentredOffset(ref.top(), ref.height(), own.height()));
}

void TForm::done(int result) {
    Guard([this] { FormClose(); });
    QDialog::done(result);
}

void TForm::reject() {
    done(mrCancel);
}

void TForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Guard([this] { FormShow(); });
    // Before its first showing a window does not know its frame, and showing may change its
    // size: centre it again now.
    if (FCentreOver) {
        MoveToCentre();
        FCentreOver = nullptr;
    }
}
