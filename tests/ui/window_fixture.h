// The real Form1, shown and active on the offscreen platform, with helpers that act as a
// user would (clicks, keys into whatever has the focus) and a guard that fails the test when
// a modal box it did not expect is left open.
#pragma once

#include "calc/form_view.h"
#include "ui/caption_label.h"
#include "ui/form1.h"

#include <QMessageBox>
#include <QObject>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

class QLineEdit;
class QRadioButton;

namespace zelmarino::testing {

// Names a parameterised case after its `name` field.
struct CaseName {
    template <class Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        return info.param.name;
    }
};

// Watches for modal boxes while a test runs: an expected one is handed to the test's
// handler, any other fails the test and is closed so that the test goes on.
class ModalGuard final : public QObject {
public:
    ModalGuard();
    ~ModalGuard() override;
    ModalGuard(const ModalGuard&) = delete;
    ModalGuard& operator=(const ModalGuard&) = delete;

    // The next modal box goes to `handler`, which must close it.
    void expect(std::function<void(QMessageBox&)> handler);
    [[nodiscard]] bool expectationMet() const { return !m_expected; }

private:
    void check();

    QTimer m_timer;
    std::function<void(QMessageBox&)> m_expected;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    [[nodiscard]] Form1& form() { return *m_form; }
    [[nodiscard]] const DesignState& state() { return m_form->calculator().state(); }
    [[nodiscard]] QLineEdit* box(TextBox box) { return m_form->textBox(box); }
    [[nodiscard]] CaptionLabel* label(Label label) { return m_form->label(label); }
    [[nodiscard]] std::string caption(Label label) { return m_form->caption(label); }
    [[nodiscard]] QRadioButton* option(design::Network network) {
        return m_form->optionButton(network);
    }
    [[nodiscard]] QWidget* control(const char* name);

    // A click on the option button's circle, as the user chooses a network.
    void clickOption(design::Network network);
    // A click on "Calcola" or "Cancella".
    void clickButton(const char* name);
    // Types each character into the widget that has the focus at that moment.
    void typeKeys(const QString& keys);
    void pressTab();
    // Clicks into the box and types its text, replacing what it held.
    void typeInto(TextBox box, const QString& text);
    // Choose the network, type Zin, Tab, Zout, Tab, the attenuation, press "Calcola".
    void design(design::Network network, const QString& zin, const QString& zout,
                const QString& attenuation);

    [[nodiscard]] QWidget* focused() const;

    ModalGuard m_modals;
    std::unique_ptr<Form1> m_form;
};

} // namespace zelmarino::testing
