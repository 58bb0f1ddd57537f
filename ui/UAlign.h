#pragma once
// Alignment and anchors of child controls, as the main window is designed: aligned children
// fill the parent's edges in the order top, bottom, left, right and then the rest; anchored
// children keep their distances to the parent's anchored edges. A layout is a function of the
// parent's current size, so it holds whether or not the window is shown yet.

class QRect;
class QWidget;

enum class TAlign { None, Top, Bottom, Left, Right, Client };
enum TAnchor { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

void SetAlign(QWidget* control, TAlign align);
// The distances are taken from the control's and the parent's geometry at this call.
void SetAnchors(QWidget* control, int anchors);

// Changing a control's bounds from code: the anchors take the new place as their base, and
// the control's children and (for an aligned control) its siblings are laid out again.
void SetBounds(QWidget* control, const QRect& bounds);
void SetWidth(QWidget* control, int width);
void SetHeight(QWidget* control, int height);
void SetLeft(QWidget* control, int left);
void SetTop(QWidget* control, int top);

// Lays out the children of the control for its current size, and theirs in turn.
void Relayout(QWidget* control);
