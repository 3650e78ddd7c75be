// Pictures for the image control: the abstract picture, the registry that picks a format by file extension, and
// the form library's own formats (bitmap; metafiles and icons refuse to load). Portable: no platform headers.
#pragma once

#include "core/Result.h"
#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace gfx {

struct DrawContext {
    int displayBitsPerPixel = 32;
};

class Picture {
public:
    virtual ~Picture() = default;
    // Takes the whole file. Parses what a load needs (JPEG: the header) and fails with the picture's error.
    virtual core::Status Load(std::vector<uint8_t> bytes) = 0;
    // Nothing decoded (or decodable) to draw. The image control still calls Draw on an empty picture after a
    // load, because that first Draw is where a decoding error (an empty JPEG file's included) is reported.
    virtual bool Empty() const = 0;
    virtual Size GetSize() const = 0; // from the header
    // Draws the picture stretched (nearest neighbour) to exactly dstRect. The first call after a load decodes;
    // a decoding error is returned by that call only, and later calls draw whatever was decoded (maybe nothing).
    virtual core::Status Draw(BitmapView target, Rect dstRect, const DrawContext& context) = 0;
};

using PictureFactory = std::unique_ptr<Picture> (*)();

// The extension is the text after the last full stop of the name, provided no backslash or colon follows it;
// "" if none.
std::wstring ExtensionOf(std::wstring_view fileName);

// Later registrations win; extensions are compared without regard to ASCII case.
class PictureFormats {
public:
    void Register(std::wstring extension, std::wstring description, PictureFactory factory);
    // "Unknown picture file extension (.%s)" (the extension without its full stop, UTF-8) when no format matches.
    core::Result<std::unique_ptr<Picture>> CreateFor(std::wstring_view fileName) const;
    // The description of the format that CreateFor would pick, or "" when none matches.
    std::wstring DescriptionFor(std::wstring_view fileName) const;

private:
    struct Format {
        std::wstring extension;
        std::wstring description;
        PictureFactory factory = nullptr;
    };
    const Format* Find(std::wstring_view fileName) const;

    std::vector<Format> m_formats;
};

// The formats the form library registers before the program adds its own: "wmf", "emf", "ico", "bmp".
void RegisterFormLibraryFormats(PictureFormats& formats);

// A Windows BMP file, decoded whole at load.
class BmpPicture final : public Picture {
public:
    core::Status Load(std::vector<uint8_t> bytes) override;
    bool Empty() const override;
    Size GetSize() const override;
    core::Status Draw(BitmapView target, Rect dstRect, const DrawContext& context) override;

private:
    Bitmap m_bitmap;
};

} // namespace gfx
