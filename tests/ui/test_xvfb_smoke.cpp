// End to end on a real X server: the test starts its own Xvfb, runs this program again as an
// X11 client that opens the window, and that client checks the window is mapped and that
// what the server shows is what the window paints.
#include "tests/ui/child_modes.h"
#include "ui/form1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace zelmarino::testing {
namespace {

// Xvfb on the first free display, which it writes back on a pipe (-displayfd).
class XvfbServer {
public:
    explicit XvfbServer(const QString& program) {
        std::array<int, 2> ends{};
        if (pipe(ends.data()) != 0) {
            return;
        }
        m_server.setProgram(program);
        m_server.setArguments({"-displayfd", QString::number(ends[1]), "-screen", "0", "800x600x24",
                               "-nolisten", "tcp"});
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start();
        close(ends[1]);
        m_display = readDisplay(ends[0]);
        close(ends[0]);
    }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;
    ~XvfbServer() {
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    // ":N", or empty when the server did not start.
    [[nodiscard]] const QString& display() const { return m_display; }

private:
    static QString readDisplay(int fd) {
        std::string number;
        pollfd waiting{fd, POLLIN, 0};
        char character = 0;
        while (poll(&waiting, 1, 20000) > 0 && read(fd, &character, 1) == 1) {
            if (character == '\n') {
                return number.empty() ? QString() : ":" + QString::fromStdString(number);
            }
            number += character;
        }
        return {};
    }

    QProcess m_server;
    QString m_display;
};

TEST(XvfbSmoke, window_is_mapped_and_painted_on_a_real_x_server) {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) {
        GTEST_SKIP() << "Xvfb is not installed (Debian package xvfb); CI installs it";
    }
    const XvfbServer server(xvfb);
    ASSERT_FALSE(server.display().isEmpty()) << "Xvfb did not start";

    QProcess client;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", server.display());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    client.setProcessEnvironment(environment);
    client.start(QCoreApplication::applicationFilePath(),
                 {QString::fromUtf8(xcbSmokeChildOption.data(),
                                    static_cast<qsizetype>(xcbSmokeChildOption.size()))});
    ASSERT_TRUE(client.waitForFinished(60000)) << "the X11 client did not finish";
    const std::string output = client.readAllStandardError().toStdString();
    EXPECT_EQ(client.exitStatus(), QProcess::NormalExit) << output;
    EXPECT_EQ(client.exitCode(), 0) << output;
}

// The share of pixels that two pictures of the same size have alike.
double sameShare(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    if (left.size() != right.size() || left.isNull()) {
        return 0.0;
    }
    qint64 same = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            same += left.pixel(x, y) == right.pixel(x, y) ? 1 : 0;
        }
    }
    return static_cast<double>(same) / (static_cast<double>(left.width()) * left.height());
}

} // namespace

int runXcbSmokeChild(int& argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelmarino"));
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "not on X11 but on %s\n", qPrintable(QGuiApplication::platformName()));
        return 2;
    }
    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form, 10000) || !form.windowHandle()->isExposed()) {
        std::fputs("the window was not mapped\n", stderr);
        return 3;
    }
    // What the X server holds for the window must become what the window paints.
    const QImage painted = form.grab().toImage();
    double share = 0.0;
    for (int attempt = 0; attempt < 50 && share < 0.99; ++attempt) {
        QTest::qWait(100);
        share = sameShare(form.screen()->grabWindow(form.winId()).toImage(), painted);
    }
    if (share < 0.99) {
        std::fprintf(stderr, "the server shows only %.1f %% of the painted window\n",
                     share * 100.0);
        return 4;
    }
    return 0;
}

} // namespace zelmarino::testing
