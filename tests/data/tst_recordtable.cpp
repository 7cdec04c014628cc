#include "data/Cp936.h"
#include "data/RecordTable.h"
#include "data/ScoreRecord.h"

#include <QBuffer>
#include <QTest>

class TstRecordTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void namedSlots_data();
    void namedSlots();
    void emptySlots();
    void everyRecordIsWellFormed();
    void shortenedRecordKeepsItsScoreAtTheEnd();
    void fullWidthDescriptionHasNoPadding();
    void listsNeverRise();
    void fillRejectsWrongCounts();
    void fillTakesCrLfAndKeepsSlotsOnFailure();
    void outOfRangeSlotIsAnError();

private:
    RecordTable m_table;
};

void TstRecordTable::initTestCase()
{
    QVERIFY(m_table.FillCpuList());
    QVERIFY(m_table.FillGpuList());
}

void TstRecordTable::namedSlots_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("record");
    QTest::newRow("C1") << 1 << QStringLiteral("|C1   |AMD Ryzen Threadripper 3970X            |47956|");
    QTest::newRow("C914") << 914 << QStringLiteral("|C914 |Intel Core i3-4340@3.60GHz              | 5240|");
    QTest::newRow("C3012") << 3012 << QStringLiteral("|C3012|VIA Samuel 2                            |   79|");
    QTest::newRow("G1") << 3013 << QStringLiteral("|G1   |TITAN V CEO Edition                     |16987|");
    QTest::newRow("G188") << 3200 << QStringLiteral("|G188 |Radeon HD 7850                          | 3845|");
    QTest::newRow("G314") << 3326 << QStringLiteral("|G314 |Radeon R7 + R7 350双卡                  | 1982|");
    QTest::newRow("G1722") << 4734 << QStringLiteral("|G1722|VIA Chrome9 HCM IGP                     |    1|");
    QTest::newRow("C1608") << 1608 << QStringLiteral("|C1608|AMD Embedded G-Series GX-420GI Radeon R7| 2509|");
}

void TstRecordTable::namedSlots()
{
    QFETCH(int, slot);
    QFETCH(QString, record);
    QCOMPARE(m_table[slot], record);
}

void TstRecordTable::emptySlots()
{
    QVERIFY(m_table[0].isEmpty());
    QVERIFY(m_table[4735].isEmpty());
    QVERIFY(m_table[4736].isEmpty());
}

void TstRecordTable::everyRecordIsWellFormed()
{
    for (int slot = 1; slot <= RecordTable::kRecordCount; ++slot) {
        const QString &r = m_table[slot];
        const bool cpu = slot <= RecordTable::kCpuCount;
        const int rank = cpu ? slot : slot - RecordTable::kCpuCount;
        QCOMPARE(Cp936::width(r), ScoreRecord::kColumns);
        QCOMPARE(ScoreRecord::codeField(r), QString(QString(cpu ? u'C' : u'G') + QString::number(rank)).leftJustified(5));
        QCOMPARE(ScoreRecord::listLetter(r), cpu ? u'C' : u'G');
        QCOMPARE(Cp936::width(ScoreRecord::descriptionField(r)), 40);
        QVERIFY(!ScoreRecord::descriptionField(r).startsWith(u' '));
        if (cpu) {
            // a CPU record is always 54 characters: its score sits at characters 49-53
            QCOMPARE(r.size(), 54);
            QCOMPARE(r.mid(48, 5).trimmed().toInt(), ScoreRecord::scoreValue(r));
        }
        QVERIFY(r.size() == 54 || r.size() == 52 || r.size() == 51);
    }
}

void TstRecordTable::shortenedRecordKeepsItsScoreAtTheEnd()
{
    const QString &g314 = m_table[RecordTable::kCpuCount + 314];
    QCOMPARE(g314.size(), 52);
    QCOMPARE(g314.mid(46, 5), QStringLiteral(" 1982")); // starts at character 47, not 49
    QCOMPARE(ScoreRecord::scoreValue(g314), 1982);
    QCOMPARE(ScoreRecord::descriptionField(g314), QStringLiteral("Radeon R7 + R7 350双卡                  "));
}

void TstRecordTable::fullWidthDescriptionHasNoPadding()
{
    const QString &c1608 = m_table[1608];
    QCOMPARE(ScoreRecord::codeField(c1608), QStringLiteral("C1608"));
    QVERIFY(!ScoreRecord::descriptionField(c1608).endsWith(u' '));
}

void TstRecordTable::listsNeverRise()
{
    for (int slot = 2; slot <= RecordTable::kRecordCount; ++slot) {
        if (slot == RecordTable::kCpuCount + 1)
            continue; // G1 starts a list of its own
        QVERIFY2(ScoreRecord::scoreValue(m_table[slot]) <= ScoreRecord::scoreValue(m_table[slot - 1]),
                 qPrintable(m_table[slot]));
    }
    QCOMPARE(ScoreRecord::scoreValue(m_table[1]), 47956);
    QCOMPARE(ScoreRecord::scoreValue(m_table[RecordTable::kCpuCount + 1]), 16987);
}

void TstRecordTable::fillRejectsWrongCounts()
{
    const QByteArray two = "|C1   |A                                       |    2|\n"
                           "|C2   |B                                       |    1|\n";
    for (int count : {1, 3}) {
        QBuffer buffer;
        buffer.setData(two);
        buffer.open(QIODevice::ReadOnly);
        RecordTable table;
        QVERIFY(!table.fill(buffer, 1, count));
        QVERIFY(table[1].isEmpty());
    }
    QBuffer buffer;
    buffer.setData(two);
    buffer.open(QIODevice::ReadOnly);
    RecordTable table;
    QVERIFY(table.fill(buffer, 1, 2));
    QCOMPARE(table[2], QStringLiteral("|C2   |B                                       |    1|"));
}

void TstRecordTable::fillTakesCrLfAndKeepsSlotsOnFailure()
{
    RecordTable table;
    QBuffer crlf;
    crlf.setData("|G1   |X                                       |    9|\r\n");
    crlf.open(QIODevice::ReadOnly);
    QVERIFY(table.fill(crlf, 4734, 1));
    QCOMPARE(table[4734].size(), 54);

    QBuffer blank;
    blank.setData("|G1   |Y                                       |    9|\n\n");
    blank.open(QIODevice::ReadOnly);
    QVERIFY(!table.fill(blank, 4734, 2)); // an empty line is no record
    QVERIFY(table[4734].contains(u'X'));

    QBuffer any;
    any.setData("x\n");
    any.open(QIODevice::ReadOnly);
    QVERIFY(!table.fill(any, 4736, 2)); // past the last slot
    QVERIFY(!table.fill(any, 0, 1));
    QVERIFY(table.fill(any, 4736, 1)); // the last slot itself
    QCOMPARE(table[4736], QStringLiteral("x"));
}

void TstRecordTable::outOfRangeSlotIsAnError()
{
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, m_table[4737]);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, m_table[-1]);
}

QTEST_APPLESS_MAIN(TstRecordTable)
#include "tst_recordtable.moc"
