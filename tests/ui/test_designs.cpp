// Whole designs typed as a user would, one or more per network: choose the network, type
// Zin, Tab, Zout, Tab, the attenuation, press "Calcola"; the right strings end on the right
// labels, with the message where a value is negative, a negative value showing its sign.
#include "calc/calculator.h"
#include "tests/ui/window_fixture.h"

#include <QLineEdit>

#include <map>
#include <ostream>

namespace zelmarino::testing {
namespace {

struct DesignCase {
    std::string name;
    design::Network network;
    QString zin, zout, attenuation;
    std::map<Label, std::string> captions; // every value label and the message
};

void PrintTo(const DesignCase& c, std::ostream* out) {
    *out << c.name;
}

const std::string negative(negativeValueMessage);
const std::string noMessage;

const std::vector<DesignCase> designs{
    {"Pi_75_50_10dB",
     design::Network::Pi,
     "75",
     "50",
     "10",
     {{Label::LabelZin, "75"},
      {Label::LabelZout, "50"},
      {Label::piti, " 207 W"},
      {Label::tielle, " 87 W"},
      {Label::pielle, " 77 W"},
      {Label::ti, ""},
      {Label::Label9, noMessage}}},
    {"Pi_symmetric_50_10dB",
     design::Network::Pi,
     "50",
     "50",
     "10",
     {{Label::LabelZin, "50"},
      {Label::LabelZout, "50"},
      {Label::piti, " 96 W"},
      {Label::tielle, " 71 W"},
      {Label::pielle, " 96 W"},
      {Label::ti, ""},
      {Label::Label9, noMessage}}},
    {"Pi_600_50_20dB",
     design::Network::Pi,
     "600",
     "50",
     "20",
     {{Label::LabelZin, "600"},
      {Label::LabelZout, "50"},
      {Label::piti, " 1873 W"},
      {Label::tielle, " 857 W"},
      {Label::pielle, " 52 W"},
      {Label::ti, ""},
      {Label::Label9, noMessage}}},
    {"Pi_75_50_3dB_below_minimum_loss",
     design::Network::Pi,
     "75",
     "50",
     "3",
     {{Label::LabelZin, "75"},
      {Label::LabelZout, "50"},
      {Label::piti, "-161 W"},
      {Label::tielle, " 22 W"},
      {Label::pielle, " 72 W"},
      {Label::ti, ""},
      {Label::Label9, negative}}},
    {"Pi_50_50_0dB_fails",
     design::Network::Pi,
     "50",
     "50",
     "0",
     {{Label::LabelZin, "50"},
      {Label::LabelZout, "50"},
      {Label::piti, ""},
      {Label::tielle, ""},
      {Label::pielle, ""},
      {Label::ti, ""},
      {Label::Label9, std::string(divisionByZeroMessage)}}},
    {"T_75_50_10dB",
     design::Network::T,
     "75",
     "50",
     "10",
     {{Label::LabelZin, "75"},
      {Label::LabelZout, "50"},
      {Label::tielle, " 49 W"},
      {Label::piti, " 43 W"},
      {Label::ti, " 18 W"},
      {Label::pielle, ""},
      {Label::Label9, noMessage}}},
    {"T_50_75_10dB_puts_the_larger_on_the_Zin_side",
     design::Network::T,
     "50",
     "75",
     "10",
     {{Label::LabelZin, "75"},
      {Label::LabelZout, "50"},
      {Label::tielle, " 49 W"},
      {Label::piti, " 43 W"},
      {Label::ti, " 18 W"},
      {Label::pielle, ""},
      {Label::Label9, noMessage}}},
    {"T_600_50_20dB",
     design::Network::T,
     "600",
     "50",
     "20",
     {{Label::LabelZin, "600"},
      {Label::LabelZout, "50"},
      {Label::tielle, " 577 W"},
      {Label::piti, " 35 W"},
      {Label::ti, " 16 W"},
      {Label::pielle, ""},
      {Label::Label9, noMessage}}},
    {"T_75_50_3dB_below_minimum_loss",
     design::Network::T,
     "75",
     "50",
     "3",
     {{Label::LabelZin, "75"},
      {Label::LabelZout, "50"},
      {Label::tielle, " 52 W"},
      {Label::piti, " 174 W"},
      {Label::ti, "-23 W"},
      {Label::pielle, ""},
      {Label::Label9, negative}}},
    {"L_less_75_50_10dB",
     design::Network::LOut,
     "75",
     "50",
     "10",
     {{Label::LabelZin, "75"},
      {Label::LabelZout, "50"},
      {Label::tielle, " 119 W"},
      {Label::piti, " 67 W"},
      {Label::pielle, ""},
      {Label::ti, ""},
      {Label::Label9, noMessage}}},
    {"L_less_50_75_10dB",
     design::Network::LOut,
     "50",
     "75",
     "10",
     {{Label::LabelZin, "50"},
      {Label::LabelZout, "75"},
      {Label::tielle, " 144 W"},
      {Label::piti, " 122 W"},
      {Label::pielle, ""},
      {Label::ti, ""},
      {Label::Label9, noMessage}}},
    {"L_less_75_50_1dB_below_minimum_loss",
     design::Network::LOut,
     "75",
     "50",
     "1",
     {{Label::LabelZin, "75"},
      {Label::LabelZout, "50"},
      {Label::tielle, "-6.2 W"},
      {Label::piti, " 184 W"},
      {Label::pielle, ""},
      {Label::ti, ""},
      {Label::Label9, negative}}},
    {"L_greater_75_50_10dB",
     design::Network::LIn,
     "75",
     "50",
     "10",
     {{Label::LabelZin, "75"},
      {Label::LabelZout, "50"},
      {Label::tielle, " 56 W"},
      {Label::piti, " 32 W"},
      {Label::pielle, ""},
      {Label::ti, ""},
      {Label::Label9, noMessage}}},
    {"L_greater_600_50_20dB",
     design::Network::LIn,
     "600",
     "50",
     "20",
     {{Label::LabelZin, "600"},
      {Label::LabelZout, "50"},
      {Label::tielle, " 583 W"},
      {Label::piti, " 27 W"},
      {Label::pielle, ""},
      {Label::ti, ""},
      {Label::Label9, noMessage}}},
    {"L_greater_75_50_1dB_below_minimum_loss",
     design::Network::LIn,
     "75",
     "50",
     "1",
     {{Label::LabelZin, "75"},
      {Label::LabelZout, "50"},
      {Label::tielle, " 20 W"},
      {Label::piti, "-596 W"},
      {Label::pielle, ""},
      {Label::ti, ""},
      {Label::Label9, negative}}},
    {"L_greater_widest_negative_value",
     design::Network::LIn,
     "75",
     "50",
     "1.76091",
     {{Label::LabelZin, "75"},
      {Label::LabelZout, "50"},
      {Label::tielle, " 25 W"},
      {Label::piti, "-169886 KW"},
      {Label::pielle, ""},
      {Label::ti, ""},
      {Label::Label9, negative}}},
    {"L_greater_widest_positive_value",
     design::Network::LIn,
     "75",
     "50",
     "1.7609126",
     {{Label::LabelZin, "75"},
      {Label::LabelZout, "50"},
      {Label::tielle, " 25 W"},
      {Label::piti, " 6557640 KW"},
      {Label::pielle, ""},
      {Label::ti, ""},
      {Label::Label9, noMessage}}},
};

class WholeDesign : public WindowTest, public ::testing::WithParamInterface<DesignCase> {};

TEST_P(WholeDesign, ends_with_the_right_strings_on_the_right_labels) {
    const DesignCase& c = GetParam();
    design(c.network, c.zin, c.zout, c.attenuation);
    for (const auto& [label, expected] : c.captions) {
        EXPECT_EQ(caption(label), expected) << this->label(label)->objectName().toStdString();
    }
    EXPECT_EQ(box(TextBox::Text1)->text(), c.zin);
    EXPECT_EQ(box(TextBox::Text2)->text(), c.zout);
    EXPECT_EQ(state().NetworkType, c.network);
}

TEST_P(WholeDesign, pressing_calcola_again_gives_the_same_design) {
    const DesignCase& c = GetParam();
    design(c.network, c.zin, c.zout, c.attenuation);
    clickButton("Command1");
    for (const auto& [label, expected] : c.captions) {
        EXPECT_EQ(caption(label), expected) << this->label(label)->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryNetwork, WholeDesign, ::testing::ValuesIn(designs), CaseName{});

using Designs = WindowTest;

TEST_F(Designs, calcola_without_a_network_only_clears_the_message) {
    typeInto(TextBox::Text1, "75");
    typeInto(TextBox::Text2, "50");
    typeInto(TextBox::Text3, "10");
    form().setCaption(Label::Label9, negative);
    clickButton("Command1");
    EXPECT_EQ(caption(Label::Label9), "");
    for (Label label : {Label::piti, Label::pielle, Label::tielle, Label::ti}) {
        EXPECT_EQ(caption(label), "");
    }
}

TEST_F(Designs, editing_the_attenuation_after_a_t_exchange_designs_what_was_typed) {
    design(design::Network::T, "50", "75", "10");
    typeInto(TextBox::Text3, "20");
    clickButton("Command1");
    EXPECT_EQ(caption(Label::tielle), " 64 W") << "a T for 75 and 50 ohms, not 75 and 75";
    EXPECT_EQ(caption(Label::ti), " 39 W");
    EXPECT_EQ(caption(Label::piti), " 12 W");
    EXPECT_EQ(caption(Label::LabelZin), "75");
    EXPECT_EQ(caption(Label::LabelZout), "50");
    EXPECT_EQ(state().Zin, 50.0F) << "the record keeps the impedances as committed (M1)";
    EXPECT_EQ(state().Zout, 75.0F);
}

TEST_F(Designs, an_attenuation_that_is_no_positive_number_is_emptied_and_focused) {
    design(design::Network::Pi, "50", "50", "abc");
    EXPECT_EQ(box(TextBox::Text3)->text(), "");
    EXPECT_EQ(focused(), box(TextBox::Text3));
    EXPECT_EQ(caption(Label::Label9), std::string(divisionByZeroMessage));
}

} // namespace
} // namespace zelmarino::testing
