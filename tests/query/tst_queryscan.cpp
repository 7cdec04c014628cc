#include "data/RecordTable.h"
#include "data/ScoreRecord.h"
#include "query/QueryScan.h"
#include "query/RecordSearch.h"
#include "query/SearchIndex.h"
#include "support/PlainSearch.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>

namespace {

QStringList codesFound(const SearchIndex &index, const RecordTable &table, const Conditions &fields,
                       QChar excluded = u'A', int last = RecordTable::kRecordCount)
{
    QueryScan scan(index, normaliseConditions(fields), excluded);
    QStringList codes;
    for (int slot = scan.nextHit(1, last); slot != 0; slot = scan.nextHit(slot + 1, last))
        codes.append(ScoreRecord::codeField(table[slot]).trimmed().toString());
    return codes;
}

// The conditions as given, upper-cased only: what no field's normalising lets through.
QStringList codesFoundAsIs(const SearchIndex &index, const RecordTable &table, const Conditions &c)
{
    QueryScan scan(index, {c.main.toUpper(), c.andCondition.toUpper(), c.or1.toUpper()}, u'A');
    QStringList codes;
    for (int slot = scan.nextHit(1, RecordTable::kRecordCount); slot != 0;
         slot = scan.nextHit(slot + 1, RecordTable::kRecordCount))
        codes.append(ScoreRecord::codeField(table[slot]).trimmed().toString());
    return codes;
}

} // namespace

class TstQueryScan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void promisedOutcomes_data();
    void promisedOutcomes();
    void lowerCaseFindsTheSame();
    void i7FillsTheTableWithCpusFirst();
    void categoriesLeaveOutTheOtherList();
    void codesAndScoresAreNotSearched();
    void descriptionWindowStopsAtTheDescription();
    void longConditionFindsNothing();
    void lineFeedsNeverCrossADescription();
    void agreesWithAPlainScan();
    void readings_data();
    void readings();

private:
    RecordTable m_table;
    SearchIndex m_index;
};

void TstQueryScan::initTestCase()
{
    QVERIFY(m_table.FillCpuList());
    QVERIFY(m_table.FillGpuList());
    m_index = SearchIndex(m_table, RecordTable::kRecordCount);
}

void TstQueryScan::promisedOutcomes_data()
{
    QTest::addColumn<QStringList>("fields"); // main, AND, OR1..OR4
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("I3-4340") << QStringList{"I3-4340"} << QStringList{"C914"};
    QTest::newRow("I7-9850H") << QStringList{"i7-9850H"} << QStringList{"C230", "C312"};
    QTest::newRow("and example") << QStringList{"GeForce", "6600"}
                                 << QStringList{"G1304", "G1391", "G1413", "G1441", "G1465"};
    QTest::newRow("or example") << QStringList{"I3-6100@", "", "I3-7100@", "I3-8100@", "I3-9100@", "I3-10110U"}
                                << QStringList{"C482", "C590", "C811", "C827", "C870"};
    QTest::newRow("or2 without or1 has no effect") << QStringList{"I3-6100@", "", "", "I3-8100@"}
                                                   << QStringList{"C870"};
    QTest::newRow("or fields after a gap") << QStringList{"I3-6100@", "", "I3-7100@", "I3-8100@", "", "I3-10110U"}
                                           << QStringList{"C590", "C827", "C870"};
    QTest::newRow("and beats or") << QStringList{"GeForce", "6600 LE", "Radeon"} << QStringList{"G1441"};
    QTest::newRow("example 1, one letter short") << QStringList{"Intel Core i9-10980X E@3.00GH"} << QStringList{"C10"};
    QTest::newRow("example 7") << QStringList{"Radeon RX 5700"} << QStringList{"G17", "G27", "G28"};
    QTest::newRow("example 9") << QStringList{"Radeon Vega 3"} << QStringList{"G490", "G491"};
    QTest::newRow("chinese in a description") << QStringList{"r7 350双卡"} << QStringList{"G314"};
    QTest::newRow("the last record") << QStringList{"Chrome9 HCM"} << QStringList{"G1722"};
}

void TstQueryScan::promisedOutcomes()
{
    QFETCH(QStringList, fields);
    QFETCH(QStringList, codes);
    while (fields.size() < 6)
        fields.append(QString());
    const Conditions c{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
    QCOMPARE(codesFound(m_index, m_table, c), codes);
}

void TstQueryScan::lowerCaseFindsTheSame()
{
    QCOMPARE(codesFound(m_index, m_table, {QStringLiteral("  i7-4790k  ")}), QStringList{QStringLiteral("C316")});
}

void TstQueryScan::i7FillsTheTableWithCpusFirst()
{
    const QStringList codes = codesFound(m_index, m_table, {QStringLiteral("I7")});
    QVERIFY(codes.size() > 30);
    for (int k = 0; k < 31; ++k)
        QVERIFY(codes[k].startsWith(u'C'));
}

void TstQueryScan::categoriesLeaveOutTheOtherList()
{
    const Conditions gtx{QStringLiteral("1")};
    const QStringList all = codesFound(m_index, m_table, gtx, u'A');
    const QStringList cpu = codesFound(m_index, m_table, gtx, u'G');
    const QStringList gpu = codesFound(m_index, m_table, gtx, u'C');
    QVERIFY(!cpu.isEmpty() && !gpu.isEmpty());
    for (const QString &code : cpu)
        QVERIFY(code.startsWith(u'C'));
    for (const QString &code : gpu)
        QVERIFY(code.startsWith(u'G'));
    QCOMPARE(cpu.size() + gpu.size(), all.size());
    QVERIFY(codesFound(m_index, m_table, gtx, QChar()) == all); // no mark, nothing left out
}

void TstQueryScan::codesAndScoresAreNotSearched()
{
    QVERIFY(codesFound(m_index, m_table, {QStringLiteral("C914")}).isEmpty());
    QVERIFY(codesFound(m_index, m_table, {QStringLiteral("|")}).isEmpty());
    QVERIFY(!codesFound(m_index, m_table, {QStringLiteral("5240")}).contains(QStringLiteral("C914")));
}

void TstQueryScan::descriptionWindowStopsAtTheDescription()
{
    // 40 characters from the 8th would reach into "| 19" here; the description field does not.
    RecordTable table;
    QBuffer list;
    list.setData(QStringLiteral("|G1   |Radeon R7 + R7 350双卡                  | 1982|\n").toUtf8());
    list.open(QIODevice::ReadOnly);
    QVERIFY(table.fill(list, 1, 1));
    const SearchIndex index(table, 1);
    QCOMPARE(QString::fromStdString(std::string(index.description(1))), QStringLiteral("RADEON R7 + R7 350双卡                  "));
    QVERIFY(codesFound(index, table, {QStringLiteral("19")}, u'A', 1).isEmpty());
    QVERIFY(codesFound(index, table, {QStringLiteral("|")}, u'A', 1).isEmpty());
    QCOMPARE(codesFound(index, table, {QStringLiteral("350")}, u'A', 1), QStringList{QStringLiteral("G1")});
}

void TstQueryScan::longConditionFindsNothing()
{
    // C1608's description fills all 40 columns: 40 characters find it, 41 cannot
    const QString full = QStringLiteral("AMD Embedded G-Series GX-420GI Radeon R7");
    QCOMPARE(codesFound(m_index, m_table, {full}), QStringList{QStringLiteral("C1608")});
    QVERIFY(codesFound(m_index, m_table, {full + u' ' + u'x'}).isEmpty());
    QVERIFY(codesFound(m_index, m_table, {QString(32767, u'A')}).isEmpty());
}

void TstQueryScan::lineFeedsNeverCrossADescription()
{
    // The index ends every description with a line feed; fields turn a pasted one into a
    // space, and one that reaches the scan all the same must never meet it.
    const QString full = QStringLiteral("AMD Embedded G-Series GX-420GI Radeon R7"); // C1608, all 40 columns
    for (const QString &pasted : {full + u'\n', u'\n' + full, QStringLiteral("R7\nAMD"), QStringLiteral("\n"),
                                  QStringLiteral("i3\r\n4340")})
        QVERIFY2(codesFoundAsIs(m_index, m_table, {pasted}).isEmpty(), qPrintable(pasted));
    QVERIFY(codesFoundAsIs(m_index, m_table, {full, QStringLiteral("\n")}).isEmpty()); // as the AND condition
    QCOMPARE(codesFoundAsIs(m_index, m_table, {QStringLiteral("I3-4340"), {}, QStringLiteral("\n")}),
             QStringList{QStringLiteral("C914")}); // as an OR condition it adds nothing
}

void TstQueryScan::agreesWithAPlainScan()
{
    // The scan searches one buffer with its own memchr loop; a plain per-record search over
    // the stored records must find the same, for needles cut from real descriptions.
    QRandomGenerator random(20200229);
    const QChar letters[] = {QChar(u'A'), QChar(u'C'), QChar(u'G')};
    for (int round = 0; round < 300; ++round) {
        Conditions c;
        QString *fields[] = {&c.main, &c.andCondition, &c.or1, &c.or2, &c.or3, &c.or4};
        const int filled = 1 + random.bounded(6);
        for (int k = 0; k < filled; ++k) {
            const QString d = ScoreRecord::descriptionField(m_table[1 + random.bounded(RecordTable::kRecordCount)]).toString();
            const int from = random.bounded(int(d.size()));
            *fields[k == 0 ? 0 : 1 + random.bounded(5)] = d.mid(from, 1 + random.bounded(6)).toLower();
        }
        if (random.bounded(4) == 0)
            c.andCondition.clear();
        const Conditions n = normaliseConditions(c);
        if (n.main.isEmpty())
            continue;
        const QChar excluded = letters[random.bounded(3)];
        QStringList expected;
        for (int slot = 1; slot <= RecordTable::kRecordCount; ++slot) {
            if (plainHit(m_table[slot], n, excluded))
                expected.append(ScoreRecord::codeField(m_table[slot]).trimmed().toString());
        }
        QCOMPARE(codesFound(m_index, m_table, c, excluded), expected);
    }
}

void TstQueryScan::readings_data()
{
    using R = RecordSearch::Reading;
    QTest::addColumn<QStringList>("fields"); // main, AND, OR1..OR4
    QTest::addColumn<int>("reading");
    QTest::addColumn<QStringList>("first"); // the first codes listed; all of them after "only"
    QTest::newRow("found as typed") << QStringList{"GTX 1060"} << int(R::AsTyped) << QStringList{"G61", "G77"};
    // the forgiving reading
    QTest::newRow("space dropped") << QStringList{"GTX1060"} << int(R::WithoutSeparators) << QStringList{"G61", "G77"};
    QTest::newRow("space dropped before a suffix") << QStringList{"1660Ti"} << int(R::WithoutSeparators) << QStringList{"G38", "G65"};
    QTest::newRow("hyphen as space") << QStringList{"i7 4790k"} << int(R::WithoutSeparators) << QStringList{"C316"};
    QTest::newRow("hyphen dropped, space dropped") << QStringList{"E5-2680v2"} << int(R::WithoutSeparators) << QStringList{"C179"};
    QTest::newRow("underscore and dot") << QStringList{"i5_9400F."} << int(R::WithoutSeparators) << QStringList{"C298"};
    QTest::newRow("short form as written") << QStringList{"R9290"} << int(R::WithoutSeparators) << QStringList{"G104", "G111"};
    QTest::newRow("short form") << QStringList{"R5 3600"} << int(R::AliasesRead) << QStringList{"C85", "C98"};
    QTest::newRow("family named twice") << QStringList{"锐龙 R5 3600"} << int(R::AliasesRead) << QStringList{"C85", "C98"};
    QTest::newRow("chinese name") << QStringList{"酷睿i7-4790K"} << int(R::AliasesRead) << QStringList{"C316"};
    QTest::newRow("and read by its chinese name") << QStringList{"AMD", "锐龙5 3600"} << int(R::AliasesRead) << QStringList{"C85", "C98"};
    QTest::newRow("and narrows") << QStringList{"GeForce", "1660-Ti", "Radeon"} << int(R::WithoutSeparators)
                                 << QStringList{"G38", "G65", "G81"};
    QTest::newRow("or widens") << QStringList{"no such", "", "RX580", "GTX1060"} << int(R::WithoutSeparators)
                               << QStringList{"G61", "G70", "G77"};
    // names as systems and shops write them: one rule a row
    QTest::newRow("marks") << QStringList{"Core™ i7-6700K"} << int(R::FullName) << QStringList{"C325"};
    QTest::newRow("Processor") << QStringList{"Ryzen 9 3900X Processor"} << int(R::FullName) << QStringList{"C8"};
    QTest::newRow("core count") << QStringList{"Ryzen 9 3900X 12-Core"} << int(R::FullName) << QStringList{"C8"};
    QTest::newRow("core count in chinese") << QStringList{"i7-8700K 6核12线程"} << int(R::FullName) << QStringList{"C169"};
    QTest::newRow("clock after @") << QStringList{"i7-8700K @ 4.7GHz"} << int(R::FullName) << QStringList{"C169"};
    QTest::newRow("with Radeon ... Gfx") << QStringList{"Ryzen 7 3750H with Radeon Vega Mobile Gfx"} << int(R::FullName)
                                         << QStringList{"C521"};
    QTest::newRow("Series") << QStringList{"Radeon RX 560 Series"} << int(R::FullName) << QStringList{"G189", "G223"};
    QTest::newRow("Graphics") << QStringList{"HD Graphics 530"} << int(R::FullName) << QStringList{"G564"};
    QTest::newRow("chip code in brackets") << QStringList{"GP104 [GeForce GTX 1070]"} << int(R::FullName)
                                           << QStringList{"only", "G36", "G69"}; // not the 1070 Ti, nor the Max-Q
    QTest::newRow("driver details") << QStringList{"HD 630 (KBL GT2)"} << int(R::FullName) << QStringList{"G501"};
    QTest::newRow("memory size") << QStringList{"GTX1660Ti 6G"} << int(R::FullName) << QStringList{"only", "G38", "G65"};
    QTest::newRow("maker not written") << QStringList{"AMD 3700X"} << int(R::FullName) << QStringList{"C57"};
    QTest::newRow("maker known by family") << QStringList{"NVIDIA GTX1660"} << int(R::FullName) << QStringList{"only", "G49"};
    QTest::newRow("card maker glued") << QStringList{"迪兰RX590 8G"} << int(R::FullName) << QStringList{"G71"};
    QTest::newRow("laptop M") << QStringList{"RTX2070M"} << int(R::FullName) << QStringList{"G43"};
    QTest::newRow("Max-Q") << QStringList{"1070 max-q"} << int(R::FullName) << QStringList{"G72"};
    QTest::newRow("S for SUPER") << QStringList{"1660S 6G"} << int(R::FullName) << QStringList{"G45"};
    QTest::newRow("revision") << QStringList{"TU106 [GeForce RTX 2060 Rev. A] (rev a1)"} << int(R::FullName)
                              << QStringList{"only", "G23", "G51"}; // not the 2060 SUPER
    QTest::newRow("APU graphics") << QStringList{"A10-7850K Radeon R7, 12 Compute Cores 4C+8G"} << int(R::FullName)
                                  << QStringList{"C918"};
    QTest::newRow("socket and power") << QStringList{"锐龙5 3600 65W AM4接口"} << int(R::FullName) << QStringList{"only", "C98"};
    QTest::newRow("a word no record has") << QStringList{"RX580 超白金"} << int(R::FullName) << QStringList{"G70"};
    QTest::newRow("words in another order") << QStringList{"i7-9700K Core"} << int(R::FullName) << QStringList{"C137"};
    QTest::newRow("a word between") << QStringList{"Ryzen 3600"} << int(R::FullName) << QStringList{"only", "C98"};
    QTest::newRow("and keeps narrowing") << QStringList{"GeForce GTX 1070 8G", "Ti"} << int(R::FullName) << QStringList{"G25"};
    QTest::newRow("or keeps widening") << QStringList{"RTX 3080", "", "RTX2070M"} << int(R::FullName) << QStringList{"G43"};
    // exactly these: no unrelated row, no longer number, no other maker
    QTest::newRow("only: a whole system name") << QStringList{"Intel(R) Core(TM) i7-6700K CPU @ 4.00GHz"}
                                               << int(R::FullName) << QStringList{"only", "C325"};
    QTest::newRow("only: not 5300, not Radeon's 530v") << QStringList{"Intel(R) HD Graphics 530"} << int(R::FullName)
                                                       << QStringList{"only", "G564"};
    QTest::newRow("only: from a word's start") << QStringList{"Mesa Intel(R) HD Graphics 630 (KBL GT2)"}
                                               << int(R::FullName) << QStringList{"only", "G501"};
    // sources that dress a name their own way: the record meant, its laptop forms, no sibling
    QTest::newRow("only: digits in a shop's decoration")
        << QStringList{"AMD 锐龙7 3700X (r7)7nm 8核16线程 3.6GHz 65W AM4接口 盒装CPU"} << int(R::FullName) << QStringList{"only", "C57"};
    QTest::newRow("only: clock range, memory glued to Chinese")
        << QStringList{"七彩虹 RTX2060 1470-1680MHz GDDR6电竞游戏显卡"} << int(R::FullName) << QStringList{"only", "G23", "G51"};
    QTest::newRow("only: a board part number") << QStringList{"GV-N2070WF3-8GC"} << int(R::FullName)
                                               << QStringList{"only", "G14", "G43"};
    QTest::newRow("only: a part number glued to codes") << QStringList{"DUAL-RTX2060-O6G-EVO"} << int(R::FullName)
                                                        << QStringList{"only", "G23", "G51"};
    QTest::newRow("only: a laptop title names two devices")
        << QStringList{"戴尔 G3 3590 15.6英寸游戏本（i5-9300H 8G 512G GTX1650 4G）"} << int(R::FullName)
        << QStringList{"only", "C420", "G113"};
    QTest::newRow("only: two colons of a tool") << QStringList{"Processor 1: Intel(R) Core(TM) i5-6500 CPU: 3.20 GHz"}
                                                << int(R::FullName) << QStringList{"only", "C680"};
    QTest::newRow("only: a table row of a system tool")
        << QStringList{"| 显卡 | NVIDIA GeForce GTX 1050 Ti ( 4 GB / 华硕 ) |"} << int(R::FullName)
        << QStringList{"only", "G110", "G127"};
    QTest::newRow("only: a family") << QStringList{"Radeon HD 6800 Series"} << int(R::FullName) << QStringList{"only", "G278", "G295"};
    QTest::newRow("only: a family, R9 alone") << QStringList{"AMD Radeon R9 200 Series"} << int(R::FullName)
        << QStringList{"only", "G97", "G104", "G111", "G134", "G142", "G146", "G152", "G164", "G167", "G193", "G255", "G364"};
    QTest::newRow("only: a list with slashes") << QStringList{"Ellesmere [Radeon RX 470/480/570/570X/580/580X/590]"}
                                               << int(R::FullName) << QStringList{"only", "G70", "G71", "G87", "G96", "G99", "G350"};
    QTest::newRow("only: memory written apart") << QStringList{"Intel UHD Graphics 630 1536 MB"} << int(R::FullName)
                                                << QStringList{"only", "G440"};
    QTest::newRow("only: a miswritten brand name") << QStringList{"瑞龙5 3600"} << int(R::FullName) << QStringList{"only", "C98"};
    QTest::newRow("only: a generation and a kind") << QStringList{"九代i5 9400F 核显"} << int(R::FullName) << QStringList{"only", "C298"};
    QTest::newRow("only: the plain model, not the SUPER") << QStringList{"RX 5700 8G"} << int(R::FullName) << QStringList{"only", "G27"};
    QTest::newRow("only: the laptop one where the text says so") << QStringList{"RTX2070M"} << int(R::FullName)
                                                                 << QStringList{"only", "G43"};
    QTest::newRow("only: a clock range, a number no model") << QStringList{"七彩虹 RX580 8G 1470-1700MHz"} << int(R::FullName)
                                                           << QStringList{"only", "G70"}; // not the Ryzen 7 1700
    QTest::newRow("only: memory and clock written apart") << QStringList{"RX 580 8 GB 1700 MHz"} << int(R::FullName)
                                                          << QStringList{"only", "G70"};
    QTest::newRow("only: the letters the lists add") << QStringList{"i7 9850 笔记本"} << int(R::FullName)
                                                     << QStringList{"only", "C230", "C312"}; // 9850H, 9850HL
    QTest::newRow("only: a short number, its whole name") << QStringList{"Vega 8 核显"} << int(R::FullName)
                                                          << QStringList{"only", "G375", "G394"}; // not RX Vega 8
    QTest::newRow("only: a miswritten family") << QStringList{"瑞龙 3600"} << int(R::FullName) << QStringList{"only", "C98"};
    QTest::newRow("only: a name without a number") << QStringList{"NVIDIA TITAN RTX"} << int(R::FullName) << QStringList{"only", "G3"};
    QTest::newRow("only: the maker named before the number") << QStringList{"NVIDIA 580"} << int(R::FullName)
                                                             << QStringList{"only", "G160", "G1138"}; // not the RX 580
    // a model newer than the lists names no old row of the same number
    QTest::newRow("newer: the 1650 Ti is no 1650") << QStringList{"NVIDIA GeForce GTX 1650 Ti"} << int(R::AsTyped) << QStringList{"only"};
    QTest::newRow("newer: RX 6600 is no GeForce 6600") << QStringList{"RX 6600 XT 8G"} << int(R::AsTyped) << QStringList{"only"};
    QTest::newRow("newer: UHD 770 is no GTX 770") << QStringList{"Intel(R) UHD Graphics 770"} << int(R::AsTyped) << QStringList{"only"};
    QTest::newRow("newer: Apple M2 is no Pentium M") << QStringList{"Apple M2"} << int(R::AsTyped) << QStringList{"only"};
    QTest::newRow("newer: i5-12400F") << QStringList{"12th Gen Intel(R) Core(TM) i5-12400F"} << int(R::AsTyped) << QStringList{"only"};
    QTest::newRow("nothing any way") << QStringList{"GTX 9999", "", "RTX 3080"} << int(R::AsTyped) << QStringList{"only"};
    QTest::newRow("separators alone") << QStringList{"--", "", "._"} << int(R::AsTyped) << QStringList{"only"};
    QTest::newRow("noise alone") << QStringList{"Intel(R) CPU @ 3.60GHz"} << int(R::AsTyped) << QStringList{"only"};
}

void TstQueryScan::readings()
{
    QFETCH(QStringList, fields);
    QFETCH(int, reading);
    QFETCH(QStringList, first);
    while (fields.size() < 6)
        fields.append(QString());
    const Conditions c = normaliseConditions({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]});
    RecordSearch search(m_table);
    const RecordSearch::Found found = search.find(c, u'A', RecordTable::kRecordCount, 31);
    QStringList codes;
    for (const int slot : found.hits)
        codes.append(ScoreRecord::codeField(m_table[slot]).trimmed().toString());
    QCOMPARE(int(found.reading), reading);
    if (first.value(0) == QStringLiteral("only"))
        QCOMPARE(codes, first.mid(1));
    else
        QCOMPARE(codes.mid(0, first.size()), first);
    if (found.reading == RecordSearch::Reading::AsTyped) // exactly what the plain scan lists
        QCOMPARE(codes, codesFound(m_index, m_table, c).mid(0, 31));
}

QTEST_APPLESS_MAIN(TstQueryScan)
#include "tst_queryscan.moc"
