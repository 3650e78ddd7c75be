// Stand-in for the database installer that ships in data\InstDB.exe: it only announces that it was started.
// Record mode for the end-to-end tests: with INSTDB_RECORD=<file> set, it appends one UTF-8 line
// "<full command line><TAB><current directory>\n" to that file and exits at once with code 0, showing nothing.
#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kRecordVariable[] = L"INSTDB_RECORD";

std::wstring EnvironmentValue(const wchar_t* name)
{
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return {};
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

std::wstring CurrentDirectory()
{
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring value(size, L'\0');
    value.resize(GetCurrentDirectoryW(size, value.data()));
    return value;
}

std::string ToUtf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

// One WriteFile on a handle opened for appending only, so lines from installers started together never mix.
int Record(const std::wstring& recordFile)
{
    const std::string line = ToUtf8(GetCommandLineW()) + '\t' + ToUtf8(CurrentDirectory()) + '\n';
    HANDLE file = CreateFileW(recordFile.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, line.data(), DWORD(line.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == line.size() ? 0 : 1;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    if (const std::wstring recordFile = EnvironmentValue(kRecordVariable); !recordFile.empty())
        return Record(recordFile);
    MessageBoxW(nullptr, L"数据库安装程序已启动。\n\nThe database installer was started.", L"InstDB",
                MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
    return 0;
}
