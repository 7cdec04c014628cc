// Conditions and a category from the input, matched over the real record table; the
// fast scan and the lookup as typed must agree with a plain per-record search, and the
// lookup over both tables (every later reading, OR conditions each on its own) must run on
// anything typed or pasted and list real slots of each table in order.
#include "data/RecordTable.h"
#include "data/ScoreRecord.h"
#include "query/Lookup.h"
#include "query/QueryScan.h"
#include "query/RecordSearch.h"
#include "query/SearchIndex.h"
#include "support/PlainSearch.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
struct Table
{
    RecordTable records;
    SearchIndex index;
    Table()
    {
        if (!records.FillCpuList() || !records.FillGpuList())
            std::abort();
        index = SearchIndex(records, RecordTable::kRecordCount);
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Table table;
    if (size < 1)
        return 0;
    const QString category = QString::number(data[0] % 4); // "0" leaves nothing out
    const QStringList parts = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1))
                                  .split(QChar(0x1f));
    Conditions fields;
    QString *targets[] = {&fields.main, &fields.andCondition, &fields.or1, &fields.or2, &fields.or3, &fields.or4};
    for (qsizetype k = 0; k < std::min<qsizetype>(parts.size(), 6); ++k)
        *targets[k] = parts[k];
    const Conditions c = normaliseConditions(fields);
    if (c.main.isEmpty())
        return 0;
    const QChar excluded = excludedLetter(category);
    QueryScan scan(table.index, c, excluded);

    std::vector<int> plain; // the first 31 hits of the plain search
    int next = scan.nextHit(1, RecordTable::kRecordCount);
    for (int slot = 1; slot <= RecordTable::kRecordCount; ++slot) {
        const bool hit = plainHit(table.records[slot], c, excluded);
        if (hit != (next == slot))
            std::abort();
        if (hit) {
            next = scan.nextHit(slot + 1, RecordTable::kRecordCount);
            if (plain.size() < 31)
                plain.push_back(slot);
        }
    }
    if (next != 0)
        std::abort();

    // the lookup over both tables, each OR condition on its own
    static Lookup lookup(table.records);
    const Lookup::Result found = lookup.find(c, excluded, RecordTable::kRecordCount, 31);
    // where every condition is found as typed, the lists' table is exactly the plain scan's
    if (!plain.empty() && found.notes.empty() && found.newer.empty() && found.lists.reading == RecordSearch::Reading::AsTyped
        && plain != found.lists.hits)
        std::abort();
    if (plain.empty() && found.lists.reading == RecordSearch::Reading::AsTyped && found.notes.empty()
        && !found.lists.hits.empty())
        std::abort(); // nothing as typed, so something read it more kindly
    for (std::size_t k = 0; k < found.lists.hits.size(); ++k) {
        const int slot = found.lists.hits[k];
        if (slot < 1 || slot > RecordTable::kRecordCount || (k > 0 && slot <= found.lists.hits[k - 1])
            || ScoreRecord::listLetter(table.records[slot]) == excluded)
            std::abort();
    }
    if (!Lookup::takesNewer(excluded) && !found.newer.empty())
        std::abort();
    for (std::size_t k = 0; k < found.newer.size(); ++k) {
        const int slot = found.newer[k];
        if (slot < 1 || slot > lookup.newerTable().count() || (k > 0 && slot <= found.newer[k - 1]))
            std::abort();
    }
    return 0;
}
