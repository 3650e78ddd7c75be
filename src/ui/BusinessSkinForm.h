// The frame component of the main window: from its creation it owns the window's frame, and once its skin is
// loaded it draws the frame from the skin and operates the caption buttons and the system menu. The geometry,
// looks and state machines are the skin's pure functions; this component ties them to the form. Portable.
#pragma once

#include "skin/FrameButtons.h"
#include "skin/FrameObjects.h"
#include "skin/FrameState.h"
#include "ui/Frame.h"
#include "ui/SkinControls.h"

namespace ui {

class TbsBusinessSkinForm : public Component, public FrameOwner, public SkinListener {
public:
    explicit TbsBusinessSkinForm(Component* owner);
    ~TbsBusinessSkinForm() override;
    const char* ClassName() const override { return "TbsBusinessSkinForm"; }

    TbsSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TbsSkinData* skinData);
    skin::WindowState State() const { return m_state.State(); }
    const skin::CaptionButtons& Buttons() const { return m_buttons; }
    void Perform(skin::FrameAction action);
    void OpenSystemMenu(gfx::Point windowPoint);

    // SkinListener: attaching builds the frame objects and the layout for the present size.
    void SkinLoaded() override;
    void SkinGone() override;

    // FrameOwner
    bool Skinned() const override;
    gfx::Rect Margins() const override;
    gfx::Size MinimumSize() const override;
    void PaintClientBackground(gfx::Canvas& canvas, gfx::Size clientSize) override;
    void PaintFrame(gfx::Canvas& canvas, gfx::Size windowSize) override;
    std::vector<gfx::Rect> Shape(gfx::Size windowSize) override;
    FrameHit HitTest(gfx::Point windowPoint, gfx::Size windowSize) override;
    FrameResponse OnFrameMouse(const MouseEvent& event, gfx::Size windowSize) override;
    bool OnHoverTimer(std::optional<gfx::Point> pointer, gfx::Size windowSize) override;
    void OnActivate(bool active) override;
    void OnMoving(bool moving) override;
    bool HoverTimerWanted() const override { return Skinned() && m_buttons.IsActive(); }
    void MaximizeAtStart() override;

    core::Status SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context) override;

private:
    const skin::SkinData& Skin() const { return m_skinData->Skin(); }
    const skin::FrameLayout& Layout(gfx::Size windowSize);
    Form* OwnerForm() const;

    TbsSkinData* m_skinData = nullptr;
    skin::BorderIcons m_icons;
    std::vector<skin::FrameObject> m_objects;
    skin::FrameLayout m_layout;
    bool m_layoutValid = false;
    skin::CaptionButtons m_buttons;
    skin::FrameState m_state;
};

void RegisterFrameClass(ClassRegistry& registry);

} // namespace ui
