#pragma once

#include "query/Conditions.h"
#include "query/FullName.h"
#include "query/SearchIndex.h"
#include "query/ListVocabulary.h"

#include <memory>
#include <vector>

class RecordTable;

// Finds the records a query means: as typed, and only when that lists none at all, in the
// forgiving reading of ForgivingForms, then in the reading of FullName. Whatever a query
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
    // What the later readings look for in a query: made at their first need, and kept for
    // another table's search of the same query.
    class Forms final
    {
    public:
        explicit Forms(const Conditions &normalised) : m_conditions(normalised) {}
        Q_DISABLE_COPY_MOVE(Forms)
        const Conditions &conditions() const { return m_conditions; }

    private:
        friend class RecordSearch;
        // A condition in the later readings: its aliases read, and its forgiving forms.
        struct Later
        {
            QString normalised;
            QString aliasesRead;
            QStringList forgiving;
        };
        void prepare();
        // The full-name readings: of each condition that may hold a record, and in AND mode
        // of the main and AND conditions together and of the AND condition alone.
        const std::vector<std::unique_ptr<FullName>> &fullNames();

        Conditions m_conditions;
        bool m_prepared = false;
        MatchMode m_mode = MatchMode::MainOnly;
        std::vector<Later> m_either; // the main condition and the OR ones the mode counts
        Later m_andCondition;
        std::vector<std::unique_ptr<FullName>> m_fullNames;
    };

    // normalised: the conditions after normaliseConditions, the main one not empty;
    // excluded: the list letter the category leaves out; records in slots 1 to lastSlot.
    Found find(const Conditions &normalised, QChar excluded, int lastSlot, int atMost);
    Found find(Forms &forms, QChar excluded, int lastSlot, int atMost);

private:
    Found forgiving(Forms &q, QChar excluded, int lastSlot, int atMost);
    Found fullNames(Forms &q, QChar excluded, int lastSlot, int atMost);
    const RecordTable &m_table;
    SearchIndex m_asTyped;
    SearchIndex m_forgiving; // these two made at the first query that needs them
    ListVocabulary m_vocabulary;
};
