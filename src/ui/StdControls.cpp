// The image, label and edit controls.
#include "ui/StdControls.h"

#include "core/Text.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {

void Image::LoadFromFile(const std::wstring& path)
{
    Form* form = ParentForm();
    if (!form) {
        throw Error("Image has no window");
    }
    Application& app = form->App();
    auto picture = app.PictureFormats().CreateFor(path);
    if (!picture) {
        throw Error(picture.ErrorMessage());
    }
    auto bytes = app.GetHost().ReadWholeFile(path);
    if (!bytes) {
        throw Error(bytes.ErrorMessage());
    }
    std::unique_ptr<gfx::Picture> loaded = picture.TakeValue();
    if (auto status = loaded->Load(bytes.TakeValue()); !status) {
        throw Error(status.ErrorMessage());
    }
    m_picture = std::move(loaded);
    Invalidate();
}

// Stretched to exactly the control's size; a decoding error surfaces once, from the first drawing.
void Image::Paint(gfx::Canvas& canvas)
{
    if (!m_picture) {
        return;
    }
    Form* form = ParentForm();
    gfx::DrawContext context;
    if (form) {
        context.displayBitsPerPixel = form->App().GetHost().DisplayBitsPerPixel();
    }
    const gfx::Size size = ClientSize();
    const gfx::Rect dst = m_stretch ? gfx::Rect{0, 0, size.width, size.height}
                                    : gfx::Rect::FromSize(0, 0, m_picture->GetSize().width, m_picture->GetSize().height);
    if (auto status = m_picture->Draw(canvas.Target(), dst, context); !status) {
        throw Error(status.ErrorMessage());
    }
}

core::Status Image::SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context)
{
    if (name == "Stretch") {
        return ReadBoolean(value, m_stretch);
    }
    if (name == "Transparent" || name == "Center" || name == "Proportional" || name == "AutoSize" ||
        name == "IncrementalDisplay") {
        return core::Success(); // a JPEG picture is opaque; the other settings keep their defaults here
    }
    return Control::SetProperty(name, value, context);
}

void Label::Loaded()
{
    Form* form = ParentForm();
    if (m_autoSize && form) {
        const gfx::Size text = form->App().GetHost().MeasureText(GetFont(), Caption());
        const gfx::Rect b = Bounds();
        SetBounds(gfx::Rect::FromSize(b.left, b.top, text.width, text.height));
    }
}

void Label::Paint(gfx::Canvas& canvas)
{
    const gfx::BitmapView target = canvas.Target();
    canvas.DrawText(GetFont(), Caption(), {0, 0}, gfx::Rgb(0, 0, 0), {0, 0, target.width, target.height});
}

core::Status Label::SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context)
{
    if (name == "AutoSize") {
        return ReadBoolean(value, m_autoSize);
    }
    return Control::SetProperty(name, value, context);
}

Edit::Edit(Component* owner) : Control(owner) { SetTabStop(true); }

std::wstring Edit::Text() const { return Peer() ? Peer()->Text() : Caption(); }

void RegisterStandardClasses(ClassRegistry& registry)
{
    registry.Register("TImage", [](Component* owner) { return std::make_unique<Image>(owner); });
    registry.Register("TLabel", [](Component* owner) { return std::make_unique<Label>(owner); });
    registry.Register("TEdit", [](Component* owner) { return std::make_unique<Edit>(owner); });
}

} // namespace ui
