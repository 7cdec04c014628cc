#include "FormFixture.h"

#include "data/Cp936.h"
#include "ui/main/TableFont.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

// Every bar of the result table stands in its column on every line, Chinese rows and
// header included, and all 63 columns show without scrolling: whatever fonts this machine
// has. CTest runs it again with fontconfig files that leave one CJK font beside a Latin
// monospace, in a Chinese and a C desktop language.
class TstTableColumns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void barsLineUp_data();
    void barsLineUp();
};

void TstTableColumns::barsLineUp_data()
{
    QTest::addColumn<QString>("query");
    QTest::newRow("移动版 rows") << QStringLiteral("1660 Ti");
    QTest::newRow("双卡 row") << QStringLiteral("r7 350双卡");
    QTest::newRow("a CPU under its note") << QStringLiteral("i3 4340");
    QTest::newRow("a miss") << QStringLiteral("RTX 3080");
    QTest::newRow("the newer processors' table") << QStringLiteral("i5-12400F");
}

void TstTableColumns::barsLineUp()
{
    QFETCH(QString, query);
    FormFixture f;
    f.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    QTextEdit *box = f.find<QTextEdit>("Text8");
    qInfo() << "table font:" << QFontInfo(box->font()).family() << box->font().pixelSize() << "px";
    // where a font of the candidates is installed, it is found, under whatever name
    if (qEnvironmentVariableIntValue("CGR_ALIGNING_FONT_INSTALLED"))
        QVERIFY(keepsColumns(box->font()));
    f.query(query);
    constexpr qreal column = 8; // half the designed 16 px
    int tableLines = 0;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (!text.startsWith(u'|') && !text.startsWith(u'+'))
            continue; // a note
        ++tableLines;
        const QTextLayout *layout = block.layout();
        QCOMPARE(layout->lineCount(), 1);
        const QTextLine line = layout->lineAt(0);
        // each bar where its display column says, on every line alike
        int columns = 0;
        for (int k = 0; k < text.size(); ++k) {
            if (text[k] == u'|' || text[k] == u'+') {
                const qreal x = line.cursorToX(k) - line.cursorToX(0);
                QVERIFY2(qAbs(x - columns * column) < 0.05,
                         qPrintable(QStringLiteral("line %1, column %2 at %3 px").arg(text).arg(columns).arg(x)));
            }
            columns += Cp936::width(text[k]);
        }
        QCOMPARE(columns, 63);
        QVERIFY2(layout->position().x() + line.naturalTextWidth() <= box->viewport()->width(), qPrintable(text));
    }
    QVERIFY(tableLines >= 4);
    // and the figures and bars fit their columns: spaced into them, a figure of a wider font
    // would overlap its neighbours while the bars still stood right (a proportional font's
    // widest letters may not, which is why the package asks for a monospaced one)
    const QFontMetricsF glyphs(box->font());
    for (const QChar c : {QChar(u'0'), QChar(u'8'), QChar(u'|')})
        QVERIFY2(glyphs.horizontalAdvance(c) <= column + 0.05, qPrintable(QStringLiteral("%1: %2 px").arg(c).arg(glyphs.horizontalAdvance(c))));
    QVERIFY2(glyphs.horizontalAdvance(u'编') <= 2 * column + 0.05, qPrintable(QString::number(glyphs.horizontalAdvance(u'编'))));
    QCOMPARE(box->horizontalScrollBar()->maximum(), 0); // nothing hidden to the side
    QCOMPARE(box->toPlainText(), QString(f.form->resultText()).remove(u'\r')); // the text as written
}

QTEST_MAIN(TstTableColumns)
#include "tst_tablecolumns.moc"
