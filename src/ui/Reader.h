// Turns a parsed form description into live components: creates them through the class registry in creation
// order, sets their properties, binds handlers by name and resolves references once all are read. Portable.
#pragma once

#include "core/Result.h"
#include "ui/Component.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace ui {

class ClassRegistry {
public:
    using Factory = std::function<std::unique_ptr<Component>(Component* owner)>;
    void Register(std::string className, Factory factory);
    std::unique_ptr<Component> Create(const std::string& className, Component* owner) const;

private:
    std::map<std::string, Factory> m_factories;
};

class LoadContext {
public:
    LoadContext(Form& root, Application& application) : m_root(root), m_application(application) {}

    Form& Root() { return m_root; }
    // The root form's published handler of that name; an error if it has none.
    core::Result<Handler> FindHandler(const std::wstring& name);
    // A reference by name ("bsSkinData1") or by window path ("Form1.bsSkinData1"); assigned after reading.
    // `assign` returns false when the component found is not of the kind the property takes.
    void AddReference(std::wstring path, std::function<bool(Component*)> assign);
    core::Status ResolveReferences();

private:
    struct Reference {
        std::wstring path;
        std::function<bool(Component*)> assign;
    };
    Form& m_root;
    Application& m_application;
    std::vector<Reference> m_references;
};

// Looks a window path up: the part before the full stop among the root's own components first, then among
// the application's live forms by component name; the part after it among that component's components.
Component* ResolvePath(const std::wstring& path, Form& root, Application& application);

core::Status ReadDescription(const ObjectDescription& description, Form& root, Application& application);

} // namespace ui
