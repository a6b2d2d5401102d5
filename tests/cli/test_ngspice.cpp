// Each generated subcircuit run by ngspice between a 1 V source behind Zin and a Zout load,
// and probed at each port: the loss and the port resistances ngspice finds agree with those
// the program printed for that very network and, for exact values, with what was asked for.
// A pad of modelled parts is run by an AC analysis: its S21, S11 and S22 agree with the
// program's sweep. Skipped where ngspice is not installed.
#include "design/evaluation.h"
#include "design/resistor_model.h"
#include "design/response.h"
#include "formats/spice_output.h"
#include "tests/cli/case_name.h"
#include "tests/cli/program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace zelmarino::cli::testing {
namespace {

std::string findOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream directories(path != nullptr ? path : "");
    for (std::string directory; std::getline(directories, directory, ':');) {
        std::string candidate = directory;
        candidate.append("/").append(program);
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

// What the comments and the .subckt line of one generated subcircuit say.
struct Subcircuit {
    std::string name;
    bool balanced = false; // ports inp, inn, outp, outn rather than in, out, ref
    bool splitter = false; // ports in, out, out2, ref: the second output terminated in Zout
    double requestedDb = 0.0;
    double printedInputOhms = 0.0;
    double printedOutputOhms = 0.0;
    double printedDb = 0.0;
    bool exactValues = false;
};

double numberAfter(const std::string& line, const std::string& marker) {
    const std::size_t at = line.find(marker);
    return at == std::string::npos ? NAN : std::strtod(line.c_str() + at + marker.size(), nullptr);
}

std::vector<Subcircuit> subcircuitsIn(const std::string& library) {
    std::vector<Subcircuit> found;
    Subcircuit current;
    std::istringstream lines(library);
    for (std::string line; std::getline(lines, line);) {
        if (line.find(": Zin ") != std::string::npos) {
            current.requestedDb = numberAfter(line, "loss ");
            current.exactValues = line.find("exact values") != std::string::npos;
        } else if (line.starts_with("* check:")) {
            current.printedInputOhms = numberAfter(line, "input ");
            current.printedOutputOhms = numberAfter(line, "output ");
            current.printedDb = numberAfter(line, "loss ");
        } else if (line.starts_with(".subckt ")) {
            current.name = line.substr(8, line.find(' ', 8) - 8);
            current.balanced = line.ends_with(" inp inn outp outn");
            current.splitter = line.ends_with(" in out out2 ref");
            found.push_back(current);
        }
    }
    return found;
}

struct SpiceCase {
    const char* name;
    std::string network;
    // The terminations come from what was asked, not from the file's comments, so that a
    // circuit written the other way round is caught.
    std::string zin;
    std::string zout;
    std::vector<std::string> more;
    bool matchedAtBothPorts; // every network but the L
};

// The three circuits ngspice solves for one subcircuit: between source and load, into the
// input with the output terminated, into the output with the input terminated. Every port
// returns to the node "lift", held 5 V above node 0, so a subcircuit that tied its reference
// pin to the global ground would be caught.
class Deck {
public:
    explicit Deck(const std::string& library) {
        m_text = "* zelmarino-calc subcircuits between source and load\n.include " + library +
                 "\nVLIFT lift 0 DC 5\n";
    }

    void add(const Subcircuit& s, const std::string& n, const SpiceCase& c) {
        // The loss: a 1 V source behind Zin, Zout across the output.
        line({"V", n, " src", n, " lift DC 1"});
        line({"RS", n, " src", n, " ia", n, " ", c.zin});
        instance(s, "a" + n, c.zout);
        line({"RL", n, " oa", n, " ", outReturn(s, "a" + n), " ", c.zout});
        measure("loss" + n, "a" + n, s);
        // The input resistance: 1 A into the input, Zout across the output.
        line({"IIN", n, " lift ib", n, " DC 1"});
        instance(s, "b" + n, c.zout);
        line({"RLB", n, " ob", n, " ", outReturn(s, "b" + n), " ", c.zout});
        m_lets += "let rin" + n + " = v(ib" + n + ") - v(lift)\n";
        m_prints += " rin" + n;
        // The output resistance: Zin across the input, 1 A into the output.
        line({"RSC", n, " ic", n, " lift ", c.zin});
        instance(s, "c" + n, c.zout);
        line({"IOUT", n, " ", outReturn(s, "c" + n), " oc", n, " DC 1"});
        measure("rout" + n, "c" + n, s);
    }

    [[nodiscard]] std::string text() const {
        // Without an explicit quit, batch mode ends with status 1 when there is no .print line.
        return m_text + ".control\nset numdgt=15\nop\n" + m_lets + "print" + m_prints +
               "\nquit 0\n.endc\n.end\n";
    }

private:
    void line(std::initializer_list<std::string_view> words) {
        for (const std::string_view word : words) {
            m_text.append(word);
        }
        m_text += '\n';
    }
    static std::string outReturn(const Subcircuit& s, const std::string& tag) {
        return s.balanced ? "on" + tag : "lift";
    }
    void instance(const Subcircuit& s, const std::string& tag, const std::string& zout) {
        if (s.balanced) {
            line({"X", tag, " i", tag, " lift o", tag, " on", tag, " ", s.name});
        } else if (s.splitter) {
            line({"X", tag, " i", tag, " o", tag, " p", tag, " lift ", s.name});
            line({"RP", tag, " p", tag, " lift ", zout});
        } else {
            line({"X", tag, " i", tag, " o", tag, " lift ", s.name});
        }
    }
    void measure(const std::string& name, const std::string& tag, const Subcircuit& s) {
        m_lets += "let " + name + " = v(o" + tag + ") - v(" + outReturn(s, tag) + ")\n";
        m_prints += " " + name;
    }

    std::string m_text;
    std::string m_lets;
    std::string m_prints;
};

class AgreesWithNgspice : public ::testing::TestWithParam<SpiceCase> {};

TEST_P(AgreesWithNgspice, on_the_loss_and_both_port_resistances) {
    const std::string ngspice = findOnPath("ngspice");
    if (ngspice.empty()) {
        GTEST_SKIP() << "ngspice is not installed";
    }
    const SpiceCase& c = GetParam();
    std::vector<std::string> arguments = {c.network, "--zin", c.zin, "--zout", c.zout};
    arguments.insert(arguments.end(), c.more.begin(), c.more.end());
    arguments.insert(arguments.end(), {"--format", "spice"});
    const ProgramRun generated = runCalc(arguments);
    ASSERT_EQ(generated.exitStatus, 0) << generated.err;
    const std::vector<Subcircuit> subcircuits = subcircuitsIn(generated.out);
    ASSERT_FALSE(subcircuits.empty());

    std::string directory = ::testing::TempDir() + "zelmarino-spice-XXXXXX";
    ASSERT_NE(mkdtemp(directory.data()), nullptr);
    writeFile(directory + "/attenuators.lib", generated.out);
    Deck deck(directory + "/attenuators.lib");
    for (std::size_t i = 0; i < subcircuits.size(); ++i) {
        deck.add(subcircuits[i], std::to_string(i), c);
    }
    writeFile(directory + "/deck.cir", deck.text());
    const ProgramRun simulated = runProgram(ngspice, {"-b", directory + "/deck.cir"});
    std::remove((directory + "/attenuators.lib").c_str());
    std::remove((directory + "/deck.cir").c_str());
    rmdir(directory.c_str());
    ASSERT_EQ(simulated.exitStatus, 0) << simulated.out << simulated.err;

    const double zin = std::stod(c.zin);
    const double zout = std::stod(c.zout);
    for (std::size_t i = 0; i < subcircuits.size(); ++i) {
        const Subcircuit& s = subcircuits[i];
        SCOPED_TRACE(s.name);
        const std::string n = std::to_string(i);
        const double volts = numberAfter(simulated.out, "loss" + n + " = ");
        const double input = numberAfter(simulated.out, "rin" + n + " = ");
        const double output = numberAfter(simulated.out, "rout" + n + " = ");
        ASSERT_TRUE(std::isfinite(volts) && std::isfinite(input) && std::isfinite(output))
            << simulated.out;
        const double available = 1.0 / (4.0 * zin);
        const double delivered = volts * volts / zout;
        const double lossDb = 10.0 * std::log10(available / delivered);
        EXPECT_NEAR(lossDb, s.printedDb, 5e-5); // printed to four decimals
        // Printed to six significant digits.
        EXPECT_NEAR(input, s.printedInputOhms, 1e-5 * input);
        EXPECT_NEAR(output, s.printedOutputOhms, 1e-5 * output);
        if (s.exactValues) {
            EXPECT_NEAR(lossDb, s.requestedDb, 1e-6);
            if (c.matchedAtBothPorts) {
                EXPECT_NEAR(input, zin, 1e-6 * zin);
                EXPECT_NEAR(output, zout, 1e-6 * zout);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Subcircuits, AgreesWithNgspice,
    ::testing::Values(
        SpiceCase{"pi_exact", "pi", "75", "50", {"--db", "10"}, true},
        SpiceCase{"pi_symmetric_table_e96",
                  "pi",
                  "50",
                  "50",
                  {"--db", "3:30:9", "--series", "E96"},
                  true},
        SpiceCase{
            "t_exchanged_table_e24", "t", "50", "75", {"--db", "6:12:3", "--series", "E24"}, true},
        SpiceCase{"t_smaller_impedance_at_the_input", "t", "50", "75", {"--db", "10"}, true},
        SpiceCase{"t_at_high_loss", "t", "600", "150", {"--db", "60"}, true},
        SpiceCase{"l_out_e12", "l-out", "600", "50", {"--db", "20", "--series", "E12"}, false},
        SpiceCase{"l_in_exact", "l-in", "1500", "2200", {"--db", "10"}, false},
        SpiceCase{"h_exact", "h", "600", "600", {"--db", "20"}, true},
        SpiceCase{"h_smaller_impedance_at_the_input", "h", "50", "75", {"--db", "10"}, true},
        SpiceCase{"o_table_e24", "o", "150", "600", {"--db", "12:18:6", "--series", "E24"}, true},
        SpiceCase{"bridged_t_exact", "bridged-t", "75", "75", {"--db", "6"}, true},
        SpiceCase{"power_splitter_e24",
                  "power-splitter",
                  "50",
                  "50",
                  {"--db", "6", "--series", "E24"},
                  true},
        SpiceCase{"two_resistor_splitter_exact",
                  "two-resistor-splitter",
                  "75",
                  "75",
                  {"--db", "6"},
                  false},
        SpiceCase{"series_unequal_table", "series", "75", "50", {"--db", "3:12:3"}, false},
        SpiceCase{
            "shunt_unequal_e24", "shunt", "600", "50", {"--db", "20", "--series", "E24"}, false},
        // The resistors one has, as check writes them: the network after the word check.
        SpiceCase{"check_pi_with_a_pair",
                  "check",
                  "75",
                  "50",
                  {"pi", "--r1", "220", "--r2", "91", "--r3", "47+36"},
                  false},
        SpiceCase{"check_h_smaller_impedance_at_the_input",
                  "check",
                  "50",
                  "75",
                  {"h", "--r1", "27", "--r2", "27", "--r3", "39", "--r4", "39", "--r5", "47"},
                  false},
        SpiceCase{"check_l_out_shunt_at_the_input",
                  "check",
                  "50",
                  "75",
                  {"l-out", "--r1", "43", "--r2", "91", "--shunt-at", "input"},
                  false}),
    testing::CaseName{});

// The columns of a csv sweep, by heading, at the row of `hz`.
std::vector<double> sweepRow(const std::string& csv, double hz,
                             const std::vector<std::string>& headings) {
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    const auto split = [](const std::string& text) {
        std::vector<std::string> fields;
        std::istringstream in(text);
        for (std::string field; std::getline(in, field, ',');) {
            fields.push_back(field);
        }
        return fields;
    };
    const std::vector<std::string> names = split(line);
    const auto column = [&](const std::string& name) {
        return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) -
                                        names.begin());
    };
    while (std::getline(lines, line)) {
        const std::vector<std::string> fields = split(line);
        if (std::stod(fields.at(column("frequency_hz"))) == hz) {
            std::vector<double> values;
            values.reserve(headings.size());
            for (const std::string& heading : headings) {
                values.push_back(std::stod(fields.at(column(heading))));
            }
            return values;
        }
    }
    return {};
}

struct ModelledCase {
    const char* name;
    std::vector<std::string> arguments; // the design, with its parts
    std::string zin;
    std::string zout;
};

class ModelledAgreesWithNgspice : public ::testing::TestWithParam<ModelledCase> {};

// ngspice's AC analysis of the one subcircuit in `library`, driven from each port in turn
// through its reference with 1 V: S21 = 2 v(out) sqrt(Zin/Zout), S11 = 2 v(in) - 1, and S22
// likewise from the output, in dB, printed as s21at<i>, s11at<i> and s22at<i> for each index
// of the sweep `ac` (a perfect match is -600 dB rather than the log of 0, which ngspice refuses).
// Nothing where ngspice fails.
std::string ngspiceAc(const std::string& ngspice, const std::string& library, const ModelledCase& c,
                      const std::string& ac, std::initializer_list<int> indices) {
    const std::vector<Subcircuit> subcircuits = subcircuitsIn(library);
    if (subcircuits.size() != 1U) {
        return {};
    }
    std::string directory = ::testing::TempDir() + "zelmarino-ac-XXXXXX";
    if (mkdtemp(directory.data()) == nullptr) {
        return {};
    }
    writeFile(directory + "/pad.lib", library);
    const std::string& name = subcircuits.front().name;
    std::string deck =
        "* a pad driven from each port\n.include " + directory +
        "/pad.lib\nVA sa 0 DC 0 AC 1\nRSA sa ia " + c.zin + "\nXA ia oa 0 " + name + "\nRLA oa 0 " +
        c.zout + "\nVB sb 0 DC 0 AC 1\nRSB sb ob " + c.zout + "\nXB ib ob 0 " + name +
        "\nRLB ib 0 " + c.zin + "\n.control\nset numdgt=15\n" + ac +
        "\nlet s21 = db(2 * v(oa) * sqrt(" + c.zin + " / " + c.zout +
        "))\nlet s11 = db(2 * v(ia) - 1 + 1e-30)\nlet s22 = db(2 * v(ob) - 1 + 1e-30)\n";
    std::string prints = "print";
    for (const int index : indices) {
        for (const char* entry : {"s21", "s11", "s22"}) {
            const std::string scalar = std::string(entry) + "at" + std::to_string(index);
            deck += "let " + scalar + " = " + entry + "[" + std::to_string(index) + "]\n";
            prints += " " + scalar;
        }
    }
    deck += prints + "\nquit 0\n.endc\n.end\n";
    writeFile(directory + "/deck.cir", deck);
    const ProgramRun simulated = runProgram(ngspice, {"-b", directory + "/deck.cir"});
    std::remove((directory + "/pad.lib").c_str());
    std::remove((directory + "/deck.cir").c_str());
    rmdir(directory.c_str());
    return simulated.exitStatus == 0 ? simulated.out : std::string();
}

std::string withFormat(std::vector<std::string> arguments,
                       std::initializer_list<std::string> format) {
    arguments.insert(arguments.end(), format);
    return runCalc(arguments).out;
}

TEST_P(ModelledAgreesWithNgspice, on_s21_s11_and_s22_at_1_3_and_6_ghz) {
    const std::string ngspice = findOnPath("ngspice");
    if (ngspice.empty()) {
        GTEST_SKIP() << "ngspice is not installed";
    }
    const ModelledCase& c = GetParam();
    const std::string sweep = withFormat(c.arguments, {"--format", "csv", "--freq", "1G:6G:6"});
    const std::string simulated = ngspiceAc(ngspice, withFormat(c.arguments, {"--format", "spice"}),
                                            c, "ac lin 6 1e9 6e9", {0, 2, 5});
    ASSERT_FALSE(simulated.empty());

    double worst = 0.0;
    for (const int index : {0, 2, 5}) {
        const double hz = (index + 1) * 1e9;
        const std::vector<double> ours = sweepRow(sweep, hz, {"s21_db", "s11_db", "s22_db"});
        ASSERT_EQ(ours.size(), 3U) << sweep;
        const std::vector<std::string> entries = {"s21", "s11", "s22"};
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const double theirs =
                numberAfter(simulated, entries[i] + "at" + std::to_string(index) + " = ");
            SCOPED_TRACE(entries[i] + " at " + std::to_string(hz) + " Hz");
            ASSERT_TRUE(std::isfinite(theirs)) << simulated;
            EXPECT_NEAR(ours[i], theirs, 0.01);
            worst = std::max(worst, std::abs(ours[i] - theirs));
        }
    }
    RecordProperty("largest_difference_db", std::to_string(worst));
    std::cout << c.name << ": largest difference from ngspice " << worst << " dB\n";
}

INSTANTIATE_TEST_SUITE_P(
    Parasitics, ModelledAgreesWithNgspice,
    ::testing::Values(
        ModelledCase{"pi_50_10db_0603",
                     {"pi", "--zin", "50", "--zout", "50", "--db", "10", "--package", "0603"},
                     "50",
                     "50"},
        // The via sits under the shunt arm only, and the references differ.
        ModelledCase{"t_75_50_e24_0402_via",
                     {"t", "--zin", "75", "--zout", "50", "--db", "10", "--series", "E24",
                      "--package", "0402", "--via", "0.3nH"},
                     "75",
                     "50"},
        ModelledCase{"l_out_600_50_own_parts_via",
                     {"l-out", "--zin", "600", "--zout", "50", "--db", "20", "--parasitics",
                      "L=2nH,C=0.3pF", "--via", "1nH"},
                     "600",
                     "50"},
        // A bridge arm between the ports, and the leaded part near its resonance at 6 GHz.
        ModelledCase{"bridged_t_75_6db_axial_via",
                     {"bridged-t", "--zin", "75", "--zout", "75", "--db", "6", "--package", "axial",
                      "--via", "0.5nH"},
                     "75",
                     "75"}),
    testing::CaseName{});

// A pad of the resistors one has, some arms two of them, of a package and over a via: its
// subcircuit, written in-process as a check's export writes it, run by ngspice's AC analysis
// agrees with the program's own analysis of the same parts.
struct PairCase {
    const char* name;
    design::Network network;
    std::vector<design::Part> arms;
    std::string_view package;
    double viaHenries;
};

class PairsAgreeWithNgspice : public ::testing::TestWithParam<PairCase> {};

TEST_P(PairsAgreeWithNgspice, on_s21_s11_and_s22_at_1_3_and_6_ghz) {
    const std::string ngspice = findOnPath("ngspice");
    if (ngspice.empty()) {
        GTEST_SKIP() << "ngspice is not installed";
    }
    const PairCase& c = GetParam();
    design::Request request;
    request.network = c.network;
    request.zin = 75.0F;
    request.zout = 50.0F;
    const std::optional<design::Report> report = design::evaluateGiven(request, c.arms);
    ASSERT_TRUE(report);
    const design::PartModel model{design::packageNamed(c.package)->parasitics, c.viaHenries,
                                  c.package};
    std::string library;
    formats::writeSubcircuitBody(library, std::string("pairs_") + c.name, report->design,
                                 std::nullopt, model);
    const std::string simulated =
        ngspiceAc(ngspice, library, {c.name, {}, "75", "50"}, "ac lin 6 1e9 6e9", {0, 2, 5});
    ASSERT_FALSE(simulated.empty()) << library;
    const std::vector<double> hz = {1e9, 3e9, 6e9};
    const std::vector<design::ResponsePoint> ours =
        design::sweep(design::builtNetworkOf(*report, model), hz);
    double worst = 0.0;
    for (std::size_t k = 0; k < hz.size(); ++k) {
        ASSERT_TRUE(ours[k].s);
        const design::PortMatrix& s = *ours[k].s;
        const std::string index = std::to_string(static_cast<int>(hz[k] / 1e9) - 1);
        for (const auto& [entry, value] :
             {std::pair{"s21", s(1, 0)}, std::pair{"s11", s(0, 0)}, std::pair{"s22", s(1, 1)}}) {
            SCOPED_TRACE(std::string(entry) + " at " + std::to_string(hz[k]) + " Hz");
            const double theirs = numberAfter(simulated, entry + ("at" + index) + " = ");
            EXPECT_NEAR(design::decibelsOf(value), theirs, 0.01) << library;
            worst = std::max(worst, std::abs(design::decibelsOf(value) - theirs));
        }
    }
    std::cout << c.name << ": largest difference from ngspice " << worst << " dB\n";
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, PairsAgreeWithNgspice,
    ::testing::Values(
        // A series pair in the series arm, a parallel pair in a shunt arm over the via.
        PairCase{"pi_0603_via",
                 design::Network::Pi,
                 {design::partOf(220.0, {}, false), design::partOf(47.0, 36.0, false),
                  design::partOf(120.0, 82.0, true)},
                 "0603",
                 0.5e-9},
        // A series pair in the shunt arm over the via, and a link as half of a pair.
        PairCase{"t_axial_via",
                 design::Network::T,
                 {design::partOf(0.0, 15.0, false), design::partOf(10.0, 12.0, true),
                  design::partOf(39.0, 47.0, false)},
                 "axial",
                 1e-9}),
    testing::CaseName{});

// The networks of lines at their design frequency of 1 GHz, their lines as T elements or as
// their lumped equivalents: ngspice finds the loss asked for and both ports matched there, and
// agrees with the program's own sweep a tenth either side of it.
class LinesAgreeWithNgspice : public ::testing::TestWithParam<ModelledCase> {};

TEST_P(LinesAgreeWithNgspice, on_the_loss_and_match_at_f0_and_the_response_around_it) {
    const std::string ngspice = findOnPath("ngspice");
    if (ngspice.empty()) {
        GTEST_SKIP() << "ngspice is not installed";
    }
    const ModelledCase& c = GetParam();
    const std::string sweep = withFormat(c.arguments, {"--format", "csv", "--freq", "0.9G:1.1G:3"});
    const std::string simulated = ngspiceAc(ngspice, withFormat(c.arguments, {"--format", "spice"}),
                                            c, "ac lin 3 0.9e9 1.1e9", {0, 1, 2});
    ASSERT_FALSE(simulated.empty());
    const double asked =
        std::stod(*(std::find(c.arguments.begin(), c.arguments.end(), "--db") + 1));
    std::cout << c.name << ": ngspice at f0 S21 " << numberAfter(simulated, "s21at1 = ")
              << " dB, S11 " << numberAfter(simulated, "s11at1 = ") << " dB, S22 "
              << numberAfter(simulated, "s22at1 = ") << " dB\n";
    EXPECT_NEAR(numberAfter(simulated, "s21at1 = "), -asked, 1e-6) << simulated;
    EXPECT_LT(numberAfter(simulated, "s11at1 = "), -60.0) << simulated;
    EXPECT_LT(numberAfter(simulated, "s22at1 = "), -60.0) << simulated;
    for (const int index : {0, 2}) {
        const double hz = 0.9e9 + index * 0.1e9;
        const std::vector<double> ours = sweepRow(sweep, hz, {"s21_db", "s11_db", "s22_db"});
        ASSERT_EQ(ours.size(), 3U) << sweep;
        const std::vector<std::string> entries = {"s21", "s11", "s22"};
        for (std::size_t i = 0; i < entries.size(); ++i) {
            SCOPED_TRACE(entries[i] + " at " + std::to_string(hz) + " Hz");
            EXPECT_NEAR(ours[i],
                        numberAfter(simulated, entries[i] + "at" + std::to_string(index) + " = "),
                        0.01);
        }
    }
}

ModelledCase linesCase(const char* name, std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), {"--zin", "50", "--zout", "50", "--f0", "1G"});
    return {name, std::move(arguments), "50", "50"};
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LinesAgreeWithNgspice,
    ::testing::Values(
        linesCase("quarter_wave_series_ideal", {"quarter-wave-series", "--db", "10"}),
        linesCase("quarter_wave_series_lumped",
                  {"quarter-wave-series", "--db", "3", "--line", "lumped"}),
        linesCase("quarter_wave_shunt_ideal", {"quarter-wave-shunt", "--db", "20"}),
        linesCase("quarter_wave_shunt_lumped",
                  {"quarter-wave-shunt", "--db", "10", "--line", "lumped"}),
        linesCase("reflection_low_ideal", {"reflection", "--db", "1"}),
        linesCase("reflection_low_lumped", {"reflection", "--db", "10", "--line", "lumped"}),
        linesCase("reflection_high_ideal", {"reflection", "--db", "1", "--root", "high"}),
        linesCase("reflection_high_lumped",
                  {"reflection", "--db", "6", "--root", "high", "--line", "lumped"})),
    testing::CaseName{});

} // namespace
} // namespace zelmarino::cli::testing
