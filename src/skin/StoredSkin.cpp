// Reads and writes the stored skin's picture stream. Every length comes from untrusted bytes and is checked
// against what remains before it is used. Portable: no platform headers, no BMP decoding.
#include "skin/StoredSkin.h"

#include <string>
#include <utility>

namespace skin {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kMinBmpSize = kFileHeaderSize + 40; // file header and BITMAPINFOHEADER
constexpr uint8_t kPresentFlag = 0;
constexpr uint8_t kEmptyFlag = 1;

uint32_t ReadLe32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

void WriteLe32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

core::Error Fail(const std::string& what, const char* problem) { return core::Error{what + " " + problem}; }

class StreamReader {
public:
    explicit StreamReader(std::span<const uint8_t> data) : m_data(data) {}

    size_t Remaining() const { return m_data.size() - m_pos; }

    core::Result<uint8_t> Flag(const std::string& what)
    {
        if (Remaining() < 1) {
            return Fail(what, "flag is missing");
        }
        return m_data[m_pos++];
    }

    core::Result<std::vector<uint8_t>> Bmp(const std::string& what)
    {
        if (Remaining() < kFileHeaderSize) {
            return Fail(what, "is truncated in its BMP file header");
        }
        const uint8_t* start = m_data.data() + m_pos;
        if (start[0] != 'B' || start[1] != 'M') {
            return Fail(what, "is not a BMP file");
        }
        const uint32_t size = ReadLe32(start + 2);
        if (size < kMinBmpSize) {
            return Fail(what, "has a BMP size smaller than its headers");
        }
        if (size > Remaining()) {
            return Fail(what, "runs past the end of the stored pictures");
        }
        m_pos += size;
        return std::vector<uint8_t>(start, start + size);
    }

    core::Result<int32_t> Count()
    {
        if (Remaining() < 4) {
            return core::Error{"Active picture count is missing"};
        }
        const auto count = static_cast<int32_t>(ReadLe32(m_data.data() + m_pos));
        m_pos += 4;
        if (count < 0) {
            return core::Error{"Active picture count is negative"};
        }
        if (count > kMaxActivePictures) {
            return core::Error{"Active picture count is too large"};
        }
        return count;
    }

private:
    std::span<const uint8_t> m_data;
    size_t m_pos = 0;
};

core::Status ReadRolePicture(StreamReader& reader, const std::string& what, std::optional<std::vector<uint8_t>>& out)
{
    auto flag = reader.Flag(what);
    if (!flag) {
        return core::Error{flag.ErrorMessage()};
    }
    if (flag.Value() != kPresentFlag) {
        out.reset();
        return core::Success();
    }
    auto bmp = reader.Bmp(what);
    if (!bmp) {
        return core::Error{bmp.ErrorMessage()};
    }
    out = bmp.TakeValue();
    return core::Success();
}

core::Status ReadActivePictures(StreamReader& reader, std::vector<std::vector<uint8_t>>& out)
{
    auto count = reader.Count();
    if (!count) {
        return core::Error{count.ErrorMessage()};
    }
    for (int32_t i = 0; i < count.Value(); ++i) {
        auto bmp = reader.Bmp("Active picture " + std::to_string(i));
        if (!bmp) {
            return core::Error{bmp.ErrorMessage()};
        }
        out.push_back(bmp.TakeValue());
    }
    return core::Success();
}

void WriteRolePicture(std::vector<uint8_t>& out, const std::optional<std::vector<uint8_t>>& picture)
{
    out.push_back(picture ? kPresentFlag : kEmptyFlag);
    if (picture) {
        out.insert(out.end(), picture->begin(), picture->end());
    }
}

} // namespace

core::Result<StoredPictures> ParseStoredPictures(std::span<const uint8_t> stream)
{
    StreamReader reader(stream);
    StoredPictures pictures;
    using RoleMember = std::optional<std::vector<uint8_t>> StoredPictures::*;
    const std::pair<const char*, RoleMember> roles[] = {{"Frame picture", &StoredPictures::frame},
                                                        {"Inactive frame picture", &StoredPictures::inactiveFrame},
                                                        {"Frame mask", &StoredPictures::mask}};
    for (const auto& [what, member] : roles) {
        if (auto status = ReadRolePicture(reader, what, pictures.*member); !status) {
            return core::Error{status.ErrorMessage()};
        }
    }
    if (auto status = ReadActivePictures(reader, pictures.active); !status) {
        return core::Error{status.ErrorMessage()};
    }
    if (reader.Remaining() != 0) {
        return core::Error{"Stored pictures have bytes after the last picture"};
    }
    return pictures;
}

std::vector<uint8_t> WriteStoredPictures(const StoredPictures& pictures)
{
    std::vector<uint8_t> out;
    WriteRolePicture(out, pictures.frame);
    WriteRolePicture(out, pictures.inactiveFrame);
    WriteRolePicture(out, pictures.mask);
    WriteLe32(out, static_cast<uint32_t>(pictures.active.size()));
    for (const auto& bmp : pictures.active) {
        out.insert(out.end(), bmp.begin(), bmp.end());
    }
    return out;
}

} // namespace skin
