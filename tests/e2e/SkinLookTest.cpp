// End-to-end tests of the skinned controls' looks: the screen against the skin's pictures for the main
// window's buttons, the dialog's buttons, gauge and panel; also saves the README screenshots.
#include "LauncherTest.h"
#include "SkinReference.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>

namespace e2e {
namespace {

constexpr SIZE kMainButtonSize{185, 26};
constexpr SIZE kDialogButtonSize{75, 21};
constexpr SIZE kGaugeSize{336, 20};
constexpr SIZE kPanelSize{336, 58};
constexpr int kInertMainButton = 3;  // "我们的网站": pressing it does nothing else
constexpr int kDialogOpener = 1;
constexpr std::wstring_view kInstallCaption = L"安装";
constexpr std::wstring_view kCancelCaption = L"取消";
// Where the label "安装位置：" is painted on the panel, the only text of the panel. The label sizes itself to
// its text, so its height follows the font that stands in for 宋体: up to the field's top row.
constexpr RECT kLabelRect{5, 8, 72, 24};

std::optional<Bytes> ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

SIZE SizeOf(HWND window) {
    const RECT rect = WindowRect(window);
    return {Width(rect), Height(rect)};
}

// Keeps the left button from staying down when a check fails halfway through a press.
class LeftButtonHeld {
public:
    LeftButtonHeld() { MouseDown(MouseButton::Left); }
    LeftButtonHeld(const LeftButtonHeld&) = delete;
    LeftButtonHeld& operator=(const LeftButtonHeld&) = delete;
    ~LeftButtonHeld() { MouseUp(MouseButton::Left); }
};

class SkinLookTest : public LauncherTest96 {
protected:
    // Shown, in the foreground, and done with its start-up: the focus has reached the first button.
    void StartAndWaitReady() {
        ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
        ASSERT_TRUE(WaitForFocus(kInstallButton)) << "focused button at start: " << FocusedButton();
    }

    void SetUp() override {
        LauncherTest96::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        std::string error;
        m_controls = LoadSkinPicture(L"controls.bmp", &error);
        ASSERT_NE(m_controls, nullptr) << error;
    }

    const SkinPicture& Controls() const { return *m_controls; }

    // A spot of the desktop that no window of the program covers: nothing is hovered.
    static void ParkPointer() { MouseMove({8, 8}); }

    // Leaves the control in two moves, first just below it and then to the desktop, as a real pointer passes
    // through the window: under load Wine now and then loses a single pointer motion seen by a window that
    // has captured the mouse.
    static void MoveOff(HWND control) {
        const RECT rect = WindowRect(control);
        MouseMove({CenterOf(rect).x, rect.bottom + 12});
        ParkPointer();
    }

    // Waits until the control shows the pieces (a repaint may still be on its way), then reports.
    testing::AssertionResult WaitForLook(HWND control, const std::vector<PicturePiece>& pieces) const {
        auto shows = [&] { return ShowsPieces(ScreenShot::Capture(WindowRect(control)), Controls(), pieces); };
        WaitUntil([&] { return static_cast<bool>(shows()); }, Milliseconds(3000));
        return shows();
    }

    static std::vector<PicturePiece> MainButtonLook(const RECT& look) {
        return CornerPieces(look, skin::kResizeButton, kMainButtonSize);
    }

    static std::vector<PicturePiece> DialogButtonLook(const RECT& look) {
        return EndPieces(look, skin::kButton, kDialogButtonSize);
    }

    // The progress area starts inside the gauge's left end, so only the end's columns left of it stay as
    // they are in the element; the right end lies beyond the half-filled area.
    static std::vector<PicturePiece> GaugeEnds() {
        std::vector<PicturePiece> ends = EndPieces(skin::kStatusGauge.skinRect, skin::kStatusGauge, kGaugeSize);
        ends.front().source.right = skin::kStatusGauge.skinRect.left + skin::kStatusGaugeProgressArea.left;
        return ends;
    }

    HWND OpenDialog() {
        Click(ButtonCenter(kDialogOpener));
        HWND dialog = nullptr;
        WaitUntil([&] { return IsShown(dialog = FindTopLevel(Launcher().Id(), L"TForm2")); });
        return IsShown(dialog) ? dialog : nullptr;
    }

    static HWND OnlyChild(HWND parent, std::wstring_view className) {
        const std::vector<HWND> found = ChildrenOfClass(parent, className);
        return found.size() == 1 ? found.front() : nullptr;
    }

    static void SaveShot(HWND window, const wchar_t* fileName) {
        const RECT rect = WindowRect(window);
        ASSERT_TRUE(WaitUntilSettled(rect));
        const std::filesystem::path path = ShotsFolder() / fileName;
        EXPECT_TRUE(SaveBmp(ScreenShot::Capture(rect), path)) << "cannot write " << path.string();
        std::printf("screenshot: %s\n", path.string().c_str());
    }

private:
    const SkinPicture* m_controls = nullptr;
};

// With the pointer away, the focused first button looks hot and the other five normal. The pointer is away
// before the window comes up: one that leaves a button before the program has seen it arrive may leave no
// trace under Wine (its TrackMouseEvent ignores a window the pointer has already left).
TEST_F(SkinLookTest, MainButtonsAtRestShowNormalAndTheFocusedOneHot) {
    // The screenshot for the README shows the background picture the program ships with.
    if (std::optional<Bytes> shipped = ReadFileBytes(SkinFolder().parent_path() / L"resources" / L"wall.jpg"))
        WriteWall(*shipped);
    ParkPointer();
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    for (int i = 0; i < static_cast<int>(std::size(kButtonCaptions)); ++i) {
        SCOPED_TRACE("button " + ToUtf8(kButtonCaptions[i]));
        HWND button = Button(i);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(SizeOf(button).cx, kMainButtonSize.cx);
        EXPECT_EQ(SizeOf(button).cy, kMainButtonSize.cy);
        const RECT look = i == kInstallButton ? skin::kResizeButtonHot : skin::kResizeButton.skinRect;
        EXPECT_TRUE(WaitForLook(button, MainButtonLook(look)));
    }
    SaveShot(MainWindow(), L"main-window.bmp");
}

TEST_F(SkinLookTest, DialogControlsShowTheirElements) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    ParkPointer();

    for (std::wstring_view caption : {kInstallCaption, kCancelCaption}) {
        SCOPED_TRACE(ToUtf8(caption));
        HWND button = FindChild(dialog, L"TbsSkinButton", caption);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(SizeOf(button).cx, kDialogButtonSize.cx);
        EXPECT_EQ(SizeOf(button).cy, kDialogButtonSize.cy);
        EXPECT_TRUE(WaitForLook(button, DialogButtonLook(skin::kButton.skinRect))) << "normal look";
    }

    HWND gauge = OnlyChild(dialog, L"TbsSkinGauge");
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(SizeOf(gauge).cx, kGaugeSize.cx);
    EXPECT_EQ(SizeOf(gauge).cy, kGaugeSize.cy);
    EXPECT_TRUE(WaitForLook(gauge, GaugeEnds()));

    HWND panel = OnlyChild(dialog, L"TbsSkinPanel");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(SizeOf(panel).cx, kPanelSize.cx);
    EXPECT_EQ(SizeOf(panel).cy, kPanelSize.cy);
    EXPECT_TRUE(WaitForLook(panel, CornerPieces(skin::kPanel.skinRect, skin::kPanel, kPanelSize)));

    SaveShot(dialog, L"location-dialog.bmp");
}

// The pixels of a rectangle of a shot that fail a check, leaving out some rectangles: how many, and the
// smallest rectangle holding them.
struct Deviations {
    int count = 0;
    RECT spread{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
};

std::ostream& operator<<(std::ostream& out, const Deviations& deviations) {
    out << deviations.count << " pixels";
    if (deviations.count > 0) {
        const RECT& r = deviations.spread;
        out << " within (" << r.left << ", " << r.top << ") - (" << r.right << ", " << r.bottom << ")";
    }
    return out;
}

template <class Check>
Deviations FindDeviations(const ScreenShot& shot, const RECT& rect, Check&& fits,
                          const std::vector<RECT>& excluded = {}) {
    Deviations found;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const POINT point{x, y};
            auto covers = [&](const RECT& r) { return PtInRect(&r, point) != FALSE; };
            if (std::any_of(excluded.begin(), excluded.end(), covers) || fits(x, y, shot.At(x, y))) continue;
            ++found.count;
            RECT& s = found.spread;
            s = {std::min(s.left, point.x), std::min(s.top, point.y), std::max(s.right, point.x + 1L),
                 std::max(s.bottom, point.y + 1L)};
        }
    }
    return found;
}

// Left of the percentage text the progress area shows only the progress picture's colours; right of it,
// the gauge element's own empty inside.
TEST_F(SkinLookTest, GaugeProgressPictureFillsTheLeftHalf) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    HWND gauge = OnlyChild(dialog, L"TbsSkinGauge");
    ASSERT_NE(gauge, nullptr);
    ASSERT_TRUE(WaitUntilSettled(WindowRect(gauge)));
    const ScreenShot shot = ScreenShot::Capture(WindowRect(gauge));

    const RECT& area = skin::kStatusGaugeProgressArea;
    const RECT& element = skin::kStatusGauge.skinRect;
    const RECT& progress = skin::kStatusGaugeProgress;
    std::vector<Rgb> progressColours;
    for (int y = progress.top; y < progress.bottom; ++y)
        for (int x = progress.left; x < progress.right; ++x) progressColours.push_back(Controls().At(x, y));
    auto isProgressColour = [&](int, int, Rgb c) {
        return std::any_of(progressColours.begin(), progressColours.end(),
                           [&](Rgb p) { return IsNear(c, p, kBlitTolerance); });
    };
    // The element's inside repeats one column; each row of it has its own colour.
    auto isEmptyGauge = [&](int, int y, Rgb c) {
        return IsNear(c, Controls().At(element.left + area.left + 10, element.top + y), kBlitTolerance);
    };
    const RECT leftPart{area.left + 10, area.top, 100, area.bottom};
    const RECT rightPart{200, area.top, kGaugeSize.cx - 20, area.bottom};
    const Deviations left = FindDeviations(shot, leftPart, isProgressColour);
    const Deviations right = FindDeviations(shot, rightPart, isEmptyGauge);
    EXPECT_EQ(left.count, 0) << "left part, not of the progress picture: " << left;
    EXPECT_EQ(right.count, 0) << "right part, not of the empty gauge: " << right;
}

// The panel's inside, wherever no child covers it and apart from the label, is the element's plain inside
// colour: in particular no caption "bsSkinPanel1" is drawn anywhere on it.
TEST_F(SkinLookTest, PanelShowsNoCaption) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    HWND panel = OnlyChild(dialog, L"TbsSkinPanel");
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(WaitUntilSettled(WindowRect(panel)));
    const ScreenShot shot = ScreenShot::Capture(WindowRect(panel));

    std::vector<RECT> covered{kLabelRect};
    for (HWND child : ChildWindows(panel)) covered.push_back(RectInClient(panel, child));
    const RECT& element = skin::kPanel.skinRect;
    const RECT& client = skin::kPanelClient;
    const Rgb inside = Controls().At(element.left + client.left, element.top + client.top);
    const RECT stretched{client.left, client.top, kPanelSize.cx - (Width(element) - client.right),
                         kPanelSize.cy - (Height(element) - client.bottom)};
    const Deviations found =
        FindDeviations(shot, stretched, [&](int, int, Rgb c) { return IsNear(c, inside, kBlitTolerance); }, covered);
    EXPECT_EQ(found.count, 0) << "differing from the panel's inside: " << found;
}

// The looks that follow the pointer: hot under it, pressed while the left button holds it, and back to the
// focus look once the held pointer leaves.
enum class Target { MainButton, DialogButton };
enum class Gesture { Hover, Hold, HoldAndMoveOff };

struct PointerLookCase {
    const char* name;
    Target target;
    Gesture gesture;
    RECT look;
};

void PrintTo(const PointerLookCase& testCase, std::ostream* out) { *out << testCase.name; }

class PointerLookTest : public SkinLookTest, public testing::WithParamInterface<PointerLookCase> {
protected:
    HWND TargetButton() {
        if (GetParam().target == Target::MainButton) return Button(kInertMainButton);
        HWND dialog = OpenDialog();
        return dialog ? FindChild(dialog, L"TbsSkinButton", kInstallCaption) : nullptr;
    }

    std::vector<PicturePiece> LookOf(const RECT& look) const {
        return GetParam().target == Target::MainButton ? MainButtonLook(look) : DialogButtonLook(look);
    }
    std::vector<PicturePiece> Look() const { return LookOf(GetParam().look); }
    RECT HotLook() const {
        return GetParam().target == Target::MainButton ? skin::kResizeButtonHot : skin::kButtonHot;
    }
    RECT PressedLook() const {
        return GetParam().target == Target::MainButton ? skin::kResizeButtonPressed : skin::kButtonPressed;
    }
};

// Each step waits for its look before the next one: a pointer that leaves before the press has captured the
// mouse is seen by the window underneath, not by the button.
TEST_P(PointerLookTest, ShowsTheLookOfTheState) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    HWND button = TargetButton();
    ASSERT_NE(button, nullptr);
    MouseMove(CenterOf(WindowRect(button)));
    if (GetParam().gesture == Gesture::Hover) {
        EXPECT_TRUE(WaitForLook(button, Look()));
        return;
    }
    ASSERT_TRUE(WaitForLook(button, LookOf(HotLook()))) << "not hot under the pointer";
    LeftButtonHeld held;
    if (GetParam().gesture == Gesture::HoldAndMoveOff) {
        ASSERT_TRUE(WaitForLook(button, LookOf(PressedLook()))) << "not pressed while held";
        MoveOff(button);
    }
    EXPECT_TRUE(WaitForLook(button, Look()));
}

INSTANTIATE_TEST_SUITE_P(
    States, PointerLookTest,
    testing::Values(PointerLookCase{"MainHover", Target::MainButton, Gesture::Hover, skin::kResizeButtonHot},
                    PointerLookCase{"MainHeld", Target::MainButton, Gesture::Hold, skin::kResizeButtonPressed},
                    // The press gave it the focus, which looks hot.
                    PointerLookCase{"MainHeldOff", Target::MainButton, Gesture::HoldAndMoveOff, skin::kResizeButtonHot},
                    PointerLookCase{"DialogHover", Target::DialogButton, Gesture::Hover, skin::kButtonHot},
                    PointerLookCase{"DialogHeld", Target::DialogButton, Gesture::Hold, skin::kButtonPressed},
                    PointerLookCase{"DialogHeldOff", Target::DialogButton, Gesture::HoldAndMoveOff, skin::kButtonHot}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
