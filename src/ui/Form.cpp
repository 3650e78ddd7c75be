// Forms: loading, scaling, showing, modal display, closing and keyboard focus movement.
#include "ui/Form.h"

#include "core/Text.h"
#include "ui/Application.h"

#include <algorithm>

namespace ui {

Form::Form(Application& application, Component* owner) : Control(owner), m_application(application)
{
    SetVisible(false);
    MutableFont() = gfx::Font{};
    m_application.AddForm(*this);
}

Form::~Form()
{
    DestroyPeers();
    m_application.RemoveForm(*this);
}

void Form::RegisterHandler(std::wstring name, Handler handler)
{
    m_handlers[std::move(name)] = std::move(handler);
}

Handler Form::FindHandler(const std::wstring& name) const
{
    for (const auto& [key, handler] : m_handlers) {
        if (core::EqualsIgnoreAsciiCase(key, name)) {
            return handler;
        }
    }
    return nullptr;
}

void Form::Load(std::string_view descriptionText)
{
    auto description = ParseFormDescription(descriptionText);
    if (!description) {
        throw Error(description.ErrorMessage());
    }
    if (auto status = ReadDescription(description.Value(), *this, m_application); !status) {
        throw Error(status.ErrorMessage());
    }
    ApplyScaling();
    const gfx::Size outer{m_designClientSize.width + NonClientSize().width,
                          m_designClientSize.height + NonClientSize().height};
    m_clientSize = m_designClientSize;
    SetBounds(gfx::Rect::FromSize(m_designPosition.x, m_designPosition.y, outer.width, outer.height));
    CreatePeers(m_application.GetHost());
    SetClientSize(m_designClientSize);
}

// At another pixel density the font is scaled first; when its text height then differs from the designed
// one, every position and size and the client size scale by new text height / designed text height.
void Form::ApplyScaling()
{
    Host& host = m_application.GetHost();
    const int ppi = host.ScreenPixelsPerInch();
    if (ppi == m_pixelsPerInch || m_pixelsPerInch <= 0 || m_textHeight <= 0) {
        return;
    }
    MutableFont().height = ScaleValue(GetFont().height, ppi, m_pixelsPerInch);
    const int textHeight = host.TextHeight(GetFont());
    if (textHeight == m_textHeight || textHeight <= 0) {
        return;
    }
    for (Control* child : Controls()) {
        child->ScaleBy(textHeight, m_textHeight);
    }
    m_designClientSize = {ScaleValue(m_designClientSize.width, textHeight, m_textHeight),
                          ScaleValue(m_designClientSize.height, textHeight, m_textHeight)};
}

gfx::Size Form::NonClientSize() const
{
    return (m_frame && m_frame->Skinned()) ? m_frame->NonClientSize() : m_application.GetHost().NonClientSize(*this);
}

void Form::SetClientSize(gfx::Size size)
{
    m_clientSize = size;
    const gfx::Size frame = NonClientSize();
    const gfx::Rect b = Bounds();
    SetBounds(gfx::Rect::FromSize(b.left, b.top, size.width + frame.width, size.height + frame.height));
    Realign();
}

// The outer size changed (by the frame's maximize, say): the client area follows.
void Form::Resized()
{
    const gfx::Size frame = NonClientSize();
    m_clientSize = {std::max(0, Bounds().Width() - frame.width), std::max(0, Bounds().Height() - frame.height)};
    Control::Resized();
}

void Form::DoShow()
{
    if (m_onShow) {
        m_onShow(this);
    }
}

void Form::PlaceOnFirstShow()
{
    if (m_placed) {
        return;
    }
    m_placed = true;
    if (m_position == Position::DesktopCenter) {
        const gfx::Rect b = Bounds();
        const gfx::Point at = CenterOnDesktop(m_application.GetHost().VirtualScreenSize(), b.GetSize());
        SetBounds(gfx::Rect::FromSize(at.x, at.y, b.Width(), b.Height()));
    }
}

void Form::Show()
{
    if (m_showing) {
        return;
    }
    m_application.Guarded([this] { DoShow(); });
    PlaceOnFirstShow();
    if (m_startMaximized && m_frame && m_frame->Skinned()) {
        m_startMaximized = false;
        m_frame->MaximizeAtStart();
    }
    m_showing = true;
    SetVisible(true);
    if (Peer()) {
        Peer()->BringToFront();
    }
}

void Form::Hide()
{
    if (!m_showing) {
        return;
    }
    m_showing = false;
    SetVisible(false);
}

void Form::Close()
{
    if (m_modal) {
        m_modalResult = kModalResultCancel;
    } else if (m_application.MainForm() == this) {
        m_application.Terminate();
    } else {
        Hide();
    }
}

int Form::ShowModal()
{
    Host& host = m_application.GetHost();
    std::vector<Form*> disabled;
    for (Form* form : m_application.Forms()) {
        if (form != this && form->Showing() && form->Enabled()) {
            form->SetEnabled(false);
            disabled.push_back(form);
        }
    }
    Form* previouslyActive = host.ActiveForm();
    m_modal = true;
    struct Restore {
        Form& dialog;
        std::vector<Form*>& disabled;
        Form* previous;
        Host& host;
        ~Restore()
        {
            const bool wasActive = host.ActiveForm() == &dialog;
            dialog.Hide();
            for (Form* form : disabled) {
                form->SetEnabled(true);
            }
            if (previous && previous != &dialog && wasActive && previous->Showing()) {
                host.ActivateForm(*previous);
            }
            dialog.m_modal = false;
        }
    } restore{*this, disabled, previouslyActive, host};

    Show();
    m_modalResult = kModalResultNone;
    Activated();
    while (m_modalResult == kModalResultNone) {
        m_application.ProcessMessage();
        if (m_application.Terminated()) {
            m_modalResult = kModalResultCancel;
        }
    }
    return m_modalResult;
}

std::vector<Control*> Form::FocusOrder() const
{
    std::vector<Control*> order;
    auto visit = [&order](const Control& parent, auto& self) -> void {
        std::vector<Control*> children = parent.Controls();
        std::stable_sort(children.begin(), children.end(),
                         [](const Control* a, const Control* b) { return a->TabOrder() < b->TabOrder(); });
        for (Control* child : children) {
            if (!child->Visible() || !child->Enabled()) {
                continue;
            }
            if (child->CanFocusNow() && child->TabStop()) {
                order.push_back(child);
            }
            self(*child, self);
        }
    };
    visit(*this, visit);
    return order;
}

void Form::SelectNext(Control* from, bool forward)
{
    const std::vector<Control*> order = FocusOrder();
    if (order.empty()) {
        return;
    }
    const auto it = std::find(order.begin(), order.end(), from);
    size_t index;
    if (it == order.end()) {
        index = forward ? 0 : order.size() - 1;
    } else {
        const size_t at = static_cast<size_t>(it - order.begin());
        index = forward ? (at + 1) % order.size() : (at + order.size() - 1) % order.size();
    }
    order[index]->SetFocus();
}

void Form::ControlFocused(Control& control, bool focused)
{
    if (focused) {
        m_activeControl = &control;
    }
}

void Form::Activated()
{
    if (m_activeControl && m_activeControl->CanFocusNow()) {
        m_activeControl->SetFocus();
        return;
    }
    const std::vector<Control*> order = FocusOrder();
    if (!order.empty()) {
        order.front()->SetFocus();
    }
}

bool Form::HandleDialogKey(const KeyEvent& event)
{
    if (event.type != KeyEvent::Type::Down || event.key != Key::Tab || event.control || event.alt) {
        return false;
    }
    SelectNext(m_activeControl, !event.shift);
    return true;
}

void Form::Paint(gfx::Canvas& canvas)
{
    if (m_frame && m_frame->Skinned()) {
        m_frame->PaintClientBackground(canvas, m_clientSize);
        return;
    }
    const gfx::BitmapView target = canvas.Target();
    for (int y = 0; y < target.height; ++y) {
        std::fill(target.Row(y), target.Row(y) + target.width, m_color);
    }
}

core::Status Form::SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context)
{
    const bool isInt = value.kind == PropertyValue::Kind::Integer;
    const int v = static_cast<int>(value.integer);
    if (name == "Left" && isInt) {
        m_designPosition.x = v;
        return core::Success();
    }
    if (name == "Top" && isInt) {
        m_designPosition.y = v;
        return core::Success();
    }
    if (name == "ClientWidth" && isInt) {
        m_designClientSize.width = v;
        return core::Success();
    }
    if (name == "ClientHeight" && isInt) {
        m_designClientSize.height = v;
        return core::Success();
    }
    if (name == "PixelsPerInch" && isInt) {
        m_pixelsPerInch = v;
        return core::Success();
    }
    if (name == "TextHeight" && isInt) {
        m_textHeight = v;
        return core::Success();
    }
    if (name == "Position") {
        m_position = value.text == L"poDesktopCenter" ? Position::DesktopCenter : Position::Designed;
        return core::Success();
    }
    if (name == "BorderStyle") {
        m_borderStyle = value.text == L"bsNone"     ? BorderStyle::None
                        : value.text == L"bsDialog" ? BorderStyle::Dialog
                        : value.text == L"bsSingle" ? BorderStyle::Single
                                                    : BorderStyle::Sizeable;
        return core::Success();
    }
    if (name == "OnShow") {
        auto handler = context.FindHandler(value.text);
        if (!handler) {
            return core::Error{handler.ErrorMessage()};
        }
        m_onShow = handler.Value();
        return core::Success();
    }
    if (name == "BorderIcons" || name == "Color" || name == "OldCreateOrder") {
        return core::Success(); // the platform frame of these windows has no icons; the client is painted over
    }
    return Control::SetProperty(name, value, context);
}

gfx::Point CenterOnDesktop(gfx::Size screen, gfx::Size window)
{
    return {std::max(0, (screen.width - window.width) / 2), std::max(0, (screen.height - window.height) / 2)};
}

} // namespace ui
