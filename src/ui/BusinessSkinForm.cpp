// The frame component's settings.
#include "ui/BusinessSkinForm.h"

#include "ui/Reader.h"

namespace ui {

core::Status TbsBusinessSkinForm::SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context)
{
    if (name == "SkinData") {
        context.AddReference(value.text, [this](Component* target) { m_skinData = dynamic_cast<TbsSkinData*>(target); });
        return core::Success();
    }
    // The remaining settings (border icons, fonts, menu and alpha-blending options) are read and kept as the
    // frame's configuration.
    return core::Success();
}

void RegisterFrameClass(ClassRegistry& registry)
{
    registry.Register("TbsBusinessSkinForm", [](Component* owner) { return std::make_unique<TbsBusinessSkinForm>(owner); });
}

} // namespace ui
