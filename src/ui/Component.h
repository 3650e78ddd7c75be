// The component model: an ownership tree of named components, and controls with a parent, bounds, alignment,
// focus and painting. A parent owns its children; a child keeps a plain pointer to its owner. Portable.
#pragma once

#include "core/Result.h"
#include "gfx/Canvas.h"
#include "ui/Events.h"
#include "ui/FormDescription.h"
#include "ui/Host.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Application;
class Form;
class LoadContext;

// An error that escapes a handler, a showing or a repaint; the application's default handler shows it.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error; // UTF-8 message
};

using Handler = std::function<void(class Component* sender)>;

class Component {
public:
    explicit Component(Component* owner);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    virtual const char* ClassName() const = 0;
    const std::wstring& Name() const { return m_name; }
    void SetName(std::wstring name) { m_name = std::move(name); }
    Component* Owner() const { return m_owner; }
    const std::vector<std::unique_ptr<Component>>& Components() const { return m_components; }
    // Case-insensitive, among the components this one owns.
    Component* FindComponent(std::wstring_view name) const;
    // The same, when it is of class T; nullptr otherwise.
    template <typename T>
    T* FindComponentAs(std::wstring_view name) const
    {
        return dynamic_cast<T*>(FindComponent(name));
    }

    Component* Adopt(std::unique_ptr<Component> child);
    std::unique_ptr<Component> Release(Component* child);

    // Called by the description reader for each property; unknown names are errors.
    virtual core::Status SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context);
    // After the whole description has been read and its references resolved.
    virtual void Loaded() {}

private:
    std::wstring m_name;
    Component* m_owner = nullptr;
    std::vector<std::unique_ptr<Component>> m_components;
};

enum class Align { None, Top, Bottom, Left, Right, Client };

class Control : public Component {
public:
    explicit Control(Component* owner);
    ~Control() override;

    Control* Parent() const { return m_parent; }
    void SetParent(Control* parent);
    const std::vector<Control*>& Controls() const { return m_controls; }
    Form* ParentForm();

    gfx::Rect Bounds() const { return m_bounds; }
    void SetBounds(gfx::Rect bounds);
    // A child control has no border: its client area is its whole size. A form's is smaller by its frame.
    virtual gfx::Size ClientSize() const { return m_bounds.GetSize(); }
    Align GetAlign() const { return m_align; }
    void SetAlign(Align align);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop) { m_tabStop = tabStop; }
    int TabOrder() const { return m_tabOrder; }
    const std::wstring& Caption() const { return m_caption; }
    void SetCaption(std::wstring caption);
    const gfx::Font& GetFont() const { return m_font; }
    gfx::Font& MutableFont() { return m_font; }

    virtual bool IsWindowed() const { return true; }
    virtual bool CanTakeFocus() const { return false; }
    bool CanFocusNow() const; // focusable, and it and its parents visible and enabled

    // Size rules of skinned controls adjust every requested size here.
    virtual gfx::Size AdjustSize(gfx::Size requested) { return requested; }
    void ReapplySize() { SetBounds(m_bounds); }

    // Paints this control and, on top, its graphic (windowless) children.
    void PaintTree(gfx::Canvas& canvas);
    virtual void Paint(gfx::Canvas&) {}
    virtual void OnMouse(const MouseEvent&) {}
    virtual bool OnKey(const KeyEvent&) { return false; }
    virtual void OnFocusChanged(bool) {}
    void Invalidate();
    void SetFocus();

    WindowPeer* Peer() const { return m_peer.get(); }
    void CreatePeers(Host& host);
    void DestroyPeers();
    // Graphic children under a point (client coordinates), topmost first; nullptr if none.
    void Realign();
    void ScaleBy(int numerator, int denominator);

    core::Status SetProperty(std::string_view name, const PropertyValue& value, LoadContext& context) override;

protected:
    virtual void PeerCreated() {}
    // After the size changed: docks the children again and repaints.
    virtual void Resized();
    void SetTextOnPeer();

private:
    Control* m_parent = nullptr;
    std::vector<Control*> m_controls;
    gfx::Rect m_bounds;
    Align m_align = Align::None;
    bool m_visible = true;
    bool m_enabled = true;
    bool m_tabStop = false;
    int m_tabOrder = -1;
    bool m_parentFont = true;
    std::wstring m_caption;
    gfx::Font m_font;
    std::unique_ptr<WindowPeer> m_peer;
    bool m_realigning = false;
};

// A canvas that draws into a part of another: what a graphic control sees while its parent paints it.
class OffsetCanvas : public gfx::Canvas {
public:
    OffsetCanvas(gfx::Canvas& base, gfx::Rect area);
    gfx::BitmapView Target() override;
    gfx::Size MeasureText(const gfx::Font& font, std::wstring_view text) override;
    void DrawText(const gfx::Font& font, std::wstring_view text, gfx::Point origin, gfx::Pixel color, gfx::Rect clip) override;

private:
    gfx::Canvas& m_base;
    gfx::Rect m_area; // clipped to the base target
    gfx::Point m_origin;
};

int ScaleValue(int value, int numerator, int denominator); // rounded to nearest, halves away from zero

// True or False, in any letter case, into `target`; an error for anything else.
core::Status ReadBoolean(const PropertyValue& value, bool& target);

} // namespace ui
