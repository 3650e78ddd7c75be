// The location dialog: its one handler closes it.
#include "app/Unit2.h"

extern "C" const unsigned char Unit2Description_data[];
extern "C" const unsigned char Unit2Description_data_end[];

namespace app {

std::string_view Unit2Description()
{
    return {reinterpret_cast<const char*>(Unit2Description_data),
            static_cast<size_t>(Unit2Description_data_end - Unit2Description_data)};
}

TForm2::TForm2(ui::Application& application, ui::Component* owner) : ui::Form(application, owner)
{
    RegisterHandler(L"bsSkinButton2Click", [this](ui::Component* sender) { bsSkinButton2Click(sender); });
}

void TForm2::Loaded()
{
    auto find = [this]<typename T>(T*& field, const wchar_t* name) { field = FindComponentAs<T>(name); };
    find(bsSkinGauge1, L"bsSkinGauge1");
    find(bsSkinPanel1, L"bsSkinPanel1");
    find(Label1, L"Label1");
    find(Edit1, L"Edit1");
    find(bsSkinButton1, L"bsSkinButton1");
    find(bsSkinButton2, L"bsSkinButton2");
    ui::Form::Loaded();
}

void TForm2::bsSkinButton2Click(ui::Component*) { Close(); }

} // namespace app
