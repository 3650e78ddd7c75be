// End-to-end test that the launcher loads no DLL planted beside it or in its current directory: canary
// DLLs under names programs commonly look for write a marker file when anything loads them. Under Wine this
// needs the run's WINEDLLOVERRIDES to prefer native DLLs under those names (scripts/e2e.sh sets it).
#include "LauncherTest.h"

namespace e2e {
namespace {

std::vector<fs::path> CanaryDlls() {
    const std::wstring folder = GetEnv(L"SETUP_CANARY_DIR");
    std::vector<fs::path> dlls;
    if (folder.empty() || !fs::is_directory(folder)) return dlls;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == L".dll" || entry.path().extension() == L".DLL") dlls.push_back(entry.path());
    return dlls;
}

// Proves the canaries work here: one loaded into this process must leave its marker.
bool CanaryLeavesMarker(const std::vector<fs::path>& dlls, const fs::path& marker) {
    for (const fs::path& dll : dlls) {
        if (GetModuleHandleW(dll.filename().c_str()) != nullptr) continue;  // a system DLL of that name is in use
        SetEnvironmentVariableW(L"CANARY_MARKER", marker.c_str());
        HMODULE module = LoadLibraryExW(dll.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        SetEnvironmentVariableW(L"CANARY_MARKER", nullptr);
        if (module != nullptr) FreeLibrary(module);
        return fs::exists(marker);
    }
    return false;
}

class DllPlantingTest : public LauncherTest96 {};

TEST_F(DllPlantingTest, LoadsNoDllFromItsFolderOrCurrentDirectory) {
    const std::vector<fs::path> dlls = CanaryDlls();
    ASSERT_FALSE(dlls.empty()) << "SETUP_CANARY_DIR must name a folder of canary DLLs";
    ASSERT_TRUE(CanaryLeavesMarker(dlls, TestFolder() / L"control-marker.txt")) << "the canary DLLs leave no marker";
    for (const fs::path& dll : dlls) {
        ASSERT_TRUE(CopyFileW(dll.c_str(), (ProgramFolder() / dll.filename()).c_str(), FALSE));
        ASSERT_TRUE(CopyFileW(dll.c_str(), (WorkingFolder() / dll.filename()).c_str(), FALSE));
    }
    RemoveInstaller();
    const fs::path marker = TestFolder() / L"marker.txt";

    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown({.environment = {{L"CANARY_MARKER", marker.native()}}}));
    ASSERT_TRUE(WaitForFocus(kInstallButton));
    PressKey(VK_RETURN);  // the shell looks for the missing installer
    Click(ButtonCenter(kExitButton));
    ASSERT_TRUE(Launcher().WaitForExit());
    std::string loaded;
    for (const std::wstring& line : ReadLines(marker.native())) loaded.append(" ").append(ToUtf8(line));
    EXPECT_FALSE(fs::exists(marker)) << "planted DLLs were loaded:" << loaded;
}

}  // namespace
}  // namespace e2e
