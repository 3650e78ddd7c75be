// The process entry: protect the DLL search path before anything else, then run the program.
#include "app/Project1.h"
#include "platform/win32/Win32Host.h"

namespace {

// Only the system folder may supply DLLs; the program folder and the current directory never do. Looked up
// at run time because older systems lack the call.
void RestrictDllSearch()
{
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefault) {
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    SetDllDirectoryW(L"");
}

ui::ShowCommand ShowCommandOf(int command)
{
    switch (command) {
    case SW_SHOWMAXIMIZED: return ui::ShowCommand::Maximized;
    case SW_SHOWMINNOACTIVE: return ui::ShowCommand::MinimizedNoActivate;
    default: return ui::ShowCommand::Normal;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    RestrictDllSearch();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    if (startup.dwFlags & STARTF_USESHOWWINDOW) {
        showCommand = startup.wShowWindow;
    }
    win32::Win32Host host(instance, showCommand);
    return app::RunProgram(host, ShowCommandOf(showCommand));
}
