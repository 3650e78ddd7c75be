// End-to-end test of the main window on a display of another density: run only with E2E_DPI set, in a
// Wine prefix whose display has that density (the 144-DPI prefix).
#include "LauncherTest.h"

#include <cmath>

namespace e2e {
namespace {

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// Height of "0" in the window's font ("宋体", 12 pixels at 96 DPI) scaled to the display.
int TextHeightAt(int dpi) {
    HFONT font = CreateFontW(-MulDiv(12, dpi, 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"宋体");
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32W(screen, L"0", 1, &size);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return size.cy;
}

class DpiTest : public LauncherTest {
protected:
    void SetUp() override {
        if (ExpectedDpi() == 96) GTEST_SKIP() << "runs with E2E_DPI set, in a prefix of that density";
        LauncherTest::SetUp();
    }

    int Scale(int value) const { return static_cast<int>(std::lround(value * m_textHeight / 12.0)); }

    int m_textHeight = 12;
};

TEST_F(DpiTest, ClientAreaAndButtonsScaleWithTheTextHeight) {
    ASSERT_EQ(SystemDpi(), ExpectedDpi()) << "the Wine prefix is not at the density E2E_DPI names";
    m_textHeight = TextHeightAt(SystemDpi());
    ASSERT_GT(m_textHeight, 12) << "the font does not grow with the density";
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());

    HWND main = MainWindow();
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(Width(client), Scale(557)) << "text height " << m_textHeight;
    EXPECT_EQ(Height(client), Scale(421)) << "text height " << m_textHeight;
    for (int i = 0; i < static_cast<int>(std::size(kButtonCaptions)); ++i) {
        SCOPED_TRACE("button " + ToUtf8(kButtonCaptions[i]));
        HWND button = Button(i);
        ASSERT_NE(button, nullptr);
        const RECT rect = RectInClient(main, button);
        EXPECT_EQ(rect.left, Scale(346));
        EXPECT_EQ(rect.top, Scale(24 + 48 * i));
        EXPECT_EQ(Width(rect), Scale(185));
        EXPECT_EQ(Height(rect), Scale(26));
    }
}

}  // namespace
}  // namespace e2e
