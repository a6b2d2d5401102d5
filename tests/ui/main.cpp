// The widget tests' entry point: one QApplication for every test, on the offscreen platform
// unless the environment names another. The same program is the X11 child of the Xvfb smoke
// test and, on request, takes the screenshots of the four networks.
#include "tests/ui/child_modes.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <string_view>

// Under LeakSanitizer: the D-Bus connection that the X11 platform's system libraries keep for
// the life of the process (the Xvfb smoke test's client) is no leak of the program.
// NOLINTNEXTLINE(bugprone-reserved-identifier,readability-identifier-naming)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
#ifdef ZELMARINO_XVFB_SMOKE
        if (argument == zelmarino::testing::xcbSmokeChildOption) {
            return zelmarino::testing::runXcbSmokeChild(argc, argv);
        }
#endif
        if (argument == zelmarino::testing::screenshotsOption && i + 1 < argc) {
            return zelmarino::testing::takeScreenshots(argc, argv, argv[i + 1]);
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelmarino"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
