#pragma once

#include "data/NewerTable.h"
#include "query/RecordSearch.h"

#include <memory>

class RecordTable;

// A query against the score lists in every reading and, only where they list nothing and
// the category takes processors, against the newer processors on their own scale.
class Lookup final
{
public:
    explicit Lookup(const RecordTable &lists) : m_lists(lists) {}
    Q_DISABLE_COPY_MOVE(Lookup)

    struct Result
    {
        RecordSearch::Found lists;
        RecordSearch::Found newer; // slots of newerTable(); empty where the lists found any
    };
    // As RecordSearch::find; the newer table is read at the first query that needs it.
    Result find(const Conditions &normalised, QChar excluded, int lastSlot, int atMost);

    const NewerTable &newerTable() const { return m_newerTable; }

    // Whether a category's excluded list letter lets newer processors be shown: ALL and
    // CPU do, GPU does not (the newer table has no graphics chips).
    static bool takesNewer(QChar excluded) { return excluded != u'C'; }

private:
    RecordSearch m_lists;
    NewerTable m_newerTable;
    std::unique_ptr<RecordSearch> m_newer;
    bool m_newerRead = false;
};
