#pragma once

#include <QString>
#include <QStringView>

// Upper case one code point at a time, so the result lines up with its source position
// for position (Qt's full mapping would turn "ß" into "SS" and shift everything after it).
QString upperCaseInPlace(QStringView text);
