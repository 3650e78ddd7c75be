// The headless host for tests: windows are records in memory, the message queue is a script of actions, files
// live in a map, and forms render into bitmaps through the recording canvas. Portable: no platform headers, and
// nothing of src/app; it behaves like the Win32 host wherever the form library can tell the difference.
#pragma once

#include "gfx/Bitmap.h"
#include "gfx/RecordingCanvas.h"
#include "ui/Events.h"
#include "ui/Host.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ui {
class Application;
class Control;
class Form;
class PopupMenu;
} // namespace ui

namespace nullhost {

class NullHost;

// What the host knows of one windowed control: the state the form library last gave its window.
class NullPeer final : public ui::WindowPeer {
public:
    NullPeer(NullHost& host, ui::Control& control);
    ~NullPeer() override;

    void SetBounds(gfx::Rect bounds) override { m_bounds = bounds; }
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetText(const std::wstring& text) override { m_text = text; }
    std::wstring Text() const override { return m_text; }
    void Invalidate() override { ++m_invalidations; }
    void SetFocus() override;
    void BringToFront() override;
    void SetMouseCapture(bool capture) override;

    ui::Control& Control() const { return m_control; }
    gfx::Rect Bounds() const { return m_bounds; }
    bool Visible() const { return m_visible; }
    bool Enabled() const { return m_enabled; }
    bool Focused() const;
    int Invalidations() const { return m_invalidations; }

private:
    NullHost& m_host;
    ui::Control& m_control;
    ui::Form* m_form; // null for a child window
    gfx::Rect m_bounds;
    bool m_visible = false;
    bool m_enabled = true;
    std::wstring m_text;
    int m_invalidations = 0;
};

struct Options {
    std::wstring moduleFileName = L"C:\\Setup\\SETUP.EXE";
    gfx::Size virtualScreen{1024, 768};
    gfx::Rect workArea{0, 0, 1024, 738}; // the primary display less a taskbar along the bottom
    int pixelsPerInch = 96;
    int bitsPerPixel = 32;
    // The height of "0" the scaling rule sees; unset, it is measured like all text (|font height|).
    std::optional<int> textHeight;
    // Outer size minus client size of a form with a frame; a borderless form has none.
    gfx::Size frameSize{10, 34};
    // CreatePeer throws for controls of this class, as a failing CreateWindowEx would.
    std::string failCreatingClass;
};

struct ErrorBox {
    std::wstring title;
    std::wstring text;
};

// A text drawn by RenderForm, in the form's client coordinates, with the window that drew it.
struct DrawnText {
    const ui::Control* window = nullptr;
    std::wstring text;
    gfx::Point origin;
    gfx::Rect clip;
    gfx::Font font;
    gfx::Pixel color = 0;
};

enum class Shift { No, Yes };

class NullHost final : public ui::Host {
public:
    explicit NullHost(Options options = {});
    ~NullHost() override;

    Options& Settings() { return m_options; }

    // Files, keyed without regard to ASCII case as on Windows.
    void AddFile(const std::wstring& path, std::vector<uint8_t> bytes);
    void RemoveFile(const std::wstring& path);
    int ReadCount(const std::wstring& path) const;

    // The message queue. A queued action runs when a message loop asks for the next message; a queued quit
    // ends that loop. A quit posted by the application arrives once no action is left, as WM_QUIT does. An
    // empty queue also answers "quit", so that a test never hangs, and is counted.
    void Queue(std::function<void()> action);
    void QueueQuit();
    size_t Pending() const { return m_queue.size(); }
    int TimesRanDry() const { return m_ranDry; }
    bool QuitPosted() const { return m_quitPosted; }

    // Input as the Win32 host's window procedures deliver it: keys to the focused control (Tab first to its
    // form), the mouse to a visible and enabled control or the one that captured it. An error that escapes is
    // reported to the application's error handler, as at a window procedure's boundary.
    void SendKey(const ui::KeyEvent& event);
    void PressKey(ui::Key key, Shift shift = Shift::No);
    void SendMouse(ui::Control& control, const ui::MouseEvent& event);
    void Click(ui::Control& control);
    // The system's request to close a window (the close box, Alt+F4).
    void RequestClose(ui::Form& form);
    // The popup menu being tracked, or nullptr; while one is, keys go to it.
    ui::PopupMenu* OpenPopupMenu() const { return m_popup; }

    ui::Control* FocusedControl() const { return m_focused; }
    ui::Control* MouseCapture() const { return m_capture; }
    const std::vector<ErrorBox>& ErrorBoxes() const { return m_errorBoxes; }
    const std::vector<std::wstring>& ShellOpens() const { return m_shellOpens; }
    // Everything that happened, in order: "show Form1", "hide Form1", "activate Form1", "enable Form1",
    // "disable Form1", "destroy Form2", "focus Edit1", "read <path>", "error <text>", "shell <file>",
    // "popup Form1", "popup closed", "quit posted", "ran dry".
    const std::vector<std::wstring>& Events() const { return m_events; }
    void ClearEvents() { m_events.clear(); }
    size_t IndexOfEvent(const std::wstring& event, size_t from = 0) const; // npos when absent
    const std::wstring& ApplicationTitle() const { return m_title; }
    std::optional<ui::ShowCommand> ApplicationShowCommand() const { return m_showCommand; }
    bool ApplicationMinimized() const { return m_minimized; }
    int LivePeers() const { return m_livePeers; }
    static NullPeer* PeerOf(const ui::Control& control);

    // The form's client area with every visible windowed control painted at its place, each window through
    // its own recording canvas. A painting error goes to the error handler, as from WM_PAINT.
    gfx::Bitmap RenderForm(ui::Form& form);
    const std::vector<DrawnText>& RenderedTexts() const { return m_rendered; }
    static bool DumpBmp(const gfx::Bitmap& bitmap, const std::string& path);

    // ui::Host
    void Attach(ui::Application* application) override { m_application = application; }
    std::unique_ptr<ui::WindowPeer> CreatePeer(ui::Control& control) override;
    gfx::Size NonClientSize(const ui::Form& form) override;
    gfx::Size VirtualScreenSize() override { return m_options.virtualScreen; }
    gfx::Rect WorkArea() override { return m_options.workArea; }
    // Tracks the menu modally: the queue's actions run until the menu is closed; a quit dismisses it and is
    // kept for the loop outside, as the system's menu loop does with WM_QUIT.
    void RunPopupMenu(ui::PopupMenu& menu, gfx::Point screenPoint, ui::Form& owner) override;
    int ScreenPixelsPerInch() override { return m_options.pixelsPerInch; }
    int DisplayBitsPerPixel() override { return m_options.bitsPerPixel; }
    int TextHeight(const gfx::Font& font) override;
    gfx::Size MeasureText(const gfx::Font& font, std::wstring_view text) override;
    std::wstring ModuleFileName() override { return m_options.moduleFileName; }
    core::Result<std::vector<uint8_t>> ReadWholeFile(const std::wstring& path) override;
    void ShowErrorBox(const std::wstring& title, const std::wstring& text) override;
    void ShellOpen(const std::wstring& file) override;
    void SetApplicationTitle(const std::wstring& title) override { m_title = title; }
    void ShowApplication(ui::ShowCommand command) override { m_showCommand = command; }
    void MinimizeApplication() override { m_minimized = true; }
    void PostQuit() override;
    bool HandleMessage() override;
    ui::Form* ActiveForm() override { return m_active; }
    void ActivateForm(ui::Form& form) override;

private:
    friend class NullPeer;
    struct Message {
        std::function<void()> action; // empty: quit
    };

    void Log(std::wstring event) { m_events.push_back(std::move(event)); }
    void Deliver(const std::function<void()>& action);
    void MoveFocus(ui::Control* to);
    void FormShown(ui::Form& form, bool visible);
    void WindowHidden(ui::Control& control);
    void PeerGone(ui::Control& control);
    bool ReceivesInput(const ui::Control& control) const;
    void RenderWindow(ui::Control& window, gfx::BitmapView target, gfx::Point at, gfx::Rect clip);

    Options m_options;
    ui::Application* m_application = nullptr;
    gfx::RecordingCanvas m_measurer{gfx::Size{}, 0};
    std::map<std::wstring, std::vector<uint8_t>> m_files;
    std::map<std::wstring, int> m_reads;
    std::deque<Message> m_queue;
    bool m_quitPosted = false;
    int m_ranDry = 0;
    ui::Control* m_focused = nullptr;
    ui::Control* m_capture = nullptr;
    ui::Form* m_active = nullptr;
    ui::PopupMenu* m_popup = nullptr;
    std::vector<ErrorBox> m_errorBoxes;
    std::vector<std::wstring> m_shellOpens;
    std::vector<std::wstring> m_events;
    std::wstring m_title;
    std::optional<ui::ShowCommand> m_showCommand;
    bool m_minimized = false;
    int m_livePeers = 0;
    std::vector<DrawnText> m_rendered;
};

} // namespace nullhost
