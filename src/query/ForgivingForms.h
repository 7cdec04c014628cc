#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The forgiving reading of a condition, tried only when a query as typed lists nothing:
// spaces, hyphens, underscores and dots count for nothing on either side ("GTX1060" finds
// "GeForce GTX 1060"), and the short forms and Chinese names people use stand for the
// lists' words ("R5 3600", "酷睿i7-4790K").
namespace ForgivingForms {

constexpr bool isSeparator(char16_t c)
{
    return c == u' ' || c == u'-' || c == u'_' || c == u'.';
}

QString withoutSeparators(QStringView text);

// The aliases of NameAliases read as the lists' words.
QString withAliasesRead(QStringView normalised);

// The forms a normalised condition takes in the forgiving pass, each without separators:
// as written, then with its aliases read where that differs. A condition of separators
// alone leaves an empty form, which the scan never finds. aliasesRead: withAliasesRead of
// the condition, read once for every later reading.
QStringList of(QStringView normalised, QStringView aliasesRead);

} // namespace ForgivingForms
