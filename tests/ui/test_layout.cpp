// The main window's layout through the real window: every control of the stored layout, the window
// itself, its start state, the tab order, the stacking over the picture and resizing.
#include "tests/ui/window_fixture.h"
#include "ui/fit.h"
#include "ui/fonts.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <ostream>
#include <vector>

namespace zelmarino::testing {
namespace {

// The stored layout, written out again here so that a slip in the window's own copy shows.
struct StoredControl {
    std::string name;
    const char* className;
    QString caption;
    int left, top, width, height; // twips
    int pixelSize;                // 8.25 pt is 11 px, 9.75 pt is 13 px at 96 dpi
    bool bold;
    Qt::Alignment alignment;
    QColor color; // invalid: the default text colour
    bool transparent;
};

const QColor noColor;
const QColor legendRed(192, 0, 0);
const QColor messageRed(255, 0, 0);
constexpr auto left = Qt::AlignLeft;
constexpr auto centre = Qt::AlignHCenter;
constexpr auto right = Qt::AlignRight;

const std::vector<StoredControl> storedLayout{
    {"Option1", "QRadioButton", "a PI greco", 240, 720, 1095, 255, 11, false, left, noColor, false},
    {"Option2", "QRadioButton", "a T", 240, 1200, 735, 255, 11, false, left, noColor, false},
    {"Option3", "QRadioButton", "ad L  <", 240, 1680, 855, 255, 11, false, left, noColor, false},
    {"Option4", "QRadioButton", "ad L  >", 240, 2160, 855, 255, 11, false, left, noColor, false},
    {"Label1", "zelmarino::CaptionLabel", "Impedenza  Zin", 240, 3240, 1095, 255, 11, false, left,
     noColor, false},
    {"Text1", "QLineEdit", "", 1800, 3120, 855, 375, 13, true, centre, noColor, false},
    {"Label2", "zelmarino::CaptionLabel", "Impedenza Zout", 240, 3960, 1215, 255, 11, false, left,
     noColor, false},
    {"Text2", "QLineEdit", "", 1800, 3840, 855, 375, 13, true, centre, noColor, false},
    {"Label3", "zelmarino::CaptionLabel", "Attenuazione", 240, 4680, 975, 255, 11, false, left,
     noColor, false},
    {"Text3", "QLineEdit", "", 1800, 4560, 855, 375, 13, true, centre, noColor, false},
    {"Command1", "QPushButton", "Calcola", 4080, 4440, 1095, 495, 11, true, centre, noColor, false},
    {"delete", "QPushButton", "Cancella", 4080, 3120, 1095, 495, 11, true, centre, noColor, false},
    {"Label4", "zelmarino::CaptionLabel", "ohm", 2880, 3240, 375, 255, 11, false, left, noColor,
     false},
    {"Label5", "zelmarino::CaptionLabel", "ohm", 2880, 3960, 375, 255, 11, false, left, noColor,
     false},
    {"Label6", "zelmarino::CaptionLabel", "dB", 2880, 4680, 255, 255, 11, false, left, noColor,
     false},
    {"piti", "zelmarino::CaptionLabel", "", 2880, 1680, 735, 375, 13, false, left, noColor, true},
    {"LabelZin", "zelmarino::CaptionLabel", "", 1920, 1560, 615, 255, 11, true, left, noColor,
     true},
    {"LabelZout", "zelmarino::CaptionLabel", "", 4800, 1560, 495, 255, 11, true, right, noColor,
     true},
    {"Label7", "zelmarino::CaptionLabel", "Z in", 1920, 1320, 375, 255, 11, false, left, legendRed,
     true},
    {"Label8", "zelmarino::CaptionLabel", "Z out", 4920, 1320, 375, 255, 11, false, left, legendRed,
     true},
    {"tielle", "zelmarino::CaptionLabel", "", 2640, 600, 855, 255, 13, false, centre, noColor,
     true},
    {"ti", "zelmarino::CaptionLabel", "", 3840, 600, 615, 255, 11, false, centre, noColor, true},
    {"pielle", "zelmarino::CaptionLabel", "", 3480, 1680, 735, 255, 13, false, right, noColor,
     true},
    {"Label9", "zelmarino::CaptionLabel", "", 1800, 120, 3615, 255, 11, false, centre, messageRed,
     false},
    {"Image1", "zelmarino::PictureBox", "", 1800, 360, 3600, 2400, 11, false, left, noColor, false},
};

void PrintTo(const StoredControl& stored, std::ostream* out) {
    *out << stored.name;
}

QRect pixelsOf(const StoredControl& stored) {
    const auto px = [](int twips) { return qRound(twips / 15.0); };
    return {px(stored.left), px(stored.top), px(stored.width), px(stored.height)};
}

QString captionOf(QWidget* widget) {
    if (auto* label = qobject_cast<CaptionLabel*>(widget)) {
        return label->caption();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    return {};
}

Qt::Alignment horizontalAlignment(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->alignment() & Qt::AlignHorizontal_Mask;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->alignment() & Qt::AlignHorizontal_Mask;
    }
    if (qobject_cast<QPushButton*>(widget) != nullptr) {
        return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

std::map<QString, QRect> geometries(QWidget* clientArea) {
    std::map<QString, QRect> result;
    for (QWidget* child : clientArea->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        result[child->objectName()] = child->geometry();
    }
    return result;
}

class StoredLayout : public WindowTest, public ::testing::WithParamInterface<StoredControl> {};

TEST_P(StoredLayout, control_has_its_name_kind_caption_font_and_look) {
    const StoredControl& stored = GetParam();
    QWidget* widget = control(stored.name.c_str());
    ASSERT_NE(widget, nullptr);
    EXPECT_STREQ(widget->metaObject()->className(), stored.className);
    EXPECT_EQ(captionOf(widget), stored.caption);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(widget->isEnabled());
    if (stored.name != "Image1") {
        EXPECT_EQ(widget->font().family(), formFontFamily());
        EXPECT_EQ(QFontInfo(widget->font()).pixelSize(), stored.pixelSize);
        EXPECT_EQ(widget->font().bold(), stored.bold);
        EXPECT_EQ(horizontalAlignment(widget), stored.alignment);
    }
    if (stored.color.isValid()) {
        EXPECT_EQ(widget->palette().color(QPalette::WindowText), stored.color);
    }
    if (qobject_cast<CaptionLabel*>(widget) != nullptr) {
        EXPECT_EQ(widget->autoFillBackground(), !stored.transparent) << "transparency";
    }
}

// The width a control's caption needs in the font in use.
int neededWidth(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QFontMetricsF metrics(label->font());
        return static_cast<int>(std::ceil(std::max(metrics.horizontalAdvance(label->text()),
                                                   metrics.boundingRect(label->text()).right())));
    }
    return widget->sizeHint().width();
}

TEST_P(StoredLayout, control_stands_at_its_stored_place_and_size) {
    const StoredControl& stored = GetParam();
    QWidget* widget = control(stored.name.c_str());
    ASSERT_NE(widget, nullptr);
    const QRect expected = pixelsOf(stored);
    const QRect shown = widget->geometry();
    EXPECT_EQ(shown.top(), expected.top());
    EXPECT_EQ(shown.height(), expected.height());
    if (qobject_cast<QLineEdit*>(widget) != nullptr || stored.name == "Image1") {
        EXPECT_EQ(shown, expected);
        return;
    }
    // A caption wider than its control in the font in use widens it around its anchor, only
    // as far as the caption needs (Liberation Sans does so by a few pixels for Option1,
    // Option3, Option4, Label1 and Label8).
    EXPECT_GE(shown.width(), expected.width());
    if (shown.width() > expected.width()) {
        EXPECT_EQ(shown.width(), neededWidth(widget));
    }
    const Qt::Alignment anchor = horizontalAlignment(widget);
    if (anchor.testFlag(Qt::AlignRight)) {
        EXPECT_EQ(shown.right(), expected.right());
    } else if (anchor.testFlag(Qt::AlignHCenter)) {
        EXPECT_LE(std::abs(shown.left() + shown.right() - expected.left() - expected.right()), 1);
    } else {
        EXPECT_EQ(shown.left(), expected.left());
    }
}

INSTANTIATE_TEST_SUITE_P(Controls, StoredLayout, ::testing::ValuesIn(storedLayout), CaseName{});

using Form1Window = WindowTest;

TEST_F(Form1Window, has_its_caption_icon_and_client_area_of_374_by_355_pixels) {
    EXPECT_EQ(form().objectName(), "Form1");
    EXPECT_EQ(form().windowTitle(), "Zelmarino 1.0 di Ostrelvo");
    EXPECT_EQ(form().clientArea()->size(), QSize(374, 355));
    EXPECT_EQ(form().clientArea()->geometry().top(), form().menuBar()->geometry().bottom() + 1);
    const QIcon icon = form().windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).toImage().pixelColor(20, 14).red(), 255)
        << "the red marking of the component";
}

TEST_F(Form1Window, menu_bar_is_in_the_form_typeface_so_only_one_family_is_loaded) {
    EXPECT_EQ(form().menuBar()->font().family(), formFontFamily());
    EXPECT_EQ(QFontInfo(form().menuBar()->font()).pixelSize(), 11);
}

TEST_F(Form1Window, is_an_ordinary_resizable_window) {
    EXPECT_NE(form().minimumSize(), form().maximumSize());
    EXPECT_FALSE(form().windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
    EXPECT_TRUE(form().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form().windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(Form1Window, menu_bar_holds_one_item_that_acts_when_chosen) {
    const QList<QAction*> actions = form().menuBar()->actions();
    ASSERT_EQ(actions.size(), 1);
    QAction* about = actions.front();
    EXPECT_EQ(about->objectName(), "About");
    EXPECT_EQ(about->text(), "&Informazioni");
    EXPECT_EQ(about->menu(), nullptr) << "no drop-down";

    QSignalSpy chosen(about, &QAction::triggered);
    QTest::mouseClick(form().menuBar(), Qt::LeftButton, Qt::NoModifier,
                      form().menuBar()->actionGeometry(about).center());
    EXPECT_EQ(chosen.count(), 1);
    QTest::keyClick(&form(), Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(chosen.count(), 2) << "Alt+I, its access key";
}

TEST_F(Form1Window, starts_with_no_network_empty_fields_and_the_initial_t_picture) {
    for (NetworkType network :
         {NetworkType::Pi, NetworkType::T, NetworkType::LLess, NetworkType::LGreater}) {
        EXPECT_FALSE(option(network)->isChecked());
    }
    for (TextBox textBox : {TextBox::Text1, TextBox::Text2, TextBox::Text3}) {
        EXPECT_TRUE(box(textBox)->text().isEmpty());
    }
    for (Label value : {Label::Label9, Label::LabelZin, Label::LabelZout, Label::piti,
                        Label::pielle, Label::tielle, Label::ti}) {
        EXPECT_EQ(caption(value), "");
    }
    auto* image = qobject_cast<QLabel*>(control("Image1"));
    ASSERT_NE(image, nullptr);
    const QImage shown = image->pixmap().toImage();
    EXPECT_EQ(shown.size(), QSize(236, 156));
    EXPECT_EQ(
        shown.convertToFormat(QImage::Format_RGB32),
        QImage(QStringLiteral(":/zelmarino/initial-t.gif")).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(image->frameWidth(), 2);
    EXPECT_EQ(state().NetworkType, NetworkType::None);
    EXPECT_EQ(state().Zin, 0.0F);
    EXPECT_EQ(state().Zout, 0.0F);
    EXPECT_EQ(state().K, 0.0);
}

TEST_F(Form1Window, tab_from_the_option_group_visits_the_boxes_then_calcola_then_cancella) {
    option(NetworkType::LGreater)->setFocus(Qt::TabFocusReason);
    const std::vector<const char*> order{"Text1", "Text2", "Text3", "Command1", "delete"};
    for (const char* expected : order) {
        pressTab();
        ASSERT_NE(focused(), nullptr);
        EXPECT_EQ(focused()->objectName(), expected);
    }
    pressTab();
    EXPECT_TRUE(focused()->objectName().startsWith("Option")) << "back to the option group";
}

TEST_F(Form1Window, tab_order_lists_the_option_buttons_first_in_their_order) {
    // Qt keeps one button of an exclusive group as its tab stop, as the option group has
    // one; the chain itself holds every focusable control in the stored order.
    const auto nextTabStop = [](QWidget* widget) {
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus);
        return widget;
    };
    const std::vector<const char*> order{"Option1", "Option2", "Option3",  "Option4", "Text1",
                                         "Text2",   "Text3",   "Command1", "delete",  "Option1"};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        EXPECT_EQ(nextTabStop(control(order[i])), control(order[i + 1]))
            << order[i] << " is followed by " << order[i + 1] << ", not by "
            << nextTabStop(control(order[i]))->metaObject()->className() << " "
            << nextTabStop(control(order[i]))->objectName().toStdString();
    }
    for (QLabel* label : form().findChildren<QLabel*>()) {
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << label->objectName().toStdString();
    }
}

TEST_F(Form1Window, option_group_is_one_tab_stop_at_the_chosen_network) {
    clickOption(NetworkType::LLess);
    ASSERT_EQ(focused(), box(TextBox::Text1));
    QTest::keyClick(focused(), Qt::Key_Backtab);
    EXPECT_EQ(focused(), option(NetworkType::LLess));
    pressTab();
    EXPECT_EQ(focused(), box(TextBox::Text1));
}

TEST_F(Form1Window, labels_on_the_schematic_lie_in_front_of_the_picture) {
    QWidget* clientArea = form().clientArea();
    for (const char* name :
         {"piti", "LabelZin", "LabelZout", "Label7", "Label8", "tielle", "ti", "pielle"}) {
        QWidget* label = control(name);
        EXPECT_TRUE(control("Image1")->geometry().contains(label->geometry())) << name;
        EXPECT_EQ(clientArea->childAt(label->geometry().center()), label) << name;
    }
    const QWidget* message = control("Label9");
    EXPECT_EQ(clientArea->childAt(message->geometry().center()), message);
}

TEST_F(Form1Window, resizing_the_window_moves_nothing) {
    const auto before = geometries(form().clientArea());
    for (const QSize size : {QSize(800, 600), QSize(200, 150), QSize(374, 380)}) {
        form().resize(size);
        QApplication::processEvents();
        EXPECT_EQ(geometries(form().clientArea()), before)
            << "after resizing to " << size.width() << " x " << size.height();
    }
}

} // namespace
} // namespace zelmarino::testing
