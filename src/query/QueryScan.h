#pragma once

#include "query/Conditions.h"

#include <QChar>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>
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
    // What a slot must hold for one condition: a text of the index, and where a reading
    // asks more of a record than that, its test of each slot holding the text.
    struct Sought
    {
        std::string text; // UTF-8; an empty one is never found
        std::function<bool(int slot)> alsoHolds{};
        // Where known, the only slots that can hold it, ascending: they are tried in
        // place of a pass over the text.
        std::optional<std::span<const int>> candidates{};
    };
    // The general form: a slot holding any of `any` is a hit; in AND mode it must also hold
    // one of `andForms`.
    QueryScan(const SearchIndex &index, MatchMode mode, std::vector<Sought> any, std::vector<Sought> andForms,
              QChar excluded);
    QueryScan(const SearchIndex &index, MatchMode mode, const QStringList &any, const QStringList &andForms,
              QChar excluded);

    MatchMode mode() const { return m_mode; }

    // The first hit in [from, last], or 0 when there is none. Meant to be called with
    // rising from; each term then passes through the records once.
    int nextHit(int from, int last);

private:
    struct Term
    {
        Sought sought;
        int found = -1; // the last answer of nextSlotOf, -1 before the first
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
    std::vector<Sought> m_and; // any one of them will do
};
