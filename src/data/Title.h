#pragma once

#include <QString>

// The window title's three parts as carried by the program: scrambled with the title key
// (tools/make_title.py). Part 3 carries the version.
namespace Title {

inline constexpr qint16 kKey = 7;
QString scrambledPart(int part); // part 1, 2 or 3

} // namespace Title
