#include "cli/check_command.h"

#include "cli/check_output.h"
#include "cli/option_values.h"
#include "cli/output_common.h"
#include "design/placement.h"
#include "design/two_port.h"

#include <CLI/CLI.hpp>
#include <array>
#include <string>
#include <vector>

namespace zelmarino::cli {

namespace {

struct CheckedNetwork {
    Network network;
    std::size_t arms; // as the design report numbers them
};

constexpr std::array<CheckedNetwork, 7> checkedNetworks = {{
    {Network::Pi, 3},
    {Network::T, 3},
    {Network::LOut, 2},
    {Network::LIn, 2},
    {Network::H, 5},
    {Network::O, 4},
    {Network::BridgedT, 4},
}};
constexpr std::array<std::string_view, 5> armOptions = {"--r1", "--r2", "--r3", "--r4", "--r5"};

std::optional<CheckedNetwork> networkNamed(std::string_view name) {
    for (const CheckedNetwork& checked : checkedNetworks) {
        if (networkName(checked.network) == name) {
            return checked;
        }
    }
    return std::nullopt;
}

// Each option's text, read by the same readers as the design's.
struct Typed {
    std::string network;
    std::string zin;
    std::string zout;
    std::string shuntAt;
    std::string power;
    std::string rating;
    std::string format;
    std::array<std::string, armOptions.size()> arms;
};

std::optional<Refusal> readArms(const Typed& typed, std::size_t count, CheckOptions& check) {
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
            double ohms = 0.0;
            if (auto refusal = readArm(armOptions.at(i), typed.arms.at(i), ohms)) {
                return refusal;
            }
            check.armOhms.push_back(ohms);
            check.armTexts.push_back(typed.arms.at(i));
        }
    }
    return std::nullopt;
}

std::optional<Refusal> read(const Typed& typed, CheckOptions& check) {
    Options& common = check.common;
    const auto network = networkNamed(typed.network);
    if (!network) {
        return Refusal{"check: unknown network " + cli::quoted(typed.network) +
                       " (choose pi, t, l-out, l-in, h, o or bridged-t)"};
    }
    common.network = network->network;
    if (auto refusal = readImpedance("--zin", typed.zin, common.zin)) {
        return refusal;
    }
    if (auto refusal = readImpedance("--zout", typed.zout, common.zout)) {
        return refusal;
    }
    if (common.network == Network::BridgedT && common.zin != common.zout) {
        return Refusal{"check: bridged-t: --zin " + entryText(common.zin) + " and --zout " +
                       entryText(common.zout) +
                       " differ, and a bridged T is matched only between equal impedances"};
    }
    if (auto refusal = readArms(typed, network->arms, check)) {
        return refusal;
    }
    using Reader = std::optional<Refusal> (*)(std::string_view, Options&);
    const std::array<std::pair<const std::string*, Reader>, 3> readers = {{
        {&typed.shuntAt, readShuntAt},
        {&typed.power, readPower},
        {&typed.rating, readRating},
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
    return completeOptions(common);
}

} // namespace

ParsedCommand parseCheck(std::span<const std::string_view> arguments) {
    Typed typed;
    CLI::App app{"", "zelmarino-calc"};
    app.set_help_flag();
    CLI::App* check = app.add_subcommand(
        "check", "Analyses the resistors you have in the places of a network's arms: loss,\n"
                 "port resistances, return losses, VSWR and |Γ|, and with --power what each\n"
                 "one dissipates, the voltage across it and the current through it.");
    check->set_help_flag("-h,--help", "show this help");
    check->add_option("NETWORK", typed.network, "pi, t, l-out, l-in, h, o or bridged-t")
        ->required();
    check->add_option("--zin", typed.zin, "input impedance")->required();
    check->add_option("--zout", typed.zout, "output impedance")->required();
    check
        ->add_option("--r1", typed.arms[0],
                     "R1 as the design report names it: 100, 1k5,\n"
                     "100+47 (in series) or 220||330 (in parallel)")
        ->required();
    check->add_option("--r2", typed.arms[1], "R2")->required();
    check->add_option("--r3", typed.arms[2], "R3 (all but the L)");
    check->add_option("--r4", typed.arms[3], "R4 (the H, the O and the bridged T)");
    check->add_option("--r5", typed.arms[4], "R5 (the H)");
    check->add_option("--shunt-at", typed.shuntAt, "input or output: an L's shunt arm");
    check->add_option("--power", typed.power, "power available from the source");
    check->add_option("--rating", typed.rating,
                      "with --power, each resistor's rating (0.25, 250mW):\n"
                      "the largest source power each arm tolerates");
    check->add_option("--format", typed.format,
                      "text (the default), csv, json or spice (a\n"
                      ".subckt with the ports in, out and ref)");
    check->footer("Examples: zelmarino-calc check pi --zin 75 --zout 50 --r1 220 --r2 91 --r3 82\n"
                  "          zelmarino-calc check t --zin 50 --zout 50 --r1 18 --r2 18 --r3 68 \\\n"
                  "                         --format csv\n"
                  "          zelmarino-calc check o --zin 600 --zout 600 --r1 750 --r2 1k5 \\\n"
                  "                         --r3 1k5 --r4 750 --power 1 --rating 0.25");
    try {
        app.parse(std::vector<std::string>(arguments.rbegin(), arguments.rend()));
    } catch (const CLI::CallForHelp&) {
        return HelpRequest{check->help() + "\n"};
    } catch (const CLI::RequiredError&) {
        for (const CLI::Option* option : check->get_options()) {
            if (option->get_required() && option->count() == 0) {
                return Refusal{"check: missing " + option->get_name()};
            }
        }
        return Refusal{"check: an option is missing"};
    } catch (const CLI::ExtrasError&) {
        // Worded as the design command words it: the first option it does not know.
        for (const std::string& extra : app.remaining(true)) {
            if (extra.starts_with('-')) {
                return Refusal{"check: unknown option " +
                               cli::quoted(extra.substr(0, extra.find('=')))};
            }
        }
        const std::vector<std::string> extras = app.remaining(true);
        return Refusal{"check: unexpected argument " +
                       cli::quoted(extras.empty() ? std::string() : extras.front())};
    } catch (const CLI::ParseError& error) {
        return Refusal{"check: " + std::string(error.what())};
    }
    CheckOptions options;
    if (auto refusal = read(typed, options)) {
        return *refusal;
    }
    return options;
}

std::optional<DesignReport> checkNetwork(const CheckOptions& check) {
    const Options& common = check.common;
    const auto placed =
        design::placeArms(common.network, common.zin, common.zout, common.shuntAt, check.armOhms);
    const auto ports = placed ? design::checkPorts(*placed, common.zin, common.zout) : std::nullopt;
    if (!ports) {
        return std::nullopt;
    }
    // The arms' names and roles are those of the network's design report, their values the
    // ones given.
    DesignReport built{makeDesign(
        common.network, common.zin, common.zout,
        static_cast<float>(design::minimumLoss(common.network, common.zin, common.zout) + 20.0),
        common.shuntAt)};
    for (std::size_t i = 0; i < built.design.arms.size(); ++i) {
        built.design.arms[i].resistor = placed->at(i);
        built.design.arms[i].windowText.clear();
    }
    built.design.lossDb = static_cast<float>(ports->lossDb);
    built.exact = ports;
    if (common.availableWatts) {
        built.power = design::dissipation(*placed, common.zin, common.zout, *common.availableWatts);
        if (built.power && common.ratingWatts) {
            built.toleratedWatts = design::toleratedSourceWatts(
                *built.power, *common.availableWatts, *common.ratingWatts);
            checkTolerated(*built.power, *built.toleratedWatts);
        }
    }
    return built;
}

RunResult runCheck(const CheckOptions& check) {
    const std::optional<DesignReport> built = checkNetwork(check);
    if (!built) {
        return {exitRefused, "", "zelmarino-calc: check: the network cannot be solved\n"};
    }
    RunResult result;
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
