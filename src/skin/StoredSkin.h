// The stored skin's picture stream: three role pictures, each behind an empty flag, then a signed 32-bit count
// and that many BMP files back to back. Reads and writes raw BMP files only; decoding is the skin loader's.
#pragma once

#include "core/Result.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace skin {

// Raw BMP files as they lie in the stream; an absent role picture is nullopt.
struct StoredPictures {
    std::optional<std::vector<uint8_t>> frame;
    std::optional<std::vector<uint8_t>> inactiveFrame;
    std::optional<std::vector<uint8_t>> mask;
    std::vector<std::vector<uint8_t>> active;
};

// More active pictures than this is taken as a damaged stream rather than allocated for.
constexpr int32_t kMaxActivePictures = 256;

// Layout, integers little-endian:
//   for frame, inactive frame and mask: 1 byte flag (0 = a BMP file follows, anything else = empty, nothing
//   follows), then the BMP file, whose length is its own bfSize field;
//   int32 count, then count BMP files.
// Every length is checked against the bytes that remain, so nothing is read out of bounds. Bytes after the
// last picture are rejected: the writer never produces them, so they mean the layout is not what it seems.
core::Result<StoredPictures> ParseStoredPictures(std::span<const uint8_t> stream);

// Writes the layout above. Each file must be a BMP whose bfSize equals its length, or the stream will not
// parse back; callers that take files from disk check that by parsing the result.
std::vector<uint8_t> WriteStoredPictures(const StoredPictures& pictures);

} // namespace skin
