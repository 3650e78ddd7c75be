// The test program's own top-level window, on a thread of its own. Win32 only.
#include "BackdropWindow.h"

namespace e2e {
namespace {

constexpr wchar_t kClassName[] = L"E2eBackdropWindow";
constexpr DWORD kThreadTimeoutMs = 10000;

void RegisterBackdropClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);  // fails harmlessly once the class exists
}

}  // namespace

BackdropWindow::BackdropWindow(const RECT& screenRect) : m_rect(screenRect) {
    m_ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_thread = CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr);
    if (m_thread) WaitForSingleObject(m_ready, kThreadTimeoutMs);
}

BackdropWindow::~BackdropWindow() {
    if (m_window) PostMessageW(m_window, WM_CLOSE, 0, 0);
    if (m_thread) {
        WaitForSingleObject(m_thread, kThreadTimeoutMs);
        CloseHandle(m_thread);
    }
    if (m_ready) CloseHandle(m_ready);
}

DWORD WINAPI BackdropWindow::ThreadMain(void* self) {
    auto* backdrop = static_cast<BackdropWindow*>(self);
    RegisterBackdropClass(WindowProc);
    const RECT& rect = backdrop->m_rect;
    HWND window = CreateWindowExW(0, kClassName, L"e2e backdrop", WS_POPUP, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), backdrop);
    backdrop->m_window = window;
    if (window) ShowWindow(window, SW_SHOWNOACTIVATE);
    SetEvent(backdrop->m_ready);
    if (!window) return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

LRESULT CALLBACK BackdropWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* backdrop = reinterpret_cast<BackdropWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_LBUTTONDOWN:
        if (backdrop) ++backdrop->m_leftPresses;
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace e2e
