#include "query/Conditions.h"

#include <QTest>

class TstConditions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void normalise_data();
    void normalise();
    void mode_data();
    void mode();
    void notes();
    void excludedLetters();
};

void TstConditions::normalise_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("condition");
    QTest::newRow("lower case, spaces around") << QStringLiteral("  i7-4790k ") << QStringLiteral("I7-4790K");
    QTest::newRow("inner spaces kept") << QStringLiteral(" radeon  rx 580") << QStringLiteral("RADEON  RX 580");
    QTest::newRow("only spaces") << QStringLiteral("     ") << QString();
    QTest::newRow("pasted tab and line break") << QStringLiteral("\ti3-9100\r\n") << QStringLiteral("I3-9100");
    QTest::newRow("other spaces, also inside") << QStringLiteral("\u3000core\u00A0i3\t") << QStringLiteral("CORE I3");
    QTest::newRow("only other spaces") << QStringLiteral("\u3000\t\n\r\u00A0") << QString();
    QTest::newRow("full-width ASCII") << QStringLiteral("\uFF49\uFF17\uFF0D\uFF14\uFF17\uFF19\uFF10\uFF2B\uFF5E")
                                      << QStringLiteral("I7-4790K~");
    QTest::newRow("dash look-alikes") << QStringLiteral("i7\u20114790k \u2010\u2015\u2212\uFE63\uFF0D")
                                      << QStringLiteral("I7-4790K -----");
    QTest::newRow("invisible characters dropped") << QStringLiteral("\uFEFFi7\u200B-\u00AD4790\u2060k\u200C\u200D ")
                                                  << QStringLiteral("I7-4790K");
    QTest::newRow("full-width edges untouched") << QStringLiteral("\uFF00\uFF5F") << QStringLiteral("\uFF00\uFF5F");
    QTest::newRow("letter beyond the BMP") << QStringLiteral("\U00010428x") << QStringLiteral("\U00010400X");
    QTest::newRow("chinese unchanged") << QStringLiteral("双卡 r7") << QStringLiteral("双卡 R7");
    QTest::newRow("sharp s keeps its length") << QStringLiteral("ß") << QStringLiteral("ß");
    QTest::newRow("emoji kept") << QStringLiteral("😀a") << QStringLiteral("😀A");
}

void TstConditions::normalise()
{
    QFETCH(QString, field);
    QFETCH(QString, condition);
    QCOMPARE(normaliseCondition(field), condition);
}

void TstConditions::mode_data()
{
    QTest::addColumn<QStringList>("fields"); // AND, OR1..OR4
    QTest::addColumn<int>("mode");
    QTest::newRow("main only") << QStringList{"", "", "", "", ""} << int(MatchMode::MainOnly);
    QTest::newRow("and") << QStringList{"6600", "", "", "", ""} << int(MatchMode::And);
    QTest::newRow("and beats every or") << QStringList{"6600", "A", "B", "C", "D"} << int(MatchMode::And);
    QTest::newRow("or1") << QStringList{"", "A", "", "", ""} << int(MatchMode::Or1);
    QTest::newRow("or2") << QStringList{"", "A", "B", "", ""} << int(MatchMode::Or2);
    QTest::newRow("or3") << QStringList{"", "A", "B", "C", ""} << int(MatchMode::Or3);
    QTest::newRow("or4") << QStringList{"", "A", "B", "C", "D"} << int(MatchMode::Or4);
    QTest::newRow("or2 without or1") << QStringList{"", "", "B", "", ""} << int(MatchMode::MainOnly);
    QTest::newRow("gap at or3") << QStringList{"", "A", "B", "", "D"} << int(MatchMode::Or2);
}

void TstConditions::mode()
{
    QFETCH(QStringList, fields);
    QFETCH(int, mode);
    const Conditions c{QStringLiteral("M"), fields[0], fields[1], fields[2], fields[3], fields[4]};
    QCOMPARE(int(chooseMatchMode(c)), mode);
}

void TstConditions::notes()
{
    const QString prefix = QStringLiteral("注:仅显示前30条记录(请缩少范围)");
    QCOMPARE(capNote(MatchMode::MainOnly), prefix + QStringLiteral("a。"));
    QCOMPARE(capNote(MatchMode::And), prefix + QStringLiteral("b。"));
    QCOMPARE(capNote(MatchMode::Or1), prefix + QStringLiteral("c。"));
    QCOMPARE(capNote(MatchMode::Or2), prefix + QStringLiteral("d。"));
    QCOMPARE(capNote(MatchMode::Or3), prefix + QStringLiteral("e。"));
    QCOMPARE(capNote(MatchMode::Or4), prefix + QStringLiteral("e。"));
}

void TstConditions::excludedLetters()
{
    QCOMPARE(excludedLetter(u"1"), QChar(u'A'));
    QCOMPARE(excludedLetter(u"2"), QChar(u'G'));
    QCOMPARE(excludedLetter(u"3"), QChar(u'C'));
    QVERIFY(excludedLetter(u"").isNull());
    QVERIFY(excludedLetter(u"4").isNull());
}

QTEST_APPLESS_MAIN(TstConditions)
#include "tst_conditions.moc"
