// FormatResistors: the message for a negative value, and the record keeping kilo-ohms.
#include "harness.h"

#include <gtest/gtest.h>

#include <string>

namespace zelmarino {
namespace {

struct MessageCase {
    std::string name;
    double r1, r2, r3;
    bool message;
};

class FormatResistorsTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(FormatResistorsTest, warns_once_when_any_value_is_negative) {
    testing::Harness harness;
    DesignState& state = harness.calculator.state();
    state.R1 = GetParam().r1;
    state.R2 = GetParam().r2;
    state.R3 = GetParam().r3;
    harness.calculator.FormatResistors();
    const bool message = GetParam().message;
    EXPECT_EQ(harness.caption(Label::Label9),
              message ? std::string(negativeValueMessage) : std::string());
    EXPECT_EQ(harness.view.beeps, message ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Signs, FormatResistorsTest,
                         ::testing::Values(MessageCase{"all_zero", 0, 0, 0, false},
                                           MessageCase{"all_positive", 1, 2, 3, false},
                                           MessageCase{"negative_zero", -0.0, 1, 0, true},
                                           MessageCase{"negative_zero_last", 0, 0, -0.0, true},
                                           MessageCase{"first_negative", -1, 2, 3, true},
                                           MessageCase{"last_negative", 1, 2, -3, true},
                                           MessageCase{"all_negative", -1, -2, -3, true}),
                         testing::CaseName{});

TEST(FormatResistors, formats_all_three_and_keeps_kilo_ohms) {
    testing::Harness harness;
    DesignState& state = harness.calculator.state();
    state.R1 = 1;
    state.R2 = -1;
    state.R3 = 20000;
    harness.calculator.FormatResistors();
    EXPECT_EQ(state.S1, " 1 W");
    EXPECT_EQ(state.S2, "-1 W");
    EXPECT_EQ(state.S3, " 20 KW");
    EXPECT_EQ(state.R3, 20);
    EXPECT_EQ(harness.view.beeps, 1);
}

} // namespace
} // namespace zelmarino
