// Reduces a drawn RGB image to a colour table of a fixed size, as the skin's 8-bit pictures need it: a
// deterministic median cut with pinned colours that must come through exactly. Standard library only.
#pragma once

#include "Image.h"

#include <cstdint>
#include <span>
#include <vector>

namespace skingen {

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> table;       // exactly the requested number of entries
    std::vector<uint8_t> indices; // row-major, top row first
    int usedEntries = 0;          // entries before the padding
};

// Pinned colours take the first entries and are matched exactly; the rest of the table is the median cut of
// the remaining colours, padded with black entries that no pixel uses.
IndexedImage Quantise(const Image& img, int tableSize, std::span<const Rgb> pinned = {});

// A two-entry table (0 black, 1 white) for masks: pixels of colour `black` get index 0, all others 1.
IndexedImage MaskFrom(const Image& img, Rgb black);

} // namespace skingen
