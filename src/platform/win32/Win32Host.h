// The Win32 host: one window per windowed control, GDI painting through a DIB-backed canvas, files, the
// shell, message boxes and the message queue. The only place besides Main.cpp that includes <windows.h>.
#pragma once

#include "platform/win32/Handles.h"
#include "ui/Events.h"
#include "ui/Host.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class Application;
}

namespace win32 {

class Win32Host final : public ui::Host {
public:
    Win32Host(HINSTANCE instance, int showCommand);
    ~Win32Host() override;

    void Attach(ui::Application* application) override { m_application = application; }
    ui::Application* App() const { return m_application; }
    HWND ApplicationWindow() const { return m_appWindow; }
    HINSTANCE Instance() const { return m_instance; }
    HFONT FontFor(const gfx::Font& font);
    // Reports an error that escaped a window procedure to the application's error handler.
    void ReportError(const char* utf8Message);
    void UpdateApplicationWindow();
    LRESULT ApplicationWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    std::unique_ptr<ui::WindowPeer> CreatePeer(ui::Control& control) override;
    gfx::Size NonClientSize(const ui::Form& form) override;
    gfx::Size VirtualScreenSize() override;
    gfx::Rect WorkArea() override;
    void RunPopupMenu(ui::PopupMenu& menu, gfx::Point screenPoint, ui::Form& owner) override;
    int ScreenPixelsPerInch() override;
    int DisplayBitsPerPixel() override;
    int TextHeight(const gfx::Font& font) override;
    gfx::Size MeasureText(const gfx::Font& font, std::wstring_view text) override;
    std::wstring ModuleFileName() override;
    core::Result<std::vector<uint8_t>> ReadWholeFile(const std::wstring& path) override;
    void ShowErrorBox(const std::wstring& title, const std::wstring& text) override;
    void ShellOpen(const std::wstring& file) override;
    void SetApplicationTitle(const std::wstring& title) override;
    void ShowApplication(ui::ShowCommand command) override;
    void MinimizeApplication() override;
    void PostQuit() override;
    bool HandleMessage() override;
    ui::Form* ActiveForm() override;
    void ActivateForm(ui::Form& form) override;

    int TakeFirstShowCommand();

private:
    bool PreTranslate(const MSG& msg);
    void RestoreAfterMinimize();

    HINSTANCE m_instance;
    int m_showCommand;
    bool m_firstShowDone = false;
    HWND m_appWindow = nullptr;
    ui::Application* m_application = nullptr;
    UniqueMemoryDc m_measureDc;
    std::map<std::wstring, UniqueFont> m_fonts;
    UINT m_diagnosticsMessage = 0;
    std::vector<HWND> m_hiddenByMinimize;
};

// The control behind one of the program's windows, or nullptr.
ui::Control* ControlFromWindow(HWND window);
ui::KeyEvent KeyEventOf(UINT message, WPARAM wParam, LPARAM lParam);

// A canvas over a 32-bit top-down DIB section selected into a memory DC; text goes through GDI.
class DibCanvas final : public gfx::Canvas {
public:
    DibCanvas(Win32Host& host, HDC reference, int width, int height);
    ~DibCanvas() override;
    HDC Dc() const { return m_dc.Get(); }
    bool Valid() const { return m_bits != nullptr; }
    gfx::BitmapView Target() override;
    gfx::Size MeasureText(const gfx::Font& font, std::wstring_view text) override;
    void DrawText(const gfx::Font& font, std::wstring_view text, gfx::Point origin, gfx::Pixel color,
                  gfx::Rect clip) override;

private:
    Win32Host& m_host;
    int m_width;
    int m_height;
    UniqueMemoryDc m_dc;
    UniqueBitmap m_bitmap;
    void* m_bits = nullptr;
    HGDIOBJ m_previous = nullptr;
};

// Registers a window class of the program's module unless it is registered already.
void RegisterClassOnce(HINSTANCE instance, const wchar_t* name, UINT style, WNDPROC procedure);

// A region made of rectangles; the caller hands it to the system with SetWindowRgn.
UniqueRegion RegionFromRectangles(const std::vector<gfx::Rect>& rectangles);

// Shows and tracks a popup menu modally (Win32Popup.cpp).
void TrackPopupMenuWindow(Win32Host& host, ui::PopupMenu& menu, POINT screenPoint, HWND owner);

} // namespace win32
