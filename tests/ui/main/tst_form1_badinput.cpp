#include "FormFixture.h"

#include "data/Cp936.h"
#include "query/ResultTable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

namespace {

const char *const kConditionFields[] = {"Text1", "Text2", "Text5", "Text6", "Text7", "Text10"};

// What a user can paste: long text, characters outside the code page, controls, bars,
// line breaks, direction marks, nothing but spaces.
QStringList nastyTexts()
{
    return {QString(32767, u'x'),
            QString(32767, u'7'),
            QStringLiteral("😀🚀 i7"),
            QStringLiteral("₩ \u0300\u20DD"),
            QString::fromUtf16(u"\x01\x02\x1b[0m\x7f"),
            QStringLiteral("|C914 |"),
            QStringLiteral("i3\r\n4340"),
            QStringLiteral("\u200F\u202Ei3-4340\u202C"),
            QStringLiteral("          "),
            QString(1, QChar(0xD800)), // a lone surrogate
            QStringLiteral("%s%n%x"),
            QStringLiteral("\\\\'\";--")};
}

} // namespace

class TstForm1BadInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFieldEveryRoute();
    void rightResults_data();
    void rightResults();
};

void TstForm1BadInput::everyFieldEveryRoute()
{
    FormFixture f;
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    const QStringList texts = nastyTexts();
    // every text in every field; the five routes in turn, so each meets every field
    int run = 0;
    for (const char *field : kConditionFields) {
        for (const QString &nasty : texts) {
            const int route = run++ % 5;
            f.form->Command3_Click();
            f.text("Text1")->setText(QStringLiteral("i3"));
            f.text(field)->setText(nasty);
            QElapsedTimer timer;
            timer.start();
            switch (route) {
            case 0: QTest::mouseClick(f.find<QPushButton>("Command2"), Qt::LeftButton); break;
            case 1: QTest::mouseClick(f.find<QRadioButton>("Option1"), Qt::LeftButton); break;
            case 2: QTest::mouseClick(f.find<QRadioButton>("Option2"), Qt::LeftButton); break;
            case 3: QTest::mouseClick(f.find<QRadioButton>("Option3"), Qt::LeftButton); break;
            case 4:
                QTest::keyClick(f.form.get(), Qt::Key_S, Qt::AltModifier);
                QTRY_VERIFY(!f.form->resultText().isEmpty() || !f.platform.messages.isEmpty());
                break;
            }
            const QByteArray where = QByteArray(field) + ", route " + QByteArray::number(route);
            // a hang guard, not a benchmark
            QVERIFY2(timer.elapsed() < 1000, where.constData());
            // whatever came in, the table is whole: 63 columns a line, closed, pointer back;
            // a note says which reading found the rows ("i3\r\n4340" finds C914), or why none
            QStringList lines = f.lines();
            lines.removeIf([](const QString &line) { return line.startsWith(QStringLiteral("注:")); });
            for (const QString &line : lines)
                QVERIFY2(Cp936::width(line) == 63 && (line.startsWith(u'+') || line.startsWith(u'|')), where.constData());
            if (!lines.isEmpty())
                QVERIFY2(lines.constLast() == kFrame, where.constData());
            QCOMPARE(f.form->cursor().shape(), Qt::ArrowCursor);
            QVERIFY(f.rowCodes().size() <= 30);
            f.platform.messages.clear();
        }
    }
}

void TstForm1BadInput::rightResults_data()
{
    QTest::addColumn<QString>("main");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("spaces around are trimmed") << QStringLiteral("   i3-4340  ") << QStringList{"C914"};
    QTest::newRow("pasted tab and line break too") << QStringLiteral("\ti3-4340\r\n") << QStringList{"C914"};
    QTest::newRow("an input method's full width") << QStringLiteral("\u3000\uFF49\uFF13\uFF0D\uFF14\uFF13\uFF14\uFF10")
                                                  << QStringList{"C914"};
    // as typed these find nothing; the full name's reading reads past them
    QTest::newRow("a direction mark is read past") << QStringLiteral("\u200Fi3-4340") << QStringList{"C914"};
    QTest::newRow("40 columns still find") << QStringLiteral("AMD Embedded G-Series GX-420GI Radeon R7")
                                           << QStringList{"C1608"};
    QTest::newRow("41 columns, by the model number") << QStringLiteral("AMD Embedded G-Series GX-420GI Radeon R7x")
                                                     << QStringList{"C1608"};
    QTest::newRow("the longest paste") << QString(32767, u'i') << QStringList{};
    QTest::newRow("a bar finds nothing") << QStringLiteral("|") << QStringList{};
    QTest::newRow("chinese finds chinese") << QStringLiteral("350双卡") << QStringList{"G314"};
}

void TstForm1BadInput::rightResults()
{
    QFETCH(QString, main);
    QFETCH(QStringList, codes);
    FormFixture f;
    f.query(main);
    QCOMPARE(f.rowCodes(), codes);
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.text("Text1")->text().size(), main.size()); // nothing typed is lost or cut
}

QTEST_MAIN(TstForm1BadInput)
#include "tst_form1_badinput.moc"
