/* A DLL that announces being loaded: on process attach it appends its own path to the file named by the
   environment variable CANARY_MARKER. Copies under common system DLL names catch DLL search-path planting. */
#include <windows.h>

static void AppendMarker(HINSTANCE self)
{
    wchar_t marker[MAX_PATH];
    wchar_t path[MAX_PATH];
    DWORD length = GetEnvironmentVariableW(L"CANARY_MARKER", marker, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    DWORD pathLength = GetModuleFileNameW(self, path, MAX_PATH);
    HANDLE file = CreateFileW(marker, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    char line[MAX_PATH * 3 + 2];
    int bytes = WideCharToMultiByte(CP_UTF8, 0, path, (int)pathLength, line, MAX_PATH * 3, NULL, NULL);
    line[bytes] = '\n';
    DWORD written = 0;
    WriteFile(file, line, (DWORD)bytes + 1, &written, NULL);
    CloseHandle(file);
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        AppendMarker(self);
    return TRUE;
}
