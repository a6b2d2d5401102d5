// Form1, the main window: the controls of the stored layout, and the window side of the
// FormView through which the window's behaviour (Calculator) reads and writes them. Every
// rule lives in Calculator and the design library it calls; this class maps controls and
// wires their events.
#pragma once

#include "calc/calculator.h"
#include "calc/form_view.h"
#include "ui/form1_layout.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QMenuBar;
class QRadioButton;

namespace zelmarino {

class CaptionLabel;
class PictureBox;

class Form1 final : public QWidget, public FormView {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // FormView
    [[nodiscard]] std::string text(TextBox box) const override;
    void setText(TextBox box, const std::string& text) override;
    [[nodiscard]] std::string caption(Label label) const override;
    void setCaption(Label label, const std::string& caption) override;
    void setFocus(TextBox box) override;
    using QWidget::setFocus;
    void beep() override;
    [[nodiscard]] bool loadPicture(const std::string& fileName) override;
    void reportMissingPicture(const std::string& fileName) override;
    void showNetworkChoice(std::optional<design::Network> network) override;
    void setLabelLeft(Label label, int twips) override;

    [[nodiscard]] const Calculator& calculator() const { return m_calculator; }
    [[nodiscard]] Calculator& calculator() { return m_calculator; }

    // Where the schematic pictures are read from: the executable's directory, unless a test
    // points elsewhere.
    [[nodiscard]] const QString& pictureDirectory() const { return m_pictureDirectory; }
    void setPictureDirectory(const QString& directory) { m_pictureDirectory = directory; }

    // The one-item menu bar, and the area under it where the stored controls sit.
    [[nodiscard]] QMenuBar* menuBar() const { return m_menuBar; }
    [[nodiscard]] QWidget* clientArea() const { return m_clientArea; }

    [[nodiscard]] QLineEdit* textBox(TextBox box) const;
    [[nodiscard]] CaptionLabel* label(Label label) const;
    [[nodiscard]] QRadioButton* optionButton(design::Network network) const;

public slots:
    void About_Click();

private:
    void buildControls(QWidget* clientArea);
    void wireEvents();
    void textChanged(TextBox box, const QString& text);

    Calculator m_calculator{*this};
    QString m_pictureDirectory;
    QMenuBar* m_menuBar = nullptr;
    QWidget* m_clientArea = nullptr;
    std::array<QLineEdit*, 3> m_textBoxes{};
    std::array<QString, 3> m_lastTexts; // what each change handler last saw
    std::array<CaptionLabel*, 7> m_labels{};
    std::array<QRadioButton*, 4> m_options{};
    PictureBox* m_image1 = nullptr;
};

} // namespace zelmarino
