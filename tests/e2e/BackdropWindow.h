// A plain top-level window of the test program: something to lie behind the launcher's cut corners, or to
// take the activation from it. Win32 only; knows nothing of the launcher.
#pragma once

#include <windows.h>

#include <atomic>

namespace e2e {

// Runs on a thread of its own with its own message loop, so it answers the system (activation, painting)
// whatever the test thread is waiting for. Counts the left-button presses it receives.
class BackdropWindow {
public:
    explicit BackdropWindow(const RECT& screenRect);
    BackdropWindow(const BackdropWindow&) = delete;
    BackdropWindow& operator=(const BackdropWindow&) = delete;
    ~BackdropWindow();

    HWND Handle() const { return m_window; }
    int LeftPresses() const { return m_leftPresses.load(); }

private:
    static DWORD WINAPI ThreadMain(void* self);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    RECT m_rect;
    HWND m_window = nullptr;
    HANDLE m_thread = nullptr;
    HANDLE m_ready = nullptr;
    std::atomic<int> m_leftPresses{0};
};

}  // namespace e2e
