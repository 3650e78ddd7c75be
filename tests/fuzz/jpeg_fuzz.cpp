// libFuzzer target for the JPEG picture: load, then draw twice into a small target (the first drawing decodes,
// the second redraws what was decoded), as the image control does. Links only the portable core and libjpeg.
#include "gfx/JpegPicture.h"

#include <cstddef>
#include <cstdint>

namespace {

// Pictures within the load limits can still take a second to decode at full size; like libjpeg-turbo's own
// fuzzers, skip the decoding of large ones so that the fuzzer spends its time on the parser.
constexpr int64_t kMaxFuzzedPixels = 1024 * 1024;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    gfx::JpegPicture picture;
    if (!picture.Load(std::vector<uint8_t>(data, data + size)).Ok()) {
        return 0;
    }
    const gfx::Size pictureSize = picture.GetSize();
    if (int64_t(pictureSize.width) * pictureSize.height > kMaxFuzzedPixels) {
        return 0;
    }
    // The decoder ignores bytes after the end of the picture, so the last byte can pick the palette path.
    const gfx::DrawContext context{size > 0 && (data[size - 1] & 1) != 0 ? 8 : 32};
    gfx::Bitmap target(37, 23);
    (void)picture.Draw(target.View(), {-3, 2, 40, 20}, context);
    (void)picture.Draw(target.View(), target.View().Bounds(), context);
    return 0;
}
