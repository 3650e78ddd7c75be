// Forms: top-level windows read from a form description, with showing, hiding, modal display, closing,
// focus order and the text-height scaling rule. Portable; the host supplies the window.
#pragma once

#include "ui/Component.h"
#include "ui/Frame.h"

#include <map>

namespace ui {

enum class Position { Designed, DesktopCenter };
enum class BorderStyle { None, Single, Sizeable, Dialog };

constexpr int kModalResultNone = 0;
constexpr int kModalResultCancel = 2;

class Form : public Control {
public:
    Form(Application& application, Component* owner);
    ~Form() override;

    Application& App() { return m_application; }
    void RegisterHandler(std::wstring name, Handler handler);
    Handler FindHandler(const std::wstring& name) const;

    // Reads the description, resolves its references, scales to the display and creates the window.
    void Load(std::string_view descriptionText);

    gfx::Size ClientAreaSize() const { return m_clientSize; }
    gfx::Size ClientSize() const override { return m_clientSize; }
    void SetClientSize(gfx::Size size);
    gfx::Size NonClientSize() const;
    void SetFrameOwner(FrameOwner* frame) { m_frame = frame; }
    FrameOwner* GetFrameOwner() const { return m_frame; }

    bool Showing() const { return m_showing; }
    void Show();
    void Hide();
    void Close();
    int ShowModal();
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }
    bool IsModal() const { return m_modal; }
    void RequestMaximizedStart() { m_startMaximized = true; }

    // Focus: tree order by TabOrder, filtered to visible, enabled, focusable tab stops, wrapping around.
    std::vector<Control*> FocusOrder() const;
    void SelectNext(Control* from, bool forward);
    Control* ActiveControl() const { return m_activeControl; }
    void ControlFocused(Control& control, bool focused);
    void Activated();
    // Tab and Shift+Tab for the whole form; true when handled.
    bool HandleDialogKey(const KeyEvent& event);

    void Paint(gfx::Canvas& canvas) override;
    const char* ClassName() const override { return "TForm"; }
    core::Status SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context) override;

protected:
    virtual void DoShow();
    void Resized() override;

private:
    void ApplyScaling();
    void PlaceOnFirstShow();

    Application& m_application;
    std::map<std::wstring, Handler> m_handlers;
    FrameOwner* m_frame = nullptr;
    Position m_position = Position::Designed;
    BorderStyle m_borderStyle = BorderStyle::Sizeable;
    gfx::Point m_designPosition;
    gfx::Size m_designClientSize;
    gfx::Size m_clientSize;
    int m_pixelsPerInch = 96;
    int m_textHeight = 12;
    gfx::Pixel m_color = gfx::Rgb(212, 208, 200);
    Handler m_onShow;
    bool m_showing = false;
    bool m_placed = false;
    bool m_modal = false;
    bool m_startMaximized = false;
    int m_modalResult = kModalResultNone;
    Control* m_activeControl = nullptr;

public:
    BorderStyle GetBorderStyle() const { return m_borderStyle; }
};

// Where a window of `window` size goes when centred on a virtual screen of `screen` size: halves truncated
// toward zero, never negative, the screen's origin not added.
gfx::Point CenterOnDesktop(gfx::Size screen, gfx::Size window);

} // namespace ui
