// Paints the launcher's background picture, a container ship on a calm sea under a soft sky with a faint
// globe and shipping route on the left, and writes it as a baseline JPEG (usage: wallpaper <out.jpg>).
// Depends on libjpeg only; the right third stays quiet because the button column sits there.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

#include <jpeglib.h> // needs size_t and FILE declared first

namespace {

constexpr int kWidth = 1114;
constexpr int kHeight = 842;
constexpr int kQuality = 90;
constexpr double kPi = 3.14159265358979323846;
constexpr double kHorizon = 528.0;

struct Color {
    double r, g, b;
};

struct Vec {
    double x, y;
};

Color Mix(Color a, Color b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double SmoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Deterministic value noise, so every run paints the same picture.
double Hash(int x, int y)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double((h ^ (h >> 16)) & 0xFFFFFF) / double(0xFFFFFF);
}

double ValueNoise(double x, double y)
{
    const int ix = int(std::floor(x));
    const int iy = int(std::floor(y));
    const double fx = SmoothStep(0, 1, x - ix);
    const double fy = SmoothStep(0, 1, y - iy);
    const double top = Hash(ix, iy) + (Hash(ix + 1, iy) - Hash(ix, iy)) * fx;
    const double bottom = Hash(ix, iy + 1) + (Hash(ix + 1, iy + 1) - Hash(ix, iy + 1)) * fx;
    return top + (bottom - top) * fy;
}

double Fbm(double x, double y)
{
    double sum = 0, amplitude = 0.5;
    for (int octave = 0; octave < 5; ++octave) {
        sum += amplitude * ValueNoise(x, y);
        x *= 2.03, y *= 2.03, amplitude *= 0.5;
    }
    return sum;
}

class Image {
public:
    Image() : m_pixels(size_t(kWidth) * kHeight) {}
    Color& At(int x, int y) { return m_pixels[size_t(y) * kWidth + x]; }
    void Blend(int x, int y, Color c, double alpha) { At(x, y) = Mix(At(x, y), c, std::clamp(alpha, 0.0, 1.0)); }

private:
    std::vector<Color> m_pixels;
};

// Anti-aliased coverage, 0..1 per pixel; shapes combine by maximum so overlapping strokes don't darken.
class Mask {
public:
    Mask() : m_cover(size_t(kWidth) * kHeight, 0.0) {}
    double At(int x, int y) const
    {
        return x < 0 || y < 0 || x >= kWidth || y >= kHeight ? 0.0 : m_cover[size_t(y) * kWidth + x];
    }
    void Raise(int x, int y, double cover)
    {
        if (x < 0 || y < 0 || x >= kWidth || y >= kHeight)
            return;
        double& c = m_cover[size_t(y) * kWidth + x];
        c = std::max(c, std::clamp(cover, 0.0, 1.0));
    }

    void Segment(Vec a, Vec b, double width)
    {
        const int left = int(std::floor(std::min(a.x, b.x) - width)), right = int(std::ceil(std::max(a.x, b.x) + width));
        const int top = int(std::floor(std::min(a.y, b.y) - width)), bottom = int(std::ceil(std::max(a.y, b.y) + width));
        const double dx = b.x - a.x, dy = b.y - a.y, length2 = std::max(dx * dx + dy * dy, 1e-9);
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                const double px = x + 0.5, py = y + 0.5;
                const double t = std::clamp(((px - a.x) * dx + (py - a.y) * dy) / length2, 0.0, 1.0);
                const double d = std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
                Raise(x, y, width / 2 + 0.5 - d);
            }
        }
    }

    void Polyline(const std::vector<Vec>& points, double width)
    {
        for (size_t i = 1; i < points.size(); ++i)
            Segment(points[i - 1], points[i], width);
    }

    void Disc(Vec centre, double radius) { Segment(centre, centre, radius * 2); }

    // Even-odd fill with 4 x 4 samples per pixel.
    void Polygon(const std::vector<Vec>& points)
    {
        double minX = kWidth, maxX = 0, minY = kHeight, maxY = 0;
        for (const Vec& p : points)
            minX = std::min(minX, p.x), maxX = std::max(maxX, p.x), minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        for (int y = int(minY) - 1; y <= int(maxY) + 1; ++y)
            for (int x = int(minX) - 1; x <= int(maxX) + 1; ++x)
                Raise(x, y, PolygonCoverage(points, x, y));
    }

    void Rectangle(double left, double top, double right, double bottom);

private:
    static bool Inside(const std::vector<Vec>& points, double x, double y)
    {
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const Vec& a = points[i];
            const Vec& b = points[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
        return inside;
    }

    static double PolygonCoverage(const std::vector<Vec>& points, int x, int y)
    {
        int hits = 0;
        for (int sy = 0; sy < 4; ++sy)
            for (int sx = 0; sx < 4; ++sx)
                hits += Inside(points, x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
        return hits / 16.0;
    }

    std::vector<double> m_cover;
};

// Exact area of the pixel (x, y) inside an axis-aligned rectangle.
double RectCoverage(double left, double top, double right, double bottom, int x, int y)
{
    const double w = std::clamp(std::min(right, x + 1.0) - std::max(left, double(x)), 0.0, 1.0);
    const double h = std::clamp(std::min(bottom, y + 1.0) - std::max(top, double(y)), 0.0, 1.0);
    return w * h;
}

void Mask::Rectangle(double left, double top, double right, double bottom)
{
    for (int y = int(top); y < int(std::ceil(bottom)); ++y)
        for (int x = int(left); x < int(std::ceil(right)); ++x)
            Raise(x, y, RectCoverage(left, top, right, bottom, x, y));
}

void Composite(Image& image, const Mask& mask, Color color, double alpha)
{
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (const double c = mask.At(x, y); c > 0)
                image.Blend(x, y, color, c * alpha);
}

// Sky: steel blue at the top fading to a pale sea-green haze at the horizon, lit a little from the left.
void PaintSky(Image& image)
{
    const Color top{86, 140, 182}, middle{150, 196, 212}, haze{222, 238, 234};
    for (int y = 0; y < int(kHorizon); ++y) {
        const double t = y / kHorizon;
        const Color base = t < 0.55 ? Mix(top, middle, t / 0.55) : Mix(middle, haze, (t - 0.55) / 0.45);
        for (int x = 0; x < kWidth; ++x) {
            const double glow = std::exp(-std::pow((x - 330.0) / 420.0, 2) - std::pow((y - kHorizon) / 200.0, 2));
            image.At(x, y) = Mix(base, {250, 246, 232}, 0.35 * glow);
        }
    }
}

// Thin, wind-stretched clouds: noise squeezed vertically, faded out towards the horizon.
void PaintClouds(Image& image)
{
    for (int y = 0; y < int(kHorizon) - 40; ++y) {
        const double band = SmoothStep(kHorizon - 40, kHorizon - 220, y) * SmoothStep(0, 90, y);
        for (int x = 0; x < kWidth; ++x) {
            const double n = Fbm(x / 260.0, y / 55.0);
            image.Blend(x, y, {248, 250, 250}, SmoothStep(0.52, 0.78, n) * 0.42 * band);
        }
    }
}

// Sea: teal under the horizon deepening towards the viewer, with ripples that tighten into the distance.
void PaintSea(Image& image)
{
    const Color far{96, 150, 164}, near{22, 72, 102};
    for (int y = int(kHorizon); y < kHeight; ++y) {
        const double depth = (y - kHorizon) / (kHeight - kHorizon);
        const Color base = Mix(far, near, std::pow(depth, 0.7));
        const double scale = 0.15 + depth * 1.6; // perspective: ripples grow towards the viewer
        for (int x = 0; x < kWidth; ++x) {
            const double n = Fbm(x / (120.0 * scale), (y - kHorizon) / (4.0 * scale));
            const double glint = std::exp(-std::pow((x - 330.0) / (160.0 + 260 * depth), 2));
            Color c = Mix(base, {214, 232, 232}, SmoothStep(0.56, 0.82, n) * (0.16 + 0.26 * glint) * (1 - 0.55 * depth));
            image.At(x, y) = Mix(c, {10, 40, 66}, SmoothStep(0.35, 0.2, n) * 0.18);
        }
    }
    for (int x = 0; x < kWidth; ++x)
        image.Blend(x, int(kHorizon), {236, 244, 240}, 0.35);
}

// A point on a unit sphere at latitude/longitude, turned towards the viewer and tilted, in screen space.
struct GlobeView {
    Vec centre;
    double radius;
    double tilt;
    double turn;

    bool Project(double lat, double lon, Vec& out) const
    {
        const double x = std::cos(lat) * std::sin(lon + turn);
        const double y = std::sin(lat);
        const double z = std::cos(lat) * std::cos(lon + turn);
        const double yt = y * std::cos(tilt) - z * std::sin(tilt);
        const double zt = y * std::sin(tilt) + z * std::cos(tilt);
        out = {centre.x + radius * x, centre.y - radius * yt};
        return zt > 0;
    }
};

std::vector<std::vector<Vec>> VisibleRuns(const GlobeView& globe, auto&& pointAt, int steps)
{
    std::vector<std::vector<Vec>> runs(1);
    for (int i = 0; i <= steps; ++i) {
        const auto [lat, lon] = pointAt(double(i) / steps);
        Vec p;
        if (globe.Project(lat, lon, p))
            runs.back().push_back(p);
        else if (!runs.back().empty())
            runs.emplace_back();
    }
    return runs;
}

void PaintGraticule(Image& image, const GlobeView& globe)
{
    Mask lines;
    for (int m = 0; m < 12; ++m) {
        const double lon = m * kPi / 6;
        auto meridian = [lon](double t) { return std::pair{-kPi / 2 + t * kPi, lon}; };
        for (const auto& run : VisibleRuns(globe, meridian, 160))
            lines.Polyline(run, 1.1);
    }
    for (int p = -2; p <= 2; ++p) {
        const double lat = p * kPi / 6.5;
        auto parallel = [lat](double t) { return std::pair{lat, t * 2 * kPi}; };
        for (const auto& run : VisibleRuns(globe, parallel, 240))
            lines.Polyline(run, 1.1);
    }
    Mask rim;
    std::vector<Vec> circle;
    for (int i = 0; i <= 240; ++i)
        circle.push_back({globe.centre.x + globe.radius * std::cos(i * kPi / 120), globe.centre.y + globe.radius * std::sin(i * kPi / 120)});
    rim.Polyline(circle, 1.6);
    Composite(image, lines, {255, 255, 255}, 0.16);
    Composite(image, rim, {255, 255, 255}, 0.26);
}

// Great-circle route between two ports, dashed, with a small marker at each end.
void PaintRoute(Image& image, const GlobeView& globe, std::pair<double, double> from, std::pair<double, double> to)
{
    auto toXyz = [](std::pair<double, double> ll) {
        return std::array<double, 3>{std::cos(ll.first) * std::cos(ll.second), std::cos(ll.first) * std::sin(ll.second),
                                     std::sin(ll.first)};
    };
    const auto a = toXyz(from), b = toXyz(to);
    const double omega = std::acos(a[0] * b[0] + a[1] * b[1] + a[2] * b[2]);
    auto along = [&](double t) {
        const double wa = std::sin((1 - t) * omega) / std::sin(omega), wb = std::sin(t * omega) / std::sin(omega);
        const double x = wa * a[0] + wb * b[0], y = wa * a[1] + wb * b[1], z = wa * a[2] + wb * b[2];
        return std::pair{std::asin(std::clamp(z, -1.0, 1.0)), std::atan2(y, x)};
    };
    Mask dashes;
    constexpr int kSteps = 60;
    for (int i = 0; i < kSteps; i += 2) {
        Vec p, q;
        const auto [lat0, lon0] = along(double(i) / kSteps);
        const auto [lat1, lon1] = along(double(i + 1) / kSteps);
        if (globe.Project(lat0, lon0, p) && globe.Project(lat1, lon1, q))
            dashes.Segment(p, q, 2.2);
    }
    Mask ports, rings;
    for (auto end : {from, to}) {
        Vec p;
        if (!globe.Project(end.first, end.second, p))
            continue;
        ports.Disc(p, 4.0);
        std::vector<Vec> ring;
        for (int i = 0; i <= 48; ++i)
            ring.push_back({p.x + 9 * std::cos(i * kPi / 24), p.y + 9 * std::sin(i * kPi / 24)});
        rings.Polyline(ring, 1.4);
    }
    Composite(image, dashes, {255, 248, 226}, 0.55);
    Composite(image, rings, {255, 248, 226}, 0.45);
    Composite(image, ports, {255, 214, 120}, 0.85);
}

// The ship, bow to the right: hull, five tiers of containers, bridge and funnel at the stern.
struct Ship {
    double stern = 78, bow = 618, waterline = kHorizon + 14;
};

void ShipHull(Mask& hull, const Ship& s)
{
    const double w = s.waterline;
    hull.Polygon({{s.stern, w - 44}, {s.bow - 30, w - 48}, {s.bow + 14, w - 56}, {s.bow + 6, w - 34}, {s.bow - 22, w},
                  {s.stern + 16, w}, {s.stern + 2, w - 16}});
}

void ShipSuperstructure(Mask& top, const Ship& s)
{
    const double deck = s.waterline - 44;
    top.Rectangle(s.stern + 30, deck - 84, s.stern + 98, deck + 2);      // accommodation block
    top.Rectangle(s.stern + 36, deck - 112, s.stern + 92, deck - 83);    // upper decks
    top.Rectangle(s.stern + 24, deck - 122, s.stern + 106, deck - 111);  // bridge and its wings
    top.Polygon({{s.stern + 4, deck - 96}, {s.stern + 22, deck - 100}, {s.stern + 22, deck + 2}, {s.stern + 6, deck + 2}}); // funnel
    top.Rectangle(s.stern + 62, deck - 150, s.stern + 65, deck - 121);   // mast
    top.Segment({s.bow - 6, deck - 10}, {s.bow - 6, deck - 52}, 2.5);    // foremast
}

void BlendRect(Image& image, double left, double top, double right, double bottom, Color color, double alpha)
{
    for (int y = std::max(0, int(top)); y < std::min(kHeight, int(std::ceil(bottom))); ++y)
        for (int x = std::max(0, int(left)); x < std::min(kWidth, int(std::ceil(right))); ++x)
            image.Blend(x, y, color, alpha * RectCoverage(left, top, right, bottom, x, y));
}

void ShipContainers(Image& image, Mask& silhouette, const Ship& s)
{
    const Color tones[] = {{58, 78, 96}, {70, 88, 104}, {50, 68, 86}, {96, 78, 72}, {56, 92, 98}, {84, 92, 100}};
    const double deck = s.waterline - 46;
    constexpr double kBay = 27, kTier = 13;
    for (int bay = 0; bay < 16; ++bay) {
        const double left = s.stern + 118 + bay * kBay;
        const int tiers = 5 - (bay < 1) - (bay > 13) - (bay > 14);
        for (int tier = 0; tier < tiers; ++tier) {
            const double top = deck - (tier + 1) * kTier + 1.2, bottom = deck - tier * kTier + 1;
            BlendRect(image, left, top, left + kBay - 2.5, bottom, tones[int(Hash(bay, tier) * 6) % 6], 1.0);
            silhouette.Rectangle(left, top, left + kBay, bottom);
        }
    }
}

void ShipDetails(Image& image, const Ship& s)
{
    const double deck = s.waterline - 44;
    for (int i = 0; i < 8; ++i)
        BlendRect(image, s.stern + 30 + i * 9.5, deck - 119, s.stern + 36 + i * 9.5, deck - 114, {226, 236, 232}, 0.6);
    for (double level : {deck - 104, deck - 92, deck - 72, deck - 52, deck - 32})
        for (int i = 0; i < 6; ++i)
            BlendRect(image, s.stern + 40 + i * 9, level, s.stern + 44 + i * 9, level + 3, {200, 214, 214}, 0.28);
    BlendRect(image, s.stern + 4.5, deck - 88, s.stern + 22, deck - 80, {176, 74, 62}, 0.8);
    BlendRect(image, s.stern + 12, s.waterline - 12, s.bow - 18, s.waterline - 3, {120, 52, 50}, 0.5);
}

// A wavering mirror image of the ship on the water, fading with distance from the hull.
void PaintReflection(Image& image, const Mask& ship, double waterline)
{
    for (int y = int(waterline); y < std::min(kHeight, int(waterline) + 110); ++y) {
        const double fade = 1 - (y - waterline) / 110;
        for (int x = 0; x < kWidth; ++x) {
            const int sx = x + int(std::lround(3 * std::sin(y * 0.55) + 2 * std::sin(y * 0.17 + x * 0.01)));
            const double c = ship.At(sx, int(2 * waterline - y));
            if (c > 0)
                image.Blend(x, y, {24, 48, 66}, c * 0.32 * fade * fade);
        }
    }
}

void PaintShip(Image& image)
{
    const Ship ship;
    Mask body;
    ShipHull(body, ship);
    ShipSuperstructure(body, ship);
    Composite(image, body, {38, 54, 72}, 1.0);
    ShipContainers(image, body, ship);
    ShipDetails(image, ship);
    PaintReflection(image, body, ship.waterline);
}

// A soft darkening at the edges keeps the eye in the picture.
void PaintVignette(Image& image)
{
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double dx = (x - kWidth / 2.0) / (kWidth / 2.0), dy = (y - kHeight / 2.0) / (kHeight / 2.0);
            image.Blend(x, y, {12, 30, 46}, 0.22 * SmoothStep(0.7, 1.6, dx * dx + dy * dy));
        }
    }
}

bool WriteJpeg(Image& image, const char* path)
{
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = kWidth;
    cinfo.image_height = kHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, kQuality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(size_t(kWidth) * 3);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            // A little ordered noise before rounding hides banding in the long gradients.
            const double dither = Hash(x + 7919, y + 104729) - 0.5;
            const Color c = image.At(x, y);
            row[size_t(x) * 3 + 0] = JSAMPLE(std::clamp(std::lround(c.r + dither), 0L, 255L));
            row[size_t(x) * 3 + 1] = JSAMPLE(std::clamp(std::lround(c.g + dither), 0L, 255L));
            row[size_t(x) * 3 + 2] = JSAMPLE(std::clamp(std::lround(c.b + dither), 0L, 255L));
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <out.jpg>\n", argv[0]);
        return 2;
    }
    Image image;
    PaintSky(image);
    PaintClouds(image);
    PaintSea(image);
    const GlobeView globe{{250, 250}, 196, 0.38, -0.35};
    PaintGraticule(image, globe);
    PaintRoute(image, globe, {0.52, -0.95}, {-0.12, 0.62});
    PaintRoute(image, globe, {0.52, -0.95}, {0.78, 0.35});
    PaintShip(image);
    PaintVignette(image);
    if (!WriteJpeg(image, argv[1])) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
