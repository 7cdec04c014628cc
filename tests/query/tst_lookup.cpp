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
    void initTestCase() { QVERIFY(m_table.FillCpuList() && m_table.FillGpuList()); }
    void bothTables_data();
    void bothTables();
    void graphicsChipsMissedByBoth();

private:
    RecordTable m_table;
};

namespace {

// Under ALL. fields: main, AND, OR1..OR4 parted by "|"; codes parted by spaces; notes
// "field:reading", -1 for none found
void row(const char *name, const char *fields, const char *lists, const char *newer = "", const char *notes = "")
{
    const auto words = [](const char *text) { return QString::fromUtf8(text).split(u' ', Qt::SkipEmptyParts); };
    QTest::newRow(name) << QString::fromUtf8(fields).split(u'|') << words(lists)
                        << words(newer) << words(notes);
}

} // namespace

void TstLookup::bothTables_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<QStringList>("newer"); // their marks left out
    QTest::addColumn<QStringList>("notes");
    // an old and a newer processor compared on one scale
    row("old OR newer", "i5-4460||i5-12400F", "C726 C765 C922", "N293 N547");
    row("old as listed OR newer", "Intel Core i5-4460@3.20GHz||i5-12400F", "C726", "N293 N547");
    // each OR condition read on its own, with a note where read more kindly or not found
    row("OR read kindly", "GTX1060||RX 580", "G61 G70 G77 G86 G95 G101 G119", "", "0:1");
    row("OR found by none", "i5-4460||GTX 9999", "C726 C765 C922", "", "1:-1");
    // a newer row that reads the whole model beats an old one reading part of it
    row("loose old match loses", "7800X3D 盒装", "", "N152");
    row("devices in both tables", "办公主机 i5-12400F GTX1060 6G", "G61 G101", "N293");
    // a number that is part of something else names no record
    row("letters glued before", "Intel N200", "");
    row("letters glued, hyphen", "i3-N300", "");
    row("a laptop's own model", "拯救者R7000P 锐龙R7-5800H RTX3050", "", "N300");
    row("memory and storage", "小米 i5-8250U 8+256", "C662");
    row("a socket", "LGA1150 i5-4590", "C665");
    row("a maker, several series", "AMD 3600", "C98 C1575 C2572 C2595 C2702");
    // the newer table reads what the lists' readings read
    row("a label", "Chip: Apple M3 Pro", "", "N181");
    row("a Chinese label", "芯片：Apple M4", "", "N186");
    row("a computer for its maker, a variant before", "MacBook Pro M3 18+512", "", "N356");
    row("w/ graphics", "AMD Ryzen 5 7640HS w/ Radeon 760M Graphics", "", "N272");
    row("dashed part number", "Snapdragon X Plus X1P-64-100", "", "N218");
    // precise names
    row("memory as the variant", "GTX1060 3G", "G77");
    row("a desktop word", "GTX 1060 台式机", "G61");
    row("no Max-Q, no 3GB", "NVIDIA GeForce GTX 1060", "G61 G101");
    row("Max-Q written", "GeForce GTX 1060 with Max-Q Design PCIe", "G95");
    row("Intel's Chinese UHD", "超核芯显卡630", "G440");
    row("Intel's Chinese HD", "核芯显卡530", "G564");
    row("泰坦", "泰坦 RTX", "G3");
    row("Supper", "RTX2060 Supper", "G15");
    row("R7 before a Ryzen model", "R7 3700X 盒装", "C57");
    row("R7 in a shop title", "8核16线程 R7 2700", "C200");
    row("no number, memory", "NVIDIA TITAN RTX 24G", "G3");
}

void TstLookup::bothTables()
{
    QFETCH(QStringList, fields);
    while (fields.size() < 6)
        fields.append(QString());
    Lookup lookup(m_table);
    const Lookup::Result r = lookup.find(normaliseConditions({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]}),
                                         u'A', RecordTable::kRecordCount, 31);
    QStringList lists, newer, notes;
    for (const int slot : r.lists.hits)
        lists << ScoreRecord::codeField(m_table[slot]).trimmed().toString();
    for (const int slot : r.newer)
        newer << ScoreRecord::codeField(lookup.newerTable().records()[slot]).trimmed().toString().remove(u'*');
    for (const Lookup::ConditionNote &n : r.notes)
        notes << QStringLiteral("%1:%2").arg(n.field).arg(n.reading ? int(*n.reading) : -1);
    QTEST(lists, "lists");
    QTEST(newer, "newer");
    QTEST(notes, "notes");
}

void TstLookup::graphicsChipsMissedByBoth()
{
    Lookup lookup(m_table);
    const auto graphics = [&](const char *main) {
        return lookup.find(normaliseConditions({QString::fromUtf8(main)}), u'A', RecordTable::kRecordCount, 31).namesGraphics;
    };
    for (const char *name : {"RTX 4060", "GeForce RTX4090 24G", "Radeon RX 7900 XTX", "Intel Arc A770"})
        QVERIFY2(graphics(name), name);
    for (const char *name : {"Intel N200", "9999", "GTX 1060"}) // a processor, a bare number, a listed chip
        QVERIFY2(!graphics(name), name);
}

QTEST_APPLESS_MAIN(TstLookup)
#include "tst_lookup.moc"
