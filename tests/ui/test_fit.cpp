// The small rules beside the window: widening around the alignment anchor, the symbol
// character set, the pixel sizes of the stored point sizes, twips to pixels.
#include "tests/ui/window_fixture.h"
#include "ui/fit.h"
#include "ui/fonts.h"
#include "ui/form1_layout.h"
#include "ui/symbol_text.h"

#include <QFontDatabase>

#include <ostream>

namespace zelmarino::testing {
namespace {

struct FitCase {
    std::string name;
    QRect stored;
    int needed;
    Qt::Alignment alignment;
    QRect expected;
};

void PrintTo(const FitCase& c, std::ostream* out) {
    *out << c.name;
}

class FittedGeometry : public ::testing::TestWithParam<FitCase> {};

TEST_P(FittedGeometry, widens_around_the_anchor_keeping_top_and_height) {
    const FitCase& c = GetParam();
    EXPECT_EQ(fittedGeometry(c.stored, c.needed, c.alignment), c.expected);
}

const QRect stored(100, 40, 50, 17);

INSTANTIATE_TEST_SUITE_P(
    Rule, FittedGeometry,
    ::testing::Values(
        FitCase{"fitting_text_keeps_the_stored_geometry", stored, 50, Qt::AlignLeft, stored},
        FitCase{"narrow_text_keeps_the_stored_geometry", stored, 10, Qt::AlignRight, stored},
        FitCase{"left_aligned_grows_to_the_right", stored, 80, Qt::AlignLeft,
                QRect(100, 40, 80, 17)},
        FitCase{"right_aligned_grows_to_the_left", stored, 80, Qt::AlignRight,
                QRect(70, 40, 80, 17)},
        FitCase{"centred_grows_on_both_sides", stored, 80, Qt::AlignHCenter, QRect(85, 40, 80, 17)},
        FitCase{"centred_odd_growth_keeps_the_centre_within_half_a_pixel", stored, 81,
                Qt::AlignHCenter, QRect(85, 40, 81, 17)},
        FitCase{"vertical_flags_do_not_matter", stored, 80, Qt::AlignRight | Qt::AlignTop,
                QRect(70, 40, 80, 17)}),
    CaseName{});

TEST(TextWidth, is_zero_for_no_text_and_grows_with_the_text) {
    const QFont font = formFont(8.25);
    EXPECT_EQ(textWidth(font, QString()), 0);
    EXPECT_GT(textWidth(font, "WW"), textWidth(font, "W"));
}

struct SymbolCase {
    std::string name;
    QString written;
    QString shown;
};

void PrintTo(const SymbolCase& c, std::ostream* out) {
    *out << c.name;
}

class SymbolText : public ::testing::TestWithParam<SymbolCase> {};

TEST_P(SymbolText, maps_the_symbol_character_set_to_unicode) {
    EXPECT_EQ(symbolText(GetParam().written), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SymbolText,
    ::testing::Values(SymbolCase{"ohms", " 150 W", QStringLiteral(" 150 \u03A9")},
                      SymbolCase{"small_ohms", "0.012W", QStringLiteral("0.012\u03A9")},
                      SymbolCase{"kilo_ohms", " 12 KW", QStringLiteral(" 12 \u039A\u03A9")},
                      SymbolCase{"minus_sign", "-8.5 W", QStringLiteral("\u22128.5 \u03A9")},
                      SymbolCase{"greek_letters", "abgpqD",
                                 QStringLiteral("\u03B1\u03B2\u03B3\u03C0"
                                                u"\u03B8\u0394")},
                      SymbolCase{"empty", "", ""},
                      SymbolCase{"beyond_ascii_unchanged", QStringLiteral("\u00E8"),
                                 QStringLiteral("\u00E8")}),
    CaseName{});

TEST(SymbolAccessibleText, reads_ohms_and_kilo_ohms) {
    EXPECT_EQ(symbolAccessibleText(" 150 W"), QStringLiteral(" 150 \u2126"));
    EXPECT_EQ(symbolAccessibleText(" 12 KW"), QStringLiteral(" 12 K\u2126"));
}

TEST(FormFonts, stored_point_sizes_are_96_dpi_pixels) {
    EXPECT_EQ(pixelsAt96Dpi(8.25), 11);
    EXPECT_EQ(pixelsAt96Dpi(9.75), 13);
    EXPECT_EQ(formFont(8.25).pixelSize(), 11);
    EXPECT_TRUE(formFont(9.75, true).bold());
}

TEST(FormFonts, a_scalable_ms_sans_serif_where_installed_else_liberation_sans) {
    const QString family = formFontFamily();
    const auto scalable = [](const QString& name) {
        return QFontDatabase::hasFamily(name) && QFontDatabase::isSmoothlyScalable(name);
    };
    if (scalable("Microsoft Sans Serif")) {
        EXPECT_EQ(family, "Microsoft Sans Serif");
    } else if (scalable("MS Sans Serif")) {
        EXPECT_EQ(family, "MS Sans Serif");
    } else if (scalable("Liberation Sans")) {
        EXPECT_EQ(family, "Liberation Sans");
    }
    EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(family)) << "a bitmap face cuts the captions";
    EXPECT_NE(family, "DejaVu Sans") << "too wide: it cuts the legends";
}

TEST(Twips, fifteen_to_the_pixel_to_the_nearest) {
    EXPECT_EQ(pixels(5610), 374);
    EXPECT_EQ(pixels(5325), 355);
    EXPECT_EQ(pixels(3244), 216);
    EXPECT_EQ(pixels(0), 0);
}

} // namespace
} // namespace zelmarino::testing
