// Caption-button looks, state machine and drawing. Portable: no platform headers, draws through gfx only.
#include "skin/FrameButtons.h"

#include "gfx/Draw.h"

#include <algorithm>

namespace skin {
namespace {

ButtonImage FromActive(gfx::Rect rect, ButtonImage fallback)
{
    return rect.Empty() ? fallback : ButtonImage{ImageSource::ActivePicture, rect};
}

bool IsWorkingButton(const PlacedObject& placed) { return placed.object.IsButton() && !placed.object.inert; }

void AddRepaint(ButtonsReply& reply, const FrameLayout& layout, std::optional<size_t> index)
{
    if (!index || *index >= layout.objects.size() || !layout.objects[*index].object.IsButton()) {
        return;
    }
    const gfx::Rect rect = layout.objects[*index].rect;
    if (std::find(reply.repaint.begin(), reply.repaint.end(), rect) == reply.repaint.end()) {
        reply.repaint.push_back(rect);
    }
}

bool Over(const FrameLayout& layout, size_t index, gfx::Point p)
{
    return index < layout.objects.size() && layout.objects[index].rect.Contains(p) &&
           HitTest(p, layout).zone != FrameZone::Outside;
}

} // namespace

ButtonImage CaptionButtonImage(const SkinObject& button, ButtonLook look, Active active, WindowState state)
{
    const ButtonImage frame{ImageSource::FramePicture, button.skinRect};
    const StdButtonValues& b = button.button;
    if (b.command == Command::Maximize && state == WindowState::Maximized) {
        const ButtonImage normal =
            FromActive(active == Active::Yes ? b.restoreRect : b.restoreInactiveRect, frame);
        switch (look) {
        case ButtonLook::Normal:
            return normal;
        case ButtonLook::Hot:
            return FromActive(b.restoreActiveRect, normal);
        case ButtonLook::Pressed:
            return FromActive(b.restoreDownRect, normal);
        }
    }
    switch (look) {
    case ButtonLook::Normal:
        break;
    case ButtonLook::Hot:
        return FromActive(button.activeSkinRect, frame);
    case ButtonLook::Pressed:
        return FromActive(b.downRect, frame);
    }
    return frame;
}

std::optional<size_t> CaptionButtons::HoverAt(gfx::Point p, const FrameLayout& layout) const
{
    if (!m_active || m_moving || m_pressed) {
        return std::nullopt;
    }
    const FrameZone zone = HitTest(p, layout).zone;
    if (zone == FrameZone::Client || zone == FrameZone::Outside) {
        return std::nullopt;
    }
    for (size_t i = 0; i < layout.objects.size(); ++i) {
        const PlacedObject& placed = layout.objects[i];
        if (!placed.object.inert && placed.rect.Contains(p)) {
            return i;
        }
    }
    return std::nullopt;
}

void CaptionButtons::SetHovered(std::optional<size_t> hovered, const FrameLayout& layout, ButtonsReply& reply)
{
    if (hovered != m_hovered) {
        AddRepaint(reply, layout, m_hovered);
        AddRepaint(reply, layout, hovered);
        m_hovered = hovered;
    }
}

ButtonsReply CaptionButtons::PointerMove(gfx::Point p, const FrameLayout& layout)
{
    ButtonsReply reply;
    if (m_pressed) {
        const bool over = Over(layout, *m_pressed, p);
        if (over != m_pressedOver) {
            m_pressedOver = over;
            AddRepaint(reply, layout, m_pressed);
        }
        return reply;
    }
    SetHovered(HoverAt(p, layout), layout, reply);
    return reply;
}

ButtonsReply CaptionButtons::ButtonDown(PointerButton button, gfx::Point p, const FrameLayout& layout)
{
    ButtonsReply reply;
    if (button != PointerButton::Left || m_pressed) {
        return reply;
    }
    const FrameHit hit = HitTest(p, layout);
    if (hit.zone != FrameZone::FrameObject || !hit.object || !IsWorkingButton(layout.objects[*hit.object])) {
        return reply;
    }
    SetHovered(std::nullopt, layout, reply);
    m_pressed = hit.object;
    m_pressedOver = true;
    AddRepaint(reply, layout, m_pressed);
    reply.capture = Capture::Take;
    return reply;
}

ButtonsReply CaptionButtons::ButtonUp(PointerButton button, gfx::Point p, const FrameLayout& layout)
{
    ButtonsReply reply;
    if (button != PointerButton::Left || !m_pressed) {
        return reply;
    }
    const size_t pressed = *m_pressed;
    if (Over(layout, pressed, p)) {
        reply.action = layout.objects[pressed].object.GetCommand();
    }
    AddRepaint(reply, layout, pressed);
    m_pressed.reset();
    m_pressedOver = false;
    reply.capture = Capture::Release;
    m_hovered.reset();
    SetHovered(HoverAt(p, layout), layout, reply);
    return reply;
}

ButtonsReply CaptionButtons::PointerLeave(const FrameLayout& layout)
{
    ButtonsReply reply;
    SetHovered(std::nullopt, layout, reply);
    return reply;
}

ButtonsReply CaptionButtons::CaptureLost(const FrameLayout& layout)
{
    ButtonsReply reply;
    AddRepaint(reply, layout, m_pressed);
    m_pressed.reset();
    m_pressedOver = false;
    return reply;
}

ButtonsReply CaptionButtons::SetActive(Active active, const FrameLayout& layout)
{
    ButtonsReply reply;
    m_active = active == Active::Yes;
    SetHovered(std::nullopt, layout, reply);
    return reply;
}

ButtonsReply CaptionButtons::MoveStarted(const FrameLayout& layout)
{
    ButtonsReply reply;
    m_moving = true;
    SetHovered(std::nullopt, layout, reply);
    return reply;
}

ButtonLook CaptionButtons::LookOf(size_t index) const
{
    if (m_pressed == index) {
        return m_pressedOver ? ButtonLook::Pressed : ButtonLook::Normal;
    }
    return m_hovered == index ? ButtonLook::Hot : ButtonLook::Normal;
}

void DrawCaptionButtons(gfx::BitmapView window, const SkinData& skin, const FrameLayout& layout,
                        const CaptionButtons& buttons, WindowState state)
{
    const Active active = buttons.IsActive() ? Active::Yes : Active::No;
    const gfx::Bitmap* frame = skin.FramePicture();
    if (active == Active::No && skin.InactiveFramePicture()) {
        frame = skin.InactiveFramePicture();
    }
    for (size_t i = 0; i < layout.objects.size(); ++i) {
        const PlacedObject& placed = layout.objects[i];
        if (!placed.object.IsButton()) {
            continue;
        }
        ButtonImage image = CaptionButtonImage(placed.object.skin, buttons.LookOf(i), active, state);
        const gfx::Bitmap* picture = skin.ActivePicture(placed.object.skin.activePictureIndex);
        if (image.source == ImageSource::FramePicture || !picture) {
            image.rect = placed.object.skin.skinRect;
            picture = frame;
        }
        if (picture) {
            const gfx::BitmapView target = gfx::SubView(window, placed.rect);
            gfx::Blit(target, {0, 0}, picture->View(), image.rect);
        }
    }
}

} // namespace skin
