#include "tests/ui/window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <utility>

namespace zelmarino::testing {

ModalGuard::ModalGuard() {
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ModalGuard::check);
    m_timer.start();
}

ModalGuard::~ModalGuard() = default;

void ModalGuard::expect(std::function<void(QMessageBox&)> handler) {
    m_expected = std::move(handler);
}

void ModalGuard::check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (m_expected && box != nullptr) {
        auto handler = std::exchange(m_expected, nullptr);
        handler(*box);
        return;
    }
    ADD_FAILURE() << "an unexpected modal " << modal->metaObject()->className() << " was left open"
                  << (box != nullptr ? ": " + box->text().toStdString() : std::string());
    modal->close();
}

void WindowTest::SetUp() {
    m_form = std::make_unique<Form1>();
    m_form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
}

void WindowTest::TearDown() {
    QApplication::processEvents();
    EXPECT_TRUE(m_modals.expectationMet()) << "the expected message box did not appear";
    if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "a modal " << modal->metaObject()->className()
                      << " is still open at the end of the test";
        modal->close();
    }
    m_form.reset();
}

QWidget* WindowTest::control(const char* name) {
    auto* widget = m_form->findChild<QWidget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << "no control named " << name;
    return widget;
}

void WindowTest::clickOption(design::Network network) {
    QRadioButton* button = option(network);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
}

void WindowTest::clickButton(const char* name) {
    QTest::mouseClick(control(name), Qt::LeftButton);
}

QWidget* WindowTest::focused() const {
    return QApplication::focusWidget();
}

void WindowTest::typeKeys(const QString& keys) {
    for (const QChar key : keys) {
        QWidget* target = focused();
        ASSERT_NE(target, nullptr) << "nothing has the focus to type into";
        QTest::keyClicks(target, QString(key));
    }
}

void WindowTest::pressTab() {
    QWidget* target = focused();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, Qt::Key_Tab);
}

void WindowTest::typeInto(TextBox textBox, const QString& text) {
    QLineEdit* edit = box(textBox);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
        return;
    }
    typeKeys(text);
}

void WindowTest::design(design::Network network, const QString& zin, const QString& zout,
                        const QString& attenuation) {
    clickOption(network);
    typeKeys(zin);
    pressTab();
    typeKeys(zout);
    pressTab();
    typeKeys(attenuation);
    clickButton("Command1");
}

} // namespace zelmarino::testing
