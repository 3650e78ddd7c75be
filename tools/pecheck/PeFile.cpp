// Bounds-checked reading of PE headers, import tables and the three-level resource directory.
// Every offset in the file is untrusted: each read checks its range, and counts are capped.
#include "pecheck/PeFile.h"

#include <algorithm>
#include <optional>

namespace pecheck {
namespace {

constexpr size_t kMaxImports = 1024;
constexpr size_t kMaxResourceEntries = 4096;
constexpr size_t kMaxNameLength = 256;
constexpr int kImportDirectory = 1;
constexpr int kResourceDirectory = 2;
constexpr int kDelayImportDirectory = 13;

class Bytes {
public:
    explicit Bytes(std::span<const uint8_t> data) : m_data(data) {}

    bool Has(size_t offset, size_t size) const { return offset <= m_data.size() && size <= m_data.size() - offset; }
    std::optional<uint16_t> U16(size_t offset) const
    {
        if (!Has(offset, 2))
            return std::nullopt;
        return uint16_t(m_data[offset] | m_data[offset + 1] << 8);
    }
    std::optional<uint32_t> U32(size_t offset) const
    {
        if (!Has(offset, 4))
            return std::nullopt;
        return uint32_t(m_data[offset]) | uint32_t(m_data[offset + 1]) << 8 | uint32_t(m_data[offset + 2]) << 16 |
               uint32_t(m_data[offset + 3]) << 24;
    }
    std::span<const uint8_t> Slice(size_t offset, size_t size) const { return m_data.subspan(offset, size); }
    size_t Size() const { return m_data.size(); }

private:
    std::span<const uint8_t> m_data;
};

struct Section {
    uint32_t virtualAddress;
    uint32_t virtualSize;
    uint32_t rawOffset;
    uint32_t rawSize;
};

struct DataDirectory {
    uint32_t rva = 0;
    uint32_t size = 0;
};

class Image {
public:
    Image(Bytes bytes, std::vector<Section> sections) : m_bytes(bytes), m_sections(std::move(sections)) {}

    // The file offset of an RVA and how many file bytes follow it in its section.
    std::optional<std::pair<size_t, size_t>> Locate(uint32_t rva) const
    {
        for (const Section& s : m_sections) {
            const uint32_t extent = std::max(s.virtualSize, s.rawSize);
            if (rva < s.virtualAddress || rva - s.virtualAddress >= extent)
                continue;
            const size_t delta = rva - s.virtualAddress;
            if (delta >= s.rawSize || !m_bytes.Has(s.rawOffset, s.rawSize))
                return std::nullopt;
            return std::pair{size_t(s.rawOffset) + delta, size_t(s.rawSize) - delta};
        }
        return std::nullopt;
    }

    std::optional<std::string> CString(uint32_t rva) const
    {
        const auto where = Locate(rva);
        if (!where)
            return std::nullopt;
        std::string text;
        for (size_t i = 0; i < std::min(where->second, kMaxNameLength); ++i) {
            const uint8_t c = *m_bytes.Slice(where->first + i, 1).data();
            if (c == 0)
                return text;
            text.push_back(char(c));
        }
        return std::nullopt;
    }

    const Bytes& Raw() const { return m_bytes; }

private:
    Bytes m_bytes;
    std::vector<Section> m_sections;
};

// Appending instead of "#" + to_string() sidesteps a false -Wrestrict warning of GCC 12 at -O3.
std::string IdLabel(uint32_t id)
{
    std::string label = "#";
    label += std::to_string(id);
    return label;
}

std::string Utf16ToUtf8(const std::vector<uint16_t>& units)
{
    std::string out;
    for (size_t i = 0; i < units.size(); ++i) {
        uint32_t cp = units[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000)
            cp = 0x10000 + ((cp - 0xD800) << 10) + (units[++i] - 0xDC00);
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xC0 | cp >> 6), out += char(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += char(0xE0 | cp >> 12), out += char(0x80 | (cp >> 6 & 0x3F)), out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xF0 | cp >> 18), out += char(0x80 | (cp >> 12 & 0x3F));
            out += char(0x80 | (cp >> 6 & 0x3F)), out += char(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

core::Result<std::vector<std::string>> ReadImportNames(const Image& image, DataDirectory dir, size_t stride, size_t nameAt)
{
    std::vector<std::string> names;
    if (dir.rva == 0)
        return names;
    const auto where = image.Locate(dir.rva);
    if (!where)
        return core::Error{"import directory lies outside the sections"};
    const Bytes& raw = image.Raw();
    for (size_t i = 0;; ++i) {
        if (i == kMaxImports)
            return core::Error{"import directory has no terminating entry"};
        const size_t entry = where->first + i * stride;
        if (i * stride + stride > where->second || !raw.Has(entry, stride))
            return core::Error{"import directory runs past its section"};
        bool allZero = true;
        for (size_t k = 0; k < stride; k += 4)
            allZero = allZero && raw.U32(entry + k).value() == 0;
        if (allZero)
            return names;
        const auto name = image.CString(raw.U32(entry + nameAt).value());
        if (!name)
            return core::Error{"imported DLL name is unreadable"};
        names.push_back(*name);
    }
}

class ResourceReader {
public:
    ResourceReader(const Image& image, size_t base, size_t size) : m_image(image), m_base(base), m_size(size) {}

    core::Status ReadAll(std::vector<ResourceEntry>& out)
    {
        m_out = &out;
        return ReadDirectory(0, 0, {});
    }

private:
    // Levels: 0 type, 1 name, 2 language. Data entries sit below level 2 only.
    core::Status ReadDirectory(uint32_t offset, int level, ResourceEntry prefix)
    {
        const Bytes& raw = m_image.Raw();
        if (offset > m_size || m_size - offset < 16)
            return core::Error{"resource directory lies outside the resource section"};
        const size_t at = m_base + offset;
        const size_t count = size_t(raw.U16(at + 12).value()) + raw.U16(at + 14).value();
        if (count > kMaxResourceEntries || (m_size - offset - 16) / 8 < count)
            return core::Error{"resource directory has more entries than fit"};
        for (size_t i = 0; i < count; ++i) {
            if (auto status = ReadEntry(at + 16 + i * 8, level, prefix); !status)
                return status;
        }
        return core::Success();
    }

    core::Status ReadEntry(size_t at, int level, ResourceEntry entry)
    {
        const Bytes& raw = m_image.Raw();
        const uint32_t id = raw.U32(at).value();
        const uint32_t target = raw.U32(at + 4).value();
        auto label = EntryLabel(id, level);
        if (!label)
            return core::Error{label.ErrorMessage()};
        if (level == 0)
            entry.type = label.Value();
        else if (level == 1)
            entry.name = label.Value();
        else
            entry.language = uint16_t(id);
        const bool isDirectory = (target & 0x80000000u) != 0;
        if (isDirectory != (level < 2))
            return core::Error{"resource directory nesting is not type, name, language"};
        if (isDirectory)
            return ReadDirectory(target & 0x7FFFFFFFu, level + 1, std::move(entry));
        return ReadData(target, std::move(entry));
    }

    core::Result<std::string> EntryLabel(uint32_t id, int level) const
    {
        if ((id & 0x80000000u) == 0)
            return level == 0 ? ResourceTypeName(id) : IdLabel(id);
        const uint32_t offset = id & 0x7FFFFFFFu;
        const Bytes& raw = m_image.Raw();
        if (offset > m_size || m_size - offset < 2)
            return core::Error{"resource name lies outside the resource section"};
        const size_t length = raw.U16(m_base + offset).value();
        if (length > kMaxNameLength || (m_size - offset - 2) / 2 < length)
            return core::Error{"resource name runs past the resource section"};
        std::vector<uint16_t> units;
        for (size_t i = 0; i < length; ++i)
            units.push_back(raw.U16(m_base + offset + 2 + i * 2).value());
        return Utf16ToUtf8(units);
    }

    core::Status ReadData(uint32_t offset, ResourceEntry entry)
    {
        const Bytes& raw = m_image.Raw();
        if (offset > m_size || m_size - offset < 16)
            return core::Error{"resource data entry lies outside the resource section"};
        const uint32_t rva = raw.U32(m_base + offset).value();
        const uint32_t size = raw.U32(m_base + offset + 4).value();
        const auto where = m_image.Locate(rva);
        if (!where || where->second < size)
            return core::Error{"resource data lies outside the sections"};
        if (m_out->size() == kMaxResourceEntries)
            return core::Error{"too many resources"};
        const auto bytes = raw.Slice(where->first, size);
        entry.data.assign(bytes.begin(), bytes.end());
        m_out->push_back(std::move(entry));
        return core::Success();
    }

    const Image& m_image;
    size_t m_base;
    size_t m_size;
    std::vector<ResourceEntry>* m_out = nullptr;
};

struct Headers {
    PeInfo info;
    std::vector<Section> sections;
    DataDirectory directories[16];
};

core::Result<Headers> ReadHeaders(const Bytes& raw)
{
    Headers h;
    if (raw.U16(0) != uint16_t(0x5A4D))
        return core::Error{"not an MZ executable"};
    const auto peAt = raw.U32(0x3C);
    if (!peAt || raw.U32(*peAt) != uint32_t(0x00004550))
        return core::Error{"no PE signature"};
    const size_t coff = size_t(*peAt) + 4;
    const auto sectionCount = raw.U16(coff + 2);
    const auto optionalSize = raw.U16(coff + 16);
    if (!sectionCount || !optionalSize)
        return core::Error{"COFF header is truncated"};
    h.info.machine = raw.U16(coff).value();
    const size_t opt = coff + 20;
    const auto magic = raw.U16(opt);
    if (magic != uint16_t(0x10B) && magic != uint16_t(0x20B))
        return core::Error{"unknown optional header magic"};
    h.info.pe32Plus = magic == uint16_t(0x20B);
    const size_t dirCountAt = opt + (h.info.pe32Plus ? 108 : 92);
    const auto dirCount = raw.U32(dirCountAt);
    if (!raw.Has(opt, *optionalSize) || !dirCount || dirCountAt + 4 > opt + *optionalSize)
        return core::Error{"optional header is truncated"};
    h.info.subsystem = raw.U16(opt + 68).value();
    h.info.dllCharacteristics = raw.U16(opt + 70).value();
    for (uint32_t i = 0; i < std::min<uint32_t>(*dirCount, 16); ++i) {
        const size_t at = dirCountAt + 4 + i * 8;
        if (at + 8 > opt + *optionalSize)
            return core::Error{"data directories run past the optional header"};
        h.directories[i] = {raw.U32(at).value(), raw.U32(at + 4).value()};
    }
    const size_t table = opt + *optionalSize;
    for (size_t i = 0; i < *sectionCount; ++i) {
        const size_t at = table + i * 40;
        if (!raw.Has(at, 40))
            return core::Error{"section table is truncated"};
        h.sections.push_back({raw.U32(at + 12).value(), raw.U32(at + 8).value(), raw.U32(at + 20).value(),
                              raw.U32(at + 16).value()});
    }
    return h;
}

} // namespace

std::string ResourceTypeName(uint32_t id)
{
    switch (id) {
    case 1: return "CURSOR";
    case 2: return "BITMAP";
    case 3: return "ICON";
    case 4: return "MENU";
    case 5: return "DIALOG";
    case 6: return "STRING";
    case 9: return "ACCELERATOR";
    case 10: return "RCDATA";
    case 12: return "GROUP_CURSOR";
    case 14: return "GROUP_ICON";
    case 16: return "VERSION";
    case 24: return "MANIFEST";
    default: return IdLabel(id);
    }
}

core::Result<PeInfo> ReadPe(std::span<const uint8_t> file)
{
    const Bytes raw(file);
    auto headers = ReadHeaders(raw);
    if (!headers)
        return core::Error{headers.ErrorMessage()};
    Headers h = headers.TakeValue();
    const Image image(raw, h.sections);

    auto imports = ReadImportNames(image, h.directories[kImportDirectory], 20, 12);
    if (!imports)
        return core::Error{imports.ErrorMessage()};
    h.info.imports = imports.TakeValue();
    auto delayImports = ReadImportNames(image, h.directories[kDelayImportDirectory], 32, 4);
    if (!delayImports)
        return core::Error{delayImports.ErrorMessage()};
    h.info.delayImports = delayImports.TakeValue();

    const DataDirectory resources = h.directories[kResourceDirectory];
    if (resources.rva != 0) {
        const auto where = image.Locate(resources.rva);
        if (!where)
            return core::Error{"resource directory lies outside the sections"};
        ResourceReader reader(image, where->first, where->second);
        if (auto status = reader.ReadAll(h.info.resources); !status)
            return core::Error{status.ErrorMessage()};
    }
    return h.info;
}

core::Result<std::vector<IconGroupEntry>> ReadIconGroup(std::span<const uint8_t> data)
{
    const Bytes raw(data);
    if (raw.U16(0) != uint16_t(0) || raw.U16(2) != uint16_t(1))
        return core::Error{"icon group header is not an icon directory"};
    const size_t count = raw.U16(4).value();
    if (!raw.Has(6, count * 14))
        return core::Error{"icon group entries run past the resource"};
    std::vector<IconGroupEntry> entries;
    for (size_t i = 0; i < count; ++i) {
        const size_t at = 6 + i * 14;
        const auto b = raw.Slice(at, 4);
        // A stored width or height of 0 means 256.
        entries.push_back({b[0] == 0 ? 256 : b[0], b[1] == 0 ? 256 : b[1], b[2], raw.U16(at + 6).value(),
                           raw.U16(at + 12).value()});
    }
    return entries;
}

} // namespace pecheck
