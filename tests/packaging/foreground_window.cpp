// Prints the title of the Windows foreground window, in UTF-8: what a Windows user sees
// in front and types into. Under Wine without a window manager the X focus can stay on
// the root window after a window of another process goes, while Windows' own foreground
// is right: a test of Windows behaviour asks Windows.
#include <windows.h>

#include <string>

int main()
{
    wchar_t title[512] = {};
    const int length = GetWindowTextW(GetForegroundWindow(), title, 511);
    std::string utf8(std::size_t(length) * 4 + 1, '\0');
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, title, length, utf8.data(), int(utf8.size()), nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), DWORD(bytes), &written, nullptr);
    return 0;
}
