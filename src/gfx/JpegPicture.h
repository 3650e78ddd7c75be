// The JPEG picture format, decoded with libjpeg(-turbo): header at load, pixels at the first drawing. The file is
// untrusted, so sizes, decoder memory and progressive scans are bounded. Portable: no platform headers.
#pragma once

#include "gfx/Picture.h"

#include <cstdint>

namespace gfx {

// Limits against decompression bombs, checked on the header at load, before anything large is allocated.
// A decoded picture is kept as 32-bit pixels: at most 256 MiB of them (64 Mi pixels, e.g. 8192 x 8192), and no
// side longer than 32768 pixels.
constexpr int kMaxJpegDimension = 32768;
constexpr uint64_t kMaxJpegDecodedBytes = uint64_t(256) * 1024 * 1024;
// The decoder's own working memory (a progressive picture keeps every coefficient: 2 bytes per sample), which
// also covers anything a header within the limits above can ask for.
constexpr long kMaxJpegDecoderMemory = 512L * 1024 * 1024;
// Each progressive scan revisits the whole picture; a file of thousands of tiny scans would keep the decoder
// busy for minutes. libjpeg-turbo's own fuzzers stop at the same count.
constexpr int kMaxJpegScans = 100;

// Colour quantisation for grey-scale pictures and palette displays.
constexpr int kJpegPaletteColors = 236;

struct JpegHeader {
    int width = 0;
    int height = 0;
    int components = 0;
    bool greyScale = false;
    bool progressive = false;
};

class JpegPicture final : public Picture {
public:
    core::Status Load(std::vector<uint8_t> bytes) override;
    bool Empty() const override;
    Size GetSize() const override;
    core::Status Draw(BitmapView target, Rect dstRect, const DrawContext& context) override;

    const JpegHeader& Header() const { return m_header; }
    // The decoded picture at full size; empty before the first Draw or when nothing could be decoded.
    ConstBitmapView Decoded() const { return m_decoded.View(); }

private:
    core::Status Decode(const DrawContext& context);

    std::vector<uint8_t> m_bytes;
    JpegHeader m_header;
    bool m_decodePending = false;
    Bitmap m_decoded;
};

std::unique_ptr<Picture> CreateJpegPicture();

// Registers "jpeg" and "jpg" as "JPEG Image File", as the program's start-up does.
void RegisterJpegFormat(PictureFormats& formats);

} // namespace gfx
