#include "data/NewerTable.h"
#include "data/ScoreRecord.h"

#include <QBuffer>
#include <QTest>

namespace {

bool fillFrom(NewerTable &table, const QString &lines)
{
    QByteArray bytes = lines.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return table.fill(buffer);
}

const QString kReference = QStringLiteral("N1\tIntel Core i7-4790K@4.00GHz\t75.980\t27\n");

} // namespace

class TstNewerTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void builtInTable();
    void fewSubmissionsAreMarked_data();
    void fewSubmissionsAreMarked();
    void damagedTablesAreRefused_data();
    void damagedTablesAreRefused();
};

void TstNewerTable::builtInTable()
{
    NewerTable table;
    QVERIFY(table.fill());
    QVERIFY(table.count() > 500);
    QCOMPARE(table.referenceScore(), 75.98);
    int reference = 0;
    for (int slot = 1; slot <= table.count(); ++slot) {
        const QString &record = table.records()[slot];
        QCOMPARE(ScoreRecord::listLetter(record), u'N'); // neither C nor G: no list's letter
        QVERIFY2(record.size() == ScoreRecord::kColumns, qPrintable(record)); // ASCII, 54 columns
        QVERIFY(slot == 1 || table.score(slot) <= table.score(slot - 1));
        if (ScoreRecord::descriptionField(record).trimmed() == NewerTable::referenceName())
            reference = slot;
    }
    QVERIFY(reference > 0);
    QCOMPARE(table.records()[reference].mid(6), QStringLiteral("|Intel Core i7-4790K@4.00GHz             |   76|"));
}

void TstNewerTable::fewSubmissionsAreMarked_data()
{
    QTest::addColumn<int>("submissions");
    QTest::addColumn<QString>("code");
    QTest::newRow("9") << 9 << QStringLiteral("N2*  ");
    QTest::newRow("10") << 10 << QStringLiteral("N2   ");
    QTest::newRow("11") << 11 << QStringLiteral("N2   ");
}

void TstNewerTable::fewSubmissionsAreMarked()
{
    QFETCH(int, submissions);
    QFETCH(QString, code);
    NewerTable table;
    QVERIFY(fillFrom(table, kReference + QStringLiteral("N2\tApple M2\t111.264\t%1\n").arg(submissions)));
    QCOMPARE(ScoreRecord::codeField(table.records()[2]).toString(), code);
    QCOMPARE(ScoreRecord::scoreValue(table.records()[2]), 111);
    QCOMPARE(table.score(2), 111.264);
    QCOMPARE(table.submissions(2), submissions);
}

void TstNewerTable::damagedTablesAreRefused_data()
{
    QTest::addColumn<QString>("lines");
    QTest::newRow("no reference") << QStringLiteral("N1\tApple M2\t111.264\t63\n");
    QTest::newRow("codes out of order") << kReference + QStringLiteral("N3\tApple M2\t111.264\t63\n");
    QTest::newRow("score not a number") << kReference + QStringLiteral("N2\tApple M2\tfast\t63\n");
    QTest::newRow("a field missing") << kReference + QStringLiteral("N2\tApple M2\t111.264\n");
    QTest::newRow("wider than the column") << kReference + QStringLiteral("N2\t%1\t1.0\t3\n").arg(QString(41, u'x'));
    QTest::newRow("wider than the score column") << kReference + QStringLiteral("N2\tApple M2\t100000\t3\n");
}

void TstNewerTable::damagedTablesAreRefused()
{
    QFETCH(QString, lines);
    NewerTable table;
    QVERIFY(!fillFrom(table, lines));
    QVERIFY(table.isEmpty());
}

QTEST_APPLESS_MAIN(TstNewerTable)
#include "tst_newertable.moc"
