#include "cli/check_command.h"

#include "cli/fields.h"
#include "cli/option_values.h"
#include "cli/output_common.h"
#include "cli/text_columns.h"
#include "design/placement.h"
#include "design/two_port.h"

#include <CLI/CLI.hpp>
#include <array>
#include <string>
#include <vector>

namespace zelmarino::cli {

namespace {

constexpr std::array<Network, 4> checkedNetworks = {Network::Pi, Network::T, Network::LOut,
                                                    Network::LIn};
constexpr std::array<std::string_view, 3> armOptions = {"--r1", "--r2", "--r3"};

std::optional<Network> networkNamed(std::string_view name) {
    for (const Network network : checkedNetworks) {
        if (networkName(network) == name) {
            return network;
        }
    }
    return std::nullopt;
}

std::size_t armCount(Network network) {
    return network == Network::LOut || network == Network::LIn ? 2 : 3;
}

// Each option's text, read by the same readers as the design's.
struct Typed {
    std::string network;
    std::string zin;
    std::string zout;
    std::string shuntAt;
    std::string power;
    std::array<std::string, 3> arms;
};

std::optional<Refusal> read(const Typed& typed, CheckOptions& check) {
    Options& common = check.common;
    const auto network = networkNamed(typed.network);
    if (!network) {
        return Refusal{"check: unknown network " + cli::quoted(typed.network) +
                       " (choose pi, t, l-out or l-in)"};
    }
    common.network = *network;
    if (auto refusal = readImpedance("--zin", typed.zin, common.zin)) {
        return refusal;
    }
    if (auto refusal = readImpedance("--zout", typed.zout, common.zout)) {
        return refusal;
    }
    const std::size_t count = armCount(common.network);
    for (std::size_t i = 0; i < typed.arms.size(); ++i) {
        const bool given = !typed.arms.at(i).empty();
        if (given && i >= count) {
            return Refusal{"check: " + std::string(armOptions.at(i)) + ": the " +
                           std::string(networkName(common.network)) + " network has " +
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
    if (!typed.shuntAt.empty()) {
        if (auto refusal = readShuntAt(typed.shuntAt, common)) {
            return refusal;
        }
    }
    if (!typed.power.empty()) {
        if (auto refusal = readPower(typed.power, common)) {
            return refusal;
        }
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
                 "port resistances and return losses, and with --power each one's dissipation.");
    check->set_help_flag("-h,--help", "show this help");
    check->add_option("NETWORK", typed.network, "pi, t, l-out or l-in")->required();
    check->add_option("--zin", typed.zin, "input impedance")->required();
    check->add_option("--zout", typed.zout, "output impedance")->required();
    check
        ->add_option("--r1", typed.arms[0],
                     "R1 as the design report names it: 100, 1k5,\n"
                     "100+47 (in series) or 220||330 (in parallel)")
        ->required();
    check->add_option("--r2", typed.arms[1], "R2")->required();
    check->add_option("--r3", typed.arms[2], "R3 (the Pi and the T)");
    check->add_option("--shunt-at", typed.shuntAt, "input or output: an L's shunt arm");
    check->add_option("--power", typed.power, "power available from the source");
    check->footer("Example: zelmarino-calc check pi --zin 75 --zout 50 --r1 220 --r2 91 "
                  "--r3 82");
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
    } catch (const CLI::ParseError& error) {
        return Refusal{"check: " + std::string(error.what())};
    }
    CheckOptions options;
    if (auto refusal = read(typed, options)) {
        return *refusal;
    }
    return options;
}

RunResult runCheck(const CheckOptions& check) {
    const Options& common = check.common;
    const auto network =
        design::placeArms(common.network, common.zin, common.zout, common.shuntAt, check.armOhms);
    const auto ports =
        network ? design::checkPorts(*network, common.zin, common.zout) : std::nullopt;
    if (!ports) {
        return {exitRefused, "", "zelmarino-calc: check: the network cannot be solved\n"};
    }
    // The arms' names and roles are those of the network's design report.
    const Design named = makeDesign(
        common.network, common.zin, common.zout,
        static_cast<float>(design::minimumLoss(common.network, common.zin, common.zout) + 20.0),
        common.shuntAt);
    std::optional<PowerShare> power;
    if (common.availableWatts) {
        power = design::dissipation(*network, common.zin, common.zout, *common.availableWatts);
    }
    RunResult result;
    std::string& out = result.out;
    out += std::string(networkTitle(common.network)) + " as built: Zin " + entryText(common.zin) +
           " Ω, Zout " + entryText(common.zout) + " Ω\n\n";
    std::vector<Column> columns = {{"Arm", Align::Left},
                                   {"Role", Align::Left},
                                   {"Given", Align::Right},
                                   {"Resistance (Ω)", Align::Right}};
    if (power) {
        columns.push_back({"Dissipation (W)", Align::Right});
    }
    TextColumns arms(std::move(columns));
    for (std::size_t i = 0; i < check.armOhms.size(); ++i) {
        std::vector<std::string> row = {std::string(named.arms.at(i).name),
                                        std::string(named.arms.at(i).role), check.armTexts.at(i),
                                        readingText(ohmsQuantity, check.armOhms.at(i))};
        if (power) {
            row.push_back(readingText(wattsQuantity, power->resistorWatts.at(i)));
        }
        arms.addRow(std::move(row));
    }
    arms.write(out);
    out += "\n";
    TextColumns figures({{"Check", Align::Left}, {"As built", Align::Right}});
    for (const CheckField& field : checkFields) {
        const std::string_view symbol = field.quantity->symbol;
        figures.addRow(
            {std::string(field.label) + (symbol.empty() ? "" : " (" + std::string(symbol) + ")"),
             readingText(*field.quantity, field.value(*ports))});
    }
    figures.write(out);
    if (power) {
        out += "\nWith " + readingText(wattsQuantity, *common.availableWatts) +
               " W available from the source, the load receives " +
               readingText(wattsQuantity, power->loadWatts) + " W.\n";
    }
    return result;
}

} // namespace zelmarino::cli
