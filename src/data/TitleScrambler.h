#pragma once

#include <QString>

// The window title is carried scrambled: every character's code page 936 code raised by
// a small key. DescrambleText lowers each code by the key again, one character for one.
// A code that leaves the signed 16-bit range, or that names no character, becomes
// U+FFFD, so the result always has the text's length.
QString DescrambleText(QString text, qint16 key);

// The reverse, for the tool that produces the stored constants and for tests.
QString ScrambleText(QString text, qint16 key);
