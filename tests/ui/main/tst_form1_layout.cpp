#include "FormFixture.h"

#include "data/ReferenceTables.h"
#include "ui/common/Centre.h"
#include "ui/main/Application.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/ColourButton.h"
#include "ui/main/TableFont.h"
#include "ui/pictures/PictureForm.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QWindow>

class TstForm1Layout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void window();
    void maximiseRequestLeavesTheSize();
    void geometry_data();
    void geometry();
    void colours();
    void captionReadsOnItsFill_data();
    void captionReadsOnItsFill();
    void fixedToolTips();
    void linkLabels();
    void titleEverywhere();
    void resultBoxLinesUp();
    void everyAcceptedFontKeepsTheColumns();
    void tabOrder();
    void altSRunsTheQuery();
    void altQEnds();
    void closingEndsEverything();
    void framesCentredInsideTheWorkArea();
    void enterPressesTheFocusedButtonOnly();
    void typingOnAButtonGoesToTheMainField();
    void scrollBarStaysSoTheTextNeverMoves();
    void frameLineStopsAtItsCaption();
    void focusRingStandsOut();
    void fieldsHaveTheirOwnNames();
};

namespace {

// Pixels of image close to colour.
int pixelsNear(const QImage &image, const QColor &colour)
{
    int near = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            near += qAbs(qGray(image.pixel(x, y)) - qGray(colour.rgb())) < 60;
    return near;
}

} // namespace

void TstForm1Layout::window()
{
    FormFixture f;
    QCOMPARE(f.form->size(), QSize(743, 703));
    QCOMPARE(f.form->minimumSize(), f.form->maximumSize());
    QVERIFY(f.form->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(f.form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!f.form->windowIcon().isNull());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(f.form->geometry().center(), screen.center());
    // the two hidden boxes lie right of the client area
    QVERIFY(f.text("Text3")->geometry().left() >= f.form->width());
    QVERIFY(f.text("Text4")->geometry().left() >= f.form->width());
}

void TstForm1Layout::maximiseRequestLeavesTheSize()
{
    // as a title bar that Qt draws itself (Wayland) or a window manager may still ask; the
    // guard as the program's own start-up installs it
    setUpApplication(*qApp);
    FormFixture f;
    f.form->show();
    f.form->Command5_Click();
    for (QWidget *window : {static_cast<QWidget *>(f.form.get()), static_cast<QWidget *>(f.form->Form2())}) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QSize designed = window->size();
        for (const Qt::WindowState asked : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            window->windowHandle()->setWindowStates(asked);
            QTRY_COMPARE(window->windowHandle()->windowStates(), Qt::WindowNoState);
            QTRY_COMPARE(window->size(), designed);
        }
    }
}

void TstForm1Layout::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("Text1") << "Text1" << "Frame1" << QRect(32, 16, 153, 27);
    QTest::newRow("Text8") << "Text8" << "Frame1" << QRect(8, 80, 545, 545);
    QTest::newRow("Command1") << "Command1" << "Form1" << QRect(576, 656, 161, 41);
    QTest::newRow("Frame1") << "Frame1" << "Form1" << QRect(8, 64, 561, 633);
    QTest::newRow("Label2_12") << "Label2_12" << "Frame4" << QRect(8, 208, 137, 17);
    QTest::newRow("Label6_0") << "Label6_0" << "Frame3" << QRect(8, 16, 129, 17);
    QTest::newRow("Command9_3") << "Command9_3" << "Frame2" << QRect(128, 16, 25, 25);
    QTest::newRow("Option3") << "Option3" << "Frame1" << QRect(136, 48, 49, 25);
    QTest::newRow("Picture1") << "Picture1" << "Form1" << QRect(8, 8, 52, 52);
}

void TstForm1Layout::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, rect);
    FormFixture f;
    const QWidget *w = f.form->findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->parentWidget()->objectName(), parent);
    QCOMPARE(w->geometry(), rect);
}

void TstForm1Layout::colours()
{
    FormFixture f;
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QCOMPARE(f.text("Text1")->palette().color(QPalette::Base), QColor(255, 128, 0));
    QCOMPARE(f.text("Text2")->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(f.text("Text7")->palette().color(QPalette::Base), QColor(0, 255, 255));
    // The coloured buttons show their colour whatever the style (look at the pixels), with
    // a caption and focus mark that read on it: under the light scheme, then after a switch
    // to a dark one whose button text is white.
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    dark.setColor(QPalette::Mid, QColor(0x2d, 0x2d, 0x2d));
    for (const QPalette &scheme : {light, dark}) {
        QApplication::setPalette(scheme);
        QApplication::processEvents(); // the change reaches the widgets as an event
        const QPair<const char *, QColor> coloured[] = {{"Command2", QColor(255, 128, 0)},
                                                        {"Command1", scheme.color(QPalette::Highlight)},
                                                        {"Command3", scheme.color(QPalette::Mid)}};
        for (const auto &[name, colour] : coloured) {
            auto *button = f.find<QPushButton>(name);
            button->clearFocus();
            const QImage plain = button->grab().toImage();
            const QColor seen = plain.pixelColor(4, plain.height() / 2);
            QVERIFY2(qAbs(seen.red() - colour.red()) < 12 && qAbs(seen.green() - colour.green()) < 12
                         && qAbs(seen.blue() - colour.blue()) < 12,
                     name);
            const QColor caption = captionColourOn(colour);
            QVERIFY2(pixelsNear(plain, caption) > 15, name);
            button->setFocus();
            QVERIFY2(pixelsNear(button->grab().toImage(), caption) > pixelsNear(plain, caption) + 20, name);
        }
        QCOMPARE(f.find<ClickLabel>("Label6_0")->palette().color(QPalette::WindowText),
                 scheme.color(QPalette::Highlight));
    }
    QApplication::setPalette(light);
    QVERIFY(f.text("Text1")->font().bold());
    QCOMPARE(f.find<QLabel>("Label1")->font().pixelSize(), 24);
    QVERIFY(f.find<QLabel>("Label1")->font().bold());
}

void TstForm1Layout::captionReadsOnItsFill_data()
{
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("caption");
    QTest::newRow("orange 查询S") << QColor(255, 128, 0) << QColor(Qt::black);
    QTest::newRow("light active border") << QColor(0xb4, 0xb4, 0xb4) << QColor(Qt::black);
    QTest::newRow("Windows highlight") << QColor(0x00, 0x78, 0xd7) << QColor(Qt::black);
    QTest::newRow("Fusion highlight") << QColor(0x30, 0x8c, 0xc6) << QColor(Qt::black);
    QTest::newRow("dark grey border") << QColor(0x2d, 0x2d, 0x2d) << QColor(Qt::white);
    QTest::newRow("dark highlight") << QColor(0x15, 0x53, 0x9e) << QColor(Qt::white);
}

void TstForm1Layout::captionReadsOnItsFill()
{
    QFETCH(QColor, fill);
    QFETCH(QColor, caption);
    QCOMPARE(captionColourOn(fill), caption);
    QVERIFY(contrastRatio(fill, caption) >= 4.5);
}

void TstForm1Layout::fixedToolTips()
{
    FormFixture f;
    const QPair<const char *, QString> tips[] = {
        {"Label5", QStringLiteral("主查询条件(必选)请输入设备型号等,例如：I7-4790K (支持模糊查询)")},
        {"Text1", QStringLiteral("主查询条件(必选)请输入设备型号等,例如：I7-4790K (支持模糊查询)")},
        {"Text2", QStringLiteral("[与]条件:查询和主条件同时符合的记录(可选，优先于[或])")},
        {"Label4", QStringLiteral("[或]条件:查询和主条件或者符合的记录(可选)")},
        {"Option3", QStringLiteral("仅查询GPU(图形处理器)")},
        {"Command2", QStringLiteral("执行查询(请输入设备型号等,例如：I7-4790K (支持模糊查询),可选择与和或的查询条件)")},
        {"Command8", QStringLiteral("前往百度网盘检查本软件更新")},
        {"Text10", QStringLiteral("查询条件：或4(可选)")},
        {"Text8", QStringLiteral("查询结果(仅显示前30条)(注：编号首位C代表为CPU，G代表为GPU,两者综合分值不同。数据摘自网上测评，特此感谢，仅供使用者参考)")},
    };
    for (const auto &[name, tip] : tips)
        QCOMPARE(f.form->findChild<QWidget *>(QLatin1String(name))->toolTip(), tip);
    for (const char *none : {"Label7", "Frame1", "Picture1", "Label1", "Text3"})
        QVERIFY2(f.form->findChild<QWidget *>(QLatin1String(none))->toolTip().isEmpty(), none);
    QCOMPARE(f.find<QRadioButton>("Option3")->text(), QStringLiteral("GPU)"));
    QCOMPARE(f.find<QPushButton>("Command5")->text(), QStringLiteral("PUB&G配置表"));
}

void TstForm1Layout::linkLabels()
{
    FormFixture f;
    for (int k = 0; k < 7; ++k) {
        const ClickLabel *l = f.find<ClickLabel>(qPrintable(QStringLiteral("Label6_%1").arg(k)));
        QCOMPARE(l->toolTip(), ReferenceTables::LinkAddresses()[std::size_t(k)]);
        QCOMPARE(l->text().size(), l->toolTip().size() - 8);
        QCOMPARE(QStringLiteral("https://") + l->text(), l->toolTip());
    }
    QCOMPARE(f.find<ClickLabel>("Label6_7")->text(), QStringLiteral("百度百科：CPU"));
    QCOMPARE(f.find<ClickLabel>("Label6_8")->text(), QStringLiteral("百度百科：GPU"));
    QCOMPARE(f.find<ClickLabel>("Label6_8")->toolTip(), ReferenceTables::LinkAddresses()[8]);
}

void TstForm1Layout::titleEverywhere()
{
    FormFixture f;
    QVERIFY(f.form->windowTitle().endsWith(QStringLiteral("V0.99b4")));
    QCOMPARE(f.find<QLabel>("Label1")->text(), f.form->windowTitle());
}

void TstForm1Layout::resultBoxLinesUp()
{
    FormFixture f;
    const QFont font = f.find<QTextEdit>("Text8")->font();
    const QFontMetricsF metrics(font);
    const qreal ascii = metrics.horizontalAdvance(QStringLiteral("a"));
    QVERIFY(ascii > 0);
    for (const QString &s : {QStringLiteral("|"), QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("9"), QStringLiteral(" ")})
        QCOMPARE(metrics.horizontalAdvance(s), ascii);
    for (const QString &s : {QStringLiteral("编"), QStringLiteral("双"), QStringLiteral("卡"), QStringLiteral("移")})
        QCOMPARE(metrics.horizontalAdvance(s), 2 * ascii);
    // a whole table line fits the box without wrapping
    f.form->show();
    f.query(QStringLiteral("I3-4340"));
    QTextEdit *box = f.find<QTextEdit>("Text8");
    QCOMPARE(box->document()->lineCount(), box->document()->blockCount());
    QVERIFY(metrics.horizontalAdvance(f.lines().at(4)) < box->viewport()->width());
    QCOMPARE(box->lineWrapMode(), QTextEdit::NoWrap);
    QVERIFY(box->isReadOnly());
    // lines as far apart as the font is high, so a 30-row table nearly fits the box
    f.query(QStringLiteral("I7"));
    QCOMPARE(f.rowCodes().size(), 30);
    const auto *layout = box->document()->documentLayout();
    const QTextBlock first = box->document()->firstBlock();
    const qreal pitch = layout->blockBoundingRect(first.next()).top() - layout->blockBoundingRect(first).top();
    QVERIFY2(qAbs(pitch - font.pixelSize()) <= 1, qPrintable(QString::number(pitch)));
    QVERIFY(box->viewport()->height() / pitch >= 33);
    // the bars of one line reach the next
    QVERIFY(QFontMetrics(font).boundingRect(u'|').height() >= pitch);
}

void TstForm1Layout::everyAcceptedFontKeepsTheColumns()
{
    FormFixture f;
    f.form->show();
    f.query(QStringLiteral("1660 Ti")); // G38 in Latin letters, G65 ending in 移动版
    QTextEdit *box = f.find<QTextEdit>("Text8");
    const auto barsAt = [box](int block) {
        const QTextBlock b = box->document()->findBlockByNumber(block);
        QList<qreal> xs;
        for (int k = 0; k < b.length() - 1; ++k)
            if (b.text().at(k) == u'|')
                xs.append(b.layout()->lineAt(0).cursorToX(k));
        return xs;
    };
    QStringList tried;
    for (const QString &family : tableFontCandidates()) {
        QFont font(family);
        font.setPixelSize(box->font().pixelSize());
        if (QFontInfo(font).family() != family)
            continue; // not installed here
        tried.append(family);
        box->setFont(font);
        QVERIFY2(keepsColumns(font), qPrintable(family));
        QCOMPARE(box->document()->lineCount(), box->document()->blockCount()); // no line wraps
        QCOMPARE(f.lines().at(4).mid(1, 4), QStringLiteral("G38 "));
        QCOMPARE(f.lines().at(5).mid(1, 4), QStringLiteral("G65 "));
        QCOMPARE(barsAt(5), barsAt(4));
    }
    qInfo() << "fonts tried:" << tried;
    QVERIFY(!tried.isEmpty());
    // a font that does not keep the columns is never taken
    QFont latinOnly(QStringLiteral("DejaVu Sans Mono")); // no Chinese of its own
    latinOnly.setPixelSize(16);
    if (QFontInfo(latinOnly).family() == latinOnly.family())
        QVERIFY(!keepsColumns(latinOnly));
    // where a line is wider than the box, it scrolls, unbroken
    QFont wide = box->font();
    wide.setPixelSize(24);
    box->setFont(wide);
    QCOMPARE(box->document()->lineCount(), box->document()->blockCount());
    QTRY_VERIFY(box->horizontalScrollBar()->isVisible());
}

void TstForm1Layout::tabOrder()
{
    FormFixture f;
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    // frames and plain labels never take a tab stop; the example and link labels come after
    // the result box; the option group takes one stop, at its chosen option
    QStringList expected = {"Picture1", "Text3", "Text4", "Command4", "Command6", "Command3", "Option1", "Text7",
                            "Text6", "Text5", "Text2", "Text1", "Command2", "Text10", "Command8", "Command9_3",
                            "Command9_2", "Command9_1", "Command9_0", "Command7", "Command5", "Text8"};
    for (int k = 0; k < ReferenceTables::kExampleCount; ++k)
        expected.append(QStringLiteral("Label2_%1").arg(k));
    for (int k = 0; k < ReferenceTables::kLinkCount; ++k)
        expected.append(QStringLiteral("Label6_%1").arg(k));
    expected.append(QStringLiteral("Command1"));
    QStringList visited;
    for (int k = 0; k < expected.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
    // after choosing CPU the stop moves with the choice
    QTest::mouseClick(f.find<QRadioButton>("Option2"), Qt::LeftButton);
    f.find<QPushButton>("Command3")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option2"));
    visited.clear();
    for (int k = 0; k < expected.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    const QStringList around = expected.mid(7) + expected.mid(0, 6) + QStringList{QStringLiteral("Option2")};
    QCOMPARE(visited, around);
}

void TstForm1Layout::altSRunsTheQuery()
{
    FormFixture f;
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    f.text("Text1")->setFocus();
    QTest::keyClicks(f.text("Text1"), QStringLiteral("i3-4340"));
    // an access key clicks its button the way a mouse does, after the button's press animation
    QTest::keyClick(f.text("Text1"), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(f.rowCodes(), QStringList{QStringLiteral("C914")});
    QTest::keyClick(f.text("Text1"), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(f.text("Text1")->text().isEmpty());
    QVERIFY(f.form->resultText().isEmpty());
}

void TstForm1Layout::altQEnds()
{
    FormFixture f;
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QTest::keyClick(f.form.get(), Qt::Key_Q, Qt::AltModifier);
    QTRY_COMPARE(f.endCount, 1);
    QVERIFY(!f.form->isVisible());
    QVERIFY(f.platform.messages.isEmpty());
}

void TstForm1Layout::closingEndsEverything()
{
    FormFixture f;
    f.form->show();
    f.form->Command5_Click();
    f.form->Command7_Click();
    QPointer<PictureForm> chart = f.form->Form2();
    QPointer<PictureForm> notebook = f.form->Form3();
    QVERIFY(chart && chart->isVisible() && notebook && notebook->isVisible());
    f.form->close();
    QCOMPARE(f.endCount, 1);
    QVERIFY(!f.form->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!chart && !notebook); // closed, and released with it
}

void TstForm1Layout::framesCentredInsideTheWorkArea()
{
    // fits: the frame's centre is the work area's
    QCOMPARE(centredFramePosition({759, 734}, {0, 0, 1920, 1040}), QPoint(580, 153));
    // a 1024x600 screen below a panel: the title bar stays on screen
    QCOMPARE(centredFramePosition({759, 734}, {0, 24, 1024, 576}), QPoint(132, 24));
}

void TstForm1Layout::enterPressesTheFocusedButtonOnly()
{
    FormFixture f;
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    // Enter (or the keypad's) in any condition field runs the query, as 查询S does
    f.text("Text1")->setText(QStringLiteral("I3-4340"));
    for (const char *field : {"Text1", "Text2", "Text5", "Text6", "Text7", "Text10"}) {
        f.form->Command3_Click();
        f.text("Text1")->setText(QStringLiteral("I3-4340"));
        f.text(field)->setFocus();
        QTest::keyClick(f.text(field), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY2(f.rowCodes() == QStringList{QStringLiteral("C914")}, field);
    }
    QTest::keyClick(f.text("Text1"), Qt::Key_Return);
    QCOMPARE(f.rowCodes(), QStringList{QStringLiteral("C914")});
    // the result box ignores it
    const QString shown = f.form->Text8->toPlainText();
    f.form->Text8->setFocus();
    QTest::keyClick(f.form->Text8, Qt::Key_Return);
    QCOMPARE(f.form->Text8->toPlainText(), shown);
    // on a focused button Enter presses that button
    auto *reset = f.find<QPushButton>("Command3");
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(f.text("Text1")->text().isEmpty());
    const QList<QPushButton *> buttons = f.form->findChildren<QPushButton *>();
    for (const QPushButton *button : buttons)
        QVERIFY(!button->isDefault() && !button->autoDefault());
}

void TstForm1Layout::typingOnAButtonGoesToTheMainField()
{
    FormFixture f;
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1")); // 退出Q, as designed
    QTest::keyClick(QApplication::focusWidget(), 'i');
    QCOMPARE(QApplication::focusWidget(), f.text("Text1"));
    for (const QChar c : QStringLiteral("5 9400f")) // each key to whatever has the focus then
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(f.text("Text1")->text(), QStringLiteral("i5 9400f"));
    QCOMPARE(f.rowCodes(), QStringList{QStringLiteral("C298")});
    QCOMPARE(f.endCount, 0);
    // an input method's text, on a button tabbed to later, is added where the typing was
    f.find<QPushButton>("Command4")->setFocus();
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("酷睿"));
    QApplication::sendEvent(QApplication::focusWidget(), &composed);
    QCOMPARE(f.text("Text1")->text(), QStringLiteral("i5 9400f酷睿"));
    QCOMPARE(QApplication::focusWidget(), f.text("Text1"));
    // Space with nothing typed still presses the focused button: 退出Q ends the program
    f.find<QPushButton>("Command1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(f.endCount, 1);
}

void TstForm1Layout::scrollBarStaysSoTheTextNeverMoves()
{
    FormFixture f;
    f.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    QTextEdit *box = f.find<QTextEdit>("Text8");
    QVERIFY(box->verticalScrollBar()->isVisible()); // empty as yet
    const int width = box->viewport()->width();
    for (const char *query : {"I7", "I3-4340"}) { // 30 rows, more than the box shows; then one
        f.query(QLatin1String(query));
        QVERIFY(box->verticalScrollBar()->isVisible());
        QCOMPARE(box->viewport()->width(), width);
    }
}

void TstForm1Layout::frameLineStopsAtItsCaption()
{
    FormFixture f;
    f.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    for (const char *name : {"Frame1", "Frame2", "Frame3", "Frame4"}) {
        auto *frame = f.find<QGroupBox>(name);
        const QImage image = frame->grab().toImage();
        const QFontMetrics metrics(frame->font());
        // the etched line's light row: lighter than the window, which no letter is
        const int row = metrics.height() / 2 + 1;
        const QColor line = frame->palette().color(QPalette::Light);
        const auto lineAt = [&](int x) { return qAbs(qGray(image.pixel(x, row)) - qGray(line.rgb())) <= 2; };
        const int captionEnd = 6 + metrics.horizontalAdvance(frame->title()) + 6;
        int underCaption = 0;
        for (int x = 9; x < captionEnd - 3; ++x)
            underCaption += lineAt(x);
        int beside = 0;
        for (int x = captionEnd + 3; x < frame->width() - 6; ++x)
            beside += lineAt(x);
        QVERIFY2(underCaption == 0, name); // the caption stands in a gap of the line
        QCOMPARE(beside, frame->width() - 9 - captionEnd);
    }
}

void TstForm1Layout::focusRingStandsOut()
{
    // a ring two pixels wide, at least 3:1 against the window, in light and dark schemes
    FormFixture f;
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    for (const QPalette &scheme : {light, dark}) {
        QApplication::setPalette(scheme);
        QApplication::processEvents();
        for (const char *name : {"Label2_0", "Label6_8"}) {
            auto *label = f.find<ClickLabel>(name);
            label->clearFocus();
            const QImage plain = label->grab().toImage();
            label->setFocus(Qt::TabFocusReason);
            const QImage focused = label->grab().toImage();
            const QColor window = scheme.color(QPalette::Window);
            // the ring's two rows along the top, and its outer column on the left (the
            // inner one meets the first letter)
            for (const QPoint at : {QPoint(label->width() / 3, 0), QPoint(label->width() / 3, 1), QPoint(0, 8)}) {
                QVERIFY2(contrastRatio(focused.pixelColor(at), window) >= 3, name);
                QVERIFY2(contrastRatio(plain.pixelColor(at), window) < 1.2, name);
            }
        }
    }
    QApplication::setPalette(light);
}

void TstForm1Layout::fieldsHaveTheirOwnNames()
{
    FormFixture f;
    const QPair<const char *, QString> names[] = {
        {"Text1", QStringLiteral("主条件")},   {"Text2", QStringLiteral("与条件")},
        {"Text5", QStringLiteral("或条件1")},  {"Text6", QStringLiteral("或条件2")},
        {"Text7", QStringLiteral("或条件3")},  {"Text10", QStringLiteral("或条件4")},
        {"Text8", QStringLiteral("查询结果")}, {"Command9_0", QStringLiteral("PUBG1")},
        {"Command5", QStringLiteral("PUBG配置表")}};
    for (const auto &[name, spoken] : names) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(f.find<QWidget>(name));
        QVERIFY2(face, name);
        QCOMPARE(face->text(QAccessible::Name), spoken);
    }
}

QTEST_MAIN(TstForm1Layout)
#include "tst_form1_layout.moc"
