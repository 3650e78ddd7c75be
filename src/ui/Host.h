// What the form library needs from the platform: one window per windowed control, screen facts, files, the
// shell, message boxes and the message queue. src/platform/win32 is the real host; src/platform/null is the
// headless one for tests. Nothing here includes platform headers.
#pragma once

#include "core/Result.h"
#include "gfx/Canvas.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {

class Application;
class Control;
class Form;
class PopupMenu;

class WindowPeer {
public:
    virtual ~WindowPeer() = default;
    // A child's bounds are relative to its parent's client area; a form's are its outer rectangle on the screen.
    virtual void SetBounds(gfx::Rect bounds) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetText(const std::wstring& text) = 0;
    virtual std::wstring Text() const = 0;
    virtual void Invalidate() = 0;
    virtual void SetFocus() = 0;
    virtual void BringToFront() {}
    virtual void SetMouseCapture(bool capture) = 0;
};

enum class ShowCommand { Normal, Maximized, MinimizedNoActivate };

class Host {
public:
    virtual ~Host() = default;
    // The application tells its host about itself for the time it lives.
    virtual void Attach(Application* application) = 0;
    virtual std::unique_ptr<WindowPeer> CreatePeer(Control& control) = 0;
    // Outer size minus client size for a form with this border style (the skinned frame overrides it).
    virtual gfx::Size NonClientSize(const Form& form) = 0;
    virtual gfx::Size VirtualScreenSize() = 0;
    // The primary display less its taskbars, in screen coordinates.
    virtual gfx::Rect WorkArea() = 0;
    // Shows the menu at a screen point over the form and tracks it until it is chosen from or dismissed.
    virtual void RunPopupMenu(PopupMenu& menu, gfx::Point screenPoint, Form& owner) = 0;
    virtual int ScreenPixelsPerInch() = 0;
    virtual int DisplayBitsPerPixel() = 0;
    // The height of "0" in this font on the screen, as the form scaling rule measures it.
    virtual int TextHeight(const gfx::Font& font) = 0;
    virtual gfx::Size MeasureText(const gfx::Font& font, std::wstring_view text) = 0;
    virtual std::wstring ModuleFileName() = 0;
    // Reads a whole file, shared with other readers but not with writers; "Cannot open file %s" on failure.
    virtual core::Result<std::vector<uint8_t>> ReadWholeFile(const std::wstring& path) = 0;
    virtual void ShowErrorBox(const std::wstring& title, const std::wstring& text) = 0;
    virtual void ShellOpen(const std::wstring& file) = 0;
    virtual void SetApplicationTitle(const std::wstring& title) = 0;
    virtual void ShowApplication(ShowCommand command) = 0;
    virtual void MinimizeApplication() = 0;
    virtual void PostQuit() = 0;
    // Waits for and handles one message; false once the quit message has arrived.
    virtual bool HandleMessage() = 0;
    virtual Form* ActiveForm() = 0;
    virtual void ActivateForm(Form& form) = 0;
};

} // namespace ui
