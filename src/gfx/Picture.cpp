// The picture-format registry and the form library's own picture formats. The program only ever loads JPEG
// pictures; metafiles and icons are registered so that the registry's order matches the form library's, and
// they refuse to load.
#include "gfx/Picture.h"

#include "core/Text.h"
#include "gfx/Bmp.h"
#include "gfx/Draw.h"

#include <algorithm>

namespace gfx {
namespace {

// A format the program never uses: it takes part in the extension lookup but fails every load.
class UnsupportedPicture final : public Picture {
public:
    explicit UnsupportedPicture(const char* message) : m_message(message) {}
    core::Status Load(std::vector<uint8_t>) override { return core::Error{m_message}; }
    bool Empty() const override { return true; }
    Size GetSize() const override { return {}; }
    core::Status Draw(BitmapView, Rect, const DrawContext&) override { return core::Success(); }

private:
    const char* m_message;
};

std::unique_ptr<Picture> CreateMetafilePicture()
{
    return std::make_unique<UnsupportedPicture>("Metafile pictures are not supported");
}

std::unique_ptr<Picture> CreateIconPicture()
{
    return std::make_unique<UnsupportedPicture>("Icon pictures are not supported");
}
std::unique_ptr<Picture> CreateBmpPicture() { return std::make_unique<BmpPicture>(); }

} // namespace

std::wstring ExtensionOf(std::wstring_view fileName)
{
    const size_t dot = fileName.rfind(L'.');
    if (dot == std::wstring_view::npos) {
        return {};
    }
    const std::wstring_view after = fileName.substr(dot + 1);
    if (after.find_first_of(L"\\:") != std::wstring_view::npos) {
        return {};
    }
    return std::wstring(after);
}

void PictureFormats::Register(std::wstring extension, std::wstring description, PictureFactory factory)
{
    m_formats.push_back({std::move(extension), std::move(description), factory});
}

const PictureFormats::Format* PictureFormats::Find(std::wstring_view fileName) const
{
    const std::wstring extension = ExtensionOf(fileName);
    const auto found = std::find_if(m_formats.rbegin(), m_formats.rend(), [&](const Format& format) {
        return core::EqualsIgnoreAsciiCase(format.extension, extension);
    });
    return found == m_formats.rend() ? nullptr : &*found;
}

core::Result<std::unique_ptr<Picture>> PictureFormats::CreateFor(std::wstring_view fileName) const
{
    const Format* format = Find(fileName);
    if (format == nullptr) {
        return core::Error{"Unknown picture file extension (." + core::WideToUtf8(ExtensionOf(fileName)) + ")"};
    }
    return format->factory();
}

std::wstring PictureFormats::DescriptionFor(std::wstring_view fileName) const
{
    const Format* format = Find(fileName);
    return format == nullptr ? std::wstring() : format->description;
}

void RegisterFormLibraryFormats(PictureFormats& formats)
{
    formats.Register(L"wmf", L"Windows Metafile", &CreateMetafilePicture);
    formats.Register(L"emf", L"Enhanced Metafile", &CreateMetafilePicture);
    formats.Register(L"ico", L"Icon", &CreateIconPicture);
    formats.Register(L"bmp", L"Bitmap", &CreateBmpPicture);
}

core::Status BmpPicture::Load(std::vector<uint8_t> bytes)
{
    auto decoded = DecodeBmp(bytes);
    if (!decoded) {
        m_bitmap = Bitmap();
        return core::Error{decoded.ErrorMessage()};
    }
    m_bitmap = decoded.TakeValue();
    return core::Success();
}

bool BmpPicture::Empty() const { return m_bitmap.Empty(); }

Size BmpPicture::GetSize() const { return {m_bitmap.Width(), m_bitmap.Height()}; }

core::Status BmpPicture::Draw(BitmapView target, Rect dstRect, const DrawContext&)
{
    StretchNearest(target, dstRect, m_bitmap.View(), m_bitmap.View().Bounds());
    return core::Success();
}

} // namespace gfx
