#pragma once
// Texts of any length in the fixed labels of the notice and question boxes.

class QFont;
class QLabel;
class QString;

// Sets the word-wrapped label's text. A text too long for the label at its designed font is
// shown in the largest smaller size, in half points down to 6, that fits the label's place.
void SetFittedText(QLabel* label, const QFont& designed, const QString& text);
