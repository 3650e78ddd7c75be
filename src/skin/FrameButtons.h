// The caption buttons: which picture shows each look, the hover and press state machine, and their drawing
// onto the caption band. Pure: events in, repaint rectangles and actions out; portable: no platform headers.
#pragma once

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"
#include "skin/ElementDraw.h"
#include "skin/FrameGeometry.h"
#include "skin/FrameObjects.h"
#include "skin/FrameState.h"
#include "skin/SkinData.h"

#include <optional>
#include <vector>

namespace skin {

// Where a look's picture comes from: the frame picture (the inactive one while the window is inactive) at the
// button's skinrect, which the composed caption band already shows, or a rectangle of the button's active
// picture.
enum class ImageSource { FramePicture, ActivePicture };

struct ButtonImage {
    ImageSource source = ImageSource::FramePicture;
    gfx::Rect rect; // skinrect in the frame picture, or a rectangle of the active picture
    friend bool operator==(const ButtonImage&, const ButtonImage&) = default;
};

// Looks, with ButtonLook::Hot as the hovered look:
//   look      normal button           maximize button while maximized
//   normal    frame picture           restorerect (active) / restoreinactiverect (inactive)
//   hot       activeskinrect          restoreactiverect
//   pressed   downrect                restoredownrect
// An empty rectangle falls back to the normal look, and an empty restore rectangle to the frame picture.
ButtonImage CaptionButtonImage(const SkinObject& button, ButtonLook look, Active active, WindowState state);

enum class PointerButton { Left, Right, Middle };
enum class Capture { Keep, Take, Release };

struct ButtonsReply {
    std::vector<gfx::Rect> repaint;   // button rectangles whose look changed, each once
    std::optional<Command> action;    // the released button's command; see ActionFor
    Capture capture = Capture::Keep;
};

// Hover and press of the frame's objects. Objects are addressed by their index in the layout. Only working
// objects take part: inert buttons are never hovered or pressed. The caption area can be hovered, which shows
// nothing and so repaints nothing; only buttons are pressed.
//
//   state                    event                                   result
//   active, not moving       move over a working object              it is hovered (first in list order)
//   hovered A                move over working B                     B hovered; repaint A and B (buttons only)
//   hovered A                move over client, outside, inert
//                            button or plain frame                   nothing hovered; repaint A
//   inactive or moving       move anywhere                           nothing hovered
//   not pressed              left press on a working button          pressed, pointer over it, capture;
//                                                                    repaint it
//   not pressed              left press elsewhere                    nothing
//   pressed P                move off P                              normal look; repaint P; no hover
//   pressed P, off           move back on P                          pressed look; repaint P
//   pressed P                move over another button                nothing (no hover while pressed)
//   pressed P                left release over P                     action P; release capture; hover
//                                                                    again from the pointer; repaint P
//   pressed P                left release elsewhere                  no action; release capture; hover again
//   any                      right or middle press or release        nothing
//   any                      pointer leaves the window               nothing hovered (a press stays)
//   pressed P                capture lost                            not pressed, no action; repaint P
//   any                      activated or deactivated                nothing hovered
//   any                      window move starts                      nothing hovered until it ends
class CaptionButtons {
public:
    ButtonsReply PointerMove(gfx::Point windowPoint, const FrameLayout& layout);
    ButtonsReply ButtonDown(PointerButton button, gfx::Point windowPoint, const FrameLayout& layout);
    ButtonsReply ButtonUp(PointerButton button, gfx::Point windowPoint, const FrameLayout& layout);
    ButtonsReply PointerLeave(const FrameLayout& layout);
    ButtonsReply CaptureLost(const FrameLayout& layout);
    ButtonsReply SetActive(Active active, const FrameLayout& layout);
    ButtonsReply MoveStarted(const FrameLayout& layout);
    void MoveEnded() { m_moving = false; }

    std::optional<size_t> Hovered() const { return m_hovered; }
    std::optional<size_t> Pressed() const { return m_pressed; }
    bool IsActive() const { return m_active; }
    // The look object `index` shows now: pressed only while the pointer is over it.
    ButtonLook LookOf(size_t index) const;

private:
    std::optional<size_t> HoverAt(gfx::Point p, const FrameLayout& layout) const;
    void SetHovered(std::optional<size_t> hovered, const FrameLayout& layout, ButtonsReply& reply);

    bool m_active = true;
    bool m_moving = false;
    std::optional<size_t> m_hovered;
    std::optional<size_t> m_pressed;
    bool m_pressedOver = false;
};

// Paints every button of the layout in its current look into `window` (the whole window), over the caption
// band that ComposeFrame painted.
void DrawCaptionButtons(gfx::BitmapView window, const SkinData& skin, const FrameLayout& layout,
                        const CaptionButtons& buttons, WindowState state);

} // namespace skin
