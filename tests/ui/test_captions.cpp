// "No text is ever cut" and the symbol character set, measured on the real labels in the
// font in use: every stored caption, the messages and the widest values the calculation
// produces.
#include "calc/calculator.h"
#include "tests/ui/window_fixture.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <cmath>
#include <ostream>
#include <vector>

namespace zelmarino::testing {
namespace {

// The label shows `text` whole: its width holds the text's advance and ink, and its top,
// height and alignment anchor are those it is stored with.
void expectShownWhole(const CaptionLabel& label, const QString& text) {
    const QFontMetricsF metrics(label.font());
    const double needed =
        std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right());
    const QRect shown = label.geometry();
    const QRect stored = label.storedGeometry();
    const std::string what =
        label.objectName().toStdString() + " showing \"" + text.toStdString() + "\"";
    EXPECT_GE(shown.width(), needed) << what;
    EXPECT_LE(metrics.height(), shown.height()) << what;
    EXPECT_EQ(shown.top(), stored.top()) << what;
    EXPECT_EQ(shown.height(), stored.height()) << what;
    const Qt::Alignment alignment = label.alignment();
    if (alignment.testFlag(Qt::AlignRight)) {
        EXPECT_EQ(shown.right(), stored.right()) << what;
    } else if (alignment.testFlag(Qt::AlignHCenter)) {
        EXPECT_LE(std::abs((shown.left() + shown.right()) - (stored.left() + stored.right())), 1)
            << what;
    } else {
        EXPECT_EQ(shown.left(), stored.left()) << what;
    }
    EXPECT_GE(shown.width(), stored.width()) << what;
}

struct CaptionCase {
    std::string name;
    Label label;
    std::string caption;
};

void PrintTo(const CaptionCase& c, std::ostream* out) {
    *out << c.name;
}

// The widest strings each label can be given: impedances as SingleText writes them, resistor
// values from the five ranges (negative ones with their sign) and the four messages.
std::vector<CaptionCase> widestCaptions() {
    const std::vector<std::string> values{"0.000W", "-0.05W",     "0.123 W",     "-0.123 W",
                                          " 9.9 W", "-8.5 W",     " 10000 W",    "-9999 W",
                                          " 19 KW", "-169887 KW", " 6557640 KW", " 999999999 KW"};
    const std::vector<std::string> impedances{"1.234568E+07", "3.402823E+38", "1.175494E-38",
                                              "0.1234567", "1234567"};
    const std::vector<std::string> messages{
        std::string(negativeValueMessage), std::string(divisionByZeroMessage),
        std::string(overflowMessage), std::string(invalidOperationMessage)};

    std::vector<CaptionCase> cases;
    const auto add = [&cases](const char* labelName, Label label,
                              const std::vector<std::string>& captions) {
        int n = 0;
        for (const std::string& caption : captions) {
            cases.push_back({std::string(labelName) + "_" + std::to_string(n++), label, caption});
        }
    };
    add("piti", Label::piti, values);
    add("pielle", Label::pielle, values);
    add("tielle", Label::tielle, values);
    add("ti", Label::ti, values);
    add("LabelZin", Label::LabelZin, impedances);
    add("LabelZout", Label::LabelZout, impedances);
    add("Label9", Label::Label9, messages);
    return cases;
}

class WidestCaption : public WindowTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(WidestCaption, is_shown_whole_around_the_labels_anchor) {
    const CaptionCase& c = GetParam();
    form().setCaption(c.label, c.caption);
    EXPECT_EQ(caption(c.label), c.caption) << "the caption reads back exactly as written";
    expectShownWhole(*label(c.label), label(c.label)->text());
}

INSTANTIATE_TEST_SUITE_P(Captions, WidestCaption, ::testing::ValuesIn(widestCaptions()),
                         CaseName{});

using StoredCaptions = WindowTest;

TEST_F(StoredCaptions, every_label_caption_is_shown_whole) {
    for (CaptionLabel* label : form().findChildren<CaptionLabel*>()) {
        expectShownWhole(*label, label->text());
    }
}

TEST_F(StoredCaptions, every_option_and_command_button_caption_fits_its_button) {
    for (QAbstractButton* button : form().findChildren<QAbstractButton*>()) {
        QStyleOptionButton styleOption;
        styleOption.initFrom(button);
        styleOption.text = button->text();
        const QStyle::SubElement contents = qobject_cast<QRadioButton*>(button) != nullptr
                                                ? QStyle::SE_RadioButtonContents
                                                : QStyle::SE_PushButtonContents;
        const QRect room = button->style()->subElementRect(contents, &styleOption, button);
        const double needed = QFontMetricsF(button->font()).horizontalAdvance(button->text());
        EXPECT_GE(room.width(), needed) << button->objectName().toStdString();
    }
}

TEST_F(StoredCaptions, a_caption_that_fits_again_gives_back_the_stored_width) {
    form().setCaption(Label::piti, "-169887 KW");
    form().setCaption(Label::piti, " 50 W");
    EXPECT_EQ(label(Label::piti)->geometry(), label(Label::piti)->storedGeometry());
}

using SymbolCharacterSet = WindowTest;

TEST_F(SymbolCharacterSet, resistor_labels_show_w_as_omega_and_keep_the_caption) {
    for (Label value : {Label::piti, Label::pielle, Label::tielle, Label::ti}) {
        form().setCaption(value, " 150 W");
        EXPECT_EQ(caption(value), " 150 W");
        EXPECT_EQ(label(value)->text(), QStringLiteral(" 150 \u03A9"));
        form().setCaption(value, " 12 KW");
        EXPECT_EQ(caption(value), " 12 KW");
        EXPECT_EQ(label(value)->text(), QStringLiteral(" 12 \u039A\u03A9"))
            << "Symbol's K is kappa";
    }
}

TEST_F(SymbolCharacterSet, impedance_labels_show_the_same_string_as_written) {
    form().setCaption(Label::LabelZin, " 150 W");
    EXPECT_EQ(label(Label::LabelZin)->text(), " 150 W");
}

TEST_F(SymbolCharacterSet, value_labels_are_read_out_as_seen_in_ohms) {
    form().setCaption(Label::pielle, " 150 W");
    EXPECT_EQ(label(Label::pielle)->accessibleName(), QStringLiteral(" 150 \u2126"));
    form().setCaption(Label::ti, "-169887 KW");
    EXPECT_EQ(label(Label::ti)->accessibleName(), QStringLiteral("\u2212169887 K\u2126"));
    form().setCaption(Label::LabelZin, "75");
    EXPECT_EQ(label(Label::LabelZin)->accessibleName(), "75");
}

// What is painted, not only the text held: the W of a value is drawn as the omega.
TEST_F(SymbolCharacterSet, the_omega_is_what_is_drawn) {
    CaptionLabel* piti = label(Label::piti);
    const auto render = [piti](const QString& text) {
        QImage image(piti->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(piti->font());
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), static_cast<int>(piti->alignment()), text);
        return image;
    };
    form().setCaption(Label::piti, "W");
    QImage drawn(piti->size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    piti->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(drawn, render(QStringLiteral("\u03A9")));
    EXPECT_NE(drawn, render("W"));
}

} // namespace
} // namespace zelmarino::testing
