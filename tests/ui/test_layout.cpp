// The main window as a user sees it. Its controls come from the one stored table
// (ui/form1_layout.h): each is built as the table says, and the table itself is judged by what
// it puts on the screen: everything inside the window, rows and columns lined up, nothing
// overlapping but the labels drawn on the schematic. Then the window itself, its start state,
// the tab order, the stacking over the picture and resizing.
#include "tests/ui/window_fixture.h"
#include "ui/fonts.h"
#include "ui/form1_layout.h"
#include "ui/picture_box.h"
#include "version.h"

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
#include <string>
#include <vector>

namespace zelmarino::testing {
namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string nameOf(const StoredControl& stored) {
    return std::string(stored.name);
}

QRect storedPixels(const StoredControl& stored) {
    const TwipsRect& twips = stored.geometry;
    return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

bool isKind(QWidget* widget, ControlKind kind) {
    switch (kind) {
    case ControlKind::OptionButton:
        return qobject_cast<QRadioButton*>(widget) != nullptr;
    case ControlKind::Label:
        return qobject_cast<CaptionLabel*>(widget) != nullptr;
    case ControlKind::TextBox:
        return qobject_cast<QLineEdit*>(widget) != nullptr;
    case ControlKind::CommandButton:
        return qobject_cast<QPushButton*>(widget) != nullptr;
    case ControlKind::Picture:
        return qobject_cast<PictureBox*>(widget) != nullptr;
    }
    return false;
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

// The width a control's caption needs in the font in use.
int neededWidth(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QFontMetricsF metrics(label->font());
        return static_cast<int>(std::ceil(std::max(metrics.horizontalAdvance(label->text()),
                                                   metrics.boundingRect(label->text()).right())));
    }
    return widget->sizeHint().width();
}

// The vertical middle of a rectangle, in whole pixels.
int middle(const QRect& rect) {
    return rect.center().y();
}

bool spansRow(const QRect& rect, int y) {
    return rect.top() <= y && y <= rect.bottom();
}

class BuiltFromTable : public WindowTest, public ::testing::WithParamInterface<StoredControl> {};

TEST_P(BuiltFromTable, control_has_its_kind_caption_font_and_look) {
    const StoredControl& stored = GetParam();
    QWidget* widget = control(nameOf(stored).c_str());
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(isKind(widget, stored.kind)) << widget->metaObject()->className();
    EXPECT_EQ(captionOf(widget), qText(stored.caption));
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(widget->isEnabled());
    if (stored.kind != ControlKind::Picture) {
        EXPECT_EQ(widget->font().family(), formFontFamily());
        EXPECT_EQ(QFontInfo(widget->font()).pixelSize(), pixelsAt96Dpi(stored.points));
        EXPECT_EQ(widget->font().bold(), stored.bold);
        EXPECT_EQ(horizontalAlignment(widget), stored.alignment);
    }
    if (stored.color != 0) {
        EXPECT_EQ(widget->palette().color(QPalette::WindowText), QColor::fromRgb(stored.color));
    }
    if (stored.kind == ControlKind::Label) {
        EXPECT_EQ(widget->autoFillBackground(), !stored.transparent) << "transparency";
    }
}

TEST_P(BuiltFromTable, control_stands_at_its_stored_place_widened_only_for_its_caption) {
    const StoredControl& stored = GetParam();
    QWidget* widget = control(nameOf(stored).c_str());
    ASSERT_NE(widget, nullptr);
    const QRect expected = storedPixels(stored);
    const QRect shown = widget->geometry();
    if (stored.kind == ControlKind::TextBox || stored.kind == ControlKind::Picture) {
        EXPECT_EQ(shown, expected);
        return;
    }
    EXPECT_EQ(shown.top(), expected.top());
    EXPECT_EQ(shown.height(), expected.height());
    EXPECT_GE(shown.width(), expected.width());
    if (shown.width() > expected.width()) {
        EXPECT_EQ(shown.width(), neededWidth(widget)) << "no wider than the caption needs";
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

// Names each case after its control.
struct ControlName {
    std::string operator()(const ::testing::TestParamInfo<StoredControl>& param) const {
        return nameOf(param.param);
    }
};

INSTANTIATE_TEST_SUITE_P(Controls, BuiltFromTable, ::testing::ValuesIn(form1Layout), ControlName{});

// What the stored table puts on the screen, judged by the rules a form is drawn to.
class WhatTheUserSees : public WindowTest {
protected:
    QRect shown(const char* name) {
        QWidget* widget = control(name);
        return widget != nullptr ? widget->geometry() : QRect();
    }
};

TEST_F(WhatTheUserSees, every_control_lies_wholly_inside_the_client_area) {
    const QRect area = form().clientArea()->rect();
    for (const StoredControl& stored : form1Layout) {
        EXPECT_TRUE(area.contains(shown(nameOf(stored).c_str()))) << stored.name;
    }
}

TEST_F(WhatTheUserSees, controls_off_the_schematic_overlap_nothing_but_the_pictures_frame) {
    std::vector<const StoredControl*> opaque;
    for (const StoredControl& stored : form1Layout) {
        if (!stored.transparent) {
            opaque.push_back(&stored);
        }
    }
    const QRect picture = shown("Image1");
    for (std::size_t i = 0; i < opaque.size(); ++i) {
        for (std::size_t j = i + 1; j < opaque.size(); ++j) {
            const std::string a = nameOf(*opaque[i]);
            const std::string b = nameOf(*opaque[j]);
            const QRect overlap = shown(a.c_str()).intersected(shown(b.c_str()));
            if (overlap.isEmpty()) {
                continue;
            }
            // The message line may touch the top of the picture's frame, never its drawing.
            const bool messageOnFrame =
                (a == "Label9" || b == "Label9") && (a == "Image1" || b == "Image1") &&
                overlap.bottom() < picture.top() + PictureBox::frameThickness;
            EXPECT_TRUE(messageOnFrame) << a << " overlaps " << b;
        }
    }
}

TEST_F(WhatTheUserSees, option_buttons_stand_in_one_evenly_spaced_column_in_network_order) {
    const std::vector<QRect> options{shown("Option1"), shown("Option2"), shown("Option3"),
                                     shown("Option4")};
    for (std::size_t i = 1; i < options.size(); ++i) {
        EXPECT_EQ(options[i].left(), options[0].left()) << "Option" << i + 1;
        EXPECT_GT(options[i].top(), options[i - 1].bottom()) << "Option" << i + 1;
        EXPECT_EQ(options[i].top() - options[i - 1].top(), options[1].top() - options[0].top());
    }
}

struct EntryRow {
    const char* caption;
    const char* box;
    const char* unit;
    QString unitText;
};

TEST_F(WhatTheUserSees, entry_rows_read_caption_box_unit_from_left_to_right_top_to_bottom) {
    const std::vector<EntryRow> rows{{"Label1", "Text1", "Label4", "ohm"},
                                     {"Label2", "Text2", "Label5", "ohm"},
                                     {"Label3", "Text3", "Label6", "dB"}};
    const QRect firstBox = shown(rows.front().box);
    int previousBottom = shown("Image1").bottom();
    for (const EntryRow& row : rows) {
        const QRect caption = shown(row.caption);
        const QRect box = shown(row.box);
        const QRect unit = shown(row.unit);
        EXPECT_LT(caption.right(), box.left()) << row.caption;
        EXPECT_LT(box.right(), unit.left()) << row.unit;
        EXPECT_TRUE(spansRow(box, middle(caption))) << row.caption << " beside " << row.box;
        EXPECT_TRUE(spansRow(box, middle(unit))) << row.unit << " beside " << row.box;
        EXPECT_EQ(captionOf(control(row.unit)), row.unitText);
        EXPECT_EQ(box.left(), firstBox.left()) << "the boxes stand in one column";
        EXPECT_EQ(box.width(), firstBox.width());
        EXPECT_GT(box.top(), previousBottom) << row.box << " below the row above";
        previousBottom = box.bottom();
    }
}

TEST_F(WhatTheUserSees, cancella_stands_at_the_first_entry_row_and_calcola_at_the_last) {
    const QRect cancella = shown("delete");
    const QRect calcola = shown("Command1");
    EXPECT_TRUE(spansRow(cancella, middle(shown("Text1"))));
    EXPECT_TRUE(spansRow(calcola, middle(shown("Text3"))));
    EXPECT_EQ(cancella.left(), calcola.left());
    EXPECT_EQ(cancella.width(), calcola.width());
    for (const char* unit : {"Label4", "Label5", "Label6"}) {
        EXPECT_GT(cancella.left(), shown(unit).right()) << "right of " << unit;
    }
}

TEST_F(WhatTheUserSees, picture_stands_right_of_the_options_under_its_centred_message_line) {
    const QRect picture = shown("Image1");
    for (const char* option : {"Option1", "Option2", "Option3", "Option4"}) {
        EXPECT_GT(picture.left(), shown(option).right()) << option;
    }
    const QRect message = shown("Label9");
    EXPECT_LT(message.top(), picture.top());
    EXPECT_LE(std::abs(message.center().x() - picture.center().x()), 1) << "centred over it";
}

TEST_F(WhatTheUserSees, labels_on_the_schematic_lie_in_front_of_the_picture) {
    QWidget* clientArea = form().clientArea();
    for (const StoredControl& stored : form1Layout) {
        if (!stored.transparent) {
            continue;
        }
        QWidget* label = control(nameOf(stored).c_str());
        EXPECT_TRUE(control("Image1")->geometry().contains(label->geometry())) << stored.name;
        EXPECT_EQ(clientArea->childAt(label->geometry().center()), label) << stored.name;
    }
    const QWidget* message = control("Label9");
    EXPECT_EQ(clientArea->childAt(message->geometry().center()), message);
}

std::map<QString, QRect> geometries(QWidget* clientArea) {
    std::map<QString, QRect> result;
    for (QWidget* child : clientArea->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        result[child->objectName()] = child->geometry();
    }
    return result;
}

using Form1Window = WindowTest;

TEST_F(Form1Window, has_its_caption_icon_and_client_area_of_374_by_355_pixels) {
    // "Zelmarino 1.0 di Ostrelvo": the name and the first two numbers of the version.
    const QString majorMinor = QString::fromUtf8(applicationVersion).section(u'.', 0, 1);
    EXPECT_EQ(form().objectName(), "Form1");
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Zelmarino %1 di Ostrelvo").arg(majorMinor));
    EXPECT_EQ(form().clientArea()->size(), QSize(374, 355));
    EXPECT_EQ(form().clientArea()->geometry().top(), form().menuBar()->geometry().bottom() + 1);
    const QIcon icon = form().windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).toImage().pixelColor(20, 14).red(), 255)
        << "the red marking of the component";
}

TEST_F(Form1Window, menu_bar_is_in_the_form_typeface) {
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
    for (design::Network network :
         {design::Network::Pi, design::Network::T, design::Network::LOut, design::Network::LIn}) {
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
    EXPECT_EQ(state().NetworkType, std::nullopt);
    EXPECT_EQ(state().Zin, 0.0F);
    EXPECT_EQ(state().Zout, 0.0F);
    EXPECT_EQ(state().K, 0.0);
}

TEST_F(Form1Window, tab_from_the_option_group_visits_the_boxes_then_calcola_then_cancella) {
    option(design::Network::LIn)->setFocus(Qt::TabFocusReason);
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
    clickOption(design::Network::LOut);
    ASSERT_EQ(focused(), box(TextBox::Text1));
    QTest::keyClick(focused(), Qt::Key_Backtab);
    EXPECT_EQ(focused(), option(design::Network::LOut));
    pressTab();
    EXPECT_EQ(focused(), box(TextBox::Text1));
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
