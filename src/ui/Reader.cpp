// The description reader and the class registry.
#include "ui/Reader.h"

#include "core/Text.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {

void ClassRegistry::Register(std::string className, Factory factory)
{
    m_factories[std::move(className)] = std::move(factory);
}

std::unique_ptr<Component> ClassRegistry::Create(const std::string& className, Component* owner) const
{
    const auto it = m_factories.find(className);
    return it == m_factories.end() ? nullptr : it->second(owner);
}

core::Result<Handler> LoadContext::FindHandler(const std::wstring& name)
{
    Handler handler = m_root.FindHandler(name);
    if (!handler) {
        return core::Error{"Handler " + core::WideToUtf8(name) + " does not exist"};
    }
    return handler;
}

void LoadContext::AddReference(std::wstring path, std::function<bool(Component*)> assign)
{
    m_references.push_back({std::move(path), std::move(assign)});
}

core::Status LoadContext::ResolveReferences()
{
    for (auto& reference : m_references) {
        Component* target = ResolvePath(reference.path, m_root, m_application);
        if (!target) {
            return core::Error{"Cannot resolve the reference " + core::WideToUtf8(reference.path)};
        }
        if (!reference.assign(target)) {
            return core::Error{"The reference " + core::WideToUtf8(reference.path) + " names a component of the wrong kind"};
        }
    }
    m_references.clear();
    return core::Success();
}

Component* ResolvePath(const std::wstring& path, Form& root, Application& application)
{
    const size_t dot = path.find(L'.');
    if (dot == std::wstring::npos) {
        return root.FindComponent(path);
    }
    const std::wstring first = path.substr(0, dot);
    const std::wstring rest = path.substr(dot + 1);
    Component* holder = root.FindComponent(first);
    if (!holder) {
        holder = application.FindForm(first);
    }
    return holder ? holder->FindComponent(rest) : nullptr;
}

namespace {

core::Status ApplyProperties(const ObjectDescription& object, Component& component, LoadContext& context)
{
    for (const auto& property : object.properties) {
        if (auto status = component.SetProperty(property.name, property.value, context); !status) {
            return core::Error{"Error reading " + core::WideToUtf8(object.name) + "." + property.name + ": " +
                               status.ErrorMessage()};
        }
    }
    return core::Success();
}

core::Status ReadChildren(const ObjectDescription& object, Control* parent, Form& root, Application& application,
                          LoadContext& context, std::vector<Component*>& created)
{
    for (const auto& child : object.children) {
        std::unique_ptr<Component> made = application.Classes().Create(child.className, &root);
        if (!made) {
            return core::Error{"Class " + child.className + " not found"};
        }
        made->SetName(child.name);
        Component* component = root.Adopt(std::move(made));
        created.push_back(component);
        auto* control = dynamic_cast<Control*>(component);
        if (control) {
            control->SetParent(parent);
        }
        if (auto status = ApplyProperties(child, *component, context); !status) {
            return status;
        }
        if (!child.children.empty()) {
            if (!control) {
                return core::Error{"Component " + core::WideToUtf8(child.name) + " cannot contain others"};
            }
            if (auto status = ReadChildren(child, control, root, application, context, created); !status) {
                return status;
            }
        }
    }
    return core::Success();
}

} // namespace

core::Status ReadDescription(const ObjectDescription& description, Form& root, Application& application)
{
    LoadContext context(root, application);
    if (description.className != root.ClassName()) {
        return core::Error{"Form description of " + description.className + " does not fit " + root.ClassName()};
    }
    root.SetName(description.name);
    if (auto status = ApplyProperties(description, root, context); !status) {
        return status;
    }
    std::vector<Component*> created;
    if (auto status = ReadChildren(description, &root, root, application, context, created); !status) {
        return status;
    }
    if (auto status = context.ResolveReferences(); !status) {
        return status;
    }
    for (Component* component : created) {
        component->Loaded();
    }
    root.Loaded();
    return core::Success();
}

} // namespace ui
