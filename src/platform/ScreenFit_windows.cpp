#include "platform/ScreenFit_windows.h"

#include <QByteArray>

#include <windows.h>

#include <optional>

namespace {

// Functions of Windows 8.1 and 10 1607, looked up: mingw's headers declare them only for
// builds that require those versions.
template <typename Function>
Function lookUp(const wchar_t *library, const char *name)
{
    HMODULE module = GetModuleHandleW(library);
    if (!module)
        module = LoadLibraryW(library);
    if (!module)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

UINT dpiOf(HMONITOR monitor)
{
    using GetDpiForMonitor = HRESULT(WINAPI *)(HMONITOR, int, UINT *, UINT *);
    const auto dpiForMonitor = lookUp<GetDpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0;
    UINT y = 0;
    if (dpiForMonitor && dpiForMonitor(monitor, 0 /* MDT_EFFECTIVE_DPI */, &x, &y) == S_OK && y > 0)
        return y;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? UINT(dpi) : 96;
}

} // namespace

// The process is per-monitor aware from its start (the manifest says so): these are the
// screen's own pixels, as Qt will see them.
std::optional<ScreenBeforeStart> primaryScreenBeforeStart()
{
    const QByteArray asked = qgetenv("QT_QPA_PLATFORM");
    if ((!asked.isEmpty() && !asked.startsWith("windows")) || qtScalesByItsOwnVariables())
        return std::nullopt;
    HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!primary || !GetMonitorInfoW(primary, &info))
        return std::nullopt;
    const UINT dpi = dpiOf(primary);
    // the frame of a titled window with a system menu and a minimise button, at that dpi
    using AdjustWindowRectExForDpi = BOOL(WINAPI *)(LPRECT, DWORD, BOOL, DWORD, UINT);
    const auto adjust = lookUp<AdjustWindowRectExForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT window{0, 0, 100, 100};
    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;
    if (!(adjust ? adjust(&window, style, FALSE, 0, dpi) : AdjustWindowRectEx(&window, style, FALSE, 0)))
        window = RECT{0, 0, 100, 100};
    return screenBeforeStart(info, dpi, window);
}

ScreenBeforeStart screenBeforeStart(const MONITORINFO &monitor, UINT dpi, const RECT &framed100)
{
    ScreenBeforeStart found;
    // the work area, not the monitor: a window fitted to the monitor ends under the taskbar
    const RECT &work = monitor.rcWork;
    found.workArea = QRect(int(work.left), int(work.top), int(work.right - work.left), int(work.bottom - work.top));
    found.devicePixelRatio = dpi / 96.0;
    found.frame = QMargins(int(-framed100.left), int(-framed100.top), int(framed100.right - 100), int(framed100.bottom - 100));
    return found;
}
