// The frame component: the form's frame owner, driven by the platform's translated messages.
#include "ui/BusinessSkinForm.h"

#include "gfx/Draw.h"
#include "skin/FrameCaption.h"
#include "skin/FrameGeometry.h"
#include "skin/FramePaint.h"
#include "skin/FrameShape.h"
#include "skin/SystemMenu.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Reader.h"

namespace ui {

namespace {

std::optional<skin::MenuKey> MenuKeyOf(Key key)
{
    switch (key) {
    case Key::Up: return skin::MenuKey::Up;
    case Key::Down: return skin::MenuKey::Down;
    case Key::Left: return skin::MenuKey::Left;
    case Key::Right: return skin::MenuKey::Right;
    case Key::Enter: return skin::MenuKey::Enter;
    case Key::Escape: return skin::MenuKey::Escape;
    default: return std::nullopt;
    }
}

// The frame's system menu as the platform's popup window shows it.
class SystemMenuPopup final : public PopupMenu {
public:
    SystemMenuPopup(const skin::SkinData& skin, skin::BorderIcons icons, skin::WindowState state,
                    const skin::TextMeasure& measure)
        : m_skin(skin), m_menu(icons, state), m_layout(skin::LayoutSystemMenu(measure, skin, m_menu.Items()))
    {
    }

    std::optional<skin::FrameAction> Chosen() const { return m_chosen; }

    gfx::Size WindowSize() override { return m_layout.size; }
    std::vector<gfx::Rect> Shape() override { return skin::SystemMenuShape(m_skin, m_layout.size); }
    void Paint(gfx::Canvas& canvas) override { skin::DrawSystemMenu(canvas, m_skin, m_layout, m_menu); }
    bool OnKey(const KeyEvent& event) override
    {
        if (event.type != KeyEvent::Type::Down) {
            return false;
        }
        if (const auto key = MenuKeyOf(event.key)) {
            return Take(m_menu.Key(*key));
        }
        return event.character ? Take(m_menu.Character(event.character)) : false;
    }
    bool OnMouse(const MouseEvent& event) override
    {
        if (event.type == MouseEvent::Type::Move) {
            return Take(m_menu.PointerMove(event.position, m_layout));
        }
        if (event.type == MouseEvent::Type::Up && event.button == MouseButton::Left) {
            return Take(m_menu.Click(event.position, m_layout));
        }
        return false;
    }
    bool Closed() const override { return m_menu.Done(); }
    void Dismiss() override { Take(m_menu.Dismiss()); }

private:
    bool Take(const skin::MenuReply& reply)
    {
        if (reply.outcome == skin::MenuOutcome::Chosen) {
            m_chosen = reply.action;
        }
        return reply.outcome == skin::MenuOutcome::Repaint;
    }

    const skin::SkinData& m_skin;
    skin::SystemMenu m_menu;
    skin::SystemMenuLayout m_layout;
    std::optional<skin::FrameAction> m_chosen;
};

FrameResponse ResponseOf(const skin::ButtonsReply& reply)
{
    FrameResponse response;
    response.captureMouse = reply.capture == skin::Capture::Take;
    response.releaseMouse = reply.capture == skin::Capture::Release;
    response.repaint = !reply.repaint.empty();
    return response;
}

} // namespace

TbsBusinessSkinForm::TbsBusinessSkinForm(Component* owner) : Component(owner)
{
    if (Form* form = OwnerForm()) {
        form->SetFrameOwner(this);
    }
}

TbsBusinessSkinForm::~TbsBusinessSkinForm()
{
    if (Form* form = OwnerForm(); form && form->GetFrameOwner() == this) {
        form->SetFrameOwner(nullptr);
    }
    if (m_skinData) {
        m_skinData->RemoveListener(*this);
    }
}

Form* TbsBusinessSkinForm::OwnerForm() const { return dynamic_cast<Form*>(Owner()); }

void TbsBusinessSkinForm::SetSkinData(TbsSkinData* skinData)
{
    if (m_skinData) {
        m_skinData->RemoveListener(*this);
    }
    m_skinData = skinData;
    if (m_skinData) {
        m_skinData->AddListener(*this);
        SkinLoaded();
    }
}

void TbsBusinessSkinForm::SkinLoaded()
{
    m_layoutValid = false;
    m_objects = Skinned() ? skin::BuildFrameObjects(Skin(), m_icons) : std::vector<skin::FrameObject>{};
    Form* form = OwnerForm();
    if (form && Skinned()) {
        // The window keeps its outer size, but never less than the frame's minimum.
        const gfx::Rect b = form->Bounds();
        const gfx::Size size = skin::FrameGeometry(Skin()).EnforceMinimum(b.GetSize());
        if (form->Peer()) {
            form->SetBounds(gfx::Rect::FromSize(b.left, b.top, size.width, size.height));
        }
    }
}

void TbsBusinessSkinForm::SkinGone()
{
    m_skinData = nullptr;
    m_objects.clear();
    m_layoutValid = false;
}

bool TbsBusinessSkinForm::Skinned() const
{
    return m_skinData && m_skinData->Loaded() && m_skinData->Skin().FramePicture();
}

gfx::Rect TbsBusinessSkinForm::Margins() const { return skin::FrameGeometry(Skin()).Margins(); }

gfx::Size TbsBusinessSkinForm::MinimumSize() const { return skin::FrameGeometry(Skin()).MinimumWindowSize(); }

const skin::FrameLayout& TbsBusinessSkinForm::Layout(gfx::Size windowSize)
{
    if (!m_layoutValid || m_layout.window != windowSize) {
        m_layout = skin::LayoutFrame(Skin(), m_objects, windowSize);
        m_layoutValid = true;
    }
    return m_layout;
}

void TbsBusinessSkinForm::PaintClientBackground(gfx::Canvas& canvas, gfx::Size clientSize)
{
    skin::PaintClientBackground(gfx::SubView(canvas.Target(), {0, 0, clientSize.width, clientSize.height}), Skin());
}

void TbsBusinessSkinForm::PaintFrame(gfx::Canvas& canvas, gfx::Size windowSize)
{
    const Form* form = OwnerForm();
    skin::PaintFrame(canvas, Skin(), Layout(windowSize), m_buttons, m_state.State(),
                     form ? std::wstring_view(form->Caption()) : std::wstring_view());
}

std::vector<gfx::Rect> TbsBusinessSkinForm::Shape(gfx::Size windowSize)
{
    return skin::ShapeRectangles(Layout(windowSize).shape);
}

FrameHit TbsBusinessSkinForm::HitTest(gfx::Point windowPoint, gfx::Size windowSize)
{
    const skin::FrameHit hit = skin::HitTest(windowPoint, Layout(windowSize));
    switch (hit.zone) {
    case skin::FrameZone::Client: return {FrameZone::Client, false};
    case skin::FrameZone::Caption: return {FrameZone::Caption, m_state.CanDrag()};
    case skin::FrameZone::FrameObject: return {FrameZone::Object, false};
    default: return {FrameZone::Outside, false};
    }
}

FrameResponse TbsBusinessSkinForm::OnFrameMouse(const MouseEvent& event, gfx::Size windowSize)
{
    const skin::FrameLayout& layout = Layout(windowSize);
    const skin::PointerButton button = event.button == MouseButton::Left    ? skin::PointerButton::Left
                                       : event.button == MouseButton::Right ? skin::PointerButton::Right
                                                                            : skin::PointerButton::Middle;
    skin::ButtonsReply reply;
    switch (event.type) {
    case MouseEvent::Type::Down:
        if (event.button == MouseButton::Right && skin::HitTest(event.position, layout).zone == skin::FrameZone::Caption) {
            OpenSystemMenu(event.position);
            return {};
        }
        reply = m_buttons.ButtonDown(button, event.position, layout);
        break;
    case MouseEvent::Type::Up: reply = m_buttons.ButtonUp(button, event.position, layout); break;
    case MouseEvent::Type::Move: reply = m_buttons.PointerMove(event.position, layout); break;
    case MouseEvent::Type::Leave: reply = m_buttons.PointerLeave(layout); break;
    }
    const FrameResponse response = ResponseOf(reply);
    if (reply.action) {
        if (const auto action = skin::ActionFor(*reply.action, m_state.State())) {
            Perform(*action);
        }
    }
    return response;
}

bool TbsBusinessSkinForm::OnHoverTimer(std::optional<gfx::Point> pointer, gfx::Size windowSize)
{
    const skin::FrameLayout& layout = Layout(windowSize);
    const skin::ButtonsReply reply = pointer ? m_buttons.PointerMove(*pointer, layout) : m_buttons.PointerLeave(layout);
    return !reply.repaint.empty();
}

void TbsBusinessSkinForm::OnActivate(bool active)
{
    if (Skinned() && m_layoutValid) {
        m_buttons.SetActive(active ? skin::Active::Yes : skin::Active::No, m_layout);
    } else {
        m_buttons.SetActive(active ? skin::Active::Yes : skin::Active::No, skin::FrameLayout{});
    }
}

void TbsBusinessSkinForm::OnMoving(bool moving)
{
    if (moving) {
        m_buttons.MoveStarted(m_layout);
    } else {
        m_buttons.MoveEnded();
    }
}

void TbsBusinessSkinForm::MaximizeAtStart()
{
    if (Skinned() && m_state.State() == skin::WindowState::Normal) {
        Perform(skin::FrameAction::Maximize);
    }
}

void TbsBusinessSkinForm::Perform(skin::FrameAction action)
{
    Form* form = OwnerForm();
    if (!form) {
        return;
    }
    Host& host = form->App().GetHost();
    switch (action) {
    case skin::FrameAction::Close: form->Close(); break;
    case skin::FrameAction::Minimize: host.MinimizeApplication(); break;
    case skin::FrameAction::Maximize:
        form->SetBounds(m_state.Maximize(form->Bounds(), host.WorkArea(), MinimumSize()));
        break;
    case skin::FrameAction::Restore:
        if (const auto bounds = m_state.Restore()) {
            form->SetBounds(*bounds);
        }
        break;
    }
}

void TbsBusinessSkinForm::OpenSystemMenu(gfx::Point windowPoint)
{
    Form* form = OwnerForm();
    if (!form || !Skinned()) {
        return;
    }
    Host& host = form->App().GetHost();
    const skin::TextMeasure measure = [&host](const gfx::Font& font, std::wstring_view text) {
        return host.MeasureText(font, text);
    };
    SystemMenuPopup menu(Skin(), m_icons, m_state.State(), measure);
    const gfx::Rect b = form->Bounds();
    host.RunPopupMenu(menu, {b.left + windowPoint.x, b.top + windowPoint.y}, *form);
    if (const auto action = menu.Chosen()) {
        Perform(*action);
    }
}

core::Status TbsBusinessSkinForm::SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context)
{
    if (name == "SkinData") {
        context.AddReference(value.text, [this](Component* target) {
            auto* skinData = dynamic_cast<TbsSkinData*>(target);
            SetSkinData(skinData);
            return skinData != nullptr;
        });
        return core::Success();
    }
    if (name == "BorderIcons" && value.kind == PropertyValue::Kind::Set) {
        static const std::pair<const wchar_t*, skin::BorderIcon> kIcons[] = {
            {L"biSystemMenu", skin::BorderIcon::SystemMenu}, {L"biMinimize", skin::BorderIcon::Minimize},
            {L"biMaximize", skin::BorderIcon::Maximize},     {L"biRollUp", skin::BorderIcon::RollUp},
            {L"biMinimizeToTray", skin::BorderIcon::MinimizeToTray}};
        skin::BorderIcons icons;
        for (const auto& item : value.items) {
            for (const auto& [text, icon] : kIcons) {
                if (item == text) {
                    icons = icons.With(icon);
                }
            }
        }
        m_icons = icons;
        return core::Success();
    }
    // The remaining settings (fonts, menu and alpha-blending options, magnetism, minimum size 0) select what
    // the frame does anyway with this skin; they are read and kept as the frame's configuration.
    return core::Success();
}

void RegisterFrameClass(ClassRegistry& registry)
{
    registry.Register("TbsBusinessSkinForm",
                      [](Component* owner) { return std::make_unique<TbsBusinessSkinForm>(owner); });
}

} // namespace ui
