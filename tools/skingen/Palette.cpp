// Median-cut colour reduction for the skin's 8-bit pictures. Standard library only.
#include "Palette.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

namespace skingen {

namespace {

struct Entry {
    Rgb color;
    uint64_t count;
};

uint32_t Key(Rgb c)
{
    return (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
}

int ChannelOf(Rgb c, int channel)
{
    return channel == 0 ? c.r : channel == 1 ? c.g : c.b;
}

struct Box {
    std::vector<Entry> entries;

    uint64_t Count() const
    {
        uint64_t n = 0;
        for (const auto& e : entries) {
            n += e.count;
        }
        return n;
    }
    int Range(int channel) const
    {
        int lo = 255;
        int hi = 0;
        for (const auto& e : entries) {
            lo = std::min(lo, ChannelOf(e.color, channel));
            hi = std::max(hi, ChannelOf(e.color, channel));
        }
        return hi - lo;
    }
    int WidestChannel() const
    {
        int best = 0;
        for (int ch = 1; ch < 3; ++ch) {
            if (Range(ch) > Range(best)) {
                best = ch;
            }
        }
        return best;
    }
    // Rare stray colours should not win splits over large smooth areas, so size weighs in.
    double Score() const
    {
        return entries.size() < 2 ? -1.0 : Range(WidestChannel()) * std::sqrt(double(Count()));
    }
    Rgb Mean() const
    {
        double r = 0;
        double g = 0;
        double b = 0;
        const double n = double(Count());
        for (const auto& e : entries) {
            r += e.color.r * double(e.count);
            g += e.color.g * double(e.count);
            b += e.color.b * double(e.count);
        }
        return {uint8_t(std::lround(r / n)), uint8_t(std::lround(g / n)), uint8_t(std::lround(b / n))};
    }
};

std::pair<Box, Box> Split(Box box)
{
    const int ch = box.WidestChannel();
    std::stable_sort(box.entries.begin(), box.entries.end(), [ch](const Entry& a, const Entry& b) {
        return ChannelOf(a.color, ch) < ChannelOf(b.color, ch);
    });
    const uint64_t half = box.Count() / 2;
    uint64_t sum = 0;
    size_t cut = 1;
    for (; cut < box.entries.size() - 1; ++cut) {
        sum += box.entries[cut - 1].count;
        if (sum >= half) {
            break;
        }
    }
    Box low{{box.entries.begin(), box.entries.begin() + long(cut)}};
    Box high{{box.entries.begin() + long(cut), box.entries.end()}};
    return {low, high};
}

std::vector<Rgb> MedianCut(std::vector<Entry> entries, size_t slots)
{
    std::vector<Box> boxes{Box{std::move(entries)}};
    while (boxes.size() < slots) {
        auto widest = std::max_element(boxes.begin(), boxes.end(),
                                       [](const Box& a, const Box& b) { return a.Score() < b.Score(); });
        if (widest->Score() < 0) {
            break;
        }
        auto [low, high] = Split(std::move(*widest));
        *widest = std::move(low);
        boxes.push_back(std::move(high));
    }
    std::vector<Rgb> colors;
    for (const auto& b : boxes) {
        colors.push_back(b.Mean());
    }
    return colors;
}

int Distance(Rgb a, Rgb b)
{
    const int dr = a.r - b.r;
    const int dg = a.g - b.g;
    const int db = a.b - b.b;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

uint8_t Nearest(const std::vector<Rgb>& table, Rgb c)
{
    size_t best = 0;
    for (size_t i = 1; i < table.size(); ++i) {
        if (Distance(table[i], c) < Distance(table[best], c)) {
            best = i;
        }
    }
    return uint8_t(best);
}

std::vector<Entry> Histogram(const Image& img, std::span<const Rgb> pinned)
{
    std::map<uint32_t, Entry> counts;
    for (int y = 0; y < img.Height(); ++y) {
        for (int x = 0; x < img.Width(); ++x) {
            auto& e = counts[Key(img.At(x, y))];
            e.color = img.At(x, y);
            ++e.count;
        }
    }
    for (Rgb p : pinned) {
        counts.erase(Key(p));
    }
    std::vector<Entry> entries;
    for (const auto& [key, e] : counts) {
        entries.push_back(e);
    }
    return entries;
}

} // namespace

IndexedImage Quantise(const Image& img, int tableSize, std::span<const Rgb> pinned)
{
    if (tableSize > 256 || int(pinned.size()) > tableSize) {
        throw std::invalid_argument("colour table of " + std::to_string(tableSize) + " entries is not possible");
    }
    std::vector<Rgb> table(pinned.begin(), pinned.end());
    const auto rest = MedianCut(Histogram(img, pinned), size_t(tableSize) - pinned.size());
    table.insert(table.end(), rest.begin(), rest.end());

    IndexedImage out{img.Width(), img.Height(), table, {}, int(table.size())};
    std::map<uint32_t, uint8_t> cache;
    for (int y = 0; y < img.Height(); ++y) {
        for (int x = 0; x < img.Width(); ++x) {
            const Rgb c = img.At(x, y);
            auto [it, fresh] = cache.try_emplace(Key(c), 0);
            if (fresh) {
                it->second = Nearest(table, c);
            }
            out.indices.push_back(it->second);
        }
    }
    out.table.resize(size_t(tableSize), Rgb{});
    return out;
}

IndexedImage MaskFrom(const Image& img, Rgb black)
{
    IndexedImage out{img.Width(), img.Height(), {{0, 0, 0}, {255, 255, 255}}, {}, 2};
    for (int y = 0; y < img.Height(); ++y) {
        for (int x = 0; x < img.Width(); ++x) {
            out.indices.push_back(img.At(x, y) == black ? 0 : 1);
        }
    }
    return out;
}

} // namespace skingen
