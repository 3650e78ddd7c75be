// A popup menu window tracked modally, like the platform's own menus: it takes the mouse, reads the keys that
// reach the program, and closes when chosen from, dismissed, or when its owner moves or loses activation.
#include "platform/win32/Win32Host.h"

#include "skin/SystemMenu.h"
#include "ui/Frame.h"

namespace win32 {
namespace {

constexpr wchar_t kPopupClass[] = L"TbsSkinPopupMenu";

struct PopupState {
    Win32Host* host;
    ui::PopupMenu* menu;
};

void Paint(HWND window, PopupState& state)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT r;
    GetClientRect(window, &r);
    {
        DibCanvas canvas(*state.host, dc, r.right, r.bottom);
        if (canvas.Valid()) {
            state.menu->Paint(canvas);
            BitBlt(dc, 0, 0, r.right, r.bottom, canvas.Dc(), 0, 0, SRCCOPY);
        }
    }
    EndPaint(window, &ps);
}

LRESULT CALLBACK PopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<PopupState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (state && message == WM_PAINT) {
        Paint(window, *state);
        return 0;
    }
    if (message == WM_MOUSEACTIVATE) {
        return MA_NOACTIVATE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }
bool IsButtonDown(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN || message == WM_NCMBUTTONDOWN;
}

ui::MouseEvent MouseEventOf(UINT message, POINT at)
{
    ui::MouseEvent event;
    event.position = {at.x, at.y};
    switch (message) {
    case WM_LBUTTONDOWN: event.type = ui::MouseEvent::Type::Down; break;
    case WM_RBUTTONDOWN: event.type = ui::MouseEvent::Type::Down; event.button = ui::MouseButton::Right; break;
    case WM_LBUTTONUP: event.type = ui::MouseEvent::Type::Up; break;
    case WM_RBUTTONUP: event.type = ui::MouseEvent::Type::Up; event.button = ui::MouseButton::Right; break;
    default: event.type = ui::MouseEvent::Type::Move; break;
    }
    return event;
}

} // namespace

void TrackPopupMenuWindow(Win32Host& host, ui::PopupMenu& menu, POINT screenPoint, HWND owner)
{
    RegisterClassOnce(host.Instance(), kPopupClass, CS_SAVEBITS, PopupProc);
    const gfx::Size size = menu.WindowSize();
    const gfx::Point at = skin::PlacePopup({screenPoint.x, screenPoint.y}, size, host.WorkArea());
    HWND popup = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, L"", WS_POPUP, at.x, at.y, size.width,
                                 size.height, owner, nullptr, host.Instance(), nullptr);
    if (!popup) {
        return;
    }
    ++Counts().windows;
    PopupState state{&host, &menu};
    SetWindowLongPtrW(popup, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    UniqueRegion region = RegionFromRectangles(menu.Shape());
    if (SetWindowRgn(popup, region.Get(), FALSE)) {
        region.ReleaseToSystem();
    }
    ShowWindow(popup, SW_SHOWNA);
    UpdateWindow(popup);
    SetCapture(popup);

    RECT ownerRect{};
    GetWindowRect(owner, &ownerRect);
    const HWND activeAtStart = GetActiveWindow();
    MSG msg;
    while (!menu.Closed()) {
        RECT now{};
        GetWindowRect(owner, &now);
        if (GetActiveWindow() != activeAtStart || !EqualRect(&now, &ownerRect) || GetCapture() != popup ||
            !IsWindowVisible(owner)) {
            menu.Dismiss(); // the owner moved, was resized, activated or deactivated, or lost the focus
            break;
        }
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            menu.Dismiss();
            break;
        }
        bool repaint = false;
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            repaint = menu.OnKey(KeyEventOf(msg.message, msg.wParam, msg.lParam));
        } else if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP || msg.message == WM_CHAR ||
                   msg.message == WM_SYSCHAR) {
            // swallowed while the menu is open
        } else if (IsMouseMessage(msg.message) || IsButtonDown(msg.message)) {
            POINT p = msg.pt;
            ScreenToClient(popup, &p);
            RECT client;
            GetClientRect(popup, &client);
            if (IsButtonDown(msg.message) && !PtInRect(&client, p)) {
                menu.Dismiss(); // a press anywhere else closes the menu
            } else {
                repaint = menu.OnMouse(MouseEventOf(msg.message, p));
            }
        } else {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (repaint) {
            InvalidateRect(popup, nullptr, FALSE);
            UpdateWindow(popup);
        }
    }
    if (GetCapture() == popup) {
        ReleaseCapture();
    }
    DestroyWindow(popup);
    --Counts().windows;
}

} // namespace win32
