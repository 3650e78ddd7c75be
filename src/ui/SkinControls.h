// The skin library's components: the stored skin, the skin, the skinned push button, panel and gauge, and
// the frame component of the main window. A skinned control draws from the element its SkinDataName names
// once its SkinData holds a loaded skin; until then it draws a plain stand-in look. Portable.
#pragma once

#include "ui/ButtonBehavior.h"
#include "ui/Component.h"
#include "ui/Reader.h"

#include <memory>
#include <string>
#include <vector>

namespace skin {
class SkinData;
struct Element;
}

namespace ui {

// Told when the skin it listens to has been loaded (or emptied).
class SkinListener {
public:
    virtual ~SkinListener() = default;
    virtual void SkinLoaded() = 0;
    virtual void SkinGone() = 0;
};

class TbsStoredSkin : public Component {
public:
    using Component::Component;
    const char* ClassName() const override { return "TbsStoredSkin"; }
    const std::wstring& FileName() const { return m_fileName; }
    const std::vector<std::string>& IniStrings() const { return m_iniStrings; } // UTF-8 lines
    const std::vector<uint8_t>& Pictures() const { return m_pictures; }
    core::Status SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context) override;

private:
    std::wstring m_fileName;
    std::vector<std::string> m_iniStrings;
    std::vector<uint8_t> m_pictures;
};

class TbsSkinData : public Component {
public:
    explicit TbsSkinData(Component* owner);
    ~TbsSkinData() override;
    const char* ClassName() const override { return "TbsSkinData"; }

    // Assigning the stored skin loads the skin from it at once and tells the controls that draw from it.
    void SetStoredSkin(TbsStoredSkin* stored);
    const skin::SkinData& Skin() const { return *m_skin; }
    bool Loaded() const;
    const skin::Element* FindElement(const std::wstring& name) const;

    void AddListener(SkinListener& listener);
    void RemoveListener(SkinListener& listener);
    core::Status SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context) override;

private:
    std::unique_ptr<skin::SkinData> m_skin;
    std::vector<SkinListener*> m_listeners;
};

// The common part of the skinned push button, panel and gauge: skin reference, element and size rule.
class SkinnedControl : public Control, public SkinListener {
public:
    explicit SkinnedControl(Component* owner);
    ~SkinnedControl() override;

    void SetSkinData(TbsSkinData* skinData);
    TbsSkinData* SkinData() const { return m_skinData; }
    const skin::Element* Element() const { return m_element; }
    // Finds the element again and applies its size rule to the present size.
    void Bind();
    void SkinLoaded() override { Bind(); }
    void SkinGone() override;
    gfx::Size AdjustSize(gfx::Size requested) override;
    core::Status SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context) override;

protected:
    gfx::Font SkinFont() const;

private:
    TbsSkinData* m_skinData = nullptr;
    std::wstring m_skinDataName;
    const skin::Element* m_element = nullptr;
};

class TbsSkinButton : public SkinnedControl {
public:
    explicit TbsSkinButton(Component* owner);
    const char* ClassName() const override { return "TbsSkinButton"; }
    bool CanTakeFocus() const override { return m_canFocused; }
    ButtonLook Look() const { return m_behavior.Look(); }

    void Click();
    void Paint(gfx::Canvas& canvas) override;
    void OnMouse(const MouseEvent& event) override;
    bool OnKey(const KeyEvent& event) override;
    void OnFocusChanged(bool focused) override;
    core::Status SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context) override;

private:
    void Apply(const ButtonBehavior::Outcome& outcome);

    ButtonBehavior m_behavior;
    Handler m_onClick;
    int m_modalResult = 0;
    bool m_canFocused = true;
};

class TbsSkinPanel : public SkinnedControl {
public:
    using SkinnedControl::SkinnedControl;
    const char* ClassName() const override { return "TbsSkinPanel"; }
    void Paint(gfx::Canvas& canvas) override;
    core::Status SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context) override;
};

class TbsSkinGauge : public SkinnedControl {
public:
    using SkinnedControl::SkinnedControl;
    const char* ClassName() const override { return "TbsSkinGauge"; }
    void Paint(gfx::Canvas& canvas) override;
    int Value() const { return m_value; }
    core::Status SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context) override;

private:
    int m_minValue = 0;
    int m_maxValue = 100;
    int m_value = 0;
};

void RegisterSkinClasses(ClassRegistry& registry);

} // namespace ui
