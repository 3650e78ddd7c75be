// The skin definition's INI reader and its value forms. Linear in the input: every line is looked at once and
// lookups go through hash maps. Portable: no platform headers.
#include "skin/Ini.h"

#include "core/Text.h"

#include <array>
#include <cstdint>

namespace skin {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::string_view SkipBom(std::string_view text)
{
    return text.starts_with(kUtf8Bom) ? text.substr(kUtf8Bom.size()) : text;
}

// Splits "a,b,c" into exactly N trimmed parts; false when the count differs.
template <size_t N>
bool SplitCommas(std::string_view text, std::array<std::string_view, N>& parts)
{
    size_t index = 0;
    while (true) {
        const size_t comma = text.find(',');
        if (index == N) {
            return false;
        }
        parts[index++] = Trim(text.substr(0, comma));
        if (comma == std::string_view::npos) {
            return index == N;
        }
        text.remove_prefix(comma + 1);
    }
}

template <size_t N>
std::optional<std::array<int, N>> ParseNonNegativeList(std::string_view text)
{
    std::array<std::string_view, N> parts;
    if (!SplitCommas(text, parts)) {
        return std::nullopt;
    }
    std::array<int, N> values{};
    for (size_t i = 0; i < N; ++i) {
        const auto value = ParseInteger(parts[i]);
        if (!value || *value < 0) {
            return std::nullopt;
        }
        values[i] = *value;
    }
    return values;
}

} // namespace

std::optional<int> ParseInteger(std::string_view text)
{
    const bool negative = text.starts_with('-');
    if (negative) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // The magnitude may reach 2^31 for the most negative value; anything larger is out of range.
    constexpr int64_t kLimit = int64_t(1) << 31;
    int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLimit) {
            return std::nullopt;
        }
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<gfx::Point> ParsePoint(std::string_view text)
{
    const auto v = ParseNonNegativeList<2>(text);
    if (!v) {
        return std::nullopt;
    }
    return gfx::Point{(*v)[0], (*v)[1]};
}

std::optional<gfx::Rect> ParseRect(std::string_view text)
{
    const auto v = ParseNonNegativeList<4>(text);
    if (!v) {
        return std::nullopt;
    }
    return gfx::Rect{(*v)[0], (*v)[1], (*v)[2], (*v)[3]};
}

gfx::FontStyle ParseFontStyle(std::string_view text)
{
    struct Word {
        std::string_view name;
        gfx::FontStyle style;
    };
    static constexpr Word kWords[] = {{"fsbold", gfx::FontStyle::Bold},
                                      {"fsitalic", gfx::FontStyle::Italic},
                                      {"fsunderline", gfx::FontStyle::Underline},
                                      {"fsstrikeout", gfx::FontStyle::StrikeOut}};
    gfx::FontStyle style = gfx::FontStyle::Regular;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view word = Trim(text.substr(0, comma));
        for (const Word& w : kWords) {
            if (core::EqualsIgnoreAsciiCase(word, w.name)) {
                style = style | w.style;
            }
        }
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    }
    return style;
}

std::optional<Alignment> ParseAlignment(std::string_view text)
{
    if (core::EqualsIgnoreAsciiCase(text, "taleftjustify")) {
        return Alignment::Left;
    }
    if (core::EqualsIgnoreAsciiCase(text, "tacenter")) {
        return Alignment::Center;
    }
    if (core::EqualsIgnoreAsciiCase(text, "tarightjustify")) {
        return Alignment::Right;
    }
    return std::nullopt;
}

std::optional<Command> ParseCommand(std::string_view text)
{
    struct Word {
        std::string_view name;
        Command command;
    };
    static constexpr Word kWords[] = {{"cmclose", Command::Close},     {"cmmaximize", Command::Maximize},
                                      {"cmminimize", Command::Minimize}, {"cmsysmenu", Command::SysMenu},
                                      {"cmrollup", Command::RollUp},   {"cmdefault", Command::Default}};
    for (const Word& w : kWords) {
        if (core::EqualsIgnoreAsciiCase(text, w.name)) {
            return w.command;
        }
    }
    return std::nullopt;
}

void IniSection::Add(std::string key, std::string value)
{
    m_firstByKey.try_emplace(core::AsciiLower(key), m_entries.size());
    m_entries.push_back({std::move(key), std::move(value)});
}

const std::string* IniSection::Find(std::string_view key) const
{
    const auto it = m_firstByKey.find(core::AsciiLower(key));
    return it == m_firstByKey.end() ? nullptr : &m_entries[it->second].value;
}

std::string IniSection::GetString(std::string_view key, std::string_view fallback) const
{
    const std::string* value = Find(key);
    return value ? *value : std::string(fallback);
}

int IniSection::GetInteger(std::string_view key, int fallback) const
{
    const std::string* value = Find(key);
    return value ? ParseInteger(*value).value_or(fallback) : fallback;
}

uint32_t IniSection::GetColor(std::string_view key, uint32_t fallback) const
{
    const std::string* value = Find(key);
    const auto number = value ? ParseInteger(*value) : std::nullopt;
    return number ? static_cast<uint32_t>(*number) : fallback;
}

bool IniSection::GetFlag(std::string_view key) const { return GetInteger(key, 0) == 1; }

gfx::Point IniSection::GetPoint(std::string_view key, gfx::Point fallback) const
{
    const std::string* value = Find(key);
    return value ? ParsePoint(*value).value_or(fallback) : fallback;
}

gfx::Rect IniSection::GetRect(std::string_view key, gfx::Rect fallback) const
{
    const std::string* value = Find(key);
    return value ? ParseRect(*value).value_or(fallback) : fallback;
}

gfx::FontStyle IniSection::GetFontStyle(std::string_view key) const
{
    const std::string* value = Find(key);
    return value ? ParseFontStyle(*value) : gfx::FontStyle::Regular;
}

Alignment IniSection::GetAlignment(std::string_view key, Alignment fallback) const
{
    const std::string* value = Find(key);
    return value ? ParseAlignment(*value).value_or(fallback) : fallback;
}

Command IniSection::GetCommand(std::string_view key) const
{
    const std::string* value = Find(key);
    return value ? ParseCommand(*value).value_or(Command::Default) : Command::Default;
}

std::string IniSection::GetFontName(std::string_view key) const
{
    const std::string* value = Find(key);
    return value && !value->empty() ? *value : std::string("Arial");
}

IniFile IniFile::Parse(std::string_view text)
{
    IniFile ini;
    text = SkipBom(text);
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        ini.AddLine(text.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return ini;
}

IniFile IniFile::FromLines(const std::vector<std::string>& lines)
{
    IniFile ini;
    for (size_t i = 0; i < lines.size(); ++i) {
        ini.AddLine(i == 0 ? SkipBom(lines[i]) : std::string_view(lines[i]));
    }
    return ini;
}

const IniSection* IniFile::FindSection(std::string_view name) const
{
    const auto it = m_firstByName.find(core::AsciiLower(name));
    return it == m_firstByName.end() ? nullptr : &m_sections[it->second];
}

void IniFile::AddLine(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() == ';') {
        return;
    }
    if (line.front() == '[') {
        const size_t close = line.find(']');
        if (close != std::string_view::npos) {
            AddSection(Trim(line.substr(1, close - 1)));
        }
        return;
    }
    const size_t equals = line.find('=');
    if (m_sections.empty() || equals == std::string_view::npos) {
        return;
    }
    const std::string_view key = Trim(line.substr(0, equals));
    if (!key.empty()) {
        m_sections.back().Add(std::string(key), std::string(Trim(line.substr(equals + 1))));
    }
}

void IniFile::AddSection(std::string_view name)
{
    m_firstByName.try_emplace(core::AsciiLower(name), m_sections.size());
    m_sections.emplace_back(std::string(name));
}

} // namespace skin
