// The loaded skin: the definition's values as validated plain structs and the decoded pictures, read once at
// load so that drawing only reads. Portable: no platform headers; pictures are decoded with gfx.
#pragma once

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/Geometry.h"
#include "skin/Ini.h"
#include "skin/StoredSkin.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

struct SkinVersion {
    int ver = 0;
    std::string skinName;
    std::string skinAuthor;
    std::string authorEmail;
    std::string authorUrl;
    std::string skinComments;
};

// Four corner points of a nine-slice layout, relative to the rectangle being drawn.
struct CornerPoints {
    gfx::Point leftTop;
    gfx::Point rightTop;
    gfx::Point leftBottom;
    gfx::Point rightBottom;
};

// [FORMINFO], in frame-picture pixels.
struct FormInfo {
    CornerPoints points;
    gfx::Rect clientRect;
    int bgPictureIndex = -1;
    gfx::Rect maskRectArea;
    CornerPoints hitTestPoints;
    gfx::Rect mainMenuRect;
    gfx::Rect iconRect;
    bool mainMenuPopupUp = false;
    int borderWidth = 0;
    bool leftStretch = false;
    bool rightStretch = false;
    bool topStretch = false;
    bool bottomStretch = false;
    gfx::Rect buttonsRect;
    gfx::Rect captionRect;
};

// [POPUPWINDOW]: the frame of skinned popup menus.
struct PopupWindowInfo {
    int windowPictureIndex = -1;
    int maskPictureIndex = -1;
    CornerPoints points;
    gfx::Rect itemsRect;
    uint32_t scrollMarkerColor = 0;
    uint32_t scrollMarkerActiveColor = 0;
};

// [HINTWINDOW]: the frame of skinned hints.
struct HintWindowInfo {
    int windowPictureIndex = -1;
    int maskPictureIndex = -1;
    CornerPoints points;
    gfx::Rect clientRect;
    gfx::Font font;
    uint32_t fontColor = 0;
};

enum class ElementType {
    Button, Panel, CheckRadio, Gauge, Label, TrackBar, Grid, Tab, Edit, Memo, ScrollBar, ListBox, ComboBox,
    CheckListBox, SpinEdit, StdLabel, UpDown, ControlBar, MainMenuBar, Splitter, MenuButton, ScrollBox, TreeView,
    ListView, RichEdit, ExPanel
};

// Filled for elements of type button (and menubutton, which is a push button with a menu part).
struct ButtonValues {
    gfx::Rect activeSkinRect;
    gfx::Rect downSkinRect;
    gfx::Rect disabledSkinRect;
    uint32_t activeFontColor = 0;
    uint32_t downFontColor = 0;
    uint32_t disabledFontColor = 0;
};

// Filled for elements of type panel.
struct PanelValues {
    int bgPictureIndex = -1;
    gfx::Rect captionRect;
    Alignment alignment = Alignment::Center;
    gfx::Rect rollUpMarkerRect;
    gfx::Rect restoreMarkerRect;
    gfx::Rect checkImageRect;
    gfx::Rect uncheckImageRect;
};

// Filled for elements of type gauge. progressArea is relative to the element's rectangle, progressRect lies in
// the element's picture.
struct GaugeValues {
    gfx::Rect progressArea;
    gfx::Rect progressRect;
    int beginOffset = 0;
    int endOffset = 0;
    bool vertical = false;
};

// A control element. skinRect lies in the active picture `pictureIndex`; the points and clientRect are
// relative to the rectangle being drawn. The type-specific parts hold defaults for other types.
struct Element {
    std::string name;
    ElementType type = ElementType::Button;
    int pictureIndex = -1;
    int maskPictureIndex = -1;
    gfx::Rect skinRect;
    gfx::Point leftTopPoint;
    gfx::Point rightTopPoint;
    gfx::Point leftBottomPoint;
    gfx::Point rightBottomPoint;
    gfx::Rect clientRect;
    gfx::Font font; // charset left at its default: the control supplies its own
    uint32_t fontColor = 0;
    ButtonValues button;
    PanelValues panel;
    GaugeValues gauge;
};

enum class ObjectKind { MenuItem, Caption, StdButton, MainMenuBarItem, MainMenuBarButton };

struct CaptionValues {
    gfx::Rect textRect;
    gfx::Font font;
    uint32_t fontColor = 0;
    uint32_t activeFontColor = 0;
    Alignment alignment = Alignment::Center;
    bool shadow = false;
    uint32_t shadowColor = 0;
    uint32_t activeShadowColor = 0;
};

// Filled for stdbutton and mainmenubarbutton objects.
struct StdButtonValues {
    gfx::Rect downRect;
    Command command = Command::Default;
    gfx::Rect restoreRect;
    gfx::Rect restoreActiveRect;
    gfx::Rect restoreDownRect;
    gfx::Rect restoreInactiveRect;
};

struct MenuItemValues {
    int itemLeftOffset = 0;
    int itemRightOffset = 0;
    gfx::Rect dividerRect;
    int dividerLeftOffset = 0;
    int dividerRightOffset = 0;
    gfx::Rect textRect;
    gfx::Font font;
    uint32_t fontColor = 0;
    uint32_t activeFontColor = 0;
    uint32_t unenabledFontColor = 0;
};

// A skin object of the frame or the menus. skinRect lies in the frame picture, the other rectangles in the
// active picture `activePictureIndex`.
struct SkinObject {
    std::string name;
    ObjectKind kind = ObjectKind::Caption;
    int activePictureIndex = -1;
    gfx::Rect skinRect;
    gfx::Rect activeSkinRect;
    CaptionValues caption;
    StdButtonValues button;
    MenuItemValues menuItem;
};

class SkinData {
public:
    // Empties the skin, then fills it from the definition's lines and the stored pictures. The skin stays empty
    // when [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS] or [SKINCONTROLS] is missing. A picture that does
    // not decode is simply absent.
    void Load(const std::vector<std::string>& iniLines, const StoredPictures& pictures);
    void Clear();

    bool Loaded() const { return m_loaded; }
    const SkinVersion& Version() const { return m_version; }
    const skin::FormInfo& FormInfo() const { return m_formInfo; }
    const PopupWindowInfo& PopupWindow() const { return m_popupWindow; }
    const HintWindowInfo& HintWindow() const { return m_hintWindow; }
    const std::vector<SkinObject>& Objects() const { return m_objects; }
    const std::vector<Element>& Elements() const { return m_elements; }

    // The first one whose name equals `name` exactly, letter case included; nullptr when none or empty.
    const Element* FindElement(std::string_view name) const;
    const SkinObject* FindObject(std::string_view name) const;

    const gfx::Bitmap* FramePicture() const;
    const gfx::Bitmap* InactiveFramePicture() const;
    const gfx::Bitmap* MaskPicture() const;
    // nullptr for -1, an index past the last picture, or a picture that did not decode.
    const gfx::Bitmap* ActivePicture(int index) const;

private:
    void LoadPictures(const StoredPictures& pictures);
    void LoadObjects(const IniFile& ini, const IniSection& list);
    void LoadElements(const IniFile& ini, const IniSection& list);

    bool m_loaded = false;
    SkinVersion m_version;
    skin::FormInfo m_formInfo;
    PopupWindowInfo m_popupWindow;
    HintWindowInfo m_hintWindow;
    std::vector<SkinObject> m_objects;
    std::vector<Element> m_elements;
    std::optional<gfx::Bitmap> m_frame;
    std::optional<gfx::Bitmap> m_inactiveFrame;
    std::optional<gfx::Bitmap> m_mask;
    std::vector<std::optional<gfx::Bitmap>> m_active;
};

} // namespace skin
