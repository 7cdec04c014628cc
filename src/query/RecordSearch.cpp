#include "query/RecordSearch.h"

#include "query/ForgivingForms.h"

RecordSearch::Found RecordSearch::find(const Conditions &c, QChar excluded, int lastSlot)
{
    if (m_asTyped.lastSlot() != lastSlot) {
        m_asTyped = SearchIndex(m_table, lastSlot);
        m_forgiving = SearchIndex();
    }
    QueryScan asTyped(m_asTyped, c, excluded);
    if (asTyped.nextHit(1, lastSlot) != 0)
        return {asTyped, false};

    if (m_forgiving.lastSlot() != lastSlot)
        m_forgiving = m_asTyped.withoutSeparators();
    QStringList any;
    for (const QString &condition : eitherConditions(c))
        any << ForgivingForms::of(condition);
    // the mode stays the one typed, even where a condition has no forgiving form left
    QueryScan forgiving(m_forgiving, chooseMatchMode(c), any, ForgivingForms::of(c.andCondition), excluded);
    if (forgiving.nextHit(1, lastSlot) != 0)
        return {forgiving, true};
    return {asTyped, false};
}
