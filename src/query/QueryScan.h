#pragma once

#include "query/Conditions.h"

#include <QChar>
#include <QStringList>

#include <string>
#include <vector>

class SearchIndex;

// One query run over the prepared records: which slots are hits, in slot order.
class QueryScan final
{
public:
    // normalised: the conditions after normaliseCondition; the main condition must not
    // be empty. excluded: the list letter the category leaves out (may be null).
    QueryScan(const SearchIndex &index, const Conditions &normalised, QChar excluded);
    // The general form: a slot holding any of `any` is a hit; in AND mode it must also hold
    // one of `andForms`. Empty texts are never found.
    QueryScan(const SearchIndex &index, MatchMode mode, const QStringList &any, const QStringList &andForms,
              QChar excluded);

    MatchMode mode() const { return m_mode; }

    // The first hit in [from, last], or 0 when there is none. Meant to be called with
    // rising from; each term then passes through the records once.
    int nextHit(int from, int last);

private:
    struct Term
    {
        std::string utf8;
        int found = -1; // the last answer of firstSlotContaining, -1 before the first
        int askedFrom = 0;
    };
    int nextSlotOf(Term &term, int from);
    // A slot holding one of m_any is a hit when its list is not left out and, in AND
    // mode, it also holds the AND condition.
    bool completesHit(int slot) const;

    const SearchIndex &m_index;
    MatchMode m_mode;
    QChar m_excluded;
    std::vector<Term> m_any; // AND mode: the main condition alone; otherwise main and ORs
    std::vector<std::string> m_and; // any one of them will do
};
