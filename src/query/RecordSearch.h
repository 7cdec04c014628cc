#pragma once

#include "query/Conditions.h"
#include "query/SearchIndex.h"
#include "query/WordStarts.h"

#include <vector>

class RecordTable;

// Finds the records a query means: as typed, and only when that lists none at all, in the
// forgiving reading of ForgivingForms, then in the reading of FullNames. Whatever a query
// finds in one reading is never touched by the next.
class RecordSearch final
{
public:
    explicit RecordSearch(const RecordTable &table) : m_table(table) {}

    enum class Reading {
        AsTyped,
        WithoutSeparators, // spaces, hyphens, underscores and dots ignored
        AliasesRead,       // ... and "R5", "酷睿" read as the lists' words
        FullName,          // a name as systems and shops write it
    };

    struct Found
    {
        std::vector<int> hits; // slots, in order; no more than were asked for
        MatchMode mode = MatchMode::MainOnly;
        Reading reading = Reading::AsTyped; // the reading that found them
    };
    // normalised: the conditions after normaliseConditions, the main one not empty;
    // excluded: the list letter the category leaves out; records in slots 1 to lastSlot.
    Found find(const Conditions &normalised, QChar excluded, int lastSlot, int atMost);

private:
    // A condition in the later readings: its aliases read, and its forgiving forms.
    struct Later
    {
        QString normalised;
        QString aliasesRead;
        QStringList forgiving;
    };
    struct LaterQuery
    {
        MatchMode mode;
        std::vector<Later> either; // the main condition and the OR ones the mode counts
        Later andCondition;
    };
    Found forgiving(const LaterQuery &q, QChar excluded, int lastSlot, int atMost);
    Found fullNames(const LaterQuery &q, QChar excluded, int lastSlot, int atMost);

    const RecordTable &m_table;
    SearchIndex m_asTyped;
    SearchIndex m_forgiving; // these two made at the first query that needs them
    WordStarts m_wordStarts;
};
