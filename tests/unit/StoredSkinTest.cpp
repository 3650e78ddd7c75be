// The stored picture stream: its exact layout, the empty flags, and every way a damaged stream is refused.
#include "skin/StoredSkin.h"

#include "SkinTestFixtures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::vector<uint8_t> Bmp(int width, int height, gfx::Pixel fill)
{
    return skintest::BmpFile(gfx::Bitmap(width, height, fill));
}

uint32_t Le32At(const std::vector<uint8_t>& bytes, size_t offset)
{
    uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value; // the test machines are little-endian, as the stream is
}

TEST(StoredSkin, WritesTheLayoutAndReadsItBack)
{
    skin::StoredPictures pictures;
    pictures.frame = Bmp(3, 2, gfx::Rgb(1, 2, 3));
    pictures.inactiveFrame = Bmp(2, 2, gfx::Rgb(4, 5, 6));
    pictures.mask = Bmp(1, 1, 0);
    pictures.active = {Bmp(5, 1, 0), Bmp(1, 5, 0)};

    const std::vector<uint8_t> stream = skin::WriteStoredPictures(pictures);
    const size_t frameEnd = 1 + pictures.frame->size();
    const size_t inactiveEnd = frameEnd + 1 + pictures.inactiveFrame->size();
    const size_t maskEnd = inactiveEnd + 1 + pictures.mask->size();
    const size_t active0 = maskEnd + 4;
    EXPECT_EQ(stream[0], 0);
    EXPECT_EQ(stream[frameEnd], 0);
    EXPECT_EQ(stream[inactiveEnd], 0);
    EXPECT_EQ(Le32At(stream, maskEnd), 2u);
    EXPECT_EQ(0, std::memcmp(stream.data() + inactiveEnd + 1, pictures.mask->data(), pictures.mask->size()));
    EXPECT_EQ(0, std::memcmp(stream.data() + active0, pictures.active[0].data(), pictures.active[0].size()));
    EXPECT_EQ(stream.size(), active0 + pictures.active[0].size() + pictures.active[1].size());

    const auto parsed = skin::ParseStoredPictures(stream);
    ASSERT_TRUE(parsed) << parsed.ErrorMessage();
    EXPECT_EQ(parsed.Value().frame, pictures.frame);
    EXPECT_EQ(parsed.Value().inactiveFrame, pictures.inactiveFrame);
    EXPECT_EQ(parsed.Value().mask, pictures.mask);
    EXPECT_EQ(parsed.Value().active, pictures.active);
}

TEST(StoredSkin, EmptyFlagIsFollowedDirectlyByTheNextFlag)
{
    skin::StoredPictures pictures;
    pictures.inactiveFrame = Bmp(2, 1, gfx::Rgb(9, 9, 9));
    const std::vector<uint8_t> stream = skin::WriteStoredPictures(pictures);
    EXPECT_EQ(stream[0], 1);
    EXPECT_EQ(stream[1], 0);
    EXPECT_EQ(stream[2], 'B');
    EXPECT_EQ(stream[2 + pictures.inactiveFrame->size()], 1);
    EXPECT_EQ(stream.size(), 2 + pictures.inactiveFrame->size() + 1 + 4);

    // Any non-zero flag means empty, not only 1.
    const uint8_t allEmpty[] = {7, 0xFF, 1, 0, 0, 0, 0};
    static_assert(sizeof(allEmpty) == 7);
    const auto parsed = skin::ParseStoredPictures(allEmpty);
    ASSERT_TRUE(parsed) << parsed.ErrorMessage();
    EXPECT_FALSE(parsed.Value().frame);
    EXPECT_FALSE(parsed.Value().inactiveFrame);
    EXPECT_FALSE(parsed.Value().mask);
    EXPECT_TRUE(parsed.Value().active.empty());
}

TEST(StoredSkin, RefusesDamagedStreams)
{
    // File headers: "BM", bfSize, reserved, bfOffBits.
    const uint8_t empty[] = {0};
    const uint8_t flagOnly[] = {0};
    const uint8_t shortHeader[] = {0, 'B', 'M', 54, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0};
    const uint8_t notBmp[] = {0, 'P', 'K', 54, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
    const uint8_t tinySize[] = {0, 'B', 'M', 14, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
    const uint8_t pastEnd[] = {0, 'B', 'M', 54, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
    const uint8_t hugeSize[] = {1, 0, 'B', 'M', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 54, 0, 0, 0};
    const uint8_t maskMissing[] = {1, 1};
    const uint8_t noCount[] = {1, 1, 1, 8, 0};
    const uint8_t negativeCount[] = {1, 1, 1, 0xFF, 0xFF, 0xFF, 0xFF};
    const uint8_t absurdCount[] = {1, 1, 1, 0x01, 0x01, 0, 0};
    const uint8_t countWithoutPictures[] = {1, 1, 1, 0x00, 0x01, 0, 0};
    const uint8_t secondActiveMissing[] = {1, 1, 1, 2, 0, 0, 0, 'B', 'M', 54, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
    const uint8_t trailing[] = {1, 1, 1, 0, 0, 0, 0, 0};
    static_assert(sizeof(shortHeader) == 14 && sizeof(notBmp) == 15 && sizeof(tinySize) == 15);
    static_assert(sizeof(pastEnd) == 15 && sizeof(hugeSize) == 16 && sizeof(noCount) == 5);
    static_assert(sizeof(negativeCount) == 7 && sizeof(absurdCount) == 7 && sizeof(secondActiveMissing) == 21);
    static_assert(sizeof(trailing) == 8);

    const struct {
        const char* name;
        std::span<const uint8_t> bytes;
        const char* message;
    } cases[] = {
        {"nothing at all", std::span<const uint8_t>(empty, 0), "Frame picture flag is missing"},
        {"flag without picture", flagOnly, "Frame picture is truncated in its BMP file header"},
        {"file header cut", shortHeader, "Frame picture is truncated in its BMP file header"},
        {"no BMP signature", notBmp, "Frame picture is not a BMP file"},
        {"bfSize below the headers", tinySize, "Frame picture has a BMP size smaller than its headers"},
        {"bfSize past the end", pastEnd, "Frame picture runs past the end of the stored pictures"},
        {"bfSize 4 GiB", hugeSize, "Inactive frame picture runs past the end of the stored pictures"},
        {"mask flag missing", maskMissing, "Frame mask flag is missing"},
        {"count cut", noCount, "Active picture count is missing"},
        {"negative count", negativeCount, "Active picture count is negative"},
        {"count 257", absurdCount, "Active picture count is too large"},
        {"count 256 but no pictures", countWithoutPictures, "Active picture 0 is truncated in its BMP file header"},
        {"active picture cut", secondActiveMissing, "Active picture 0 runs past the end of the stored pictures"},
        {"bytes after the last picture", trailing, "Stored pictures have bytes after the last picture"},
    };
    for (const auto& c : cases) {
        const auto parsed = skin::ParseStoredPictures(c.bytes);
        ASSERT_FALSE(parsed) << c.name;
        EXPECT_EQ(parsed.ErrorMessage(), c.message) << c.name;
    }
}

TEST(StoredSkin, ReportsWhichActivePictureIsDamaged)
{
    skin::StoredPictures pictures;
    pictures.active = {Bmp(1, 1, 0), Bmp(2, 2, 0)};
    std::vector<uint8_t> stream = skin::WriteStoredPictures(pictures);
    stream.pop_back();
    const auto parsed = skin::ParseStoredPictures(stream);
    ASSERT_FALSE(parsed);
    EXPECT_EQ(parsed.ErrorMessage(), "Active picture 1 runs past the end of the stored pictures");
}

} // namespace
