// Times how long programs take from process start until their first top-level window is visible and painted
// (the process has gone idle waiting for input), alternating between them over many runs, and prints the
// medians side by side. Asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Found {
    DWORD pid;
    HWND window;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM context)
{
    auto* found = reinterpret_cast<Found*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    RECT r{};
    if (pid == found->pid && IsWindowVisible(window) && GetWindowRect(window, &r) && r.right - r.left > 100) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

double Now()
{
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return double(c.QuadPart) * 1000.0 / double(f.QuadPart);
}

// Milliseconds until a painted window shows, or -1 on a time-out (10 s).
double TimeOne(const std::wstring& exe, const std::wstring& folder)
{
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    const double start = Now();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                        &pi)) {
        return -1;
    }
    double elapsed = -1;
    Found found{pi.dwProcessId, nullptr};
    while (Now() - start < 10000) {
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&found));
        if (found.window) {
            WaitForInputIdle(pi.hProcess, 5000);
            RedrawWindow(found.window, nullptr, nullptr, RDW_UPDATENOW);
            elapsed = Now() - start;
            break;
        }
        Sleep(1);
    }
    if (found.window) {
        PostMessageW(found.window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(pi.hProcess, 1);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return elapsed;
}

double Median(std::vector<double> v)
{
    if (v.empty()) {
        return -1;
    }
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/") + 1); }

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: startup_timer <program.exe> <reference.exe> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? _wtoi(argv[3]) : 15;
    std::vector<double> program, reference;
    TimeOne(argv[1], FolderOf(argv[1])); // warm the caches once for each
    TimeOne(argv[2], FolderOf(argv[2]));
    for (int i = 0; i < runs; ++i) {
        if (const double t = TimeOne(argv[1], FolderOf(argv[1])); t >= 0) {
            program.push_back(t);
        }
        if (const double t = TimeOne(argv[2], FolderOf(argv[2])); t >= 0) {
            reference.push_back(t);
        }
    }
    const double p = Median(program), r = Median(reference);
    std::printf("start-up to a painted window, median of %d runs under the same Wine:\n", runs);
    std::printf("  Setup.exe          %8.1f ms\n", p);
    std::printf("  minimal window     %8.1f ms\n", r);
    std::printf("  ratio              %8.2f\n", r > 0 ? p / r : 0.0);
    return 0;
}
