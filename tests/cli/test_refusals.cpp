// Bad command lines, given to the built program: each is refused with exit status 2, one
// line on standard error that names the argument, and nothing on standard output.
#include "tests/cli/case_name.h"
#include "tests/cli/program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelmarino::cli::testing {
namespace {

struct Refusal {
    const char* name;
    std::vector<std::string> arguments;
    std::string message;
};

class Refuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refuses, with_one_line_naming_the_argument_and_status_2) {
    const Refusal& refusal = GetParam();
    const ProgramRun run = runCalc(refusal.arguments);
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "zelmarino-calc: " + refusal.message + "\n");
}

const std::vector<std::string> good = {"pi", "--zin", "75", "--zout", "50", "--db", "10"};

std::vector<std::string> with(std::vector<std::string> extra) {
    std::vector<std::string> arguments = good;
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return arguments;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Refuses,
    ::testing::Values(
        Refusal{"nothing",
                {},
                "no network given (choose pi, t, l-out, l-in, h, o, bridged-t, series, shunt, "
                "power-splitter, two-resistor-splitter, quarter-wave-series, quarter-wave-shunt or "
                "reflection)"},
        Refusal{"unknown_network",
                {"tee", "--zin", "75"},
                "unknown network 'tee' (choose pi, t, l-out, l-in, h, o, bridged-t, series, shunt, "
                "power-splitter, two-resistor-splitter, quarter-wave-series, quarter-wave-shunt or "
                "reflection)"},
        Refusal{"bridged_t_between_unequal_impedances",
                {"bridged-t", "--zin", "50", "--zout", "75", "--db", "10"},
                "bridged-t: --zin 50 and --zout 75 differ, and a bridged T is matched only "
                "between equal impedances"},
        Refusal{"f0_for_a_resistor_network",
                {"pi", "--zin", "50", "--zout", "50", "--db", "10", "--f0", "1G"},
                "--f0 '1G': only for quarter-wave-series, quarter-wave-shunt or reflection"},
        Refusal{"reflection_without_f0",
                {"reflection", "--zin", "50", "--zout", "50", "--db", "10"},
                "reflection: needs --f0, the frequency its lines are a quarter wave at"},
        Refusal{"f0_of_zero",
                {"reflection", "--zin", "50", "--zout", "50", "--db", "10", "--f0", "0"},
                "--f0 '0': must be a frequency above 0 Hz"},
        Refusal{"root_for_a_quarter_wave",
                {"quarter-wave-series", "--zin", "50", "--zout", "50", "--db", "10", "--f0", "1G",
                 "--root", "high"},
                "--root 'high': only for reflection"},
        Refusal{"unknown_line",
                {"quarter-wave-shunt", "--zin", "50", "--zout", "50", "--db", "10", "--f0", "1G",
                 "--line", "coax"},
                "--line 'coax': not one of ideal, lumped"},
        Refusal{"quarter_wave_between_unequal_impedances",
                {"quarter-wave-shunt", "--zin", "50", "--zout", "75", "--db", "10", "--f0", "1G"},
                "quarter-wave-shunt: --zin 50 and --zout 75 differ, and a quarter-wave shunt "
                "attenuator is matched only between equal impedances"},
        Refusal{"reflection_tolerance",
                {"reflection", "--zin", "50", "--zout", "50", "--db", "10", "--f0", "1G",
                 "--tolerance", "1"},
                "reflection: analysed at --f0 alone: --optimise, --tolerance and --power analyse "
                "at DC"},
        Refusal{"reflection_bandwidth",
                {"reflection", "--zin", "50", "--zout", "50", "--db", "10", "--f0", "1G",
                 "--bandwidth"},
                "--bandwidth: not for reflection, which is designed for --f0 alone"},
        Refusal{"check_of_a_reflection",
                {"check", "reflection", "--zin", "50", "--zout", "50", "--r1", "3", "--r2", "3"},
                "reflection: its lines are designed with its arms, not given"},
        Refusal{"touchstone_table",
                {"pi", "--zin", "75", "--zout", "50", "--db", "1:10:1", "--format", "touchstone",
                 "--freq", "1G"},
                "--format touchstone: a Touchstone file holds one network, not a table of "
                "designs"},
        Refusal{"touchstone_without_frequencies", with({"--format", "touchstone"}),
                "--format touchstone needs --freq (HZ, or FROM:TO:POINTS)"},
        Refusal{"sweep_as_spice", with({"--format", "spice", "--freq", "1G"}),
                "--freq '1G': a sweep is written as text, csv, json or touchstone"},
        Refusal{"sweep_of_a_table",
                {"pi", "--zin", "50", "--zout", "50", "--db", "3:9:3", "--freq", "1G"},
                "--freq '1G': one design at a time, not a table"},
        Refusal{"logarithmic_sweep_from_zero", with({"--freq", "0:1G:11:log"}),
                "--freq '0:1G:11:log': a logarithmic sweep starts above 0 Hz"},
        Refusal{"sweep_of_four_parts", with({"--freq", "1M:1G:11:lin"}),
                "--freq '1M:1G:11:lin': a sweep is written FROM:TO:POINTS or FROM:TO:POINTS:log"},
        Refusal{"touchstone_version_unknown",
                with({"--format", "touchstone", "--freq", "1G", "--touchstone", "1.0"}),
                "--touchstone '1.0': not one of 1.1, 2.0"},
        Refusal{"touchstone_version_as_text", with({"--touchstone", "1.1"}),
                "--touchstone: only with --format touchstone"},
        Refusal{"unknown_package", with({"--package", "0604"}),
                "--package '0604': not one of 0201, 0402, 0603, 0805, 1206, 2512, axial"},
        Refusal{"package_and_parasitics", with({"--package", "0603", "--parasitics", "L=1n"}),
                "--parasitics: not with --package (one or the other)"},
        Refusal{"parasitic_of_no_kind", with({"--parasitics", "L=1nH,R=2"}),
                "--parasitics 'L=1nH,R=2': 'R=2' is not L=HENRIES or C=FARADS"},
        Refusal{"parasitic_given_twice", with({"--parasitics", "C=1p,C=2p"}),
                "--parasitics 'C=1p,C=2p': C is given twice"},
        Refusal{"negative_inductance", with({"--parasitics", "L=-1nH"}),
                "--parasitics 'L=-1nH': '-1nH' must be an inductance of 0 H or more"},
        // A lower-case f is femto, so a farad is written F: "5f" reads, "5Fx" does not.
        Refusal{"capacitance_not_a_number", with({"--parasitics", "C=5Fx"}),
                "--parasitics 'C=5Fx': '5Fx' is not a capacitance (0.05pF, 50f)"},
        Refusal{"via_not_an_inductance", with({"--via", "3pF"}),
                "--via '3pF': not an inductance (1nH, 0.4n)"},
        Refusal{"flatness_of_zero", with({"--bandwidth", "--flatness", "0"}),
                "--flatness '0': must be a flatness above 0 dB"},
        Refusal{"flatness_without_a_bandwidth", with({"--flatness", "0.5"}),
                "--flatness: only where a usable bandwidth is reported (--bandwidth, or "
                "--package, --parasitics or --via as text)"},
        Refusal{"bandwidth_of_a_table",
                {"pi", "--zin", "50", "--zout", "50", "--db", "3:9:3", "--bandwidth"},
                "--bandwidth: one design at a time, not a table"},
        Refusal{"bandwidth_with_a_sweep", with({"--bandwidth", "--freq", "1G"}),
                "--bandwidth: answers alone, not with --freq"},
        Refusal{"bandwidth_as_spice", with({"--bandwidth", "--format", "spice"}),
                "--bandwidth: written as text, csv or json"},
        Refusal{"package_in_a_text_table",
                {"pi", "--zin", "50", "--zout", "50", "--db", "3:9:3", "--package", "0402"},
                "--package: one design at a time, not a table (or as spice)"},
        Refusal{"via_as_csv_without_a_sweep", with({"--via", "1n", "--format", "csv"}),
                "--via: as csv or json, only with --freq or --bandwidth, which it changes"},
        Refusal{"frequency_sweep_of_one_point",
                with({"--format", "touchstone", "--freq", "1M:1G:1"}),
                "--freq '1M:1G:1': POINTS must be a whole number from 2 to 100000"},
        Refusal{"falling_frequency_sweep", with({"--format", "touchstone", "--freq", "1G:1M:3"}),
                "--freq '1G:1M:3': TO must be above FROM"},
        Refusal{"negative_frequency", with({"--format", "touchstone", "--freq", "-1"}),
                "--freq '-1': '-1' is not a frequency of 0 Hz or more"},
        Refusal{"second_network", with({"t"}),
                "unexpected argument 't': the network is already 'pi'"},
        Refusal{"unknown_option", with({"--frequency", "1k"}), "unknown option '--frequency'"},
        Refusal{"short_option", with({"-z"}), "unknown option '-z'"},
        Refusal{"negative_number_alone", with({"-5"}), "unknown option '-5'"},
        Refusal{"dash_as_network",
                {"-", "--zin", "75", "--zout", "50", "--db", "10"},
                "unknown option '-'"},
        Refusal{"missing_value_at_end", with({"--series"}), "--series needs a value"},
        Refusal{"missing_value_before_option",
                {"pi", "--zin", "--zout", "50", "--db", "10"},
                "--zin needs a value"},
        Refusal{"option_twice", with({"--zin", "50"}), "--zin is given twice"},
        Refusal{"option_twice_with_equals", with({"--db=3"}), "--db is given twice"},
        Refusal{"end_of_options_marker", with({"--"}), "unknown option '--'"},
        Refusal{"value_after_end_of_options", with({"--", "x"}), "unknown option '--'"},
        Refusal{"flag_given_a_value", {"--help=loud"}, "unknown option '--help'"},
        // A mistyped option is named rather than the option it leaves missing.
        Refusal{"misspelt_option",
                {"pi", "--zin", "75", "--zuot", "50", "--db", "10"},
                "unknown option '--zuot'"},
        Refusal{"missing_zout", {"pi", "--zin", "75", "--db", "10"}, "missing --zout"},
        Refusal{"missing_zin_named_first", {"t", "--db", "10"}, "missing --zin"},
        Refusal{"network_missing_among_options",
                {"--zin", "75", "--zout", "50", "--db", "10"},
                "no network given (choose pi, t, l-out, l-in, h, o, bridged-t, series, shunt, "
                "power-splitter, two-resistor-splitter, quarter-wave-series, quarter-wave-shunt or "
                "reflection)"},
        Refusal{"missing_db", {"t", "--zin", "75", "--zout", "50"}, "missing --db"},
        Refusal{"zero_impedance",
                {"pi", "--zin", "0", "--zout", "50", "--db", "10"},
                "--zin '0': must be a resistance above 0 ohms"},
        Refusal{"negative_impedance",
                {"pi", "--zin", "75", "--zout", "-50", "--db", "10"},
                "--zout '-50': must be a resistance above 0 ohms"},
        Refusal{"text_impedance",
                {"pi", "--zin", "seventy", "--zout", "50", "--db", "10"},
                "--zin 'seventy': not a number"},
        Refusal{"trailing_text",
                {"pi", "--zin", "75ohm", "--zout", "50", "--db", "10"},
                "--zin '75ohm': not a number"},
        Refusal{"comma_decimal",
                {"pi", "--zin", "7,5", "--zout", "50", "--db", "10"},
                "--zin '7,5': not a number"},
        // An empty text after "=" is no value at all, so the next argument is not taken either.
        Refusal{
            "empty_value", {"pi", "--zin=", "--zout", "50", "--db", "10"}, "--zin needs a value"},
        Refusal{"empty_value_at_end", with({"--format="}), "--format needs a value"},
        Refusal{"beyond_single_precision",
                {"pi", "--zin", "1e39", "--zout", "50", "--db", "10"},
                "--zin '1e39': out of range"},
        Refusal{"below_single_precision",
                {"pi", "--zin", "1e-39", "--zout", "50", "--db", "10"},
                "--zin '1e-39': too small"},
        Refusal{"zero_loss",
                {"pi", "--zin", "75", "--zout", "50", "--db", "0"},
                "--db '0': must be a loss above 0 dB"},
        Refusal{"prefixed_loss",
                {"pi", "--zin", "75", "--zout", "50", "--db", "1k"},
                "--db '1k': not a number"},
        Refusal{"two_part_range",
                {"pi", "--zin", "75", "--zout", "50", "--db", "1:10"},
                "--db '1:10': a range is written FROM:TO:STEP"},
        Refusal{"falling_range",
                {"pi", "--zin", "75", "--zout", "50", "--db", "10:1:1"},
                "--db '10:1:1': TO is below FROM"},
        Refusal{"zero_step",
                {"pi", "--zin", "75", "--zout", "50", "--db", "1:10:0"},
                "--db '1:10:0': STEP must be above 0 dB"},
        Refusal{"range_from_zero",
                {"pi", "--zin", "75", "--zout", "50", "--db", "0:10:1"},
                "--db '0:10:1': FROM must be above 0 dB"},
        Refusal{"range_from_below_single_precision",
                {"pi", "--zin", "75", "--zout", "50", "--db", "1e-38:1:1"},
                "--db '1e-38:1:1': FROM '1e-38' is too small for single precision, which holds "
                "no loss below 1.17549e-38 dB"},
        Refusal{"step_finer_than_single_precision",
                {"pi", "--zin", "75", "--zout", "50", "--db", "1:1.00001:0.0000001"},
                "--db '1:1.00001:0.0000001': STEP '0.0000001' is finer than single precision "
                "can tell apart at 1.0000004 dB (rows would repeat)"},
        Refusal{"loss_that_overflows_named_as_typed",
                {"pi", "--zin", "75", "--zout", "50", "--db", "3083.5"},
                "--db '3083.5': too large for double precision and the calculation fails "
                "(overflow)"},
        Refusal{"table_that_overflows_names_its_end",
                {"t", "--zin", "75", "--zout", "50", "--db", "3000:4000:1"},
                "--db '3000:4000:1': TO '4000' is too large for double precision and the "
                "calculation fails (overflow)"},
        Refusal{"table_whose_first_loss_rounds_k_to_one",
                {"t", "--zin", "50", "--zout", "50", "--db", "1e-30:1:0.5"},
                "--db '1e-30:1:0.5': FROM '1e-30' is too small: 10^(A/20) rounds to 1 and the "
                "calculation fails (division by zero)"},
        Refusal{"power_whose_dissipation_overflows", with({"--power", "1e308"}),
                "--power '1e308': out of range (the dissipation would overflow)"},
        Refusal{"rating_whose_tolerated_power_overflows",
                with({"--power", "1", "--rating", "1e308"}),
                "--rating '1e308': out of range (the tolerated source power would overflow)"},
        Refusal{"checked_rating_whose_tolerated_power_overflows",
                {"check", "pi", "--zin", "75", "--zout", "50", "--r1", "207", "--r2", "87", "--r3",
                 "77", "--power", "1", "--rating", "1e308"},
                "--rating '1e308': out of range (the tolerated source power would overflow)"},
        Refusal{"minimum_loss_between_equal_impedances",
                {"pi", "--zin", "50", "--zout", "50", "--db", "min"},
                "--db 'min': between equal impedances the least loss is 0 dB, no pad at all"},
        Refusal{"minimum_loss_l_with_its_shunt_on_the_larger_side",
                {"l-out", "--zin", "50", "--zout", "75", "--db", "min"},
                "--db 'min': an L matches both ports only with its shunt across the smaller "
                "impedance: add --shunt-at input"},
        Refusal{"shunt_placed_on_a_pi", with({"--shunt-at", "input"}),
                "--shunt-at 'input': only an L has one shunt arm to place"},
        Refusal{"shunt_placed_nowhere",
                {"l-in", "--zin", "75", "--zout", "50", "--db", "10", "--shunt-at", "middle"},
                "--shunt-at 'middle': not one of input, output"},
        Refusal{"optimise_without_a_series", with({"--optimise"}),
                "--optimise: needs --series, the values to choose from"},
        Refusal{"pairs_without_optimise", with({"--series", "E24", "--pairs"}),
                "--pairs: only with --optimise"},
        Refusal{"decimal_comma_without_csv", with({"--decimal-comma"}),
                "--decimal-comma: only with --format csv"},
        // Options the search cannot honour are refused, never dropped.
        Refusal{"optimise_with_tolerance",
                with({"--series", "E24", "--optimise", "--tolerance", "1"}),
                "--optimise: not with --tolerance (one at a time)"},
        Refusal{"optimise_with_power", with({"--series", "E24", "--optimise", "--power", "1"}),
                "--optimise: not with --power (one at a time)"},
        Refusal{"return_loss_floor_without_optimise", with({"--min-return-loss", "20"}),
                "--min-return-loss: only with --optimise, the search it bounds, or a usable "
                "bandwidth"},
        Refusal{"optimise_a_table",
                {"pi", "--zin", "75", "--zout", "50", "--db", "1:10:1", "--series", "E12",
                 "--optimise"},
                "--optimise: one loss at a time, not a table"},
        Refusal{"optimise_as_spice", with({"--series", "E24", "--optimise", "--format", "spice"}),
                "--optimise: written as text, csv or json"},
        Refusal{"check_as_touchstone",
                {"check", "pi", "--zin", "75", "--zout", "50", "--r1", "220", "--r2", "91", "--r3",
                 "82", "--format", "touchstone"},
                "check: --format 'touchstone': a check is written as text, csv, json or spice"},
        Refusal{"check_rating_without_power",
                {"check", "pi", "--zin", "75", "--zout", "50", "--r1", "220", "--r2", "91", "--r3",
                 "82", "--rating", "0.25"},
                "--rating '0.25': needs --power, the source power whose dissipation it scales"},
        Refusal{"check_unknown_option",
                {"check", "pi", "--zin", "75", "--zout", "50", "--r1", "220", "--r2", "91", "--r3",
                 "82", "--bogus=1"},
                "check: unknown option '--bogus'"},
        Refusal{"check_after_a_network",
                {"pi", "--zin", "75", "check"},
                "unexpected argument 'check': the network is already 'pi'"},
        Refusal{"check_unexpected_argument",
                {"check", "pi", "--zin", "75", "--zout", "50", "--r1", "220", "--r2", "91", "--r3",
                 "82", "stray"},
                "check: unexpected argument 'stray'"},
        Refusal{"negative_return_loss", with({"--min-return-loss", "-3"}),
                "--min-return-loss '-3': must be a return loss of 0 dB or more"},
        Refusal{"range_with_text",
                {"pi", "--zin", "75", "--zout", "50", "--db", "1:x:1"},
                "--db '1:x:1': 'x' is not a number"},
        Refusal{"huge_table",
                {"pi", "--zin", "75", "--zout", "50", "--db", "1:100:0.00001"},
                "--db '1:100:0.00001': more than 1000000 designs"},
        Refusal{"loss_that_rounds_k_to_one",
                {"pi", "--zin", "75", "--zout", "75", "--db", "1e-30"},
                "--db '1e-30': too small: 10^(A/20) rounds to 1 and the calculation fails "
                "(division by zero)"},
        Refusal{"unknown_series", with({"--series", "E5"}),
                "--series 'E5': not one of E6, E12, E24, E48, E96, E192"},
        Refusal{"tolerance_too_large", with({"--tolerance", "100"}),
                "--tolerance '100': must be a percentage above 0 and below 100"},
        Refusal{"tolerance_text", with({"--tolerance", "tight"}),
                "--tolerance 'tight': not a number"},
        Refusal{"negative_power", with({"--power", "-1W"}),
                "--power '-1W': must be a power above 0 W"},
        Refusal{"power_text", with({"--power", "loud"}),
                "--power 'loud': not a number of watts or dBm"},
        Refusal{"rating_of_nothing", with({"--power", "1", "--rating", "0W"}),
                "--rating '0W': must be a rating above 0 W"},
        Refusal{"rating_beyond_double", with({"--power", "1", "--rating", "1e999"}),
                "--rating '1e999': out of range"},
        Refusal{"rating_in_dbm", with({"--power", "1", "--rating", "27dBm"}),
                "--rating '27dBm': not a number of watts"},
        Refusal{"rating_without_power", with({"--rating", "0.25"}),
                "--rating '0.25': needs --power, the source power whose dissipation it scales"},
        // What was typed comes back short and with its control characters escaped.
        Refusal{"arm_with_terminal_escape",
                {"check", "pi", "--zin", "75", "--zout", "50", "--r1", "\x1b[31m220", "--r2", "91",
                 "--r3", "82"},
                "--r1 '\\e[31m220': not a number"},
        Refusal{"long_impedance_cut",
                {"pi", "--zin", std::string(30, '7') + "ohm" + std::string(30, '7'), "--zout", "50",
                 "--db", "10"},
                "--zin '" + std::string(30, '7') + "ohm" + std::string(6, '7') +
                    "\u2026': not a number"},
        Refusal{"micro_refused_for_impedance",
                {"pi", "--zin", "1u", "--zout", "50", "--db", "10"},
                "--zin '1u': not a number"},
        Refusal{"unknown_format", with({"--format", "xml"}),
                "--format 'xml': not one of text, csv, json, spice, touchstone"}),
    testing::CaseName{});

TEST(Help, answers_with_usage_and_status_0_whatever_else_is_given) {
    const ProgramRun run = runCalc({"--frobnicate", "--help"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.out, readFile(std::string(ZELMARINO_GOLDEN_DIR) + "/help.txt"));
    EXPECT_EQ(run.err, "");
}

} // namespace
} // namespace zelmarino::cli::testing
