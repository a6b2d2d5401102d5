#include "cli/check_command.h"

#include "cli/frequency_option.h"
#include "cli/model_options.h"
#include "cli/option_values.h"
#include "cli/response_run.h"
#include "design/placement.h"
#include "design/two_port.h"
#include "formats/check_output.h"
#include "formats/output_common.h"

#include <CLI/CLI.hpp>
#include <array>
#include <string>
#include <vector>

namespace zelmarino::cli {

using namespace formats;

struct CheckCommand::Typed {
    std::string network;
    std::string zin;
    std::string zout;
    std::string shuntAt;
    std::string power;
    std::string rating;
    std::string format;
    std::string package;
    std::string parasitics;
    std::string via;
    std::string frequencies;
    std::string flatness;
    std::string minReturnLoss;
    std::vector<std::string> arms = std::vector<std::string>(design::mostArms());
    bool decimalComma = false;
    bool bandwidthOnly = false;
};

namespace {

// "--r1", "--r2", …: as many as the network with the most arms has.
std::vector<std::string> armOptionNames() {
    std::vector<std::string> names;
    for (std::size_t i = 1; i <= design::mostArms(); ++i) {
        names.push_back("--r" + std::to_string(i));
    }
    return names;
}

// "R3 (pi, t, h, o, bridged-t)": the networks that have that arm.
std::string armHelp(std::size_t arm) {
    std::string which;
    bool all = true;
    for (const design::NetworkEntry& entry : design::catalogue()) {
        if (entry.arms.size() > arm) {
            which += (which.empty() ? "" : ", ") + std::string(entry.command);
        } else {
            all = false;
        }
    }
    const std::string name = "R" + std::to_string(arm + 1);
    return all ? name : name + " (" + which + ")";
}

using Typed = CheckCommand::Typed;

std::optional<Refusal> readArms(const Typed& typed, std::size_t count, CheckOptions& check) {
    const std::vector<std::string> armOptions = armOptionNames();
    for (std::size_t i = 0; i < typed.arms.size(); ++i) {
        const bool given = !typed.arms.at(i).empty();
        if (given && i >= count) {
            return Refusal{"check: " + std::string(armOptions.at(i)) + ": the " +
                           std::string(networkName(check.common.network)) + " network has " +
                           std::to_string(count) + " arms"};
        }
        if (!given && i < count) {
            return Refusal{"check: missing " + std::string(armOptions.at(i))};
        }
        if (given) {
            design::Part part{};
            if (auto refusal = readArm(armOptions.at(i), typed.arms.at(i), part)) {
                return refusal;
            }
            check.arms.push_back(part);
            check.armTexts.push_back(typed.arms.at(i));
        }
    }
    return std::nullopt;
}

std::optional<Refusal> read(const Typed& typed, CheckOptions& check) {
    Options& common = check.common;
    common.given = true;
    const auto network = design::networkNamed(typed.network);
    if (!network) {
        return Refusal{"check: unknown network " + cli::quoted(typed.network) + " (choose " +
                       design::commandList() + ")"};
    }
    common.network = *network;
    if (auto refusal = readImpedance("--zin", typed.zin, common.zin)) {
        return refusal;
    }
    if (auto refusal = readImpedance("--zout", typed.zout, common.zout)) {
        return refusal;
    }
    if (auto refusal =
            readArms(typed, design::armsOf(*network, design::ShuntAt::Output).size(), check)) {
        return refusal;
    }
    using Reader = std::optional<Refusal> (*)(std::string_view, Options&);
    const std::array<std::pair<const std::string*, Reader>, 9> readers = {{
        {&typed.shuntAt, readShuntAt},
        {&typed.power, readPower},
        {&typed.rating, readRating},
        {&typed.package, readPackage},
        {&typed.parasitics, readParasitics},
        {&typed.via, readVia},
        {&typed.frequencies, readFrequencies},
        {&typed.flatness, readFlatness},
        {&typed.minReturnLoss, readMinReturnLoss},
    }};
    for (const auto& [text, reader] : readers) {
        if (!text->empty()) {
            if (auto refusal = reader(*text, common)) {
                return refusal;
            }
        }
    }
    // The Touchstone writer records a design as the design command makes it, at its --freq.
    if (!typed.format.empty() &&
        (readFormat(typed.format, common) || common.format == OutputFormat::Touchstone)) {
        return Refusal{"check: --format " + cli::quoted(typed.format) +
                       ": a check is written as text, csv, json or spice"};
    }
    common.decimalComma = typed.decimalComma;
    common.bandwidthOnly = typed.bandwidthOnly;
    // The design command's own rules for the response, said as the check's.
    if (auto refusal = responseRefusal(common)) {
        return Refusal{"check: " + refusal->message};
    }
    return completeOptions(common);
}

} // namespace

CheckCommand::CheckCommand(CLI::App& program)
    : m_typed(std::make_unique<Typed>()) {
    Typed& typed = *m_typed;
    m_app = program.add_subcommand(
        "check", "Analyses the resistors you have in the places of a network's arms: loss,\n"
                 "port resistances, return losses, VSWR and |Γ|, and with --power what each\n"
                 "one dissipates, the voltage across it and the current through it.");
    // CLI11's own layout, not the design command's, and its own help flag.
    m_app->formatter(std::make_shared<CLI::Formatter>());
    m_app->set_help_flag("-h,--help", "show this help");
    m_app->add_option("NETWORK", typed.network, design::commandList())->required();
    m_app->add_option("--zin", typed.zin, "input impedance")->required();
    m_app->add_option("--zout", typed.zout, "output impedance")->required();
    const std::vector<std::string> armOptions = armOptionNames();
    for (std::size_t i = 0; i < armOptions.size(); ++i) {
        CLI::Option* arm =
            m_app->add_option(armOptions[i], typed.arms[i],
                              i == 0 ? "R1 as the design report names it: 100, 1k5, 4R7,\n"
                                       "100+47 (in series) or 220||330 (in parallel)"
                                     : armHelp(i));
        // Every network has R1; the others are asked for by the network's count of arms.
        arm->required(i == 0);
    }
    m_app->add_option("--shunt-at", typed.shuntAt, "input or output: an L's shunt arm");
    m_app->add_option("--power", typed.power, "power available from the source");
    m_app->add_option("--rating", typed.rating,
                      "with --power, each resistor's rating (0.25, 250mW):\n"
                      "the largest source power each arm tolerates");
    m_app->add_option("--format", typed.format,
                      "text (the default), csv, json or spice (a\n"
                      ".subckt with the ports in, out and ref)");
    m_app->add_flag("--decimal-comma", typed.decimalComma,
                    "csv for spreadsheets whose decimal sign is a comma");
    m_app->add_option("--package", typed.package,
                      "the resistors' package, with its inductance and\n"
                      "capacitance: " +
                          design::packageList());
    m_app->add_option("--parasitics", typed.parasitics,
                      "parts of your own: L=1nH,C=0.05pF (in series, across each)");
    m_app->add_option("--via", typed.via, "the inductance of a shunt arm's way to ground: 0.3nH");
    m_app->add_option("--freq", typed.frequencies,
                      "sweep the network as built: 1G, FROM:TO:POINTS or\n"
                      "FROM:TO:POINTS:log; as text, csv or json");
    m_app->add_flag("--bandwidth", typed.bandwidthOnly,
                    "answer the usable bandwidth alone: of --package or\n"
                    "--parasitics, else of every package");
    m_app->add_option("--flatness", typed.flatness,
                      "how far the loss may leave its DC value within the\n"
                      "usable bandwidth (default 0.1)");
    m_app->add_option("--min-return-loss", typed.minReturnLoss,
                      "the return loss the usable bandwidth keeps (default 30)");
    m_app->footer("Examples: zelmarino-calc check pi --zin 75 --zout 50 --r1 220 --r2 91 --r3 82\n"
                  "          zelmarino-calc check t --zin 50 --zout 50 --r1 18 --r2 18 --r3 68 \\\n"
                  "                         --format csv\n"
                  "          zelmarino-calc check o --zin 600 --zout 600 --r1 750 --r2 1k5 \\\n"
                  "                         --r3 1k5 --r4 750 --power 1 --rating 0.25\n"
                  "          zelmarino-calc check pi --zin 50 --zout 50 --r1 96.25 --r2 71.15 \\\n"
                  "                         --r3 96.25 --package 0603 --freq 10M:10G:41:log");
}

CheckCommand::~CheckCommand() = default;

bool CheckCommand::given() const {
    return m_app->parsed();
}

std::string CheckCommand::help() const {
    // CLI11 names a subcommand alone in its usage line; the user types the program's name.
    std::string help = m_app->help();
    if (const std::size_t at = help.find("Usage: check"); at != std::string::npos) {
        help.insert(at + std::string_view("Usage: ").size(), "zelmarino-calc ");
    }
    return help + "\n";
}

Refusal CheckCommand::refusal(const CLI::ParseError& error) const {
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        for (const CLI::Option* option : m_app->get_options()) {
            if (option->get_required() && option->count() == 0) {
                return Refusal{"check: missing " + option->get_name()};
            }
        }
        return Refusal{"check: an option is missing"};
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        // Worded as the design command words it: the first option it does not know.
        const std::vector<std::string> extras = m_app->remaining(true);
        for (const std::string& extra : extras) {
            if (extra.starts_with('-')) {
                return Refusal{"check: unknown option " +
                               cli::quoted(extra.substr(0, extra.find('=')))};
            }
        }
        return Refusal{"check: unexpected argument " +
                       cli::quoted(extras.empty() ? std::string() : extras.front())};
    }
    return Refusal{"check: " + std::string(error.what())};
}

ParsedCommand CheckCommand::command() const {
    CheckOptions options;
    if (auto refusal = read(*m_typed, options)) {
        return *refusal;
    }
    return options;
}

std::optional<DesignReport> checkNetwork(const CheckOptions& check) {
    return design::evaluateGiven(check.common, check.arms);
}

RunResult runCheck(const CheckOptions& check) {
    const std::optional<DesignReport> built = checkNetwork(check);
    if (!built) {
        return {exitRefused, "", "zelmarino-calc: check: the network cannot be solved\n"};
    }
    RunResult result;
    if (hasResponse(check.common)) {
        writeWithResponse(result.out, check.common, *built,
                          [&](std::string& out) { writeCheckText(out, check, *built); });
        return result;
    }
    switch (check.common.format) {
    case OutputFormat::Csv:
        writeCheckCsv(result.out, check, *built);
        break;
    case OutputFormat::Json:
        writeCheckJson(result.out, check, *built);
        break;
    case OutputFormat::Spice:
        writeCheckSpice(result.out, check, *built);
        break;
    case OutputFormat::Text:
    case OutputFormat::Touchstone: // refused when read
        writeCheckText(result.out, check, *built);
        break;
    }
    return result;
}

} // namespace zelmarino::cli
