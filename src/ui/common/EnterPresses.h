#pragma once

class QWidget;

// Enter and the keypad's Enter press the focused push button of window, as Space does.
// No button becomes a default button, so Enter elsewhere (a text field) does nothing.
void letEnterPressButtons(QWidget *window);
