#include "platform/ScreenFit.h"

#include <QByteArray>
#include <QDir>
#include <QLibraryInfo>

#include "platform/XProperties.h" // Xlib: after every Qt header

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <optional>

namespace {

// Qt 6.4 takes Wayland where asked, or in a Wayland session other than GNOME's when its
// plugin is installed; X11 otherwise.
bool qtTakesX11()
{
    const QByteArray asked = qgetenv("QT_QPA_PLATFORM");
    if (!asked.isEmpty())
        return asked.startsWith("xcb");
    if (qgetenv("XDG_SESSION_TYPE") != "wayland")
        return true;
    const QByteArray desktops = qgetenv("XDG_CURRENT_DESKTOP").toLower() + qgetenv("XDG_SESSION_DESKTOP").toLower();
    if (desktops.contains("gnome"))
        return true;
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return platforms.entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty();
}

double xftScale(Display *display)
{
    const char *resources = XResourceManagerString(display);
    return resources ? scaleOfXResources(resources) : 1;
}

std::optional<QRect> workArea(Display *display, Window root)
{
    // x, y, width, height for each desktop
    const std::vector<long> areas = xProperty<long>(display, root, XInternAtom(display, "_NET_WORKAREA", False), XA_CARDINAL);
    const std::vector<long> current =
        xProperty<long>(display, root, XInternAtom(display, "_NET_CURRENT_DESKTOP", False), XA_CARDINAL);
    const std::size_t desktop = current.empty() ? 0 : std::size_t(current.front());
    if (areas.size() < 4 * (desktop + 1))
        return std::nullopt;
    const long *a = areas.data() + 4 * desktop;
    return QRect(int(a[0]), int(a[1]), int(a[2]), int(a[3]));
}

} // namespace

std::optional<ScreenBeforeStart> primaryScreenBeforeStart()
{
    if (!qtTakesX11() || qtScalesByItsOwnVariables())
        return std::nullopt;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return std::nullopt;
    const int screen = DefaultScreen(display);
    const QRect whole(0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen));
    ScreenBeforeStart found;
    // without a window manager there is no work area: the whole screen is free
    found.workArea = workArea(display, RootWindow(display, screen)).value_or(whole).intersected(whole);
    found.devicePixelRatio = xftScale(display);
    XCloseDisplay(display);
    // A window manager tells its frame only once a window is mapped: a title bar and
    // borders as large as the common ones stand in.
    found.frame = QMargins(4, 30, 4, 4) * found.devicePixelRatio;
    return found;
}
