#pragma once

class QLineEdit;
class QWidget;

// While a push button of window has the focus (at start: 退出Q), what the user types, a
// printable character other than Space or text from an input method, goes into field,
// which takes the focus: what follows is typed there. Enter and Space still press the
// button, and Alt with a letter is still its access key.
void letTypingGoTo(QWidget *window, QLineEdit *field);
