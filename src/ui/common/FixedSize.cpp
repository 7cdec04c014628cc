#include "ui/common/FixedSize.h"

#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QTimer>
#include <QVariant>
#include <QWindow>

namespace {

const char *const kFixedSize = "_cgr_fixed_size"; // set while the limits are lifted
constexpr int kUnlimited = (1 << 24) - 1; // what Qt takes for no limit

bool isFixed(const QWindow *window)
{
    return window->minimumSize() == window->maximumSize() || window->property(kFixedSize).isValid();
}

bool isEnlarged(Qt::WindowStates states)
{
    return states & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

class FixedSizeKeeper final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWindow *>(watched);
        if (!window)
            return false;
        if (event->type() == QEvent::PlatformSurface
            && static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType()
                == QPlatformSurfaceEvent::SurfaceCreated)
            connect(window, &QWindow::windowStateChanged, this, [window](Qt::WindowState state) {
                liftLimitsForTheCompositor(window, state);
            });
        else if (event->type() == QEvent::WindowStateChange && isEnlarged(window->windowStates()) && isFixed(window))
            QTimer::singleShot(50, window, [window] { backToNormal(window); });
        return false;
    }

private:
    // A maximise asked for inside this process (the self-drawn title bar) is sent to the
    // compositor at once; its answer must be taken at the size it chooses.
    static void liftLimitsForTheCompositor(QWindow *window, Qt::WindowState state)
    {
        if (!isEnlarged(state) || window->minimumSize() != window->maximumSize()
            || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            return;
        window->setProperty(kFixedSize, window->maximumSize());
        window->setMaximumSize(QSize(kUnlimited, kUnlimited));
        // a compositor that refuses the maximise sends nothing back: the limits return anyway
        QTimer::singleShot(1500, window, [window] {
            if (window->property(kFixedSize).isValid())
                backToNormal(window);
        });
    }

    static void restoreLimits(QWindow *window)
    {
        const QVariant fixed = window->property(kFixedSize);
        if (fixed.isValid()) {
            window->setMaximumSize(fixed.toSize());
            window->setProperty(kFixedSize, QVariant());
        }
    }

    static void backToNormal(QWindow *window)
    {
        window->setWindowStates(window->windowStates() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
        restoreLimits(window);
    }
};

} // namespace

void keepFixedWindowsAtTheirSize(QGuiApplication &app)
{
    app.installEventFilter(new FixedSizeKeeper(&app));
}
