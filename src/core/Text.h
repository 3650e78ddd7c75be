// Text helpers shared by the core: UTF-8 <-> wide conversion and ASCII case rules. No platform headers;
// wchar_t is UTF-16 on Windows and UTF-32 on Linux, and both are handled.
#pragma once

#include <string>
#include <string_view>

namespace core {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

wchar_t AsciiLower(wchar_t c);
char AsciiLower(char c);
std::string AsciiLower(std::string_view text);
std::wstring AsciiLower(std::wstring_view text);
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);
bool EqualsIgnoreAsciiCase(std::wstring_view a, std::wstring_view b);

} // namespace core
