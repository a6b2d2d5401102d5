// "Calcola": reading the attenuation, the dispatch, the T exchange and the failures.
#include "harness.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace zelmarino {
namespace {

using testing::Harness;

constexpr std::array valueLabels{Label::piti, Label::pielle, Label::tielle, Label::ti};

void writeOldCaptions(Harness& harness) {
    for (const Label label : valueLabels) {
        harness.view.setCaption(label, "old");
    }
}

TEST(Command1, without_a_network_clears_the_message_and_only_computes_K) {
    Harness harness;
    harness.view.setCaption(Label::Label9, "earlier message");
    writeOldCaptions(harness);
    harness.compute(std::nullopt, 50, 50, "20");
    EXPECT_EQ(harness.caption(Label::Label9), "");
    EXPECT_EQ(harness.state().K, 10.0);
    for (const Label label : valueLabels) {
        EXPECT_EQ(harness.caption(label), "old");
    }
}

TEST(Command1, derives_K_from_the_attenuation) {
    Harness harness;
    harness.compute(std::nullopt, 0, 0, "6");
    EXPECT_EQ(harness.state().K, 1.9952623149688795);
    harness.compute(std::nullopt, 0, 0, "12,5");
    EXPECT_EQ(harness.state().A, 12.0F);
    harness.compute(std::nullopt, 0, 0, "1 0");
    EXPECT_EQ(harness.state().A, 10.0F);
    harness.compute(std::nullopt, 0, 0, "");
    EXPECT_EQ(harness.state().K, 1.0);
    EXPECT_EQ(harness.view.focus, TextBox::Text3);
}

struct RejectedCase {
    std::string name;
    std::string text;
};

class RejectedAttenuationTest : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedAttenuationTest, empties_and_focuses_Text3_and_goes_on) {
    Harness harness;
    harness.design(design::Network::Pi, "50", "50", "10");
    harness.view.focus = TextBox::Text1;
    harness.view.type(TextBox::Text3, GetParam().text);
    harness.calculator.Command1_Click();
    EXPECT_EQ(harness.view.text(TextBox::Text3), "");
    EXPECT_EQ(harness.view.focus, TextBox::Text3);
    // The emptying ran Text3's handler, which committed Zout from Text2 again.
    EXPECT_EQ(harness.state().Zout, 50.0F);
}

INSTANTIATE_TEST_SUITE_P(Texts, RejectedAttenuationTest,
                         ::testing::Values(RejectedCase{"empty", ""}, RejectedCase{"zero", "0"},
                                           RejectedCase{"negative", "-3"},
                                           RejectedCase{"not_a_number", "abc"},
                                           RejectedCase{"beyond_single_range", "1e39"}),
                         testing::CaseName{});

TEST(Command1, negative_attenuation_goes_on_to_negative_values) {
    Harness harness;
    harness.design(design::Network::Pi, "50", "50", "-3");
    EXPECT_EQ(harness.view.text(TextBox::Text3), "");
    EXPECT_EQ(harness.caption(Label::piti), "-292 W");
    EXPECT_EQ(harness.caption(Label::Label9), negativeValueMessage);
}

struct FailureCase {
    std::string name;
    design::Network network;
    float zin, zout;
    std::string db;
    std::string_view message;
};

class FailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailureTest, stops_reports_and_leaves_the_labels) {
    const FailureCase& c = GetParam();
    Harness harness;
    writeOldCaptions(harness);
    harness.compute(c.network, c.zin, c.zout, c.db);
    EXPECT_EQ(harness.caption(Label::Label9), c.message);
    EXPECT_EQ(harness.view.beeps, 1);
    for (const Label label : valueLabels) {
        EXPECT_EQ(harness.caption(label), "old");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureTest,
    ::testing::Values(
        FailureCase{"pi_symmetric_no_loss", design::Network::Pi, 50, 50, "0",
                    divisionByZeroMessage},
        FailureCase{"pi_asymmetric_zout_zero", design::Network::Pi, 50, 0, "10",
                    divisionByZeroMessage},
        FailureCase{"pi_asymmetric_zin_zero", design::Network::Pi, 0, 50, "10",
                    divisionByZeroMessage},
        FailureCase{"pi_opposite_signs", design::Network::Pi, -50, 50, "10",
                    invalidOperationMessage},
        FailureCase{"pi_beyond_double_range", design::Network::Pi, 50, 50, "4000", overflowMessage},
        FailureCase{"t_no_loss", design::Network::T, 75, 50, "", divisionByZeroMessage},
        FailureCase{"t_opposite_signs", design::Network::T, 50, -50, "10", invalidOperationMessage},
        FailureCase{"t_square_root_fails_before_the_arms", design::Network::T, 50, -50, "0",
                    invalidOperationMessage},
        FailureCase{"l_less_nothing_entered", design::Network::LOut, 0, 0, "10",
                    invalidOperationMessage},
        FailureCase{"l_greater_zout_zero", design::Network::LIn, 50, 0, "10",
                    divisionByZeroMessage},
        FailureCase{"l_less_zin_zero", design::Network::LOut, 0, 50, "10", invalidOperationMessage},
        FailureCase{"l_less_equal_no_loss", design::Network::LOut, 50, 50, "0",
                    divisionByZeroMessage},
        FailureCase{"l_greater_equal_no_loss", design::Network::LIn, 50, 50, "0",
                    divisionByZeroMessage},
        FailureCase{"l_greater_loss_equals_ratio", design::Network::LIn, 100, 1, "20",
                    divisionByZeroMessage},
        FailureCase{"l_less_loss_times_ratio_is_one", design::Network::LOut, 1, 100, "20",
                    divisionByZeroMessage},
        FailureCase{"attenuation_beyond_single_range", design::Network::T, 75, 50, "1e39",
                    overflowMessage}),
    testing::CaseName{});

TEST(Command1, a_failure_keeps_what_was_stored_before_it) {
    Harness harness;
    harness.calculator.state().R1 = 7.0;
    harness.calculator.state().R2 = 7.0;
    harness.compute(design::Network::Pi, 0, 50, "10"); // fails at the output shunt
    EXPECT_EQ(harness.caption(Label::Label9), divisionByZeroMessage);
    EXPECT_EQ(harness.state().Ratio, 0.0);
    EXPECT_EQ(harness.state().R1, 0.0);
    EXPECT_EQ(harness.state().R2, 0.0);
}

TEST(Command1, the_failing_step_stores_its_result_before_it_is_tested) {
    Harness harness;
    harness.compute(design::Network::Pi, 50, 50, "0");
    EXPECT_TRUE(std::isinf(harness.state().R1));
    EXPECT_EQ(harness.state().R2, 0.0);
}

TEST(Command1, unequal_L_without_loss_is_no_failure) {
    Harness harness;
    harness.compute(design::Network::LOut, 75, 50, "0");
    EXPECT_EQ(harness.caption(Label::Label9), negativeValueMessage);
    EXPECT_EQ(harness.caption(Label::tielle), "-14 W");
}

// Without loss (K = 1) a Pi between unequal impedances has every arm zero, and the shunt arm
// on the larger impedance's side, the one that is negative below the minimum loss, comes out
// as a negative zero: the design cannot be built, and the message says so.
struct NoLossCase {
    std::string name;
    std::string zin, zout, db;
    Label negativeShunt;
    Label otherShunt;
};

class PiWithoutLossTest : public ::testing::TestWithParam<NoLossCase> {};

TEST_P(PiWithoutLossTest, shows_the_values_with_the_message) {
    const NoLossCase& c = GetParam();
    Harness harness;
    harness.design(design::Network::Pi, c.zin, c.zout, "10");
    harness.view.type(TextBox::Text3, c.db);
    harness.calculator.Command1_Click();
    EXPECT_EQ(harness.state().K, 1.0);
    EXPECT_EQ(harness.caption(c.negativeShunt), "-0.0W");
    EXPECT_EQ(harness.caption(c.otherShunt), "0.0W");
    EXPECT_EQ(harness.caption(Label::tielle), "0.0W");
    EXPECT_EQ(harness.caption(Label::Label9), negativeValueMessage);
    EXPECT_EQ(harness.view.beeps, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, PiWithoutLossTest,
    ::testing::Values(NoLossCase{"emptied_box", "75", "50", "", Label::piti, Label::pielle},
                      NoLossCase{"zero", "75", "50", "0", Label::piti, Label::pielle},
                      NoLossCase{"k_rounds_to_one", "75", "50", "1e-20", Label::piti,
                                 Label::pielle},
                      NoLossCase{"larger_output", "50", "75", "0", Label::pielle, Label::piti}),
    testing::CaseName{});

TEST(Command1, pi_after_a_negative_asymmetric_design_starts_clean) {
    Harness harness;
    harness.design(design::Network::Pi, "50", "75", "3");
    EXPECT_EQ(harness.caption(Label::Label9), negativeValueMessage);
    harness.view.type(TextBox::Text1, "50");
    harness.view.type(TextBox::Text2, "50");
    harness.view.type(TextBox::Text3, "4");
    harness.view.type(TextBox::Text3, "3");
    harness.calculator.Command1_Click();
    EXPECT_EQ(harness.state().R3, 0.0);
    EXPECT_EQ(harness.caption(Label::Label9), "");
}

// The T puts the larger impedance on the input side for the design, but the record keeps
// what the user typed: a second "Calcola", or one after editing Text3, designs the same T.
TEST(TExchange, shows_the_larger_impedance_on_the_input_side) {
    Harness harness;
    harness.design(design::Network::T, "50", "75", "10");
    EXPECT_EQ(harness.caption(Label::LabelZin), "75");
    EXPECT_EQ(harness.caption(Label::LabelZout), "50");
    EXPECT_EQ(harness.caption(Label::tielle), " 49 W");
    EXPECT_EQ(harness.caption(Label::piti), " 43 W");
    EXPECT_EQ(harness.caption(Label::ti), " 18 W");
    EXPECT_EQ(harness.state().Zin, 50.0F);
    EXPECT_EQ(harness.state().Zout, 75.0F);
}

TEST(TExchange, does_not_last_beyond_the_design) {
    Harness harness;
    harness.design(design::Network::T, "50", "75", "10");
    const DesignState first = harness.state();
    harness.calculator.Command1_Click();
    EXPECT_EQ(harness.state().R1, first.R1);
    harness.view.type(TextBox::Text3, "1");
    harness.view.type(TextBox::Text3, "10");
    harness.calculator.Command1_Click();
    EXPECT_EQ(harness.state().Zin, 50.0F);
    EXPECT_EQ(harness.state().Zout, 75.0F);
    EXPECT_EQ(harness.state().R1, first.R1);
    EXPECT_EQ(harness.state().R2, first.R2);
    EXPECT_EQ(harness.state().R3, first.R3);
    EXPECT_EQ(harness.caption(Label::ti), " 18 W");
}

TEST(TExchange, is_undone_when_the_design_fails) {
    Harness harness;
    writeOldCaptions(harness);
    harness.compute(design::Network::T, 50, 75, "0");
    EXPECT_EQ(harness.caption(Label::LabelZin), "75");
    EXPECT_EQ(harness.caption(Label::LabelZout), "50");
    EXPECT_EQ(harness.caption(Label::tielle), "old");
    EXPECT_EQ(harness.caption(Label::Label9), divisionByZeroMessage);
    EXPECT_EQ(harness.state().Zin, 50.0F);
    EXPECT_EQ(harness.state().Zout, 75.0F);
}

} // namespace
} // namespace zelmarino
