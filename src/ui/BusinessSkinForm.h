// The frame component of the main window: holds the frame settings of the description and the skin the
// frame draws from. Portable.
#pragma once

#include "ui/SkinControls.h"

namespace ui {

class TbsBusinessSkinForm : public Component {
public:
    using Component::Component;
    const char* ClassName() const override { return "TbsBusinessSkinForm"; }
    TbsSkinData* SkinData() const { return m_skinData; }
    core::Status SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context) override;

private:
    TbsSkinData* m_skinData = nullptr;
};

void RegisterFrameClass(ClassRegistry& registry);

} // namespace ui
