// The installation-location dialog TForm2: read from its own description each time one is created.
// Portable.
#pragma once

#include "ui/Form.h"
#include "ui/SkinControls.h"
#include "ui/StdControls.h"

#include <string_view>

namespace app {

class TForm2 : public ui::Form {
public:
    TForm2(ui::Application& application, ui::Component* owner);
    const char* ClassName() const override { return "TForm2"; }
    void Loaded() override;

    void bsSkinButton2Click(ui::Component* sender);

    ui::TbsSkinGauge* bsSkinGauge1 = nullptr;
    ui::TbsSkinPanel* bsSkinPanel1 = nullptr;
    ui::Label* Label1 = nullptr;
    ui::Edit* Edit1 = nullptr;
    ui::TbsSkinButton* bsSkinButton1 = nullptr;
    ui::TbsSkinButton* bsSkinButton2 = nullptr;
};

// Empty whenever no dialog exists.
inline TForm2* Form2 = nullptr;

std::string_view Unit2Description();

} // namespace app
