#pragma once

#include <QByteArray>
#include <QMargins>
#include <QRect>
#include <QSize>

#include <optional>

// What the primary screen gives a new window, asked of the OS before Qt starts (Qt fixes
// its scale as it starts), in the screen's own pixels: the work area, how many of them a
// 96-dpi pixel takes at the desktop's scale, and the frame (title bar and borders) a
// window gets there.
struct ScreenBeforeStart
{
    QRect workArea;
    double devicePixelRatio = 1;
    QMargins frame;
};

// Empty where the OS cannot tell before Qt starts: on Wayland the compositor alone knows;
// so where the scale comes from variables Qt reads itself (QT_SCREEN_SCALE_FACTORS ...),
// or there is no display at all.
std::optional<ScreenBeforeStart> primaryScreenBeforeStart();

// The QT_SCALE_FACTOR at which a window of this client size (in 96-dpi pixels) fits whole,
// frame included, in the work area, starting from the factor the user asked for: the
// largest, floored to hundredths; userFactor itself where the window fits as it is.
double fittingScaleFactor(QSize client, double userFactor, const ScreenBeforeStart &screen);

// The desktop's scale as Qt reads it on X11: Xft.dpi of the resource database over 96, 1
// without one.
double scaleOfXResources(const QByteArray &resources);

// True where variables of Qt's own (QT_SCREEN_SCALE_FACTORS ...) decide the scale.
bool qtScalesByItsOwnVariables();

// The same sum where Qt already runs: how far a window of this client size and frame, in
// the screen's logical pixels, must shrink to fit the work area; 1 where it fits.
double scaleToFit(QSize client, QMargins frame, const QRect &available);
