#include "data/Cp936.h"
#include "query/ResultTable.h"

#include <QTest>

using namespace ResultTable;

namespace {

QString cpu(int score)
{
    return QStringLiteral("|C1   |") + QStringLiteral("X").leftJustified(40) + u'|'
        + QString::number(score).rightJustified(5) + u'|';
}

// What the caller does: header, rows, closing line.
QString table(int rows)
{
    QString text = headerText();
    for (int n = 1; n <= rows; ++n) {
        text += rowText(cpu(5240));
        if (frameFollowsRow(n))
            text += frameLine();
    }
    if (closingLineNeeded(rows))
        text += frameLine();
    return text;
}

} // namespace

class TstResultTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China)); }
    void oneRowTable();
    void shapes_data();
    void shapes();
    void percentages_data();
    void percentages();
    void groupingFollowsTheLocale();
    void gpuRowsLineUp();
    void tierMembership();
    void newerRowsOnTheirOwnScale();
};

void TstResultTable::oneRowTable()
{
    QString text = headerText() + rowText(u"|C914 |Intel Core i3-4340@3.60GHz              | 5240|");
    QVERIFY(closingLineNeeded(1));
    text += frameLine();
    QCOMPARE(text, QString::fromUtf16(uR"(+-----+----------------------------------------+-----+--------+
|编号 |硬件描述                                |得分 |与 I3-  |
|     |                                        |     |4340比% |
+-----+----------------------------------------+-----+--------+
|C914 |Intel Core i3-4340@3.60GHz              | 5240|  100.00|
+-----+----------------------------------------+-----+--------+
)").replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
}

void TstResultTable::shapes_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("frames");
    QTest::newRow("0") << 0 << 4 << 2;
    QTest::newRow("1") << 1 << 6 << 3;
    QTest::newRow("4: the group's line closes") << 4 << 9 << 3;
    QTest::newRow("5") << 5 << 11 << 4;
    QTest::newRow("9") << 9 << 15 << 4;
    QTest::newRow("29: the last group closes itself") << 29 << 39 << 8;
    QTest::newRow("30") << 30 << 41 << 9;
}

void TstResultTable::shapes()
{
    QFETCH(int, rows);
    QFETCH(int, lines);
    QFETCH(int, frames);
    const QString text = table(rows);
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    const QStringList all = text.chopped(2).split(QStringLiteral("\r\n"));
    QCOMPARE(all.size(), lines);
    QCOMPARE(all.count(frameLine().chopped(2)), frames);
    QVERIFY(!text.chopped(2).contains(u'\n') || text.count(u'\n') == text.count(QStringLiteral("\r\n")));
    for (const QString &line : all)
        QCOMPARE(Cp936::width(line), 63);
    if (rows > 0)
        QCOMPARE(all.constLast(), frameLine().chopped(2));
}

void TstResultTable::percentages_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("cell");
    QTest::newRow("C1") << 47956 << QStringLiteral("  915.19|");
    QTest::newRow("reference") << 5240 << QStringLiteral("  100.00|");
    QTest::newRow("C3012") << 79 << QStringLiteral("    1.51|");
    QTest::newRow("largest") << 99999 << QStringLiteral("1,908.38|");
    QTest::newRow("rounds half up") << 262 << QStringLiteral("    5.00|");
    QTest::newRow("zero") << 0 << QStringLiteral("    0.00|");
}

void TstResultTable::percentages()
{
    QFETCH(int, score);
    QFETCH(QString, cell);
    QCOMPARE(percentageCell(cpu(score)), cell);
}

void TstResultTable::groupingFollowsTheLocale()
{
    QCOMPARE(percentageCell(cpu(99999), QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("1.908,38|"));
    QCOMPARE(percentageCell(cpu(47956), QLocale(QLocale::French, QLocale::France)), QStringLiteral("  915,19|"));
    // even a locale that leaves the separator out by default groups thousands here
    QCOMPARE(percentageCell(cpu(99999), QLocale::c()), QStringLiteral("1,908.38|"));
}

void TstResultTable::gpuRowsLineUp()
{
    const QString shortened = QStringLiteral("|G314 |Radeon R7 + R7 350双卡                  | 1982|");
    QCOMPARE(percentageCell(shortened), QStringLiteral("        |"));
    QCOMPARE(shortened.size(), 52);
    QCOMPARE(Cp936::width(rowText(shortened).chopped(2)), 63);
    QCOMPARE(percentageCell(u"|G1   |TITAN V CEO Edition                     |16987|"), QStringLiteral("        |"));
}

void TstResultTable::tierMembership()
{
    const QString tier0 = QStringLiteral("C914 ,C767 ,G179 ,G188 ");
    const QString tier2 = QStringLiteral("C490 ,C390 ,G61  ,G66  ,G70  ");
    QVERIFY(isTierMember(u"|G188 |Radeon HD 7850                          | 3845|", tier0));
    QVERIFY(isTierMember(u"|G61  |GeForce GTX 1060                        | 9095|", tier2));
    QVERIFY(!isTierMember(u"|G6   |x                                       | 9095|", tier2));
    QVERIFY(!isTierMember(u"|G1   |x                                       | 9095|", tier2));
    QVERIFY(!isTierMember(u"|C91  |x                                       | 9095|", tier0));
    QVERIFY(!isTierMember(u"", tier0));
}

void TstResultTable::newerRowsOnTheirOwnScale()
{
    // the exact score against the 4790K's, not the rounded column nor the lists' i3-4340
    const QString reference = QStringLiteral("|N455 |Intel Core i7-4790K@4.00GHz             |   76|");
    QCOMPARE(newerRowText(reference, 75.98, 75.98), reference + QStringLiteral("  100.00|\r\n"));
    const QString i5 = QStringLiteral("|N293 |Intel Core i5-12400F                    |  154|");
    QCOMPARE(newerRowText(i5, 154.367, 75.98), i5 + QStringLiteral("  203.17|\r\n"));
    QCOMPARE(newerRowText(i5, 3687.717, 75.98, QLocale::c()).right(11), QStringLiteral("4,853.54|\r\n"));
    QCOMPARE(Cp936::width(newerHeaderText().section(QStringLiteral("\r\n"), 1, 1)), 63);
    QCOMPARE(Cp936::width(newerHeaderText().section(QStringLiteral("\r\n"), 2, 2)), 63);
}

QTEST_APPLESS_MAIN(TstResultTable)
#include "tst_resulttable.moc"
