#pragma once

#include "platform/ScreenFit.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

// Where a window's frame (title bar and borders included) goes: centred in the work area;
// where it does not fit, its top-left corner stays inside, so the title bar can be reached.
inline QPoint centredFramePosition(QSize frame, const QRect &available)
{
    QRect placed(QPoint(), frame);
    placed.moveCenter(available.center());
    return {std::max(placed.left(), available.left()), std::max(placed.top(), available.top())};
}

// The frame (title bar and borders) a window has or will have. Windows knows it as soon as
// the native window exists; an X11 window manager tells it only after mapping, so until
// then the style's title bar and border stand in. Platforms without frames have none.
inline QMargins expectedFrame(QWidget *window)
{
    QMargins frame;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return frame;
    const int border = window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    if (platform == QLatin1String("windows")) {
        window->winId();
        frame = window->windowHandle()->frameMargins();
        // before it is shown, a fixed window may report its title bar without its borders
        if (frame.left() == 0)
            frame += QMargins(border, 0, border, border);
    }
    if (frame.isNull()) {
        const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
        frame = QMargins(border, border + title, border, border);
    }
    return frame;
}

// Centres a window of fixed size by its frame.
inline void centreOnScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QPoint topLeft =
        centredFramePosition(window->size().grownBy(expectedFrame(window)), screen->availableGeometry());
    window->move(topLeft);
}
