// What a refusal echoes of the text typed: short, one line, nothing a terminal would obey.
#include "cli/option_values.h"
#include "tests/cli/case_name.h"

#include <gtest/gtest.h>

#include <string>

namespace zelmarino::cli {
namespace {

struct Echo {
    const char* name;
    std::string typed;
    std::string echoed;
};

class Quotes : public ::testing::TestWithParam<Echo> {};

TEST_P(Quotes, what_was_typed_safely) {
    EXPECT_EQ(cli::quoted(GetParam().typed), GetParam().echoed);
}

const std::string forty(40, '7');

INSTANTIATE_TEST_SUITE_P(
    Texts, Quotes,
    ::testing::Values(
        Echo{"plain", "2.2k", "'2.2k'"}, Echo{"empty", "", "''"},
        Echo{"forty_characters_whole", forty, "'" + forty + "'"},
        Echo{"longer_cut_with_an_ellipsis", forty + "1", "'" + forty.substr(0, 39) + "\u2026'"},
        Echo{"escape_sequence", "\x1b[31m220", "'\\e[31m220'"},
        Echo{"line_break_and_tab", "1\n2\t3\r", "'1\\n2\\t3\\r'"},
        Echo{"other_controls_in_hexadecimal", std::string("a\0b\x7f", 4), "'a\\x00b\\x7f'"},
        Echo{"c1_control_in_utf8", "a\u009b31m", "'a\\u009b31m'"},
        Echo{"invalid_utf8_bytes", "a\xff\xc3", "'a\\xff\\xc3'"},
        Echo{"utf8_kept", "1\u00b5W \u03a9", "'1\u00b5W \u03a9'"},
        // 38 sevens then a two-byte letter: counted as one character, kept or cut whole.
        Echo{"utf8_counted_as_one", forty.substr(0, 38) + "\u00b5\u00b5",
             "'" + forty.substr(0, 38) + "\u00b5\u00b5'"},
        Echo{"utf8_not_cut_in_half", forty.substr(0, 38) + "\u00b5\u00b5\u00b5",
             "'" + forty.substr(0, 38) + "\u00b5\u2026'"},
        // An escape is never cut in half either: it goes whole before the ellipsis or not at all.
        Echo{"escape_not_cut_in_half", forty.substr(0, 38) + "\x1b" + "xyz",
             "'" + forty.substr(0, 38) + "\u2026'"}),
    testing::CaseName{});

} // namespace
} // namespace zelmarino::cli
