#include "data/RecordTable.h"
#include "data/ScoreRecord.h"
#include "query/Lookup.h"

#include <QTest>

// The lookup over the lists and the newer table as one record space: the rows each table
// gets, the notes, and what the lists find as typed staying exactly as it was.
class TstLookup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void bothTables_data();
    void bothTables();
    void graphicsChipsMissedByBoth();

private:
    RecordTable m_table;
};

void TstLookup::initTestCase()
{
    QVERIFY(m_table.FillCpuList());
    QVERIFY(m_table.FillGpuList());
}

void TstLookup::bothTables_data()
{
    QTest::addColumn<QStringList>("fields"); // main, AND, OR1..OR4
    QTest::addColumn<QString>("category");   // the excluded list letter
    QTest::addColumn<QStringList>("lists");  // the lists' codes
    QTest::addColumn<QStringList>("newer");  // the newer table's, its mark left out
    QTest::addColumn<QStringList>("notes");  // "field:reading", reading -1 for none
    // as specified where every condition is found as typed: no newer table beside it
    QTest::newRow("as typed, old") << QStringList{"i5-4460"} << "A" << QStringList{"C726", "C765", "C922"} << QStringList{} << QStringList{};
    QTest::newRow("as a system writes an old one") << QStringList{"Intel(R) Core(TM) i7-4790K CPU @ 4.00GHz"} << "A"
                                                   << QStringList{"C316"} << QStringList{} << QStringList{};
    // an old and a newer processor compared on one scale
    QTest::newRow("old OR newer") << QStringList{"i5-4460", "", "i5-12400F"} << "A" << QStringList{"C726", "C765", "C922"}
                                  << QStringList{"N293", "N547"} << QStringList{};
    QTest::newRow("old as listed OR newer") << QStringList{"Intel Core i5-4460@3.20GHz", "", "i5-12400F"} << "A"
                                            << QStringList{"C726"} << QStringList{"N293", "N547"} << QStringList{};
    QTest::newRow("newer under CPU") << QStringList{"i5-12400F"} << "G" << QStringList{} << QStringList{"N293"} << QStringList{};
    QTest::newRow("newer under GPU") << QStringList{"i5-12400F"} << "C" << QStringList{} << QStringList{} << QStringList{};
    // each OR condition read on its own, with a note where it was read more kindly or not found
    QTest::newRow("OR read kindly") << QStringList{"GTX1060", "", "RX 580"} << "A"
                                    << QStringList{"G61", "G70", "G77", "G86", "G95", "G101", "G119"} << QStringList{} << QStringList{"0:1"};
    QTest::newRow("OR found by none") << QStringList{"i5-4460", "", "GTX 9999"} << "A" << QStringList{"C726", "C765", "C922"}
                                      << QStringList{} << QStringList{"1:-1"};
    // a newer row that reads the whole model beats an old one reading part of it
    QTest::newRow("loose old match loses") << QStringList{"AMD Ryzen 7 7800X3D 8-Core Processor"} << "A" << QStringList{}
                                           << QStringList{"N152"} << QStringList{};
    QTest::newRow("loose old match loses, no word before") << QStringList{"7800X3D 盒装"} << "A" << QStringList{}
                                                           << QStringList{"N152"} << QStringList{};
    QTest::newRow("devices in both tables") << QStringList{"办公主机 i5-12400F GTX1060 6G"} << "A" << QStringList{"G61", "G101"}
                                            << QStringList{"N293"} << QStringList{};
    // a number that is part of something else names no record
    QTest::newRow("letters glued before") << QStringList{"Intel N200"} << "A" << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("letters glued, hyphen") << QStringList{"i3-N300"} << "A" << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("a laptop's own model") << QStringList{"拯救者R7000P 锐龙R7-5800H RTX3050"} << "A" << QStringList{}
                                          << QStringList{"N300"} << QStringList{};
    QTest::newRow("memory and storage") << QStringList{"MacBook Pro M3 18+512"} << "A" << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("memory and storage beside a model") << QStringList{"小米 i5-8250U 8+256"} << "A" << QStringList{"C662"}
                                                       << QStringList{} << QStringList{};
    QTest::newRow("a socket") << QStringList{"LGA1150 i5-4590"} << "A" << QStringList{"C665"} << QStringList{} << QStringList{};
    QTest::newRow("a maker, several series") << QStringList{"AMD 3600"} << "A"
                                             << QStringList{"C98", "C1575", "C2572", "C2595", "C2702"} << QStringList{} << QStringList{};
    // the newer table reads what the lists' readings read
    QTest::newRow("a label") << QStringList{"Chip: Apple M3 Pro"} << "A" << QStringList{} << QStringList{"N181"} << QStringList{};
    QTest::newRow("a Chinese label") << QStringList{"芯片：Apple M4"} << "A" << QStringList{} << QStringList{"N186"} << QStringList{};
    QTest::newRow("w/ graphics") << QStringList{"AMD Ryzen 5 7640HS w/ Radeon 760M Graphics"} << "A" << QStringList{}
                                 << QStringList{"N272"} << QStringList{};
    QTest::newRow("dashed part number") << QStringList{"Snapdragon X Plus X1P-64-100"} << "A" << QStringList{}
                                        << QStringList{"N218"} << QStringList{};
    // precise names
    QTest::newRow("memory as the variant") << QStringList{"GTX1060 3G"} << "A" << QStringList{"G77"} << QStringList{} << QStringList{};
    QTest::newRow("a desktop word") << QStringList{"GTX 1060 台式机"} << "A" << QStringList{"G61"} << QStringList{} << QStringList{};
    QTest::newRow("no Max-Q, no 3GB") << QStringList{"NVIDIA GeForce GTX 1060"} << "A" << QStringList{"G61", "G101"}
                                      << QStringList{} << QStringList{};
    QTest::newRow("Max-Q written") << QStringList{"GeForce GTX 1060 with Max-Q Design PCIe"} << "A" << QStringList{"G95"}
                                   << QStringList{} << QStringList{};
    QTest::newRow("Intel's Chinese UHD") << QStringList{"超核芯显卡630"} << "A" << QStringList{"G440"} << QStringList{} << QStringList{};
    QTest::newRow("Intel's Chinese HD") << QStringList{"核芯显卡530"} << "A" << QStringList{"G564"} << QStringList{} << QStringList{};
    QTest::newRow("泰坦") << QStringList{"泰坦 RTX"} << "A" << QStringList{"G3"} << QStringList{} << QStringList{};
    QTest::newRow("Supper") << QStringList{"RTX2060 Supper"} << "A" << QStringList{"G15"} << QStringList{} << QStringList{};
    QTest::newRow("R7 before a Ryzen model") << QStringList{"R7 3700X 盒装"} << "A" << QStringList{"C57"} << QStringList{} << QStringList{};
    QTest::newRow("R7 in a shop title") << QStringList{"8核16线程 R7 2700"} << "A" << QStringList{"C200"} << QStringList{} << QStringList{};
    QTest::newRow("no number, memory") << QStringList{"NVIDIA TITAN RTX 24G"} << "A" << QStringList{"G3"} << QStringList{} << QStringList{};
}

void TstLookup::bothTables()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, category);
    QFETCH(QStringList, lists);
    QFETCH(QStringList, newer);
    QFETCH(QStringList, notes);
    while (fields.size() < 6)
        fields.append(QString());
    Lookup lookup(m_table);
    const Lookup::Result r = lookup.find(normaliseConditions({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]}),
                                         category.at(0), RecordTable::kRecordCount, 31);
    QStringList codes;
    for (const int slot : r.lists.hits)
        codes << ScoreRecord::codeField(m_table[slot]).trimmed().toString();
    QCOMPARE(codes, lists);
    codes.clear();
    for (const int slot : r.newer)
        codes << ScoreRecord::codeField(lookup.newerTable().records()[slot]).trimmed().toString().remove(u'*');
    QCOMPARE(codes, newer);
    codes.clear();
    for (const Lookup::ConditionNote &n : r.notes)
        codes << QStringLiteral("%1:%2").arg(n.field).arg(n.reading ? int(*n.reading) : -1);
    QCOMPARE(codes, notes);
}

void TstLookup::graphicsChipsMissedByBoth()
{
    Lookup lookup(m_table);
    const auto graphics = [&](const char *main, QChar excluded = u'A') {
        return lookup.find(normaliseConditions({QString::fromUtf8(main)}), excluded, RecordTable::kRecordCount, 31).namesGraphics;
    };
    for (const char *name : {"RTX 4060", "GeForce RTX4090 24G", "Radeon RX 7900 XTX", "Intel Arc A770"})
        QVERIFY2(graphics(name), name);
    for (const char *name : {"Intel N200", "9999", "GTX 1060"}) // a processor, a bare number, a listed chip
        QVERIFY2(!graphics(name), name);
}

QTEST_APPLESS_MAIN(TstLookup)
#include "tst_lookup.moc"
