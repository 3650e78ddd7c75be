// libFuzzer target for the BMP decoder: any input must decode or fail with a message, never crash or read out
// of bounds. Links only the portable core.
#include "gfx/Bmp.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto decoded = gfx::DecodeBmp({data, size});
    if (decoded.Ok()) {
        // Every decoded pixel must be readable; the sum keeps the loop from being optimised away.
        volatile uint32_t sum = 0;
        for (const gfx::Pixel p : decoded.Value().Pixels()) {
            sum = sum + p;
        }
    }
    return 0;
}
