// The headless host. Where the Win32 host relies on the system (activation on showing, focus messages, the quit
// message arriving last), this file does the same by hand, so that tests see what the real program would.
#include "platform/null/NullHost.h"

#include "core/Text.h"
#include "gfx/Bmp.h"
#include "gfx/Draw.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Frame.h"

#include <fstream>
#include <string_view>

namespace nullhost {

namespace {

constexpr gfx::Pixel kUnpainted = gfx::Rgb(0, 0, 0);
constexpr gfx::Pixel kEditFace = gfx::Rgb(255, 255, 255);
constexpr gfx::Pixel kEditBorder = gfx::Rgb(128, 128, 128);
constexpr gfx::Pixel kEditText = gfx::Rgb(0, 0, 0);

bool IsWithin(const ui::Control* control, const ui::Control& ancestor)
{
    for (const ui::Control* c = control; c; c = c->Parent()) {
        if (c == &ancestor) {
            return true;
        }
    }
    return false;
}

std::wstring FileKey(const std::wstring& path) { return core::AsciiLower(std::wstring_view(path)); }

// The edit field's window is the platform's own control, which paints itself: a white field with a sunken
// border and its text. This stands in for it.
void PaintPlatformEdit(gfx::Canvas& canvas, const ui::Control& edit)
{
    const gfx::BitmapView target = canvas.Target();
    const gfx::Rect all = target.Bounds();
    gfx::Fill(target, all, kEditBorder);
    gfx::Fill(target, {1, 1, all.right - 1, all.bottom - 1}, kEditFace);
    const nullhost::NullPeer* peer = nullhost::NullHost::PeerOf(edit);
    const std::wstring text = peer ? peer->Text() : edit.Caption();
    if (!text.empty()) {
        canvas.DrawText(edit.GetFont(), text, {3, 3}, kEditText, {2, 2, all.right - 2, all.bottom - 2});
    }
}

} // namespace

NullPeer::NullPeer(NullHost& host, ui::Control& control)
    : m_host(host), m_control(control), m_form(dynamic_cast<ui::Form*>(&control)), m_bounds(control.Bounds()),
      m_visible(control.Visible()), m_enabled(control.Enabled()), m_text(control.Caption())
{
    ++m_host.m_livePeers;
}

NullPeer::~NullPeer()
{
    --m_host.m_livePeers;
    if (m_form) {
        m_host.Log(L"destroy " + m_control.Name());
    }
    m_host.PeerGone(m_control);
}

void NullPeer::SetVisible(bool visible)
{
    if (visible == m_visible) {
        return;
    }
    m_visible = visible;
    if (m_form) {
        m_host.FormShown(*m_form, visible);
    } else if (!visible) {
        m_host.WindowHidden(m_control);
    }
}

void NullPeer::SetEnabled(bool enabled)
{
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    if (m_form) {
        m_host.Log((enabled ? L"enable " : L"disable ") + m_control.Name());
    }
}

void NullPeer::SetFocus() { m_host.MoveFocus(&m_control); }

bool NullPeer::Focused() const { return m_host.m_focused == &m_control; }

// Bringing a shown window to the front makes it the foreground window, which activates it.
void NullPeer::BringToFront()
{
    if (m_form && m_visible) {
        m_host.ActivateForm(*m_form);
    }
}

void NullPeer::SetMouseCapture(bool capture)
{
    if (capture) {
        m_host.m_capture = &m_control;
    } else if (m_host.m_capture == &m_control) {
        m_host.m_capture = nullptr;
    }
}

NullHost::NullHost(Options options) : m_options(std::move(options)) {}

NullHost::~NullHost() = default;

void NullHost::AddFile(const std::wstring& path, std::vector<uint8_t> bytes)
{
    m_files[FileKey(path)] = std::move(bytes);
}

void NullHost::RemoveFile(const std::wstring& path) { m_files.erase(FileKey(path)); }

int NullHost::ReadCount(const std::wstring& path) const
{
    const auto it = m_reads.find(FileKey(path));
    return it == m_reads.end() ? 0 : it->second;
}

void NullHost::Queue(std::function<void()> action)
{
    if (action) {
        m_queue.push_back({std::move(action)});
    }
}

void NullHost::QueueQuit() { m_queue.push_back({}); }

void NullHost::Deliver(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        if (!m_application) {
            throw;
        }
        m_application->HandleException(error);
    }
}

// Tab goes to the form first, as the Win32 host's message filter does; everything else to the focused control.
void NullHost::SendKey(const ui::KeyEvent& event)
{
    if (m_popup) {
        Deliver([&] { m_popup->OnKey(event); });
        return;
    }
    ui::Control* target = m_focused;
    if (!target || !ReceivesInput(*target)) {
        return;
    }
    Deliver([&] {
        ui::Form* form = target->ParentForm();
        if (event.type == ui::KeyEvent::Type::Down && event.key == ui::Key::Tab && form &&
            form->HandleDialogKey(event)) {
            return;
        }
        target->OnKey(event);
    });
}

void NullHost::PressKey(ui::Key key, Shift shift)
{
    ui::KeyEvent event;
    event.key = key;
    event.shift = shift == Shift::Yes;
    event.type = ui::KeyEvent::Type::Down;
    SendKey(event);
    event.type = ui::KeyEvent::Type::Up;
    SendKey(event);
}

void NullHost::SendMouse(ui::Control& control, const ui::MouseEvent& event)
{
    if (m_capture != &control && !ReceivesInput(control)) {
        return;
    }
    Deliver([&] { control.OnMouse(event); });
}

void NullHost::Click(ui::Control& control)
{
    const gfx::Size size = control.ClientSize();
    ui::MouseEvent event;
    event.position = {size.width / 2, size.height / 2};
    event.button = ui::MouseButton::Left;
    for (const auto type : {ui::MouseEvent::Type::Move, ui::MouseEvent::Type::Down, ui::MouseEvent::Type::Up}) {
        event.type = type;
        SendMouse(control, event);
    }
}

void NullHost::RequestClose(ui::Form& form)
{
    Deliver([&] { form.Close(); });
}

size_t NullHost::IndexOfEvent(const std::wstring& event, size_t from) const
{
    for (size_t i = from; i < m_events.size(); ++i) {
        if (m_events[i] == event) {
            return i;
        }
    }
    return std::wstring::npos;
}

NullPeer* NullHost::PeerOf(const ui::Control& control) { return dynamic_cast<NullPeer*>(control.Peer()); }

// A window that is not visible or not enabled, or inside one that is not, gets no input.
bool NullHost::ReceivesInput(const ui::Control& control) const
{
    for (const ui::Control* c = &control; c; c = c->Parent()) {
        if (!c->Visible() || !c->Enabled()) {
            return false;
        }
    }
    return true;
}

// The old window hears of the loss before the new one of the gain, as with WM_KILLFOCUS and WM_SETFOCUS.
void NullHost::MoveFocus(ui::Control* to)
{
    if (to == m_focused) {
        return;
    }
    ui::Control* from = m_focused;
    m_focused = to;
    if (from) {
        from->OnFocusChanged(false);
    }
    if (!to || m_focused != to) {
        return;
    }
    Log(L"focus " + to->Name());
    if (ui::Form* form = to->ParentForm()) {
        if (m_active != form) {
            m_active = form;
            Log(L"activate " + form->Name());
        }
        form->ControlFocused(*to, true);
    }
    to->OnFocusChanged(true);
}

// Showing a top-level window activates it; hiding the active one leaves no window of the program active.
void NullHost::FormShown(ui::Form& form, bool visible)
{
    Log((visible ? L"show " : L"hide ") + form.Name());
    if (!visible) {
        WindowHidden(form);
        return;
    }
    if (form.Enabled()) {
        ActivateForm(form);
    }
}

void NullHost::WindowHidden(ui::Control& control)
{
    if (m_focused && IsWithin(m_focused, control)) {
        MoveFocus(nullptr);
    }
    if (m_active == &control) {
        m_active = nullptr;
    }
}

// A destroyed window's procedure no longer reaches its control, so nothing is told.
void NullHost::PeerGone(ui::Control& control)
{
    if (m_focused == &control) {
        m_focused = nullptr;
    }
    if (m_capture == &control) {
        m_capture = nullptr;
    }
    if (m_active == &control) {
        m_active = nullptr;
    }
}

void NullHost::ActivateForm(ui::Form& form)
{
    if (m_active == &form) {
        return;
    }
    m_active = &form;
    Log(L"activate " + form.Name());
    form.Activated();
}

std::unique_ptr<ui::WindowPeer> NullHost::CreatePeer(ui::Control& control)
{
    if (!m_options.failCreatingClass.empty() && m_options.failCreatingClass == control.ClassName()) {
        throw ui::Error("Cannot create the window " + m_options.failCreatingClass + ": refused by the test host");
    }
    return std::make_unique<NullPeer>(*this, control);
}

gfx::Size NullHost::NonClientSize(const ui::Form& form)
{
    return form.GetBorderStyle() == ui::BorderStyle::None ? gfx::Size{} : m_options.frameSize;
}

int NullHost::TextHeight(const gfx::Font& font)
{
    return m_options.textHeight.value_or(MeasureText(font, L"0").height);
}

gfx::Size NullHost::MeasureText(const gfx::Font& font, std::wstring_view text)
{
    return m_measurer.MeasureText(font, text);
}

core::Result<std::vector<uint8_t>> NullHost::ReadWholeFile(const std::wstring& path)
{
    Log(L"read " + path);
    ++m_reads[FileKey(path)];
    const auto it = m_files.find(FileKey(path));
    if (it == m_files.end()) {
        return core::Error{"Cannot open file " + core::WideToUtf8(path)};
    }
    return it->second;
}

void NullHost::ShowErrorBox(const std::wstring& title, const std::wstring& text)
{
    m_errorBoxes.push_back({title, text});
    Log(L"error " + text);
}

void NullHost::ShellOpen(const std::wstring& file)
{
    m_shellOpens.push_back(file);
    Log(L"shell " + file);
}

void NullHost::RunPopupMenu(ui::PopupMenu& menu, gfx::Point, ui::Form& owner)
{
    ui::PopupMenu* outer = m_popup;
    m_popup = &menu;
    Log(L"popup " + owner.Name());
    while (!menu.Closed()) {
        if (!m_queue.empty() && !m_queue.front().action) {
            menu.Dismiss(); // the queued quit stays for the loop outside
            break;
        }
        if (!HandleMessage()) {
            m_quitPosted = true;
            menu.Dismiss();
            break;
        }
    }
    m_popup = outer;
    Log(L"popup closed");
}

void NullHost::PostQuit()
{
    m_quitPosted = true;
    Log(L"quit posted");
}

bool NullHost::HandleMessage()
{
    if (!m_queue.empty()) {
        Message message = std::move(m_queue.front());
        m_queue.pop_front();
        if (!message.action) {
            return false;
        }
        Deliver(message.action);
        return true;
    }
    if (m_quitPosted) {
        m_quitPosted = false;
        return false;
    }
    ++m_ranDry;
    Log(L"ran dry");
    return false;
}

gfx::Bitmap NullHost::RenderForm(ui::Form& form)
{
    const gfx::Size client = form.ClientAreaSize();
    gfx::Bitmap frame(client.width, client.height, kUnpainted);
    m_rendered.clear();
    RenderWindow(form, frame.View(), {0, 0}, frame.View().Bounds());
    return frame;
}

// `at` is where the window's client origin lies in the form; `clip` is what its parents leave visible of it.
void NullHost::RenderWindow(ui::Control& window, gfx::BitmapView target, gfx::Point at, gfx::Rect clip)
{
    const gfx::Size size = window.ClientSize();
    gfx::RecordingCanvas canvas(size, kUnpainted);
    if (std::string_view(window.ClassName()) == "TEdit") {
        PaintPlatformEdit(canvas, window);
    } else {
        Deliver([&] { window.PaintTree(canvas); });
    }
    const gfx::BitmapView painted = canvas.Target();
    for (int y = clip.top; y < clip.bottom; ++y) {
        for (int x = clip.left; x < clip.right; ++x) {
            target.At(x, y) = painted.At(x - at.x, y - at.y);
        }
    }
    for (const auto& call : canvas.TextCalls()) {
        m_rendered.push_back({&window, call.text, {call.origin.x + at.x, call.origin.y + at.y},
                              call.clip.Offset(at.x, at.y).Intersect(clip), call.font, call.color});
    }
    // Later siblings lie above earlier ones; the program's windows never overlap, so the order shows nowhere.
    for (ui::Control* child : window.Controls()) {
        if (!child->IsWindowed() || !child->Visible()) {
            continue;
        }
        const gfx::Rect b = child->Bounds();
        const gfx::Point childAt{at.x + b.left, at.y + b.top};
        const gfx::Rect childClip = gfx::Rect::FromSize(childAt.x, childAt.y, b.Width(), b.Height()).Intersect(clip);
        if (!childClip.Empty()) {
            RenderWindow(*child, target, childAt, childClip);
        }
    }
}

bool NullHost::DumpBmp(const gfx::Bitmap& bitmap, const std::string& path)
{
    const std::vector<uint8_t> bytes = gfx::EncodeBmp32(bitmap.View());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace nullhost
