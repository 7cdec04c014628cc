#include "platform/DesktopPlatform.h"

#include <QDesktopServices>
#include <QUrl>

#include <windows.h>

#include <string>

namespace {

struct Search
{
    DWORD pid;
    std::wstring title;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param)
{
    auto *search = reinterpret_cast<Search *>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->pid || GetWindow(window, GW_OWNER))
        return TRUE;
    wchar_t text[256] = {};
    const int length = GetWindowTextW(window, text, int(std::size(text)));
    if (length <= 0 || search->title.compare(0, std::wstring::npos, text, std::size_t(length)) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

void raiseWindowOf(qint64 pid, const QString &windowTitle)
{
    // The starting copy is the foreground process now (the user has just answered its box):
    // it may hand the foreground on to the running copy's window.
    Search search{DWORD(pid), windowTitle.toStdWString(), nullptr};
    AllowSetForegroundWindow(search.pid);
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return;
    if (IsIconic(search.found))
        ShowWindow(search.found, SW_RESTORE);
    BringWindowToTop(search.found);
    SetForegroundWindow(search.found);
}

// The setup program checks for this mutex (as installers check an application's mutex)
// before it replaces or removes files that a running copy holds.
void markRunning()
{
    static const HANDLE running = CreateMutexW(nullptr, FALSE, L"cpugpurank.running");
    Q_UNUSED(running) // held until the process ends
}

void openInBrowser(const QUrl &address, std::function<void()> failed)
{
    if (!QDesktopServices::openUrl(address)) // false when the shell could not open it
        failed();
}
