// The test program's other lives: the X11 child of the Xvfb smoke test, and the screenshot
// taker (run it under xvfb-run to look at the four networks with a design on each).
#pragma once

#include <string_view>

namespace zelmarino::testing {

inline constexpr std::string_view xcbSmokeChildOption = "--xcb-smoke-child";
inline constexpr std::string_view screenshotsOption = "--screenshots";

// Opens the window on the X server of $DISPLAY and checks that it is mapped and painted;
// returns 0 when it is.
int runXcbSmokeChild(int& argc, char** argv);

// Makes a design on each network and saves a PNG of the screen per network in `directory`.
int takeScreenshots(int& argc, char** argv, const char* directory);

} // namespace zelmarino::testing
