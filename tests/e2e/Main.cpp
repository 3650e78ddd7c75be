// Entry of the end-to-end test program: a Windows console program that drives the launcher under test.
// Depends on GoogleTest and the driver only.
#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Window rectangles and screen pixels must come unscaled whatever the display density, as the
    // launcher itself sees them.
    SetProcessDPIAware();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
