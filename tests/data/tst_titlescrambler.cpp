#include "data/Cp936.h"
#include "data/Title.h"
#include "data/TitleScrambler.h"

#include <QTest>

class TstTitleScrambler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyText();
    void roundTrip_data();
    void roundTrip();
    void lowersEachCodeByTheKey();
    void codesOutOfRangeBecomeReplacementCharacters();
    void storedTitleReadsWell();
};

void TstTitleScrambler::emptyText()
{
    QCOMPARE(DescrambleText(QString(), 7), QString());
    QCOMPARE(DescrambleText(QStringLiteral(""), 3), QString());
}

void TstTitleScrambler::roundTrip_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<int>("key");
    QTest::newRow("ascii") << QStringLiteral("CPU/GPU V1.0") << 7;
    QTest::newRow("mixed") << QStringLiteral("性能天梯 i7") << 3;
    QTest::newRow("key 1") << QStringLiteral("查询工具") << 1;
    QTest::newRow("key 9") << QStringLiteral("编号得分") << 9;
}

void TstTitleScrambler::roundTrip()
{
    QFETCH(QString, plain);
    QFETCH(int, key);
    const QString stored = ScrambleText(plain, qint16(key));
    QCOMPARE(stored.size(), plain.size());
    QVERIFY(stored != plain);
    QCOMPARE(DescrambleText(stored, qint16(key)), plain);
}

void TstTitleScrambler::lowersEachCodeByTheKey()
{
    QCOMPARE(DescrambleText(QStringLiteral("JW\\"), 7), QStringLiteral("CPU"));
    // B1E7 - 7 = B1E0
    QCOMPARE(DescrambleText(QString(Cp936::character(0xB1E7)), 7), QStringLiteral("编"));
    // a negative key raises instead
    QCOMPARE(DescrambleText(QStringLiteral("CPU"), -7), QStringLiteral("JW\\"));
}

void TstTitleScrambler::codesOutOfRangeBecomeReplacementCharacters()
{
    const QChar replacement(QChar::ReplacementCharacter);
    // 0x8140 is -32448; lowering it by 400 leaves the signed 16-bit range
    QCOMPARE(DescrambleText(QStringLiteral("丂"), 400), QString(replacement));
    QCOMPARE(DescrambleText(QStringLiteral("丂"), qint16(32767)), QString(replacement));
    // "A" + 32767 leaves the range upwards
    QCOMPARE(DescrambleText(QStringLiteral("A"), qint16(-32767)), QString(replacement));
    // a code that names no character (a lead byte alone) keeps its place
    QCOMPARE(DescrambleText(QStringLiteral("x€x"), qint16(-1)), QStringLiteral("y") + replacement + QStringLiteral("y"));
    // unmappable input has code 0
    QCOMPARE(DescrambleText(QStringLiteral("😀"), 7).size(), 2);
}

void TstTitleScrambler::storedTitleReadsWell()
{
    QString title;
    for (int part = 1; part <= 3; ++part) {
        const QString plain = DescrambleText(Title::scrambledPart(part), Title::kKey);
        QVERIFY(!plain.isEmpty());
        QVERIFY(!plain.contains(QChar(QChar::ReplacementCharacter)));
        QCOMPARE(ScrambleText(plain, Title::kKey), Title::scrambledPart(part));
        title += plain;
    }
    QVERIFY(title.contains(QStringLiteral("CPU")) && title.contains(QStringLiteral("GPU")));
    QVERIFY(title.endsWith(QStringLiteral("V0.99b4")));
    QVERIFY(Title::kKey > 0 && Title::kKey < 10);
}

QTEST_APPLESS_MAIN(TstTitleScrambler)
#include "tst_titlescrambler.moc"
