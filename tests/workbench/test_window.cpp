// The window's wiring: what is typed is recomputed at once, a bad field shows its reason on
// itself, every control is named and reached from the keyboard, and the commands write what
// the core makes.
#include "tests/workbench/window_driver.h"
#include "workbench/field_editor.h"
#include "workbench/input_panel.h"
#include "workbench/response_plot.h"
#include "workbench/results_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

namespace zelmarino::workbench {
namespace {

using testing::choose;
using testing::retype;

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }
    WorkbenchWindow m_window;
};

TEST_F(WindowTest, typing_recomputes_the_tables_and_the_plot) {
    retype(m_window, Field::Zin, QStringLiteral("600"));
    ASSERT_TRUE(m_window.outcome().report);
    EXPECT_EQ(m_window.outcome().report->design.zin, 600.0F);
    QTableWidget* arms = m_window.results()->arms();
    ASSERT_EQ(arms->rowCount(), 3);
    const QString before = arms->item(0, 2)->text();
    QTest::keyClick(m_window.inputs()->editor(Field::Loss)->edit(), Qt::Key_0); // 10 to 100 dB
    EXPECT_EQ(m_window.outcome().report->design.lossDb, 100.0F);
    EXPECT_NE(arms->item(0, 2)->text(), before);
    ASSERT_TRUE(m_window.plot()->curves());
    EXPECT_NEAR(m_window.plot()->curves()->s21Db.front(), -100.0, 1e-3);
}

TEST_F(WindowTest, a_bad_field_shows_its_reason_on_itself_and_clears_when_mended) {
    FieldEditor* zout = m_window.inputs()->editor(Field::Zout);
    retype(m_window, Field::Zout, QStringLiteral("5x"));
    EXPECT_EQ(zout->reason(), QStringLiteral("not a number"));
    EXPECT_EQ(zout->edit()->accessibleDescription(), QStringLiteral("not a number"));
    EXPECT_TRUE(zout->findChild<QLabel*>(QStringLiteral("zoutReason"))->isVisible());
    EXPECT_EQ(m_window.results()->arms()->rowCount(), 0);
    EXPECT_FALSE(m_window.plot()->curves());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::keyClick(zout->edit(), Qt::Key_Backspace);
    EXPECT_TRUE(zout->reason().isEmpty());
    EXPECT_EQ(m_window.results()->arms()->rowCount(), 3);
}

TEST_F(WindowTest, a_check_asks_for_as_many_resistors_as_the_network_has) {
    InputPanel* inputs = m_window.inputs();
    inputs->modeChoice()->setCurrentIndex(1);
    const auto shown = [inputs] {
        int count = 0;
        for (std::size_t i = 0; i < design::mostArms(); ++i) {
            count += inputs->editor(Field::Arm, i)->isVisibleTo(inputs) ? 1 : 0;
        }
        return count;
    };
    EXPECT_EQ(shown(), 3);
    EXPECT_FALSE(inputs->editor(Field::Loss)->isVisibleTo(inputs));
    EXPECT_EQ(inputs->editor(Field::Arm, 0)->reason(), QStringLiteral("needed"));
    retype(m_window, Field::Arm, QStringLiteral("220"), 0);
    retype(m_window, Field::Arm, QStringLiteral("91"), 1);
    retype(m_window, Field::Arm, QStringLiteral("47+36"), 2);
    ASSERT_TRUE(m_window.outcome().report);
    EXPECT_NEAR(m_window.outcome().report->exact->inputOhms, 75.0, 5.0);
    choose(inputs->networkChoice(), QStringLiteral("H attenuator"));
    EXPECT_EQ(shown(), 5);
}

TEST_F(WindowTest, every_control_is_named_and_reached_with_the_tab_key) {
    const QList<QWidget*> widgets = m_window.findChildren<QWidget*>();
    int controls = 0;
    for (QWidget* widget : widgets) {
        const bool control = qobject_cast<QLineEdit*>(widget) != nullptr ||
                             qobject_cast<QComboBox*>(widget) != nullptr ||
                             qobject_cast<QAbstractButton*>(widget) != nullptr ||
                             qobject_cast<QAbstractSpinBox*>(widget) != nullptr ||
                             qobject_cast<QTableWidget*>(widget) != nullptr ||
                             qobject_cast<ResponsePlot*>(widget) != nullptr;
        if (!control || qobject_cast<QLineEdit*>(widget->parentWidget()) != nullptr ||
            qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr ||
            qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr ||
            widget->inherits("QScrollBar") || widget->parentWidget()->inherits("QHeaderView") ||
            widget->inherits("QTableCornerButton") ||
            widget->objectName().startsWith(QStringLiteral("qt_"))) {
            continue;
        }
        ++controls;
        EXPECT_FALSE(widget->accessibleName().isEmpty())
            << widget->metaObject()->className() << " " << widget->objectName().toStdString();
        EXPECT_TRUE(widget->focusPolicy() & Qt::TabFocus)
            << widget->metaObject()->className() << " " << widget->objectName().toStdString();
    }
    EXPECT_GT(controls, 25);
}

TEST_F(WindowTest, tab_goes_down_the_form_then_through_the_results_and_mnemonics_jump) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    InputPanel* inputs = m_window.inputs();
    inputs->editor(Field::Zin)->edit()->setFocus();
    const std::vector<QWidget*> expected = {
        inputs->editor(Field::Zout)->edit(), inputs->editor(Field::Loss)->edit(),
        inputs->findChild<QCheckBox*>(QStringLiteral("minimumLoss")), inputs->seriesChoice()};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    QTest::keyClick(&m_window, Qt::Key_U, Qt::AltModifier); // Zo&ut
    EXPECT_EQ(QApplication::focusWidget(), inputs->editor(Field::Zout)->edit());
    inputs->lastControl()->setFocus();
    for (QWidget* next : {static_cast<QWidget*>(m_window.results()->checks()),
                          static_cast<QWidget*>(m_window.results()->arms()),
                          static_cast<QWidget*>(m_window.plot())}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(WindowTest, the_plot_s_cursor_follows_the_arrow_keys) {
    ResponsePlot* plot = m_window.plot();
    plot->setFocus();
    QTest::keyClick(plot, Qt::Key_End);
    ASSERT_TRUE(plot->cursor());
    EXPECT_EQ(*plot->cursor(), 1000U);
    EXPECT_TRUE(plot->readout().startsWith(QStringLiteral("10 GHz")))
        << plot->readout().toStdString();
    QTest::keyClick(plot, Qt::Key_Left);
    EXPECT_EQ(*plot->cursor(), 990U);
    EXPECT_EQ(plot->accessibleDescription(), plot->readout());
}

TEST_F(WindowTest, the_arms_go_to_the_clipboard_and_the_design_to_files) {
    testing::typePiDesign(m_window);
    m_window.copyArms();
    const QStringList lines =
        QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Arm\tPlace\tExact\tStandard\tOptimised")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("R1\t")));

    QTemporaryDir folder;
    const QString json = folder.filePath(QStringLiteral("pad.json"));
    ASSERT_TRUE(m_window.exportTo(ExportFormat::Json, json));
    QFile file(json);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\"optimised"));
    const QString png = folder.filePath(QStringLiteral("plot.png"));
    ASSERT_TRUE(m_window.savePlot(png));
    EXPECT_EQ(QImage(png).size(), m_window.plot()->size() * m_window.plot()->devicePixelRatio());
}

TEST(Translation, italian_has_every_network_arm_and_check_the_window_shows) {
    QTranslator italian;
    ASSERT_TRUE(italian.load(QLocale(QLocale::Italian), QStringLiteral("zelmarino-workbench"),
                             QStringLiteral("_"), QStringLiteral(":/i18n")));
    const auto translated = [&italian](const char* context, std::string_view text) {
        return !italian.translate(context, std::string(text).c_str()).isEmpty();
    };
    for (const design::NetworkEntry& entry : design::catalogue()) {
        EXPECT_TRUE(translated("Network", entry.title)) << entry.title;
        for (const design::ArmEntry& arm : entry.arms) {
            EXPECT_TRUE(translated("Arm", arm.roleText)) << arm.roleText;
        }
        for (const design::ArmEntry& arm : entry.armsShuntAtInput) {
            EXPECT_TRUE(translated("Arm", arm.roleText)) << arm.roleText;
        }
    }
    // What a network between unequal impedances is told, worded by the design core.
    for (const design::NetworkEntry& entry : design::catalogue()) {
        design::Request request;
        request.network = entry.network;
        request.zin = 75.0F;
        request.zout = 50.0F;
        const auto objection = design::objection(request, false);
        if (objection) {
            EXPECT_TRUE(translated("Reason", objection->reason)) << objection->reason;
        }
    }
    EXPECT_TRUE(translated("Reason", "not a number"));
    EXPECT_TRUE(translated("zelmarino::workbench::InputPanel", "Z&in (Ω)"));
}

} // namespace
} // namespace zelmarino::workbench
