#pragma once

#include "query/Conditions.h"

#include <QChar>
#include <QString>
#include <QStringList>

class SearchIndex;

// One query run over the prepared records: which slots are hits, in slot order.
class QueryScan final
{
public:
    // normalised: the conditions after normaliseCondition; the main condition must not
    // be empty. excluded: the list letter the category leaves out (may be null).
    QueryScan(const SearchIndex &index, const Conditions &normalised, QChar excluded);

    MatchMode mode() const { return m_mode; }

    bool isHit(int slot) const;

    // The first hit in [from, last], or 0 when there is none.
    int nextHit(int from, int last) const;

private:
    const SearchIndex &m_index;
    MatchMode m_mode;
    QChar m_excluded;
    QString m_main;
    QString m_and;
    QStringList m_any; // main and the OR conditions in force
};
