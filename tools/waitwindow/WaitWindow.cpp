// `make run` helper inside Wine: waits until a visible top-level window of a class appears, or closes it.
// Usage: WaitWindow.exe wait <class> <seconds> | WaitWindow.exe close <class>. Exit code 0 on success.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

HWND FindVisible(const wchar_t* className)
{
    HWND window = FindWindowW(className, nullptr);
    return window && IsWindowVisible(window) ? window : nullptr;
}

int Wait(const wchar_t* className, int seconds)
{
    const ULONGLONG deadline = GetTickCount64() + ULONGLONG(seconds) * 1000;
    while (GetTickCount64() < deadline) {
        if (FindVisible(className))
            return 0;
        Sleep(50);
    }
    return 1;
}

int Close(const wchar_t* className)
{
    HWND window = FindWindowW(className, nullptr);
    return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 4 && std::wcscmp(argv[1], L"wait") == 0)
        return Wait(argv[2], std::wcstol(argv[3], nullptr, 10));
    if (argc == 3 && std::wcscmp(argv[1], L"close") == 0)
        return Close(argv[2]);
    std::fwprintf(stderr, L"usage: WaitWindow wait <class> <seconds> | WaitWindow close <class>\n");
    return 2;
}
