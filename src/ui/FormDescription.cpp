// A small recursive-descent parser for form descriptions; it bounds nesting and never reads past the text.
#include "ui/FormDescription.h"

#include "core/Text.h"

#include <cctype>

namespace ui {
namespace {

constexpr int kMaxDepth = 32;

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    core::Result<ObjectDescription> ParseRoot()
    {
        ObjectDescription root;
        if (auto status = ParseObject(root, 0); !status) {
            return core::Error{status.ErrorMessage()};
        }
        SkipSpace();
        if (m_pos != m_text.size()) {
            return Fail("text after the last 'end'");
        }
        return root;
    }

private:
    core::Error Fail(const std::string& what) const
    {
        return core::Error{"Form description line " + std::to_string(m_line) + ": " + what};
    }

    void SkipSpace()
    {
        while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos]))) {
            if (m_text[m_pos] == '\n') {
                ++m_line;
            }
            ++m_pos;
        }
    }

    static bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }

    std::string_view Word()
    {
        SkipSpace();
        const size_t start = m_pos;
        while (m_pos < m_text.size() && IsWordChar(m_text[m_pos])) {
            ++m_pos;
        }
        return m_text.substr(start, m_pos - start);
    }

    bool Expect(char c)
    {
        SkipSpace();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    bool Peek(char c)
    {
        SkipSpace();
        return m_pos < m_text.size() && m_text[m_pos] == c;
    }

    core::Status ParseObject(ObjectDescription& object, int depth)
    {
        if (depth > kMaxDepth) {
            return Fail("objects nested too deeply");
        }
        if (Word() != "object") {
            return Fail("'object' expected");
        }
        const std::string_view name = Word();
        if (name.empty() || !Expect(':')) {
            return Fail("object name and ':' expected");
        }
        object.name = core::Utf8ToWide(name);
        object.className = std::string(Word());
        if (object.className.empty()) {
            return Fail("class name expected");
        }
        for (;;) {
            SkipSpace();
            const size_t save = m_pos;
            const int saveLine = m_line;
            const std::string_view word = Word();
            if (word.empty()) {
                return Fail("property, 'object' or 'end' expected");
            }
            if (word == "end") {
                return core::Success();
            }
            if (word == "object") {
                m_pos = save;
                m_line = saveLine;
                object.children.emplace_back();
                if (auto status = ParseObject(object.children.back(), depth + 1); !status) {
                    return status;
                }
                continue;
            }
            PropertyDescription property{std::string(word), {}, m_line};
            if (!Expect('=')) {
                return Fail("'=' expected after " + property.name);
            }
            if (auto status = ParseValue(property.value); !status) {
                return status;
            }
            object.properties.push_back(std::move(property));
        }
    }

    core::Status ParseValue(PropertyValue& value)
    {
        SkipSpace();
        if (m_pos >= m_text.size()) {
            return Fail("value expected");
        }
        const char c = m_text[m_pos];
        if (c == '\'' || c == '#') {
            value.kind = PropertyValue::Kind::String;
            return ParseString(value.text);
        }
        if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
            value.kind = PropertyValue::Kind::Integer;
            return ParseInteger(value.integer);
        }
        if (c == '[') {
            value.kind = PropertyValue::Kind::Set;
            return ParseSet(value.items);
        }
        if (c == '(') {
            value.kind = PropertyValue::Kind::List;
            return ParseList(value.items);
        }
        if (c == '{') {
            value.kind = PropertyValue::Kind::Binary;
            return ParseBinary(value.bytes);
        }
        const std::string_view word = Word();
        if (word.empty()) {
            return Fail("value expected");
        }
        value.kind = PropertyValue::Kind::Identifier;
        value.text = core::Utf8ToWide(word);
        return core::Success();
    }

    core::Status ParseInteger(int64_t& out)
    {
        bool negative = Expect('-');
        const size_t start = m_pos;
        int64_t v = 0;
        while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) {
            v = v * 10 + (m_text[m_pos] - '0');
            if (v > 0xFFFFFFFFll) {
                return Fail("integer out of range");
            }
            ++m_pos;
        }
        if (m_pos == start) {
            return Fail("digits expected");
        }
        out = negative ? -v : v;
        return core::Success();
    }

    // 'abc' #123 'def': quoted UTF-8 runs and character codes, concatenated.
    core::Status ParseString(std::wstring& out)
    {
        std::string utf8;
        for (;;) {
            if (m_pos < m_text.size() && m_text[m_pos] == '\'') {
                ++m_pos;
                for (;;) {
                    if (m_pos >= m_text.size() || m_text[m_pos] == '\n') {
                        return Fail("unterminated string");
                    }
                    if (m_text[m_pos] == '\'') {
                        if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\'') {
                            utf8.push_back('\'');
                            m_pos += 2;
                            continue;
                        }
                        ++m_pos;
                        break;
                    }
                    utf8.push_back(m_text[m_pos++]);
                }
            } else if (m_pos < m_text.size() && m_text[m_pos] == '#') {
                ++m_pos;
                int64_t code = 0;
                if (auto status = ParseInteger(code); !status) {
                    return status;
                }
                if (code < 0 || code > 0x10FFFF) {
                    return Fail("character code out of range");
                }
                utf8 += core::WideToUtf8(std::wstring(1, static_cast<wchar_t>(code)));
            } else {
                break;
            }
        }
        out += core::Utf8ToWide(utf8);
        return core::Success();
    }

    core::Status ParseSet(std::vector<std::wstring>& items)
    {
        Expect('[');
        if (Expect(']')) {
            return core::Success();
        }
        do {
            const std::string_view word = Word();
            if (word.empty()) {
                return Fail("set element expected");
            }
            items.push_back(core::Utf8ToWide(word));
        } while (Expect(','));
        return Expect(']') ? core::Success() : core::Status(Fail("']' expected"));
    }

    core::Status ParseList(std::vector<std::wstring>& items)
    {
        Expect('(');
        while (!Expect(')')) {
            SkipSpace();
            if (m_pos >= m_text.size() || (m_text[m_pos] != '\'' && m_text[m_pos] != '#')) {
                return Fail("string or ')' expected in list");
            }
            items.emplace_back();
            if (auto status = ParseString(items.back()); !status) {
                return status;
            }
        }
        return core::Success();
    }

    static int HexDigit(char c)
    {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        c = core::AsciiLower(c);
        return (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
    }

    core::Status ParseBinary(std::vector<uint8_t>& bytes)
    {
        Expect('{');
        int high = -1;
        while (m_pos < m_text.size() && m_text[m_pos] != '}') {
            const char c = m_text[m_pos++];
            if (c == '\n') {
                ++m_line;
            }
            if (std::isspace(static_cast<unsigned char>(c))) {
                continue;
            }
            const int digit = HexDigit(c);
            if (digit < 0) {
                return Fail("hex digit expected in binary value");
            }
            if (high < 0) {
                high = digit;
            } else {
                bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
                high = -1;
            }
        }
        if (high >= 0 || !Expect('}')) {
            return Fail("unterminated or odd-length binary value");
        }
        return core::Success();
    }

    std::string_view m_text;
    size_t m_pos = 0;
    int m_line = 1;
};

} // namespace

core::Result<ObjectDescription> ParseFormDescription(std::string_view text)
{
    return Parser(text).ParseRoot();
}

} // namespace ui
