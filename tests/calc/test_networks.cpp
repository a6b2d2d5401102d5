// What each network routine shows: which arm's string goes onto which label, and the
// message for a negative arm.
#include "harness.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zelmarino {
namespace {

// The record keeps the working value of the routines that form it.
TEST(Networks, pi_asymmetric_stores_the_impedance_ratio) {
    testing::Harness harness;
    harness.compute(design::Network::Pi, 75, 50, "10");
    EXPECT_NEAR(harness.state().Ratio, 1.22474, 5e-6);
}

struct ShownCase {
    std::string name;
    design::Network network;
    std::string zin, zout, db;
    std::map<Label, std::string> captions;
    bool message;
};

class ShownDesignTest : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownDesignTest, writes_each_string_on_its_label) {
    const ShownCase& c = GetParam();
    testing::Harness harness;
    harness.design(c.network, c.zin, c.zout, c.db);
    for (const auto& [label, caption] : c.captions) {
        EXPECT_EQ(harness.caption(label), caption) << "label " << static_cast<int>(label);
    }
    EXPECT_EQ(harness.caption(Label::Label9),
              c.message ? std::string(negativeValueMessage) : std::string());
    EXPECT_EQ(harness.view.beeps, c.message ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, ShownDesignTest,
    ::testing::Values(
        ShownCase{"pi_symmetric",
                  design::Network::Pi,
                  "50",
                  "50",
                  "10",
                  {{Label::piti, " 96 W"},
                   {Label::pielle, " 96 W"},
                   {Label::tielle, " 71 W"},
                   {Label::ti, ""}},
                  false},
        ShownCase{"pi_asymmetric",
                  design::Network::Pi,
                  "75",
                  "50",
                  "10",
                  {{Label::piti, " 207 W"}, {Label::pielle, " 77 W"}, {Label::tielle, " 87 W"}},
                  false},
        ShownCase{"pi_kilo_ohms",
                  design::Network::Pi,
                  "600",
                  "50",
                  "20",
                  {{Label::piti, " 1873 W"}, {Label::pielle, " 52 W"}, {Label::tielle, " 857 W"}},
                  false},
        ShownCase{"pi_negative",
                  design::Network::Pi,
                  "75",
                  "50",
                  "3",
                  {{Label::piti, "-161 W"}, {Label::pielle, " 72 W"}, {Label::tielle, " 22 W"}},
                  true},
        ShownCase{"t",
                  design::Network::T,
                  "75",
                  "50",
                  "10",
                  {{Label::tielle, " 49 W"},
                   {Label::piti, " 43 W"},
                   {Label::ti, " 18 W"},
                   {Label::LabelZin, "75"},
                   {Label::LabelZout, "50"}},
                  false},
        ShownCase{"t_near_an_l",
                  design::Network::T,
                  "75",
                  "50",
                  "5.7195",
                  {{Label::tielle, " 43 W"}, {Label::piti, " 87 W"}, {Label::ti, "0.000W"}},
                  false},
        ShownCase{"t_negative",
                  design::Network::T,
                  "50",
                  "50",
                  "-3",
                  {{Label::tielle, "-8.5 W"}, {Label::piti, "-142 W"}, {Label::ti, "-8.5 W"}},
                  true},
        ShownCase{"l_less",
                  design::Network::LOut,
                  "75",
                  "50",
                  "10",
                  {{Label::piti, " 67 W"},
                   {Label::tielle, " 119 W"},
                   {Label::pielle, ""},
                   {Label::ti, ""}},
                  false},
        ShownCase{"l_greater",
                  design::Network::LIn,
                  "75",
                  "50",
                  "10",
                  {{Label::piti, " 32 W"}, {Label::tielle, " 56 W"}},
                  false},
        ShownCase{"l_greater_huge_shunt",
                  design::Network::LIn,
                  "75",
                  "50",
                  "1.7609126",
                  {{Label::piti, " 6557640 KW"}, {Label::tielle, " 25 W"}},
                  false},
        ShownCase{"l_greater_huge_negative_shunt",
                  design::Network::LIn,
                  "75",
                  "50",
                  "1.76091",
                  {{Label::piti, "-169886 KW"}, {Label::tielle, " 25 W"}},
                  true},
        ShownCase{"l_less_tiny_series",
                  design::Network::LOut,
                  "75",
                  "50",
                  "1.7609126",
                  {{Label::piti, " 150 W"}, {Label::tielle, "0.000W"}},
                  false}),
    testing::CaseName{});

} // namespace
} // namespace zelmarino
