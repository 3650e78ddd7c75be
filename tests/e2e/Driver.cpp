// Test driver for the end-to-end tests: Win32 calls only, no knowledge of the program's code.
// Everything here works across processes, as it must under Wine where the program runs beside the driver.
#include "Driver.h"

#include <tlhelp32.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <type_traits>

namespace e2e {
namespace {

constexpr UINT kMessageTimeoutMs = 5000;
constexpr int kMessageTextId = 0xFFFF;  // the static control holding a message box's text

std::wstring LastErrorText(const wchar_t* what) {
    return std::wstring(what) + L" failed, error " + std::to_wstring(GetLastError());
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::wstring VariableName(std::wstring_view entry) {
    // Entries such as "=C:=C:\dir" start with '=': the name runs to the second '='.
    const size_t end = entry.find(L'=', 1);
    return std::wstring(entry.substr(0, end == std::wstring_view::npos ? entry.size() : end));
}

std::vector<std::wstring> CurrentEnvironment() {
    std::vector<std::wstring> entries;
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* entry = block; *entry != L'\0'; entry += wcslen(entry) + 1) entries.emplace_back(entry);
    FreeEnvironmentStringsW(block);
    return entries;
}

// The driver's environment with the additions applied, as a CreateProcess Unicode block.
std::wstring EnvironmentBlock(const std::vector<std::pair<std::wstring, std::wstring>>& additions) {
    std::vector<std::wstring> entries = CurrentEnvironment();
    for (const auto& [name, value] : additions) {
        std::erase_if(entries, [&](const std::wstring& entry) { return EqualsIgnoringCase(VariableName(entry), name); });
        entries.push_back(name + L"=" + value);
    }
    std::wstring block;
    for (const std::wstring& entry : entries) block += entry + L'\0';
    block += L'\0';
    return block;
}

struct EnumState {
    DWORD processId = 0;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* state = reinterpret_cast<EnumState*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == state->processId) state->windows.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<EnumState*>(param)->windows.push_back(window);
    return TRUE;
}

void SendInputs(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT MouseInput(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    return input;
}

// Absolute coordinates are 0..65535 across the screen; rounding up lands the pointer on the pixel asked
// for, rounding down lands one pixel short for most positions.
LONG AbsoluteCoordinate(LONG value, int extent) {
    return static_cast<LONG>((static_cast<long long>(value) * 65536 + extent - 1) / extent);
}

DWORD DownFlag(MouseButton button) {
    switch (button) {
    case MouseButton::Left: return MOUSEEVENTF_LEFTDOWN;
    case MouseButton::Right: return MOUSEEVENTF_RIGHTDOWN;
    case MouseButton::Middle: return MOUSEEVENTF_MIDDLEDOWN;
    }
    return 0;
}

DWORD UpFlag(MouseButton button) {
    switch (button) {
    case MouseButton::Left: return MOUSEEVENTF_LEFTUP;
    case MouseButton::Right: return MOUSEEVENTF_RIGHTUP;
    case MouseButton::Middle: return MOUSEEVENTF_MIDDLEUP;
    }
    return 0;
}

bool IsExtendedKey(WORD virtualKey) {
    switch (virtualKey) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT: case VK_INSERT: case VK_DELETE:
        return true;
    default:
        return false;
    }
}

INPUT KeyInput(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags | (IsExtendedKey(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT UnicodeInput(wchar_t character, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE | flags;
    return input;
}

bool CursorAt(POINT point) {
    POINT cursor{};
    return GetCursorPos(&cursor) && cursor.x == point.x && cursor.y == point.y;
}

class ScreenDc {
public:
    ScreenDc() : m_dc(GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() { ReleaseDC(nullptr, m_dc); }
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct GdiObjectDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using GdiObject = std::unique_ptr<void, GdiObjectDeleter>;

BITMAPINFO TopDown32BitInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

std::wstring TrimTrailingSeparators(std::wstring path) {
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    return path;
}

std::wstring FullPath(const std::wstring& path) {
    std::array<wchar_t, 4096> buffer{};
    const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    return length == 0 || length >= buffer.size() ? path : std::wstring(buffer.data(), length);
}

}  // namespace

// ---- Processes -------------------------------------------------------------------------------------

OwnedHandle& OwnedHandle::operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
        Reset();
        m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
}

void OwnedHandle::Reset() {
    if (*this) CloseHandle(m_handle);
    m_handle = nullptr;
}

std::optional<Process> Process::Launch(const LaunchOptions& options, std::wstring* error) {
    std::wstring commandLine = L"\"" + options.exePath + L"\"";
    std::wstring environment = EnvironmentBlock(options.environment);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = options.showCommand;
    PROCESS_INFORMATION info{};
    const wchar_t* directory = options.workingDirectory.empty() ? nullptr : options.workingDirectory.c_str();
    if (!CreateProcessW(options.exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, environment.data(), directory, &startup, &info)) {
        if (error) *error = LastErrorText(L"CreateProcessW");
        return std::nullopt;
    }
    CloseHandle(info.hThread);
    return Process(OwnedHandle(info.hProcess), info.dwProcessId);
}

bool Process::IsRunning() const {
    return m_process && WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(Milliseconds timeout) const {
    return m_process && WaitForSingleObject(m_process.Get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::ExitCode() const {
    DWORD code = 0;
    if (!m_process || IsRunning() || !GetExitCodeProcess(m_process.Get(), &code)) return std::nullopt;
    return code;
}

void Process::Kill() {
    if (!IsRunning()) return;
    TerminateProcess(m_process.Get(), 1);
    WaitForExit();
}

void KillProcessesBelow(const std::wstring& folder) {
    const std::wstring prefix = TrimTrailingSeparators(FullPath(folder)) + L"\\";
    OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        OwnedHandle process(OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE,
                                        entry.th32ProcessID));
        if (!process) continue;
        std::array<wchar_t, 4096> image{};
        DWORD length = static_cast<DWORD>(image.size());
        if (!QueryFullProcessImageNameW(process.Get(), 0, image.data(), &length)) continue;
        if (!StartsWithIgnoringCase(std::wstring_view(image.data(), length), prefix)) continue;
        TerminateProcess(process.Get(), 1);
        WaitForSingleObject(process.Get(), static_cast<DWORD>(kTimeout.count()));
    }
}

// ---- Windows ---------------------------------------------------------------------------------------

std::vector<HWND> TopLevelWindows(DWORD processId) {
    EnumState state{processId, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&state));
    return state.windows;
}

HWND FindTopLevel(DWORD processId, std::wstring_view className) {
    for (HWND window : TopLevelWindows(processId))
        if (ClassName(window) == className) return window;
    return nullptr;
}

std::vector<HWND> ChildWindows(HWND parent) {
    EnumState state;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&state));
    return state.windows;
}

HWND FindChild(HWND parent, std::wstring_view className, std::wstring_view text) {
    for (HWND child : ChildWindows(parent))
        if (ClassName(child) == className && WindowText(child) == text) return child;
    return nullptr;
}

std::vector<HWND> ChildrenOfClass(HWND parent, std::wstring_view className) {
    std::vector<HWND> children = ChildWindows(parent);
    std::erase_if(children, [&](HWND child) { return ClassName(child) != className; });
    return children;
}

std::wstring ClassName(HWND window) {
    std::array<wchar_t, 256> name{};
    const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return std::wstring(name.data(), length > 0 ? length : 0);
}

std::wstring WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied))
        return {};
    text.resize(std::min<size_t>(copied, length));
    return text;
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    OffsetRect(&rect, origin.x, origin.y);
    return rect;
}

RECT RectInClient(HWND parent, HWND child) {
    RECT rect = WindowRect(child);
    POINT origin{0, 0};
    ClientToScreen(parent, &origin);
    OffsetRect(&rect, -origin.x, -origin.y);
    return rect;
}

std::optional<RECT> RegionBox(HWND window) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    std::optional<RECT> box;
    if (GetWindowRgn(window, region) != ERROR) {
        RECT rect{};
        GetRgnBox(region, &rect);
        box = rect;
    }
    DeleteObject(region);
    return box;
}

HWND FocusedWindow(HWND anyWindowOfThread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    const DWORD thread = GetWindowThreadProcessId(anyWindowOfThread, nullptr);
    return thread != 0 && GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

bool IsShown(HWND window) { return window != nullptr && IsWindow(window) && IsWindowVisible(window); }
bool IsMinimized(HWND window) { return IsIconic(window) != FALSE; }
bool IsMaximized(HWND window) { return IsZoomed(window) != FALSE; }
HWND OwnerOf(HWND window) { return GetWindow(window, GW_OWNER); }

POINT CenterOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }
int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

bool BringToForeground(HWND window) {
    if (GetForegroundWindow() == window) return true;
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; });
}

void ForceRepaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// ---- Message boxes ---------------------------------------------------------------------------------

HWND FindMessageBox(DWORD processId) {
    for (HWND window : TopLevelWindows(processId))
        if (ClassName(window) == L"#32770" && IsWindowVisible(window)) return window;
    return nullptr;
}

MessageBoxInfo ReadMessageBox(HWND box) {
    MessageBoxInfo info{box, OwnerOf(box), WindowText(box), {}};
    for (HWND child : ChildWindows(box))
        if (GetDlgCtrlID(child) == kMessageTextId) info.text = WindowText(child);
    return info;
}

bool PressOk(HWND box) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    return WaitUntil([&] { return !IsWindow(box); });
}

// ---- Input -----------------------------------------------------------------------------------------

// Under Wine's virtual desktop the X server echoes every pointer warp back as motion, and an echo that comes
// late puts the pointer back where an earlier move left it (within about 15 ms, in one move out of five).
// So a move counts only once the pointer has stayed put for a while; otherwise it is made again.
void MouseMove(POINT screenPoint) {
    constexpr int kAttempts = 5;
    constexpr Milliseconds kSettle{150};
    const LONG dx = AbsoluteCoordinate(screenPoint.x, GetSystemMetrics(SM_CXSCREEN));
    const LONG dy = AbsoluteCoordinate(screenPoint.y, GetSystemMetrics(SM_CYSCREEN));
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        SendInputs({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, dx, dy)});
        if (WaitUntil([&] { return CursorAt(screenPoint); }, Milliseconds(2000)) &&
            StaysFalse([&] { return !CursorAt(screenPoint); }, kSettle))
            return;
    }
}

void MouseDown(MouseButton button) { SendInputs({MouseInput(DownFlag(button))}); }
void MouseUp(MouseButton button) { SendInputs({MouseInput(UpFlag(button))}); }

void Click(POINT screenPoint, MouseButton button) {
    MouseMove(screenPoint);
    SendInputs({MouseInput(DownFlag(button)), MouseInput(UpFlag(button))});
}

void DoubleClick(POINT screenPoint) {
    MouseMove(screenPoint);
    // One batch, so both clicks fall within the double-click time whatever the load.
    SendInputs({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP), MouseInput(MOUSEEVENTF_LEFTDOWN),
                MouseInput(MOUSEEVENTF_LEFTUP)});
}

void KeyDown(WORD virtualKey) { SendInputs({KeyInput(virtualKey, 0)}); }
void KeyUp(WORD virtualKey) { SendInputs({KeyInput(virtualKey, KEYEVENTF_KEYUP)}); }
void PressKey(WORD virtualKey) { SendInputs({KeyInput(virtualKey, 0), KeyInput(virtualKey, KEYEVENTF_KEYUP)}); }

void PressShiftKey(WORD virtualKey) {
    SendInputs({KeyInput(VK_SHIFT, 0), KeyInput(virtualKey, 0), KeyInput(virtualKey, KEYEVENTF_KEYUP),
                KeyInput(VK_SHIFT, KEYEVENTF_KEYUP)});
}

void TypeText(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (wchar_t character : text) {
        inputs.push_back(UnicodeInput(character, 0));
        inputs.push_back(UnicodeInput(character, KEYEVENTF_KEYUP));
    }
    SendInputs(std::move(inputs));
}

// ---- Screen ----------------------------------------------------------------------------------------

bool IsNear(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}

// BitBlt from the screen DC reads what X shows under Wine's virtual desktop: a whole-screen capture agreed
// pixel for pixel with `import -window root` of the same moment.
ScreenShot ScreenShot::Capture(const RECT& screenRect) {
    ScreenShot shot;
    shot.m_width = e2e::Width(screenRect);
    shot.m_height = e2e::Height(screenRect);
    const BITMAPINFO info = TopDown32BitInfo(shot.m_width, shot.m_height);
    ScreenDc screen;
    MemoryDc memory(CreateCompatibleDC(screen.Get()));
    void* bits = nullptr;
    GdiObject bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap) return shot;
    HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, shot.m_width, shot.m_height, screen.Get(), screenRect.left, screenRect.top,
           SRCCOPY | CAPTUREBLT);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    shot.m_pixels.assign(pixels, pixels + static_cast<size_t>(shot.m_width) * shot.m_height);
    for (std::uint32_t& pixel : shot.m_pixels) pixel &= 0x00FFFFFFu;
    SelectObject(memory.get(), previous);
    return shot;
}

Rgb ScreenShot::At(int x, int y) const {
    const std::uint32_t pixel = m_pixels.at(static_cast<size_t>(y) * m_width + x);
    return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
            static_cast<int>(pixel & 0xFF)};
}

Rgb ScreenPixel(POINT screenPoint) {
    return ScreenShot::Capture({screenPoint.x, screenPoint.y, screenPoint.x + 1, screenPoint.y + 1}).At(0, 0);
}

bool WaitUntilSettled(const RECT& screenRect, Milliseconds quiet) {
    ScreenShot last = ScreenShot::Capture(screenRect);
    auto lastChange = std::chrono::steady_clock::now();
    return WaitUntil([&] {
        ScreenShot now = ScreenShot::Capture(screenRect);
        if (!(now == last)) {
            last = std::move(now);
            lastChange = std::chrono::steady_clock::now();
        }
        return std::chrono::steady_clock::now() - lastChange >= quiet;
    });
}

// ---- Files -----------------------------------------------------------------------------------------

std::string ToUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string result(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                        nullptr);
    return result;
}

std::wstring FromUtf8(std::string_view text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size);
    return result;
}

std::wstring GetEnv(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
    value.resize(length);
    return value;
}

std::vector<std::wstring> ReadLines(const std::wstring& path) {
    OwnedHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    std::string content;
    std::array<char, 4096> chunk{};
    DWORD read = 0;
    while (ReadFile(file.Get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) && read > 0)
        content.append(chunk.data(), read);
    std::vector<std::wstring> lines;
    for (size_t start = 0, end; (end = content.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string_view line(content.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(FromUtf8(line));
    }
    return lines;
}

bool SameWindowsPath(std::wstring a, std::wstring b) {
    return EqualsIgnoringCase(TrimTrailingSeparators(FullPath(a)), TrimTrailingSeparators(FullPath(b)));
}

}  // namespace e2e
