// The command line and the window give the same design: the window driven as a user
// drives it (choose, type, "Calcola"), its resistor labels against the texts the command
// line prints for the same entries.
#include "calc/calculator.h"
#include "calc/memory_view.h"
#include "cli/options.h"
#include "formats/output_common.h"
#include "tests/cli/case_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelmarino::cli {
using namespace formats;
namespace {

struct Entries {
    const char* name;
    Network network;
    const char* zin; // as typed into the window
    const char* zout;
    const char* db;
    const char* zinArgument; // as given on the command line
};

// The label that shows each arm, in the order of the command line's arms.
std::vector<Label> labelsOf(Network network) {
    switch (network) {
    case Network::Pi:
        return {Label::piti, Label::tielle, Label::pielle};
    case Network::T:
        return {Label::tielle, Label::ti, Label::piti};
    case Network::LOut:
    case Network::LIn:
        break;
    case Network::H:
    case Network::O:
    case Network::BridgedT:
    case Network::Series:
    case Network::Shunt:
    case Network::PowerSplitter:
    case Network::TwoResistorSplitter:
    case Network::QuarterWaveSeries:
    case Network::QuarterWaveShunt:
    case Network::Reflection:
        return {}; // the window has no option for these
    }
    return {Label::tielle, Label::piti};
}

// The window's caption as the command line shows it: the ohm sign itself, no leading blank.
std::string shown(const std::string& caption) {
    std::string text;
    for (const char c : caption) {
        text += c == 'W' ? std::string("Ω") : std::string(1, c);
    }
    return text.starts_with(' ') ? text.substr(1) : text;
}

class AgreesWithWindow : public ::testing::TestWithParam<Entries> {};

TEST_P(AgreesWithWindow, on_every_resistor_text) {
    const Entries& e = GetParam();
    MemoryView view;
    Calculator calculator(view);
    view.onTextChanged = [&calculator](TextBox box) { calculator.textChanged(box); };
    calculator.optionClick(e.network);
    view.type(TextBox::Text1, e.zin);
    view.type(TextBox::Text2, e.zout);
    view.type(TextBox::Text3, e.db);
    calculator.Command1_Click();
    ASSERT_EQ(view.caption(Label::Label9).find("Errore ! Divisione"), std::string::npos);

    const std::vector<std::string_view> arguments = {
        networkName(e.network), "--zin", e.zinArgument, "--zout", e.zout, "--db", e.db};
    const ParsedCommand command = parseCommand(arguments);
    ASSERT_TRUE(std::holds_alternative<Options>(command));
    const auto& options = std::get<Options>(command);
    const Design design = design::evaluateDesign(options, options.lossesDb.front()).design;

    const std::vector<Label> labels = labelsOf(e.network);
    ASSERT_EQ(design.arms.size(), labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        // The window shows an exchanged T turned round: its first series arm is our second.
        const std::size_t shownAt = design.portsExchanged && i < 2 ? 1 - i : i;
        EXPECT_EQ(windowText(design, design.arms[i]), shown(view.caption(labels[shownAt])))
            << design.arms[i].entry->name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Designs, AgreesWithWindow,
    ::testing::Values(Entries{"pi_symmetric", Network::Pi, "50", "50", "10", "50"},
                      Entries{"pi_asymmetric_tenths", Network::Pi, "75", "50", "10.1", "75"},
                      Entries{"pi_next_to_minimum", Network::Pi, "75", "50", "5.7195", "75"},
                      Entries{"pi_below_minimum", Network::Pi, "75", "50", "3", "75"},
                      Entries{"pi_k_rounds_to_one", Network::Pi, "75", "50", "1e-30", "75"},
                      Entries{"pi_kilohms", Network::Pi, "1500", "600", "16.7", "1k5"},
                      Entries{"t_exchanged", Network::T, "50", "75", "10", "50"},
                      Entries{"t_odd_impedance", Network::T, "33.3", "47.5", "0.7", "33.3"},
                      Entries{"t_below_minimum", Network::T, "600", "50", "12.34", "600"},
                      Entries{"l_out", Network::LOut, "600", "50", "20", "600"},
                      Entries{"l_out_rising", Network::LOut, "50", "75", "1.76091", "50"},
                      Entries{"l_in", Network::LIn, "75", "50", "1.7609126", "75"},
                      Entries{"l_in_megohms", Network::LIn, "2200000", "10", "66.6", "2.2M"}),
    testing::CaseName{});

} // namespace
} // namespace zelmarino::cli
