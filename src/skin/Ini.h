// The skin definition's INI reader: sections and key=value entries in order, looked up without regard to ASCII
// case, and the typed value forms the skin uses. Portable: depends on gfx geometry and font styles only.
#pragma once

#include "gfx/Canvas.h"
#include "gfx/Geometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace skin {

enum class Alignment { Left, Center, Right };

// A caption button's action; Default is none of the window actions.
enum class Command { Close, Maximize, Minimize, SysMenu, RollUp, Default };

// Value forms. Each parser takes an already trimmed value and returns nothing for anything it does not fully
// accept, so that the caller's default applies.
std::optional<int> ParseInteger(std::string_view text);         // decimal, optional "-", signed 32-bit
std::optional<gfx::Point> ParsePoint(std::string_view text);    // "x,y", non-negative
std::optional<gfx::Rect> ParseRect(std::string_view text);      // "l,t,r,b", non-negative
gfx::FontStyle ParseFontStyle(std::string_view text);           // "fsbold,fsitalic,..."; unknown words ignored
std::optional<Alignment> ParseAlignment(std::string_view text); // "taleftjustify", "tacenter", "tarightjustify"
std::optional<Command> ParseCommand(std::string_view text);     // "cmclose", ..., "cmdefault"

struct IniEntry {
    std::string key;
    std::string value;
};

class IniSection {
public:
    explicit IniSection(std::string name) : m_name(std::move(name)) {}

    const std::string& Name() const { return m_name; }
    const std::vector<IniEntry>& Entries() const { return m_entries; }
    void Add(std::string key, std::string value);
    // The first entry of that key, as the platform's INI reading finds it; nullptr when missing.
    const std::string* Find(std::string_view key) const;

    std::string GetString(std::string_view key, std::string_view fallback = {}) const;
    int GetInteger(std::string_view key, int fallback) const;
    int GetPictureIndex(std::string_view key) const { return GetInteger(key, -1); }
    uint32_t GetColor(std::string_view key, uint32_t fallback = 0) const; // COLORREF: red in the low byte
    bool GetFlag(std::string_view key) const;                              // set only when the value is 1
    gfx::Point GetPoint(std::string_view key, gfx::Point fallback = {}) const;
    gfx::Rect GetRect(std::string_view key, gfx::Rect fallback = {}) const;
    gfx::FontStyle GetFontStyle(std::string_view key) const;
    Alignment GetAlignment(std::string_view key, Alignment fallback = Alignment::Center) const;
    Command GetCommand(std::string_view key) const;
    std::string GetFontName(std::string_view key) const; // UTF-8; "Arial" when missing or empty
    int GetFontHeight(std::string_view key) const { return GetInteger(key, 14); }

private:
    std::string m_name;
    std::vector<IniEntry> m_entries;
    std::unordered_map<std::string, size_t> m_firstByKey; // lower-case key -> index into m_entries
};

// Lines are read one by one:
//  - surrounding blanks (space, tab, CR, LF, VT, FF) are trimmed; empty lines and lines starting with ';' are
//    skipped and do not end a section;
//  - "[name]" opens a section; the name is what lies between '[' and the first ']', trimmed; text after the ']'
//    is ignored. A line starting with '[' that has no ']' is ignored entirely (it neither opens a section nor
//    becomes a key);
//  - "key=value" splits at the first '='; key and value are trimmed; an empty key is ignored;
//  - lines without '=' and lines before the first section are ignored.
// NUL bytes are ordinary characters. A UTF-8 byte-order mark at the very start is skipped. Line ends may be
// CRLF, LF or CR. Duplicate sections and keys are kept in order, but lookups find the first.
class IniFile {
public:
    static IniFile Parse(std::string_view text);
    static IniFile FromLines(const std::vector<std::string>& lines);

    const std::vector<IniSection>& Sections() const { return m_sections; }
    const IniSection* FindSection(std::string_view name) const;

private:
    void AddLine(std::string_view line);
    void AddSection(std::string_view name);

    std::vector<IniSection> m_sections;
    std::unordered_map<std::string, size_t> m_firstByName; // lower-case name -> index into m_sections
};

} // namespace skin
