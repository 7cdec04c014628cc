#include "platform/DesktopPlatform.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

#include "platform/XProperties.h" // Xlib: after every Qt header

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <vector>

// The starting copy asks for the running copy's window itself: it has just had the user's
// answer, and window managers honour a request made on the user's behalf (a pager's)
// where they may refuse an application's own.

namespace {

std::vector<unsigned long> cardinals(Display *display, Window window, Atom name, Atom type)
{
    return xProperty<unsigned long>(display, window, name, type);
}

QByteArray utf8Name(Display *display, Window window)
{
    const std::vector<char> name = xProperty<char>(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                                                  XInternAtom(display, "UTF8_STRING", False));
    return QByteArray(name.data(), qsizetype(name.size()));
}

} // namespace

void raiseWindowOf(qint64 pid, const QString &windowTitle)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return; // on Wayland the compositor alone decides which window comes forward
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return;
    const Window root = DefaultRootWindow(display);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    const QByteArray title = windowTitle.toUtf8();

    // A window manager lists the windows it manages; without one they are the root's children.
    std::vector<unsigned long> candidates =
        cardinals(display, root, XInternAtom(display, "_NET_CLIENT_LIST", False), XA_WINDOW);
    const bool managed = !candidates.empty();
    if (!managed) {
        Window rootReturn = 0;
        Window parent = 0;
        Window *children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, root, &rootReturn, &parent, &children, &count) && children)
            candidates.assign(children, children + count);
        if (children)
            XFree(children);
    }
    for (const unsigned long window : candidates) {
        const std::vector<unsigned long> owner = cardinals(display, window, pidAtom, XA_CARDINAL);
        if (owner.size() != 1 || qint64(owner[0]) != pid || utf8Name(display, window) != title)
            continue;
        if (managed) {
            XEvent request{};
            request.xclient.type = ClientMessage;
            request.xclient.window = window;
            request.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
            request.xclient.format = 32;
            request.xclient.data.l[0] = 2; // on the user's behalf; also restores a minimised window
            request.xclient.data.l[1] = CurrentTime;
            XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &request);
        } else {
            XMapRaised(display, window);
            XSetInputFocus(display, window, RevertToParent, CurrentTime);
        }
        break;
    }
    XCloseDisplay(display);
}

// Nothing outside the program asks on Linux; the package manager replaces files in use.
void markRunning()
{
}

void openInBrowser(const QUrl &address, std::function<void()> failed)
{
    // xdg-open itself, waited for: Qt starts it detached and never hears that it found no
    // way to a browser. No parent, so that ending the program never ends the browser.
    auto *xdgOpen = new QProcess;
    xdgOpen->setProgram(QStringLiteral("xdg-open"));
    xdgOpen->setArguments({address.toString(QUrl::FullyEncoded)});
    xdgOpen->setProcessChannelMode(QProcess::ForwardedChannels);
    xdgOpen->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(xdgOpen, &QProcess::finished, xdgOpen, [xdgOpen, failed](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            failed();
        xdgOpen->deleteLater();
    });
    QObject::connect(xdgOpen, &QProcess::errorOccurred, xdgOpen, [xdgOpen, address, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        // without xdg-utils Qt still knows other ways to a browser
        if (!QDesktopServices::openUrl(address))
            failed();
        xdgOpen->deleteLater();
    });
    xdgOpen->start();
}
