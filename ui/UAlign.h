#pragma once
// Alignment and anchors of child controls, as the main window is designed: aligned children
// fill the parent's edges in the order top, bottom, left, right and then the rest; anchored
// children keep their distance to the parent's anchored edges when the parent is resized.

class QWidget;

enum class TAlign { None, Top, Bottom, Left, Right, Client };
enum TAnchor { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

void SetAlign(QWidget* control, TAlign align);
// The distances are taken from the parent's size at this call.
void SetAnchors(QWidget* control, int anchors);
// Lays the aligned children of the parent out again.
void Realign(QWidget* parent);
