// The control picture and the grid cells. Every look is painted into its own rectangle, and the sheet checks
// that no two rectangles overlap. Standard library only.
#include "ControlPictures.h"

#include "Layout.h"
#include "Looks.h"
#include "Theme.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace skingen {

using namespace theme;
namespace c = layout::controls;

namespace {

class Sheet {
public:
    Sheet(int w, int h) : m_img(w, h, kPanelFace) {}

    // Hands out the rectangle for painting after checking it against every earlier claim.
    Image& Claim(const char* what, const Rect& r)
    {
        if (!m_img.Bounds().Contains(r)) {
            throw std::logic_error(std::string(what) + " lies outside the picture");
        }
        for (const auto& [name, other] : m_claims) {
            if (other.Overlaps(r)) {
                throw std::logic_error(std::string(what) + " overlaps " + name);
            }
        }
        m_claims.emplace_back(what, r);
        return m_img;
    }
    Image& Claim(const char* what, const layout::Looks& looks)
    {
        Claim(what, looks.normal);
        Claim(what, looks.hot);
        return Claim(what, looks.down);
    }
    Image& Img() { return m_img; }

private:
    Image m_img;
    std::vector<std::pair<std::string, Rect>> m_claims;
};

void PaintPushButtons(Sheet& s)
{
    PushFace(s.Claim("button", c::kButton.rect), c::kButton.rect, State::Normal, 2, Shading::Gradient);
    PushFace(s.Claim("button down", c::kButtonDown), c::kButtonDown, State::Down, 2, Shading::Gradient);
    PushFace(s.Claim("button hot", c::kButtonHot), c::kButtonHot, State::Hot, 2, Shading::Gradient);
    PushFace(s.Claim("button disabled", c::kButtonDisabled), c::kButtonDisabled, State::Disabled, 2,
             Shading::Gradient);
    const Rect resize = c::kResizeButton.rect;
    PushFace(s.Claim("resizebutton", resize), resize, State::Normal, 4, Shading::Banded);
    PushFace(s.Claim("resizebutton hot", c::kResizeButtonHot), c::kResizeButtonHot, State::Hot, 4, Shading::Banded);
    PushFace(s.Claim("resizebutton down", c::kResizeButtonDown), c::kResizeButtonDown, State::Down, 4,
             Shading::Banded);
    Image& img = s.Claim("header", c::kHeader);
    HeaderSection(img, c::kHeader.normal, State::Normal);
    HeaderSection(img, c::kHeader.hot, State::Hot);
    HeaderSection(img, c::kHeader.down, State::Down);
}

// Menu buttons carry a drop arrow; track buttons split it off behind a separator once they are raised.
void MenuButton(Image& img, const Rect& r, State state, int trackWidth, bool arrowBelow)
{
    ToolFace(img, r, state);
    if (trackWidth > 0 && state != State::Normal) {
        const int x = r.right - trackWidth;
        VLine(img, x - 1, r.top + 3, r.bottom - 3, kFaceEdgeShade);
        VLine(img, x, r.top + 3, r.bottom - 3, kFaceEdgeLight);
    }
    const int shift = state == State::Down ? 1 : 0;
    const int cx = trackWidth > 0 ? r.right - trackWidth / 2 - 1 : r.right - 7;
    const int cy = arrowBelow ? r.bottom - 8 : r.top + r.Height() / 2;
    DropArrow(img, cx + shift, cy + shift, kScrollGlyph);
}

void PaintToolBars(Sheet& s)
{
    ToolBarBackground(s.Claim("toolpanel", c::kToolPanel), c::kToolPanel);
    ToolBarBackground(s.Claim("bigtoolpanel", c::kBigToolPanel), c::kBigToolPanel);
    const struct {
        const char* name;
        layout::Looks looks;
        int track;
        bool menu;
        bool big;
    } buttons[] = {
        {"toolbutton", c::kToolButton, 0, false, false},
        {"bigtoolbutton", c::kBigToolButton, 0, false, true},
        {"toolmenubutton", c::kToolMenuButton, 0, true, false},
        {"toolmenutrackbutton", c::kToolMenuTrackButton, 12, true, false},
        {"bigtoolmenubutton", c::kBigToolMenuButton, 0, true, true},
        {"bigtoolmenutrackbutton", c::kBigToolMenuTrackButton, 12, true, true},
    };
    for (const auto& b : buttons) {
        Image& img = s.Claim(b.name, b.looks);
        const Rect rects[3] = {b.looks.normal, b.looks.hot, b.looks.down};
        const State states[3] = {State::Normal, State::Hot, State::Down};
        for (int i = 0; i < 3; ++i) {
            if (b.menu) {
                MenuButton(img, rects[i], states[i], b.track, b.big && b.track == 0);
            } else {
                ToolFace(img, rects[i], states[i]);
            }
        }
    }
}

void PaintSplitters(Sheet& s)
{
    Image& img = s.Claim("vsplitter", c::kVSplitter);
    HorizontalGradient(img, c::kVSplitter, {{0.0, kFaceEdgeLight}, {0.5, kFace}, {1.0, kFaceBottom}});
    GripDots(img, Rect::Sized(c::kVSplitter.left + 2, c::kVSplitter.top + 1, 2, c::kVSplitter.Height() - 2),
             Direction::Down, kFieldFill, kPanelEdge);
    s.Claim("hsplitter", c::kHSplitter);
    VerticalGradient(img, c::kHSplitter, {{0.0, kFaceEdgeLight}, {0.5, kFace}, {1.0, kFaceBottom}});
    GripDots(img, Rect::Sized(c::kHSplitter.left + 1, c::kHSplitter.top + 2, c::kHSplitter.Width() - 2, 2),
             Direction::Right, kFieldFill, kPanelEdge);
}

// A panel whose top `band` rows are a green caption band with white text.
void BandPanel(Image& img, const Rect& r, int band, Rgb edge)
{
    PanelFace(img, r);
    GreenBand(img, Rect{r.left, r.top, r.right, r.top + band});
    HLine(img, r.left, r.right, r.top + band, Mix(edge, kPanelFace, 0.3));
    FrameRect(img, r, edge);
}

void BandGlyph(Image& img, const Rect& r, Direction d, bool bar)
{
    const int cx = r.left + r.Width() / 2;
    const int cy = r.top + r.Height() / 2;
    Arrow(img, cx, d == Direction::Up ? cy + 1 : cy - 1, d, 7, kBandText);
    if (bar) {
        HLine(img, cx - 3, cx + 4, d == Direction::Up ? cy - 3 : cy + 3, kBandText);
    }
}

// A small button over a green band: at rest only its glyph, raised when the pointer is over it.
void BandButton(Image& img, const Rect& r, const Rect& bandSource, bool hot)
{
    img.Copy(img, Rect::Sized(bandSource.left, bandSource.top, r.Width(), r.Height()), r.left, r.top);
    if (hot) {
        FillRect(img, r.Inset(1), Lighter(kBandTop, 0.25));
        RoundFrame(img, r, Lighter(kBandTop, 0.7), 1);
    }
}

void PaintExPanelButtons(Sheet& s)
{
    const Rect band = Rect::Sized(c::kExPanel.left + 20, c::kExPanel.top + 2, 14, 14);
    const struct {
        const char* name;
        Rect rect;
        bool hot;
        int glyph; // 0 roll up, 1 close, 2 restore
    } buttons[] = {
        {"expanel rollup", c::kExRollUp, false, 0},   {"expanel rollup hot", c::kExRollUpHot, true, 0},
        {"expanel close", c::kExClose, false, 1},     {"expanel close hot", c::kExCloseHot, true, 1},
        {"expanel restore", c::kExRestore, false, 2}, {"expanel restore hot", c::kExRestoreHot, true, 2},
    };
    for (const auto& b : buttons) {
        Image& img = s.Claim(b.name, b.rect);
        BandButton(img, b.rect, band, b.hot);
        if (b.glyph == 1) {
            Cross(img, b.rect.Inset(4), 2, kBandText);
        } else {
            BandGlyph(img, b.rect, b.glyph == 0 ? Direction::Up : Direction::Down, true);
        }
    }
}

void PaintPanels(Sheet& s)
{
    PanelFace(s.Claim("panel", c::kPanel.rect), c::kPanel.rect);
    Image& img = s.Claim("groupbox", c::kGroupBox);
    PanelFace(img, c::kGroupBox);
    const Rect strip{c::kGroupBox.left + 1, c::kGroupBox.top + 1, c::kGroupBox.right - 1, c::kGroupBox.top + 17};
    VerticalGradient(img, strip, {{0.0, Lighter(kSelectTop, 0.5)}, {1.0, kSelectTop}});
    HLine(img, strip.left, strip.right, strip.bottom, kPanelEdge);
    BandPanel(s.Claim("rolluppanel", c::kRollUpPanel), c::kRollUpPanel, 20, kControlOutline);
    const Rect bandSpot = Rect::Sized(c::kRollUpPanel.left + 30, c::kRollUpPanel.top + 6, 9, 9);
    s.Claim("rollupmarker", c::kRollUpMarker).Copy(img, bandSpot, c::kRollUpMarker.left, c::kRollUpMarker.top);
    BandGlyph(img, c::kRollUpMarker, Direction::Up, false);
    s.Claim("restoremarker", c::kRestoreMarker).Copy(img, bandSpot, c::kRestoreMarker.left, c::kRestoreMarker.top);
    BandGlyph(img, c::kRestoreMarker, Direction::Down, false);
    BandPanel(s.Claim("expanel", c::kExPanel), c::kExPanel, 18, kSelectEdge);
    PaintExPanelButtons(s);
}

void PaintBars(Sheet& s)
{
    Image& img = s.Claim("statusbar", c::kStatusBar);
    const Rect bar = c::kStatusBar;
    VerticalGradient(img, bar, {{0.0, kFace}, {1.0, Mix(kFace, kFaceBottom, 0.6)}});
    HLine(img, bar.left, bar.right, bar.top, kFaceEdgeShade);
    HLine(img, bar.left, bar.right, bar.top + 1, kFaceEdgeLight);
    SizeGrip(img, bar.right, bar.bottom);
    const Rect pane = c::kStatusPanel;
    s.Claim("statuspanel", pane);
    FillRect(img, pane, kFace);
    HLine(img, pane.left, pane.right, pane.top, kFaceBottom);
    VLine(img, pane.left, pane.top, pane.bottom, kFaceBottom);
    HLine(img, pane.left + 1, pane.right, pane.bottom - 1, kFaceEdgeLight);
    VLine(img, pane.right - 1, pane.top + 1, pane.bottom, kFaceEdgeLight);
    s.Claim("label", c::kLabel);
    FillRect(img, c::kLabel, Lighter(kSelectTop, 0.6));
    FrameRect(img, c::kLabel, Mix(kSelectEdge, kPanelFace, 0.3));
    ToolBarBackground(s.Claim("controlbar", c::kControlBar), c::kControlBar);
    GripDots(img, Rect::Sized(c::kControlBar.left + 3, c::kControlBar.top + 4, 2, c::kControlBar.Height() - 7),
             Direction::Down, kFieldFill, kPanelEdge);
    s.Claim("mainmenubar", c::kMainMenuBar);
    VerticalGradient(img, c::kMainMenuBar, {{0.0, kFaceTop}, {1.0, kFace}});
    HLine(img, c::kMainMenuBar.left, c::kMainMenuBar.right, c::kMainMenuBar.bottom - 1, kFaceEdgeShade);
}

void PaintScrollParts(Image& img, const layout::Looks& looks, Direction arrow)
{
    ScrollButton(img, looks.normal, State::Normal, arrow);
    ScrollButton(img, looks.hot, State::Hot, arrow);
    ScrollButton(img, looks.down, State::Down, arrow);
}

void PaintThumbs(Image& img, const layout::Looks& looks, bool vertical)
{
    ScrollThumb(img, looks.normal, State::Normal, vertical);
    ScrollThumb(img, looks.hot, State::Hot, vertical);
    ScrollThumb(img, looks.down, State::Down, vertical);
}

void PaintScrollBars(Sheet& s)
{
    ScrollTrack(s.Claim("hscrollbar", c::kHScrollTrack), c::kHScrollTrack, false);
    PaintScrollParts(s.Claim("hscrollbar left", c::kHScrollLeft), c::kHScrollLeft, Direction::Left);
    PaintScrollParts(s.Claim("hscrollbar right", c::kHScrollRight), c::kHScrollRight, Direction::Right);
    PaintThumbs(s.Claim("hscrollbar thumb", c::kHScrollThumb), c::kHScrollThumb, false);
    ScrollTrack(s.Claim("vscrollbar", c::kVScrollTrack), c::kVScrollTrack, true);
    PaintScrollParts(s.Claim("vscrollbar up", c::kVScrollUp), c::kVScrollUp, Direction::Up);
    PaintScrollParts(s.Claim("vscrollbar down", c::kVScrollDown), c::kVScrollDown, Direction::Down);
    PaintThumbs(s.Claim("vscrollbar thumb", c::kVScrollThumb), c::kVScrollThumb, true);
    // With both bars shown the horizontal one ends in the square corner between them.
    Image& img = s.Claim("bothhscrollbar", c::kBothHScrollTrack);
    const Rect corner{c::kBothHScrollTrack.right - 17, c::kBothHScrollTrack.top, c::kBothHScrollTrack.right,
                      c::kBothHScrollTrack.bottom};
    ScrollTrack(img, Rect{c::kBothHScrollTrack.left, c::kBothHScrollTrack.top, corner.left, corner.bottom}, false);
    FillRect(img, corner, kFace);
    SizeGrip(img, corner.right, corner.bottom);
}

void PaintMarks(Sheet& s, const char* name, const Rect& background, int firstX, bool radio)
{
    Image& img = s.Claim(name, background);
    FillRect(img, background, kPanelFace);
    const State states[3] = {State::Normal, State::Hot, State::Disabled};
    for (int i = 0; i < 6; ++i) {
        const Rect r = c::Mark(firstX, i);
        s.Claim(name, r);
        const bool checked = i % 2 == 0;
        if (radio) {
            RadioMark(img, r, checked, states[i / 2]);
        } else {
            FillRect(img, r, kPanelFace);
            CheckMarkBox(img, r, checked, states[i / 2]);
        }
    }
}

void PaintUpDowns(Sheet& s)
{
    const State states[3] = {State::Normal, State::Hot, State::Down};
    const Rect vUp[3] = {c::kVUpDownUp.normal, c::kVUpDownUp.hot, c::kVUpDownUp.down};
    const Rect vDown[3] = {c::kVUpDownDown.normal, c::kVUpDownDown.hot, c::kVUpDownDown.down};
    const Rect hLeft[3] = {c::kHUpDownLeft.normal, c::kHUpDownLeft.hot, c::kHUpDownLeft.down};
    const Rect hRight[3] = {c::kHUpDownRight.normal, c::kHUpDownRight.hot, c::kHUpDownRight.down};
    for (int i = 0; i < 3; ++i) {
        ScrollButton(s.Claim("vupdown up", vUp[i]), vUp[i], states[i], Direction::Up);
        ScrollButton(s.Claim("vupdown down", vDown[i]), vDown[i], states[i], Direction::Down);
        ScrollButton(s.Claim("hupdown left", hLeft[i]), hLeft[i], states[i], Direction::Left);
        ScrollButton(s.Claim("hupdown right", hRight[i]), hRight[i], states[i], Direction::Right);
    }
}

void PaintChecks(Sheet& s)
{
    PaintMarks(s, "checkbox", c::kCheckBox, c::kCheckMarksX, false);
    PaintMarks(s, "radiobox", c::kRadioBox, c::kRadioMarksX, true);
    PlusMinusBox(s.Claim("treeview expand", c::kTreeExpand), c::kTreeExpand, true);
    PlusMinusBox(s.Claim("treeview collapse", c::kTreeCollapse), c::kTreeCollapse, false);
    PaintUpDowns(s);
}

// The drop-down button inside a combo box, 17 x 17, two pixels in from its right end.
Rect ComboButtonSpot(const Rect& box)
{
    return Rect::Sized(box.right - 19, box.top + 2, 17, 17);
}

void ComboBox(Image& img, const Rect& r, State state, int captionWidth)
{
    const Rect field{r.left + captionWidth, r.top, r.right, r.bottom};
    SunkenField(img, field, state);
    ScrollButton(img, ComboButtonSpot(r), state, Direction::Down);
    if (captionWidth > 0) {
        const Rect caption{r.left, r.top, field.left + 1, r.bottom};
        GreenBand(img, caption);
        FrameRect(img, caption, kSelectEdge);
    }
}

void Ellipsis(Image& img, const Rect& r, State state)
{
    ScrollThumb(img, r, state, false);
    const int shift = state == State::Down ? 1 : 0;
    for (int i = 0; i < 3; ++i) {
        FillRect(img, Rect::Sized(r.left + 4 + 4 * i + shift, r.top + 11 + shift, 2, 2), kScrollGlyph);
    }
}

void FocusDots(Image& img, const Rect& r)
{
    for (int x = r.left; x < r.right; ++x) {
        for (int y = r.top; y < r.bottom; ++y) {
            const bool edge = x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1;
            if (edge && (x + y) % 2 == 0) {
                img.Set(x, y, kControlOutline);
            }
        }
    }
}

void PaintFields(Sheet& s)
{
    SunkenField(s.Claim("edit", c::kEdit), c::kEdit, State::Normal);
    SunkenField(s.Claim("edit hot", c::kEditHot), c::kEditHot, State::Hot);
    ComboBox(s.Claim("combobox", c::kComboBox), c::kComboBox, State::Normal, 0);
    ComboBox(s.Claim("combobox hot", c::kComboBoxHot), c::kComboBoxHot, State::Hot, 0);
    PaintScrollParts(s.Claim("combobox button", c::kComboButton), c::kComboButton, Direction::Down);
    Image& img = s.Claim("buttonedit button", c::kEditButton);
    Ellipsis(img, c::kEditButton.normal, State::Normal);
    Ellipsis(img, c::kEditButton.hot, State::Hot);
    Ellipsis(img, c::kEditButton.down, State::Down);
    ComboBox(s.Claim("captioncombobox", c::kCaptionComboBox), c::kCaptionComboBox, State::Normal, 20);
    ComboBox(s.Claim("captioncombobox hot", c::kCaptionComboBoxHot), c::kCaptionComboBoxHot, State::Hot, 20);
    SunkenField(s.Claim("listbox", c::kListBox), c::kListBox, State::Normal);
    FillRect(s.Claim("listbox item", c::kListItem), c::kListItem, kFieldFill);
    SelectionBand(s.Claim("listbox item selected", c::kListItemSelected), c::kListItemSelected, false);
    SelectionBand(s.Claim("listbox item focused", c::kListItemFocused), c::kListItemFocused, false);
    FocusDots(img, c::kListItemFocused.Inset(1));
    const Rect cap = c::kCaptionListBox;
    SunkenField(s.Claim("captionlistbox", cap), cap, State::Normal);
    GreenBand(img, Rect{cap.left + 1, cap.top + 1, cap.right - 1, cap.top + 18});
    SunkenField(s.Claim("memo", c::kMemo), c::kMemo, State::Normal);
    SunkenField(s.Claim("memo hot", c::kMemoHot), c::kMemoHot, State::Hot);
    SunkenField(s.Claim("treeview", c::kTreeView), c::kTreeView, State::Normal);
    SunkenField(s.Claim("listview", c::kListView), c::kListView, State::Normal);
    SunkenField(s.Claim("richedit", c::kRichEdit), c::kRichEdit, State::Normal);
    s.Claim("scrollbox", c::kScrollBox);
    FillRect(img, c::kScrollBox, kPanelFace);
    FrameRect(img, c::kScrollBox, kFieldBorder);
}

void PaintGauges(Sheet& s)
{
    GaugeTrack(s.Claim("statusgauge", c::kStatusGauge.rect), c::kStatusGauge.rect);
    ProgressBlocks(s.Claim("statusgauge progress", c::kStatusGaugeProgress), c::kStatusGaugeProgress, false);
    GaugeTrack(s.Claim("gauge", c::kGauge), c::kGauge);
    ProgressBlocks(s.Claim("gauge progress", c::kGaugeProgress), c::kGaugeProgress, false);
    GaugeTrack(s.Claim("vgauge", c::kVGauge), c::kVGauge);
    ProgressBlocks(s.Claim("vgauge progress", c::kVGaugeProgress), c::kVGaugeProgress, true);
}

void PaintTabs(Sheet& s)
{
    Image& img = s.Claim("tab pane", c::kTabPane);
    FillRect(img, c::kTabPane, kPanelFace);
    FrameRect(img, c::kTabPane, Mix(kPanelEdge, kControlOutline, 0.3));
    Tab(s.Claim("tab", c::kTab), c::kTab, State::Normal);
    Tab(s.Claim("tab selected", c::kTabSelected), c::kTabSelected, State::Down);
    Tab(s.Claim("tab hot", c::kTabHot), c::kTabHot, State::Hot);
}

// A track bar's groove runs along the middle of its rectangle, four pixels wide.
void Groove(Image& img, const Rect& r, bool vertical)
{
    FillRect(img, r, kPanelFace);
    const int cx = r.left + r.Width() / 2;
    const int cy = r.top + r.Height() / 2;
    const Rect groove =
        vertical ? Rect{cx - 2, r.top + 4, cx + 2, r.bottom - 4} : Rect{r.left + 4, cy - 2, r.right - 4, cy + 2};
    FillRect(img, groove, kFieldFill);
    FrameRect(img, groove, kFieldBorder);
}

void PaintTrackBars(Sheet& s)
{
    Groove(s.Claim("trackbar", c::kTrackBar), c::kTrackBar, true);
    PaintThumbs(s.Claim("trackbar thumb", c::kTrackBarThumb), c::kTrackBarThumb, false);
    Groove(s.Claim("htrackbar", c::kHTrackBar), c::kHTrackBar, false);
    PaintThumbs(s.Claim("htrackbar thumb", c::kHTrackBarThumb), c::kHTrackBarThumb, true);
}

} // namespace

Image DrawControls()
{
    Sheet sheet(c::kWidth, c::kHeight);
    PaintPushButtons(sheet);
    PaintToolBars(sheet);
    PaintSplitters(sheet);
    PaintPanels(sheet);
    PaintBars(sheet);
    PaintScrollBars(sheet);
    PaintChecks(sheet);
    PaintFields(sheet);
    PaintGauges(sheet);
    PaintTabs(sheet);
    PaintTrackBars(sheet);
    return sheet.Img();
}

Image DrawGrids()
{
    namespace g = layout::grid;
    Image img(g::kWidth, g::kHeight, kFieldFill);
    const Rect fixed = g::kFixedCell;
    VerticalGradient(img, fixed, {{0.0, kFieldFill}, {1.0, kFace}});
    HLine(img, fixed.left, fixed.right, fixed.bottom - 2, kFaceBottom);
    HLine(img, fixed.left, fixed.right, fixed.bottom - 1, Darker(kFaceBottom, 0.1));
    VLine(img, fixed.right - 1, fixed.top + 2, fixed.bottom - 2, kFaceBottom);
    SelectionBand(img, g::kSelectCell, false);
    SelectionBand(img, g::kFocusCell, false);
    FocusDots(img, g::kFocusCell.Inset(1));
    return img;
}

} // namespace skingen
