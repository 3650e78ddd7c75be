// Build tool: writes the stored skin's picture stream from a skin folder. Reads [PICTURES] of SKIN.INI for the
// file names and checks that the stream it wrote parses back. Native only; uses the portable skin code.
#include "core/Text.h"
#include "skin/Ini.h"
#include "skin/StoredSkin.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::optional<std::vector<uint8_t>> ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The skin was made on Windows, where "active.BMP" and "active.bmp" are one file; find it either way here.
std::optional<fs::path> FindFile(const fs::path& folder, const std::string& name)
{
    if (fs::exists(folder / name)) {
        return folder / name;
    }
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (core::EqualsIgnoreAsciiCase(entry.path().filename().string(), name)) {
            return entry.path();
        }
    }
    return std::nullopt;
}

bool LoadPicture(const fs::path& folder, const std::string& name, std::vector<uint8_t>& out)
{
    const auto path = FindFile(folder, name);
    const auto bytes = path ? ReadFile(*path) : std::nullopt;
    if (!bytes) {
        std::fprintf(stderr, "storeskin: cannot read %s\n", (folder / name).string().c_str());
        return false;
    }
    out = *bytes;
    return true;
}

// A role picture with an empty name stays empty, as the stream allows.
bool LoadRolePicture(const fs::path& folder, const skin::IniSection& pictures, const char* key,
                     std::optional<std::vector<uint8_t>>& out)
{
    const std::string name = pictures.GetString(key);
    if (name.empty()) {
        out.reset();
        return true;
    }
    out.emplace();
    return LoadPicture(folder, name, *out);
}

bool LoadPictures(const fs::path& folder, const skin::IniSection& section, skin::StoredPictures& pictures)
{
    if (!LoadRolePicture(folder, section, "picture", pictures.frame) ||
        !LoadRolePicture(folder, section, "inactivepicture", pictures.inactiveFrame) ||
        !LoadRolePicture(folder, section, "mask", pictures.mask)) {
        return false;
    }
    const int count = section.GetInteger("activepicturescount", 0);
    if (count < 0 || count > skin::kMaxActivePictures) {
        std::fprintf(stderr, "storeskin: activepicturescount %d is out of range\n", count);
        return false;
    }
    pictures.active.resize(size_t(count));
    for (int i = 0; i < count; ++i) {
        if (!LoadPicture(folder, section.GetString(std::to_string(i)), pictures.active[size_t(i)])) {
            return false;
        }
    }
    return true;
}

int Run(const fs::path& folder, const fs::path& output)
{
    const auto ini = ReadFile(folder / "SKIN.INI");
    if (!ini) {
        std::fprintf(stderr, "storeskin: cannot read %s\n", (folder / "SKIN.INI").string().c_str());
        return 1;
    }
    const std::string_view text(reinterpret_cast<const char*>(ini->data()), ini->size());
    const skin::IniFile definition = skin::IniFile::Parse(text);
    const skin::IniSection* section = definition.FindSection("PICTURES");
    if (!section) {
        std::fprintf(stderr, "storeskin: SKIN.INI has no [PICTURES] section\n");
        return 1;
    }
    skin::StoredPictures pictures;
    if (!LoadPictures(folder, *section, pictures)) {
        return 1;
    }
    const std::vector<uint8_t> stream = skin::WriteStoredPictures(pictures);
    // A file whose BMP size field disagrees with its length would shift everything after it.
    if (const auto check = skin::ParseStoredPictures(stream); !check) {
        std::fprintf(stderr, "storeskin: the pictures do not make a valid stream: %s\n", check.ErrorMessage().c_str());
        return 1;
    }
    std::ofstream out(output, std::ios::binary);
    out.write(reinterpret_cast<const char*>(stream.data()), std::streamsize(stream.size()));
    if (!out) {
        std::fprintf(stderr, "storeskin: cannot write %s\n", output.string().c_str());
        return 1;
    }
    std::printf("storeskin: %zu bytes, %zu active pictures\n", stream.size(), pictures.active.size());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: storeskin <skin folder> <output file>\n");
        return 2;
    }
    return Run(argv[1], argv[2]);
}
