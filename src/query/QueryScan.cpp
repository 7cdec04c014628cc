#include "query/QueryScan.h"

#include "query/SearchIndex.h"

QueryScan::QueryScan(const SearchIndex &index, const Conditions &c, QChar excluded)
    : m_index(index)
    , m_mode(chooseMatchMode(c))
    , m_excluded(excluded)
    , m_main(c.main)
    , m_and(c.andCondition)
{
    m_any.append(c.main);
    switch (m_mode) {
    case MatchMode::Or4: m_any.append(c.or4); [[fallthrough]];
    case MatchMode::Or3: m_any.append(c.or3); [[fallthrough]];
    case MatchMode::Or2: m_any.append(c.or2); [[fallthrough]];
    case MatchMode::Or1: m_any.append(c.or1); break;
    case MatchMode::MainOnly:
    case MatchMode::And: break;
    }
}

bool QueryScan::isHit(int slot) const
{
    if (!m_excluded.isNull() && m_index.letter(slot) == m_excluded)
        return false;
    const QStringView window = m_index.description(slot);
    if (m_mode == MatchMode::And)
        return window.contains(m_main) && window.contains(m_and);
    for (const QString &term : m_any) {
        if (window.contains(term))
            return true;
    }
    return false;
}

int QueryScan::nextHit(int from, int last) const
{
    last = std::min(last, m_index.lastSlot());
    for (int slot = std::max(from, 1); slot <= last; ++slot) {
        if (isHit(slot))
            return slot;
    }
    return 0;
}
