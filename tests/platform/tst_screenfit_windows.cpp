#include "platform/ScreenFit_windows.h"

#include <QTest>

// Windows without a taskbar (Wine's) gives the same work area and monitor, so the rectangle
// the screen code passes on is checked here with a monitor whose taskbar takes 40 px.
class TstScreenFitWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workAreaNotMonitor();
};

void TstScreenFitWindows::workAreaNotMonitor()
{
    MONITORINFO laptop{};
    laptop.cbSize = sizeof(laptop);
    laptop.rcMonitor = RECT{0, 0, 1366, 768};
    laptop.rcWork = RECT{0, 0, 1366, 728};
    const ScreenBeforeStart screen = screenBeforeStart(laptop, 96, RECT{-8, -31, 108, 108});
    QCOMPARE(screen.workArea, QRect(0, 0, 1366, 728));
    QCOMPARE(screen.frame, QMargins(8, 31, 8, 8));
    QCOMPARE(screen.devicePixelRatio, 1.0);
    // the main window then starts shrunk, its bottom above the taskbar
    const double factor = fittingScaleFactor({743, 703}, 1.0, screen);
    QVERIFY(factor < 1.0);
    QVERIFY(703 * factor + 31 + 8 <= 728);
    // a taskbar on the left moves the work area's origin too
    laptop.rcWork = RECT{48, 0, 1366, 768};
    QCOMPARE(screenBeforeStart(laptop, 144, RECT{-12, -45, 112, 112}).workArea, QRect(48, 0, 1318, 768));
}

QTEST_APPLESS_MAIN(TstScreenFitWindows)
#include "tst_screenfit_windows.moc"
