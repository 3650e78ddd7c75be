// Test driver for the end-to-end tests: starts the launcher, finds and reads its windows, sends real input
// and reads the screen, all through the Win32 API from a separate process. Knows nothing of the program's code.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace e2e {

using Milliseconds = std::chrono::milliseconds;

// Long enough for a cold Wine start; a passing test never waits this long.
constexpr Milliseconds kTimeout{10000};
// How long a test watches for something that must not happen (an installer start, an error box).
constexpr Milliseconds kAbsenceWindow{1200};

// Polls the condition with short sleeps until it holds or the timeout runs out. The only place in the
// tests that sleeps: everything else waits for an observable effect through this.
template <class Condition>
bool WaitUntil(Condition&& condition, Milliseconds timeout = kTimeout) {
    constexpr DWORD kPollMs = 15;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(kPollMs);
    }
}

// True when the condition never held during the whole window; proves absence of an effect.
template <class Condition>
bool StaysFalse(Condition&& condition, Milliseconds window = kAbsenceWindow) {
    return !WaitUntil(std::forward<Condition>(condition), window);
}

// ---- Processes -------------------------------------------------------------------------------------

class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(HANDLE handle) : m_handle(handle) {}
    OwnedHandle(OwnedHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept;
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { Reset(); }

    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    void Reset();

private:
    HANDLE m_handle = nullptr;
};

struct LaunchOptions {
    std::wstring exePath;
    std::wstring workingDirectory;  // empty: the driver's own
    std::vector<std::pair<std::wstring, std::wstring>> environment;  // added to (or replacing) the driver's
    WORD showCommand = SW_SHOWNORMAL;
};

// A started program. Killed on destruction if it still runs, so a failing test leaves nothing behind.
class Process {
public:
    static std::optional<Process> Launch(const LaunchOptions& options, std::wstring* error = nullptr);

    Process(Process&&) noexcept = default;
    Process& operator=(Process&&) noexcept = default;
    ~Process() { Kill(); }

    DWORD Id() const { return m_id; }
    bool IsRunning() const;
    bool WaitForExit(Milliseconds timeout = kTimeout) const;
    std::optional<DWORD> ExitCode() const;  // empty while running
    void Kill();

private:
    Process(OwnedHandle process, DWORD id) : m_process(std::move(process)), m_id(id) {}

    OwnedHandle m_process;
    DWORD m_id = 0;
};

// Ends every process whose executable lies below the folder (the launcher and any installer it
// started), and waits until they are gone so their files can be deleted.
void KillProcessesBelow(const std::wstring& folder);

// ---- Windows ---------------------------------------------------------------------------------------

std::vector<HWND> TopLevelWindows(DWORD processId);
HWND FindTopLevel(DWORD processId, std::wstring_view className);
std::vector<HWND> ChildWindows(HWND parent);
HWND FindChild(HWND parent, std::wstring_view className, std::wstring_view text);
std::vector<HWND> ChildrenOfClass(HWND parent, std::wstring_view className);

std::wstring ClassName(HWND window);
std::wstring WindowText(HWND window);  // WM_GETTEXT with a timeout: a hung program fails the test
RECT WindowRect(HWND window);
RECT ClientRectOnScreen(HWND window);
// The child's rectangle relative to the parent's client area.
RECT RectInClient(HWND parent, HWND child);
std::optional<RECT> RegionBox(HWND window);  // bounding box of the window region, if one is set
HWND FocusedWindow(HWND anyWindowOfThread);
bool IsShown(HWND window);  // exists and is visible
bool IsMinimized(HWND window);
bool IsMaximized(HWND window);
HWND OwnerOf(HWND window);

POINT CenterOf(const RECT& rect);
int Width(const RECT& rect);
int Height(const RECT& rect);

// Makes the window the one that receives keyboard input.
bool BringToForeground(HWND window);
// Forces a repaint of the window and everything in it, as uncovering it would.
void ForceRepaint(HWND window);

// ---- Message boxes ---------------------------------------------------------------------------------

struct MessageBoxInfo {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::wstring caption;
    std::wstring text;
};

HWND FindMessageBox(DWORD processId);
MessageBoxInfo ReadMessageBox(HWND box);
// Presses the OK button (id 1) and waits until the box is gone.
bool PressOk(HWND box);

// ---- Input -----------------------------------------------------------------------------------------

enum class MouseButton { Left, Right, Middle };

void MouseMove(POINT screenPoint);
void MouseDown(MouseButton button);
void MouseUp(MouseButton button);
void Click(POINT screenPoint, MouseButton button = MouseButton::Left);
void DoubleClick(POINT screenPoint);

void KeyDown(WORD virtualKey);
void KeyUp(WORD virtualKey);
void PressKey(WORD virtualKey);
void PressShiftKey(WORD virtualKey);  // with Shift held: Shift+Tab
void TypeText(std::wstring_view text);

// ---- Screen ----------------------------------------------------------------------------------------

struct Rgb {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

bool IsNear(Rgb a, Rgb b, int tolerance);

// A copy of a rectangle of the screen as the user sees it.
class ScreenShot {
public:
    static ScreenShot Capture(const RECT& screenRect);

    Rgb At(int x, int y) const;  // relative to the captured rectangle
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool operator==(const ScreenShot& other) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;  // 0x00RRGGBB, top-down
};

Rgb ScreenPixel(POINT screenPoint);

// Waits until the rectangle of the screen has stopped changing for the quiet time: a repaint that was
// asked for has reached the screen by then, whatever it drew.
bool WaitUntilSettled(const RECT& screenRect, Milliseconds quiet = Milliseconds(400));

// ---- Files -----------------------------------------------------------------------------------------

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);
std::wstring GetEnv(const wchar_t* name);
// Full lines (ending in a newline) of a UTF-8 text file; an unfinished last line is left out.
std::vector<std::wstring> ReadLines(const std::wstring& path);
bool SameWindowsPath(std::wstring a, std::wstring b);

}  // namespace e2e
