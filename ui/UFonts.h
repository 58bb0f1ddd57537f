#pragma once
// The fonts the windows are designed with, or Qt's sans font of the same size and weight
// where the machine lacks them.

#include <QFont>

QFont MsSansSerif8(bool bold = false);
QFont Verdana8(bool bold = false);
