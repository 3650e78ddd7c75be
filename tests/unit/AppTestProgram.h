// The launcher on the headless host, set up the way app::RunProgram starts it but without entering its message
// loop, so that a test can act between the steps; and a small JPEG writer for the background picture.
#pragma once

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "gfx/Bitmap.h"
#include "gfx/JpegPicture.h"
#include "platform/null/NullHost.h"
#include "ui/Application.h"
#include "ui/BusinessSkinForm.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <jpeglib.h> // needs size_t and FILE declared first

namespace apptest {

inline const std::wstring kFolder = L"C:\\Setup\\";
inline const std::wstring kWall = kFolder + L"wall.jpg";

// A baseline JPEG of one colour, made with libjpeg's compressor.
inline std::vector<uint8_t> EncodeJpeg(int width, int height, gfx::Pixel color)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr error{};
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[size_t(x) * 3] = gfx::RedOf(color);
        row[size_t(x) * 3 + 1] = gfx::GreenOf(color);
        row[size_t(x) * 3 + 2] = gfx::BlueOf(color);
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}

// Start-up steps 1 to 3 in the constructor (the picture formats and classes, the application, the main window
// created and read, Form1 assigned first); Start() is step 4 with the normal show command. The destructor
// ends as the program does: the main window with its components goes, then the application.
class TestProgram {
public:
    explicit TestProgram(nullhost::Options options = {}) : m_host(std::move(options)), m_app(m_host)
    {
        gfx::RegisterFormLibraryFormats(m_app.PictureFormats());
        gfx::RegisterJpegFormat(m_app.PictureFormats());
        ui::RegisterStandardClasses(m_app.Classes());
        ui::RegisterSkinClasses(m_app.Classes());
        ui::RegisterFrameClass(m_app.Classes());
        m_main = std::make_unique<app::TForm1>(m_app, nullptr);
        app::Form1 = m_main.get();
        m_main->Load(app::Unit1Description());
    }

    ~TestProgram()
    {
        m_main.reset();
        app::Form1 = nullptr;
        app::Form2 = nullptr;
    }

    void Start() { m_main->Show(); }

    nullhost::NullHost& Host() { return m_host; }
    ui::Application& App() { return m_app; }
    app::TForm1& Main() { return *m_main; }

    // Presses a button with the mouse, as a user would.
    void Press(ui::Control& button) { m_host.Click(button); }

    std::vector<const ui::Component*> OwnedBy(const ui::Component& owner) const
    {
        std::vector<const ui::Component*> owned;
        for (const auto& component : owner.Components()) {
            owned.push_back(component.get());
        }
        return owned;
    }

private:
    nullhost::NullHost m_host;
    ui::Application m_app;
    std::unique_ptr<app::TForm1> m_main;
};

// Writes the frame as a BMP into UI_TEST_DUMP_DIR, when that is set, for looking at a failure.
inline void DumpIfAsked(const gfx::Bitmap& frame, const std::string& name)
{
    if (const char* dir = std::getenv("UI_TEST_DUMP_DIR")) {
        nullhost::NullHost::DumpBmp(frame, std::string(dir) + "/" + name + ".bmp");
    }
}

} // namespace apptest
