// The picture-format registry: the extension rule, lookup order and case, and the formats the program never uses.
#include "core/Text.h"
#include "gfx/Bmp.h"
#include "gfx/JpegPicture.h"
#include "gfx/Picture.h"

#include <gtest/gtest.h>

#include <typeinfo>

namespace {

TEST(PictureExtension, IsTheTextAfterTheLastFullStopOfTheName)
{
    struct Case {
        const wchar_t* fileName;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"C:\\Setup\\wall.jpg", L"jpg"},
        {L"x.JPG", L"JPG"},
        {L"archive.tar.gz", L"gz"},
        {L"a.b\\c", L""},
        {L"dir.v1\\file", L""},
        {L"c:name", L""},
        {L"c.d:name", L""},
        {L"noextension", L""},
        {L"trailing.", L""},
        {L"C:\\Setup\\.jpeg", L"jpeg"},
        {L"\\\\server\\share.d\\wall.jpeg", L"jpeg"},
        {L"壁纸.图片", L"图片"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gfx::ExtensionOf(c.fileName), c.expected) << core::WideToUtf8(c.fileName);
    }
}

// The formats as the program's start-up leaves them: the form library's first, then JPEG.
gfx::PictureFormats ProgramFormats()
{
    gfx::PictureFormats formats;
    gfx::RegisterFormLibraryFormats(formats);
    gfx::RegisterJpegFormat(formats);
    return formats;
}

TEST(PictureFormats, PicksTheFormatByExtensionWithoutRegardToCase)
{
    const gfx::PictureFormats formats = ProgramFormats();
    struct Case {
        const wchar_t* fileName;
        const std::type_info& type;
        const wchar_t* description;
    };
    const Case cases[] = {
        {L"C:\\Setup\\wall.jpg", typeid(gfx::JpegPicture), L"JPEG Image File"},
        {L"WALL.JPEG", typeid(gfx::JpegPicture), L"JPEG Image File"},
        {L"wall.Jpg", typeid(gfx::JpegPicture), L"JPEG Image File"},
        {L"skin.BMP", typeid(gfx::BmpPicture), L"Bitmap"},
    };
    for (const Case& c : cases) {
        auto picture = formats.CreateFor(c.fileName);
        ASSERT_TRUE(picture.Ok()) << picture.ErrorMessage();
        const gfx::Picture& created = *picture.Value();
        EXPECT_EQ(typeid(created), c.type) << core::WideToUtf8(c.fileName);
        EXPECT_EQ(formats.DescriptionFor(c.fileName), c.description);
    }
}

std::unique_ptr<gfx::Picture> CreateOtherPicture() { return std::make_unique<gfx::BmpPicture>(); }

TEST(PictureFormats, LaterRegistrationsWin)
{
    gfx::PictureFormats formats = ProgramFormats();
    formats.Register(L"JPG", L"Replacement", &CreateOtherPicture);
    auto jpg = formats.CreateFor(L"wall.jpg");
    ASSERT_TRUE(jpg.Ok());
    const gfx::Picture& replaced = *jpg.Value();
    EXPECT_EQ(typeid(replaced), typeid(gfx::BmpPicture));
    EXPECT_EQ(formats.DescriptionFor(L"wall.jpg"), L"Replacement");
    EXPECT_EQ(formats.DescriptionFor(L"wall.jpeg"), L"JPEG Image File") << "other extensions keep their format";
}

TEST(PictureFormats, UnknownExtensionNamesTheExtension)
{
    const gfx::PictureFormats formats = ProgramFormats();
    struct Case {
        const wchar_t* fileName;
        const char* message;
    };
    const Case cases[] = {
        {L"wall.png", "Unknown picture file extension (.png)"},
        {L"wall", "Unknown picture file extension (.)"},
        {L"dir.jpg\\wall", "Unknown picture file extension (.)"},
        {L"墙.图片", "Unknown picture file extension (.\xE5\x9B\xBE\xE7\x89\x87)"},
    };
    for (const Case& c : cases) {
        auto picture = formats.CreateFor(c.fileName);
        ASSERT_FALSE(picture.Ok()) << c.message;
        EXPECT_EQ(picture.ErrorMessage(), c.message);
    }
}

TEST(PictureFormats, MetafilesAndIconsRefuseToLoad)
{
    const gfx::PictureFormats formats = ProgramFormats();
    struct Case {
        const wchar_t* fileName;
        const char* message;
    };
    const Case cases[] = {
        {L"a.wmf", "Metafile pictures are not supported"},
        {L"a.EMF", "Metafile pictures are not supported"},
        {L"a.ico", "Icon pictures are not supported"},
    };
    for (const Case& c : cases) {
        auto picture = formats.CreateFor(c.fileName);
        ASSERT_TRUE(picture.Ok()) << c.message;
        const auto status = picture.Value()->Load({0, 0, 1, 0});
        ASSERT_FALSE(status.Ok()) << c.message;
        EXPECT_EQ(status.ErrorMessage(), c.message);
    }
}

TEST(BmpPicture, LoadsAtOnceAndDrawsStretched)
{
    gfx::Bitmap source(2, 1);
    source.At(0, 0) = gfx::Rgb(255, 0, 0);
    source.At(1, 0) = gfx::Rgb(0, 0, 255);
    gfx::BmpPicture picture;
    ASSERT_TRUE(picture.Load(gfx::EncodeBmp32(source.View())).Ok());
    EXPECT_EQ(picture.GetSize(), (gfx::Size{2, 1}));
    EXPECT_FALSE(picture.Empty());

    gfx::Bitmap target(5, 2);
    ASSERT_TRUE(picture.Draw(target.View(), {1, 0, 5, 2}, {}).Ok());
    const std::vector<gfx::Pixel> expected = {0,          gfx::Rgb(255, 0, 0), gfx::Rgb(255, 0, 0), gfx::Rgb(0, 0, 255),
                                              gfx::Rgb(0, 0, 255), 0, gfx::Rgb(255, 0, 0), gfx::Rgb(255, 0, 0),
                                              gfx::Rgb(0, 0, 255), gfx::Rgb(0, 0, 255)};
    EXPECT_EQ(target.Pixels(), expected);

    const auto broken = picture.Load({'B', 'M'});
    ASSERT_FALSE(broken.Ok());
    EXPECT_EQ(broken.ErrorMessage(), "BMP file is too short");
}

} // namespace
