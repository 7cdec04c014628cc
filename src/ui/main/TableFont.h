#pragma once

#include <QFont>
#include <QStringList>

// The result table lines up only in a font whose Latin characters are exactly half as wide
// as its Chinese ones. These are the families known to be so, in the order they are tried.
QStringList tableFontCandidates();

// True when every character the table uses takes one column and a Chinese one two.
bool keepsColumns(const QFont &font);

// The first candidate installed that keeps the columns at this pixel size; failing that,
// the system's fixed-pitch font, which at least keeps the Latin lines straight.
QFont tableFont(int pixelSize);
