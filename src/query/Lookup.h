#pragma once

#include "data/NewerTable.h"
#include "query/RecordSearch.h"

#include <optional>
#include <vector>

class RecordTable;

// A query over the score lists and the newer processors as one record space. A main
// condition alone or with an AND condition is read as one; in an OR query each condition is
// read on its own, so that every model entered shows up. What the lists find as typed
// answers as specified; the rest goes through the readings of RecordSearch over both tables,
// each row to the table that holds it. Where a newer row answers in its own right, the newer
// table lists what the whole query finds in it, on its one scale.
class Lookup final
{
public:
    explicit Lookup(const RecordTable &lists) : m_lists(lists), m_search(lists) {}
    Q_DISABLE_COPY_MOVE(Lookup)

    // A condition of an OR query that the lists do not find as typed.
    struct ConditionNote
    {
        int field; // 0 the main condition, 1 to 4 the OR conditions
        std::optional<RecordSearch::Reading> reading; // the reading that found it; none found it
    };
    struct Result
    {
        // hits: the lists' table, in list order; mode: the query's; reading: the one that
        // found a query read as one (main alone, AND pair)
        RecordSearch::Found lists;
        std::vector<int> newer; // slots of newerTable(); shown where not empty
        std::vector<ConditionNote> notes;
        bool namesGraphics = false; // nothing found, and the text names a graphics chip
    };
    // As RecordSearch::find; the newer table is read at the first query that needs it.
    Result find(const Conditions &normalised, QChar excluded, int lastSlot, int atMost);

    // What this computer's processor is looked up by: the Core model cut from the names,
    // else the first name whole where some reading finds it; empty for neither.
    QString thisProcessor(const QStringList &names, int lastSlot);

    const NewerTable &newerTable() const { return m_newerTable; }

    // Whether a category's excluded list letter lets newer processors be shown: ALL and
    // CPU do, GPU does not (the newer table has no graphics chips).
    static bool takesNewer(QChar excluded) { return excluded != u'C'; }

    // A GeForce, Radeon or Arc series word before a number: a graphics chip, which neither
    // table holds when it is newer than the lists.
    static bool namesGraphicsChip(QStringView normalised);

private:
    bool readNewer();

    const RecordTable &m_lists;
    RecordSearch m_search;
    NewerTable m_newerTable;
    bool m_newerRead = false;
};
