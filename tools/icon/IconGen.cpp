// Draws the program icon, a container ship on blue water, as one 32 x 32 icon with 16 colours and writes it
// as a .ico file (usage: icongen <out.ico>). Plain C++: no Windows headers, no image libraries.
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 32;

// The 16-colour palette. Index 0 doubles as the colour under transparent pixels.
enum Ink : uint8_t {
    kClear, kOutline, kWhite, kSkyLight, kSkyHigh, kSea, kDeepSea, kFoam,
    kHull, kHullRed, kBoxRed, kBoxOrange, kBoxGreen, kBoxBlue, kGrey, kBoxYellow,
};

struct Rgb {
    uint8_t r, g, b;
};

constexpr std::array<Rgb, 16> kPalette = {{
    {0, 0, 0},       {18, 34, 66},    {250, 250, 248}, {186, 224, 248},
    {120, 182, 236}, {28, 108, 196},  {14, 62, 138},   {206, 236, 255},
    {40, 50, 74},    {188, 44, 44},   {214, 64, 48},   {244, 148, 36},
    {46, 158, 92},   {64, 96, 184},   {150, 160, 176}, {246, 204, 52},
}};

class IndexImage {
public:
    IndexImage() { m_ink.fill(kClear); m_opaque.fill(false); }

    void Set(int x, int y, Ink ink)
    {
        if (x < 0 || y < 0 || x >= kSize || y >= kSize)
            return;
        m_ink[Index(x, y)] = ink;
        m_opaque[Index(x, y)] = true;
    }
    void Fill(int left, int top, int right, int bottom, Ink ink)
    {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                Set(x, y, ink);
    }
    void Clear(int x, int y) { m_opaque[Index(x, y)] = false, m_ink[Index(x, y)] = kClear; }
    Ink At(int x, int y) const { return m_ink[Index(x, y)]; }
    bool Opaque(int x, int y) const { return m_opaque[Index(x, y)]; }

private:
    static int Index(int x, int y) { return y * kSize + x; }
    std::array<Ink, kSize * kSize> m_ink;
    std::array<bool, kSize * kSize> m_opaque;
};

// A rounded tile of sky over sea, so the icon reads as one object on any taskbar colour.
void DrawBackdrop(IndexImage& image)
{
    image.Fill(0, 0, kSize, 9, kSkyHigh);
    image.Fill(0, 9, kSize, 20, kSkyLight);
    image.Fill(0, 20, kSize, 26, kSea);
    image.Fill(0, 26, kSize, kSize, kDeepSea);
    // Short foam strokes on the water.
    const int waves[][3] = {{2, 27, 4}, {12, 28, 5}, {23, 27, 4}, {6, 30, 4}, {19, 30, 5}};
    for (const auto& w : waves)
        image.Fill(w[0], w[1], w[0] + w[2], w[1] + 1, kFoam);
}

void RoundCorners(IndexImage& image)
{
    // Pixels cut from each corner row, from the outermost row inwards.
    constexpr int kCut[] = {3, 2, 1};
    for (int row = 0; row < 3; ++row) {
        for (int x = 0; x < kCut[row]; ++x) {
            image.Clear(x, row);
            image.Clear(kSize - 1 - x, row);
            image.Clear(x, kSize - 1 - row);
            image.Clear(kSize - 1 - x, kSize - 1 - row);
        }
    }
}

// The hull: a straight stern on the left, a raked bow on the right, a red band below the waterline.
void DrawHull(IndexImage& image)
{
    constexpr int kTop = 18;
    constexpr int kBottom = 25;
    for (int y = kTop; y < kBottom; ++y) {
        const int depth = y - kTop;
        const int left = 3 + (depth >= 5 ? depth - 4 : 0);
        const int right = 30 - depth / 2 - (depth >= 4 ? 1 : 0);
        image.Fill(left, y, right, y + 1, depth >= 5 ? kHullRed : kHull);
    }
    image.Fill(3, kTop, 30, kTop + 1, kOutline);
    image.Fill(26, kTop - 1, 30, kTop, kHull); // forecastle
    image.Fill(4, 20, 28, 21, kWhite); // sheer line
}

// Bridge house at the stern: white block, a row of windows, a funnel with a red band.
void DrawBridge(IndexImage& image)
{
    image.Fill(4, 9, 10, 18, kWhite);
    image.Fill(4, 9, 10, 10, kGrey);
    image.Fill(5, 11, 9, 12, kOutline);
    image.Fill(5, 14, 9, 15, kGrey);
    image.Fill(10, 9, 11, 18, kGrey); // shaded side
    image.Fill(6, 5, 9, 9, kHull);
    image.Fill(6, 6, 9, 7, kHullRed);
}

// Three tiers of containers, 3 x 2 pixels each, separated by dark gaps.
void DrawContainers(IndexImage& image)
{
    constexpr Ink kRows[3][4] = {
        {kBoxRed, kBoxGreen, kBoxOrange, kBoxBlue},
        {kBoxOrange, kBoxBlue, kBoxYellow, kBoxRed},
        {kBoxGreen, kBoxRed, kBoxBlue, kBoxYellow},
    };
    constexpr int kLeft = 12;
    constexpr int kBottom = 18;
    for (int tier = 0; tier < 3; ++tier) {
        const int top = kBottom - 3 * (tier + 1);
        // The top tier is one stack shorter, so the load steps down towards the bow.
        const int stacks = tier == 2 ? 3 : 4;
        for (int stack = 0; stack < stacks; ++stack) {
            const int left = kLeft + stack * 4;
            image.Fill(left, top, left + 4, top + 3, kOutline);
            image.Fill(left, top, left + 3, top + 2, kRows[tier][stack]);
        }
    }
}

std::vector<uint8_t> EncodeIco(const IndexImage& image)
{
    constexpr int kXorRow = kSize / 2;   // 4 bits per pixel, already a multiple of 4 bytes
    constexpr int kAndRow = kSize / 8;   // 1 bit per pixel, 4 bytes
    constexpr uint32_t kHeader = 40;
    constexpr uint32_t kImageBytes = kHeader + 16 * 4 + kXorRow * kSize + kAndRow * kSize;
    std::vector<uint8_t> out;
    auto u16 = [&](uint32_t v) { out.push_back(v & 0xFF), out.push_back((v >> 8) & 0xFF); };
    auto u32 = [&](uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); };

    u16(0), u16(1), u16(1);                       // icon directory with one image
    out.insert(out.end(), {kSize, kSize, 16, 0}); // width, height, colour count, reserved
    u16(1), u16(4), u32(kImageBytes), u32(22);    // planes, bits per pixel, size, offset

    u32(kHeader), u32(kSize), u32(kSize * 2), u16(1), u16(4), u32(0);
    u32(kXorRow * kSize + kAndRow * kSize), u32(0), u32(0), u32(16), u32(0);
    for (const Rgb& c : kPalette)
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    for (int y = kSize - 1; y >= 0; --y) // bottom-up rows
        for (int x = 0; x < kSize; x += 2)
            out.push_back(uint8_t(image.At(x, y) << 4 | image.At(x + 1, y)));
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; x += 8) {
            uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                bits |= image.Opaque(x + bit, y) ? 0 : 0x80 >> bit;
            out.push_back(bits);
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <out.ico>\n", argv[0]);
        return 2;
    }
    IndexImage image;
    DrawBackdrop(image);
    DrawHull(image);
    DrawBridge(image);
    DrawContainers(image);
    RoundCorners(image);
    const std::vector<uint8_t> bytes = EncodeIco(image);
    std::ofstream file(argv[1], std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
