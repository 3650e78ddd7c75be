// The application object and the pure rules it applies: title, program folder and error text.
#include "ui/Application.h"

#include "core/Text.h"
#include "ui/Form.h"

#include <algorithm>

namespace ui {

namespace {

size_t AfterLastSeparator(std::wstring_view path)
{
    const size_t at = path.find_last_of(L"\\:");
    return at == std::wstring_view::npos ? 0 : at + 1;
}

} // namespace

std::wstring DeriveApplicationTitle(std::wstring_view modulePath)
{
    std::wstring name(modulePath.substr(AfterLastSeparator(modulePath)));
    name = name.substr(0, name.find(L'.'));
    for (size_t i = 1; i < name.size(); ++i) {
        name[i] = core::AsciiLower(name[i]);
    }
    return name;
}

// Wide characters cannot hide a backslash inside a double-byte character, so the last one is the separator.
std::wstring ProgramFolderOf(std::wstring_view modulePath)
{
    return std::wstring(modulePath.substr(0, AfterLastSeparator(modulePath)));
}

std::wstring FormatErrorMessage(std::wstring_view message)
{
    std::wstring text(message);
    if (!text.empty() && text.back() > L'.') {
        text.push_back(L'.');
    }
    return text;
}

Application::Application(Host& host) : m_host(host)
{
    const std::wstring module = host.ModuleFileName();
    m_title = DeriveApplicationTitle(module);
    m_programFolder = ProgramFolderOf(module);
    m_host.SetApplicationTitle(m_title);
    m_host.Attach(this);
}

Application::~Application() { m_host.Attach(nullptr); }

void Application::AddForm(Form& form)
{
    m_forms.push_back(&form);
    if (!m_mainForm) {
        m_mainForm = &form;
    }
}

void Application::RemoveForm(Form& form)
{
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), &form), m_forms.end());
    if (m_mainForm == &form) {
        m_mainForm = nullptr;
    }
}

Form* Application::FindForm(std::wstring_view componentName) const
{
    for (Form* form : m_forms) {
        if (core::EqualsIgnoreAsciiCase(form->Name(), componentName)) {
            return form;
        }
    }
    return nullptr;
}

void Application::Run(ShowCommand command)
{
    if (m_mainForm) {
        if (command == ShowCommand::MinimizedNoActivate) {
            m_pendingFirstShow = true;
            m_host.ShowApplication(command);
        } else {
            if (command == ShowCommand::Maximized) {
                m_mainForm->RequestMaximizedStart();
            }
            m_mainForm->Show();
        }
    }
    while (!m_terminated && ProcessMessage()) { // a quit taken by a nested loop has already ended the run
    }
}

void Application::Restored()
{
    if (m_pendingFirstShow && m_mainForm) {
        m_pendingFirstShow = false;
        m_mainForm->Show();
    }
}

void Application::Terminate()
{
    if (!m_terminated) {
        m_terminated = true;
        m_host.PostQuit();
    }
}

bool Application::ProcessMessage()
{
    const bool more = m_host.HandleMessage();
    if (!more) {
        m_terminated = true;
    }
    return more;
}

void Application::ShowError(const std::string& utf8Message)
{
    m_host.ShowErrorBox(m_title, FormatErrorMessage(core::Utf8ToWide(utf8Message)));
}

void Application::HandleException(const std::exception& error)
{
    ShowError(error.what());
}

} // namespace ui
