// The program entry in the order the program starts up.
#include "app/Project1.h"

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "gfx/JpegPicture.h"
#include "ui/Application.h"
#include "ui/BusinessSkinForm.h"

namespace app {

int RunProgram(ui::Host& host, ui::ShowCommand command)
{
    ui::Application application(host);
    gfx::RegisterFormLibraryFormats(application.PictureFormats());
    gfx::RegisterJpegFormat(application.PictureFormats());
    ui::RegisterStandardClasses(application.Classes());
    ui::RegisterSkinClasses(application.Classes());
    ui::RegisterFrameClass(application.Classes());

    auto mainWindow = std::make_unique<TForm1>(application, nullptr);
    Form1 = mainWindow.get();
    try {
        mainWindow->Load(Unit1Description());
        application.Run(command);
    } catch (const std::exception& error) {
        application.HandleException(error);
    }
    mainWindow.reset();
    Form1 = nullptr;
    return 0;
}

} // namespace app
