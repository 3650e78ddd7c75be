// Build tool: puts the stored skin into the main window's form description. Reads the description template,
// the skin definition and the pictures it names, and writes the description with the definition's lines as
// IniStrings and the picture stream as the Pictures block (a 32-bit length, then the bytes). Native only.
#include "skin/StoredSkin.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool ReadFile(const std::string& path, std::vector<uint8_t>& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// The definition's lines as a line reader sees them: CR LF, LF or CR ends a line; a final line end adds none.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string Trim(const std::string& s)
{
    const size_t a = s.find_first_not_of(" \t");
    const size_t b = s.find_last_not_of(" \t");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

std::map<std::string, std::string> SectionValues(const std::vector<std::string>& lines, const std::string& section)
{
    std::map<std::string, std::string> values;
    std::string header(1, '[');
    header += Lower(section);
    header += ']';
    bool inside = false;
    for (const auto& raw : lines) {
        const std::string line = Trim(raw);
        if (!line.empty() && line.front() == '[') {
            inside = Lower(line) == header;
            continue;
        }
        const size_t eq = line.find('=');
        if (inside && eq != std::string::npos) {
            values.emplace(Lower(Trim(line.substr(0, eq))), Trim(line.substr(eq + 1)));
        }
    }
    return values;
}

std::string Quote(const std::string& line)
{
    std::string out(1, '\'');
    for (char c : line) {
        out.push_back(c);
        if (c == '\'') {
            out.push_back(c);
        }
    }
    out.push_back('\'');
    return out;
}

bool LoadPicture(const std::string& dir, const std::string& name, std::optional<std::vector<uint8_t>>& out)
{
    if (name.empty()) {
        return true;
    }
    std::vector<uint8_t> bytes;
    if (!ReadFile(dir + "/" + name, bytes)) {
        std::fprintf(stderr, "formskin: cannot read %s/%s\n", dir.c_str(), name.c_str());
        return false;
    }
    out = std::move(bytes);
    return true;
}

std::string StoredSkinProperties(const std::string& skinDir, bool& ok)
{
    ok = true;
    std::vector<uint8_t> iniBytes;
    if (!ReadFile(skinDir + "/SKIN.INI", iniBytes)) {
        return ""; // no skin yet: the stored skin stays empty and the controls draw their plain looks
    }
    const std::vector<std::string> lines = SplitLines(std::string(iniBytes.begin(), iniBytes.end()));
    const auto names = SectionValues(lines, "PICTURES");
    auto nameOf = [&names](const std::string& key) {
        const auto it = names.find(key);
        return it == names.end() ? std::string() : it->second;
    };
    skin::StoredPictures pictures;
    ok = LoadPicture(skinDir, nameOf("picture"), pictures.frame) &&
         LoadPicture(skinDir, nameOf("inactivepicture"), pictures.inactiveFrame) &&
         LoadPicture(skinDir, nameOf("mask"), pictures.mask);
    const int count = std::atoi(nameOf("activepicturescount").c_str());
    for (int i = 0; ok && i < count; ++i) {
        std::optional<std::vector<uint8_t>> picture;
        ok = LoadPicture(skinDir, nameOf(std::to_string(i)), picture) && picture.has_value();
        if (ok) {
            pictures.active.push_back(std::move(*picture));
        }
    }
    if (!ok) {
        return "";
    }
    const std::vector<uint8_t> stream = skin::WriteStoredPictures(pictures);
    if (!skin::ParseStoredPictures(stream)) {
        std::fprintf(stderr, "formskin: the pictures do not make a valid stream\n");
        ok = false;
        return "";
    }
    std::ostringstream out;
    out << "    IniStrings.Strings = (\n";
    for (const auto& line : lines) {
        out << "      " << Quote(line) << "\n";
    }
    out << "    )\n    Pictures.Data = {\n";
    std::vector<uint8_t> block;
    const uint32_t length = static_cast<uint32_t>(stream.size());
    for (int shift = 0; shift < 32; shift += 8) {
        block.push_back(static_cast<uint8_t>(length >> shift));
    }
    block.insert(block.end(), stream.begin(), stream.end());
    static const char kHex[] = "0123456789ABCDEF";
    for (size_t i = 0; i < block.size(); i += 64) {
        out << "      ";
        for (size_t j = i; j < std::min(block.size(), i + 64); ++j) {
            out << kHex[block[j] >> 4] << kHex[block[j] & 15];
        }
        out << "\n";
    }
    out << "    }\n";
    return out.str();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: formskin <description template> <skin folder> <output>\n");
        return 2;
    }
    std::vector<uint8_t> templateBytes;
    if (!ReadFile(argv[1], templateBytes)) {
        std::fprintf(stderr, "formskin: cannot read %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    const std::string properties = StoredSkinProperties(argv[2], ok);
    if (!ok) {
        return 1;
    }
    std::string text(templateBytes.begin(), templateBytes.end());
    const std::string marker = "@STORED_SKIN@\n";
    const size_t at = text.find(marker);
    if (at == std::string::npos) {
        std::fprintf(stderr, "formskin: the template has no @STORED_SKIN@ line\n");
        return 1;
    }
    text.replace(at, marker.size(), properties);
    std::ofstream out(argv[3], std::ios::binary);
    out << text;
    return out ? 0 : 1;
}
