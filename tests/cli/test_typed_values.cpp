// Values as engineers type them, read through the whole command line: units, micro, the
// resistor code, and exponents inside an arm.
#include "cli/options.h"
#include "tests/cli/case_name.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace zelmarino::cli {
namespace {

using Reading = double (*)(const ParsedCommand&);

double firstArm(const ParsedCommand& command) {
    return std::get<CheckOptions>(command).arms.at(0).ohms;
}
double checkedZin(const ParsedCommand& command) {
    return std::get<CheckOptions>(command).common.zin;
}
double zin(const ParsedCommand& command) {
    return std::get<Options>(command).zin;
}
double frequency(const ParsedCommand& command) {
    return std::get<Options>(command).frequenciesHz.at(0);
}
double lastFrequency(const ParsedCommand& command) {
    return std::get<Options>(command).frequenciesHz.back();
}
double middleFrequency(const ParsedCommand& command) {
    const std::vector<double>& hz = std::get<Options>(command).frequenciesHz;
    return hz.at(hz.size() / 2);
}
double seriesHenries(const ParsedCommand& command) {
    return std::get<Options>(command).partModel.parts.seriesHenries;
}
double shuntFarads(const ParsedCommand& command) {
    return std::get<Options>(command).partModel.parts.shuntFarads;
}
double viaHenries(const ParsedCommand& command) {
    return std::get<Options>(command).partModel.viaHenries;
}
double flatness(const ParsedCommand& command) {
    return std::get<Options>(command).flatnessDb;
}
double power(const ParsedCommand& command) {
    return *std::get<Options>(command).availableWatts;
}
double rating(const ParsedCommand& command) {
    return *std::get<Options>(command).ratingWatts;
}

struct Typed {
    const char* name;
    std::vector<std::string_view> arguments;
    Reading read;
    double value;
};

std::vector<std::string_view> checkPi(std::string_view r1) {
    return {"check", "pi", "--zin", "75", "--zout", "50", "--r1", r1, "--r2", "91", "--r3", "82"};
}
std::vector<std::string_view> touchstoneAt(std::string_view frequencies) {
    return {"pi", "--zin",    "75",         "--zout", "50",       "--db",
            "10", "--format", "touchstone", "--freq", frequencies};
}
std::vector<std::string_view> withParts(std::string_view option, std::string_view value) {
    return {"pi", "--zin", "50", "--zout", "50", "--db", "10", option, value, "--bandwidth"};
}
std::vector<std::string_view> withPower(std::string_view watts, std::string_view rated = "1") {
    return {"pi", "--zin", "50", "--zout", "50", "--db", "3", "--power", watts, "--rating", rated};
}

class ReadsTyped : public ::testing::TestWithParam<Typed> {};

TEST_P(ReadsTyped, as_the_value_meant) {
    const ParsedCommand command = parseCommand(GetParam().arguments);
    if (const auto* refusal = std::get_if<Refusal>(&command)) {
        FAIL() << refusal->message;
    }
    EXPECT_DOUBLE_EQ(GetParam().read(command), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadsTyped,
    ::testing::Values(
        Typed{"arm_with_signed_exponent", checkPi("2.2e+02"), firstArm, 220.0},
        Typed{"arm_in_series_after_signed_exponent", checkPi("2.2e+02+4.7e-1"), firstArm, 220.47},
        Typed{"arm_in_resistor_code", checkPi("4R7"), firstArm, 4.7},
        Typed{"arm_in_resistor_code_below_one", checkPi("R47"), firstArm, 0.47},
        Typed{"arm_in_resistor_code_whole", checkPi("47R"), firstArm, 47.0},
        Typed{"arm_in_resistor_code_in_series", checkPi("200R+20R"), firstArm, 220.0},
        Typed{"impedance_in_resistor_code",
              {"pi", "--zin", "75R", "--zout", "50", "--db", "10"},
              zin,
              75.0},
        Typed{
            "checked_impedance_in_resistor_code",
            {"check", "pi", "--zin", "7R5", "--zout", "50", "--r1", "1", "--r2", "1", "--r3", "1"},
            checkedZin,
            7.5},
        Typed{"frequency_in_gigahertz", touchstoneAt("1GHz"), frequency, 1e9},
        Typed{"frequency_in_megahertz", touchstoneAt("1MHz"), frequency, 1e6},
        Typed{"frequency_in_kilohertz", touchstoneAt("1kHz"), frequency, 1e3},
        Typed{"frequency_in_hertz", touchstoneAt("100Hz"), frequency, 100.0},
        Typed{"frequency_unit_in_capitals", touchstoneAt("2GHZ"), frequency, 2e9},
        Typed{"sweep_with_units", touchstoneAt("1MHz:1GHz:11"), lastFrequency, 1e9},
        Typed{"logarithmic_sweep_has_its_middle_at_the_geometric_mean",
              touchstoneAt("1M:100M:3:log"), middleFrequency, 1e7},
        Typed{"linear_sweep_has_its_middle_at_the_mean", touchstoneAt("1M:101M:3"), middleFrequency,
              51e6},
        Typed{"parasitic_inductance_in_nanohenries", withParts("--parasitics", "L=1nH,C=0.05pF"),
              seriesHenries, 1e-9},
        Typed{"parasitic_capacitance_first", withParts("--parasitics", "c=0.05pF,l=1n"),
              shuntFarads, 0.05e-12},
        Typed{"capacitance_in_femtofarads_without_unit", withParts("--parasitics", "C=50f"),
              shuntFarads, 50e-15},
        Typed{"capacitance_alone_leaves_no_inductance", withParts("--parasitics", "C=50fF"),
              seriesHenries, 0.0},
        Typed{"via_in_nanohenries", withParts("--via", "0.3nH"), viaHenries, 0.3e-9},
        Typed{"via_in_picohenries", withParts("--via", "300p"), viaHenries, 0.3e-9},
        Typed{"package_brings_its_parasitics", withParts("--package", "axial"), seriesHenries,
              10e-9},
        Typed{"flatness_with_its_unit", withParts("--flatness", "0.5dB"), flatness, 0.5},
        Typed{"power_in_microwatts", withPower("1uW"), power, 1e-6},
        Typed{"power_in_microwatts_with_micro_sign", withPower("1\u00b5W"), power, 1e-6},
        Typed{"power_in_microwatts_with_greek_mu", withPower("1\u03bcW"), power, 1e-6},
        Typed{"power_micro_as_point", withPower("4u7"), power, 4.7e-6},
        Typed{"rating_in_microwatts", withPower("1", "250uW"), rating, 250e-6},
        Typed{"rating_with_micro_sign", withPower("1", "250\u00b5W"), rating, 250e-6}),
    testing::CaseName{});

} // namespace
} // namespace zelmarino::cli
