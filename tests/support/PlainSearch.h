#pragma once

#include "data/ScoreRecord.h"
#include "query/Conditions.h"

#include <QString>
#include <QStringList>

#include <algorithm>

// The query rule written the plain way, record by record: the oracle the fast scan is
// tested and fuzzed against. normalised: conditions after normaliseConditions.
inline bool plainHit(const QString &record, const Conditions &normalised, QChar excluded)
{
    if (ScoreRecord::listLetter(record) == excluded)
        return false;
    const QString window = ScoreRecord::descriptionField(record).toString().toUpper();
    const MatchMode mode = chooseMatchMode(normalised);
    if (mode == MatchMode::And)
        return window.contains(normalised.main) && window.contains(normalised.andCondition);
    QStringList any{normalised.main};
    if (mode >= MatchMode::Or1) any << normalised.or1;
    if (mode >= MatchMode::Or2) any << normalised.or2;
    if (mode >= MatchMode::Or3) any << normalised.or3;
    if (mode >= MatchMode::Or4) any << normalised.or4;
    return std::any_of(any.begin(), any.end(), [&](const QString &t) { return window.contains(t); });
}
