// Tests of the PE reader behind the release checks, on small images built in memory: what it finds must
// be what is there (every manifest counted, names decoded), and damaged images must fail cleanly.
#include "pecheck/PeFile.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kSectionRva = 0x1000;
constexpr uint32_t kSectionFileOffset = 0x200;
constexpr size_t kPeOffset = 0x40;
constexpr size_t kOptionalHeader = kPeOffset + 24;
constexpr size_t kOptionalSize = 240; // PE32+ with 16 data directories
constexpr size_t kSectionTable = kOptionalHeader + kOptionalSize;

struct TestResource {
    uint32_t type;
    std::string name; // ASCII name, or empty to use id
    uint32_t id;
    std::vector<uint8_t> data;
};

class Writer {
public:
    explicit Writer(std::vector<uint8_t>& out) : m_out(out) {}
    void U16(size_t at, uint32_t v) { Grow(at + 2), m_out[at] = uint8_t(v), m_out[at + 1] = uint8_t(v >> 8); }
    void U32(size_t at, uint32_t v) { U16(at, v & 0xFFFF), U16(at + 2, v >> 16); }
    void Bytes(size_t at, const std::vector<uint8_t>& bytes)
    {
        Grow(at + bytes.size());
        std::copy(bytes.begin(), bytes.end(), m_out.begin() + ptrdiff_t(at));
    }
    void Text(size_t at, const std::string& text) { Bytes(at, std::vector<uint8_t>(text.begin(), text.end() + 1)); }

private:
    void Grow(size_t size)
    {
        if (m_out.size() < size)
            m_out.resize(size);
    }
    std::vector<uint8_t>& m_out;
};

// Lays out a type / name / language resource tree (language 1033 for all) at the start of the section.
// Returns where each part went so tests can damage a chosen field.
struct ResourceLayout {
    size_t rootDirectory = 0;
    size_t firstTypeDirectory = 0;
    size_t firstDataEntry = 0;
};

size_t Align(size_t v, size_t a) { return (v + a - 1) / a * a; }

ResourceLayout WriteResources(Writer& w, size_t base, const std::vector<TestResource>& resources)
{
    std::map<uint32_t, std::vector<const TestResource*>> byType;
    for (const auto& r : resources)
        byType[r.type].push_back(&r);
    ResourceLayout layout{base, 0, 0};
    size_t next = 16 + 8 * byType.size();
    std::vector<size_t> typeDirs, nameDirs, dataEntries, names, blobs;
    for (const auto& [type, list] : byType)
        typeDirs.push_back(next), next += 16 + 8 * list.size();
    for (size_t i = 0; i < resources.size(); ++i)
        nameDirs.push_back(next), next += 16 + 8;
    for (size_t i = 0; i < resources.size(); ++i)
        dataEntries.push_back(next), next += 16;
    for (const auto& r : resources)
        names.push_back(next), next += Align(2 + 2 * r.name.size(), 4);
    for (const auto& r : resources)
        blobs.push_back(next), next += Align(r.data.size(), 4);
    layout.firstTypeDirectory = base + typeDirs.at(0);
    layout.firstDataEntry = base + dataEntries.at(0);

    w.U16(base + 14, uint32_t(byType.size()));
    size_t t = 0;
    for (const auto& [type, list] : byType) {
        w.U32(base + 16 + t * 8, type);
        w.U32(base + 16 + t * 8 + 4, 0x80000000u | uint32_t(typeDirs[t]));
        const size_t dir = base + typeDirs[t];
        w.U16(dir + 14, uint32_t(list.size()));
        for (size_t n = 0; n < list.size(); ++n) {
            const TestResource& r = *list[n];
            // Resources are laid out in map order; find this one's own slot.
            const size_t slot = size_t(&r - resources.data());
            if (r.name.empty()) {
                w.U32(dir + 16 + n * 8, r.id);
            } else {
                w.U32(dir + 16 + n * 8, 0x80000000u | uint32_t(names[slot]));
                w.U16(base + names[slot], uint32_t(r.name.size()));
                for (size_t c = 0; c < r.name.size(); ++c)
                    w.U16(base + names[slot] + 2 + 2 * c, uint8_t(r.name[c]));
            }
            w.U32(dir + 16 + n * 8 + 4, 0x80000000u | uint32_t(nameDirs[slot]));
            w.U16(base + nameDirs[slot] + 14, 1);
            w.U32(base + nameDirs[slot] + 16, 1033);
            w.U32(base + nameDirs[slot] + 20, uint32_t(dataEntries[slot]));
            w.U32(base + dataEntries[slot], kSectionRva + uint32_t(blobs[slot]));
            w.U32(base + dataEntries[slot] + 4, uint32_t(r.data.size()));
            w.Bytes(base + blobs[slot], r.data);
        }
        ++t;
    }
    return layout;
}

struct TestImage {
    std::vector<std::string> imports;
    std::vector<TestResource> resources;
};

struct BuiltImage {
    std::vector<uint8_t> bytes;
    ResourceLayout resources;
    size_t importDescriptors = 0;
};

BuiltImage Build(const TestImage& wanted)
{
    BuiltImage image;
    Writer w(image.bytes);
    w.U16(0, 0x5A4D);
    w.U32(0x3C, kPeOffset);
    w.U32(kPeOffset, 0x00004550);
    w.U16(kPeOffset + 4, pecheck::kMachineAmd64);
    w.U16(kPeOffset + 6, 1);
    w.U16(kPeOffset + 20, kOptionalSize);
    w.U16(kOptionalHeader, 0x20B);
    w.U16(kOptionalHeader + 68, pecheck::kSubsystemGui);
    w.U16(kOptionalHeader + 70, pecheck::kDllDynamicBase | pecheck::kDllNxCompat);
    w.U32(kOptionalHeader + 108, 16);

    const size_t base = kSectionFileOffset;
    size_t used = 0;
    if (!wanted.resources.empty()) {
        image.resources = WriteResources(w, base, wanted.resources);
        used = Align(image.bytes.size() - base, 16);
        w.U32(kOptionalHeader + 112 + 2 * 8, kSectionRva);
        w.U32(kOptionalHeader + 112 + 2 * 8 + 4, uint32_t(used));
    }
    if (!wanted.imports.empty()) {
        const size_t descriptors = used;
        size_t names = descriptors + 20 * (wanted.imports.size() + 1);
        for (size_t i = 0; i < wanted.imports.size(); ++i) {
            w.U32(base + descriptors + i * 20 + 12, kSectionRva + uint32_t(names));
            w.Text(base + names, wanted.imports[i]);
            names += wanted.imports[i].size() + 1;
        }
        w.U32(base + descriptors + wanted.imports.size() * 20 + 16, 0); // all-zero terminator
        image.importDescriptors = base + descriptors;
        w.U32(kOptionalHeader + 112 + 8, kSectionRva + uint32_t(descriptors));
        used = names;
    }
    const uint32_t rawSize = uint32_t(Align(std::max<size_t>(used, 16), 16));
    w.U32(base + rawSize - 4, 0);
    w.U32(kSectionTable + 8, rawSize);
    w.U32(kSectionTable + 12, kSectionRva);
    w.U32(kSectionTable + 16, rawSize);
    w.U32(kSectionTable + 20, kSectionFileOffset);
    return image;
}

const TestImage kProgramLike{
    {"KERNEL32.dll", "USER32.dll", "msvcrt.dll"},
    {
        {3, "", 1, {1, 2, 3, 4, 5}},
        {14, "MAINICON", 0, {0, 0, 1, 0, 1, 0, 32, 32, 16, 0, 1, 0, 4, 0, 0xE8, 2, 0, 0, 1, 0}},
        {24, "", 1, {'<', 'x', '/', '>'}},
        {16, "", 1, {9, 9}},
    },
};

TEST(PeFile, ReadsHeadersImportsAndResources)
{
    const BuiltImage image = Build(kProgramLike);
    auto info = pecheck::ReadPe(image.bytes);
    ASSERT_TRUE(info.Ok()) << info.ErrorMessage();
    const pecheck::PeInfo& pe = info.Value();
    EXPECT_EQ(pe.machine, pecheck::kMachineAmd64);
    EXPECT_TRUE(pe.pe32Plus);
    EXPECT_EQ(pe.subsystem, pecheck::kSubsystemGui);
    EXPECT_EQ(pe.dllCharacteristics, pecheck::kDllDynamicBase | pecheck::kDllNxCompat);
    EXPECT_EQ(pe.imports, (std::vector<std::string>{"KERNEL32.dll", "USER32.dll", "msvcrt.dll"}));
    EXPECT_TRUE(pe.delayImports.empty());

    std::map<std::string, std::vector<uint8_t>> found;
    for (const auto& r : pe.resources) {
        EXPECT_EQ(r.language, 1033) << r.type;
        found[r.type + " " + r.name] = r.data;
    }
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found["ICON #1"], kProgramLike.resources[0].data);
    EXPECT_EQ(found["GROUP_ICON MAINICON"], kProgramLike.resources[1].data);
    EXPECT_EQ(found["MANIFEST #1"], kProgramLike.resources[2].data);
    EXPECT_EQ(found["VERSION #1"], kProgramLike.resources[3].data);
}

// A second manifest (for instance a toolchain's default one) must show up as a second entry.
TEST(PeFile, ListsEveryManifest)
{
    const BuiltImage image = Build({{}, {{24, "", 1, {'a'}}, {24, "", 2, {'b'}}}});
    auto info = pecheck::ReadPe(image.bytes);
    ASSERT_TRUE(info.Ok()) << info.ErrorMessage();
    ASSERT_EQ(info.Value().resources.size(), 2u);
    EXPECT_EQ(info.Value().resources[0].type, "MANIFEST");
    EXPECT_EQ(info.Value().resources[0].name, "#1");
    EXPECT_EQ(info.Value().resources[1].name, "#2");
}

struct Damage {
    const char* name;
    void (*apply)(BuiltImage&);
    const char* message;
};

void PatchU32(BuiltImage& image, size_t at, uint32_t v) { Writer(image.bytes).U32(at, v); }

const Damage kDamages[] = {
    {"no MZ signature", [](BuiltImage& i) { i.bytes[0] = 'X'; }, "not an MZ executable"},
    {"PE header offset past the end", [](BuiltImage& i) { PatchU32(i, 0x3C, 0xFFFFFFF0u); }, "no PE signature"},
    {"optional header size past the end",
     [](BuiltImage& i) { Writer(i.bytes).U16(kPeOffset + 20, 0xFFFF); }, "optional header is truncated"},
    {"section data past the end",
     [](BuiltImage& i) { PatchU32(i, kSectionTable + 16, 0x7FFFFFFF); }, "import directory lies outside the sections"},
    {"import name outside every section",
     [](BuiltImage& i) { PatchU32(i, i.importDescriptors + 12, 0x7FFFFFF0); }, "imported DLL name is unreadable"},
    {"resource directory claims 65535 entries",
     [](BuiltImage& i) { Writer(i.bytes).U16(i.resources.rootDirectory + 14, 0xFFFF); },
     "resource directory has more entries than fit"},
    {"type directory loops back to the root",
     [](BuiltImage& i) { PatchU32(i, i.resources.firstTypeDirectory + 20, 0x80000000u); },
     "resource directory nesting is not type, name, language"},
    {"resource data larger than its section",
     [](BuiltImage& i) { PatchU32(i, i.resources.firstDataEntry + 4, 0x00100000); },
     "resource data lies outside the sections"},
};

TEST(PeFile, RejectsDamagedImages)
{
    for (const Damage& damage : kDamages) {
        BuiltImage image = Build(kProgramLike);
        damage.apply(image);
        auto info = pecheck::ReadPe(image.bytes);
        ASSERT_FALSE(info.Ok()) << damage.name;
        EXPECT_EQ(info.ErrorMessage(), damage.message) << damage.name;
    }
}

// Every cut of a valid image loses some part the reader needs; none may be read past the end.
TEST(PeFile, RejectsEveryTruncation)
{
    const BuiltImage image = Build(kProgramLike);
    for (size_t length = 0; length < image.bytes.size(); ++length) {
        const std::span<const uint8_t> cut(image.bytes.data(), length);
        EXPECT_FALSE(pecheck::ReadPe(cut).Ok()) << "cut at " << length;
    }
}

TEST(PeFile, ReadsIconGroupEntries)
{
    auto entries = pecheck::ReadIconGroup(kProgramLike.resources[1].data);
    ASSERT_TRUE(entries.Ok()) << entries.ErrorMessage();
    ASSERT_EQ(entries.Value().size(), 1u);
    const pecheck::IconGroupEntry& e = entries.Value()[0];
    EXPECT_EQ(e.width, 32);
    EXPECT_EQ(e.height, 32);
    EXPECT_EQ(e.colorCount, 16);
    EXPECT_EQ(e.bitCount, 4);
    EXPECT_EQ(e.iconId, 1);

    std::vector<uint8_t> cut = kProgramLike.resources[1].data;
    cut.pop_back();
    EXPECT_FALSE(pecheck::ReadIconGroup(cut).Ok());
}

} // namespace
