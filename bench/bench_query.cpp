// The query core against a naive baseline (std::string_view::find over pre-upper-cased
// UTF-8 descriptions); every reading of a query beside its scan as typed, for names that
// only a later reading finds and for names no reading finds; and a whole query click that
// writes 30 rows into the result box.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_query

#include "data/RecordTable.h"
#include "data/ScoreRecord.h"
#include "query/Lookup.h"
#include "query/QueryScan.h"
#include "query/RecordSearch.h"
#include "query/SearchIndex.h"
#include "query/TextCase.h"
#include "support/FakePlatform.h"
#include "ui/main/Form1.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Data
{
    RecordTable table;
    SearchIndex index;
    std::vector<std::string> upper; // slot k at k - 1
    Data()
    {
        table.FillCpuList();
        table.FillGpuList();
        index = SearchIndex(table, RecordTable::kRecordCount);
        for (int slot = 1; slot <= RecordTable::kRecordCount; ++slot)
            upper.push_back(upperCaseInPlace(ScoreRecord::descriptionField(table[slot])).toStdString());
    }
};

const Data &data()
{
    static const Data d;
    return d;
}

struct Case
{
    const char *name;
    Conditions conditions;
    bool andMode;
};

const Case kCases[] = {
    {"I7 (31st hit)", {QStringLiteral("I7")}, false},
    {"no hit (full scan)", {QStringLiteral("NO SUCH CHIP")}, false},
    {"OR 4 example", {QStringLiteral("I3-6100@"), {}, QStringLiteral("I3-7100@"), QStringLiteral("I3-8100@"),
                      QStringLiteral("I3-9100@"), QStringLiteral("I3-10110U")}, false},
    {"AND example", {QStringLiteral("GEFORCE"), QStringLiteral("6600")}, true},
};

void coreScan(benchmark::State &state, const Case &c)
{
    const Data &d = data();
    for (auto _ : state) {
        QueryScan scan(d.index, normaliseConditions(c.conditions), QChar(u'A'));
        int hits = 0;
        for (int slot = scan.nextHit(1, RecordTable::kRecordCount); slot != 0;
             slot = scan.nextHit(slot + 1, RecordTable::kRecordCount)) {
            if (++hits > 30)
                break;
        }
        benchmark::DoNotOptimize(hits);
    }
}

void baseline(benchmark::State &state, const Case &c)
{
    const Data &d = data();
    std::vector<std::string> needles;
    for (const QString &s : {c.conditions.main, c.conditions.or1, c.conditions.or2, c.conditions.or3, c.conditions.or4})
        if (!s.isEmpty())
            needles.push_back(s.toUpper().toStdString());
    const std::string andNeedle = c.conditions.andCondition.toUpper().toStdString();
    for (auto _ : state) {
        int hits = 0;
        for (const std::string &desc : d.upper) {
            const std::string_view hay(desc);
            bool hit = false;
            if (c.andMode) {
                hit = hay.find(needles[0]) != std::string_view::npos && hay.find(andNeedle) != std::string_view::npos;
            } else {
                for (const std::string &n : needles)
                    if (hay.find(n) != std::string_view::npos) {
                        hit = true;
                        break;
                    }
            }
            if (hit && ++hits > 30)
                break;
        }
        benchmark::DoNotOptimize(hits);
    }
}

int countHits(QueryScan &scan)
{
    int hits = 0;
    for (int slot = scan.nextHit(1, RecordTable::kRecordCount); slot != 0 && hits <= 30;
         slot = scan.nextHit(slot + 1, RecordTable::kRecordCount))
        ++hits;
    return hits;
}

const char *readingName(RecordSearch::Reading reading)
{
    switch (reading) {
    case RecordSearch::Reading::AsTyped: break;
    case RecordSearch::Reading::WithoutSeparators: return "without separators";
    case RecordSearch::Reading::AliasesRead: return "aliases read";
    case RecordSearch::Reading::FullName: return "full name";
    }
    return "as typed";
}

// Side by side, per query: the scan as typed (which finds nothing, or not every condition)
// and the whole lookup: the readings of the lists and the newer table as one record space,
// each OR condition on its own, and the newer table of the whole query where it is shown
// (the indexes and the newer table made once, outside the loop, as the program keeps them).
void readings(benchmark::State &state, const Conditions &fields)
{
    using Clock = std::chrono::steady_clock;
    const Conditions c = normaliseConditions(fields);
    Lookup search(data().table);
    const Lookup::Result result = search.find(c, QChar(u'A'), RecordTable::kRecordCount, 31);
    Clock::duration typed{};
    Clock::duration all{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        QueryScan scan(data().index, c, QChar(u'A'));
        benchmark::DoNotOptimize(countHits(scan));
        const Clock::time_point between = Clock::now();
        benchmark::DoNotOptimize(search.find(c, QChar(u'A'), RecordTable::kRecordCount, 31));
        all += Clock::now() - between;
        typed += between - start;
    }
    const auto us = [&](Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count() / double(state.iterations()); };
    state.counters["as_typed_us"] = us(typed);
    state.counters["readings_us"] = us(all);
    state.counters["ratio"] = us(all) / us(typed);
    state.SetLabel(std::string(readingName(result.lists.reading)) + ", " + std::to_string(result.lists.hits.size())
                   + " hits, " + std::to_string(result.newer.size()) + " newer");
}

void registerReadings(const char *group, const char *name, const Conditions &fields)
{
    benchmark::RegisterBenchmark((std::string(group) + name).c_str(), readings, fields)->Unit(benchmark::kMicrosecond);
}

void forgivingIndex(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(data().index.withoutSeparators());
}

void queryClick(benchmark::State &state)
{
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    form.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("zen 5")); // exactly 30 rows
    form.Command2_Click();
    for (auto _ : state)
        form.Command2_Click();
    state.counters["rows"] = form.ii;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    for (const Case &c : kCases) {
        benchmark::RegisterBenchmark((std::string("core/") + c.name).c_str(), coreScan, c)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("baseline/") + c.name).c_str(), baseline, c)->Unit(benchmark::kMicrosecond);
    }
    // found by a later reading
    for (const char *name : {"GTX1060", "i5 9400f", "R5 3600", "RX580", "1660Ti", "E5-2680v2", "酷睿i7-4790K",
                             "Intel(R) Core(TM) i7-6700K CPU @ 4.00GHz", "AMD Ryzen 9 3900X 12-Core Processor",
                             "GP104 [GeForce GTX 1070]", "索泰 GTX1070Ti 8G", "RTX2070M",
                             // a long shop title, a laptop title naming two devices
                             "AMD 锐龙5 3600X 处理器 (r5)7nm 6核12线程 3.8GHz 95W AM4接口 盒装CPU",
                             "戴尔 G3 3590 15.6英寸游戏本（i5-9300H 8G 512G GTX1650 4G）"})
        registerReadings("found/", name, {QString::fromUtf8(name)});
    // found by no reading of the lists, then in the newer table; within 4 times the scan as typed
    for (const char *name : {"i9-12900K", "Ryzen 7 5800X", "Intel(R) Core(TM) i7-12700K CPU @ 3.60GHz",
                             "AMD Ryzen 7 5800X 8-Core Processor", "12th Gen Intel(R) Core(TM) i5-12400F", "酷睿i9-12900K",
                             "联想拯救者Y9000P 2024 16英寸游戏本（i9-14900HX 32G 1T RTX4060 8G 2.5K 240Hz）"})
        registerReadings("newer/", name, {QString::fromUtf8(name)});
    // an old and a newer processor compared; a title naming a newer processor and a listed
    // graphics chip; an exact newer row beside a loose old one
    registerReadings("newer/", "i5-4460 OR i5-12400F", {QStringLiteral("i5-4460"), {}, QStringLiteral("i5-12400F")});
    registerReadings("newer/", "GTX1060 OR RX 580", {QStringLiteral("GTX1060"), {}, QStringLiteral("RX 580")});
    for (const char *name : {"办公主机 i5-12400F GTX1060 6G", "AMD Ryzen 7 7800X3D 8-Core Processor"})
        registerReadings("newer/", name, {QString::fromUtf8(name)});
    // found by no reading of either table: these too
    for (const char *name : {"GTX 9999", "RTX 3080", "RX 6600 XT 8G", "NVIDIA GeForce RTX 3060/PCIe/SSE2",
                             "七彩虹 RTX3060 12G", "Intel(R) UHD Graphics 770",
                             "华硕 ROG STRIX GeForce RTX 4090 O24G GAMING 2235-2640MHz 24G GDDR6X 电竞游戏显卡",
                             "ROG枪神8 Plus 18英寸游戏本（RTX4080 12G 32G 1T 2.5K 240Hz 电竞屏）"})
        registerReadings("missed/", name, {QString::fromUtf8(name)});
    registerReadings("missed/", "RTX 4060 OR Intel N200", {QStringLiteral("RTX 4060"), {}, QStringLiteral("Intel N200")});
    benchmark::RegisterBenchmark("forgiving index, made once", forgivingIndex)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Command2_Click, 30 rows into Text8", queryClick)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
