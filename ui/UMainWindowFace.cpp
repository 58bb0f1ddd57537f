#include "ui/UMainWindowFace.h"

namespace {
TMainWindowFace* Current = nullptr;
}

TMainWindowFace::TMainWindowFace(QWidget* parent) : QWidget(parent) {
    Current = this;
}

TMainWindowFace::~TMainWindowFace() {
    if (Current == this)
        Current = nullptr;
}

TMainWindowFace* MainWindow() {
    return Current;
}
