// Components and controls: ownership, parent links, bounds with alignment, painting of windowless children.
#include "ui/Component.h"

#include "core/Text.h"
#include "ui/Form.h"
#include "ui/Reader.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

Component::Component(Component* owner) : m_owner(owner) {}

Component::~Component()
{
    // Children go first, last created first, while this object is still whole.
    while (!m_components.empty()) {
        m_components.pop_back();
    }
}

Component* Component::FindComponent(std::wstring_view name) const
{
    for (const auto& component : m_components) {
        if (core::EqualsIgnoreAsciiCase(component->Name(), name)) {
            return component.get();
        }
    }
    return nullptr;
}

Component* Component::Adopt(std::unique_ptr<Component> child)
{
    child->m_owner = this;
    m_components.push_back(std::move(child));
    return m_components.back().get();
}

std::unique_ptr<Component> Component::Release(Component* child)
{
    const auto it = std::find_if(m_components.begin(), m_components.end(),
                                 [child](const auto& owned) { return owned.get() == child; });
    if (it == m_components.end()) {
        return nullptr;
    }
    std::unique_ptr<Component> released = std::move(*it);
    m_components.erase(it);
    return released;
}

core::Status Component::SetProperty(std::string_view name, const PropertyValue& value, LoadContext&)
{
    // A non-visual component's Left and Top only record where the designer placed its icon.
    if ((name == "Left" || name == "Top") && value.kind == PropertyValue::Kind::Integer) {
        return core::Success();
    }
    return core::Error{"Property " + std::string(name) + " does not exist"};
}

Control::Control(Component* owner) : Component(owner) {}

Control::~Control()
{
    DestroyPeers();
    SetParent(nullptr);
    for (Control* child : m_controls) {
        child->m_parent = nullptr;
    }
}

void Control::SetParent(Control* parent)
{
    if (m_parent) {
        auto& siblings = m_parent->m_controls;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    m_parent = parent;
    if (m_parent) {
        m_parent->m_controls.push_back(this);
        if (m_parentFont) {
            m_font = m_parent->m_font;
        }
    }
}

Form* Control::ParentForm()
{
    Control* control = this;
    while (control->m_parent) {
        control = control->m_parent;
    }
    return dynamic_cast<Form*>(control);
}

void Control::SetBounds(gfx::Rect bounds)
{
    const gfx::Size size = AdjustSize(bounds.GetSize());
    bounds = gfx::Rect::FromSize(bounds.left, bounds.top, size.width, size.height);
    const bool resized = bounds.GetSize() != m_bounds.GetSize();
    m_bounds = bounds;
    if (m_peer) {
        m_peer->SetBounds(m_bounds);
    }
    if (resized) {
        Resized();
    }
    if (m_parent && m_align != Align::None) {
        m_parent->Realign();
    }
}

void Control::Resized()
{
    Realign();
    Invalidate();
}

void Control::SetAlign(Align align)
{
    m_align = align;
    if (m_parent) {
        m_parent->Realign();
    }
}

// Docks the children: top and bottom first, then left and right, then the client-aligned ones fill the rest.
void Control::Realign()
{
    if (m_realigning) {
        return;
    }
    m_realigning = true;
    const gfx::Size client = ClientSize();
    gfx::Rect rest{0, 0, client.width, client.height};
    const Align order[] = {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client};
    for (Align align : order) {
        for (Control* child : m_controls) {
            if (child->m_align != align || !child->m_visible) {
                continue;
            }
            const gfx::Size want = child->m_bounds.GetSize();
            gfx::Rect r;
            switch (align) {
            case Align::Top: r = {rest.left, rest.top, rest.right, rest.top + want.height}; break;
            case Align::Bottom: r = {rest.left, rest.bottom - want.height, rest.right, rest.bottom}; break;
            case Align::Left: r = {rest.left, rest.top, rest.left + want.width, rest.bottom}; break;
            case Align::Right: r = {rest.right - want.width, rest.top, rest.right, rest.bottom}; break;
            default: r = rest; break;
            }
            // The size rule may refuse the docked size: a bottom-docked control keeps its own height at the bottom.
            const gfx::Size adjusted = child->AdjustSize(r.GetSize());
            if (align == Align::Bottom) {
                r.top = r.bottom - adjusted.height;
            } else if (align == Align::Right) {
                r.left = r.right - adjusted.width;
            }
            r = gfx::Rect::FromSize(r.left, r.top, adjusted.width, adjusted.height);
            const Align saved = child->m_align;
            child->m_align = Align::None; // placing it must not realign this parent again
            child->SetBounds(r);
            child->m_align = saved;
            switch (align) {
            case Align::Top: rest.top = r.bottom; break;
            case Align::Bottom: rest.bottom = r.top; break;
            case Align::Left: rest.left = r.right; break;
            case Align::Right: rest.right = r.left; break;
            default: break;
            }
        }
    }
    m_realigning = false;
}

void Control::SetVisible(bool visible)
{
    m_visible = visible;
    if (m_peer) {
        m_peer->SetVisible(visible);
    } else if (m_parent) {
        m_parent->Invalidate();
    }
}

void Control::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    if (m_peer) {
        m_peer->SetEnabled(enabled);
    }
    Invalidate();
}

void Control::SetCaption(std::wstring caption)
{
    m_caption = std::move(caption);
    SetTextOnPeer();
    Invalidate();
}

void Control::SetTextOnPeer()
{
    if (m_peer) {
        m_peer->SetText(m_caption);
    }
}

bool Control::CanFocusNow() const
{
    if (!CanTakeFocus()) {
        return false;
    }
    for (const Control* c = this; c; c = c->m_parent) {
        if (!c->m_visible || !c->m_enabled) {
            return false;
        }
    }
    return true;
}

void Control::PaintTree(gfx::Canvas& canvas)
{
    Paint(canvas);
    for (Control* child : m_controls) {
        if (child->IsWindowed() || !child->m_visible) {
            continue;
        }
        OffsetCanvas childCanvas(canvas, child->m_bounds);
        child->PaintTree(childCanvas);
    }
}

void Control::Invalidate()
{
    if (m_peer) {
        m_peer->Invalidate();
    } else if (m_parent) {
        m_parent->Invalidate();
    }
}

void Control::SetFocus()
{
    if (m_peer && CanFocusNow()) {
        m_peer->SetFocus();
    }
}

void Control::CreatePeers(Host& host)
{
    if (IsWindowed() && !m_peer) {
        m_peer = host.CreatePeer(*this);
        PeerCreated();
    }
    for (Control* child : m_controls) {
        child->CreatePeers(host);
    }
}

void Control::DestroyPeers()
{
    for (Control* child : m_controls) {
        child->DestroyPeers();
    }
    m_peer.reset();
}

void Control::ScaleBy(int numerator, int denominator)
{
    m_bounds = {ScaleValue(m_bounds.left, numerator, denominator), ScaleValue(m_bounds.top, numerator, denominator),
                ScaleValue(m_bounds.left, numerator, denominator) + ScaleValue(m_bounds.Width(), numerator, denominator),
                ScaleValue(m_bounds.top, numerator, denominator) + ScaleValue(m_bounds.Height(), numerator, denominator)};
    for (Control* child : m_controls) {
        child->ScaleBy(numerator, denominator);
    }
}

namespace {

core::Result<int> IntegerOf(const PropertyValue& value)
{
    if (value.kind != PropertyValue::Kind::Integer) {
        return core::Error{"Integer value expected"};
    }
    return static_cast<int>(value.integer);
}

core::Result<bool> BooleanOf(const PropertyValue& value)
{
    if (value.kind == PropertyValue::Kind::Identifier) {
        if (core::EqualsIgnoreAsciiCase(value.text, L"True")) {
            return true;
        }
        if (core::EqualsIgnoreAsciiCase(value.text, L"False")) {
            return false;
        }
    }
    return core::Error{"True or False expected"};
}

} // namespace

core::Status Control::SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context)
{
    auto setInt = [&](auto apply) -> core::Status {
        auto v = IntegerOf(value);
        if (!v) {
            return core::Error{v.ErrorMessage()};
        }
        apply(v.Value());
        return core::Success();
    };
    auto setBool = [&](bool& target) { return ReadBoolean(value, target); };
    if (name == "Left") {
        return setInt([&](int v) { m_bounds = m_bounds.Offset(v - m_bounds.left, 0); });
    }
    if (name == "Top") {
        return setInt([&](int v) { m_bounds = m_bounds.Offset(0, v - m_bounds.top); });
    }
    if (name == "Width") {
        return setInt([&](int v) { m_bounds.right = m_bounds.left + v; });
    }
    if (name == "Height") {
        return setInt([&](int v) { m_bounds.bottom = m_bounds.top + v; });
    }
    if (name == "TabOrder") {
        return setInt([&](int v) { m_tabOrder = v; });
    }
    if (name == "TabStop") {
        return setBool(m_tabStop);
    }
    if (name == "Visible") {
        return setBool(m_visible);
    }
    if (name == "Enabled") {
        return setBool(m_enabled);
    }
    if (name == "Caption" || name == "Text") {
        if (value.kind != PropertyValue::Kind::String) {
            return core::Error{"String value expected"};
        }
        m_caption = value.text;
        return core::Success();
    }
    if (name == "Align") {
        static const std::pair<const wchar_t*, Align> kAligns[] = {
            {L"alNone", Align::None}, {L"alTop", Align::Top},     {L"alBottom", Align::Bottom},
            {L"alLeft", Align::Left}, {L"alRight", Align::Right}, {L"alClient", Align::Client}};
        for (const auto& [text, align] : kAligns) {
            if (value.text == text) {
                m_align = align;
                return core::Success();
            }
        }
        return core::Error{"Unknown alignment"};
    }
    if (name == "ParentFont") {
        return setBool(m_parentFont);
    }
    if (name.substr(0, 5) == "Font.") {
        m_parentFont = false;
        const std::string_view key = name.substr(5);
        if (key == "Name") {
            m_font.name = value.text;
            return core::Success();
        }
        if (key == "Height") {
            return setInt([&](int v) { m_font.height = v; });
        }
        if (key == "Charset") {
            m_font.charset = value.text == L"GB2312_CHARSET" ? gfx::kGb2312Charset : gfx::kDefaultCharset;
            return core::Success();
        }
        if (key == "Style") {
            m_font.style = gfx::FontStyle::Regular;
            for (const auto& item : value.items) {
                if (item == L"fsBold") {
                    m_font.style = m_font.style | gfx::FontStyle::Bold;
                } else if (item == L"fsItalic") {
                    m_font.style = m_font.style | gfx::FontStyle::Italic;
                }
            }
            return core::Success();
        }
        if (key == "Color") {
            return core::Success();
        }
    }
    return Component::SetProperty(name, value, context);
}

core::Status ReadBoolean(const PropertyValue& value, bool& target)
{
    auto v = BooleanOf(value);
    if (!v) {
        return core::Error{v.ErrorMessage()};
    }
    target = v.Value();
    return core::Success();
}

OffsetCanvas::OffsetCanvas(gfx::Canvas& base, gfx::Rect area) : m_base(base), m_origin(area.TopLeft())
{
    m_area = area.Intersect(base.Target().Bounds());
}

gfx::BitmapView OffsetCanvas::Target()
{
    const gfx::BitmapView base = m_base.Target();
    if (m_area.Empty()) {
        return {base.pixels, 0, 0, base.stride};
    }
    // The view starts at the control's own origin when it is not clipped on the left or top.
    return {base.pixels + static_cast<ptrdiff_t>(m_area.top) * base.stride + m_area.left, m_area.Width(),
            m_area.Height(), base.stride};
}

gfx::Size OffsetCanvas::MeasureText(const gfx::Font& font, std::wstring_view text)
{
    return m_base.MeasureText(font, text);
}

void OffsetCanvas::DrawText(const gfx::Font& font, std::wstring_view text, gfx::Point origin, gfx::Pixel color,
                            gfx::Rect clip)
{
    m_base.DrawText(font, text, {origin.x + m_origin.x, origin.y + m_origin.y}, color,
                    clip.Offset(m_origin.x, m_origin.y).Intersect(m_area));
}

int ScaleValue(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

} // namespace ui
