// The main window TForm1: the background picture, the six buttons and their handlers, and the opening flow
// of the location dialog. Portable: the platform is reached only through the application's host.
#pragma once

#include "ui/BusinessSkinForm.h"
#include "ui/Form.h"
#include "ui/SkinControls.h"
#include "ui/StdControls.h"

#include <string_view>

namespace app {

class TForm1 : public ui::Form {
public:
    TForm1(ui::Application& application, ui::Component* owner);
    const char* ClassName() const override { return "TForm1"; }
    void Loaded() override;

    void FormShow(ui::Component* sender);
    void bsSkinButton1Click(ui::Component* sender);
    void bsSkinButton2Click(ui::Component* sender);
    void bsSkinButton3Click(ui::Component* sender);

    ui::Image* Image1 = nullptr;
    ui::TbsBusinessSkinForm* bsBusinessSkinForm1 = nullptr;
    ui::TbsSkinData* bsSkinData1 = nullptr;
    ui::TbsStoredSkin* bsStoredSkin1 = nullptr;
    ui::TbsSkinButton* bsSkinButton1 = nullptr;
    ui::TbsSkinButton* bsSkinButton2 = nullptr;
    ui::TbsSkinButton* bsSkinButton5 = nullptr;
    ui::TbsSkinButton* bsSkinButton6 = nullptr;
    ui::TbsSkinButton* bsSkinButton7 = nullptr;
    ui::TbsSkinButton* bsSkinButton3 = nullptr;
};

// The application-wide reference to the main window, assigned before its description is read.
inline TForm1* Form1 = nullptr;

std::string_view Unit1Description();

} // namespace app
