// Reads the skin's pictures and SKIN.INI from the source tree and compares them with the screen. A reader
// of its own, not the program's: the tests must not trust the decoder they check.
#include "SkinReference.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace e2e {
namespace {

namespace fs = std::filesystem;

using ByteVector = std::vector<std::uint8_t>;

std::uint32_t ReadU32(const ByteVector& bytes, size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::uint16_t ReadU16(const ByteVector& bytes, size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::optional<ByteVector> ReadWholeFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return ByteVector(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

int PaletteIndex(const ByteVector& bytes, size_t row, int x, int bitsPerPixel) {
    if (bitsPerPixel == 8) return bytes[row + x];
    return (bytes[row + x / 8] >> (7 - x % 8)) & 1;
}

// Uncompressed 8-bit and 1-bit BMP files, the only kinds the skin holds.
std::optional<SkinPicture> DecodeBmp(const ByteVector& bytes, std::string* error) {
    constexpr size_t kHeaderEnd = 54;
    if (bytes.size() < kHeaderEnd || bytes[0] != 'B' || bytes[1] != 'M') {
        *error = "not a BMP file";
        return std::nullopt;
    }
    const std::uint32_t dataOffset = ReadU32(bytes, 10);
    const std::uint32_t infoSize = ReadU32(bytes, 14);
    const int width = static_cast<std::int32_t>(ReadU32(bytes, 18));
    const int storedHeight = static_cast<std::int32_t>(ReadU32(bytes, 22));
    const int bitsPerPixel = ReadU16(bytes, 28);
    const std::uint32_t compression = ReadU32(bytes, 30);
    std::uint32_t colours = ReadU32(bytes, 46);
    if ((bitsPerPixel != 8 && bitsPerPixel != 1) || compression != 0 || width <= 0 || storedHeight == 0) {
        *error = "unsupported BMP: " + std::to_string(bitsPerPixel) + " bits, compression " +
                 std::to_string(compression);
        return std::nullopt;
    }
    if (colours == 0) colours = 1u << bitsPerPixel;
    const int height = std::abs(storedHeight);
    const size_t stride = ((static_cast<size_t>(width) * bitsPerPixel + 31) / 32) * 4;
    const size_t paletteOffset = 14 + infoSize;
    if (paletteOffset + colours * 4 > bytes.size() || dataOffset + stride * height > bytes.size()) {
        *error = "BMP file is cut short";
        return std::nullopt;
    }
    std::vector<Rgb> palette;
    for (std::uint32_t i = 0; i < colours; ++i) {
        const size_t entry = paletteOffset + 4 * i;
        palette.push_back({bytes[entry + 2], bytes[entry + 1], bytes[entry]});
    }
    std::vector<Rgb> pixels;
    pixels.reserve(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const int storedRow = storedHeight > 0 ? height - 1 - y : y;  // positive height: rows bottom-up
        const size_t row = dataOffset + stride * storedRow;
        for (int x = 0; x < width; ++x) {
            const int index = PaletteIndex(bytes, row, x, bitsPerPixel);
            pixels.push_back(index < static_cast<int>(palette.size()) ? palette[index] : Rgb{});
        }
    }
    return SkinPicture(width, height, std::move(pixels));
}

std::string Lower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return text;
}

// section -> key -> value, names in lower case.
using IniSections = std::map<std::string, std::map<std::string, std::string>>;

IniSections ReadIni(const fs::path& path) {
    IniSections sections;
    std::ifstream file(path);
    std::string line;
    std::string section;
    while (std::getline(file, line)) {
        line = Trimmed(line);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = Lower(line.substr(1, line.size() - 2));
        } else if (const size_t equals = line.find('='); equals != std::string::npos) {
            sections[section][Lower(line.substr(0, equals))] = line.substr(equals + 1);
        }
    }
    return sections;
}

std::string DescribeRgb(Rgb colour) {
    std::ostringstream text;
    text << colour.red << ',' << colour.green << ',' << colour.blue;
    return text.str();
}

bool InsideShape(const SkinPicture* shape, int x, int y) {
    return shape == nullptr || shape->At(x, y) == Rgb{0, 0, 0};
}

// The first difference of one piece, or nothing when it matches.
std::optional<std::string> PieceMismatch(const ScreenShot& shot, const SkinPicture& picture, const PicturePiece& piece,
                                         const SkinPicture* shape) {
    int differing = 0;
    std::string first;
    for (int y = piece.source.top; y < piece.source.bottom; ++y) {
        for (int x = piece.source.left; x < piece.source.right; ++x) {
            if (!InsideShape(shape, x, y)) continue;
            const int shotX = piece.at.x + x - piece.source.left;
            const int shotY = piece.at.y + y - piece.source.top;
            const Rgb actual = shot.At(shotX, shotY);
            if (IsNear(actual, picture.At(x, y), kBlitTolerance)) continue;
            if (differing++ == 0) {
                first = "first at picture (" + std::to_string(x) + ", " + std::to_string(y) + "), shot (" +
                        std::to_string(shotX) + ", " + std::to_string(shotY) + "): expected " +
                        DescribeRgb(picture.At(x, y)) + ", shown " + DescribeRgb(actual);
            }
        }
    }
    if (differing == 0) return std::nullopt;
    return std::string(piece.name) + ": " + std::to_string(differing) + " pixels differ, " + first;
}

bool PieceFits(const ScreenShot& shot, const SkinPicture& picture, const PicturePiece& piece) {
    const RECT& source = piece.source;
    return source.left >= 0 && source.top >= 0 && source.right <= picture.Width() &&
           source.bottom <= picture.Height() && piece.at.x >= 0 && piece.at.y >= 0 &&
           piece.at.x + (source.right - source.left) <= shot.Width() &&
           piece.at.y + (source.bottom - source.top) <= shot.Height();
}

std::set<std::uint32_t> ColoursOfRow(const SkinPicture& picture, int y, int left, int right) {
    std::set<std::uint32_t> colours;
    for (int x = left; x < right; ++x) {
        const Rgb c = picture.At(x, y);
        colours.insert(static_cast<std::uint32_t>(c.red << 16 | c.green << 8 | c.blue));
    }
    return colours;
}

}  // namespace

fs::path SkinFolder() {
    const std::wstring configured = GetEnv(L"SKIN_DIR");
    if (!configured.empty()) return configured;
    std::wstring exe(4096, L'\0');
    exe.resize(GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size())));
    return fs::path(exe).parent_path().parent_path().parent_path() / L"skin";
}

const SkinPicture* LoadSkinPicture(std::wstring_view fileName, std::string* error) {
    static std::map<std::wstring, std::unique_ptr<SkinPicture>, std::less<>> cache;
    if (auto found = cache.find(fileName); found != cache.end()) return found->second.get();
    const fs::path path = SkinFolder() / fileName;
    const std::optional<ByteVector> bytes = ReadWholeFile(path);
    if (!bytes) {
        *error = "cannot read " + path.string();
        return nullptr;
    }
    std::optional<SkinPicture> picture = DecodeBmp(*bytes, error);
    if (!picture) {
        *error = path.string() + ": " + *error;
        return nullptr;
    }
    auto& slot = cache[std::wstring(fileName)];
    slot = std::make_unique<SkinPicture>(std::move(*picture));
    return slot.get();
}

std::optional<RECT> SkinIniRect(std::string_view section, std::string_view key) {
    static const IniSections sections = ReadIni(SkinFolder() / L"SKIN.INI");
    const auto inSection = sections.find(Lower(section));
    if (inSection == sections.end()) return std::nullopt;
    const auto value = inSection->second.find(Lower(key));
    if (value == inSection->second.end()) return std::nullopt;
    RECT rect{};
    char comma1 = 0, comma2 = 0, comma3 = 0;
    std::istringstream text(value->second);
    text >> rect.left >> comma1 >> rect.top >> comma2 >> rect.right >> comma3 >> rect.bottom;
    if (!text) return std::nullopt;
    return rect;
}

fs::path ShotsFolder() {
    const std::wstring configured = GetEnv(L"E2E_SHOTS_DIR");
    if (!configured.empty()) return configured;
    return fs::path(GetEnv(L"E2E_TMP")).parent_path() / L"e2e-shots";
}

bool SaveBmp(const ScreenShot& shot, const fs::path& path) {
    std::error_code ignored;
    fs::create_directories(path.parent_path(), ignored);
    const std::uint32_t stride = (static_cast<std::uint32_t>(shot.Width()) * 3 + 3) & ~3u;
    const std::uint32_t dataSize = stride * shot.Height();
    ByteVector bytes(54 + dataSize, 0);
    auto put32 = [&](size_t offset, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(shot.Width()));
    put32(22, static_cast<std::uint32_t>(shot.Height()));
    bytes[26] = 1;   // planes
    bytes[28] = 24;  // bits per pixel
    put32(34, dataSize);
    for (int y = 0; y < shot.Height(); ++y) {
        const size_t row = 54 + static_cast<size_t>(stride) * (shot.Height() - 1 - y);
        for (int x = 0; x < shot.Width(); ++x) {
            const Rgb pixel = shot.At(x, y);
            bytes[row + 3 * x] = static_cast<std::uint8_t>(pixel.blue);
            bytes[row + 3 * x + 1] = static_cast<std::uint8_t>(pixel.green);
            bytes[row + 3 * x + 2] = static_cast<std::uint8_t>(pixel.red);
        }
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

testing::AssertionResult ShowsPieces(const ScreenShot& shot, const SkinPicture& picture,
                                     const std::vector<PicturePiece>& pieces, const SkinPicture* shape) {
    std::string failures;
    for (const PicturePiece& piece : pieces) {
        if (!PieceFits(shot, picture, piece)) {
            failures += std::string(piece.name) + ": lies outside the picture or the shot; ";
        } else if (const auto mismatch = PieceMismatch(shot, picture, piece, shape)) {
            failures += *mismatch + "; ";
        }
    }
    if (failures.empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << failures;
}

std::vector<PicturePiece> CornerPieces(const RECT& skinRect, const ElementPoints& points, SIZE control) {
    const LONG left = skinRect.left, top = skinRect.top;
    const LONG width = skinRect.right - left, height = skinRect.bottom - top;
    return {
        {"top-left corner", {left, top, left + points.leftTop.x, top + points.leftTop.y}, {0, 0}},
        {"top-right corner", {left + points.rightTop.x, top, skinRect.right, top + points.rightTop.y},
         {control.cx - (width - points.rightTop.x), 0}},
        {"bottom-left corner", {left, top + points.leftBottom.y, left + points.leftBottom.x, skinRect.bottom},
         {0, control.cy - (height - points.leftBottom.y)}},
        {"bottom-right corner",
         {left + points.rightBottom.x, top + points.rightBottom.y, skinRect.right, skinRect.bottom},
         {control.cx - (width - points.rightBottom.x), control.cy - (height - points.rightBottom.y)}},
    };
}

std::vector<PicturePiece> EndPieces(const RECT& skinRect, const ElementPoints& points, SIZE control) {
    const LONG width = skinRect.right - skinRect.left;
    return {
        {"left end", {skinRect.left, skinRect.top, skinRect.left + points.leftTop.x, skinRect.bottom}, {0, 0}},
        {"right end", {skinRect.left + points.rightTop.x, skinRect.top, skinRect.right, skinRect.bottom},
         {control.cx - (width - points.rightTop.x), 0}},
    };
}

int GaugeFillEnd(const ScreenShot& gauge, const SkinPicture& controls) {
    const RECT& element = skin::kStatusGauge.skinRect;
    const RECT& area = skin::kStatusGaugeProgressArea;
    const RECT& progress = skin::kStatusGaugeProgress;
    // The colours that only the progress picture brings to the area's top row.
    std::set<std::uint32_t> filled = ColoursOfRow(controls, progress.top, progress.left, progress.right);
    for (std::uint32_t empty : ColoursOfRow(controls, element.top + area.top, element.left + area.left,
                                            element.left + area.right))
        filled.erase(empty);
    const int areaRight = gauge.Width() - ((element.right - element.left) - area.right);
    int end = area.left;
    for (int x = area.left; x < areaRight; ++x) {
        const Rgb c = gauge.At(x, area.top);
        if (filled.count(static_cast<std::uint32_t>(c.red << 16 | c.green << 8 | c.blue))) end = x + 1;
    }
    return end;
}

}  // namespace e2e
