// The main window's handlers and the opening flow of the location dialog.
#include "app/Unit1.h"

#include "app/Unit2.h"
#include "ui/Application.h"

extern "C" const unsigned char Unit1Description_data[];
extern "C" const unsigned char Unit1Description_data_end[];

namespace app {

std::string_view Unit1Description()
{
    return {reinterpret_cast<const char*>(Unit1Description_data),
            static_cast<size_t>(Unit1Description_data_end - Unit1Description_data)};
}

TForm1::TForm1(ui::Application& application, ui::Component* owner) : ui::Form(application, owner)
{
    RegisterHandler(L"bsSkinButton3Click", [this](ui::Component* sender) { bsSkinButton3Click(sender); });
    RegisterHandler(L"bsSkinButton1Click", [this](ui::Component* sender) { bsSkinButton1Click(sender); });
    RegisterHandler(L"bsSkinButton2Click", [this](ui::Component* sender) { bsSkinButton2Click(sender); });
    RegisterHandler(L"FormShow", [this](ui::Component* sender) { FormShow(sender); });
}

void TForm1::Loaded()
{
    auto find = [this]<typename T>(T*& field, const wchar_t* name) { field = FindComponentAs<T>(name); };
    find(Image1, L"Image1");
    find(bsBusinessSkinForm1, L"bsBusinessSkinForm1");
    find(bsSkinData1, L"bsSkinData1");
    find(bsStoredSkin1, L"bsStoredSkin1");
    find(bsSkinButton1, L"bsSkinButton1");
    find(bsSkinButton2, L"bsSkinButton2");
    find(bsSkinButton5, L"bsSkinButton5");
    find(bsSkinButton6, L"bsSkinButton6");
    find(bsSkinButton7, L"bsSkinButton7");
    find(bsSkinButton3, L"bsSkinButton3");
    ui::Form::Loaded();
}

void TForm1::FormShow(ui::Component*)
{
    Image1->LoadFromFile(App().ProgramFolder() + L"wall.jpg");
}

void TForm1::bsSkinButton1Click(ui::Component*)
{
    App().GetHost().ShellOpen(App().ProgramFolder() + L"data\\InstDB.exe");
}

void TForm1::bsSkinButton3Click(ui::Component*) { Close(); }

// The main window hides, a new dialog is shown modally, and whatever happens in between the dialog is
// destroyed, Form2 cleared and the main window shown again before an error goes on to the error handler.
void TForm1::bsSkinButton2Click(ui::Component*)
{
    struct Finally {
        TForm1& form;
        ~Finally()
        {
            if (Form2) {
                TForm2* dialog = Form2;
                Form2 = nullptr;
                form.Release(dialog).reset();
            }
            form.Show();
        }
    } finally{*this};

    Hide();
    if (!Form2) {
        auto dialog = std::make_unique<TForm2>(App(), this);
        dialog->Load(Unit2Description());
        Form2 = static_cast<TForm2*>(Adopt(std::move(dialog)));
    }
    Form2->ShowModal();
}

} // namespace app
