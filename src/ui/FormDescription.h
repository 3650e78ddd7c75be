// Form descriptions: the text that lists a window's components in creation order with their properties and
// the names of the handlers bound to their events. This file only parses the text into a tree; ui/Reader
// turns the tree into live components. Portable.
#pragma once

#include "core/Result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct PropertyValue {
    enum class Kind { Integer, String, Identifier, Set, List, Binary };
    Kind kind = Kind::Integer;
    int64_t integer = 0;
    std::wstring text;               // String, Identifier
    std::vector<std::wstring> items; // Set (identifiers), List (strings)
    std::vector<uint8_t> bytes;      // Binary
};

struct PropertyDescription {
    std::string name; // dotted, e.g. "Font.Height"
    PropertyValue value;
    int line = 0;
};

struct ObjectDescription {
    std::wstring name;
    std::string className;
    std::vector<PropertyDescription> properties;
    std::vector<ObjectDescription> children;
};

// Syntax:
//   object Name: TClass            (nested objects are the components a window or a panel contains)
//     Prop = 12 | -12 | 'text' | 'it''s' #20320 'more' | Ident | [a, b] | ( 'line' 'line' ) | { 0A1B... }
//   end
// Strings are UTF-8 in quotes; #n adds the character with code n. Errors name the line.
core::Result<ObjectDescription> ParseFormDescription(std::string_view text);

} // namespace ui
