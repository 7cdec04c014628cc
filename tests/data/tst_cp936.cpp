#include "data/Cp936.h"

#include <QStringEncoder>
#include <QTest>

class TstCp936 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownCodes_data();
    void knownCodes();
    void unmappable();
    void widths();
    void agreesWithQtGbkOverTheBmp();
};

void TstCp936::knownCodes_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<uint>("code");
    QTest::newRow("A") << QChar(u'A') << 0x41u;
    QTest::newRow("bar") << QChar(u'|') << 0x7Cu;
    QTest::newRow("euro") << QChar(u'€') << 0x80u;
    QTest::newRow("bian") << QChar(u'编') << 0xB1E0u;
    QTest::newRow("a (first GB2312 hanzi)") << QChar(u'啊') << 0xB0A1u;
    QTest::newRow("first code") << QChar(u'丂') << 0x8140u;
    QTest::newRow("fullwidth colon") << QChar(u'：') << 0xA3BAu;
}

void TstCp936::knownCodes()
{
    QFETCH(QChar, character);
    QFETCH(uint, code);
    QCOMPARE(Cp936::code(character), code);
    QCOMPARE(Cp936::character(code), character);
}

void TstCp936::unmappable()
{
    QCOMPARE(Cp936::code(QChar(u'\u20A9')), 0u); // won sign
    QCOMPARE(Cp936::code(QChar(0xD83D)), 0u);    // half of an emoji
    QVERIFY(Cp936::character(0x81).isNull());    // a lead byte alone
    QVERIFY(Cp936::character(0x817F).isNull());  // 0x7F is never a trail byte
    QVERIFY(Cp936::character(0xFFFF).isNull());
    QVERIFY(Cp936::character(0x10000).isNull());
}

void TstCp936::widths()
{
    QCOMPARE(Cp936::width(QChar(u'a')), 1);
    QCOMPARE(Cp936::width(QChar(u'€')), 1);
    QCOMPARE(Cp936::width(QChar(u'双')), 2);
    QCOMPARE(Cp936::width(u"Radeon R7 + R7 350双卡"), 22);
    QCOMPARE(Cp936::width(u"移动版"), 6);
    QCOMPARE(Cp936::width(u"😀"), 2); // two unmappable halves, one column each
    QCOMPARE(Cp936::width(u""), 0);
}

void TstCp936::agreesWithQtGbkOverTheBmp()
{
    QStringEncoder gbk("GBK", QStringEncoder::Flag::Stateless);
    if (!gbk.isValid())
        QSKIP("this Qt has no GBK codec to compare with");
    int compared = 0;
    QStringList differences;
    for (char32_t u = 0x80; u <= 0xFFFF; ++u) {
        if (u >= 0xD800 && u <= 0xDFFF)
            continue;
        const QChar c(static_cast<char16_t>(u));
        // the encoder keeps its error flag once set, so unmappable is read from its "?"
        const QByteArray bytes = gbk.encode(QStringView(&c, 1));
        unsigned expected = 0;
        if (bytes.size() == 1)
            expected = quint8(bytes[0]);
        else if (bytes.size() == 2)
            expected = unsigned(quint8(bytes[0])) << 8 | quint8(bytes[1]);
        else
            continue;
        if (bytes == "?")
            expected = 0;
        ++compared;
        // ICU also maps the user-defined areas to private-use characters; glibc's table,
        // ours, leaves them out
        if (expected != 0 && c.category() == QChar::Other_PrivateUse && Cp936::code(c) == 0)
            continue;
        if (Cp936::code(c) != expected)
            differences.append(QStringLiteral("U+%1: %2 vs %3").arg(uint(u), 4, 16).arg(Cp936::code(c), 0, 16).arg(expected, 0, 16));
    }
    QVERIFY2(compared > 21000, qPrintable(QString::number(compared)));
    QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 20).join(u'\n') + QStringLiteral("\n%1 in all").arg(differences.size())));
}

QTEST_APPLESS_MAIN(TstCp936)
#include "tst_cp936.moc"
