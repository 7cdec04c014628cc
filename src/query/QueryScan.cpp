#include "query/QueryScan.h"

#include "query/SearchIndex.h"

#include <algorithm>

QueryScan::QueryScan(const SearchIndex &index, const Conditions &c, QChar excluded)
    : QueryScan(index, chooseMatchMode(c), eitherConditions(c), {c.andCondition}, excluded)
{
}

QueryScan::QueryScan(const SearchIndex &index, MatchMode mode, const QStringList &any, const QStringList &andForms,
                     QChar excluded)
    : m_index(index)
    , m_mode(mode)
    , m_excluded(excluded)
{
    for (const QString &text : any)
        m_any.push_back({text.toStdString()});
    for (const QString &text : andForms) {
        if (!text.isEmpty())
            m_and.push_back(text.toStdString());
    }
}

bool QueryScan::completesHit(int slot) const
{
    if (!m_excluded.isNull() && m_index.letter(slot) == m_excluded)
        return false;
    if (m_mode != MatchMode::And)
        return true;
    const std::string_view description = m_index.description(slot);
    return std::any_of(m_and.begin(), m_and.end(),
                       [&](const std::string &form) { return description.find(form) != std::string_view::npos; });
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
