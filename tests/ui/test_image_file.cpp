// The program's own pictures, read with their format named.
#include "tests/ui/window_fixture.h"
#include "ui/image_file.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace zelmarino::testing
