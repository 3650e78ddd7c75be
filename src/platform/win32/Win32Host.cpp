// The Win32 host. Each window procedure hands each message to a named handler; no exception leaves a window
// procedure: errors go to the application's default error handler.
#include "platform/win32/Win32Host.h"

#include "core/Text.h"
#include "ui/Application.h"
#include "ui/Form.h"

#include <psapi.h>
#include <shellapi.h>

#include <algorithm>

namespace win32 {

ObjectCounts& Counts()
{
    static ObjectCounts counts;
    return counts;
}

namespace {

constexpr wchar_t kPeerProperty[] = L"SetupLauncher.Peer";

int XOfParam(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int YOfParam(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }
constexpr uint64_t kMaxFileBytes = 256ull * 1024 * 1024;

Win32Host* g_host = nullptr;

// The process's private memory in KiB, for the diagnostics query; looked up at run time since the call
// moved between system DLLs over the years.
LRESULT PrivateMemoryKiB()
{
    using GetMemoryInfoFn = BOOL(WINAPI*)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);
    auto getInfo = reinterpret_cast<GetMemoryInfoFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "K32GetProcessMemoryInfo")));
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (!getInfo || !getInfo(GetCurrentProcess(), reinterpret_cast<PPROCESS_MEMORY_COUNTERS>(&counters),
                             sizeof(counters))) {
        return -1;
    }
    return static_cast<LRESULT>(counters.PrivateUsage / 1024);
}

std::string LastErrorText()
{
    wchar_t* buffer = nullptr;
    const DWORD code = GetLastError();
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = buffer ? buffer : L"";
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    return core::WideToUtf8(text);
}

ui::Key KeyOf(WPARAM vk)
{
    switch (vk) {
    case VK_TAB: return ui::Key::Tab;
    case VK_RETURN: return ui::Key::Enter;
    case VK_SPACE: return ui::Key::Space;
    case VK_ESCAPE: return ui::Key::Escape;
    case VK_LEFT: return ui::Key::Left;
    case VK_RIGHT: return ui::Key::Right;
    case VK_UP: return ui::Key::Up;
    case VK_DOWN: return ui::Key::Down;
    case VK_F4: return ui::Key::F4;
    default: return ui::Key::Other;
    }
}

} // namespace

ui::KeyEvent KeyEventOf(UINT message, WPARAM wParam, LPARAM lParam)
{
    ui::KeyEvent event;
    event.type = (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) ? ui::KeyEvent::Type::Down : ui::KeyEvent::Type::Up;
    event.key = KeyOf(wParam);
    event.shift = GetKeyState(VK_SHIFT) < 0;
    event.control = GetKeyState(VK_CONTROL) < 0;
    event.alt = GetKeyState(VK_MENU) < 0;
    event.repeat = event.type == ui::KeyEvent::Type::Down && (lParam & (1 << 30)) != 0;
    if ((wParam >= 'A' && wParam <= 'Z') || (wParam >= '0' && wParam <= '9')) {
        event.character = static_cast<wchar_t>(wParam >= 'A' ? wParam - 'A' + 'a' : wParam);
    }
    return event;
}

DibCanvas::DibCanvas(Win32Host& host, HDC reference, int width, int height)
    : m_host(host), m_width(std::max(width, 1)), m_height(std::max(height, 1)), m_dc(CreateCompatibleDC(reference))
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = -m_height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    m_bitmap = UniqueBitmap(CreateDIBSection(m_dc.Get(), &info, DIB_RGB_COLORS, &m_bits, nullptr, 0));
    if (m_bitmap) {
        m_previous = SelectObject(m_dc.Get(), m_bitmap.Get());
    }
}

DibCanvas::~DibCanvas()
{
    if (m_previous) {
        SelectObject(m_dc.Get(), m_previous);
    }
}

gfx::BitmapView DibCanvas::Target()
{
    GdiFlush();
    return {static_cast<gfx::Pixel*>(m_bits), m_width, m_height, m_width};
}

gfx::Size DibCanvas::MeasureText(const gfx::Font& font, std::wstring_view text) { return m_host.MeasureText(font, text); }

void DibCanvas::DrawText(const gfx::Font& font, std::wstring_view text, gfx::Point origin, gfx::Pixel color,
                         gfx::Rect clip)
{
    SelectGuard select(m_dc.Get(), m_host.FontFor(font));
    SetBkMode(m_dc.Get(), TRANSPARENT);
    SetTextColor(m_dc.Get(), gfx::ToColorRef(color));
    const RECT r{clip.left, clip.top, clip.right, clip.bottom};
    ExtTextOutW(m_dc.Get(), origin.x, origin.y, ETO_CLIPPED, &r, text.data(), static_cast<UINT>(text.size()), nullptr);
}

UniqueRegion RegionFromRectangles(const std::vector<gfx::Rect>& rectangles)
{
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    for (const gfx::Rect& r : rectangles) {
        UniqueRegion part(CreateRectRgn(r.left, r.top, r.right, r.bottom));
        CombineRgn(region.Get(), region.Get(), part.Get(), RGN_OR);
    }
    return region;
}

namespace {

LRESULT CALLBACK PeerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class Peer final : public ui::WindowPeer {
public:
    Peer(Win32Host& host, ui::Control& control) : m_host(host), m_control(control) {}
    ~Peer() override
    {
        if (m_window) {
            RemovePropW(m_window, kPeerProperty);
            DestroyWindow(m_window);
            --Counts().windows;
        }
    }

    void Create();
    HWND Window() const { return m_window; }
    ui::Control& Control() { return m_control; }
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return m_originalProc ? CallWindowProcW(m_originalProc, m_window, message, wParam, lParam)
                              : DefWindowProcW(m_window, message, wParam, lParam);
    }

    void SetBounds(gfx::Rect b) override
    {
        SetWindowPos(m_window, nullptr, b.left, b.top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override { EnableWindow(m_window, enabled); }
    void SetText(const std::wstring& text) override { SetWindowTextW(m_window, text.c_str()); }
    std::wstring Text() const override
    {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(m_window)) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(m_window, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    void Invalidate() override { InvalidateRect(m_window, nullptr, FALSE); }
    void SetFocus() override { ::SetFocus(m_window); }
    void BringToFront() override
    {
        BringWindowToTop(m_window);
        SetForegroundWindow(m_window);
    }
    void SetMouseCapture(bool capture) override
    {
        if (capture) {
            SetCapture(m_window);
        } else if (GetCapture() == m_window) {
            ReleaseCapture();
        }
    }

private:
    void OnPaint();
    void OnMouse(ui::MouseEvent::Type type, ui::MouseButton button, LPARAM lParam);
    void OnFocus(bool focused);
    ui::Form* AsForm() { return dynamic_cast<ui::Form*>(&m_control); }
    ui::FrameOwner* Frame()
    {
        ui::Form* form = AsForm();
        ui::FrameOwner* frame = form ? form->GetFrameOwner() : nullptr;
        return (frame && frame->Skinned()) ? frame : nullptr;
    }
    bool HandleFrame(ui::FrameOwner& frame, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    gfx::Size WindowSize() const;
    gfx::Point ToWindow(POINT screen) const;
    void PaintFrame();
    void UpdateShape();
    void FrameMouse(ui::FrameOwner& frame, ui::MouseEvent::Type type, ui::MouseButton button, gfx::Point at);
    void UpdateHoverTimer(ui::FrameOwner& frame);

    Win32Host& m_host;
    ui::Control& m_control;
    HWND m_window = nullptr;
    WNDPROC m_originalProc = nullptr;
    bool m_trackingLeave = false;
    bool m_frameCapture = false;
    bool m_hoverTimer = false;
};

constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT kHoverInterval = 50;

DWORD FormStyle(const ui::Form& form)
{
    switch (form.GetBorderStyle()) {
    case ui::BorderStyle::None: return WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    case ui::BorderStyle::Dialog: return WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    default: return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    }
}

DWORD FormExStyle(const ui::Form& form)
{
    return form.GetBorderStyle() == ui::BorderStyle::Dialog ? WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE : 0;
}

} // namespace

void RegisterClassOnce(HINSTANCE instance, const wchar_t* name, UINT style, WNDPROC procedure)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, name, &existing)) {
        return;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

namespace {

void Peer::Create()
{
    const std::wstring className = core::Utf8ToWide(m_control.ClassName());
    const gfx::Rect b = m_control.Bounds();
    HWND parent = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    const wchar_t* windowClass = className.c_str();
    if (auto* form = AsForm()) {
        RegisterClassOnce(m_host.Instance(), className.c_str(), 0, PeerWindowProc);
        parent = m_host.ApplicationWindow();
        style = FormStyle(*form);
        exStyle = FormExStyle(*form);
        if (Frame()) {
            // The frame component draws and operates the whole non-client area; the platform draws none.
            style = WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
            exStyle = 0;
        }
    } else {
        auto* parentPeer = m_control.Parent() ? static_cast<Peer*>(m_control.Parent()->Peer()) : nullptr;
        parent = parentPeer ? parentPeer->Window() : nullptr;
        style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (m_control.Visible() ? WS_VISIBLE : 0) |
                (m_control.Enabled() ? 0 : WS_DISABLED) | (m_control.TabStop() ? WS_TABSTOP : 0);
        if (std::string_view(m_control.ClassName()) == "TEdit") {
            windowClass = L"EDIT";
            style |= ES_AUTOHSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
        } else {
            RegisterClassOnce(m_host.Instance(), className.c_str(), 0, PeerWindowProc);
        }
    }
    m_window = CreateWindowExW(exStyle, windowClass, m_control.Caption().c_str(), style, b.left, b.top, b.Width(),
                               b.Height(), parent, nullptr, m_host.Instance(), nullptr);
    if (!m_window) {
        throw ui::Error("Cannot create the window " + std::string(m_control.ClassName()) + ": " + LastErrorText());
    }
    ++Counts().windows;
    SetPropW(m_window, kPeerProperty, this);
    if (Frame()) {
        SetWindowPos(m_window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                                                       SWP_NOACTIVATE);
        UpdateShape();
    }
    if (windowClass != className.c_str()) {
        m_originalProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditWindowProc)));
        SendMessageW(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(m_host.FontFor(m_control.GetFont())), FALSE);
    }
}

void Peer::SetVisible(bool visible)
{
    if (AsForm()) {
        if (visible) {
            m_host.UpdateApplicationWindow();
            const int command = m_host.TakeFirstShowCommand();
            ShowWindow(m_window, Frame() ? SW_SHOW : command); // the skinned frame maximizes by itself
        } else {
            ShowWindow(m_window, SW_HIDE);
            m_host.UpdateApplicationWindow();
        }
        return;
    }
    ShowWindow(m_window, visible ? SW_SHOWNA : SW_HIDE);
}

void Peer::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_window, &ps);
    RECT client;
    GetClientRect(m_window, &client);
    std::string error;
    {
        DibCanvas canvas(m_host, dc, client.right, client.bottom);
        if (canvas.Valid()) {
            try {
                m_control.PaintTree(canvas);
            } catch (const std::exception& e) {
                error = e.what();
            }
            BitBlt(dc, 0, 0, client.right, client.bottom, canvas.Dc(), 0, 0, SRCCOPY);
        }
    }
    EndPaint(m_window, &ps);
    if (!error.empty()) {
        m_host.ReportError(error.c_str());
    }
}

void Peer::OnMouse(ui::MouseEvent::Type type, ui::MouseButton button, LPARAM lParam)
{
    if (type == ui::MouseEvent::Type::Move && !m_trackingLeave) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_window, 0};
        m_trackingLeave = TrackMouseEvent(&track) != FALSE;
    }
    if (type == ui::MouseEvent::Type::Leave) {
        m_trackingLeave = false;
    }
    ui::MouseEvent event;
    event.type = type;
    event.button = button;
    event.position = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    m_control.OnMouse(event);
}

void Peer::OnFocus(bool focused)
{
    if (ui::Form* form = m_control.ParentForm(); form && focused) {
        form->ControlFocused(m_control, true);
    }
    m_control.OnFocusChanged(focused);
}

LRESULT Peer::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    using Type = ui::MouseEvent::Type;
    using Button = ui::MouseButton;
    ui::Form* form = AsForm();
    if (ui::FrameOwner* frame = Frame()) {
        LRESULT result = 0;
        if (HandleFrame(*frame, message, wParam, lParam, result)) {
            return result;
        }
    }
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: OnMouse(Type::Down, Button::Left, lParam); return 0;
    case WM_LBUTTONUP: OnMouse(Type::Up, Button::Left, lParam); return 0;
    case WM_RBUTTONDOWN: OnMouse(Type::Down, Button::Right, lParam); return 0;
    case WM_RBUTTONUP: OnMouse(Type::Up, Button::Right, lParam); return 0;
    case WM_MBUTTONDOWN: OnMouse(Type::Down, Button::Middle, lParam); return 0;
    case WM_MBUTTONUP: OnMouse(Type::Up, Button::Middle, lParam); return 0;
    case WM_MOUSEMOVE: OnMouse(Type::Move, Button::Left, lParam); return 0;
    case WM_MOUSELEAVE: OnMouse(Type::Leave, Button::Left, lParam); return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != m_window) {
            OnMouse(Type::Up, Button::Left, MAKELPARAM(static_cast<WORD>(-1), static_cast<WORD>(-1)));
        }
        return 0;
    case WM_SETFOCUS: OnFocus(true); return 0;
    case WM_KILLFOCUS: OnFocus(false); return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m_control.OnKey(KeyEventOf(message, wParam, lParam))) {
            return 0;
        }
        break;
    case WM_ACTIVATE:
        if (form && LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
            form->Activated();
            return 0;
        }
        break;
    case WM_CLOSE:
        if (form) {
            form->Close();
            return 0;
        }
        break;
    default: break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}


gfx::Size Peer::WindowSize() const
{
    RECT r;
    GetWindowRect(m_window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

gfx::Point Peer::ToWindow(POINT screen) const
{
    RECT r;
    GetWindowRect(m_window, &r);
    return {screen.x - r.left, screen.y - r.top};
}

// Paints the frame into a buffer of the window's size and copies it around the client area.
void Peer::PaintFrame()
{
    ui::FrameOwner* frame = Frame();
    if (!frame || !IsWindowVisible(m_window)) {
        return;
    }
    const gfx::Size size = WindowSize();
    HDC dc = GetWindowDC(m_window);
    {
        DibCanvas canvas(m_host, dc, size.width, size.height);
        if (canvas.Valid()) {
            frame->PaintFrame(canvas, size);
            const gfx::Rect m = frame->Margins();
            ExcludeClipRect(dc, m.left, m.top, size.width - m.right, size.height - m.bottom);
            BitBlt(dc, 0, 0, size.width, size.height, canvas.Dc(), 0, 0, SRCCOPY);
        }
    }
    ReleaseDC(m_window, dc);
}

void Peer::UpdateShape()
{
    ui::FrameOwner* frame = Frame();
    if (!frame) {
        return;
    }
    UniqueRegion region = RegionFromRectangles(frame->Shape(WindowSize()));
    if (SetWindowRgn(m_window, region.Get(), TRUE)) {
        region.ReleaseToSystem(); // the system owns the region now
    }
}

void Peer::FrameMouse(ui::FrameOwner& frame, ui::MouseEvent::Type type, ui::MouseButton button, gfx::Point at)
{
    ui::MouseEvent event;
    event.type = type;
    event.button = button;
    event.position = at;
    const ui::FrameResponse response = frame.OnFrameMouse(event, WindowSize());
    if (!IsWindow(m_window)) {
        return;
    }
    if (response.captureMouse) {
        m_frameCapture = true;
        SetCapture(m_window);
    }
    if (response.releaseMouse) {
        m_frameCapture = false;
        if (GetCapture() == m_window) {
            ReleaseCapture();
        }
    }
    if (response.repaint) {
        PaintFrame();
    }
}

void Peer::UpdateHoverTimer(ui::FrameOwner& frame)
{
    const bool wanted = frame.HoverTimerWanted();
    if (wanted && !m_hoverTimer) {
        m_hoverTimer = SetTimer(m_window, kHoverTimer, kHoverInterval, nullptr) != 0;
    } else if (!wanted && m_hoverTimer) {
        KillTimer(m_window, kHoverTimer);
        m_hoverTimer = false;
    }
}

LRESULT HitCode(const ui::FrameHit& hit)
{
    switch (hit.zone) {
    case ui::FrameZone::Client: return HTCLIENT;
    case ui::FrameZone::Caption: return hit.canDrag ? HTCAPTION : HTBORDER;
    case ui::FrameZone::Object: return HTBORDER;
    default: return HTNOWHERE;
    }
}

// The frame's share of the main window's messages; true when the message is fully handled.
bool Peer::HandleFrame(ui::FrameOwner& frame, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    using Type = ui::MouseEvent::Type;
    using Button = ui::MouseButton;
    const POINT screen{XOfParam(lParam), YOfParam(lParam)};
    switch (message) {
    case WM_NCCALCSIZE: {
        if (wParam) {
            auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
            const gfx::Rect m = frame.Margins();
            RECT& r = params->rgrc[0];
            r = {r.left + m.left, r.top + m.top, r.right - m.right, r.bottom - m.bottom};
        }
        result = 0;
        return true;
    }
    case WM_NCPAINT: PaintFrame(); result = 0; return true;
    case WM_NCACTIVATE:
        frame.OnActivate(wParam != FALSE);
        PaintFrame();
        UpdateHoverTimer(frame);
        result = TRUE;
        return true;
    case WM_NCHITTEST: result = HitCode(frame.HitTest(ToWindow(screen), WindowSize())); return true;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCAPTION) {
            return false; // the platform's move loop
        }
        FrameMouse(frame, Type::Down, Button::Left, ToWindow(screen));
        result = 0;
        return true;
    case WM_NCLBUTTONUP: FrameMouse(frame, Type::Up, Button::Left, ToWindow(screen)); result = 0; return true;
    case WM_NCRBUTTONDOWN: FrameMouse(frame, Type::Down, Button::Right, ToWindow(screen)); result = 0; return true;
    case WM_NCRBUTTONUP: FrameMouse(frame, Type::Up, Button::Right, ToWindow(screen)); result = 0; return true;
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDBLCLK:
    case WM_CONTEXTMENU: result = 0; return true;
    case WM_NCMOUSEMOVE:
        if (frame.OnHoverTimer(ToWindow(screen), WindowSize())) {
            PaintFrame();
        }
        result = 0;
        return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        if (m_frameCapture) {
            POINT p{XOfParam(lParam), YOfParam(lParam)};
            ClientToScreen(m_window, &p);
            FrameMouse(frame, message == WM_MOUSEMOVE ? Type::Move : Type::Up, Button::Left, ToWindow(p));
            result = 0;
            return true;
        }
        return false;
    case WM_CAPTURECHANGED:
        if (m_frameCapture && reinterpret_cast<HWND>(lParam) != m_window) {
            m_frameCapture = false;
            FrameMouse(frame, Type::Up, Button::Left, {-100000, -100000});
        }
        return false;
    case WM_TIMER:
        if (wParam == kHoverTimer) {
            POINT p;
            GetCursorPos(&p);
            const bool over = WindowFromPoint(p) == m_window;
            if (frame.OnHoverTimer(over ? std::optional<gfx::Point>(ToWindow(p)) : std::nullopt, WindowSize())) {
                PaintFrame();
            }
            UpdateHoverTimer(frame);
            result = 0;
            return true;
        }
        return false;
    case WM_ENTERSIZEMOVE:
        frame.OnMoving(true);
        PaintFrame();
        return false;
    case WM_EXITSIZEMOVE:
        frame.OnMoving(false);
        PaintFrame();
        return false;
    case WM_SIZE:
        UpdateShape();
        PaintFrame();
        return false;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        const gfx::Size minimum = frame.MinimumSize();
        const gfx::Rect work = m_host.WorkArea();
        info->ptMinTrackSize = {minimum.width, minimum.height};
        info->ptMaxTrackSize = {work.Width(), work.Height()};
        result = 0;
        return true;
    }
    case WM_SYSCOMMAND:
        // Alt, F10 and Alt+Space open nothing: there is no menu bar, and the system menu opens by the mouse.
        if ((wParam & 0xFFF0) == SC_KEYMENU) {
            result = 0;
            return true;
        }
        return false;
    case WM_SETTEXT:
        result = DefWindowProcW(m_window, message, wParam, lParam);
        PaintFrame();
        return true;
    default: return false;
    }
}

Peer* PeerOf(HWND window) { return static_cast<Peer*>(GetPropW(window, kPeerProperty)); }

template <typename F>
LRESULT Guarded(F&& body, LRESULT onError)
{
    try {
        return body();
    } catch (const std::exception& e) {
        g_host->ReportError(e.what());
    } catch (...) {
        g_host->ReportError("Unexpected error");
    }
    return onError;
}

LRESULT CALLBACK PeerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Peer* peer = PeerOf(window);
    if (!peer) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return Guarded([&] { return peer->Handle(message, wParam, lParam); }, 0);
}

// The platform's edit control does the editing; the form only learns where the focus is.
LRESULT CALLBACK EditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Peer* peer = PeerOf(window);
    if (!peer) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_SETFOCUS) {
        if (ui::Form* form = peer->Control().ParentForm()) {
            form->ControlFocused(peer->Control(), true);
        }
    }
    return peer->CallOriginal(message, wParam, lParam);
}

LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!g_host || g_host->ApplicationWindow() != window) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return Guarded([&] { return g_host->ApplicationWindowProc(message, wParam, lParam); }, 0);
}

} // namespace

ui::Control* ControlFromWindow(HWND window)
{
    Peer* peer = PeerOf(window);
    return peer ? &peer->Control() : nullptr;
}

Win32Host::Win32Host(HINSTANCE instance, int showCommand)
    : m_instance(instance), m_showCommand(showCommand), m_measureDc(CreateCompatibleDC(nullptr))
{
    g_host = this;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = AppWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"TApplication";
    RegisterClassExW(&wc);
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    // Zero-sized but shown while a window of the program is: it carries the one taskbar entry.
    m_appWindow = CreateWindowExW(0, L"TApplication", L"", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU |
                                  WS_MINIMIZEBOX, x, y, 0, 0, nullptr, nullptr, instance, nullptr);
    ++Counts().windows;
    m_diagnosticsMessage = RegisterWindowMessageW(L"SetupLauncher.Diagnostics");
}

Win32Host::~Win32Host()
{
    if (m_appWindow) {
        DestroyWindow(m_appWindow);
        --Counts().windows;
    }
    g_host = nullptr;
}

int Win32Host::TakeFirstShowCommand()
{
    if (m_firstShowDone) {
        return SW_SHOW;
    }
    m_firstShowDone = true;
    return m_showCommand == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOW;
}

void Win32Host::UpdateApplicationWindow()
{
    bool anyVisible = false;
    if (m_application) {
        for (ui::Form* form : m_application->Forms()) {
            anyVisible = anyVisible || form->Showing();
        }
    }
    if (anyVisible && !IsWindowVisible(m_appWindow)) {
        ShowWindow(m_appWindow, SW_SHOWNA);
    } else if (!anyVisible && IsWindowVisible(m_appWindow) && !IsIconic(m_appWindow)) {
        ShowWindow(m_appWindow, SW_HIDE);
    }
}

LRESULT Win32Host::ApplicationWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Read-only counts for the program's own health checks: 0 live windows, 1 GDI objects, 2 private KiB.
    if (message == m_diagnosticsMessage && m_diagnosticsMessage != 0) {
        switch (wParam) {
        case 0: return Counts().windows;
        case 1: return Counts().gdiObjects;
        default: return PrivateMemoryKiB();
        }
    }
    switch (message) {
    case WM_CLOSE:
        if (m_application && m_application->MainForm()) {
            m_application->MainForm()->Close();
        }
        return 0;
    case WM_ENDSESSION:
        if (wParam && m_application) {
            m_application->Terminate();
        }
        return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_RESTORE) {
            const LRESULT result = DefWindowProcW(m_appWindow, message, wParam, lParam);
            RestoreAfterMinimize();
            if (m_application) {
                m_application->Restored();
            }
            return result;
        }
        break;
    case WM_SIZE:
        if (wParam == SIZE_RESTORED && !m_hiddenByMinimize.empty()) {
            RestoreAfterMinimize();
        }
        break;
    default: break;
    }
    return DefWindowProcW(m_appWindow, message, wParam, lParam);
}

void Win32Host::ReportError(const char* utf8Message)
{
    if (m_application) {
        m_application->ShowError(utf8Message);
    }
}

HFONT Win32Host::FontFor(const gfx::Font& font)
{
    const std::wstring key = font.name + L"|" + std::to_wstring(font.height) + L"|" +
                             std::to_wstring(static_cast<unsigned>(font.style)) + L"|" + std::to_wstring(font.charset);
    auto it = m_fonts.find(key);
    if (it == m_fonts.end()) {
        LOGFONTW lf{};
        lf.lfHeight = font.height;
        lf.lfWeight = gfx::HasStyle(font.style, gfx::FontStyle::Bold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = gfx::HasStyle(font.style, gfx::FontStyle::Italic);
        lf.lfUnderline = gfx::HasStyle(font.style, gfx::FontStyle::Underline);
        lf.lfStrikeOut = gfx::HasStyle(font.style, gfx::FontStyle::StrikeOut);
        lf.lfCharSet = static_cast<BYTE>(font.charset);
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynW(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
        it = m_fonts.emplace(key, UniqueFont(CreateFontIndirectW(&lf))).first;
    }
    return it->second.Get();
}

std::unique_ptr<ui::WindowPeer> Win32Host::CreatePeer(ui::Control& control)
{
    auto peer = std::make_unique<Peer>(*this, control);
    peer->Create();
    return peer;
}

gfx::Size Win32Host::NonClientSize(const ui::Form& form)
{
    RECT r{0, 0, 100, 100};
    AdjustWindowRectEx(&r, FormStyle(form), FALSE, FormExStyle(form));
    return {r.right - r.left - 100, r.bottom - r.top - 100};
}

gfx::Rect Win32Host::WorkArea()
{
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return {r.left, r.top, r.right, r.bottom};
}

void Win32Host::RunPopupMenu(ui::PopupMenu& menu, gfx::Point screenPoint, ui::Form& owner)
{
    auto* peer = static_cast<Peer*>(owner.Peer());
    if (peer) {
        TrackPopupMenuWindow(*this, menu, {screenPoint.x, screenPoint.y}, peer->Window());
    }
}

gfx::Size Win32Host::VirtualScreenSize()
{
    return {GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

int Win32Host::ScreenPixelsPerInch()
{
    HDC dc = GetDC(nullptr);
    const int ppi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return ppi;
}

int Win32Host::DisplayBitsPerPixel()
{
    HDC dc = GetDC(nullptr);
    const int bits = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
    ReleaseDC(nullptr, dc);
    return bits;
}

int Win32Host::TextHeight(const gfx::Font& font) { return MeasureText(font, L"0").height; }

gfx::Size Win32Host::MeasureText(const gfx::Font& font, std::wstring_view text)
{
    SelectGuard select(m_measureDc.Get(), FontFor(font));
    SIZE size{};
    GetTextExtentPoint32W(m_measureDc.Get(), text.data(), static_cast<int>(text.size()), &size);
    if (text.empty()) {
        TEXTMETRICW tm{};
        GetTextMetricsW(m_measureDc.Get(), &tm);
        size.cy = tm.tmHeight;
    }
    return {size.cx, size.cy};
}

std::wstring Win32Host::ModuleFileName()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

core::Result<std::vector<uint8_t>> Win32Host::ReadWholeFile(const std::wstring& path)
{
    const core::Error cannotOpen{"Cannot open file " + core::WideToUtf8(path)};
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return cannotOpen;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) {
        return cannotOpen;
    }
    if (static_cast<uint64_t>(size.QuadPart) > kMaxFileBytes) {
        return core::Error{"The file " + core::WideToUtf8(path) + " is too large"};
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        if (!ReadFile(file.Get(), bytes.data() + done, want, &got, nullptr)) {
            return core::Error{"Cannot read file " + core::WideToUtf8(path) + ": " + LastErrorText()};
        }
        if (got == 0) {
            bytes.resize(done);
            break;
        }
        done += got;
    }
    return bytes;
}

namespace {

struct DisabledWindows {
    std::vector<HWND> windows;
    HWND except = nullptr;
};

BOOL CALLBACK DisableOne(HWND window, LPARAM context)
{
    auto* state = reinterpret_cast<DisabledWindows*>(context);
    if (window != state->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        state->windows.push_back(window);
    }
    return TRUE;
}

} // namespace

// The box is owned by the application window; the program's other windows are disabled while it is open.
void Win32Host::ShowErrorBox(const std::wstring& title, const std::wstring& text)
{
    DisabledWindows disabled;
    disabled.except = m_appWindow;
    EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabled));
    MessageBoxW(m_appWindow, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
    for (HWND window : disabled.windows) {
        EnableWindow(window, TRUE);
    }
}

// The default action on the file, owned by the application window, no parameters and no working directory;
// the result is not examined and nothing is waited for.
void Win32Host::ShellOpen(const std::wstring& file)
{
    ShellExecuteW(m_appWindow, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Host::SetApplicationTitle(const std::wstring& title) { SetWindowTextW(m_appWindow, title.c_str()); }

void Win32Host::ShowApplication(ui::ShowCommand command)
{
    if (command == ui::ShowCommand::MinimizedNoActivate) {
        m_firstShowDone = true;
        ShowWindow(m_appWindow, SW_SHOWMINNOACTIVE);
    }
}

// The program's windows leave the screen and the taskbar entry stays; restoring brings them back as they
// were, without showing them anew (so nothing is reloaded).
void Win32Host::MinimizeApplication()
{
    m_hiddenByMinimize.clear();
    if (m_application) {
        for (ui::Form* form : m_application->Forms()) {
            auto* peer = static_cast<Peer*>(form->Peer());
            if (peer && IsWindowVisible(peer->Window())) {
                m_hiddenByMinimize.push_back(peer->Window());
            }
        }
    }
    for (HWND window : m_hiddenByMinimize) {
        ShowWindow(window, SW_HIDE);
    }
    ShowWindow(m_appWindow, SW_MINIMIZE);
}

void Win32Host::RestoreAfterMinimize()
{
    std::vector<HWND> windows;
    windows.swap(m_hiddenByMinimize);
    for (HWND window : windows) {
        if (IsWindow(window)) {
            ShowWindow(window, SW_SHOW);
        }
    }
    if (!windows.empty()) {
        SetForegroundWindow(windows.front());
    }
}

void Win32Host::PostQuit() { PostQuitMessage(0); }

// Tab and Shift+Tab move the focus within a form whichever control has it, the edit field included.
bool Win32Host::PreTranslate(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) {
        return false;
    }
    ui::Control* control = ControlFromWindow(msg.hwnd);
    ui::Form* form = control ? control->ParentForm() : nullptr;
    return form && form->HandleDialogKey(KeyEventOf(msg.message, msg.wParam, msg.lParam));
}

bool Win32Host::HandleMessage()
{
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        return false;
    }
    const bool handled = Guarded([&]() -> LRESULT { return PreTranslate(msg); }, 1) != 0;
    if (!handled) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

ui::Form* Win32Host::ActiveForm()
{
    ui::Control* control = ControlFromWindow(GetActiveWindow());
    return dynamic_cast<ui::Form*>(control);
}

void Win32Host::ActivateForm(ui::Form& form)
{
    if (auto* peer = static_cast<Peer*>(form.Peer())) {
        SetActiveWindow(peer->Window());
    }
}

} // namespace win32
