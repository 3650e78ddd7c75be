// The background pictures the end-to-end tests put under the name wall.jpg: real JPEG files made with
// libjpeg, and damaged or foreign ones derived from them. No windows.h here: libjpeg's headers clash with it.
#pragma once

#include <cstdint>
#include <vector>

namespace e2e {

using Bytes = std::vector<std::uint8_t>;

struct Color {
    std::uint8_t red = 0, green = 0, blue = 0;
};

enum class JpegMode { Baseline, Progressive };

// A picture of one colour, so any pixel of the stretched background shows that colour.
Bytes SolidJpeg(int width, int height, Color color, JpegMode mode = JpegMode::Baseline);

// A progressive picture of a few hundred bytes whose frame header claims 16000 x 16000 pixels:
// decoding it as it claims would need gigabytes.
Bytes JpegBomb();

// A progressive picture whose header is valid but whose second scan has impossible progression
// parameters, so the decoder fails only once it decodes the pixels.
Bytes JpegDamagedAfterHeader();

// A valid 1 x 1 Windows bitmap: another picture format stored under the JPEG name.
Bytes TinyBitmap();

// The decoder's own message codes, taken from the headers of the libjpeg the program links.
int JpegCodeNotJpeg();       // the file does not start with the start-of-image marker
int JpegCodeEmptyInput();    // the file is empty
int JpegCodeBadProgression();

}  // namespace e2e
