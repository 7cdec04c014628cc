#include "query/Lookup.h"

Lookup::Result Lookup::find(const Conditions &normalised, QChar excluded, int lastSlot, int atMost)
{
    RecordSearch::Forms forms(normalised); // read once for both tables
    Result result{m_lists.find(forms, excluded, lastSlot, atMost), {}};
    if (!result.lists.hits.empty() || !takesNewer(excluded))
        return result;
    if (!m_newerRead) {
        m_newerRead = true;
        if (m_newerTable.fill())
            m_newer = std::make_unique<RecordSearch>(m_newerTable.records());
    }
    if (m_newer)
        result.newer = m_newer->find(forms, QChar(), m_newerTable.count(), atMost);
    return result;
}
