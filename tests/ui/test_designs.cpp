// Whole designs typed as a user would, one per network: choose the network, type Zin, Tab,
// Zout, Tab, the attenuation, press "Calcola"; each arm's string ends on the label its network
// puts it on. The values, messages and failures themselves are the core's (tests/calc,
// tests/design); here only the window's wiring of them is at stake.
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

INSTANTIATE_TEST_SUITE_P(EveryNetwork, WholeDesign, ::testing::ValuesIn(designs), CaseName{});

using Designs = WindowTest;

TEST_F(Designs, an_attenuation_that_is_no_positive_number_is_emptied_and_focused) {
    design(design::Network::Pi, "50", "50", "abc");
    EXPECT_EQ(box(TextBox::Text3)->text(), "");
    EXPECT_EQ(focused(), box(TextBox::Text3));
    EXPECT_EQ(caption(Label::Label9), std::string(divisionByZeroMessage));
}

} // namespace
} // namespace zelmarino::testing
