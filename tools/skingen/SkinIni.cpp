// SKIN.INI of the "winxpgreen" skin. Every element names the rectangles of its looks from the layout; the
// points and client rectangles keep the repeated middles of the looks where the pictures are uniform.
// Standard library only.
#include "SkinIni.h"

#include "Image.h"
#include "Layout.h"
#include "Theme.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace skingen {

namespace {

using layout::Pt;
namespace c = layout::controls;

constexpr int kLineCount = 1327;
constexpr int kSectionCount = 70;
// "宋体", the font of every text in the skin, in UTF-8.
constexpr const char* kFontName = "\xE5\xAE\x8B\xE4\xBD\x93";
constexpr int kControlsPicture = 4;
constexpr int kGrey = 8421504;
constexpr int kSilver = 12632256;
constexpr int kWhite = 16777215;
constexpr Rect kNone{};

std::string Text(const Rect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string Text(Pt p)
{
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

int Color(Rgb c)
{
    return int(ColorRef(c));
}

class Section {
public:
    explicit Section(std::string name) : m_name(std::move(name)) {}

    Section& Set(const std::string& key, const std::string& value)
    {
        m_lines.push_back(key + "=" + value);
        return *this;
    }
    Section& Set(const std::string& key, const char* value) { return Set(key, std::string(value)); }
    Section& Set(const std::string& key, int value) { return Set(key, std::to_string(value)); }
    Section& Set(const std::string& key, const Rect& value) { return Set(key, Text(value)); }
    Section& Set(const std::string& key, Pt value) { return Set(key, Text(value)); }
    Section& Blank()
    {
        m_lines.emplace_back();
        return *this;
    }

    // The picture, its rectangle, the four points between which it repeats, and the client rectangle.
    Section& Element(const Rect& skin, Pt lt, Pt rt, Pt lb, Pt rb, const Rect& client,
                     int picture = kControlsPicture)
    {
        Set("pictureindex", picture).Set("maskpictureindex", -1).Set("skinrect", skin);
        Set("lefttoppoint", lt).Set("righttoppoint", rt).Set("leftbottompoint", lb).Set("rightbottompoint", rb);
        return Set("clientrect", client);
    }
    Section& Element(const layout::Stretch& s)
    {
        return Element(s.rect, s.leftTop, s.rightTop, s.leftBottom, s.rightBottom, s.client);
    }
    Section& Font(int color = 0, const char* style = "")
    {
        return Set("fontname", kFontName).Set("fontheight", -12).Set("fontstyle", style).Set("fontcolor", color);
    }

    const std::string& Name() const { return m_name; }
    const std::vector<std::string>& Lines() const { return m_lines; }

private:
    std::string m_name;
    std::vector<std::string> m_lines;
};

using Sections = std::vector<Section>;

// ---- the skin's own sections ----

void AddHeadSections(Sections& out)
{
    out.emplace_back("VERSION");
    out.back().Set("ver", 1).Set("skinname", "winxpgreen").Set("skinauthor", "Lumovane");
    out.back().Set("authoremail", "skins@lumovane.example").Set("authorurl", "http://www.lumovane.example/skins");
    out.back().Set("skincomments", "");

    out.emplace_back("PICTURES");
    out.back().Set("picture", "main.bmp").Set("inactivepicture", "inactivemain.bmp").Set("mask", "mask.bmp");
    out.back().Set("activepicturescount", 8);
    const char* active[8] = {"active.BMP",   "pw.bmp",    "menuitems.bmp", "hw.bmp",
                             "controls.bmp", "grids.bmp", "pwmask.bmp",    "hwmask.bmp"};
    for (int i = 0; i < 8; ++i) {
        out.back().Set(std::to_string(i), active[i]);
    }
}

void AddFormInfo(Sections& out)
{
    namespace f = layout::frame;
    Section& s = out.emplace_back("FORMINFO");
    s.Set("lefttoppoint", f::kLeftTop).Set("righttoppoint", f::kRightTop);
    s.Set("leftbottompoint", f::kLeftBottom).Set("rightbottompoint", f::kRightBottom);
    s.Set("clientrect", f::kClient).Set("bgpictureindex", -1).Set("maskrectarea", f::kMaskArea);
    s.Set("hittestlefttoppoint", Pt{5, 6}).Set("hittestrighttoppoint", Pt{145, 5});
    s.Set("hittestleftbottompoint", Pt{6, 120}).Set("hittestrightbottompoint", Pt{146, 118});
    s.Set("mainmenurect", kNone).Set("iconrect", kNone).Set("mainmenupopupup", 0).Set("borderwidth", 3);
}

void AddWindows(Sections& out)
{
    namespace p = layout::popup;
    Section& popup = out.emplace_back("POPUPWINDOW");
    popup.Set("windowpictureindex", 1).Set("maskpictureindex", 6);
    popup.Set("lefttoppoint", p::kLeftTop).Set("righttoppoint", p::kRightTop);
    popup.Set("leftbottompoint", p::kLeftBottom).Set("rightbottompoint", p::kRightBottom);
    popup.Set("itemsrect", p::kItems).Set("scrollmarkercolor", kGrey).Set("scrollmarkeractivecolor", 0);

    namespace h = layout::hint;
    Section& hint = out.emplace_back("HINTWINDOW");
    hint.Set("windowpictureindex", 3).Set("maskpictureindex", 7);
    hint.Set("lefttoppoint", h::kLeftTop).Set("righttoppoint", h::kRightTop);
    hint.Set("leftbottompoint", h::kLeftBottom).Set("rightbottompoint", h::kRightBottom);
    hint.Set("clientrect", h::kClient).Font();
}

const char* const kObjects[12] = {
    "menuitem:menuitem",
    "caption:caption",
    "closebutton:stdbutton",
    "minimizebutton:stdbutton",
    "maximizebutton:stdbutton",
    "rollupbutton:stdbutton",
    "mainmenubaritem:mainmenubaritem",
    "sysmenubutton:stdbutton",
    "menubarsysmenubutton:mainmenubarbutton",
    "menubarclosebutton:mainmenubarbutton",
    "menubarmaxbutton:mainmenubarbutton",
    "menubarminbutton:mainmenubarbutton",
};

void AddObjectList(Sections& out)
{
    Section& s = out.emplace_back("SKINOBJECTS");
    s.Set("count", 12);
    for (int i = 0; i < 12; ++i) {
        s.Set(std::to_string(i), kObjects[i]);
    }
}

void AddMenuItem(Sections& out)
{
    namespace m = layout::menu;
    Section& s = out.emplace_back("menuitem");
    s.Set("activepictureindex", 2).Set("skinrect", m::kItem).Set("activeskinrect", m::kActiveItem);
    s.Set("itemleftoffset", 0).Set("itemrightoffset", 0).Set("dividerrect", m::kDivider);
    s.Set("dividerleftoffset", 3).Set("dividerrightoffset", 3).Set("textrect", m::kItemText);
    s.Font().Set("activefontcolor", 0).Set("unenabledfontColor", kGrey);
}

void AddCaption(Sections& out)
{
    namespace f = layout::frame;
    Section& s = out.emplace_back("caption");
    s.Set("activepictureindex", -1).Set("skinrect", f::kCaptionArea).Set("activeskinrect", kNone);
    s.Set("textrect", f::kCaptionText).Font(kWhite, "fsbold").Set("activefontcolor", kWhite);
    s.Blank().Blank();
    s.Set("alignment", "taleftjustify").Set("shadow", 1).Set("shadowcolor", kSilver).Set("activeshadowcolor", 0);
}

struct CaptionButton {
    const char* name;
    Rect skin;
    int row;
    const char* command;
    int restoreRow; // -1: no restore looks
};

void AddCaptionButton(Sections& out, const CaptionButton& b)
{
    namespace k = layout::buttons;
    Section& s = out.emplace_back(b.name);
    s.Set("activepictureindex", 0).Set("skinrect", b.skin);
    const bool sysMenu = b.row < 0;
    s.Set("activeskinrect", sysMenu ? k::kSysMenuHot : k::Cell(k::kHotX, b.row));
    s.Set("downrect", sysMenu ? k::kSysMenuDown : k::Cell(k::kDownX, b.row)).Set("command", b.command);
    const bool restore = b.restoreRow >= 0;
    s.Set("restorerect", restore ? k::Cell(k::kNormalX, b.restoreRow) : kNone);
    s.Set("restoreactiverect", restore ? k::Cell(k::kHotX, b.restoreRow) : kNone);
    s.Set("restoredownrect", restore ? k::Cell(k::kDownX, b.restoreRow) : kNone);
    s.Set("restoreinactiverect", restore ? k::Cell(k::kInactiveX, b.restoreRow) : kNone);
}

void AddMainMenuBarItem(Sections& out)
{
    namespace m = layout::menu;
    Section& s = out.emplace_back("mainmenubaritem");
    s.Set("activepictureindex", 2).Set("skinrect", m::kBarItem.normal).Set("activeskinrect", m::kBarItem.hot);
    s.Set("downskinrect", m::kBarItem.down).Set("itemleftoffset", 3).Set("itemrightoffset", 3);
    s.Set("textrect", m::kBarItemText).Font().Set("activefontcolor", 0).Set("downfontcolor", 0);
    s.Set("unenabledfontcolor", kGrey);
}

void AddMenuBarButton(Sections& out, const char* name, const layout::Looks& looks, const char* command)
{
    Section& s = out.emplace_back(name);
    s.Set("activepictureindex", 2).Set("skinrect", looks.normal).Set("activeskinrect", looks.hot);
    s.Set("downrect", looks.down).Set("command", command);
    s.Set("restorerect", kNone).Set("restoreactiverect", kNone).Set("restoredownrect", kNone);
    s.Set("restoreinactiverect", kNone);
}

void AddSkinObjects(Sections& out)
{
    namespace f = layout::frame;
    namespace k = layout::buttons;
    namespace m = layout::menu;
    AddMenuItem(out);
    AddCaption(out);
    AddCaptionButton(out, {"closebutton", f::kClose, k::kCloseY, "cmclose", -1});
    AddCaptionButton(out, {"minimizebutton", f::kMinimize, k::kMinimizeY, "cmminimize", k::kRestoreY});
    AddCaptionButton(out, {"maximizebutton", f::kMaximize, k::kMaximizeY, "cmmaximize", k::kRestoreY});
    AddCaptionButton(out, {"rollupbutton", f::kRollUp, k::kRollUpY, "cmrollup", k::kUnrollY});
    AddMainMenuBarItem(out);
    AddCaptionButton(out, {"sysmenubutton", f::kSysMenu, -1, "cmsysmenu", -1});
    AddMenuBarButton(out, "menubarsysmenubutton", m::kBarSysMenu, "cmsysmenu");
    AddMenuBarButton(out, "menubarclosebutton", m::kBarClose, "cmclose");
    AddMenuBarButton(out, "menubarmaxbutton", m::kBarMaximize, "cmmaximize");
    AddMenuBarButton(out, "menubarminbutton", m::kBarMinimize, "cmminimize");
}

// ---- the elements ----

const char* const kControls[51] = {
    "button:button",
    "toolpanel:panel",
    "toolbutton:button",
    "checkbox:checkradio",
    "gauge:gauge",
    "vgauge:gauge",
    "radiobox:checkradio",
    "panel:panel",
    "label:label",
    "trackbar:trackbar",
    "htrackbar:trackbar",
    "grid:grid",
    "tab:tab",
    "edit:edit",
    "memo:memo",
    "hscrollbar:scrollbar",
    "vscrollbar:scrollbar",
    "listbox:listbox",
    "combobox:combobox",
    "checklistbox:checklistbox",
    "spinedit:spinedit",
    "groupbox:panel",
    "stdlabel:stdlabel",
    "statuspanel:label",
    "statusbar:panel",
    "buttonedit:edit",
    "vupdown:updown",
    "hupdown:updown",
    "captionlistbox:listbox",
    "captionchecklistbox:checklistbox",
    "captioncombobox:combobox",
    "controlbar:controlbar",
    "mainmenubar:mainmenubar",
    "vsplitter:splitter",
    "hsplitter:splitter",
    "resizebutton:button",
    "bothhscrollbar:scrollbar",
    "rolluppanel:panel",
    "bigtoolpanel:panel",
    "bigtoolbutton:button",
    "toolmenubutton:menubutton",
    "toolmenutrackbutton:menubutton",
    "bigtoolmenubutton:menubutton",
    "bigtoolmenutrackbutton:menubutton",
    "scrollbox:scrollbox",
    "treeview:treeview",
    "listview:listview",
    "statusgauge:gauge",
    "richedit:richedit",
    "expanel:expanel",
    "header:header",
};

void AddControlList(Sections& out)
{
    Section& s = out.emplace_back("SKINCONTROLS");
    s.Set("count", 51);
    for (int i = 0; i < 51; ++i) {
        s.Set(std::to_string(i), kControls[i]);
    }
}

// Push-button keys after the element: font, text colours per look, and the other looks' rectangles.
void ButtonLooks(Section& s, const Rect& hot, const Rect& down, const Rect& disabled, int disabledColor)
{
    s.Font().Set("activefontcolor", 0).Set("downfontcolor", 0).Set("disabledfontcolor", disabledColor);
    s.Set("activeskinrect", hot).Set("downskinrect", down).Set("disabledskinrect", disabled);
}

void AddButton(Section& s)
{
    s.Element(c::kButton);
    ButtonLooks(s, c::kButtonHot, c::kButtonDown, c::kButtonDisabled, kGrey);
}

void AddResizeButton(Section& s)
{
    s.Element(c::kResizeButton);
    ButtonLooks(s, c::kResizeButtonHot, c::kResizeButtonDown, kNone, 0);
}

// Tool buttons repeat the uniform middle of their face, inside the three-pixel bevel.
void AddToolButton(Section& s, const layout::Looks& looks, int edge)
{
    const int w = looks.normal.Width();
    const int h = looks.normal.Height();
    s.Element(looks.normal, {edge, edge}, {w - edge, edge}, {edge, h - edge}, {w - edge, h - edge},
              {edge, edge, w - edge, h - edge});
    ButtonLooks(s, looks.hot, looks.down, kNone, kGrey);
    s.Set("focusfontcolor", 0);
}

// Menu buttons keep their drop arrow in the part right of (or below) the repeated middle; a track button's
// arrow part, `track` pixels wide, opens the menu on its own.
void AddMenuButton(Section& s, const layout::Looks& looks, int track, bool arrowBelow)
{
    const int w = looks.normal.Width();
    const int h = looks.normal.Height();
    const int right = track > 0 ? w - track - 2 : arrowBelow ? w - 4 : w - 12;
    const int bottom = arrowBelow && track == 0 ? h - 14 : h - 4;
    s.Element(looks.normal, {4, 4}, {right, 4}, {4, bottom}, {right, bottom}, {4, 4, right, bottom});
    ButtonLooks(s, looks.hot, looks.down, kNone, kGrey);
    s.Set("focusfontcolor", 0).Set("trackbuttonrect", track > 0 ? Rect{w - track, 0, w, h} : kNone);
}

struct PanelStyle {
    Rect caption;
    Rect rollUpMarker;
    Rect restoreMarker;
    const char* alignment;
    int fontColor;
    const char* fontStyle;
};

constexpr PanelStyle kPlainPanel{kNone, kNone, kNone, "tacenter", 0, ""};

void PanelLooks(Section& s, const PanelStyle& p)
{
    s.Set("bgpictureindex", -1).Set("captionrect", p.caption);
    s.Set("rollupmarkerrect", p.rollUpMarker).Set("restoremarkerrect", p.restoreMarker);
    s.Set("alignment", p.alignment).Font(p.fontColor, p.fontStyle);
    s.Set("checkimagerect", kNone).Set("uncheckimagerect", kNone);
}

// A panel that repeats everything inside a border of `edge` pixels, below a top part of `top` rows.
void AddPanel(Section& s, const Rect& r, int edge, int top, const Rect& client, const PanelStyle& p)
{
    const int w = r.Width();
    const int h = r.Height();
    s.Element(r, {edge, top}, {w - edge, top}, {edge, h - edge}, {w - edge, h - edge}, client);
    PanelLooks(s, p);
    s.Set("disabledfontcolor", kGrey);
}

void AddStoredPanel(Section& s)
{
    s.Element(c::kPanel);
    PanelLooks(s, kPlainPanel);
}

void AddToolPanel(Section& s)
{
    AddPanel(s, c::kToolPanel, 3, 3, {2, 2, 38, 24}, kPlainPanel);
    s.Set("itemoffset", 1);
}

void AddBigToolPanel(Section& s)
{
    AddPanel(s, c::kBigToolPanel, 3, 3, {2, 2, 48, 46}, kPlainPanel);
    s.Set("itemoffset", 2);
}

void AddGroupBox(Section& s)
{
    AddPanel(s, c::kGroupBox, 5, 20, {3, 19, 57, 49},
             {{4, 1, 56, 17}, kNone, kNone, "taleftjustify", Color(theme::kControlOutline), "fsbold"});
}

void AddRollUpPanel(Section& s)
{
    AddPanel(s, c::kRollUpPanel, 4, 22, {2, 21, 58, 50},
             {{4, 0, 44, 20}, c::kRollUpMarker, c::kRestoreMarker, "taleftjustify", kWhite, "fsbold"});
}

void AddStatusBar(Section& s)
{
    const Rect r = c::kStatusBar;
    s.Element(r, {2, 11}, {44, 11}, {0, 0}, {0, 0}, {2, 3, 44, 21});
    PanelLooks(s, {kNone, kNone, kNone, "taleftjustify", 0, ""});
    s.Set("disabledfontcolor", kGrey).Set("gripperrect", Rect{45, 8, 58, 20});
}

// Check boxes and radio buttons: a plain background that repeats, and six marks in the order checked and
// unchecked at rest, under the pointer, and disabled.
void AddCheckRadio(Section& s, const Rect& r, int firstMark)
{
    const int w = r.Width();
    const int h = r.Height();
    s.Element(r, {2, 2}, {w - 2, 2}, {2, h - 2}, {w - 2, h - 2}, {0, 0, w, h});
    s.Font().Set("activefontcolor", 0).Set("focusfontcolor", 0).Set("unenabledfontcolor", kGrey);
    s.Set("checkimagerect", c::Mark(firstMark, 0)).Set("uncheckimagerect", c::Mark(firstMark, 1));
    s.Set("activecheckimagerect", c::Mark(firstMark, 2)).Set("activeuncheckimagerect", c::Mark(firstMark, 3));
    s.Set("unenabledcheckimagerect", c::Mark(firstMark, 4));
    s.Set("unenableduncheckimagerect", c::Mark(firstMark, 5));
}

void AddCheckBox(Section& s)
{
    AddCheckRadio(s, c::kCheckBox, c::kCheckMarksX);
}

void AddRadioBox(Section& s)
{
    AddCheckRadio(s, c::kRadioBox, c::kRadioMarksX);
}

void GaugeKeys(Section& s, const Rect& progressArea, const Rect& progress, int vertical)
{
    s.Set("progressarea", progressArea).Set("progressrect", progress);
    s.Set("beginoffset", 2).Set("endoffset", 2).Set("vertical", vertical).Font();
}

void AddGauge(Section& s)
{
    s.Element(c::kGauge, {4, 8}, {56, 8}, {0, 0}, {0, 0}, {3, 3, 57, 13});
    GaugeKeys(s, {3, 3, 57, 13}, c::kGaugeProgress, 0);
}

void AddVGauge(Section& s)
{
    s.Element(c::kVGauge, {8, 4}, {0, 0}, {8, 44}, {0, 0}, {3, 3, 13, 45});
    GaugeKeys(s, {3, 3, 13, 45}, c::kVGaugeProgress, 1);
}

void AddStatusGauge(Section& s)
{
    s.Element(c::kStatusGauge);
    GaugeKeys(s, c::kStatusGaugeArea, c::kStatusGaugeProgress, 0);
}

void AddLabel(Section& s, const Rect& r, const char* alignment)
{
    const int w = r.Width();
    const int h = r.Height();
    s.Element(r, {3, 3}, {w - 3, 3}, {3, h - 3}, {w - 3, h - 3}, {2, 1, w - 2, h - 1});
    s.Font().Set("activefontcolor", 0).Set("disabledfontcolor", kGrey).Set("alignment", alignment);
    s.Set("shadow", 0).Set("shadowcolor", kSilver);
}

void AddFrameLabel(Section& s)
{
    AddLabel(s, c::kLabel, "tacenter");
}

void AddStatusPanel(Section& s)
{
    AddLabel(s, c::kStatusPanel, "taleftjustify");
}

void AddStdLabel(Section& s)
{
    s.Font().Set("activefontcolor", 0).Set("disabledfontcolor", kGrey);
    s.Set("shadow", 0).Set("shadowcolor", kSilver).Set("alignment", "taleftjustify");
}

// Track bars: the groove repeats along its length, the thumb moves inside the track area.
void AddTrackBar(Section& s, const Rect& r, const layout::Looks& thumb, int vertical)
{
    const int w = r.Width();
    const int h = r.Height();
    if (vertical) {
        s.Element(r, {w / 2, 8}, {0, 0}, {w / 2, h - 8}, {0, 0}, {0, 0, w, h});
        s.Set("trackarea", Rect{0, 6, w, h - 6});
    } else {
        s.Element(r, {8, h / 2}, {w - 8, h / 2}, {0, 0}, {0, 0}, {0, 0, w, h});
        s.Set("trackarea", Rect{6, 0, w - 6, h});
    }
    s.Set("thumbrect", thumb.normal).Set("activethumbrect", thumb.hot).Set("downthumbrect", thumb.down);
    s.Set("vertical", vertical).Set("tickcolor", Color(theme::kPanelEdge)).Set("ticklength", 3).Font();
}

void AddVTrackBar(Section& s)
{
    AddTrackBar(s, c::kTrackBar, c::kTrackBarThumb, 1);
}

void AddHTrackBar(Section& s)
{
    AddTrackBar(s, c::kHTrackBar, c::kHTrackBarThumb, 0);
}

void AddGrid(Section& s)
{
    namespace g = layout::grid;
    s.Set("pictureindex", 5).Set("maskpictureindex", -1);
    s.Set("fixedcellrect", g::kFixedCell).Set("selectcellrect", g::kSelectCell).Set("focuscellrect", g::kFocusCell);
    s.Set("fixedcellleftoffset", 2).Set("fixedcellrightoffset", 2).Set("fixedcelltextrect", g::kCellText);
    s.Set("cellleftoffset", 2).Set("cellrightoffset", 2).Set("celltextrect", g::kCellText);
    s.Set("defaultcolwidth", 64).Set("defaultrowheight", g::kFixedCell.Height());
    s.Set("linescolor", Color(theme::kGridLines)).Set("bgcolor", kWhite).Font();
    s.Set("selectfontcolor", 0).Set("focusfontcolor", 0).Set("fixedfontcolor", 0);
}

void AddTab(Section& s)
{
    s.Element(c::kTabPane, {4, 4}, {56, 4}, {4, 36}, {56, 36}, {2, 2, 58, 38});
    s.Set("tabrect", c::kTab).Set("activetabrect", c::kTabSelected).Set("focustabrect", c::kTabSelected);
    s.Set("mouseintabrect", c::kTabHot).Set("tableftoffset", 4).Set("tabrightoffset", 4);
    s.Font().Set("activefontcolor", 0).Set("mouseinfontcolor", 0).Set("focusfontcolor", 0);
    s.Set("disabledfontcolor", kGrey);
}

// Sunken fields repeat their white inside; the look under the pointer has a darker border.
void FieldElement(Section& s, const Rect& r, const Rect& hot)
{
    const int w = r.Width();
    const int h = r.Height();
    s.Element(r, {3, 3}, {w - 3, 3}, {3, h - 3}, {w - 3, h - 3}, {2, 2, w - 2, h - 2});
    if (!hot.Empty()) {
        s.Set("activeskinrect", hot);
    }
}

void FieldColors(Section& s)
{
    s.Font().Set("activefontcolor", 0).Set("disabledfontcolor", kGrey);
    s.Set("bgcolor", kWhite).Set("activebgcolor", kWhite).Set("disabledbgcolor", Color(theme::kDisabledFace));
    s.Set("selectioncolor", Color(theme::kSelectBottom)).Set("selectionfontcolor", 0);
}

void AddEdit(Section& s)
{
    FieldElement(s, c::kEdit, c::kEditHot);
    FieldColors(s);
}

void AddMemo(Section& s)
{
    FieldElement(s, c::kMemo, c::kMemoHot);
    FieldColors(s);
}

void AddRichEdit(Section& s)
{
    FieldElement(s, c::kRichEdit, kNone);
    FieldColors(s);
}

void AddButtonEdit(Section& s)
{
    FieldElement(s, c::kEdit, c::kEditHot);
    FieldColors(s);
    s.Set("buttonrect", c::kEditButton.normal).Set("activebuttonrect", c::kEditButton.hot);
    s.Set("downbuttonrect", c::kEditButton.down);
}

void UpDownButtons(Section& s, const layout::Looks& up, const layout::Looks& down)
{
    s.Set("upbuttonrect", up.normal).Set("activeupbuttonrect", up.hot).Set("downupbuttonrect", up.down);
    s.Set("downbuttonrect", down.normal).Set("activedownbuttonrect", down.hot).Set("downdownbuttonrect", down.down);
}

void AddSpinEdit(Section& s)
{
    FieldElement(s, c::kEdit, c::kEditHot);
    FieldColors(s);
    UpDownButtons(s, c::kVUpDownUp, c::kVUpDownDown);
}

void AddVUpDown(Section& s)
{
    s.Element(c::kVUpDown, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0, 15, 20});
    UpDownButtons(s, c::kVUpDownUp, c::kVUpDownDown);
}

// The horizontal pair counts up to the right.
void AddHUpDown(Section& s)
{
    s.Element(c::kHUpDown, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0, 20, 15});
    UpDownButtons(s, c::kHUpDownRight, c::kHUpDownLeft);
}

struct ListStyle {
    Rect box;
    int captionRows; // 0: no caption band
    bool checks;
};

void ListKeys(Section& s, const ListStyle& l)
{
    const int w = l.box.Width();
    const int h = l.box.Height();
    const int top = l.captionRows > 0 ? l.captionRows + 2 : 3;
    s.Element(l.box, {3, top}, {w - 3, top}, {3, h - 3}, {w - 3, h - 3}, {2, top - 1, w - 2, h - 2});
    s.Set("itemrect", c::kListItem).Set("activeitemrect", c::kListItemSelected);
    s.Set("focusitemrect", c::kListItemFocused).Set("itemleftoffset", 2).Set("itemrightoffset", 2);
    s.Set("itemtextrect", Rect{3, 1, 37, 16}).Set("itemheight", c::kListItem.Height());
    s.Font().Set("activefontcolor", 0).Set("focusfontcolor", 0).Set("disabledfontcolor", kGrey);
    s.Set("captionrect", l.captionRows > 0 ? Rect{4, 1, w - 4, l.captionRows + 1} : kNone);
    if (l.captionRows > 0) {
        s.Set("captionfontcolor", kWhite).Set("captionalignment", "taleftjustify");
    }
    s.Set("bgcolor", kWhite).Set("disabledbgcolor", Color(theme::kDisabledFace));
    s.Set("vscrollbarname", "vscrollbar").Set("hscrollbarname", "hscrollbar");
    s.Set("bothscrollbarname", "bothhscrollbar");
    if (l.checks) {
        s.Set("checkimagerect", c::Mark(c::kCheckMarksX, 0)).Set("uncheckimagerect", c::Mark(c::kCheckMarksX, 1));
    }
}

void AddListBox(Section& s)
{
    ListKeys(s, {c::kListBox, 0, false});
}

void AddCheckListBox(Section& s)
{
    ListKeys(s, {c::kListBox, 0, true});
}

void AddCaptionListBox(Section& s)
{
    ListKeys(s, {c::kCaptionListBox, 17, false});
}

void AddCaptionCheckListBox(Section& s)
{
    ListKeys(s, {c::kCaptionListBox, 17, true});
}

// Combo boxes keep their drop-down button in the copied right end; a captioned one its caption on the left.
void ComboKeys(Section& s, const Rect& box, const Rect& hot, int captionWidth)
{
    const int w = box.Width();
    const int left = captionWidth > 0 ? captionWidth + 4 : 3;
    s.Element(box, {left, 10}, {w - 22, 10}, {0, 0}, {0, 0}, {left - 1, 2, w - 21, 19});
    s.Set("activeskinrect", hot).Set("buttonrect", c::kComboButton.normal);
    s.Set("activebuttonrect", c::kComboButton.hot).Set("downbuttonrect", c::kComboButton.down);
    s.Set("itemtextrect", Rect{left, 3, w - 22, 18}).Set("itemheight", c::kListItem.Height());
    s.Set("dropdowncount", 8).Font().Set("activefontcolor", 0).Set("focusfontcolor", 0);
    s.Set("disabledfontcolor", kGrey).Set("disabledbgcolor", Color(theme::kDisabledFace));
    if (captionWidth > 0) {
        s.Set("captionrect", Rect{2, 2, captionWidth - 1, 19}).Set("captionfontcolor", kWhite);
    }
    s.Set("bgcolor", kWhite).Set("listboxname", "listbox");
}

void AddComboBox(Section& s)
{
    ComboKeys(s, c::kComboBox, c::kComboBoxHot, 0);
}

void AddCaptionComboBox(Section& s)
{
    ComboKeys(s, c::kCaptionComboBox, c::kCaptionComboBoxHot, 20);
}

// Scroll bars: the track repeats along its length; the thumb repeats between its two offsets.
// `end` is the part kept whole at the far end: the bar's last pixels, or the corner square as well.
void ScrollKeys(Section& s, const Rect& track, const Rect& area, int vertical, int end = 4)
{
    const int w = track.Width();
    const int h = track.Height();
    s.Set("pictureindex", kControlsPicture).Set("maskpictureindex", -1).Set("skinrect", track);
    if (vertical) {
        s.Set("lefttoppoint", Pt{8, 4}).Set("righttoppoint", Pt{0, 0}).Set("leftbottompoint", Pt{8, h - end});
    } else {
        s.Set("lefttoppoint", Pt{4, 8}).Set("righttoppoint", Pt{w - end, 8}).Set("leftbottompoint", Pt{0, 0});
    }
    s.Set("rightbottompoint", Pt{0, 0}).Set("trackarea", area);
    const auto& back = vertical ? c::kVScrollUp : c::kHScrollLeft;
    const auto& ahead = vertical ? c::kVScrollDown : c::kHScrollRight;
    const auto& thumb = vertical ? c::kVScrollThumb : c::kHScrollThumb;
    UpDownButtons(s, back, ahead);
    s.Set("thumbrect", thumb.normal).Set("activethumbrect", thumb.hot).Set("downthumbrect", thumb.down);
    s.Set("thumboffset1", 4).Set("thumboffset2", 4).Set("thumbminsize", 12).Set("vertical", vertical);
}

void AddHScrollBar(Section& s)
{
    ScrollKeys(s, c::kHScrollTrack, {0, 0, 60, 17}, 0);
}

void AddVScrollBar(Section& s)
{
    ScrollKeys(s, c::kVScrollTrack, {0, 0, 17, 60}, 1);
}

// The bar shown together with a vertical one ends in the square corner between the two.
void AddBothHScrollBar(Section& s)
{
    ScrollKeys(s, c::kBothHScrollTrack, {0, 0, 43, 17}, 0, 21);
    s.Set("bothmarkerarea", Rect{43, 0, 60, 17});
}

void AddSplitter(Section& s, const Rect& r, int vertical)
{
    if (vertical) {
        s.Element(r, {3, 4}, {0, 0}, {3, 36}, {0, 0}, {0, 0, 6, 40});
    } else {
        s.Element(r, {4, 3}, {36, 3}, {0, 0}, {0, 0}, {0, 0, 40, 6});
    }
}

void AddVSplitter(Section& s)
{
    AddSplitter(s, c::kVSplitter, 1);
}

void AddHSplitter(Section& s)
{
    AddSplitter(s, c::kHSplitter, 0);
}

void AddControlBar(Section& s)
{
    s.Element(c::kControlBar, {9, 13}, {56, 13}, {0, 0}, {0, 0}, {9, 2, 58, 24});
    s.Set("bgpictureindex", -1).Set("gripperrect", Rect{2, 3, 6, 23}).Set("itemoffset", 2).Font();
}

void AddMainMenuBar(Section& s)
{
    s.Element(c::kMainMenuBar, {2, 11}, {58, 11}, {0, 0}, {0, 0}, {2, 2, 58, 20});
    s.Set("bgpictureindex", -1).Set("itemsrect", Rect{2, 1, 58, 21}).Set("buttonsoffset", 2);
    s.Font().Set("activefontcolor", 0).Set("downfontcolor", 0).Set("disabledfontcolor", kGrey);
}

void AddScrollBox(Section& s)
{
    s.Element(c::kScrollBox, {2, 2}, {38, 2}, {2, 38}, {38, 38}, {1, 1, 39, 39});
    s.Set("bgpictureindex", -1).Set("bgcolor", Color(theme::kPanelFace)).Font();
}

void AddTreeView(Section& s)
{
    FieldElement(s, c::kTreeView, kNone);
    s.Set("expandimagerect", c::kTreeExpand).Set("noexpandimagerect", c::kTreeCollapse);
    FieldColors(s);
    s.Set("linescolor", kGrey).Set("indent", 16);
}

void AddListView(Section& s)
{
    FieldElement(s, c::kListView, kNone);
    FieldColors(s);
    s.Set("focusfontcolor", 0).Set("linescolor", Color(theme::kGridLines)).Set("headername", "header");
}

void AddExPanel(Section& s)
{
    s.Element(c::kExPanel, {4, 20}, {56, 20}, {4, 48}, {56, 48}, {2, 19, 58, 50});
    s.Set("bgpictureindex", -1).Set("captionrect", Rect{4, 0, 40, 18});
    s.Set("rollupbuttonrect", c::kExRollUp).Set("activerollupbuttonrect", c::kExRollUpHot);
    s.Set("closebuttonrect", c::kExClose).Set("activeclosebuttonrect", c::kExCloseHot);
    s.Set("restorebuttonrect", c::kExRestore).Set("activerestorebuttonrect", c::kExRestoreHot);
    s.Set("buttonsoffset", 2).Set("alignment", "taleftjustify").Font(kWhite, "fsbold");
}

void AddHeader(Section& s)
{
    s.Element(c::kHeader.normal, {3, 10}, {18, 10}, {0, 0}, {0, 0}, {2, 2, 18, 16});
    s.Set("activeskinrect", c::kHeader.hot).Set("downskinrect", c::kHeader.down);
    s.Font().Set("activefontcolor", 0).Set("downfontcolor", 0).Set("focusfontcolor", 0);
    s.Set("disabledfontcolor", kGrey);
}

using Writer = void (*)(Section&);

struct ControlSection {
    const char* name;
    Writer write;
};

void AddToolButtonSection(Section& s) { AddToolButton(s, c::kToolButton, 4); }
void AddBigToolButton(Section& s) { AddToolButton(s, c::kBigToolButton, 4); }
void AddToolMenuButton(Section& s) { AddMenuButton(s, c::kToolMenuButton, 0, false); }
void AddToolMenuTrackButton(Section& s) { AddMenuButton(s, c::kToolMenuTrackButton, 12, false); }
void AddBigToolMenuButton(Section& s) { AddMenuButton(s, c::kBigToolMenuButton, 0, true); }
void AddBigToolMenuTrackButton(Section& s) { AddMenuButton(s, c::kBigToolMenuTrackButton, 12, true); }

// In the order of [SKINCONTROLS].
const ControlSection kControlSections[51] = {
    {"button", AddButton},
    {"toolpanel", AddToolPanel},
    {"toolbutton", AddToolButtonSection},
    {"checkbox", AddCheckBox},
    {"gauge", AddGauge},
    {"vgauge", AddVGauge},
    {"radiobox", AddRadioBox},
    {"panel", AddStoredPanel},
    {"label", AddFrameLabel},
    {"trackbar", AddVTrackBar},
    {"htrackbar", AddHTrackBar},
    {"grid", AddGrid},
    {"tab", AddTab},
    {"edit", AddEdit},
    {"memo", AddMemo},
    {"hscrollbar", AddHScrollBar},
    {"vscrollbar", AddVScrollBar},
    {"listbox", AddListBox},
    {"combobox", AddComboBox},
    {"checklistbox", AddCheckListBox},
    {"spinedit", AddSpinEdit},
    {"groupbox", AddGroupBox},
    {"stdlabel", AddStdLabel},
    {"statuspanel", AddStatusPanel},
    {"statusbar", AddStatusBar},
    {"buttonedit", AddButtonEdit},
    {"vupdown", AddVUpDown},
    {"hupdown", AddHUpDown},
    {"captionlistbox", AddCaptionListBox},
    {"captionchecklistbox", AddCaptionCheckListBox},
    {"captioncombobox", AddCaptionComboBox},
    {"controlbar", AddControlBar},
    {"mainmenubar", AddMainMenuBar},
    {"vsplitter", AddVSplitter},
    {"hsplitter", AddHSplitter},
    {"resizebutton", AddResizeButton},
    {"bothhscrollbar", AddBothHScrollBar},
    {"rolluppanel", AddRollUpPanel},
    {"bigtoolpanel", AddBigToolPanel},
    {"bigtoolbutton", AddBigToolButton},
    {"toolmenubutton", AddToolMenuButton},
    {"toolmenutrackbutton", AddToolMenuTrackButton},
    {"bigtoolmenubutton", AddBigToolMenuButton},
    {"bigtoolmenutrackbutton", AddBigToolMenuTrackButton},
    {"scrollbox", AddScrollBox},
    {"treeview", AddTreeView},
    {"listview", AddListView},
    {"statusgauge", AddStatusGauge},
    {"richedit", AddRichEdit},
    {"expanel", AddExPanel},
    {"header", AddHeader},
};

void AddControlSections(Sections& out)
{
    for (const auto& entry : kControlSections) {
        entry.write(out.emplace_back(entry.name));
    }
}

std::string Render(const Sections& sections)
{
    std::string text;
    for (const auto& s : sections) {
        text += "[" + s.Name() + "]\r\n";
        for (const auto& line : s.Lines()) {
            text += line + "\r\n";
        }
    }
    return text;
}

int CountLines(const Sections& sections)
{
    int n = 0;
    for (const auto& s : sections) {
        n += 1 + int(s.Lines().size());
    }
    return n;
}

} // namespace

std::string SkinIniText()
{
    Sections sections;
    AddHeadSections(sections);
    AddFormInfo(sections);
    AddWindows(sections);
    AddObjectList(sections);
    AddSkinObjects(sections);
    AddControlList(sections);
    AddControlSections(sections);
    const int lines = CountLines(sections);
    if (int(sections.size()) != kSectionCount || lines != kLineCount) {
        throw std::logic_error("SKIN.INI has " + std::to_string(sections.size()) + " sections and " +
                               std::to_string(lines) + " lines; the skin needs " + std::to_string(kSectionCount) +
                               " and " + std::to_string(kLineCount));
    }
    return Render(sections);
}

} // namespace skingen
