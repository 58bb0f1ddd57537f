#pragma once
// The small pictures of the windows, drawn at start-up.

#include <QIcon>
#include <QPixmap>

// The 16 x 16 picture of every node of the group tree.
QIcon GroupNodeIcon();
// The arrows of the buttons that move a group up and down.
QIcon ArrowIcon(bool up);
// The help button's question mark.
QIcon HelpIcon();
// A question mark in a speech bubble, 41 x 42, for the question box.
QPixmap QuestionPicture();
