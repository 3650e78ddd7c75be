// The application object: title, program folder, the live forms, the message loop, termination and the
// default error handler. Portable; everything platform-specific goes through the Host.
#pragma once

#include "gfx/Picture.h"
#include "ui/Host.h"
#include "ui/Reader.h"

#include <exception>
#include <string>
#include <vector>

namespace ui {

class Form;

// Without folder, cut before the first full stop, every character after the first in lower case.
std::wstring DeriveApplicationTitle(std::wstring_view modulePath);
// Up to and including the last backslash or colon.
std::wstring ProgramFolderOf(std::wstring_view modulePath);
// A full stop is appended when the message is not empty and its last character sorts after ".".
std::wstring FormatErrorMessage(std::wstring_view message);

class Application {
public:
    explicit Application(Host& host);
    ~Application();

    Host& GetHost() { return m_host; }
    const std::wstring& Title() const { return m_title; }
    const std::wstring& ProgramFolder() const { return m_programFolder; }
    ClassRegistry& Classes() { return m_classes; }
    gfx::PictureFormats& PictureFormats() { return m_pictureFormats; }

    void AddForm(Form& form);
    void RemoveForm(Form& form);
    const std::vector<Form*>& Forms() const { return m_forms; }
    Form* FindForm(std::wstring_view componentName) const;
    Form* MainForm() const { return m_mainForm; }

    void Run(ShowCommand command);
    // Restoring the application after a minimised start shows the main window for the first time.
    void Restored();
    void Terminate();
    bool Terminated() const { return m_terminated; }
    // Handles one message; false when the quit message arrived.
    bool ProcessMessage();

    // The default error handler: shows the text in a box captioned with the title; the program goes on.
    void ShowError(const std::string& utf8Message);
    void HandleException(const std::exception& error);
    // Runs `action`, sending any error that escapes it to the default error handler.
    template <typename F>
    void Guarded(F&& action)
    {
        try {
            action();
        } catch (const std::exception& error) {
            HandleException(error);
        }
    }

private:
    Host& m_host;
    std::wstring m_title;
    std::wstring m_programFolder;
    ClassRegistry m_classes;
    gfx::PictureFormats m_pictureFormats;
    std::vector<Form*> m_forms;
    Form* m_mainForm = nullptr;
    bool m_terminated = false;
    bool m_pendingFirstShow = false;
};

} // namespace ui
