// Loads the skin definition and the stored pictures into plain structs. Every value goes through the INI
// reader's typed getters, so a missing or malformed key takes its default. Portable: no platform headers.
#include "skin/SkinData.h"

#include "core/Text.h"
#include "gfx/Bmp.h"

#include <algorithm>
#include <map>
#include <utility>

namespace skin {
namespace {

// Sections that are absent read as this one: every key takes its default.
const IniSection& SectionOrEmpty(const IniFile& ini, std::string_view name)
{
    static const IniSection kEmpty{""};
    const IniSection* section = ini.FindSection(name);
    return section ? *section : kEmpty;
}

gfx::Font ReadFont(const IniSection& s)
{
    gfx::Font font;
    font.name = core::Utf8ToWide(s.GetFontName("fontname"));
    font.height = s.GetFontHeight("fontheight");
    font.style = s.GetFontStyle("fontstyle");
    return font;
}

CornerPoints ReadPoints(const IniSection& s, std::string_view prefix)
{
    const std::string p(prefix);
    return {s.GetPoint(p + "lefttoppoint"), s.GetPoint(p + "righttoppoint"), s.GetPoint(p + "leftbottompoint"),
            s.GetPoint(p + "rightbottompoint")};
}

SkinVersion ReadVersion(const IniSection& s)
{
    return {s.GetInteger("ver", 0),         s.GetString("skinname"),  s.GetString("skinauthor"),
            s.GetString("authoremail"),     s.GetString("authorurl"), s.GetString("skincomments")};
}

FormInfo ReadFormInfo(const IniSection& s)
{
    FormInfo f;
    f.points = ReadPoints(s, "");
    f.clientRect = s.GetRect("clientrect");
    f.bgPictureIndex = s.GetPictureIndex("bgpictureindex");
    f.maskRectArea = s.GetRect("maskrectarea");
    f.hitTestPoints = ReadPoints(s, "hittest");
    f.mainMenuRect = s.GetRect("mainmenurect");
    f.iconRect = s.GetRect("iconrect");
    f.mainMenuPopupUp = s.GetFlag("mainmenupopupup");
    f.borderWidth = s.GetInteger("borderwidth", 0);
    f.leftStretch = s.GetFlag("leftstretch");
    f.rightStretch = s.GetFlag("rightstretch");
    f.topStretch = s.GetFlag("topstretch");
    f.bottomStretch = s.GetFlag("bottomstretch");
    f.buttonsRect = s.GetRect("buttonsrect");
    f.captionRect = s.GetRect("captionrect");
    return f;
}

PopupWindowInfo ReadPopupWindow(const IniSection& s)
{
    PopupWindowInfo p;
    p.windowPictureIndex = s.GetPictureIndex("windowpictureindex");
    p.maskPictureIndex = s.GetPictureIndex("maskpictureindex");
    p.points = ReadPoints(s, "");
    p.itemsRect = s.GetRect("itemsrect");
    p.scrollMarkerColor = s.GetColor("scrollmarkercolor");
    p.scrollMarkerActiveColor = s.GetColor("scrollmarkeractivecolor");
    return p;
}

HintWindowInfo ReadHintWindow(const IniSection& s)
{
    HintWindowInfo h;
    h.windowPictureIndex = s.GetPictureIndex("windowpictureindex");
    h.maskPictureIndex = s.GetPictureIndex("maskpictureindex");
    h.points = ReadPoints(s, "");
    h.clientRect = s.GetRect("clientrect");
    h.font = ReadFont(s);
    h.fontColor = s.GetColor("fontcolor");
    return h;
}

// Rows "0" .. "count-1" of a list section, in index order, each split at its first ':' into name and type.
// Only rows that exist are visited, so a huge `count` costs nothing: a missing row would add nothing anyway.
std::vector<std::pair<std::string, std::string>> ReadRows(const IniSection& list)
{
    const int count = list.GetInteger("count", 0);
    std::map<int, std::string_view> rows; // index -> value; the first entry of a key wins
    for (const IniEntry& entry : list.Entries()) {
        const auto index = ParseInteger(entry.key);
        const bool canonical = index && *index >= 0 && std::to_string(*index) == entry.key;
        if (canonical && *index < count) {
            rows.try_emplace(*index, entry.value);
        }
    }
    std::vector<std::pair<std::string, std::string>> result;
    for (const auto& [index, value] : rows) {
        const size_t colon = value.find(':');
        if (colon != std::string_view::npos) {
            result.emplace_back(std::string(value.substr(0, colon)), std::string(value.substr(colon + 1)));
        }
    }
    return result;
}

template <typename Enum>
struct TypeName {
    std::string_view name;
    Enum value;
};

constexpr TypeName<ElementType> kElementTypes[] = {
    {"button", ElementType::Button},         {"panel", ElementType::Panel},
    {"checkradio", ElementType::CheckRadio}, {"gauge", ElementType::Gauge},
    {"label", ElementType::Label},           {"trackbar", ElementType::TrackBar},
    {"grid", ElementType::Grid},             {"tab", ElementType::Tab},
    {"edit", ElementType::Edit},             {"memo", ElementType::Memo},
    {"scrollbar", ElementType::ScrollBar},   {"listbox", ElementType::ListBox},
    {"combobox", ElementType::ComboBox},     {"checklistbox", ElementType::CheckListBox},
    {"spinedit", ElementType::SpinEdit},     {"stdlabel", ElementType::StdLabel},
    {"updown", ElementType::UpDown},         {"controlbar", ElementType::ControlBar},
    {"mainmenubar", ElementType::MainMenuBar}, {"splitter", ElementType::Splitter},
    {"menubutton", ElementType::MenuButton}, {"scrollbox", ElementType::ScrollBox},
    {"treeview", ElementType::TreeView},     {"listview", ElementType::ListView},
    {"richedit", ElementType::RichEdit},     {"expanel", ElementType::ExPanel},
};

constexpr TypeName<ObjectKind> kObjectKinds[] = {
    {"menuitem", ObjectKind::MenuItem},
    {"caption", ObjectKind::Caption},
    {"stdbutton", ObjectKind::StdButton},
    {"mainmenubaritem", ObjectKind::MainMenuBarItem},
    {"mainmenubarbutton", ObjectKind::MainMenuBarButton},
};

template <typename Enum, size_t N>
std::optional<Enum> FindType(const TypeName<Enum> (&table)[N], std::string_view name)
{
    for (const auto& entry : table) {
        if (core::EqualsIgnoreAsciiCase(entry.name, name)) {
            return entry.value;
        }
    }
    return std::nullopt;
}

ButtonValues ReadButtonValues(const IniSection& s)
{
    return {s.GetRect("activeskinrect"),      s.GetRect("downskinrect"),      s.GetRect("disabledskinrect"),
            s.GetColor("activefontcolor"),    s.GetColor("downfontcolor"),    s.GetColor("disabledfontcolor")};
}

PanelValues ReadPanelValues(const IniSection& s)
{
    PanelValues p;
    p.bgPictureIndex = s.GetPictureIndex("bgpictureindex");
    p.captionRect = s.GetRect("captionrect");
    p.alignment = s.GetAlignment("alignment");
    p.rollUpMarkerRect = s.GetRect("rollupmarkerrect");
    p.restoreMarkerRect = s.GetRect("restoremarkerrect");
    p.checkImageRect = s.GetRect("checkimagerect");
    p.uncheckImageRect = s.GetRect("uncheckimagerect");
    return p;
}

GaugeValues ReadGaugeValues(const IniSection& s)
{
    return {s.GetRect("progressarea"), s.GetRect("progressrect"), s.GetInteger("beginoffset", 0),
            s.GetInteger("endoffset", 0), s.GetFlag("vertical")};
}

Element ReadElement(const IniSection& s, std::string name, ElementType type)
{
    Element e;
    e.name = std::move(name);
    e.type = type;
    e.pictureIndex = s.GetPictureIndex("pictureindex");
    e.maskPictureIndex = s.GetPictureIndex("maskpictureindex");
    e.skinRect = s.GetRect("skinrect");
    e.leftTopPoint = s.GetPoint("lefttoppoint");
    e.rightTopPoint = s.GetPoint("righttoppoint");
    e.leftBottomPoint = s.GetPoint("leftbottompoint");
    e.rightBottomPoint = s.GetPoint("rightbottompoint");
    e.clientRect = s.GetRect("clientrect");
    e.font = ReadFont(s);
    e.fontColor = s.GetColor("fontcolor");
    if (type == ElementType::Button || type == ElementType::MenuButton) {
        e.button = ReadButtonValues(s);
    } else if (type == ElementType::Panel) {
        e.panel = ReadPanelValues(s);
    } else if (type == ElementType::Gauge) {
        e.gauge = ReadGaugeValues(s);
    }
    return e;
}

CaptionValues ReadCaptionValues(const IniSection& s)
{
    CaptionValues c;
    c.textRect = s.GetRect("textrect");
    c.font = ReadFont(s);
    c.fontColor = s.GetColor("fontcolor");
    c.activeFontColor = s.GetColor("activefontcolor");
    c.alignment = s.GetAlignment("alignment");
    c.shadow = s.GetFlag("shadow");
    c.shadowColor = s.GetColor("shadowcolor");
    c.activeShadowColor = s.GetColor("activeshadowcolor");
    return c;
}

StdButtonValues ReadStdButtonValues(const IniSection& s)
{
    return {s.GetRect("downrect"),          s.GetCommand("command"),         s.GetRect("restorerect"),
            s.GetRect("restoreactiverect"), s.GetRect("restoredownrect"),    s.GetRect("restoreinactiverect")};
}

MenuItemValues ReadMenuItemValues(const IniSection& s)
{
    MenuItemValues m;
    m.itemLeftOffset = s.GetInteger("itemleftoffset", 0);
    m.itemRightOffset = s.GetInteger("itemrightoffset", 0);
    m.dividerRect = s.GetRect("dividerrect");
    m.dividerLeftOffset = s.GetInteger("dividerleftoffset", 0);
    m.dividerRightOffset = s.GetInteger("dividerrightoffset", 0);
    m.textRect = s.GetRect("textrect");
    m.font = ReadFont(s);
    m.fontColor = s.GetColor("fontcolor");
    m.activeFontColor = s.GetColor("activefontcolor");
    m.unenabledFontColor = s.GetColor("unenabledfontcolor");
    return m;
}

SkinObject ReadObject(const IniSection& s, std::string name, ObjectKind kind)
{
    SkinObject o;
    o.name = std::move(name);
    o.kind = kind;
    o.activePictureIndex = s.GetPictureIndex("activepictureindex");
    o.skinRect = s.GetRect("skinrect");
    o.activeSkinRect = s.GetRect("activeskinrect");
    if (kind == ObjectKind::Caption) {
        o.caption = ReadCaptionValues(s);
    } else if (kind == ObjectKind::StdButton || kind == ObjectKind::MainMenuBarButton) {
        o.button = ReadStdButtonValues(s);
    } else {
        o.menuItem = ReadMenuItemValues(s);
    }
    return o;
}

std::optional<gfx::Bitmap> Decode(std::span<const uint8_t> file)
{
    auto bitmap = gfx::DecodeBmp(file);
    if (!bitmap) {
        return std::nullopt;
    }
    return bitmap.TakeValue();
}

std::optional<gfx::Bitmap> Decode(const std::optional<std::vector<uint8_t>>& file)
{
    return file ? Decode(std::span<const uint8_t>(*file)) : std::nullopt;
}

const gfx::Bitmap* Get(const std::optional<gfx::Bitmap>& bitmap) { return bitmap ? &*bitmap : nullptr; }

} // namespace

void SkinData::Clear() { *this = SkinData(); }

void SkinData::Load(const std::vector<std::string>& iniLines, const StoredPictures& pictures)
{
    Clear();
    const IniFile ini = IniFile::FromLines(iniLines);
    const IniSection* version = ini.FindSection("VERSION");
    const IniSection* objects = ini.FindSection("SKINOBJECTS");
    const IniSection* controls = ini.FindSection("SKINCONTROLS");
    if (!version || !ini.FindSection("PICTURES") || !ini.FindSection("FORMINFO") || !objects || !controls) {
        return;
    }
    m_version = ReadVersion(*version);
    LoadPictures(pictures);
    m_formInfo = ReadFormInfo(SectionOrEmpty(ini, "FORMINFO"));
    m_popupWindow = ReadPopupWindow(SectionOrEmpty(ini, "POPUPWINDOW"));
    m_hintWindow = ReadHintWindow(SectionOrEmpty(ini, "HINTWINDOW"));
    LoadObjects(ini, *objects);
    LoadElements(ini, *controls);
    m_loaded = true;
}

void SkinData::LoadPictures(const StoredPictures& pictures)
{
    m_frame = Decode(pictures.frame);
    m_inactiveFrame = Decode(pictures.inactiveFrame);
    m_mask = Decode(pictures.mask);
    for (const auto& file : pictures.active) {
        m_active.push_back(Decode(std::span<const uint8_t>(file)));
    }
}

// A row whose section is missing still makes its object or element, with every value at its default, as a
// lookup of missing keys would give.
void SkinData::LoadObjects(const IniFile& ini, const IniSection& list)
{
    for (auto& [name, type] : ReadRows(list)) {
        if (const auto kind = FindType(kObjectKinds, type)) {
            const IniSection& section = SectionOrEmpty(ini, name);
            m_objects.push_back(ReadObject(section, std::move(name), *kind));
        }
    }
}

void SkinData::LoadElements(const IniFile& ini, const IniSection& list)
{
    for (auto& [name, type] : ReadRows(list)) {
        if (const auto elementType = FindType(kElementTypes, type)) {
            const IniSection& section = SectionOrEmpty(ini, name);
            m_elements.push_back(ReadElement(section, std::move(name), *elementType));
        }
    }
}

const Element* SkinData::FindElement(std::string_view name) const
{
    const auto it = std::find_if(m_elements.begin(), m_elements.end(), [&](const Element& e) { return e.name == name; });
    return it == m_elements.end() ? nullptr : &*it;
}

const SkinObject* SkinData::FindObject(std::string_view name) const
{
    const auto it = std::find_if(m_objects.begin(), m_objects.end(), [&](const SkinObject& o) { return o.name == name; });
    return it == m_objects.end() ? nullptr : &*it;
}

const gfx::Bitmap* SkinData::FramePicture() const { return Get(m_frame); }
const gfx::Bitmap* SkinData::InactiveFramePicture() const { return Get(m_inactiveFrame); }
const gfx::Bitmap* SkinData::MaskPicture() const { return Get(m_mask); }

const gfx::Bitmap* SkinData::ActivePicture(int index) const
{
    if (index < 0 || size_t(index) >= m_active.size()) {
        return nullptr;
    }
    return Get(m_active[size_t(index)]);
}

} // namespace skin
