#include "FormFixture.h"

#include "ui/common/Centre.h"
#include "ui/common/ProgramIcon.h"
#include "ui/pictures/PictureBox.h"
#include "ui/pictures/PictureForm.h"

#include <QApplication>
#include <QImageReader>
#include <QPointer>
#include <QPushButton>

class TstPictureForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void imagesAreExact();
    void windows_data();
    void windows();
    void twoClicksLeaveOneWindow();
    void bothOpenAndTheQueryStillWorks();
    void okAltOAndCloseBoxClose();
    void reopenedIsBuiltAnew();
    void minimisedComesBack();
    void behindComesForwardWithTheFocus();
    void shrunkPictureFillsItsBox();
    void iconIsCrispAtEveryScale();
};

void TstPictureForms::imagesAreExact()
{
    const QPair<QString, QSize> images[] = {{QStringLiteral(":/pictures/pubg_chart.jpg"), QSize(700, 347)},
                                            {QStringLiteral(":/pictures/notebook.jpg"), QSize(587, 760)},
                                            {QStringLiteral(":/icon/program_icon_48.png"), QSize(48, 48)}};
    for (const auto &[path, size] : images) {
        QImageReader reader(path);
        QVERIFY2(reader.canRead(), qPrintable(path));
        QCOMPARE(reader.size(), size);
    }
    QCOMPARE(QImageReader(QStringLiteral(":/pictures/pubg_chart.jpg")).format(), QByteArray("jpeg"));
    const QImage icon(QStringLiteral(":/icon/program_icon_48.png"));
    QCOMPARE(icon.format(), QImage::Format_Indexed8);
    QVERIFY(icon.colorCount() <= 256);
    // the pixels the program builds its icon from are the PNG's (tools/make_icon_pixels.py)
    QCOMPARE(programIconPixmap().toImage().convertToFormat(QImage::Format_ARGB32),
             icon.convertToFormat(QImage::Format_ARGB32));
}

void TstPictureForms::windows_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("picture");
    QTest::addColumn<QRect>("button");
    QTest::newRow("Form2") << int(PictureForm::Kind::GameChart) << "Form2" << QStringLiteral("PUBG配置") << QSize(716, 399)
                           << QRect(8, 8, 704, 351) << QRect(320, 360, 65, 33);
    QTest::newRow("Form3") << int(PictureForm::Kind::Notebook) << "Form3" << QStringLiteral("作者的ThinkPADP53")
                           << QSize(602, 815) << QRect(8, 8, 591, 764) << QRect(272, 776, 65, 33);
}

void TstPictureForms::windows()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QRect, picture);
    QFETCH(QRect, button);
    PictureForm form(static_cast<PictureForm::Kind>(kind));
    QCOMPARE(form.objectName(), name);
    QCOMPARE(form.windowTitle(), caption);
    QCOMPARE(form.size(), client);
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!form.parentWidget());
    QCOMPARE(form.Picture1->geometry(), picture);
    // the image unscaled inside a 2-pixel border: the box is the image plus the border
    QCOMPARE(form.Picture1->contentsRect().size(), form.Picture1->pixmap().size());
    QCOMPARE(form.Picture1->contentsRect().topLeft(), QPoint(2, 2));
    QCOMPARE(form.Command1->geometry(), button);
    QCOMPARE(form.Command1->text(), QStringLiteral("确定&O"));
    QVERIFY(!form.Command1->isDefault() && !form.Command1->autoDefault());
    QCOMPARE(form.windowIcon().pixmap(48).toImage().convertToFormat(QImage::Format_ARGB32),
             programIconPixmap().toImage().convertToFormat(QImage::Format_ARGB32));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(form.pos(), centredFramePosition(form.size(), screen));
}

void TstPictureForms::twoClicksLeaveOneWindow()
{
    FormFixture f;
    f.form->show();
    QTest::mouseClick(f.find<QPushButton>("Command5"), Qt::LeftButton);
    QPointer<PictureForm> first = f.form->Form2();
    QTest::mouseClick(f.find<QPushButton>("Command5"), Qt::LeftButton);
    QVERIFY(first);
    QCOMPARE(f.form->Form2(), first.data());
    int chartWindows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        chartWindows += w->objectName() == QStringLiteral("Form2") && w->isVisible();
    QCOMPARE(chartWindows, 1);
}

void TstPictureForms::bothOpenAndTheQueryStillWorks()
{
    FormFixture f;
    f.form->show();
    f.form->Command5_Click();
    f.form->Command7_Click();
    QVERIFY(f.form->Form2()->isVisible() && f.form->Form3()->isVisible());
    QVERIFY(!f.form->Form2()->isModal() && !f.form->Form3()->isModal());
    f.query(QStringLiteral("I3-4340"));
    QCOMPARE(f.rowCodes(), QStringList{QStringLiteral("C914")});
}

void TstPictureForms::okAltOAndCloseBoxClose()
{
    FormFixture f;
    f.form->Command5_Click();
    QPointer<PictureForm> chart = f.form->Form2();
    QTest::mouseClick(chart->Command1, Qt::LeftButton);
    QTRY_VERIFY(!chart); // unloaded: released, not just hidden

    f.form->Command7_Click();
    QPointer<PictureForm> notebook = f.form->Form3();
    QApplication::setActiveWindow(notebook);
    QVERIFY(QTest::qWaitForWindowActive(notebook));
    QTest::keyClick(notebook, Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY(!notebook);

    f.form->Command5_Click(); // Enter on the focused OK, as Space
    chart = f.form->Form2();
    chart->Command1->setFocus();
    QTest::keyClick(chart->Command1, Qt::Key_Return);
    QTRY_VERIFY(!chart);

    f.form->Command7_Click(); // Esc; the focus is seen from the start
    notebook = f.form->Form3();
    QApplication::setActiveWindow(notebook);
    QVERIFY(QTest::qWaitForWindowActive(notebook));
    QCOMPARE(QApplication::focusWidget(), notebook->Picture1);
    const QImage focused = notebook->Picture1->grab().toImage();
    notebook->Picture1->clearFocus();
    QVERIFY(notebook->Picture1->grab().toImage() != focused);
    QTest::keyClick(notebook, Qt::Key_Escape);
    QTRY_VERIFY(!notebook);

    f.form->Command7_Click();
    notebook = f.form->Form3();
    QVERIFY(notebook->close()); // what the close box does
    QTRY_VERIFY(!notebook);
    QCOMPARE(f.endCount, 0); // a picture window's closing ends nothing
}

void TstPictureForms::reopenedIsBuiltAnew()
{
    FormFixture f;
    f.form->Command5_Click();
    QPointer<PictureForm> chart = f.form->Form2();
    const QRect where = chart->geometry();
    const QImage picture = chart->Picture1->pixmap().toImage();
    chart->Command1_Click();
    QTRY_VERIFY(!chart);
    f.form->Command5_Click();
    QVERIFY(f.form->Form2());
    QCOMPARE(f.form->Form2()->geometry(), where);
    QCOMPARE(f.form->Form2()->Picture1->pixmap().toImage(), picture);
}

void TstPictureForms::minimisedComesBack()
{
    FormFixture f;
    for (auto [open, form] : {std::pair{&Form1::Command5_Click, &Form1::Form2}, std::pair{&Form1::Command7_Click, &Form1::Form3}}) {
        (f.form.get()->*open)();
        PictureForm *shown = (f.form.get()->*form)();
        shown->showMinimized();
        QVERIFY(shown->isMinimized());
        (f.form.get()->*open)();
        QCOMPARE((f.form.get()->*form)(), shown);
        QVERIFY(!shown->isMinimized() && shown->isVisible());
    }
}

void TstPictureForms::behindComesForwardWithTheFocus()
{
    FormFixture f;
    f.form->show();
    f.form->Command5_Click();
    QPointer<PictureForm> chart = f.form->Form2();
    QTRY_COMPARE(QApplication::activeWindow(), chart.data());
    // the user goes back to the main window: the chart lies behind it
    f.form->raise();
    f.form->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), f.form.get());
    QTest::mouseClick(f.find<QPushButton>("Command5"), Qt::LeftButton); // PUBG配置表 once more
    QTRY_COMPARE(QApplication::activeWindow(), chart.data());
    QVERIFY(chart->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // and Esc closes it
    QTRY_VERIFY(!chart);
}

// Where the notebook picture is shrunk to fit (CTest runs this on a small screen at 1.5),
// it is drawn at the screen's pixel ratio: it fills its box exactly, its last pixels in view,
// and the button stays in the window.
void TstPictureForms::shrunkPictureFillsItsBox()
{
    PictureForm notebook(PictureForm::Kind::Notebook);
    if (notebook.size() == QSize(602, 815))
        QSKIP("the screen holds the picture as designed; tst_pictureforms_shrunk shrinks it");
    notebook.show();
    QVERIFY(QTest::qWaitForWindowExposed(&notebook));
    const qreal ratio = notebook.devicePixelRatioF();
    const QPixmap shown = notebook.Picture1->pixmap();
    const QSize box = notebook.Picture1->contentsRect().size();
    QCOMPARE(shown.devicePixelRatio(), ratio);
    QCOMPARE(shown.deviceIndependentSize().toSize(), box);
    // the box's bottom right shows the picture's, not a part of a larger drawing
    const QImage seen = notebook.Picture1->grab().toImage();
    const QImage whole = QImage(QStringLiteral(":/pictures/notebook.jpg"))
                             .scaled((QSizeF(box) * ratio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int differs = 0;
    for (int k = 4; k < 14; ++k) {
        const QPoint inBox = (QPointF(notebook.Picture1->contentsRect().bottomRight() - QPoint(k, k)) * ratio).toPoint();
        const QPoint inPicture = (QPointF(box.width() - 1 - k, box.height() - 1 - k) * ratio).toPoint();
        differs += qAbs(qGray(seen.pixel(inBox)) - qGray(whole.pixel(inPicture))) > 40;
    }
    QVERIFY2(differs <= 2, qPrintable(QString::number(differs)));
    // and its 确定 moved up with it: inside the window, under the picture
    QVERIFY(notebook.rect().contains(notebook.Command1->geometry()));
    QVERIFY(notebook.Command1->geometry().top() > notebook.Picture1->geometry().bottom());
}

// Run at 1x and again with QT_SCALE_FACTOR=2: the icon is drawn for the screen's pixels.
void TstPictureForms::iconIsCrispAtEveryScale()
{
    FormFixture f;
    const qreal ratio = f.form->devicePixelRatioF();
    const QPixmap shown = f.find<QLabel>("Picture1")->pixmap();
    QCOMPARE(shown.size(), QSize(48, 48) * ratio);
    if (ratio == 1.0)
        QCOMPARE(shown.toImage(), programIconPixmap().toImage());
    else // not the 48 one enlarged: the larger rendering scaled down has finer detail
        QVERIFY(shown.toImage() != programIconPixmap().toImage().scaled(shown.size()));
    // a window on another screen asks at that screen's ratio, not the application's
    for (const qreal other : {1.0, 1.5, 3.0}) {
        const QPixmap there = programIconPixmap(other);
        QCOMPARE(there.size(), QSize(48, 48) * other);
        QCOMPARE(there.devicePixelRatio(), other);
    }
}

QTEST_MAIN(TstPictureForms)
#include "tst_pictureforms.moc"
