// Its own program, so that no other test has loaded an image plugin first: opening the main
// window with the program's style reads its pictures and icons through the GIF reader and
// Qt's built-in ones only, without loading (and mapping) the other image plugins.
#include "ui/form1.h"
#include "ui/form_style.h"

#include <QApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace zelmarino::testing {
namespace {

QByteArray mappedFiles() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
}

TEST(ImagePlugins, the_window_opens_with_the_gif_plugin_alone) {
    if (mappedFiles().isEmpty()) {
        GTEST_SKIP() << "no /proc/self/maps to read the loaded libraries from";
    }
    FormStyle::apply();
    Form1 form;
    form.show();
    QApplication::processEvents();

    const QByteArray mapped = mappedFiles();
    EXPECT_TRUE(mapped.contains("/imageformats/libqgif")); // the initial picture
    for (const char* plugin : {"libqjpeg", "libqico", "libqsvg", "libqwebp", "libqtiff"}) {
        EXPECT_FALSE(mapped.contains(plugin)) << plugin;
    }
}

} // namespace
} // namespace zelmarino::testing

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
