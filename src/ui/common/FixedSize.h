#pragma once

class QGuiApplication;

// Windows of fixed size (the forms, message boxes) stay at their size: a maximise or full-
// screen request that reaches one anyway (a title bar Qt draws itself on Wayland offers the
// button whatever the window) is answered by returning it to normal. On Wayland the
// compositor's maximised configure is honoured for that moment, as the protocol demands,
// so the connection survives.
void keepFixedWindowsAtTheirSize(QGuiApplication &app);
