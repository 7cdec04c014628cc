#include "platform/ScreenFit.h"

#include <QTest>

// The scale the main window starts at where the screen is known before Qt starts.
class TstScreenFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void factor_data();
    void factor();
    void desktopScale_data();
    void desktopScale();
};

void TstScreenFit::factor_data()
{
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<double>("pixelRatio");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<double>("userFactor");
    QTest::addColumn<double>("factor");
    const QMargins x11(4, 30, 4, 4);
    QTest::newRow("fits as designed") << QRect(0, 0, 1366, 768) << 1.0 << x11 << 1.0 << 1.0;
    QTest::newRow("largest that fits, from the user's 1.5") << QRect(0, 0, 1280, 1024) << 1.0 << x11 << 1.5 << 1.40;
    QTest::newRow("the frame alone does not fit") << QRect(0, 0, 1366, 720) << 1.0 << x11 << 1.0 << 0.97;
    QTest::newRow("150 % above a taskbar") << QRect(0, 0, 1920, 1040) << 1.5 << QMargins(12, 45, 12, 12) << 1.0 << 0.93;
    QTest::newRow("a work area not at the origin") << QRect(0, 27, 1366, 741) << 1.0 << x11 << 1.0 << 1.0;
    QTest::newRow("nothing known") << QRect() << 1.0 << x11 << 1.25 << 1.25;
}

void TstScreenFit::factor()
{
    QFETCH(QRect, workArea);
    QFETCH(double, pixelRatio);
    QFETCH(QMargins, frame);
    QFETCH(double, userFactor);
    QFETCH(double, factor);
    QCOMPARE(fittingScaleFactor({743, 703}, userFactor, {workArea, pixelRatio, frame}), factor);
}

void TstScreenFit::desktopScale_data()
{
    QTest::addColumn<QByteArray>("resources");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("factor"); // on a 1366 x 768 laptop above a 32-pixel panel
    QTest::newRow("96 dpi is 100 %") << QByteArray("Xft.antialias:\t1\nXft.dpi:\t96\n") << 1.0 << 0.99;
    QTest::newRow("144 dpi is 150 %") << QByteArray("Xft.dpi: 144\nXft.hinting:\t1\n") << 1.5 << 0.64;
    QTest::newRow("none, or not a number") << QByteArray("Xft.dpi:\tlarge\n") << 1.0 << 0.99;
}

// The scale the program starts at for the desktop's Xft.dpi, before Qt starts.
void TstScreenFit::desktopScale()
{
    QFETCH(QByteArray, resources);
    QFETCH(double, ratio);
    QFETCH(double, factor);
    const double read = scaleOfXResources(resources);
    QCOMPARE(read, ratio);
    QCOMPARE(fittingScaleFactor({743, 703}, 1.0, {QRect(0, 0, 1366, 736), read, QMargins(4, 30, 4, 4) * read}), factor);
}

QTEST_APPLESS_MAIN(TstScreenFit)
#include "tst_screenfit.moc"
