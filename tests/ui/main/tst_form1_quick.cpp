#include "FormFixture.h"

#include "data/ReferenceTables.h"
#include "ui/main/ClickLabel.h"
#include "ui/pictures/PictureBox.h"

#include <QAccessible>
#include <QPushButton>

class TstForm1Quick : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tierZero();
    void tiers_data();
    void tiers();
    void tierIgnoresTheCategoryAndLeavesIt();
    void captionsAndToolTips();
    void examples_data();
    void examples();
    void andAndOrExamplesLeaveTheirTexts();
    void exampleSwitchesToAll();
    void eachButtonIsWiredToItsOwnEntry();
};

void TstForm1Quick::tierZero()
{
    FormFixture f;
    f.text("Text1")->setText(QStringLiteral("left over"));
    QTest::mouseClick(f.find<QPushButton>("Command9_0"), Qt::LeftButton);
    QCOMPARE(f.rowCodes(), (QStringList{"C767", "C914", "G179", "G188"}));
    const QStringList lines = f.lines();
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines[8], kFrame); // the frame after row 4, and no second one
    QCOMPARE(lines[9], QStringLiteral("(绝地求生PUBG 最低配置)"));
    QVERIFY(f.form->resultText().endsWith(QStringLiteral("配置)"))); // no line break of its own
    QVERIFY(f.text("Text1")->text().isEmpty());
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.form->cursor().shape(), Qt::ArrowCursor);
}

void TstForm1Quick::tiers_data()
{
    QTest::addColumn<int>("tier");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("caption");
    QTest::newRow("1") << 1 << QStringList{"C654", "C724", "G99", "G110", "G116", "G148"}
                       << QStringLiteral("(绝地求生PUBG 普通配置)");
    QTest::newRow("2") << 2 << QStringList{"C390", "C490", "G61", "G66", "G70"} << QStringLiteral("(绝地求生PUBG 推荐配置)");
    QTest::newRow("3") << 3 << QStringList{"C182", "C290", "G10", "G24", "G25", "G30", "G31", "G36"}
                       << QStringLiteral("(绝地求生PUBG 顶级配置)");
}

void TstForm1Quick::tiers()
{
    QFETCH(int, tier);
    QFETCH(QStringList, codes);
    QFETCH(QString, caption);
    FormFixture f;
    f.form->Command9_Click(tier);
    QCOMPARE(f.rowCodes(), codes);
    QCOMPARE(f.lines().constLast(), caption);
    QCOMPARE(f.lines().at(f.lines().size() - 2), kFrame);
}

void TstForm1Quick::tierIgnoresTheCategoryAndLeavesIt()
{
    FormFixture f;
    f.text("Text1")->setText(QStringLiteral("GeForce"));
    QTest::mouseClick(f.find<QRadioButton>("Option3"), Qt::LeftButton);
    f.platform.messages.clear();
    f.form->Command9_Click(0);
    QCOMPARE(f.rowCodes(), (QStringList{"C767", "C914", "G179", "G188"}));
    QVERIFY(f.find<QRadioButton>("Option3")->isChecked());
    QCOMPARE(f.form->Opt_mark1, QStringLiteral("3"));
    QVERIFY(f.platform.messages.isEmpty());
}

void TstForm1Quick::captionsAndToolTips()
{
    FormFixture f;
    const QString captions[] = {QStringLiteral("PUBG1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
    for (int t = 0; t < 4; ++t)
        QCOMPARE(f.find<QPushButton>(qPrintable(QStringLiteral("Command9_%1").arg(t)))->text(), captions[t]);
    QCOMPARE(f.find<QPushButton>("Command9_0")->toolTip(), QStringLiteral("(绝地求生PUBG 最低配置)"));
    QCOMPARE(f.find<QPushButton>("Command9_3")->toolTip(), QStringLiteral("(绝地求生PUBG 顶级配置)"));
    for (int k = 0; k < 13; ++k) {
        const ClickLabel *l = f.find<ClickLabel>(qPrintable(QStringLiteral("Label2_%1").arg(k)));
        QVERIFY(l);
        QCOMPARE(l->toolTip(), l->text());
        QVERIFY(l->font().underline());
        QCOMPARE(l->palette().color(QPalette::WindowText), f.form->palette().color(QPalette::Highlight));
    }
    QCOMPARE(f.find<ClickLabel>("Label2_1")->text(), QStringLiteral("Intel Core i9-10980X E@3.00GH"));
}

void TstForm1Quick::examples_data()
{
    QTest::addColumn<int>("example");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("0") << 0 << QStringList{"C1"};
    QTest::newRow("1, one letter short") << 1 << QStringList{"C10"};
    QTest::newRow("2") << 2 << QStringList{"C12"};
    QTest::newRow("3") << 3 << QStringList{"C822"};
    QTest::newRow("4") << 4 << QStringList{"C744"};
    QTest::newRow("5") << 5 << QStringList{"G2"};
    QTest::newRow("6") << 6 << QStringList{"G7"};
    QTest::newRow("7") << 7 << QStringList{"G17", "G27", "G28"};
    QTest::newRow("8") << 8 << QStringList{"G297"};
    QTest::newRow("9") << 9 << QStringList{"G490", "G491"};
    QTest::newRow("10") << 10 << QStringList{"G566"};
    QTest::newRow("11, and") << 11 << QStringList{"G1304", "G1391", "G1413", "G1441", "G1465"};
    QTest::newRow("12, or") << 12 << QStringList{"C482", "C590", "C811", "C827", "C870"};
}

void TstForm1Quick::examples()
{
    QFETCH(int, example);
    QFETCH(QStringList, codes);
    FormFixture f;
    QTest::mouseClick(f.find<ClickLabel>(qPrintable(QStringLiteral("Label2_%1").arg(example))), Qt::LeftButton);
    QCOMPARE(f.rowCodes(), codes);
    QVERIFY(f.platform.messages.isEmpty());
    if (example == 0)
        QCOMPARE(f.lines().at(4).right(9), QStringLiteral("  915.19|"));
}

void TstForm1Quick::andAndOrExamplesLeaveTheirTexts()
{
    FormFixture f;
    f.form->Label2_Click(11);
    QCOMPARE(f.text("Text1")->text(), QStringLiteral("GeForce"));
    QCOMPARE(f.text("Text2")->text(), QStringLiteral("6600"));
    f.form->Label2_Click(12);
    QCOMPARE(f.text("Text1")->text(), QStringLiteral("I3-6100@"));
    QVERIFY(f.text("Text2")->text().isEmpty());
    QCOMPARE(f.text("Text5")->text(), QStringLiteral("I3-7100@"));
    QCOMPARE(f.text("Text6")->text(), QStringLiteral("I3-8100@"));
    QCOMPARE(f.text("Text7")->text(), QStringLiteral("I3-9100@"));
    QCOMPARE(f.text("Text10")->text(), QStringLiteral("I3-10110U"));
}

void TstForm1Quick::exampleSwitchesToAll()
{
    FormFixture f;
    f.text("Text1")->setText(QStringLiteral("x"));
    QTest::mouseClick(f.find<QRadioButton>("Option2"), Qt::LeftButton);
    // as a screen reader presses it
    QAccessible::queryAccessibleInterface(f.find<ClickLabel>("Label2_0"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(f.find<QRadioButton>("Option1")->isChecked());
    QCOMPARE(f.form->Opt_mark1, QStringLiteral("1"));
    QCOMPARE(f.rowCodes(), QStringList{QStringLiteral("C1")});
    QCOMPARE(f.text("Text1")->text(), QStringLiteral("AMD Ryzen Threadripper 3970X"));
}

void TstForm1Quick::eachButtonIsWiredToItsOwnEntry()
{
    FormFixture f;
    for (int k = 0; k < ReferenceTables::kTierCount; ++k) {
        QTest::mouseClick(f.find<QPushButton>(qPrintable(QStringLiteral("Command9_%1").arg(k))), Qt::LeftButton);
        QCOMPARE(f.lines().constLast(), ReferenceTables::TierCaptions()[std::size_t(k)]);
        QCOMPARE(f.form->Text8->toPlainText(), QString(f.form->resultText()).replace(u'\r', QString())); // shown
    }
    const auto showsPicture = [](PictureForm *form, const char *path) {
        return form && form->isVisible()
            && form->Picture1->pixmap().toImage() == QPixmap(QLatin1String(path)).toImage();
    };
    QTest::mouseClick(f.find<QPushButton>("Command7"), Qt::LeftButton);
    QVERIFY(showsPicture(f.form->Form3(), ":/pictures/notebook.jpg") && !f.form->Form2());
    QTest::mouseClick(f.find<QPushButton>("Command5"), Qt::LeftButton);
    QVERIFY(showsPicture(f.form->Form2(), ":/pictures/pubg_chart.jpg"));
}

QTEST_MAIN(TstForm1Quick)
#include "tst_form1_quick.moc"
