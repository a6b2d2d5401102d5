// The program's own pictures, read with their format named, and the style's overflow arrow,
// which must be the very arrow Qt's style would have drawn.
#include "tests/ui/window_fixture.h"
#include "ui/form_style.h"
#include "ui/image_file.h"

#include <QStyleFactory>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace zelmarino::testing {
namespace {

struct ReadCase {
    std::string name;
    QString fileName;
    const char* format;
    QSize expected; // 0 x 0: the read fails
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadImage : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadImage, reads_the_named_format_and_nothing_else) {
    const ReadCase& c = GetParam();
    const QImage image = readImage(c.fileName, c.format);
    EXPECT_EQ(image.size(), c.expected);
    EXPECT_EQ(image.isNull(), c.expected.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, ReadImage,
    ::testing::Values(
        ReadCase{"icon", QStringLiteral(":/zelmarino/zelmarino-32.png"), "png", {32, 32}},
        ReadCase{"initial_picture", QStringLiteral(":/zelmarino/initial-t.gif"), "gif", {236, 156}},
        ReadCase{"about_picture", QStringLiteral(":/zelmarino/about.bmp"), "bmp", {90, 134}},
        ReadCase{"a_png_named_a_gif_is_not_sniffed",
                 QStringLiteral(":/zelmarino/zelmarino-32.png"),
                 "gif",
                 {0, 0}},
        ReadCase{"a_gif_named_a_png_is_not_sniffed",
                 QStringLiteral(":/zelmarino/initial-t.gif"),
                 "png",
                 {0, 0}},
        ReadCase{"missing_file", QStringLiteral(":/zelmarino/missing.png"), "png", {0, 0}}),
    CaseName{});

QImage arrow(const QStyle& style, const QWidget& widget, QSize size) {
    return style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, &widget)
        .pixmap(size)
        .toImage();
}

TEST(FormStyle, draws_the_overflow_arrow_of_the_style_it_stands_for) {
    const FormStyle style;
    const std::unique_ptr<QStyle> base(QStyleFactory::create(style.baseStyle()->name()));
    ASSERT_NE(base, nullptr);
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QWidget widget;
        widget.setLayoutDirection(direction);
        for (const QSize size : {QSize(8, 5), QSize(16, 10), QSize(32, 20)}) {
            const QImage expected = arrow(*base, widget, size);
            ASSERT_FALSE(expected.isNull());
            EXPECT_EQ(arrow(style, widget, size), expected) << direction << " " << size.width();
        }
    }
}

TEST(FormStyle, leaves_every_other_icon_to_the_style) {
    const FormStyle style;
    const std::unique_ptr<QStyle> base(QStyleFactory::create(style.baseStyle()->name()));
    ASSERT_NE(base, nullptr);
    for (const QStyle::StandardPixmap icon :
         {QStyle::SP_MessageBoxInformation, QStyle::SP_ToolBarVerticalExtensionButton}) {
        EXPECT_EQ(static_cast<const QStyle&>(style).standardIcon(icon).pixmap(16).toImage(),
                  base->standardIcon(icon).pixmap(16).toImage())
            << icon;
    }
}

} // namespace
} // namespace zelmarino::testing
