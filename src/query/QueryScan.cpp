#include "query/QueryScan.h"

#include "query/SearchIndex.h"

#include <algorithm>

QueryScan::QueryScan(const SearchIndex &index, const Conditions &c, QChar excluded)
    : m_index(index)
    , m_mode(chooseMatchMode(c))
    , m_excluded(excluded)
    , m_and(c.andCondition.toStdString())
{
    m_any.push_back({c.main.toStdString()});
    switch (m_mode) {
    case MatchMode::Or4: m_any.push_back({c.or4.toStdString()}); [[fallthrough]];
    case MatchMode::Or3: m_any.push_back({c.or3.toStdString()}); [[fallthrough]];
    case MatchMode::Or2: m_any.push_back({c.or2.toStdString()}); [[fallthrough]];
    case MatchMode::Or1: m_any.push_back({c.or1.toStdString()}); break;
    case MatchMode::MainOnly:
    case MatchMode::And: break;
    }
}

bool QueryScan::completesHit(int slot) const
{
    if (!m_excluded.isNull() && m_index.letter(slot) == m_excluded)
        return false;
    return m_mode != MatchMode::And || m_index.description(slot).find(m_and) != std::string_view::npos;
}

int QueryScan::nextSlotOf(Term &term, int from)
{
    // An earlier answer still holds for a later start that it does not lie before.
    if (term.found >= 0 && from >= term.askedFrom && (term.found == 0 || term.found >= from))
        return term.found;
    term.found = m_index.firstSlotContaining(term.utf8, from);
    term.askedFrom = from;
    return term.found;
}

int QueryScan::nextHit(int from, int last)
{
    last = std::min(last, m_index.lastSlot());
    from = std::max(from, 1);
    while (from <= last) {
        int slot = 0;
        for (Term &term : m_any) {
            const int s = nextSlotOf(term, from);
            if (s != 0 && (slot == 0 || s < slot))
                slot = s;
        }
        if (slot == 0 || slot > last)
            return 0;
        if (completesHit(slot))
            return slot;
        from = slot + 1;
    }
    return 0;
}
