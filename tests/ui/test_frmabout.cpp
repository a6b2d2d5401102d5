// The About dialog on the offscreen platform: its stored layout, Form_Load's texts, how it
// opens and closes beside the main window, and "&System Info..." through the dialog's system.
#include "platform/recording_system.h"
#include "platform/sysinfo.h"
#include "tests/ui/window_fixture.h"
#include "ui/about_message_box.h"
#include "ui/frmabout.h"
#include "version.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <utility>
#include <vector>

namespace zelmarino::testing {
namespace {

using platform::RecordingSystem;

// A system with neither the registry's keys nor the tool, which shows its message through the
// program's Qt message box as the stand-in of systems without a registry does. (Windows' own
// system shows a native box instead, which CI checks under Wine.)
class SystemWithoutTool final : public platform::System {
public:
    std::optional<platform::KeyHandle> openKey(platform::RootKey /*root*/,
                                               const std::string& /*path*/,
                                               std::uint32_t /*access*/) override {
        return std::nullopt;
    }
    std::optional<platform::ValueRead> queryValue(platform::KeyHandle /*key*/,
                                                  const std::string& /*name*/,
                                                  std::span<char> /*buffer*/) override {
        return std::nullopt;
    }
    void closeKey(platform::KeyHandle /*key*/) override {}
    std::string findFile(const std::string& /*path*/) override { return {}; }
    bool startProgram(const std::string& /*path*/) override { return false; }
    void showMessage(const std::string& title, const std::string& text) override {
        showMessageBox(title, text);
    }
};

// "Versione " and the project's version as the build writes it.
QString versionLine() {
    return QStringLiteral("Versione ") + QString::fromUtf8(applicationVersion);
}

// The About dialogs still open, whatever opened them.
std::vector<frmAbout*> openDialogs() {
    std::vector<frmAbout*> dialogs;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<frmAbout*>(window); about != nullptr && about->isVisible()) {
            dialogs.push_back(about);
        }
    }
    return dialogs;
}

// Lets the event loop delete the dialogs that closed.
void settle() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

class AboutTest : public WindowTest {
protected:
    void TearDown() override {
        for (frmAbout* dialog : openDialogs()) {
            dialog->close();
        }
        settle();
        WindowTest::TearDown();
    }

    // Opens the dialog as the menu does, and waits until it is the active window.
    frmAbout* openFromMenu() {
        auto* about = form().findChild<QAction*>(QStringLiteral("About"));
        EXPECT_NE(about, nullptr);
        about->trigger();
        const auto dialogs = openDialogs();
        EXPECT_EQ(dialogs.size(), 1U);
        if (dialogs.empty()) {
            return nullptr;
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialogs.front()));
        return dialogs.front();
    }

    // A dialog whose "&System Info..." runs against `system`.
    static frmAbout* openWith(std::unique_ptr<platform::System> system) {
        auto* dialog = new frmAbout(std::move(system)); // deletes itself when closed
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        return dialog;
    }

    template <class Widget> static Widget* child(frmAbout* dialog, const char* name) {
        auto* widget = dialog->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << "no control named " << name;
        return widget;
    }
};

TEST_F(AboutTest, form_load_sets_caption_title_and_version) {
    frmAbout* dialog = openFromMenu();
    ASSERT_NE(dialog, nullptr);

    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Informazioni su Zelmarino"));
    EXPECT_EQ(child<QLabel>(dialog, "lblTitle")->text(), QStringLiteral("Zelmarino"));
    EXPECT_EQ(child<QLabel>(dialog, "lblVersion")->text(), versionLine());
    EXPECT_EQ(child<QLabel>(dialog, "lblDescription")->text(),
              QStringLiteral("Programma per il calcolo delle reti attenuatrici resistive"));
    EXPECT_TRUE(child<QLabel>(dialog, "lblDisclaimer")
                    ->text()
                    .startsWith(QStringLiteral("Programma scritto da Ostrelvo\n")));
    EXPECT_EQ(child<QPushButton>(dialog, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
}

struct Placement {
    const char* name;
    QRect pixels;
};

class AboutLayout : public AboutTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(AboutLayout, control_stands_at_its_stored_place) {
    frmAbout* dialog = openFromMenu();
    ASSERT_NE(dialog, nullptr);
    const auto& c = GetParam();

    EXPECT_EQ(child<QWidget>(dialog, c.name)->geometry(), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Controls, AboutLayout,
                         ::testing::Values(Placement{"cmdOK", {283, 175, 84, 23}},
                                           Placement{"cmdSysInfo", {284, 205, 83, 23}},
                                           Placement{"lblDisclaimer", {17, 175, 202, 71}},
                                           Placement{"lblTitle", {176, 16, 131, 24}},
                                           Placement{"lblVersion", {168, 48, 139, 15}},
                                           Placement{"lblDescription", {144, 96, 187, 46}},
                                           Placement{"Image1", {8, 16, 90, 134}}),
                         CaseName{});

TEST_F(AboutTest, separator_is_a_grey_and_a_white_stroke) {
    frmAbout* dialog = openFromMenu();
    ASSERT_NE(dialog, nullptr);
    const auto strokes = dialog->findChildren<QFrame*>(QStringLiteral("Line1"));
    ASSERT_EQ(strokes.size(), 2);
    for (const QFrame* stroke : strokes) {
        const bool light = stroke->property("index").toInt() == 0;
        EXPECT_EQ(stroke->geometry(), light ? QRect(7, 164, 370, 2) : QRect(6, 163, 371, 1));
        EXPECT_EQ(stroke->palette().color(QPalette::Window),
                  light ? QColor(255, 255, 255) : QColor(128, 128, 128));
    }
}

TEST_F(AboutTest, picture_is_90_by_134) {
    frmAbout* dialog = openFromMenu();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(child<QLabel>(dialog, "Image1")->pixmap().size(), QSize(90, 134));
}

// Every label holds all its lines; those whose lines are set by hand also keep each on one.
TEST_F(AboutTest, every_label_shows_its_text_whole) {
    frmAbout* dialog = openFromMenu();
    ASSERT_NE(dialog, nullptr);
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) {
            continue;
        }
        EXPECT_LE(label->heightForWidth(label->width()), label->height())
            << label->objectName().toStdString();
        if (label->objectName() == QStringLiteral("lblDescription")) {
            continue; // the one text left to wrap where the label's width says
        }
        for (const QString& line : label->text().split(QLatin1Char('\n'))) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->width())
                << label->objectName().toStdString() << ": " << line.toStdString();
        }
    }
}

TEST_F(AboutTest, fixed_modeless_ownerless_window_at_its_place) {
    frmAbout* dialog = openFromMenu();
    ASSERT_NE(dialog, nullptr);

    EXPECT_EQ(dialog->geometry(), QRect(156, 129, 382, 246));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(AboutTest, ok_is_default_and_has_the_focus) {
    frmAbout* dialog = openFromMenu();
    ASSERT_NE(dialog, nullptr);
    auto* ok = child<QPushButton>(dialog, "cmdOK");

    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(QApplication::focusWidget(), ok);
}

struct Closing {
    const char* name;
    std::function<void(frmAbout&)> act;
};

class AboutClosing : public AboutTest, public ::testing::WithParamInterface<Closing> {};

TEST_P(AboutClosing, closes_and_deletes_the_dialog) {
    QPointer<frmAbout> dialog = openFromMenu();
    ASSERT_NE(dialog, nullptr);

    GetParam().act(*dialog);
    settle();

    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(openDialogs().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutClosing,
    ::testing::Values(Closing{"enter", [](frmAbout& d) { QTest::keyClick(&d, Qt::Key_Return); }},
                      Closing{"escape", [](frmAbout& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
                      Closing{"ok_clicked",
                              [](frmAbout& d) {
                                  QTest::mouseClick(
                                      d.findChild<QPushButton*>(QStringLiteral("cmdOK")),
                                      Qt::LeftButton);
                              }},
                      Closing{"frame_closed", [](frmAbout& d) { d.close(); }}),
    CaseName{});

TEST_F(AboutTest, informazioni_again_brings_the_same_dialog_forward) {
    frmAbout* first = openFromMenu();
    ASSERT_NE(first, nullptr);
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));

    frmAbout* second = openFromMenu();

    EXPECT_EQ(second, first);
}

TEST_F(AboutTest, next_opening_after_ok_loads_afresh) {
    QPointer<frmAbout> first = openFromMenu();
    ASSERT_NE(first, nullptr);
    child<QLabel>(first, "lblVersion")->clear();
    QTest::keyClick(first, Qt::Key_Return);
    settle();

    frmAbout* second = openFromMenu();

    EXPECT_TRUE(first.isNull());
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(child<QLabel>(second, "lblVersion")->text(), versionLine());
}

TEST_F(AboutTest, main_window_stays_usable_while_the_dialog_is_open) {
    ASSERT_NE(openFromMenu(), nullptr);

    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    typeInto(TextBox::Text1, QStringLiteral("50"));
    EXPECT_EQ(box(TextBox::Text1)->text(), QStringLiteral("50"));
    EXPECT_EQ(openDialogs().size(), 1U);
}

// The program's own event loop ends when its last window closes: not when the main window
// closes while the dialog is open, but when the dialog closes after it.
TEST_F(AboutTest, dialog_outlives_the_main_window_and_ends_the_program_last) {
    QPointer<frmAbout> dialog = openFromMenu();
    ASSERT_NE(dialog, nullptr);
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    bool dialogOpenAfterMainWindow = false;
    bool timedOut = false;
    // Timers of the test's own, each firing once: close the main window, then the dialog,
    // and end the loop anyway should the program not end by itself.
    QTimer closeMainWindow;
    QTimer closeDialog;
    QTimer giveUp;
    for (QTimer* timer : {&closeMainWindow, &closeDialog, &giveUp}) {
        timer->setSingleShot(true);
    }
    QObject::connect(&closeMainWindow, &QTimer::timeout, &form(), [this] { form().close(); });
    QObject::connect(&closeDialog, &QTimer::timeout, dialog, [&] {
        dialogOpenAfterMainWindow = dialog->isVisible() && lastWindowClosed.isEmpty();
        dialog->close();
    });
    QObject::connect(&giveUp, &QTimer::timeout, qApp, [&timedOut] {
        timedOut = true;
        QApplication::quit();
    });
    closeMainWindow.start(0);
    closeDialog.start(200);
    giveUp.start(5000);

    QApplication::exec();

    EXPECT_TRUE(dialogOpenAfterMainWindow);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(lastWindowClosed.count(), 1);
}

TEST_F(AboutTest, system_info_starts_the_tool_the_registry_names) {
    const std::string tool = R"(C:\Program Files\Strumenti\MSINFO32.EXE)";
    auto system = std::make_unique<RecordingSystem>();
    system->setValue(platform::RootKey::LocalMachine, platform::kMsinfoKey, "PATH",
                     RecordingSystem::text(tool));
    system->addProgram(tool);
    const RecordingSystem& calls = *system;
    frmAbout* dialog = openWith(std::move(system));

    QTest::mouseClick(child<QPushButton>(dialog, "cmdSysInfo"), Qt::LeftButton);

    EXPECT_EQ(calls.started(), std::vector<std::string>{tool});
    EXPECT_TRUE(calls.messages().empty());
}

TEST_F(AboutTest, system_info_without_a_tool_shows_the_message_box_and_stays_open) {
    frmAbout* dialog = openWith(std::make_unique<SystemWithoutTool>());
    bool shown = false;
    m_modals.expect([&shown](QMessageBox& box) {
        shown = true;
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Zelmarino"));
        EXPECT_EQ(box.text(), QString::fromLatin1(platform::kSysInfoUnavailable));
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        box.button(QMessageBox::Ok)->click();
    });

    QTest::mouseClick(child<QPushButton>(dialog, "cmdSysInfo"), Qt::LeftButton);

    EXPECT_TRUE(shown);
    EXPECT_EQ(openDialogs().size(), 1U);
}

} // namespace
} // namespace zelmarino::testing
