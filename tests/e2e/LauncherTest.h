// The fixture every end-to-end test starts from: a fresh copy of the program folder in its own temporary
// folder, the launcher started from it, and ways to find the launcher's windows and what it started.
#pragma once

#include "Driver.h"
#include "PictureFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace e2e {

namespace fs = std::filesystem;

// Captions of the main window's buttons, top to bottom, which is also their tab order.
inline constexpr std::wstring_view kButtonCaptions[] = {
    L"安装数据库", L"安装数据库组件(windows98/95)", L"安装zovudeve", L"我们的网站", L"联系我们", L"离  开",
};
inline constexpr std::wstring_view kMainCaption = L"软件安装";
inline constexpr int kInstallButton = 0;
inline constexpr int kExitButton = 5;

// The background the tests install: a colour no skin uses, easy to tell from the plain client area.
inline constexpr Color kWallColor{200, 40, 120};
inline constexpr int kJpegTolerance = 24;

// The display density the run is meant for: 96 unless E2E_DPI says otherwise (the 144-DPI prefix).
int ExpectedDpi();

struct StartOptions {
    WORD showCommand = SW_SHOWNORMAL;
    bool withInstallerRecord = true;
    std::vector<std::pair<std::wstring, std::wstring>> environment;
};

class LauncherTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lays out the program folder below the test's folder. The relative folder may hold spaces and
    // Chinese characters; the executable may be renamed.
    void MakeProgramFolder(const fs::path& relativeFolder = L"program", const std::wstring& exeName = L"Setup.exe");
    void WriteWall(const Bytes& bytes);
    void RemoveWall();
    void RemoveInstaller();

    // Starts the launcher with the working folder as its current directory.
    void Start(const StartOptions& options = {});
    // Starts and waits until the main window is shown, in the foreground, with the picture loaded.
    void StartAndWaitShown(const StartOptions& options = {});

    HWND MainWindow() const;         // class TForm1, shown or not
    HWND ApplicationWindow() const;  // class TApplication
    HWND Button(int index) const;
    int FocusedButton() const;       // index into kButtonCaptions, -1 for anything else
    bool WaitForFocus(int index);
    HWND WaitForMessageBox(Milliseconds timeout = kTimeout) const;
    HWND MessageBoxNow() const { return FindMessageBox(m_process->Id()); }

    POINT ClientPoint(int x, int y) const;  // a point of the main window's client area, on the screen
    POINT ButtonCenter(int index) const;
    Rgb ClientPixel(int x, int y) const;
    // Whether the background picture of that colour shows in the client area now, or once it does.
    bool ShowsWallColor(Color color = kWallColor) const;
    bool WaitForWallColor(Color color = kWallColor) const;

    int InstallerStarts() const;
    bool WaitForInstallerStarts(int count) const;

    const fs::path& TestFolder() const { return m_testFolder; }
    const fs::path& ProgramFolder() const { return m_programFolder; }
    const fs::path& WorkingFolder() const { return m_workingFolder; }
    fs::path ExePath() const { return m_programFolder / m_exeName; }
    fs::path InstallerPath() const { return m_programFolder / L"data" / L"InstDB.exe"; }
    fs::path RecordPath() const { return m_testFolder / L"installer-starts.txt"; }
    Process& Launcher() { return *m_process; }

private:
    fs::path m_testFolder;
    fs::path m_programFolder;
    fs::path m_workingFolder;
    std::wstring m_exeName;
    std::optional<Process> m_process;
};

// Fixtures for the runs at 96 DPI; the 144-DPI run skips them.
class LauncherTest96 : public LauncherTest {
protected:
    void SetUp() override;
};

}  // namespace e2e
