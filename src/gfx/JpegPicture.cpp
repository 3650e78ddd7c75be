// The JPEG picture: libjpeg(-turbo) behind setjmp/longjmp error traps. libjpeg reports an error by calling
// error_exit, which must not return (its default calls exit()). Ours jumps back to the setjmp of the function
// that is running libjpeg, so only libjpeg's C frames and trivial callbacks may lie between the two: the
// functions below that run inside a trap hold no object with a destructor.
#include "gfx/JpegPicture.h"

#include "gfx/Draw.h"

#include <bit>
#include <climits>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <new>
#include <optional>
#include <string>

#include <jpeglib.h>

#include <jerror.h>

namespace gfx {
namespace {

// Rows the decoder never reached before an error stay black, as in a freshly made device-independent bitmap.
constexpr Pixel kUndecoded = Rgb(0, 0, 0);

enum class TrapCause { Decoder, TooManyScans, SizeChanged };

struct ErrorTrap {
    jpeg_error_mgr manager; // first member: libjpeg hands a pointer to it back to the callbacks
    std::jmp_buf jump;
    TrapCause cause;
    int code;
};

// One decompression with its error trap and scan counter. Plain data: value-initialised, never copied.
struct Decompressor {
    jpeg_decompress_struct cinfo;
    ErrorTrap trap;
    jpeg_progress_mgr progress;
};

ErrorTrap* TrapOf(j_common_ptr cinfo) { return reinterpret_cast<ErrorTrap*>(cinfo->err); }

[[noreturn]] void Raise(j_common_ptr cinfo, TrapCause cause)
{
    ErrorTrap* trap = TrapOf(cinfo);
    trap->cause = cause;
    trap->code = cinfo->err->msg_code;
    std::longjmp(trap->jump, 1);
}

[[noreturn]] void OnError(j_common_ptr cinfo) { Raise(cinfo, TrapCause::Decoder); }
void OnMessage(j_common_ptr, int) {}
void OnOutput(j_common_ptr) {}

void OnProgress(j_common_ptr cinfo)
{
    if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxJpegScans) {
        Raise(cinfo, TrapCause::TooManyScans);
    }
}

void Prepare(Decompressor& d)
{
    d.cinfo.err = jpeg_std_error(&d.trap.manager);
    d.trap.manager.error_exit = OnError;
    d.trap.manager.emit_message = OnMessage; // warnings (such as data ending early) are ignored
    d.trap.manager.output_message = OnOutput;
    d.progress.progress_monitor = OnProgress;
}

// Runs inside a trap: creates the decompressor, bounds it and reads the header up to the first scan.
void Open(Decompressor* d, const std::vector<uint8_t>& bytes)
{
    jpeg_create_decompress(&d->cinfo);
    d->cinfo.mem->max_memory_to_use = kMaxJpegDecoderMemory;
    d->cinfo.progress = &d->progress;
    jpeg_mem_src(&d->cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d->cinfo, TRUE);
}

bool ReadHeader(Decompressor* d, const std::vector<uint8_t>& bytes, JpegHeader* header)
{
    if (setjmp(d->trap.jump) != 0) {
        jpeg_destroy_decompress(&d->cinfo);
        return false;
    }
    Open(d, bytes);
    header->width = int(d->cinfo.image_width);
    header->height = int(d->cinfo.image_height);
    header->components = d->cinfo.num_components;
    header->greyScale = d->cinfo.jpeg_color_space == JCS_GRAYSCALE;
    header->progressive = d->cinfo.progressive_mode != 0;
    jpeg_destroy_decompress(&d->cinfo);
    return true;
}

// Full colour comes out of libjpeg-turbo as blue, green, red and a filler byte of 0xFF per pixel, which on a
// little-endian machine is exactly a 32-bit Pixel: rows are decoded straight into the bitmap. Grey-scale
// pictures and palette displays get palette indices (236 colours at most) that are expanded afterwards.
static_assert(std::endian::native == std::endian::little, "decoded rows are stored as little-endian pixels");

void SetOutputOptions(jpeg_decompress_struct* cinfo, int displayBitsPerPixel)
{
    cinfo->scale_num = 1;
    cinfo->scale_denom = 1;
    cinfo->do_block_smoothing = TRUE;
    cinfo->dct_method = JDCT_FLOAT;
    if (cinfo->jpeg_color_space == JCS_GRAYSCALE || displayBitsPerPixel <= 8) {
        cinfo->quantize_colors = TRUE;
        cinfo->desired_number_of_colors = kJpegPaletteColors;
        if (cinfo->jpeg_color_space != JCS_GRAYSCALE) {
            cinfo->out_color_space = JCS_RGB;
        }
    } else {
        cinfo->out_color_space = JCS_EXT_BGRX;
    }
}

void ExpandPalette(const jpeg_decompress_struct& cinfo, const JSAMPLE* indices, Pixel* out)
{
    const JSAMPARRAY map = cinfo.colormap;
    const bool grey = cinfo.out_color_components == 1;
    for (JDIMENSION x = 0; x < cinfo.output_width; ++x) {
        const int i = indices[x];
        out[x] = grey ? Rgb(map[0][i], map[0][i], map[0][i]) : Rgb(map[0][i], map[1][i], map[2][i]);
    }
}

struct DecodeTarget {
    BitmapView pixels;
    int rowsDone;
};

// Runs inside a trap: reads every row into `target`, counting them so that an error keeps the rows before it.
void ReadRows(jpeg_decompress_struct* cinfo, DecodeTarget* target)
{
    const bool indexed = cinfo->quantize_colors;
    JSAMPARRAY indices = indexed ? (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                                                 cinfo->output_width, 1)
                                 : nullptr;
    while (cinfo->output_scanline < cinfo->output_height) {
        const int y = int(cinfo->output_scanline);
        Pixel* out = target->pixels.Row(y);
        JSAMPROW row = indexed ? indices[0] : reinterpret_cast<JSAMPROW>(out);
        if (jpeg_read_scanlines(cinfo, &row, 1) != 1) {
            return; // a memory source never suspends; stop rather than spin if it ever did
        }
        if (indexed) {
            ExpandPalette(*cinfo, indices[0], out);
        }
        target->rowsDone = y + 1;
    }
}

bool DecodeInto(Decompressor* d, const std::vector<uint8_t>& bytes, int displayBitsPerPixel, DecodeTarget* target)
{
    if (setjmp(d->trap.jump) != 0) {
        jpeg_destroy_decompress(&d->cinfo);
        return false;
    }
    Open(d, bytes);
    SetOutputOptions(&d->cinfo, displayBitsPerPixel);
    jpeg_start_decompress(&d->cinfo);
    // The target was sized from the header read at load; the same bytes cannot give another size.
    if (int(d->cinfo.output_width) != target->pixels.width || int(d->cinfo.output_height) != target->pixels.height) {
        Raise(reinterpret_cast<j_common_ptr>(&d->cinfo), TrapCause::SizeChanged);
    }
    ReadRows(&d->cinfo, target);
    jpeg_finish_decompress(&d->cinfo);
    jpeg_destroy_decompress(&d->cinfo);
    return true;
}

core::Error ErrorOf(const ErrorTrap& trap)
{
    switch (trap.cause) {
    case TrapCause::TooManyScans:
        return {"JPEG picture has more than " + std::to_string(kMaxJpegScans) + " scans"};
    case TrapCause::SizeChanged:
        return {"JPEG picture changed its size while decoding"};
    case TrapCause::Decoder:
        break;
    }
    return {"JPEG error #" + std::to_string(trap.code)};
}

std::optional<core::Error> CheckLimits(const JpegHeader& header)
{
    const uint64_t bytes = uint64_t(header.width) * uint64_t(header.height) * sizeof(Pixel);
    if (header.width > kMaxJpegDimension || header.height > kMaxJpegDimension || bytes > kMaxJpegDecodedBytes) {
        return core::Error{"JPEG picture is too large: " + std::to_string(header.width) + " x " +
                           std::to_string(header.height) + " pixels"};
    }
    return std::nullopt;
}

} // namespace

core::Status JpegPicture::Load(std::vector<uint8_t> bytes)
{
    m_bytes.clear();
    m_header = {};
    m_decoded = Bitmap();
    m_decodePending = false;
    if (bytes.size() > ULONG_MAX) {
        return core::Error{"JPEG file is too large"};
    }
    JpegHeader header;
    if (!bytes.empty()) {
        Decompressor d{};
        Prepare(d);
        if (!ReadHeader(&d, bytes, &header)) {
            return ErrorOf(d.trap);
        }
        if (auto tooLarge = CheckLimits(header)) {
            return *tooLarge;
        }
    }
    m_bytes = std::move(bytes);
    m_header = header;
    m_decodePending = true;
    return core::Success();
}

bool JpegPicture::Empty() const { return m_bytes.empty() || (!m_decodePending && m_decoded.Empty()); }

Size JpegPicture::GetSize() const { return {m_header.width, m_header.height}; }

core::Status JpegPicture::Decode(const DrawContext& context)
{
    m_decodePending = false;
    Bitmap bitmap;
    try {
        bitmap = Bitmap(m_header.width, m_header.height, kUndecoded);
    } catch (const std::bad_alloc&) {
        return core::Error{"Not enough memory to decode the JPEG picture"};
    }
    DecodeTarget target{bitmap.View(), 0};
    Decompressor d{};
    Prepare(d);
    const bool decoded = DecodeInto(&d, m_bytes, context.displayBitsPerPixel, &target);
    if (target.rowsDone > 0) {
        m_decoded = std::move(bitmap);
    }
    if (!decoded) {
        return ErrorOf(d.trap);
    }
    return core::Success();
}

core::Status JpegPicture::Draw(BitmapView target, Rect dstRect, const DrawContext& context)
{
    core::Status status = core::Success();
    if (m_decodePending) {
        status = Decode(context);
    }
    StretchNearest(target, dstRect, m_decoded.View(), m_decoded.View().Bounds());
    return status;
}

std::unique_ptr<Picture> CreateJpegPicture() { return std::make_unique<JpegPicture>(); }

void RegisterJpegFormat(PictureFormats& formats)
{
    formats.Register(L"jpeg", L"JPEG Image File", &CreateJpegPicture);
    formats.Register(L"jpg", L"JPEG Image File", &CreateJpegPicture);
}

} // namespace gfx
