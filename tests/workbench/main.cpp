// The workbench's tests: one QApplication for all, on the offscreen platform unless the
// environment names another. On request the same program takes the screenshot of a design
// for a person to look at, in the system's language as the program speaks it:
//   xvfb-run -s "-screen 0 1920x1200x24" test_workbench --screenshot FILE [NETWORK]
// (the 75 to 50 ohm 10 dB Pi in E24 with 0603 parts, or the same asked of another network).
#include "tests/workbench/window_driver.h"
#include "workbench/input_panel.h"
#include "workbench/translation.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string_view>

namespace {

int takeScreenshot(const char* path, std::optional<zelmarino::design::Network> network) {
    zelmarino::workbench::WorkbenchWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fputs("the window was not shown\n", stderr);
        return 1;
    }
    zelmarino::workbench::testing::typePiDesign(window);
    if (network) {
        zelmarino::workbench::testing::chooseData(window.inputs()->networkChoice(),
                                                  static_cast<int>(*network));
    }
    window.showMaximized();
    QTest::qWait(500);
    if (!window.screen()->grabWindow(0).save(QString::fromLocal8Bit(path))) {
        std::fprintf(stderr, "could not write %s\n", path);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const char* screenshot = nullptr;
    std::optional<zelmarino::design::Network> network;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string_view(argv[i]) == "--screenshot") {
            screenshot = argv[i + 1];
            if (i + 2 < argc) {
                network = zelmarino::design::networkNamed(argv[i + 2]);
            }
        }
    }
    if (screenshot == nullptr && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (screenshot != nullptr) {
        zelmarino::workbench::installTranslations(app, QLocale::system());
        return takeScreenshot(screenshot, network);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
