// The form library's plain controls: the image with its picture, the label and the one-line edit field.
// Portable; the edit field's window is the platform's own edit control.
#pragma once

#include "gfx/Picture.h"
#include "ui/Component.h"
#include "ui/Reader.h"

#include <memory>

namespace ui {

class Image : public Control {
public:
    using Control::Control;
    const char* ClassName() const override { return "TImage"; }
    bool IsWindowed() const override { return false; }

    // Reads the file whole and parses it through the format its extension picks. On failure the previous
    // picture stays and the error is thrown; on success the new picture replaces it and is repainted.
    void LoadFromFile(const std::wstring& path);
    const gfx::Picture* Picture() const { return m_picture.get(); }
    void Paint(gfx::Canvas& canvas) override;
    core::Status SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context) override;

private:
    std::unique_ptr<gfx::Picture> m_picture;
    bool m_stretch = false;
};

class Label : public Control {
public:
    using Control::Control;
    const char* ClassName() const override { return "TLabel"; }
    bool IsWindowed() const override { return false; }
    void Loaded() override;
    void Paint(gfx::Canvas& canvas) override;
    core::Status SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context) override;

private:
    bool m_autoSize = true;
};

class Edit : public Control {
public:
    explicit Edit(Component* owner);
    const char* ClassName() const override { return "TEdit"; }
    bool CanTakeFocus() const override { return true; }
    std::wstring Text() const;
};

void RegisterStandardClasses(ClassRegistry& registry);

} // namespace ui
