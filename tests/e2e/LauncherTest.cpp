// The fixture every end-to-end test starts from. Each test gets its own folder below the test root, so a
// failed test leaves nothing that the next one could trip over.
#include "LauncherTest.h"

#include <cctype>
#include <fstream>
#include <stdexcept>

namespace e2e {
namespace {

constexpr std::wstring_view kShippedExe = L"Setup.exe";
// Sample points of the client area that no button covers.
constexpr POINT kBackgroundSamples[] = {{60, 60}, {200, 360}};

fs::path RequiredFolder(const wchar_t* variable) {
    const std::wstring value = GetEnv(variable);
    return value.empty() ? fs::path() : fs::path(value);
}

// The test's own name as a folder name: "Suite.Name" with anything unusual replaced.
std::wstring TestFolderName() {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::wstring name;
    for (char c : std::string(info->test_suite_name()) + "." + info->name())
        name += std::isalnum(static_cast<unsigned char>(c)) || c == '.' ? static_cast<wchar_t>(c) : L'_';
    return name;
}

// std::filesystem's copy takes every two files for the same one under MinGW (its inode numbers are all
// zero), so files are copied with the system's own call.
void CopyFolder(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(from)) {
        const fs::path target = to / fs::relative(entry.path(), from);
        if (entry.is_directory()) {
            fs::create_directories(target);
        } else if (!CopyFileW(entry.path().c_str(), target.c_str(), FALSE)) {
            throw std::runtime_error("cannot copy " + entry.path().string() + ", error " +
                                     std::to_string(GetLastError()));
        }
    }
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int ExpectedDpi() {
    const std::wstring dpi = GetEnv(L"E2E_DPI");
    return dpi.empty() ? 96 : std::stoi(dpi);
}

void LauncherTest::SetUp() {
    const fs::path dist = RequiredFolder(L"SETUP_DIST_DIR");
    const fs::path root = RequiredFolder(L"E2E_TMP");
    ASSERT_FALSE(dist.empty()) << "SETUP_DIST_DIR must name the program folder (dist/win64) as a Windows path";
    ASSERT_FALSE(root.empty()) << "E2E_TMP must name the test root as a Windows path";
    ASSERT_TRUE(fs::exists(dist / kShippedExe)) << "no Setup.exe in " << dist.string();
    m_testFolder = root / TestFolderName();
    std::error_code ignored;
    fs::remove_all(m_testFolder, ignored);
    m_workingFolder = m_testFolder / L"cwd";
    fs::create_directories(m_workingFolder);
    MakeProgramFolder();
}

void LauncherTest::TearDown() {
    if (m_process) m_process->Kill();
    m_process.reset();
    if (m_testFolder.empty()) return;
    KillProcessesBelow(m_testFolder.native());
    std::error_code ignored;
    fs::remove_all(m_testFolder, ignored);
}

void LauncherTest::MakeProgramFolder(const fs::path& relativeFolder, const std::wstring& exeName) {
    if (!m_programFolder.empty()) fs::remove_all(m_programFolder);
    m_programFolder = m_testFolder / relativeFolder;
    m_exeName = exeName;
    CopyFolder(RequiredFolder(L"SETUP_DIST_DIR"), m_programFolder);
    if (exeName != kShippedExe) fs::rename(m_programFolder / kShippedExe, ExePath());
    WriteWall(SolidJpeg(64, 48, kWallColor));
}

void LauncherTest::WriteWall(const Bytes& bytes) { WriteFile(m_programFolder / L"wall.jpg", bytes); }
void LauncherTest::RemoveWall() { fs::remove(m_programFolder / L"wall.jpg"); }
void LauncherTest::RemoveInstaller() { fs::remove(InstallerPath()); }

void LauncherTest::Start(const StartOptions& options) {
    LaunchOptions launch{ExePath().native(), m_workingFolder.native(), options.environment, options.showCommand};
    if (options.withInstallerRecord) launch.environment.emplace_back(L"INSTDB_RECORD", RecordPath().native());
    std::wstring error;
    m_process = Process::Launch(launch, &error);
    ASSERT_TRUE(m_process.has_value()) << ToUtf8(error);
}

void LauncherTest::StartAndWaitShown(const StartOptions& options) {
    ASSERT_NO_FATAL_FAILURE(Start(options));
    ASSERT_TRUE(WaitUntil([&] { return IsShown(MainWindow()); })) << "the main window (TForm1) never showed";
    ASSERT_TRUE(BringToForeground(MainWindow())) << "the main window did not come to the foreground";
}

HWND LauncherTest::MainWindow() const { return FindTopLevel(m_process->Id(), L"TForm1"); }
HWND LauncherTest::ApplicationWindow() const { return FindTopLevel(m_process->Id(), L"TApplication"); }

HWND LauncherTest::Button(int index) const {
    HWND main = MainWindow();
    return main ? FindChild(main, L"TbsSkinButton", kButtonCaptions[index]) : nullptr;
}

int LauncherTest::FocusedButton() const {
    HWND focus = FocusedWindow(MainWindow());
    for (int i = 0; i < static_cast<int>(std::size(kButtonCaptions)); ++i)
        if (focus != nullptr && focus == Button(i)) return i;
    return -1;
}

bool LauncherTest::WaitForFocus(int index) {
    return WaitUntil([&] { return FocusedButton() == index; });
}

HWND LauncherTest::WaitForMessageBox(Milliseconds timeout) const {
    HWND box = nullptr;
    WaitUntil([&] { return (box = MessageBoxNow()) != nullptr; }, timeout);
    return box;
}

POINT LauncherTest::ClientPoint(int x, int y) const {
    const RECT client = ClientRectOnScreen(MainWindow());
    return {client.left + x, client.top + y};
}

POINT LauncherTest::ButtonCenter(int index) const { return CenterOf(WindowRect(Button(index))); }

Rgb LauncherTest::ClientPixel(int x, int y) const { return ScreenPixel(ClientPoint(x, y)); }

bool LauncherTest::ShowsWallColor(Color color) const {
    const Rgb expected{color.red, color.green, color.blue};
    for (POINT sample : kBackgroundSamples)
        if (!IsNear(ClientPixel(sample.x, sample.y), expected, kJpegTolerance)) return false;
    return true;
}

bool LauncherTest::WaitForWallColor(Color color) const {
    return WaitUntil([&] { return ShowsWallColor(color); });
}

int LauncherTest::InstallerStarts() const { return static_cast<int>(ReadLines(RecordPath().native()).size()); }

bool LauncherTest::WaitForInstallerStarts(int count) const {
    return WaitUntil([&] { return InstallerStarts() >= count; });
}

void LauncherTest96::SetUp() {
    if (ExpectedDpi() != 96) GTEST_SKIP() << "a 96-DPI test; this run is at " << ExpectedDpi() << " DPI";
    LauncherTest::SetUp();
}

}  // namespace e2e
