#include "query/QueryScan.h"

#include "query/SearchIndex.h"

#include <algorithm>

QueryScan::QueryScan(const SearchIndex &index, const Conditions &c, QChar excluded)
    : QueryScan(index, chooseMatchMode(c), eitherConditions(c), {c.andCondition}, excluded)
{
}

namespace {

std::vector<QueryScan::Sought> sought(const QStringList &texts)
{
    std::vector<QueryScan::Sought> all;
    all.reserve(std::size_t(texts.size()));
    for (const QString &text : texts)
        all.push_back({text.toStdString()});
    return all;
}

} // namespace

QueryScan::QueryScan(const SearchIndex &index, MatchMode mode, const QStringList &any, const QStringList &andForms,
                     QChar excluded)
    : QueryScan(index, mode, sought(any), sought(andForms), excluded)
{
}

QueryScan::QueryScan(const SearchIndex &index, MatchMode mode, std::vector<Sought> any, std::vector<Sought> andForms,
                     QChar excluded)
    : m_index(index)
    , m_mode(mode)
    , m_excluded(excluded)
{
    for (Sought &s : any)
        m_any.push_back({std::move(s)});
    for (Sought &s : andForms) {
        if (!s.text.empty())
            m_and.push_back(std::move(s));
    }
}

bool QueryScan::completesHit(int slot) const
{
    if (!m_excluded.isNull() && m_index.letter(slot) == m_excluded)
        return false;
    if (m_mode != MatchMode::And)
        return true;
    const std::string_view description = m_index.description(slot);
    return std::any_of(m_and.begin(), m_and.end(), [&](const Sought &form) {
        return description.find(form.text) != std::string_view::npos && (!form.alsoHolds || form.alsoHolds(slot));
    });
}

int QueryScan::nextSlotOf(Term &term, int from)
{
    // An earlier answer still holds for a later start that it does not lie before.
    if (term.found >= 0 && from >= term.askedFrom && (term.found == 0 || term.found >= from))
        return term.found;
    const Sought &s = term.sought;
    int slot = 0;
    if (s.candidates) {
        auto c = std::lower_bound(s.candidates->begin(), s.candidates->end(), from);
        while (c != s.candidates->end() && s.alsoHolds && !s.alsoHolds(*c))
            ++c;
        slot = c == s.candidates->end() ? 0 : *c;
    } else {
        slot = m_index.firstSlotContaining(s.text, from);
        while (slot != 0 && s.alsoHolds && !s.alsoHolds(slot))
            slot = m_index.firstSlotContaining(s.text, slot + 1);
    }
    term.found = slot;
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
