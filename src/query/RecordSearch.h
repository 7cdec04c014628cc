#pragma once

#include "query/Conditions.h"
#include "query/QueryScan.h"
#include "query/SearchIndex.h"

class RecordTable;

// Finds the records a query means: as typed, and only when that lists none at all, in the
// forgiving reading of ForgivingForms. Whatever a query finds as typed is never touched.
class RecordSearch final
{
public:
    explicit RecordSearch(const RecordTable &table) : m_table(table) {}

    struct Found
    {
        QueryScan scan;
        bool forgiving = false; // true only when the forgiving reading has hits
    };
    // normalised: the conditions after normaliseConditions, the main one not empty;
    // excluded: the list letter the category leaves out; records in slots 1 to lastSlot.
    Found find(const Conditions &normalised, QChar excluded, int lastSlot);

private:
    const RecordTable &m_table;
    SearchIndex m_asTyped;
    SearchIndex m_forgiving; // made at the first query that needs it
};
