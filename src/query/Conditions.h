#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

// The six condition fields of a query, and how they combine.
struct Conditions
{
    QString main{};
    QString andCondition{};
    QString or1{}, or2{}, or3{}, or4{};
};

// The mode is chosen from the top: AND beats every OR, and OR fields count only as an
// unbroken run from OR 1.
enum class MatchMode { MainOnly, And, Or1, Or2, Or3, Or4 };

// Tab, line breaks, no-break and ideographic spaces read as spaces, dash look-alikes as
// "-", full-width ASCII as ASCII, and invisible characters (zero-width, soft hyphen) are
// dropped; then spaces removed at both ends and letters upper-cased.
QString normaliseCondition(QStringView fieldText);

Conditions normaliseConditions(const Conditions &fieldTexts);

MatchMode chooseMatchMode(const Conditions &normalised);

// The conditions of which a record must hold one: the main one, and the OR ones the mode
// counts.
QStringList eitherConditions(const Conditions &normalised);

// The note shown when more records match than the table holds.
QString capNote(MatchMode mode);

// The list letter a category leaves out: "1" (all) 'A', "2" (CPU) 'G', "3" (GPU) 'C';
// a null QChar for any other mark.
QChar excludedLetter(QStringView categoryMark);
