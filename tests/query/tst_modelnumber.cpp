#include "query/ModelNumber.h"

#include <QTest>

class TstModelNumber : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void report();
    void extract_data();
    void extract();
};

void TstModelNumber::report()
{
    QCOMPARE(processorReport({}), QStringLiteral("本机CPU型号："));
    QCOMPARE(processorReport({QStringLiteral(" A "), QStringLiteral("b")}),
             QStringLiteral("本机CPU型号：\r\n A \r\nb"));
}

void TstModelNumber::extract_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("model");
    QTest::newRow("i7-9850H, case kept") << QStringList{"Intel(R) Core(TM) i7-9850H CPU @ 2.60GHz"}
                                         << QStringLiteral("i7-9850H");
    QTest::newRow("upper case") << QStringList{"INTEL CORE I5-8250U CPU @ 1.60GHZ"} << QStringLiteral("I5-8250U");
    QTest::newRow("AMD") << QStringList{"AMD Ryzen 7 3700X 8-Core Processor"} << QString();
    QTest::newRow("no processors") << QStringList{} << QString();
    QTest::newRow("ends with the model") << QStringList{"12th Gen Intel(R) Core(TM) i5-12400F"} << QStringLiteral("i5-12400F");
    QTest::newRow("ends with five characters") << QStringList{"Core i3-12"} << QString();
    QTest::newRow("five characters") << QStringList{"Core i3-12 x"} << QString();
    QTest::newRow("six characters") << QStringList{"Core i3-123 x"} << QStringLiteral("i3-123");
    QTest::newRow("two identical") << QStringList{"Intel Core i9-9900K CPU @ 3.60GHz", "Intel Core i9-9900K CPU @ 3.60GHz"}
                                   << QStringLiteral("i9-9900K");
    // the earliest marker counts, not the sum of the markers' positions
    QTest::newRow("two families") << QStringList{"Intel Core i9-9900K CPU", "Intel Core i3-8100 CPU"}
                                  << QStringLiteral("i9-9900K");
    QTest::newRow("two markers in one name") << QStringList{"Intel i7-8809G with i5-class graphics"}
                                             << QStringLiteral("i7-8809G");
    // the model number ends on its own line, never in the next name
    QTest::newRow("line ends first") << QStringList{"Intel Core i7-9850H", "Intel Core i5-8250U CPU"} << QStringLiteral("i7-9850H");
    QTest::newRow("marker at the very end") << QStringList{"Intel Core i7-"} << QString();
}

void TstModelNumber::extract()
{
    QFETCH(QStringList, names);
    QFETCH(QString, model);
    QCOMPARE(extractModelNumber(processorReport(names)), model);
}

QTEST_APPLESS_MAIN(TstModelNumber)
#include "tst_modelnumber.moc"
