// The skinned frame's system menu: its items for the frame state, the popup's layout and shape from
// [POPUPWINDOW] and [menuitem], keyboard and mouse handling, and drawing. Pure; portable: no platform headers.
#pragma once

#include "gfx/Canvas.h"
#include "gfx/Geometry.h"
#include "skin/FrameCaption.h"
#include "skin/FrameGeometry.h"
#include "skin/FrameObjects.h"
#include "skin/FrameState.h"
#include "skin/SkinData.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

struct SystemMenuItem {
    std::wstring text;     // '&' marks the underlined letter, "&&" is a plain '&'; empty for the divider
    std::wstring shortcut; // drawn right-aligned
    std::optional<FrameAction> action; // nothing for the divider

    bool IsDivider() const { return !action; }
    friend bool operator==(const SystemMenuItem&, const SystemMenuItem&) = default;
};

// Built afresh each time the menu opens: "Mi&nimize" with biMinimize; "Ma&ximize" with biMaximize in the normal
// state or "&Restore" while maximized; a divider when any of these is shown; "&Close" with "Alt+F4" always.
std::vector<SystemMenuItem> BuildSystemMenuItems(BorderIcons icons, WindowState state);

// A menu text as it is shown: the '&' markers removed, and the index of the underlined character.
struct MnemonicText {
    std::wstring text;
    std::optional<size_t> underlined;
};
MnemonicText StripMnemonic(std::wstring_view text);
// The underlined letter folded to lower case (ASCII letters only; other characters as they are).
std::optional<wchar_t> MnemonicOf(std::wstring_view text);

// Heights from [menuitem]: an item is as high as its skinrect, the divider as its dividerrect. The font is
// [menuitem]'s in the GB2312 character set of the frame's menu-item font. Without [menuitem] the frame's
// default menu-item values apply.
struct MenuMetrics {
    int itemHeight = 20;
    int dividerHeight = 7;
    gfx::Font font;
    const SkinObject* look = nullptr; // [menuitem], or nothing: plain items
};
MenuMetrics MenuMetricsOf(const SkinData& skin);

// Space around the text inside an item's text area, and between an item's text and its shortcut.
inline constexpr int kMenuTextIndent = 8;
inline constexpr int kMenuShortcutGap = 20;
inline constexpr int kMenuTextEndPadding = 8;

// The popup's size and its item rectangles, in the popup's coordinates. The items fill the popup's items area:
// the popup picture's itemsrect margins are kept around them. The width fits the widest text and the widest
// shortcut with the paddings above, the height all items; neither goes below the popup picture's minimum (its
// width, and its height less the itemsrect height).
struct SystemMenuLayout {
    gfx::Size size;
    std::vector<gfx::Rect> items;
};
SystemMenuLayout LayoutSystemMenu(const TextMeasure& measure, const SkinData& skin,
                                  const std::vector<SystemMenuItem>& items);

// The popup picture laid out with the [POPUPWINDOW] points and itemsrect, as the frame is with [FORMINFO].
FrameGeometry PopupGeometry(const SkinData& skin);

// The popup's shape, from its mask laid out like the popup picture; the whole popup without a mask.
std::vector<gfx::Rect> SystemMenuShape(const SkinData& skin, gfx::Size popup);

// The popup's top-left for a menu opened at `pointer`: there when it fits in the work area, otherwise flipped
// to the pointer's left or above it, and always kept inside the work area as far as it can be.
gfx::Point PlacePopup(gfx::Point pointer, gfx::Size popup, gfx::Rect workArea);

enum class MenuKey { Up, Down, Left, Right, Enter, Escape };
enum class MenuOutcome { Nothing, Repaint, Chosen, Closed };

struct MenuReply {
    MenuOutcome outcome = MenuOutcome::Nothing;
    std::optional<FrameAction> action; // with Chosen
    friend bool operator==(const MenuReply&, const MenuReply&) = default;
};

// The open menu. Up and Down move the highlight over the items, skipping the divider and wrapping around
// (from no highlight Down starts at the first item, Up at the last); Enter chooses the highlighted item; Escape
// closes; Left and Right do nothing (there are no submenus); a character equal to an item's underlined letter,
// in either case, chooses that item at once. The pointer over an item highlights it, over the divider or
// outside the items removes the highlight; a click on an item chooses it, a click outside the popup closes
// the menu. Once chosen or closed the menu ignores everything.
class SystemMenu {
public:
    SystemMenu(BorderIcons icons, WindowState state);

    const std::vector<SystemMenuItem>& Items() const { return m_items; }
    std::optional<size_t> Highlighted() const { return m_highlighted; }
    bool Done() const { return m_done; }

    MenuReply Key(MenuKey key);
    MenuReply Character(wchar_t c);
    MenuReply PointerMove(gfx::Point popupPoint, const SystemMenuLayout& layout);
    MenuReply Click(gfx::Point popupPoint, const SystemMenuLayout& layout);
    MenuReply Dismiss();

private:
    MenuReply Step(int direction);
    MenuReply Choose(size_t index);
    MenuReply Highlight(std::optional<size_t> index);
    std::optional<size_t> ItemAt(gfx::Point p, const SystemMenuLayout& layout) const;

    std::vector<SystemMenuItem> m_items;
    std::optional<size_t> m_highlighted;
    bool m_done = false;
};

// Draws the popup into a canvas of the popup's size: the popup frame, then each item (normal, highlighted or
// divider look from the [menuitem] picture, its ends copied and its middle repeated across the item's width),
// the text with its underlined letter and the shortcut right-aligned.
void DrawSystemMenu(gfx::Canvas& canvas, const SkinData& skin, const SystemMenuLayout& layout,
                    const SystemMenu& menu);

} // namespace skin
