// The skin library's components and how skinned controls bind to the skin.
#include "ui/SkinControls.h"

#include "core/Text.h"
#include "skin/ElementDraw.h"
#include "skin/SkinData.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Reader.h"

#include <algorithm>

namespace ui {

namespace {

skin::ButtonLook ToSkinLook(ButtonLook look)
{
    switch (look) {
    case ButtonLook::Hot: return skin::ButtonLook::Hot;
    case ButtonLook::Pressed: return skin::ButtonLook::Pressed;
    default: return skin::ButtonLook::Normal;
    }
}

skin::Enabled EnabledFlag(const Control& control)
{
    return control.Enabled() ? skin::Enabled::Yes : skin::Enabled::No;
}

gfx::Rect ClientRect(const Control& control)
{
    return {0, 0, control.ClientSize().width, control.ClientSize().height};
}

// Properties the description sets whose values select nothing this program can observe (no glyph, no repeat
// mode, no latching group, no default font since every control finds its element).
bool IsInertProperty(std::string_view name)
{
    static const std::string_view kInert[] = {
        "UseSkinFont", "DefaultWidth", "DefaultHeight", "RepeatMode", "RepeatInterval", "AllowAllUp", "Down",
        "GroupIndex", "NumGlyphs", "Spacing", "Margin", "Layout", "Default", "Cancel", "CaptionMode",
        "BorderStyle", "DefaultCaptionHeight", "DefaultAlignment", "RollUpMode", "RollUpState", "CheckedMode",
        "Checked", "AutoEnabledControls", "ShowPercent", "ShowProgressText", "Vertical"};
    if (name.substr(0, 12) == "DefaultFont.") {
        return true;
    }
    return std::find(std::begin(kInert), std::end(kInert), name) != std::end(kInert);
}

} // namespace

core::Status TbsStoredSkin::SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context)
{
    if (name == "FileName") {
        m_fileName = value.text;
        return core::Success();
    }
    if (name == "IniStrings.Strings" && value.kind == PropertyValue::Kind::List) {
        m_iniStrings.clear();
        for (const auto& line : value.items) {
            m_iniStrings.push_back(core::WideToUtf8(line));
        }
        return core::Success();
    }
    // The block is a 32-bit little-endian length followed by that many bytes.
    if (name == "Pictures.Data" && value.kind == PropertyValue::Kind::Binary) {
        const auto& bytes = value.bytes;
        if (bytes.size() < 4) {
            return core::Error{"Stored pictures block is too short"};
        }
        const uint32_t length = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (uint32_t(bytes[3]) << 24);
        if (length != bytes.size() - 4) {
            return core::Error{"Stored pictures block length does not match its data"};
        }
        m_pictures.assign(bytes.begin() + 4, bytes.end());
        return core::Success();
    }
    return Component::SetProperty(name, value, context);
}

TbsSkinData::TbsSkinData(Component* owner) : Component(owner), m_skin(std::make_unique<skin::SkinData>()) {}

TbsSkinData::~TbsSkinData()
{
    for (SkinListener* listener : std::vector<SkinListener*>(m_listeners)) {
        listener->SkinGone();
    }
}

bool TbsSkinData::Loaded() const { return m_skin->Loaded(); }

void TbsSkinData::SetStoredSkin(TbsStoredSkin* stored)
{
    m_skin->Clear();
    if (stored) {
        auto pictures = skin::ParseStoredPictures(stored->Pictures());
        if (pictures) {
            m_skin->Load(stored->IniStrings(), pictures.Value());
        }
    }
    for (SkinListener* listener : std::vector<SkinListener*>(m_listeners)) {
        listener->SkinLoaded();
    }
}

const skin::Element* TbsSkinData::FindElement(const std::wstring& name) const
{
    return m_skin->FindElement(core::WideToUtf8(name));
}

void TbsSkinData::AddListener(SkinListener& listener)
{
    if (std::find(m_listeners.begin(), m_listeners.end(), &listener) == m_listeners.end()) {
        m_listeners.push_back(&listener);
    }
}

void TbsSkinData::RemoveListener(SkinListener& listener)
{
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), &listener), m_listeners.end());
}

core::Status TbsSkinData::SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context)
{
    if (name == "StoredSkin") {
        context.AddReference(value.text, [this](Component* target) {
            auto* stored = dynamic_cast<TbsStoredSkin*>(target);
            SetStoredSkin(stored);
            return stored != nullptr;
        });
        return core::Success();
    }
    if (name == "DlgTreeViewDrawSkin" || name == "DlgTreeViewItemSkinDataName" || name == "DlgListViewDrawSkin" ||
        name == "DlgListViewItemSkinDataName" || name == "SkinnableForm" || name == "AnimationEffect" ||
        name == "ShowButtonGlyphs" || name == "ShowCaptionButtonHint" || name == "EnableSkinEffects" ||
        name == "CompressedSkinColors" || name == "SkinIndex") {
        return core::Success();
    }
    return Component::SetProperty(name, value, context);
}

SkinnedControl::SkinnedControl(Component* owner) : Control(owner) {}

SkinnedControl::~SkinnedControl()
{
    if (m_skinData) {
        m_skinData->RemoveListener(*this);
    }
}

void SkinnedControl::SetSkinData(TbsSkinData* skinData)
{
    if (m_skinData) {
        m_skinData->RemoveListener(*this);
    }
    m_skinData = skinData;
    if (m_skinData) {
        m_skinData->AddListener(*this);
    }
    Bind();
}

void SkinnedControl::Bind()
{
    m_element = (m_skinData && m_skinData->Loaded()) ? m_skinData->FindElement(m_skinDataName) : nullptr;
    ReapplySize();
    Invalidate();
}

void SkinnedControl::SkinGone()
{
    m_skinData = nullptr;
    m_element = nullptr;
}

gfx::Size SkinnedControl::AdjustSize(gfx::Size requested)
{
    return m_element ? skin::ApplySizeRule(*m_element, requested) : requested;
}

gfx::Font SkinnedControl::SkinFont() const
{
    gfx::Font font = m_element ? m_element->font : GetFont();
    font.charset = gfx::kDefaultCharset;
    if (!m_element) {
        font.charset = GetFont().charset;
    }
    return font;
}

core::Status SkinnedControl::SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context)
{
    if (name == "SkinData") {
        context.AddReference(value.text, [this](Component* target) {
            auto* skinData = dynamic_cast<TbsSkinData*>(target);
            SetSkinData(skinData);
            return skinData != nullptr;
        });
        return core::Success();
    }
    if (name == "SkinDataName") {
        m_skinDataName = value.text;
        return core::Success();
    }
    if (IsInertProperty(name)) {
        return core::Success();
    }
    return Control::SetProperty(name, value, context);
}

TbsSkinButton::TbsSkinButton(Component* owner) : SkinnedControl(owner) { SetTabStop(true); }

void TbsSkinButton::Click()
{
    if (Form* form = ParentForm(); form && m_canFocused) {
        form->SetModalResult(m_modalResult);
    }
    if (m_onClick) {
        m_onClick(this);
    }
}

void TbsSkinButton::Apply(const ButtonBehavior::Outcome& outcome)
{
    if (outcome.takeFocus) {
        SetFocus();
    }
    if (outcome.captureMouse && Peer()) {
        Peer()->SetMouseCapture(true);
    }
    if (outcome.releaseMouse && Peer()) {
        Peer()->SetMouseCapture(false);
    }
    if (outcome.changed || outcome.click) {
        Invalidate();
    }
    if (outcome.click) {
        Click();
    }
}

void TbsSkinButton::OnMouse(const MouseEvent& event)
{
    const bool inside = ClientRect(*this).Contains(event.position) && event.type != MouseEvent::Type::Leave;
    Apply(m_behavior.OnMouse(event, inside, CanFocusNow()));
}

bool TbsSkinButton::OnKey(const KeyEvent& event)
{
    if (event.type == KeyEvent::Type::Down && !event.alt && !event.control) {
        const bool forward = event.key == Key::Right || event.key == Key::Down;
        const bool backward = event.key == Key::Left || event.key == Key::Up;
        if (forward || backward) {
            if (Form* form = ParentForm()) {
                form->SelectNext(this, forward);
            }
            return true;
        }
    }
    if (event.key != Key::Space && event.key != Key::Enter) {
        return false;
    }
    Apply(m_behavior.OnKey(event));
    return true;
}

void TbsSkinButton::OnFocusChanged(bool focused) { Apply(m_behavior.OnFocus(focused)); }

void TbsSkinButton::Paint(gfx::Canvas& canvas)
{
    const gfx::Rect bounds = ClientRect(*this);
    if (Element() && SkinData()) {
        skin::DrawButton(canvas, bounds, SkinData()->Skin(), *Element(), ToSkinLook(Look()), EnabledFlag(*this),
                         Caption(), gfx::kDefaultCharset);
    } else {
        skin::DrawPlainButton(canvas, bounds, ToSkinLook(Look()), EnabledFlag(*this), Caption(), GetFont());
    }
}

core::Status TbsSkinButton::SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context)
{
    if (name == "OnClick") {
        auto handler = context.FindHandler(value.text);
        if (!handler) {
            return core::Error{handler.ErrorMessage()};
        }
        m_onClick = handler.Value();
        return core::Success();
    }
    if (name == "ModalResult") {
        m_modalResult = static_cast<int>(value.integer);
        return core::Success();
    }
    if (name == "CanFocused") {
        return ReadBoolean(value, m_canFocused);
    }
    return SkinnedControl::SetProperty(name, value, context);
}

void TbsSkinPanel::Paint(gfx::Canvas& canvas)
{
    if (Element() && SkinData()) {
        skin::DrawPanel(canvas, ClientRect(*this), SkinData()->Skin(), *Element());
    } else {
        skin::DrawPlainPanel(canvas, ClientRect(*this));
    }
}

core::Status TbsSkinPanel::SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context)
{
    if (name == "Caption") {
        return core::Success(); // the panel never draws its caption: the element has no caption area
    }
    return SkinnedControl::SetProperty(name, value, context);
}

void TbsSkinGauge::Paint(gfx::Canvas& canvas)
{
    if (Element() && SkinData()) {
        skin::DrawGauge(canvas, ClientRect(*this), SkinData()->Skin(), *Element(), m_minValue, m_maxValue, m_value,
                        gfx::kDefaultCharset);
    } else {
        skin::DrawPlainGauge(canvas, ClientRect(*this), m_minValue, m_maxValue, m_value, GetFont());
    }
}

core::Status TbsSkinGauge::SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context)
{
    if ((name == "MinValue" || name == "MaxValue" || name == "Value") && value.kind != PropertyValue::Kind::Integer) {
        return core::Error{"Integer value expected"};
    }
    const int v = static_cast<int>(value.integer);
    if (name == "MinValue") {
        m_minValue = v;
    } else if (name == "MaxValue") {
        m_maxValue = v;
    } else if (name == "Value") {
        m_value = v;
    } else {
        return SkinnedControl::SetProperty(name, value, context);
    }
    return core::Success();
}

void RegisterSkinClasses(ClassRegistry& registry)
{
    registry.Register("TbsStoredSkin", [](Component* owner) { return std::make_unique<TbsStoredSkin>(owner); });
    registry.Register("TbsSkinData", [](Component* owner) { return std::make_unique<TbsSkinData>(owner); });
    registry.Register("TbsSkinButton", [](Component* owner) { return std::make_unique<TbsSkinButton>(owner); });
    registry.Register("TbsSkinPanel", [](Component* owner) { return std::make_unique<TbsSkinPanel>(owner); });
    registry.Register("TbsSkinGauge", [](Component* owner) { return std::make_unique<TbsSkinGauge>(owner); });
}

} // namespace ui
