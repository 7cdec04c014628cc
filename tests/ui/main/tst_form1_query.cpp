#include "FormFixture.h"

#include "data/Cp936.h"
#include "query/ResultTable.h"

#include <QApplication>
#include <QPushButton>

class TstForm1Query : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpState();
    void lowerCaseWithSpaces();
    void oneRowWithItsPercentage();
    void readingNoteAboveMissLineUnder();
    void leavingAFieldRunsNothing();
    void capNoteWhileTableIsOpen();
    void exactlyThirtyHitsGiveNoNote();
    void andQueryEmptiesTheOrFields();
    void orExampleInListOrder();
    void categoriesFilterAndCountOnlyListedRows();
    void emptyMainConditionEmptiesEverything();
    void categoryChangeWithEmptyMainKeepsTheCategory();
    void queryWhileStartingChangesNothing();
    void clickOnTheChosenOptionRunsAgain();
    void preparedQuerySwitchesToAllOnce();
    void resetEmptiesFieldsButKeepsCategory();
    void boxShowsWhatWasWritten();
    void queryButtonRunsTheChosenCategory();
    void newerProcessorsAsASecondTable();
    void oldAndNewerCompared();
};

void TstForm1Query::startUpState()
{
    FormFixture f;
    QVERIFY(f.loaded);
    QVERIFY(f.find<QRadioButton>("Option1")->isChecked());
    QCOMPARE(f.form->Opt_mark1, QStringLiteral("1"));
    QCOMPARE(f.form->Start1, QStringLiteral("1"));
    QCOMPARE(f.form->MAXrecn1, 4734);
    QVERIFY(f.find<QTextEdit>("Text8")->toPlainText().isEmpty());
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.form->cursor().shape(), Qt::ArrowCursor);
}

void TstForm1Query::lowerCaseWithSpaces()
{
    FormFixture f;
    f.query(QStringLiteral("  i7-4790k  "));
    QCOMPARE(f.rowCodes(), QStringList{QStringLiteral("C316")});
    QCOMPARE(f.text("Text1")->text(), QStringLiteral("  i7-4790k  ")); // the field is left as typed
}

void TstForm1Query::oneRowWithItsPercentage()
{
    FormFixture f;
    f.query(QStringLiteral("I3-4340"));
    const QStringList lines = f.lines();
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[4], QStringLiteral("|C914 |Intel Core i3-4340@3.60GHz              | 5240|  100.00|"));
    QCOMPARE(lines[5], kFrame);
    QVERIFY(f.form->resultText().endsWith(QStringLiteral("\r\n")));
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.form->cursor().shape(), Qt::ArrowCursor);
}

void TstForm1Query::readingNoteAboveMissLineUnder()
{
    using R = RecordSearch::Reading;
    FormFixture f;
    const QString c914 = ResultTable::rowText(f.form->RecList[914]) + ResultTable::frameLine();
    f.query(QStringLiteral("i3 4340"));
    QCOMPARE(f.form->resultText(), ResultTable::readingNoteLine(R::WithoutSeparators) + ResultTable::headerText() + c914);
    QCOMPARE(f.find<QTextEdit>("Text8")->toPlainText().section(u'\n', 0, 0), // shown, not only written
             ResultTable::readingNoteLine(R::WithoutSeparators).trimmed());
    f.query(QStringLiteral("Intel(R) Core(TM) i3-4340 CPU @ 3.60GHz"));
    QCOMPARE(f.form->resultText(), ResultTable::readingNoteLine(R::FullName) + ResultTable::headerText() + c914);
    // found no way: why, under the header, in the box and not in a box the typing waits for
    f.query(QStringLiteral("Intel N200"));
    QCOMPARE(f.form->resultText(), ResultTable::headerText() + ResultTable::missLine());
    // a graphics chip newer than the lists: neither table has it, so no tip to type the number
    f.query(QStringLiteral("RTX 3080"));
    QCOMPARE(f.form->resultText(), ResultTable::headerText() + ResultTable::missLine(u'C'));
    QVERIFY(f.platform.messages.isEmpty());
    for (const QString &line : {ResultTable::missLine(), ResultTable::readingNoteLine(R::AliasesRead),
                                ResultTable::readingNoteLine(R::FullName)})
        QVERIFY2(Cp936::width(line.trimmed()) <= 63, qPrintable(line)); // no sideways scrolling
}

void TstForm1Query::leavingAFieldRunsNothing()
{
    // only Enter queries from a field: moving on by Tab or a click, half typed, does not
    FormFixture f;
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    f.text("Text2")->setFocus();
    QTest::keyClicks(f.text("Text2"), QStringLiteral("6600"));
    QTest::keyClick(f.text("Text2"), Qt::Key_Tab); // on to an empty main field
    QCOMPARE(QApplication::focusWidget(), f.text("Text1"));
    QTest::keyClicks(f.text("Text1"), QStringLiteral("GeForce"));
    QTest::mouseClick(f.text("Text5"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), f.text("Text5"));
    QTest::keyClick(f.text("Text5"), Qt::Key_Backtab);
    QVERIFY(f.platform.messages.isEmpty());
    QVERIFY(f.form->resultText().isEmpty());
    QCOMPARE(f.text("Text2")->text(), QStringLiteral("6600"));
}

void TstForm1Query::capNoteWhileTableIsOpen()
{
    FormFixture f;
    QStringList codesAtNote;
    QString boxAtNote;
    bool busyAtNote = false;
    f.platform.onMessage = [&](const FakePlatform::Message &) {
        codesAtNote = f.rowCodes();
        boxAtNote = f.find<QTextEdit>("Text8")->toPlainText();
        busyAtNote = f.form->cursor().shape() == Qt::WaitCursor;
    };
    f.query(QStringLiteral("I7"));
    QCOMPARE(f.platform.messages.size(), 1);
    const FakePlatform::Message &note = f.platform.messages.constFirst();
    QCOMPARE(note.text, QStringLiteral("注:仅显示前30条记录(请缩少范围)a。"));
    QCOMPARE(note.title, QStringLiteral("系统提示"));
    QCOMPARE(note.icon, Platform::Icon::Exclamation);
    QCOMPARE(note.buttons, Platform::Buttons::Ok);
    // the 30 rows are in view, the last one still without its closing line, pointer busy
    QCOMPARE(codesAtNote.size(), 30);
    QVERIFY(busyAtNote);
    const QStringList shown = boxAtNote.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(shown.size(), 40);
    QVERIFY(shown.constLast().startsWith(QStringLiteral("|") + codesAtNote.constLast()));
    // afterwards: closed with 41 lines, only processors, normal pointer
    QCOMPARE(f.rowCodes(), codesAtNote);
    QCOMPARE(f.lines().size(), 41);
    QCOMPARE(f.lines().constLast(), kFrame);
    for (const QString &code : codesAtNote)
        QVERIFY(code.startsWith(u'C'));
    QCOMPARE(f.form->cursor().shape(), Qt::ArrowCursor);
}

void TstForm1Query::exactlyThirtyHitsGiveNoNote()
{
    FormFixture f;
    f.query(QStringLiteral("zen 5")); // the 30 Ryzen 5 processors
    QCOMPARE(f.rowCodes().size(), 30);
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.lines().size(), 41);

    f.query(QStringLiteral("@1.70")); // 31 processors at 1.70 GHz
    QCOMPARE(f.rowCodes().size(), 30);
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.lines().size(), 41);
}

void TstForm1Query::andQueryEmptiesTheOrFields()
{
    FormFixture f;
    f.text("Text2")->setText(QStringLiteral("6600"));
    for (const char *orField : {"Text5", "Text6", "Text7", "Text10"})
        f.text(orField)->setText(QStringLiteral("Radeon"));
    f.query(QStringLiteral("GeForce"));
    QCOMPARE(f.rowCodes(), (QStringList{"G1304", "G1391", "G1413", "G1441", "G1465"}));
    for (const char *orField : {"Text5", "Text6", "Text7", "Text10"})
        QVERIFY2(f.text(orField)->text().isEmpty(), orField);
    QCOMPARE(f.text("Text2")->text(), QStringLiteral("6600"));
    for (const QString &line : f.lines()) {
        if (line.startsWith(QStringLiteral("|G")))
            QVERIFY(line.endsWith(QStringLiteral("        |")));
    }
}

void TstForm1Query::orExampleInListOrder()
{
    FormFixture f;
    f.text("Text5")->setText(QStringLiteral("I3-7100@"));
    f.text("Text6")->setText(QStringLiteral("I3-8100@"));
    f.text("Text7")->setText(QStringLiteral("I3-9100@"));
    f.text("Text10")->setText(QStringLiteral("I3-10110U"));
    f.query(QStringLiteral("I3-6100@"));
    QCOMPARE(f.rowCodes(), (QStringList{"C482", "C590", "C811", "C827", "C870"}));
    // OR 1 emptied: the others no longer count
    f.text("Text5")->clear();
    f.form->Command2_Click();
    QCOMPARE(f.rowCodes(), QStringList{QStringLiteral("C870")});
}

void TstForm1Query::categoriesFilterAndCountOnlyListedRows()
{
    FormFixture f;
    f.text("Text1")->setText(QStringLiteral("GeForce"));
    QTest::mouseClick(f.find<QRadioButton>("Option3"), Qt::LeftButton);
    QCOMPARE(f.form->Opt_mark1, QStringLiteral("3"));
    QCOMPARE(f.rowCodes().size(), 30);
    QCOMPARE(f.rowCodes().constFirst(), QStringLiteral("G2"));
    QCOMPARE(f.platform.messages.size(), 1);

    f.platform.messages.clear();
    QTest::mouseClick(f.find<QRadioButton>("Option2"), Qt::LeftButton);
    QCOMPARE(f.form->Opt_mark1, QStringLiteral("2"));
    QVERIFY(f.rowCodes().isEmpty()); // no processor is called GeForce
    QCOMPARE(f.form->resultText(), ResultTable::headerText() + ResultTable::missLine());
    QVERIFY(f.platform.messages.isEmpty());
}

void TstForm1Query::emptyMainConditionEmptiesEverything()
{
    FormFixture f;
    f.query(QStringLiteral("I3-4340"));
    f.text("Text2")->setText(QStringLiteral("x"));
    f.text("Text5")->setText(QStringLiteral("y"));
    f.text("Text1")->setText(QStringLiteral("    "));
    f.form->Command2_Click();
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].text,
             QStringLiteral("Sorry,请在查询框输入设备型号等,例如：I7-4790K (支持组合及模糊查询)!"));
    QCOMPARE(f.platform.messages[0].title, QStringLiteral("系统提示"));
    QCOMPARE(f.platform.messages[0].icon, Platform::Icon::Exclamation);
    for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text10"})
        QVERIFY2(f.text(name)->text().isEmpty(), name);
    QVERIFY(f.find<QTextEdit>("Text8")->toPlainText().isEmpty());
    QVERIFY(f.form->resultText().isEmpty());
    QCOMPARE(f.form->ii, 0);
}

void TstForm1Query::categoryChangeWithEmptyMainKeepsTheCategory()
{
    FormFixture f;
    f.text("Text2")->setText(QStringLiteral("x"));
    QTest::mouseClick(f.find<QRadioButton>("Option2"), Qt::LeftButton);
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.find<QRadioButton>("Option2")->isChecked());
    QCOMPARE(f.form->Opt_mark1, QStringLiteral("2"));
    QVERIFY(f.text("Text2")->text().isEmpty());
}

void TstForm1Query::queryWhileStartingChangesNothing()
{
    FormFixture f;
    f.query(QStringLiteral("I3-4340"));
    const QString before = f.form->resultText();
    f.form->Start1 = QStringLiteral("0");
    f.text("Text1")->clear();
    f.form->RunQuery();
    QCOMPARE(f.form->resultText(), before);
    QVERIFY(f.platform.messages.isEmpty());
}

void TstForm1Query::clickOnTheChosenOptionRunsAgain()
{
    FormFixture f;
    f.text("Text1")->setText(QStringLiteral("I3-4340"));
    QTest::mouseClick(f.find<QRadioButton>("Option1"), Qt::LeftButton);
    QCOMPARE(f.rowCodes(), QStringList{QStringLiteral("C914")});
    f.text("Text1")->setText(QStringLiteral("I7-9850H"));
    QTest::mouseClick(f.find<QRadioButton>("Option1"), Qt::LeftButton);
    QCOMPARE(f.rowCodes(), (QStringList{"C230", "C312"}));
}

void TstForm1Query::preparedQuerySwitchesToAllOnce()
{
    FormFixture f;
    QTest::mouseClick(f.find<QRadioButton>("Option3"), Qt::LeftButton); // empty main: one message
    f.platform.messages.clear();
    f.text("Text1")->setText(QStringLiteral("I7"));
    f.form->RunPreparedQuery();
    QVERIFY(f.find<QRadioButton>("Option1")->isChecked());
    QCOMPARE(f.form->Opt_mark1, QStringLiteral("1"));
    QCOMPARE(f.platform.messages.size(), 1); // the cap's note once: the query ran once
    QCOMPARE(f.rowCodes().size(), 30);
}

void TstForm1Query::resetEmptiesFieldsButKeepsCategory()
{
    FormFixture f;
    QTest::mouseClick(f.find<QRadioButton>("Option2"), Qt::LeftButton);
    f.query(QStringLiteral("I3-4340"));
    for (const char *name : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text10"})
        f.text(name)->setText(QStringLiteral("x"));
    QTest::mouseClick(f.find<QPushButton>("Command3"), Qt::LeftButton);
    for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text10"})
        QVERIFY2(f.text(name)->text().isEmpty(), name);
    QVERIFY(f.find<QTextEdit>("Text8")->toPlainText().isEmpty());
    QVERIFY(f.find<QRadioButton>("Option2")->isChecked());
    QCOMPARE(f.form->Opt_mark1, QStringLiteral("2"));
}

void TstForm1Query::boxShowsWhatWasWritten()
{
    FormFixture f;
    f.query(QStringLiteral("Radeon R7 + R7 350"));
    QString shown = f.form->resultText();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(f.find<QTextEdit>("Text8")->toPlainText(), shown);
    QVERIFY(f.rowCodes().contains(QStringLiteral("G314")));
}

void TstForm1Query::queryButtonRunsTheChosenCategory()
{
    FormFixture f;
    f.text("Text1")->setText(QStringLiteral("1")); // many in both lists
    const struct { const char *option; const char *mark; QChar only; } runs[] = {
        {"Option2", "2", u'C'}, {"Option3", "3", u'G'}, {"Option1", "1", QChar()}};
    for (const auto &run : runs) {
        f.find<QRadioButton>(run.option)->setChecked(true); // no click: only 查询S runs the query
        f.form->Opt_mark1.clear();
        QTest::mouseClick(f.find<QPushButton>("Command2"), Qt::LeftButton);
        QCOMPARE(f.form->Opt_mark1, QLatin1String(run.mark));
        const QStringList codes = f.rowCodes();
        QCOMPARE(codes.size(), 30);
        QCOMPARE(codes.constFirst().at(0), run.only.isNull() ? u'C' : run.only); // ALL: processors first
        for (const QString &code : codes)
            QVERIFY(run.only.isNull() || code.at(0) == run.only);
    }
    // the last record of the table is reached
    f.query(QStringLiteral("Chrome9 HCM"));
    QCOMPARE(f.rowCodes(), QStringList{QStringLiteral("G1722")});
}

void TstForm1Query::newerProcessorsAsASecondTable()
{
    FormFixture f;
    // typed, and as Windows writes it: the lists' empty table, two notes, the second table
    for (const QString &name : {QStringLiteral("i5-12400F"), QStringLiteral("12th Gen Intel(R) Core(TM) i5-12400F")}) {
        f.query(name);
        const QStringList lines = f.lines();
        QCOMPARE(lines.size(), 4 + 2 + 4 + 2);
        QCOMPARE(lines.mid(0, 4).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), ResultTable::headerText());
        QCOMPARE(lines.mid(4, 6).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
                 ResultTable::newerNoteText(false) + ResultTable::newerHeaderText());
        QCOMPARE(lines[10], QStringLiteral("|N293 |Intel Core i5-12400F                    |  154|  203.17|"));
        QCOMPARE(lines[11], kFrame);
        QVERIFY(f.platform.messages.isEmpty());
    }
    // few submissions: the mark, and the note that says what it means
    f.query(QStringLiteral("Apple M5 Max"));
    QVERIFY2(f.lines().value(10).startsWith(u'|') && f.lines().value(10).mid(1, 5).trimmed().endsWith(u'*'),
             qPrintable(f.lines().value(10)));
    QCOMPARE(f.lines().value(5), ResultTable::newerNoteText(true).section(QStringLiteral("\r\n"), 1, 1));
    for (const QString &line : ResultTable::newerNoteText(true).split(QStringLiteral("\r\n")) + ResultTable::newerHeaderText().split(QStringLiteral("\r\n")))
        QVERIFY2(Cp936::width(line) <= 63, qPrintable(line));
    // ten submissions are enough: no mark, no note about marks
    f.query(QStringLiteral("AMD EPYC 9654"));
    QCOMPARE(f.rowCodes(), QStringList{QStringLiteral("N9")});
    QCOMPARE(f.lines().value(5), ResultTable::newerNoteText(false).section(QStringLiteral("\r\n"), 1, 1));
    // the GPU category has no newer table: its own miss line
    QTest::mouseClick(f.find<QRadioButton>("Option3"), Qt::LeftButton);
    QCOMPARE(f.form->resultText(), ResultTable::headerText() + ResultTable::missLine(u'C'));
    QVERIFY(ResultTable::missLine(u'C') != ResultTable::missLine());
    // under CPU as under ALL
    QTest::mouseClick(f.find<QRadioButton>("Option2"), Qt::LeftButton);
    f.query(QStringLiteral("i5-12400F"));
    QCOMPARE(f.rowCodes(), QStringList{QStringLiteral("N293")});
    // a CPU the lists hold never shows the second table, even as Windows writes it
    QTest::mouseClick(f.find<QRadioButton>("Option1"), Qt::LeftButton);
    f.query(QStringLiteral("Intel(R) Core(TM) i7-4790K CPU @ 4.00GHz"));
    QCOMPARE(f.rowCodes(), QStringList{QStringLiteral("C316")});
    QVERIFY(!f.form->resultText().contains(QStringLiteral("Blender")));
}

void TstForm1Query::oldAndNewerCompared()
{
    FormFixture f;
    f.text("Text5")->setText(QStringLiteral("i5-12400F"));
    f.query(QStringLiteral("i5-4460"));
    const QStringList lines = f.lines();
    // the lists' table as specified, closed; then the newer table with both, on its scale
    QCOMPARE(lines.mid(0, 4).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), ResultTable::headerText());
    QCOMPARE(f.rowCodes(), (QStringList{"C726", "C765", "C922", "N293", "N547*"}));
    QCOMPARE(lines[7], kFrame);
    QCOMPARE(lines.mid(8, 6).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
             ResultTable::newerNoteText(true, true) + ResultTable::newerHeaderText());
    QCOMPARE(lines[15], QStringLiteral("|N547*|Intel Core i5-4460@3.20GHz              |   40|   52.50|"));
    QCOMPARE(lines.constLast(), kFrame);
    for (const QString &line : lines)
        QVERIFY2(Cp936::width(line) <= 63, qPrintable(line));
    QVERIFY(f.platform.messages.isEmpty());
}

QTEST_MAIN(TstForm1Query)
#include "tst_form1_query.moc"
