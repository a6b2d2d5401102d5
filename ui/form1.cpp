#include "ui/form1.h"

#include "ui/app_icon.h"
#include "ui/caption_label.h"
#include "ui/fit.h"
#include "ui/fonts.h"
#include "ui/frmabout.h"
#include "ui/image_file.h"
#include "ui/picture_box.h"
#include "version.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cstddef>

namespace zelmarino {

namespace {

// The client area: controls sit at their stored places without a layout, so resizing the
// window moves nothing.
class ClientArea final : public QWidget {
public:
    using QWidget::QWidget;
    [[nodiscard]] QSize sizeHint() const override {
        return {pixels(form1ClientArea.width), pixels(form1ClientArea.height)};
    }
};

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::size_t index(TextBox box) {
    return static_cast<std::size_t>(box);
}

std::size_t index(Label label) {
    return static_cast<std::size_t>(label);
}

void applyLook(QWidget* widget, const StoredControl& control) {
    widget->setObjectName(qText(control.name));
    widget->setFont(formFont(control.points, control.bold));
    if (control.color != 0) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, QColor::fromRgb(control.color));
        widget->setPalette(palette);
    }
}

// The caption the layout gives the control of that name.
std::string_view storedCaption(std::string_view name) {
    const auto* control = std::find_if(form1Layout.begin(), form1Layout.end(),
                                       [name](const StoredControl& c) { return c.name == name; });
    return control != form1Layout.end() ? control->caption : std::string_view();
}

// Buttons keep their stored size unless their caption needs more room.
void fitButton(QAbstractButton* button, const QRect& stored, Qt::Alignment anchor) {
    int needed = 0;
    if (qobject_cast<QRadioButton*>(button) != nullptr) {
        needed = button->sizeHint().width();
    } else {
        const QStyle* style = button->style();
        needed = textWidth(button->font(), QString(button->text()).remove(u'&')) +
                 style->pixelMetric(QStyle::PM_ButtonMargin) +
                 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    }
    button->setGeometry(fittedGeometry(stored, needed, anchor));
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent)
    , m_pictureDirectory(QCoreApplication::applicationDirPath()) {
    setObjectName(QStringLiteral("Form1"));
    // "Zelmarino 1.0 di Ostrelvo": the program's name and its major and minor version.
    setWindowTitle(QStringLiteral("%1 %2.%3 di Ostrelvo")
                       .arg(qText(applicationName))
                       .arg(versionMajor)
                       .arg(versionMinor));
    setWindowIcon(applicationIcon());
    // The menu bar too is in the form's typeface, so the window loads a single font.
    setFont(formFont(8.25));

    // A plain window holding a menu bar over the client area: it has no tool bars, docks or
    // status bar, and a QMainWindow's machinery for them cost a good part of the start-up's
    // memory. The menu bar is the window's own (not a platform's global one), so that its
    // one item can act when chosen without a drop-down.
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);
    QAction* about = m_menuBar->addAction(qText(aboutMenuCaption));
    about->setObjectName(QStringLiteral("About"));
    connect(about, &QAction::triggered, this, &Form1::About_Click);

    m_clientArea = new ClientArea(this);
    m_clientArea->setObjectName(QStringLiteral("clientArea"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_clientArea);
    buildControls(m_clientArea);
    wireEvents();

    // The layout gives the menu bar its height for the window's width, which Windows' style
    // makes a pixel more than its size hint: the whole client area stays below it.
    resize(layout->totalSizeHint());
}

Form1::~Form1() = default;

void Form1::buildControls(QWidget* clientArea) {
    QWidget* previousFocusable = nullptr;
    for (const StoredControl& control : form1Layout) {
        const QRect stored = pixelRect(control.geometry);
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::OptionButton: {
            auto* option = new QRadioButton(qText(control.caption), clientArea);
            applyLook(option, control);
            fitButton(option, stored, Qt::AlignLeft);
            widget = option;
            break;
        }
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(qText(control.caption), clientArea);
            applyLook(button, control);
            button->setAutoDefault(false);
            fitButton(button, stored, Qt::AlignHCenter);
            widget = button;
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(clientArea);
            applyLook(edit, control);
            edit->setAlignment(control.alignment | Qt::AlignVCenter);
            edit->setGeometry(stored);
            // "Impedenza  Zin" is spaced for the eye; a screen reader needs one space.
            edit->setAccessibleName(qText(storedCaption(control.labelledBy)).simplified());
            widget = edit;
            break;
        }
        case ControlKind::Label: {
            auto* label = new CaptionLabel(stored, control.alignment, control.glyphs, clientArea);
            applyLook(label, control);
            label->setAutoFillBackground(!control.transparent);
            label->setCaption(qText(control.caption));
            widget = label;
            break;
        }
        case ControlKind::Picture: {
            m_image1 = new PictureBox(stored.topLeft(), clientArea);
            applyLook(m_image1, control);
            m_image1->setPicture(
                QPixmap::fromImage(readImage(QStringLiteral(":/zelmarino/initial-t.gif"), "gif")));
            widget = m_image1;
            break;
        }
        }
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previousFocusable != nullptr) {
                setTabOrder(previousFocusable, widget);
            }
            previousFocusable = widget;
        }
    }

    const auto boxNames = std::array{"Text1", "Text2", "Text3"};
    for (std::size_t i = 0; i < boxNames.size(); ++i) {
        m_textBoxes.at(i) = clientArea->findChild<QLineEdit*>(QLatin1String(boxNames.at(i)));
    }
    const auto labelNames =
        std::array{"Label9", "LabelZin", "LabelZout", "piti", "pielle", "tielle", "ti"};
    for (std::size_t i = 0; i < labelNames.size(); ++i) {
        m_labels.at(i) = clientArea->findChild<CaptionLabel*>(QLatin1String(labelNames.at(i)));
    }
    const auto optionNames = std::array{"Option1", "Option2", "Option3", "Option4"};
    for (std::size_t i = 0; i < optionNames.size(); ++i) {
        m_options.at(i) = clientArea->findChild<QRadioButton*>(QLatin1String(optionNames.at(i)));
    }

    // The picture lies behind the labels drawn on it; the opaque message label, which
    // overlaps the top row of its frame, lies behind the picture.
    m_image1->lower();
    label(Label::Label9)->lower();
}

void Form1::wireEvents() {
    for (TextBox box : {TextBox::Text1, TextBox::Text2, TextBox::Text3}) {
        connect(textBox(box), &QLineEdit::textChanged, this,
                [this, box](const QString& text) { textChanged(box, text); });
    }
    connect(optionButton(design::Network::Pi), &QRadioButton::clicked, this,
            [this] { m_calculator.Option1_Click(); });
    connect(optionButton(design::Network::T), &QRadioButton::clicked, this,
            [this] { m_calculator.Option2_Click(); });
    connect(optionButton(design::Network::LOut), &QRadioButton::clicked, this,
            [this] { m_calculator.Option3_Click(); });
    connect(optionButton(design::Network::LIn), &QRadioButton::clicked, this,
            [this] { m_calculator.Option4_Click(); });
    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            [this] { m_calculator.Command1_Click(); });
    connect(findChild<QPushButton*>(QStringLiteral("delete")), &QPushButton::clicked, this,
            [this] { m_calculator.delete_Click(); });
}

// Runs the box's change handler synchronously, once per real change of its text, whether
// typed or set from code.
void Form1::textChanged(TextBox box, const QString& text) {
    QString& last = m_lastTexts.at(index(box));
    if (text == last) {
        return;
    }
    last = text;
    m_calculator.textChanged(box);
}

QLineEdit* Form1::textBox(TextBox box) const {
    return m_textBoxes.at(index(box));
}

CaptionLabel* Form1::label(Label label) const {
    return m_labels.at(index(label));
}

QRadioButton* Form1::optionButton(design::Network network) const {
    const auto number = static_cast<std::size_t>(network);
    return number >= 1 && number <= m_options.size() ? m_options.at(number - 1) : nullptr;
}

std::string Form1::text(TextBox box) const {
    return textBox(box)->text().toStdString();
}

void Form1::setText(TextBox box, const std::string& text) {
    const QString value = QString::fromStdString(text);
    QLineEdit* edit = textBox(box);
    if (edit->text() != value) {
        edit->setText(value); // emits textChanged before returning
    }
}

std::string Form1::caption(Label label) const {
    return this->label(label)->caption().toStdString();
}

void Form1::setCaption(Label label, const std::string& caption) {
    this->label(label)->setCaption(QString::fromStdString(caption));
}

void Form1::setFocus(TextBox box) {
    textBox(box)->setFocus(Qt::OtherFocusReason);
}

void Form1::beep() {
    QApplication::beep();
}

bool Form1::loadPicture(const std::string& fileName) {
    QPixmap picture;
    if (!picture.load(QDir(m_pictureDirectory).filePath(QString::fromStdString(fileName)))) {
        return false;
    }
    m_image1->setPicture(picture);
    return true;
}

void Form1::reportMissingPicture(const std::string& fileName) {
    QMessageBox box(
        QMessageBox::Warning, QApplication::applicationName(),
        tr("Impossibile caricare l'immagine \"%1\" dalla cartella del programma:\n"
           "%2\n\nLa rete scelta resta quella di prima.")
            .arg(QString::fromStdString(fileName), QDir::toNativeSeparators(m_pictureDirectory)),
        QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("missingPictureBox"));
    box.exec();
}

void Form1::showNetworkChoice(std::optional<design::Network> network) {
    // An exclusive group cannot show no choice, so the buttons are set one by one.
    for (QRadioButton* option : m_options) {
        option->setAutoExclusive(false);
    }
    const auto chosen = network ? static_cast<std::size_t>(*network) : 0; // Option1 is network 1
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        m_options.at(i)->setChecked(i + 1 == chosen);
    }
    for (QRadioButton* option : m_options) {
        option->setAutoExclusive(true);
    }
}

void Form1::setLabelLeft(Label label, int twips) {
    this->label(label)->setStoredLeft(pixels(twips));
}

void Form1::About_Click() {
    frmAbout::open();
}

} // namespace zelmarino
