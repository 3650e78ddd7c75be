// The system menu: items, layout, shape, keyboard and mouse, drawing. Portable: no platform headers; pixels
// through gfx, text through the canvas.
#include "skin/SystemMenu.h"

#include "gfx/Draw.h"
#include "skin/FrameShape.h"

#include <algorithm>

namespace skin {
namespace {

using gfx::Rect;
using gfx::Size;

constexpr int kDefaultMenuItemHeight = 20;
constexpr int kDefaultDividerHeight = 7;
constexpr int kPlainMargin = 2;
constexpr gfx::Pixel kPlainBack = gfx::Rgb(255, 255, 255);
constexpr gfx::Pixel kPlainHighlight = gfx::Rgb(200, 220, 255);
constexpr gfx::Pixel kPlainBorder = gfx::Rgb(128, 128, 128);

wchar_t FoldCase(wchar_t c) { return (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c; }

gfx::Font DefaultMenuFont()
{
    gfx::Font font;
    font.name = L"\u5B8B\u4F53"; // 宋体
    font.height = -12;
    return font;
}

// Left, top, right, bottom margins around the items inside the popup.
Rect PopupMargins(const SkinData& skin)
{
    if (!skin.ActivePicture(skin.PopupWindow().windowPictureIndex)) {
        return {kPlainMargin, kPlainMargin, kPlainMargin, kPlainMargin};
    }
    return PopupGeometry(skin).Margins();
}

// The item's text area, from [menuitem] textrect, whose right and bottom keep their distance from the item's.
Rect TextArea(const MenuMetrics& metrics, Rect item)
{
    if (!metrics.look) {
        return item;
    }
    const Rect skinRect = metrics.look->skinRect;
    const Rect t = metrics.look->menuItem.textRect;
    return {item.left + t.left, item.top + t.top, item.right - (skinRect.Width() - t.right),
            item.bottom - (skinRect.Height() - t.bottom)};
}

int ItemWidth(const TextMeasure& measure, const MenuMetrics& metrics, const std::vector<SystemMenuItem>& items)
{
    int text = 0;
    int shortcut = 0;
    for (const SystemMenuItem& item : items) {
        text = std::max(text, measure(metrics.font, StripMnemonic(item.text).text).width);
        if (!item.shortcut.empty()) {
            shortcut = std::max(shortcut, measure(metrics.font, item.shortcut).width);
        }
    }
    int content = kMenuTextIndent + text + kMenuTextEndPadding + (shortcut > 0 ? kMenuShortcutGap + shortcut : 0);
    if (metrics.look) {
        const Rect skinRect = metrics.look->skinRect;
        const Rect t = metrics.look->menuItem.textRect;
        content += t.left + (skinRect.Width() - t.right);
        content = std::max(content, skinRect.Width());
    }
    return content;
}

// Copies [0, leftOffset) and [w - rightOffset, w) of `source` to the ends of `target` and repeats the middle.
void DrawStrip(gfx::BitmapView dst, Rect target, gfx::ConstBitmapView picture, Rect source, int leftOffset,
               int rightOffset)
{
    const int w = source.Width();
    const int lo = std::clamp(leftOffset, 0, w);
    const int ro = std::clamp(rightOffset, 0, w - lo);
    gfx::Tile(dst, {target.left + lo, target.top, target.right - ro, target.bottom}, picture,
              {source.left + lo, source.top, source.right - ro, source.bottom});
    gfx::Tile(dst, {target.right - ro, target.top, target.right, target.bottom}, picture,
              {source.right - ro, source.top, source.right, source.bottom});
    gfx::Tile(dst, {target.left, target.top, std::min(target.left + lo, target.right), target.bottom}, picture,
              {source.left, source.top, source.left + lo, source.bottom});
}

void DrawItemBackground(gfx::BitmapView dst, const SkinData& skin, const MenuMetrics& metrics,
                        const SystemMenuItem& item, Rect rect, bool highlighted)
{
    const gfx::Bitmap* picture = metrics.look ? skin.ActivePicture(metrics.look->activePictureIndex) : nullptr;
    if (!picture) {
        gfx::Fill(dst, item.IsDivider() ? Rect{rect.left, rect.top + rect.Height() / 2, rect.right,
                                               rect.top + rect.Height() / 2 + 1}
                                        : rect,
                  item.IsDivider() ? kPlainBorder : (highlighted ? kPlainHighlight : kPlainBack));
        return;
    }
    const SkinObject& look = *metrics.look;
    if (item.IsDivider()) {
        DrawStrip(dst, rect, picture->View(), look.menuItem.dividerRect, look.menuItem.dividerLeftOffset,
                  look.menuItem.dividerRightOffset);
        return;
    }
    const Rect source = highlighted && !look.activeSkinRect.Empty() ? look.activeSkinRect : look.skinRect;
    DrawStrip(dst, rect, picture->View(), source, look.menuItem.itemLeftOffset, look.menuItem.itemRightOffset);
}

gfx::Pixel TextColor(const MenuMetrics& metrics, bool highlighted)
{
    if (!metrics.look) {
        return gfx::Rgb(0, 0, 0);
    }
    return gfx::FromColorRef(highlighted ? metrics.look->menuItem.activeFontColor : metrics.look->menuItem.fontColor);
}

void DrawItemText(gfx::Canvas& canvas, const MenuMetrics& metrics, const SystemMenuItem& item, Rect rect,
                  bool highlighted)
{
    const Rect area = TextArea(metrics, rect);
    const gfx::Pixel color = TextColor(metrics, highlighted);
    const MnemonicText shown = StripMnemonic(item.text);
    const Size size = canvas.MeasureText(metrics.font, shown.text);
    const gfx::Point origin{area.left + kMenuTextIndent, area.top + (area.Height() - size.height) / 2};
    canvas.DrawText(metrics.font, shown.text, origin, color, area);
    if (shown.underlined) {
        const std::wstring_view text = shown.text;
        const int from = canvas.MeasureText(metrics.font, text.substr(0, *shown.underlined)).width;
        const int to = canvas.MeasureText(metrics.font, text.substr(0, *shown.underlined + 1)).width;
        const int y = origin.y + size.height - 1;
        gfx::Fill(canvas.Target(), Rect{origin.x + from, y, origin.x + to, y + 1}.Intersect(area), color);
    }
    if (!item.shortcut.empty()) {
        const Size shortcut = canvas.MeasureText(metrics.font, item.shortcut);
        const gfx::Point at{area.right - kMenuTextEndPadding - shortcut.width,
                            area.top + (area.Height() - shortcut.height) / 2};
        canvas.DrawText(metrics.font, item.shortcut, at, color, area);
    }
}

void DrawPopupFrame(gfx::BitmapView dst, const SkinData& skin)
{
    if (const gfx::Bitmap* picture = skin.ActivePicture(skin.PopupWindow().windowPictureIndex)) {
        LayOutPicture(dst, picture->View(), PopupGeometry(skin));
        return;
    }
    gfx::Fill(dst, dst.Bounds(), kPlainBorder);
    gfx::Fill(dst, {1, 1, dst.width - 1, dst.height - 1}, kPlainBack);
}

} // namespace

std::vector<SystemMenuItem> BuildSystemMenuItems(BorderIcons icons, WindowState state)
{
    std::vector<SystemMenuItem> items;
    if (icons.Has(BorderIcon::Minimize)) {
        items.push_back({L"Mi&nimize", L"", FrameAction::Minimize});
    }
    if (state == WindowState::Maximized) {
        items.push_back({L"&Restore", L"", FrameAction::Restore});
    } else if (icons.Has(BorderIcon::Maximize)) {
        items.push_back({L"Ma&ximize", L"", FrameAction::Maximize});
    }
    if (!items.empty()) {
        items.push_back({L"-", L"", std::nullopt});
    }
    items.push_back({L"&Close", L"Alt+F4", FrameAction::Close});
    return items;
}

MnemonicText StripMnemonic(std::wstring_view text)
{
    MnemonicText out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != L'&' && !out.underlined) {
                out.underlined = out.text.size();
            }
        }
        out.text.push_back(text[i]);
    }
    return out;
}

std::optional<wchar_t> MnemonicOf(std::wstring_view text)
{
    const MnemonicText shown = StripMnemonic(text);
    if (!shown.underlined) {
        return std::nullopt;
    }
    return FoldCase(shown.text[*shown.underlined]);
}

MenuMetrics MenuMetricsOf(const SkinData& skin)
{
    MenuMetrics metrics;
    metrics.font = DefaultMenuFont();
    const auto& objects = skin.Objects();
    const auto found = std::find_if(objects.begin(), objects.end(),
                                    [](const SkinObject& o) { return o.kind == ObjectKind::MenuItem; });
    if (found != objects.end() && !found->skinRect.Empty()) {
        metrics.look = &*found;
        metrics.itemHeight = found->skinRect.Height();
        metrics.dividerHeight = found->menuItem.dividerRect.Empty() ? kDefaultDividerHeight
                                                                    : found->menuItem.dividerRect.Height();
        metrics.font = found->menuItem.font;
    } else {
        metrics.itemHeight = kDefaultMenuItemHeight;
        metrics.dividerHeight = kDefaultDividerHeight;
    }
    metrics.font.charset = gfx::kGb2312Charset;
    return metrics;
}

FrameGeometry PopupGeometry(const SkinData& skin)
{
    const PopupWindowInfo& popup = skin.PopupWindow();
    FormInfo info;
    info.points = popup.points;
    info.clientRect = popup.itemsRect;
    const gfx::Bitmap* picture = skin.ActivePicture(popup.windowPictureIndex);
    const Size size = picture ? Size{picture->Width(), picture->Height()}
                              : Size{popup.itemsRect.right, popup.itemsRect.bottom};
    return FrameGeometry(info, size);
}

SystemMenuLayout LayoutSystemMenu(const TextMeasure& measure, const SkinData& skin,
                                  const std::vector<SystemMenuItem>& items)
{
    const MenuMetrics metrics = MenuMetricsOf(skin);
    const Rect margins = PopupMargins(skin);
    int height = 0;
    for (const SystemMenuItem& item : items) {
        height += item.IsDivider() ? metrics.dividerHeight : metrics.itemHeight;
    }
    SystemMenuLayout layout;
    layout.size = {margins.left + ItemWidth(measure, metrics, items) + margins.right,
                   margins.top + height + margins.bottom};
    if (skin.ActivePicture(skin.PopupWindow().windowPictureIndex)) {
        layout.size = PopupGeometry(skin).EnforceMinimum(layout.size);
    }
    int y = margins.top;
    for (const SystemMenuItem& item : items) {
        const int h = item.IsDivider() ? metrics.dividerHeight : metrics.itemHeight;
        layout.items.push_back({margins.left, y, layout.size.width - margins.right, y + h});
        y += h;
    }
    return layout;
}

std::vector<gfx::Rect> SystemMenuShape(const SkinData& skin, gfx::Size popup)
{
    return ShapeRectangles(
        LaidOutMaskShape(skin.ActivePicture(skin.PopupWindow().maskPictureIndex), PopupGeometry(skin), popup, {}));
}

gfx::Point PlacePopup(gfx::Point pointer, gfx::Size popup, gfx::Rect workArea)
{
    auto place = [](int at, int length, int low, int high) {
        if (at + length > high && at - length >= low) {
            at -= length;
        }
        return std::max(std::min(at, high - length), low);
    };
    return {place(pointer.x, popup.width, workArea.left, workArea.right),
            place(pointer.y, popup.height, workArea.top, workArea.bottom)};
}

SystemMenu::SystemMenu(BorderIcons icons, WindowState state) : m_items(BuildSystemMenuItems(icons, state)) {}

MenuReply SystemMenu::Highlight(std::optional<size_t> index)
{
    if (index == m_highlighted) {
        return {};
    }
    m_highlighted = index;
    return {MenuOutcome::Repaint, std::nullopt};
}

MenuReply SystemMenu::Choose(size_t index)
{
    m_done = true;
    m_highlighted = index;
    return {MenuOutcome::Chosen, m_items[index].action};
}

MenuReply SystemMenu::Step(int direction)
{
    const int count = static_cast<int>(m_items.size());
    int i = m_highlighted ? static_cast<int>(*m_highlighted) : (direction > 0 ? -1 : count);
    for (int tries = 0; tries < count; ++tries) {
        i = (i + direction + count) % count;
        if (!m_items[static_cast<size_t>(i)].IsDivider()) {
            return Highlight(static_cast<size_t>(i));
        }
    }
    return {};
}

MenuReply SystemMenu::Key(MenuKey key)
{
    if (m_done) {
        return {};
    }
    switch (key) {
    case MenuKey::Up:
        return Step(-1);
    case MenuKey::Down:
        return Step(+1);
    case MenuKey::Enter:
        return m_highlighted ? Choose(*m_highlighted) : MenuReply{};
    case MenuKey::Escape:
        return Dismiss();
    case MenuKey::Left:
    case MenuKey::Right:
        break;
    }
    return {};
}

MenuReply SystemMenu::Character(wchar_t c)
{
    if (m_done) {
        return {};
    }
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (!m_items[i].IsDivider() && MnemonicOf(m_items[i].text) == FoldCase(c)) {
            return Choose(i);
        }
    }
    return {};
}

std::optional<size_t> SystemMenu::ItemAt(gfx::Point p, const SystemMenuLayout& layout) const
{
    for (size_t i = 0; i < layout.items.size() && i < m_items.size(); ++i) {
        if (layout.items[i].Contains(p)) {
            return m_items[i].IsDivider() ? std::nullopt : std::optional<size_t>(i);
        }
    }
    return std::nullopt;
}

MenuReply SystemMenu::PointerMove(gfx::Point p, const SystemMenuLayout& layout)
{
    return m_done ? MenuReply{} : Highlight(ItemAt(p, layout));
}

MenuReply SystemMenu::Click(gfx::Point p, const SystemMenuLayout& layout)
{
    if (m_done) {
        return {};
    }
    if (!Rect{0, 0, layout.size.width, layout.size.height}.Contains(p)) {
        return Dismiss();
    }
    const std::optional<size_t> item = ItemAt(p, layout);
    return item ? Choose(*item) : MenuReply{};
}

MenuReply SystemMenu::Dismiss()
{
    if (m_done) {
        return {};
    }
    m_done = true;
    return {MenuOutcome::Closed, std::nullopt};
}

void DrawSystemMenu(gfx::Canvas& canvas, const SkinData& skin, const SystemMenuLayout& layout,
                    const SystemMenu& menu)
{
    const MenuMetrics metrics = MenuMetricsOf(skin);
    DrawPopupFrame(canvas.Target(), skin);
    const auto& items = menu.Items();
    for (size_t i = 0; i < layout.items.size() && i < items.size(); ++i) {
        const bool highlighted = menu.Highlighted() == i;
        DrawItemBackground(canvas.Target(), skin, metrics, items[i], layout.items[i], highlighted);
        if (!items[i].IsDivider()) {
            DrawItemText(canvas, metrics, items[i], layout.items[i], highlighted);
        }
    }
}

} // namespace skin
