#pragma once

#include <QChar>
#include <QStringView>

// Code page 936 (the Chinese ANSI code page): character codes and display columns.
// Works from a built-in table, so every platform agrees whatever its own codecs are.
namespace Cp936 {

// ASCII -> its byte; a double-byte character -> lead << 8 | trail; 0 when unmappable
// (U+0000 itself also gives 0).
unsigned code(QChar c);

// The character with that code; a null QChar when no character has it.
QChar character(unsigned code);

// Display columns: 2 for a double-byte character, otherwise 1 (an unmappable character
// is written as one "?" in this code page).
int width(QChar c);
int width(QStringView text);

} // namespace Cp936
