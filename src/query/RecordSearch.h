#pragma once

#include "query/Conditions.h"
#include "query/FullName.h"
#include "query/SearchIndex.h"
#include "query/ListVocabulary.h"

#include <memory>
#include <vector>

class RecordTable;

// Finds the records a query means in one record space: the lists' slots, then, where a
// newer table was added, its slots after them. Read as typed (the lists, then the newer
// table); only when that lists none at all, in the forgiving reading of ForgivingForms over
// both, then in the reading of FullName over both, where an old and a newer record compete
// for the text they explain. Whatever a query finds in one reading is never touched by the
// next.
class RecordSearch final
{
public:
    explicit RecordSearch(const RecordTable &lists) : m_table(lists) {}

    // Slots 1 to count of newer join the space after the lists' last slot.
    void addNewer(const RecordTable &newer, int count);

    enum class Reading {
        AsTyped,
        WithoutSeparators, // spaces, hyphens, underscores and dots ignored
        AliasesRead,       // ... and "R5", "酷睿" read as the lists' words
        FullName,          // a name as systems and shops write it
    };

    struct Found
    {
        std::vector<int> hits;  // the lists' slots, in order; no more than were asked for
        std::vector<int> newer; // the newer table's own slots, likewise
        MatchMode mode = MatchMode::MainOnly;
        Reading reading = Reading::AsTyped; // the reading that found them
        // some newer row answers in its own right, not only beside a processor of the lists
        bool newerNamed = false;
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
    // excluded: the list letter the category leaves out; the lists in slots 1 to lastSlot.
    // Every reading of the lists alone.
    Found find(const Conditions &normalised, QChar excluded, int lastSlot, int atMost);
    // What find adds where the lists find nothing as typed: the newer table as typed (with
    // withNewer, never under the GPU category), then the later readings.
    Found findLater(Forms &forms, QChar excluded, int lastSlot, int atMost, bool withNewer);
    // The query as typed in the lists alone, as specified.
    std::vector<int> asTyped(const Conditions &normalised, QChar excluded, int lastSlot, int atMost);
    // What the readings find in the newer table alone: the first that finds anything.
    std::vector<int> findNewer(Forms &forms, int lastSlot, int atMost);

private:
    // The slots of the space a reading searches: the lists' and the newer table's.
    struct Space
    {
        int lastSlot; // the lists'
        bool lists, newer;
    };
    int m_newerCount = 0;
    void prepareIndex(int lastSlot);
    Found asTyped(const Conditions &c, QChar excluded, const Space &space, int atMost);
    Found forgiving(Forms &q, QChar excluded, const Space &space, int atMost);
    Found fullNames(Forms &q, QChar excluded, const Space &space, int atMost);
    Found readings(Forms &forms, QChar excluded, const Space &space, int atMost);
    const RecordTable &m_table;
    const RecordTable *m_newer = nullptr;
    SearchIndex m_asTyped;
    SearchIndex m_forgiving; // these two made at the first query that needs them
    ListVocabulary m_vocabulary;
};
