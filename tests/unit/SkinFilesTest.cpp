// Checks the committed skin files in skin/ against what the program stores and relies on: the eleven BMP
// pictures' headers, sizes and key pixels, and SKIN.INI's lines, sections and given values. Reads the files
// with its own tiny readers; depends on nothing of the program.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::filesystem::path kSkinDir = std::filesystem::path(SOURCE_DIR) / "skin";

std::vector<uint8_t> ReadBytes(const std::string& name)
{
    std::ifstream file(kSkinDir / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

uint16_t U16(const std::vector<uint8_t>& b, size_t at)
{
    return uint16_t(b[at] | (b[at + 1] << 8));
}

// ---- pictures ----

struct PictureCase {
    const char* name;
    int32_t width;
    int32_t height;
    uint16_t bitsPerPixel;
    uint32_t colours;
    size_t bytes;
};

const PictureCase kPictures[] = {
    {"main.bmp", 152, 125, 8, 231, 19978},     {"inactivemain.bmp", 152, 125, 8, 205, 19874},
    {"mask.bmp", 152, 125, 1, 2, 2562},        {"active.BMP", 84, 223, 8, 171, 19470},
    {"pw.bmp", 65, 69, 8, 11, 4790},           {"menuitems.bmp", 68, 118, 8, 32, 8206},
    {"hw.bmp", 42, 27, 8, 11, 1286},           {"controls.bmp", 516, 280, 8, 109, 144970},
    {"grids.bmp", 72, 21, 8, 98, 1958},        {"pwmask.bmp", 65, 69, 1, 2, 890},
    {"hwmask.bmp", 42, 27, 1, 2, 278},
};

using Rgb = std::array<uint8_t, 3>;

// An uncompressed, bottom-up BMP with a colour table, as the skin stores its pictures.
class Bmp {
public:
    explicit Bmp(const std::string& name) : m_bytes(ReadBytes(name)) {}

    bool Loaded() const { return m_bytes.size() >= 54; }
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    int Width() const { return int(U32(m_bytes, 18)); }
    int Height() const { return int(U32(m_bytes, 22)); }
    int Bits() const { return U16(m_bytes, 28); }
    uint32_t Colours() const { return U32(m_bytes, 46); }

    Rgb Entry(uint32_t i) const
    {
        const size_t at = 54 + 4 * size_t(i);
        return {m_bytes[at + 2], m_bytes[at + 1], m_bytes[at]};
    }
    // Colour-table index of pixel (x, y), y counted from the top.
    uint32_t Index(int x, int y) const
    {
        const size_t rowBytes = ((size_t(Width()) * Bits() + 31) / 32) * 4;
        const size_t row = U32(m_bytes, 10) + rowBytes * size_t(Height() - 1 - y);
        if (Bits() == 8) {
            return m_bytes[row + size_t(x)];
        }
        return (m_bytes[row + size_t(x / 8)] >> (7 - x % 8)) & 1;
    }
    Rgb At(int x, int y) const { return Entry(Index(x, y)); }

private:
    std::vector<uint8_t> m_bytes;
};

TEST(SkinFilePictures, HeadersAndSizesAreThoseOfTheStoredPictures)
{
    for (const auto& c : kPictures) {
        SCOPED_TRACE(c.name);
        const Bmp bmp(c.name);
        ASSERT_TRUE(bmp.Loaded());
        const auto& b = bmp.Bytes();
        EXPECT_EQ(b.size(), c.bytes);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(U32(b, 2), c.bytes) << "bfSize";
        EXPECT_EQ(U32(b, 10), 14 + 40 + 4 * c.colours) << "bfOffBits";
        EXPECT_EQ(U32(b, 14), 40u) << "BITMAPINFOHEADER size";
        EXPECT_EQ(bmp.Width(), c.width);
        EXPECT_EQ(bmp.Height(), c.height) << "positive height: rows stored bottom-up";
        EXPECT_EQ(U16(b, 26), 1) << "planes";
        EXPECT_EQ(bmp.Bits(), c.bitsPerPixel);
        EXPECT_EQ(U32(b, 30), 0u) << "compression BI_RGB";
        EXPECT_EQ(bmp.Colours(), c.colours) << "biClrUsed";
    }
}

// An index past the colour table would draw whatever bytes follow it.
TEST(SkinFilePictures, EveryPixelUsesAnEntryOfItsColourTable)
{
    for (const auto& c : kPictures) {
        SCOPED_TRACE(c.name);
        const Bmp bmp(c.name);
        ASSERT_EQ(bmp.Bytes().size(), c.bytes);
        int outside = 0;
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                outside += bmp.Index(x, y) >= c.colours ? 1 : 0;
            }
        }
        EXPECT_EQ(outside, 0);
    }
}

TEST(SkinFilePictures, MasksHaveBlackAsEntryZeroAndWhiteAsEntryOne)
{
    for (const char* name : {"mask.bmp", "pwmask.bmp", "hwmask.bmp"}) {
        SCOPED_TRACE(name);
        const Bmp bmp(name);
        ASSERT_TRUE(bmp.Loaded());
        EXPECT_EQ(bmp.Entry(0), (Rgb{0, 0, 0}));
        EXPECT_EQ(bmp.Entry(1), (Rgb{255, 255, 255}));
    }
}

// The frame repeats this piece as the client background wherever no picture covers it.
TEST(SkinFilePictures, FrameClientRectangleIsExactlyTheClientColour)
{
    const Bmp frame("main.bmp");
    ASSERT_EQ(frame.Bytes().size(), 19978u);
    int wrong = 0;
    for (int y = 29; y < 120; ++y) {
        for (int x = 5; x < 147; ++x) {
            wrong += frame.At(x, y) == Rgb{203, 226, 255} ? 0 : 1;
        }
    }
    EXPECT_EQ(wrong, 0) << "pixels of 5,29,147,120 that are not red 203, green 226, blue 255";
    EXPECT_NE(frame.At(4, 29), (Rgb{203, 226, 255})) << "the border is not client colour";
}

// White means outside the window: rows 0 to 4 lose 5, 3, 2, 1, 1 pixels at each end; nothing else does.
TEST(SkinFilePictures, FrameMaskCutsOnlyTheRoundedTopCorners)
{
    const Bmp mask("mask.bmp");
    ASSERT_EQ(mask.Bytes().size(), 2562u);
    const int cut[5] = {5, 3, 2, 1, 1};
    for (int y = 0; y < 125; ++y) {
        const int lost = y < 5 ? cut[y] : 0;
        int whiteLeft = 0;
        int whiteRight = 0;
        int whiteInside = 0;
        for (int x = 0; x < 152; ++x) {
            const bool white = mask.Index(x, y) == 1;
            if (x < lost) {
                whiteLeft += white ? 1 : 0;
            } else if (x >= 152 - lost) {
                whiteRight += white ? 1 : 0;
            } else {
                whiteInside += white ? 1 : 0;
            }
        }
        EXPECT_EQ(whiteLeft, lost) << "row " << y;
        EXPECT_EQ(whiteRight, lost) << "row " << y;
        EXPECT_EQ(whiteInside, 0) << "row " << y;
    }
}

// ---- SKIN.INI ----

// The definition read as a line reader reads it: lines end in CR LF, and the last line ends like the others.
struct IniText {
    std::vector<uint8_t> bytes;
    std::vector<std::string> lines;
    int bareLineFeeds = 0;
    bool endsWithNewLine = false;
};

IniText ReadIni()
{
    IniText ini;
    ini.bytes = ReadBytes("SKIN.INI");
    std::string line;
    for (uint8_t b : ini.bytes) {
        if (b != '\n') {
            line += char(b);
            continue;
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        } else {
            ++ini.bareLineFeeds;
        }
        ini.lines.push_back(line);
        line.clear();
    }
    ini.endsWithNewLine = line.empty() && !ini.bytes.empty();
    if (!line.empty()) {
        ini.lines.push_back(line);
    }
    return ini;
}

bool IsHeader(const std::string& line)
{
    return line.size() > 2 && line.front() == '[' && line.back() == ']';
}

// Sections in order, each with its key=value entries as stored (keys keep their spelling).
using Entries = std::vector<std::pair<std::string, std::string>>;

std::vector<std::pair<std::string, Entries>> Sections(const IniText& ini)
{
    std::vector<std::pair<std::string, Entries>> out;
    for (const auto& line : ini.lines) {
        if (IsHeader(line)) {
            out.emplace_back(line.substr(1, line.size() - 2), Entries{});
        } else if (const auto eq = line.find('='); eq != std::string::npos && !out.empty()) {
            out.back().second.emplace_back(line.substr(0, eq), line.substr(eq + 1));
        }
    }
    return out;
}

const Entries* Find(const std::vector<std::pair<std::string, Entries>>& sections, const std::string& name)
{
    for (const auto& [section, entries] : sections) {
        if (section == name) {
            return &entries;
        }
    }
    return nullptr;
}

const char* const kSongTi = "\xE5\xAE\x8B\xE4\xBD\x93"; // 宋体 in UTF-8

TEST(SkinFileIni, Has1327CrLfLinesWithoutByteOrderMark)
{
    const IniText ini = ReadIni();
    ASSERT_GE(ini.bytes.size(), 3u);
    EXPECT_FALSE(ini.bytes[0] == 0xEF && ini.bytes[1] == 0xBB && ini.bytes[2] == 0xBF) << "UTF-8 without BOM";
    EXPECT_EQ(ini.lines.size(), 1327u);
    EXPECT_EQ(ini.bareLineFeeds, 0) << "every line ends in CR LF";
    EXPECT_TRUE(ini.endsWithNewLine) << "the last line ends in CR LF too";
}

TEST(SkinFileIni, HasThe70SectionsInStoredOrder)
{
    const std::vector<std::string> expected = {
        "VERSION", "PICTURES", "FORMINFO", "POPUPWINDOW", "HINTWINDOW", "SKINOBJECTS", "menuitem", "caption",
        "closebutton", "minimizebutton", "maximizebutton", "rollupbutton", "mainmenubaritem", "sysmenubutton",
        "menubarsysmenubutton", "menubarclosebutton", "menubarmaxbutton", "menubarminbutton", "SKINCONTROLS",
        "button", "toolpanel", "toolbutton", "checkbox", "gauge", "vgauge", "radiobox", "panel", "label",
        "trackbar", "htrackbar", "grid", "tab", "edit", "memo", "hscrollbar", "vscrollbar", "listbox", "combobox",
        "checklistbox", "spinedit", "groupbox", "stdlabel", "statuspanel", "statusbar", "buttonedit", "vupdown",
        "hupdown", "captionlistbox", "captionchecklistbox", "captioncombobox", "controlbar", "mainmenubar",
        "vsplitter", "hsplitter", "resizebutton", "bothhscrollbar", "rolluppanel", "bigtoolpanel", "bigtoolbutton",
        "toolmenubutton", "toolmenutrackbutton", "bigtoolmenubutton", "bigtoolmenutrackbutton", "scrollbox",
        "treeview", "listview", "statusgauge", "richedit", "expanel", "header"};
    ASSERT_EQ(expected.size(), 70u);
    std::vector<std::string> found;
    for (const auto& [name, entries] : Sections(ReadIni())) {
        found.push_back(name);
        EXPECT_FALSE(entries.empty()) << "[" << name << "] is empty";
    }
    EXPECT_EQ(found, expected);
}

TEST(SkinFileIni, CaptionHasTwoEmptyLinesBeforeAlignment)
{
    const IniText ini = ReadIni();
    size_t at = 0;
    while (at < ini.lines.size() && ini.lines[at] != "[caption]") {
        ++at;
    }
    while (at < ini.lines.size() && ini.lines[at] != "alignment=taleftjustify") {
        ++at;
    }
    ASSERT_GE(at, 3u);
    ASSERT_LT(at, ini.lines.size());
    EXPECT_EQ(ini.lines[at - 1], "");
    EXPECT_EQ(ini.lines[at - 2], "");
    EXPECT_EQ(ini.lines[at - 3], "activefontcolor=16777215");
    int empty = 0;
    for (const auto& line : ini.lines) {
        empty += line.empty() ? 1 : 0;
    }
    EXPECT_EQ(empty, 2) << "the only empty lines are the two in [caption]";
}

TEST(SkinFileIni, All48FontNamesAreSongTiAndNothingElseIsNonAscii)
{
    int fontNames = 0;
    for (const auto& [section, entries] : Sections(ReadIni())) {
        for (const auto& [key, value] : entries) {
            if (key == "fontname") {
                ++fontNames;
                EXPECT_EQ(value, kSongTi) << "[" << section << "]";
            } else {
                for (char ch : key + value) {
                    EXPECT_GE(static_cast<unsigned char>(ch), 0x20) << "[" << section << "] " << key;
                    EXPECT_LT(static_cast<unsigned char>(ch), 0x80) << "[" << section << "] " << key;
                }
            }
        }
    }
    EXPECT_EQ(fontNames, 48);
}

// [FORMINFO] repeats the frame's strips and has no caption or button areas of its own.
TEST(SkinFileIni, FormInfoSetsNoStretchingAndNoButtonOrCaptionArea)
{
    const auto sections = Sections(ReadIni());
    const Entries* form = Find(sections, "FORMINFO");
    ASSERT_NE(form, nullptr);
    for (const auto& [key, value] : *form) {
        for (const char* absent :
             {"leftstretch", "rightstretch", "topstretch", "bottomstretch", "buttonsrect", "captionrect"}) {
            EXPECT_NE(key, absent);
        }
    }
}

struct ValueCase {
    const char* section;
    const char* key; // spelled as stored
    const char* value;
};

// The values the program's windows, frame and loader rely on, as the skin stores them.
const ValueCase kValues[] = {
    {"VERSION", "ver", "1"},
    {"VERSION", "skinname", "winxpgreen"},
    {"VERSION", "skinauthor", "Lumovane"},
    {"VERSION", "authoremail", "skins@lumovane.example"},
    {"VERSION", "authorurl", "http://www.lumovane.example/skins"},
    {"VERSION", "skincomments", ""},
    {"PICTURES", "picture", "main.bmp"},
    {"PICTURES", "inactivepicture", "inactivemain.bmp"},
    {"PICTURES", "mask", "mask.bmp"},
    {"PICTURES", "activepicturescount", "8"},
    {"PICTURES", "0", "active.BMP"},
    {"PICTURES", "1", "pw.bmp"},
    {"PICTURES", "2", "menuitems.bmp"},
    {"PICTURES", "3", "hw.bmp"},
    {"PICTURES", "4", "controls.bmp"},
    {"PICTURES", "5", "grids.bmp"},
    {"PICTURES", "6", "pwmask.bmp"},
    {"PICTURES", "7", "hwmask.bmp"},
    {"FORMINFO", "lefttoppoint", "29,29"},
    {"FORMINFO", "righttoppoint", "53,29"},
    {"FORMINFO", "leftbottompoint", "6,118"},
    {"FORMINFO", "rightbottompoint", "146,119"},
    {"FORMINFO", "clientrect", "5,29,147,120"},
    {"FORMINFO", "bgpictureindex", "-1"},
    {"FORMINFO", "maskrectarea", "3,4,149,122"},
    {"FORMINFO", "hittestlefttoppoint", "5,6"},
    {"FORMINFO", "hittestrighttoppoint", "145,5"},
    {"FORMINFO", "hittestleftbottompoint", "6,120"},
    {"FORMINFO", "hittestrightbottompoint", "146,118"},
    {"FORMINFO", "mainmenurect", "0,0,0,0"},
    {"FORMINFO", "iconrect", "0,0,0,0"},
    {"FORMINFO", "mainmenupopupup", "0"},
    {"FORMINFO", "borderwidth", "3"},
    {"POPUPWINDOW", "windowpictureindex", "1"},
    {"POPUPWINDOW", "maskpictureindex", "6"},
    {"POPUPWINDOW", "lefttoppoint", "24,8"},
    {"POPUPWINDOW", "righttoppoint", "58,10"},
    {"POPUPWINDOW", "leftbottompoint", "6,58"},
    {"POPUPWINDOW", "rightbottompoint", "38,60"},
    {"POPUPWINDOW", "itemsrect", "3,8,62,61"},
    {"POPUPWINDOW", "scrollmarkercolor", "8421504"},
    {"POPUPWINDOW", "scrollmarkeractivecolor", "0"},
    {"SKINOBJECTS", "count", "12"},
    {"SKINOBJECTS", "0", "menuitem:menuitem"},
    {"SKINOBJECTS", "1", "caption:caption"},
    {"SKINOBJECTS", "2", "closebutton:stdbutton"},
    {"SKINOBJECTS", "3", "minimizebutton:stdbutton"},
    {"SKINOBJECTS", "4", "maximizebutton:stdbutton"},
    {"SKINOBJECTS", "5", "rollupbutton:stdbutton"},
    {"SKINOBJECTS", "6", "mainmenubaritem:mainmenubaritem"},
    {"SKINOBJECTS", "7", "sysmenubutton:stdbutton"},
    {"SKINOBJECTS", "8", "menubarsysmenubutton:mainmenubarbutton"},
    {"SKINOBJECTS", "9", "menubarclosebutton:mainmenubarbutton"},
    {"SKINOBJECTS", "10", "menubarmaxbutton:mainmenubarbutton"},
    {"SKINOBJECTS", "11", "menubarminbutton:mainmenubarbutton"},
    {"menuitem", "activepictureindex", "2"},
    {"menuitem", "skinrect", "1,22,64,42"},
    {"menuitem", "activeskinrect", "1,1,64,21"},
    {"menuitem", "itemleftoffset", "0"},
    {"menuitem", "itemrightoffset", "0"},
    {"menuitem", "dividerrect", "1,41,64,48"},
    {"menuitem", "dividerleftoffset", "3"},
    {"menuitem", "dividerrightoffset", "3"},
    {"menuitem", "textrect", "2,2,60,18"},
    {"menuitem", "fontname", kSongTi},
    {"menuitem", "fontheight", "-12"},
    {"menuitem", "fontstyle", ""},
    {"menuitem", "fontcolor", "0"},
    {"menuitem", "activefontcolor", "0"},
    {"menuitem", "unenabledfontColor", "8421504"},
    {"caption", "activepictureindex", "-1"},
    {"caption", "skinrect", "27,6,56,24"},
    {"caption", "activeskinrect", "0,0,0,0"},
    {"caption", "textrect", "0,0,29,18"},
    {"caption", "fontname", kSongTi},
    {"caption", "fontheight", "-12"},
    {"caption", "fontstyle", "fsbold"},
    {"caption", "fontcolor", "16777215"},
    {"caption", "activefontcolor", "16777215"},
    {"caption", "alignment", "taleftjustify"},
    {"caption", "shadow", "1"},
    {"caption", "shadowcolor", "12632256"},
    {"caption", "activeshadowcolor", "0"},
    {"closebutton", "activepictureindex", "0"},
    {"closebutton", "skinrect", "127,4,148,25"},
    {"closebutton", "activeskinrect", "42,0,63,21"},
    {"closebutton", "downrect", "21,0,42,21"},
    {"closebutton", "command", "cmclose"},
    {"closebutton", "restorerect", "0,0,0,0"},
    {"closebutton", "restoreactiverect", "0,0,0,0"},
    {"closebutton", "restoredownrect", "0,0,0,0"},
    {"closebutton", "restoreinactiverect", "0,0,0,0"},
    {"minimizebutton", "activepictureindex", "0"},
    {"minimizebutton", "skinrect", "81,4,102,25"},
    {"minimizebutton", "activeskinrect", "42,41,63,62"},
    {"minimizebutton", "downrect", "21,41,42,62"},
    {"minimizebutton", "command", "cmminimize"},
    {"minimizebutton", "restorerect", "0,61,21,82"},
    {"minimizebutton", "restoreactiverect", "42,61,63,82"},
    {"minimizebutton", "restoredownrect", "21,61,42,82"},
    {"minimizebutton", "restoreinactiverect", "63,61,84,82"},
    {"maximizebutton", "activepictureindex", "0"},
    {"maximizebutton", "skinrect", "104,4,125,25"},
    {"maximizebutton", "activeskinrect", "42,21,63,42"},
    {"maximizebutton", "downrect", "21,21,42,42"},
    {"maximizebutton", "command", "cmmaximize"},
    {"maximizebutton", "restorerect", "0,61,21,82"},
    {"maximizebutton", "restoreactiverect", "42,61,63,82"},
    {"maximizebutton", "restoredownrect", "21,61,42,82"},
    {"maximizebutton", "restoreinactiverect", "63,61,84,82"},
    {"rollupbutton", "activepictureindex", "0"},
    {"rollupbutton", "skinrect", "58,4,79,25"},
    {"rollupbutton", "activeskinrect", "42,81,63,102"},
    {"rollupbutton", "downrect", "21,81,42,102"},
    {"rollupbutton", "command", "cmrollup"},
    {"rollupbutton", "restorerect", "0,101,21,122"},
    {"rollupbutton", "restoreactiverect", "42,101,63,122"},
    {"rollupbutton", "restoredownrect", "21,101,42,122"},
    {"rollupbutton", "restoreinactiverect", "63,101,84,122"},
    {"sysmenubutton", "activepictureindex", "0"},
    {"sysmenubutton", "skinrect", "6,7,23,23"},
    {"sysmenubutton", "activeskinrect", "20,124,37,140"},
    {"sysmenubutton", "downrect", "39,124,56,140"},
    {"sysmenubutton", "command", "cmsysmenu"},
    {"sysmenubutton", "restorerect", "0,0,0,0"},
    {"sysmenubutton", "restoreactiverect", "0,0,0,0"},
    {"sysmenubutton", "restoredownrect", "0,0,0,0"},
    {"sysmenubutton", "restoreinactiverect", "0,0,0,0"},
    {"SKINCONTROLS", "count", "51"},
    {"SKINCONTROLS", "0", "button:button"},
    {"SKINCONTROLS", "1", "toolpanel:panel"},
    {"SKINCONTROLS", "2", "toolbutton:button"},
    {"SKINCONTROLS", "3", "checkbox:checkradio"},
    {"SKINCONTROLS", "4", "gauge:gauge"},
    {"SKINCONTROLS", "5", "vgauge:gauge"},
    {"SKINCONTROLS", "6", "radiobox:checkradio"},
    {"SKINCONTROLS", "7", "panel:panel"},
    {"SKINCONTROLS", "8", "label:label"},
    {"SKINCONTROLS", "9", "trackbar:trackbar"},
    {"SKINCONTROLS", "10", "htrackbar:trackbar"},
    {"SKINCONTROLS", "11", "grid:grid"},
    {"SKINCONTROLS", "12", "tab:tab"},
    {"SKINCONTROLS", "13", "edit:edit"},
    {"SKINCONTROLS", "14", "memo:memo"},
    {"SKINCONTROLS", "15", "hscrollbar:scrollbar"},
    {"SKINCONTROLS", "16", "vscrollbar:scrollbar"},
    {"SKINCONTROLS", "17", "listbox:listbox"},
    {"SKINCONTROLS", "18", "combobox:combobox"},
    {"SKINCONTROLS", "19", "checklistbox:checklistbox"},
    {"SKINCONTROLS", "20", "spinedit:spinedit"},
    {"SKINCONTROLS", "21", "groupbox:panel"},
    {"SKINCONTROLS", "22", "stdlabel:stdlabel"},
    {"SKINCONTROLS", "23", "statuspanel:label"},
    {"SKINCONTROLS", "24", "statusbar:panel"},
    {"SKINCONTROLS", "25", "buttonedit:edit"},
    {"SKINCONTROLS", "26", "vupdown:updown"},
    {"SKINCONTROLS", "27", "hupdown:updown"},
    {"SKINCONTROLS", "28", "captionlistbox:listbox"},
    {"SKINCONTROLS", "29", "captionchecklistbox:checklistbox"},
    {"SKINCONTROLS", "30", "captioncombobox:combobox"},
    {"SKINCONTROLS", "31", "controlbar:controlbar"},
    {"SKINCONTROLS", "32", "mainmenubar:mainmenubar"},
    {"SKINCONTROLS", "33", "vsplitter:splitter"},
    {"SKINCONTROLS", "34", "hsplitter:splitter"},
    {"SKINCONTROLS", "35", "resizebutton:button"},
    {"SKINCONTROLS", "36", "bothhscrollbar:scrollbar"},
    {"SKINCONTROLS", "37", "rolluppanel:panel"},
    {"SKINCONTROLS", "38", "bigtoolpanel:panel"},
    {"SKINCONTROLS", "39", "bigtoolbutton:button"},
    {"SKINCONTROLS", "40", "toolmenubutton:menubutton"},
    {"SKINCONTROLS", "41", "toolmenutrackbutton:menubutton"},
    {"SKINCONTROLS", "42", "bigtoolmenubutton:menubutton"},
    {"SKINCONTROLS", "43", "bigtoolmenutrackbutton:menubutton"},
    {"SKINCONTROLS", "44", "scrollbox:scrollbox"},
    {"SKINCONTROLS", "45", "treeview:treeview"},
    {"SKINCONTROLS", "46", "listview:listview"},
    {"SKINCONTROLS", "47", "statusgauge:gauge"},
    {"SKINCONTROLS", "48", "richedit:richedit"},
    {"SKINCONTROLS", "49", "expanel:expanel"},
    {"SKINCONTROLS", "50", "header:header"},
    {"button", "pictureindex", "4"},
    {"button", "maskpictureindex", "-1"},
    {"button", "skinrect", "0,0,24,21"},
    {"button", "lefttoppoint", "4,8"},
    {"button", "righttoppoint", "18,9"},
    {"button", "leftbottompoint", "0,0"},
    {"button", "rightbottompoint", "0,0"},
    {"button", "clientrect", "2,2,22,19"},
    {"button", "fontname", kSongTi},
    {"button", "fontheight", "-12"},
    {"button", "fontstyle", ""},
    {"button", "fontcolor", "0"},
    {"button", "activefontcolor", "0"},
    {"button", "downfontcolor", "0"},
    {"button", "disabledfontcolor", "8421504"},
    {"button", "activeskinrect", "48,0,72,21"},
    {"button", "downskinrect", "24,0,48,21"},
    {"button", "disabledskinrect", "110,83,134,104"},
    {"panel", "pictureindex", "4"},
    {"panel", "maskpictureindex", "-1"},
    {"panel", "skinrect", "141,4,200,56"},
    {"panel", "lefttoppoint", "5,4"},
    {"panel", "righttoppoint", "53,6"},
    {"panel", "leftbottompoint", "6,45"},
    {"panel", "rightbottompoint", "53,46"},
    {"panel", "clientrect", "2,2,57,50"},
    {"panel", "bgpictureindex", "-1"},
    {"panel", "captionrect", "0,0,0,0"},
    {"panel", "rollupmarkerrect", "0,0,0,0"},
    {"panel", "restoremarkerrect", "0,0,0,0"},
    {"panel", "alignment", "tacenter"},
    {"panel", "fontname", kSongTi},
    {"panel", "fontheight", "-12"},
    {"panel", "fontstyle", ""},
    {"panel", "fontcolor", "0"},
    {"panel", "checkimagerect", "0,0,0,0"},
    {"panel", "uncheckimagerect", "0,0,0,0"},
    {"resizebutton", "pictureindex", "4"},
    {"resizebutton", "maskpictureindex", "-1"},
    {"resizebutton", "skinrect", "3,240,27,261"},
    {"resizebutton", "lefttoppoint", "5,5"},
    {"resizebutton", "righttoppoint", "18,5"},
    {"resizebutton", "leftbottompoint", "6,14"},
    {"resizebutton", "rightbottompoint", "18,15"},
    {"resizebutton", "clientrect", "4,4,20,17"},
    {"resizebutton", "fontname", kSongTi},
    {"resizebutton", "fontheight", "-12"},
    {"resizebutton", "fontstyle", ""},
    {"resizebutton", "fontcolor", "0"},
    {"resizebutton", "activefontcolor", "0"},
    {"resizebutton", "downfontcolor", "0"},
    {"resizebutton", "disabledfontcolor", "0"},
    {"resizebutton", "activeskinrect", "27,240,51,261"},
    {"resizebutton", "downskinrect", "51,240,75,261"},
    {"resizebutton", "disabledskinrect", "0,0,0,0"},
    {"statusgauge", "pictureindex", "4"},
    {"statusgauge", "maskpictureindex", "-1"},
    {"statusgauge", "skinrect", "366,155,414,175"},
    {"statusgauge", "lefttoppoint", "4,9"},
    {"statusgauge", "righttoppoint", "43,9"},
    {"statusgauge", "leftbottompoint", "0,0"},
    {"statusgauge", "rightbottompoint", "0,0"},
    {"statusgauge", "clientrect", "3,3,45,18"},
    {"statusgauge", "progressarea", "3,3,46,18"},
    {"statusgauge", "progressrect", "369,136,411,151"},
    {"statusgauge", "beginoffset", "2"},
    {"statusgauge", "endoffset", "2"},
    {"statusgauge", "vertical", "0"},
    {"statusgauge", "fontname", kSongTi},
    {"statusgauge", "fontheight", "-12"},
    {"statusgauge", "fontstyle", ""},
    {"statusgauge", "fontcolor", "0"},
};

TEST(SkinFileIni, StoredValuesAreThoseTheProgramReliesOn)
{
    const auto sections = Sections(ReadIni());
    for (const auto& c : kValues) {
        const Entries* entries = Find(sections, c.section);
        ASSERT_NE(entries, nullptr) << "[" << c.section << "]";
        int found = 0;
        for (const auto& [key, value] : *entries) {
            if (key == c.key) {
                ++found;
                EXPECT_EQ(value, c.value) << "[" << c.section << "] " << c.key;
            }
        }
        EXPECT_EQ(found, 1) << "[" << c.section << "] " << c.key << " stored once, spelled so";
    }
}

// The sections given in full hold nothing beyond the table, so no stray key changes what the loader reads.
TEST(SkinFileIni, FullyGivenSectionsHoldNoOtherKeys)
{
    std::map<std::string, size_t> given;
    for (const auto& c : kValues) {
        ++given[c.section];
    }
    for (const auto& [section, entries] : Sections(ReadIni())) {
        if (const auto it = given.find(section); it != given.end()) {
            EXPECT_EQ(entries.size(), it->second) << "[" << section << "]";
        }
    }
}

} // namespace
