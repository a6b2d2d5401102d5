#include "cli/options.h"

#include "cli/check_command.h"
#include "cli/frequency_option.h"
#include "cli/help_text.h"
#include "cli/line_options.h"
#include "cli/model_options.h"
#include "cli/option_values.h"
#include "formats/output_common.h"

#include <CLI/CLI.hpp>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zelmarino::cli {

using namespace formats;

namespace {

std::string networkChoice() {
    return "choose " + design::commandList();
}

// A refusal thrown from inside CLI11's parse; built from one text, it prints that text whole.
[[noreturn]] void refuse(std::string message) {
    throw CLI::ValidationError(std::move(message));
}

std::string unknownOption(std::string_view argument) {
    return "unknown option " + quoted(argument.substr(0, argument.find('=')));
}

std::string unknownNetwork(std::string_view argument) {
    return "unknown network " + quoted(argument) + " (" + networkChoice() + ")";
}

struct ValueOption {
    std::string name;
    bool required;
    std::string valueName; // for --help, as are the lines after it
    std::string help;
    std::function<std::optional<Refusal>(std::string_view value)> read; // into the options
};

// The options that take a value, in the order CLI11 judges them when several are wrong.
std::vector<ValueOption> valueOptions(Options& options) {
    using Reader = decltype(ValueOption::read);
    const auto impedance = [](std::string option, float& field) -> Reader {
        return [option = std::move(option), &field](std::string_view value) {
            return readImpedance(option, value, field);
        };
    };
    const auto into = [&options](auto read) -> Reader {
        return [read, &options](std::string_view value) { return read(value, options); };
    };
    return {
        {"--zin", true, "OHMS", "input impedance: 75, 2.2k, 1k5, 1M (prefixes m, k, M, G)",
         impedance("--zin", options.zin)},
        {"--zout", true, "OHMS", "output impedance", impedance("--zout", options.zout)},
        {"--db", true, "DB",
         "loss in dB, above 0; FROM:TO:STEP for a table; or min for\n"
         "the minimum-loss pad",
         into(readLosses)},
        {"--shunt-at", false, "PORT",
         "input or output (the default, as the window): the port an L's\n"
         "shunt arm goes across; input gives the 50 to 75 ohm minimum-loss pad",
         into(readShuntAt)},
        {"--series", false, "E24",
         "round each arm to the nearest value of E6, E12, E24, E48,\n"
         "E96 or E192 and check the rounded network",
         into(readSeries)},
        {"--tolerance", false, "PERCENT", "worst case over every corner of the resistor tolerances",
         into(readTolerance)},
        {"--min-return-loss", false, "DB",
         "the return loss --optimise and the usable bandwidth keep\n"
         "(default 30)",
         into(readMinReturnLoss)},
        {"--power", false, "WATTS",
         "power available from the source (0.5, 500mW, 27dBm): each\n"
         "resistor's dissipation",
         into(readPower)},
        {"--rating", false, "WATTS",
         "with --power, each resistor's rating (0.25, 250mW): the most\n"
         "power the source may make available before each arm exceeds it",
         into(readRating)},
        {"--format", false, "FORMAT",
         "text (the default), csv, json, spice (a .subckt with the\n"
         "ports in, out and ref) or touchstone (S-parameters, with --freq)",
         into(readFormat)},
        {"--freq", false, "HZ",
         "sweep the design as built: 1G, FROM:TO:POINTS or\n"
         "FROM:TO:POINTS:log; as text, csv, json or touchstone",
         into(readFrequencies)},
        {"--touchstone", false, "VERSION",
         "2.0 (the default; a reference per port) or 1.1 (every port\n"
         "referred to Zin, for older readers)",
         into(readTouchstoneVersion)},
        {"--package", false, "NAME",
         "the resistors' package, with its inductance and capacitance:\n" + design::packageList(),
         into(readPackage)},
        {"--parasitics", false, "L=,C=",
         "parts of your own: L=1nH,C=0.05pF (in series, across each)", into(readParasitics)},
        {"--via", false, "HENRIES", "the inductance of a shunt arm's way to ground: 0.3nH",
         into(readVia)},
        {"--flatness", false, "DB",
         "how far the loss may leave its DC value within the usable\n"
         "bandwidth (default 0.1)",
         into(readFlatness)},
        {"--f0", false, "HZ",
         "the frequency the lines of quarter-wave-series, quarter-wave-shunt\n"
         "and reflection are a quarter wave at: 1G, 2.4GHz",
         into(readF0)},
        {"--line", false, "KIND",
         "ideal (the default: transmission lines) or lumped (each line's\n"
         "C-L-C equivalent at --f0)",
         into(readLineModel)},
        {"--root", false, "ROOT",
         "the reflection attenuator's arms: low (the default, below the\n"
         "impedance) or high (above it)",
         into(readRoot)},
    };
}

constexpr std::string_view description =
    "Designs a resistive attenuator with the same arithmetic as the Zelmarino window, checks it\n"
    "by circuit analysis, and rounds it to standard resistor values if asked.";

constexpr std::string_view notes =
    "Exit status: 0 when every design can be built; 1 when a loss is below the minimum for\n"
    "the impedances (the values are printed all the same, the negative arm named) or\n"
    "--optimise finds no set; 2 when the command line is refused or the output cannot be\n"
    "written.\n"
    "\n"
    "Examples: zelmarino-calc pi --zin 75 --zout 50 --db 10 --series E24\n"
    "          zelmarino-calc h --zin 600 --zout 600 --db 20 --format spice\n"
    "          zelmarino-calc o --zin 150 --zout 600 --db 12 --series E24\n"
    "          zelmarino-calc bridged-t --zin 75 --zout 75 --db 6\n"
    "          zelmarino-calc l-in --zin 75 --zout 50 --db 10 --series E12\n"
    "          zelmarino-calc series --zin 50 --zout 50 --db 6\n"
    "          zelmarino-calc shunt --zin 75 --zout 50 --db 10\n"
    "          zelmarino-calc power-splitter --zin 50 --zout 50 --db 6 --package 0402 \\\n"
    "              --freq 10M:6G:31:log\n"
    "          zelmarino-calc two-resistor-splitter --zin 50 --zout 50 --db 6 --format spice\n"
    "          zelmarino-calc t --zin 50 --zout 75 --db 10 --format touchstone --freq 1M:1G:101\n"
    "          zelmarino-calc pi --zin 50 --zout 50 --db 10 --package 0603 --bandwidth\n"
    "          zelmarino-calc pi --zin 50 --zout 50 --db 10 --package 0603 --freq 10M:10G:41:log\n"
    "          zelmarino-calc pi --zin 50 --zout 50 --db 10 --parasitics L=1nH,C=0.05pF \\\n"
    "              --via 0.3nH --format csv --freq 1G:6G:6\n"
    "          zelmarino-calc t --zin 75 --zout 50 --db 10 --package 0402 --format touchstone \\\n"
    "              --touchstone 1.1 --freq 1M:6G:601\n"
    "          zelmarino-calc quarter-wave-series --zin 50 --zout 50 --db 10 --f0 1G\n"
    "          zelmarino-calc quarter-wave-shunt --zin 50 --zout 50 --db 10 --f0 2.4G --line "
    "lumped\n"
    "          zelmarino-calc reflection --zin 50 --zout 50 --db 1 --f0 1G --root high\n"
    "          zelmarino-calc l-out --zin 50 --zout 75 --db min --shunt-at input\n"
    "          zelmarino-calc pi --zin 75 --zout 50 --db 10 --series E24 --optimise --pairs\n"
    "          zelmarino-calc pi --zin 50 --zout 50 --db 20 --power 1 --rating 0.25\n"
    "          zelmarino-calc check pi --zin 75 --zout 50 --r1 220 --r2 91 --r3 47+36\n"
    "          (check --help for the analysis of resistors you have)";

// The command line as CLI11 reads it, and its help. The help and version flags answer as soon
// as they are read, whatever else is on the line; every value is judged by this program's own
// readers.
class CommandLine {
public:
    explicit CommandLine(Options& options) {
        m_app.description(std::string(description));
        m_app.footer(std::string(notes));
        m_network =
            m_app.add_option_function<std::string>("NETWORK", [&options](const std::string& name) {
                if (name.starts_with('-')) {
                    refuse(unknownOption(name));
                }
                const auto network = design::networkNamed(name);
                if (!network) {
                    refuse(unknownNetwork(name));
                }
                options.network = *network;
            });
        // What a design needs is asked for once the command line is read, not from CLI11, which
        // would ask it of a check as well and take "check" for the network.
        m_network->group("Networks");
        m_mustGive.push_back(m_network);
        for (auto& [name, required, valueName, help, read] : valueOptions(options)) {
            CLI::Option* option = m_app.add_option_function<std::string>(
                name,
                [name = name, read = std::move(read)](const std::string& value) {
                    // CLI11 takes whatever follows an option as its value; another option
                    // there means that this one was given none.
                    if (value.starts_with("--")) {
                        refuse(name + " needs a value");
                    }
                    if (auto refusal = read(value)) {
                        refuse(std::move(refusal->message));
                    }
                },
                help);
            option->option_text(valueName);
            if (required) {
                m_mustGive.push_back(option);
            }
        }
        m_app.add_flag("--optimise", options.optimise,
                       "search each arm's neighbouring --series values for the set\n"
                       "closest to the loss with both return losses kept");
        m_app.add_flag("--decimal-comma", options.decimalComma,
                       "csv for spreadsheets whose decimal sign is a comma: ';' between\n"
                       "fields, ',' in numbers, and a byte-order mark");
        m_app.add_flag("--pairs", options.pairs,
                       "with --optimise, an arm may also be two standard values in\n"
                       "series or in parallel");
        m_app.add_flag("--bandwidth", options.bandwidthOnly,
                       "answer the usable bandwidth alone: of --package or\n"
                       "--parasitics, else of every package");
        // Declared last, so that --help lists them last.
        m_app.set_help_flag();
        m_flags = {
            m_app.add_flag_callback(
                "-h,--help", [] { throw CLI::CallForHelp(); }, "show this help"),
            m_app.add_flag_callback(
                "--version", [] { throw CLI::CallForVersion(); }, "show the version"),
        };
        for (CLI::Option* flag : m_flags) {
            flag->trigger_on_parse();
        }
        std::vector<Choice> choices;
        for (const design::NetworkEntry& entry : design::catalogue()) {
            choices.push_back({entry.command, entry.summary});
        }
        m_app.formatter(helpLayout(std::move(choices), m_mustGive));
    }

    [[nodiscard]] std::string help() const { return m_app.help(); }
    [[nodiscard]] const CheckCommand& check() const { return m_check; }

    // Reads the arguments; throws CLI11's errors, help and version included.
    void parse(std::span<const std::string_view> arguments) {
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
        m_app.parse(std::move(reversed));
        // CLI11 sets a lone "--" aside as the end of the options; nothing here needs one.
        if (!m_app.remaining().empty()) {
            refuse(unknownOption(m_app.remaining().front()));
        }
        if (checkAfterNetwork()) {
            refuse(unexpected("check"));
        }
    }

    // "pi … check": a design's network, then the check.
    [[nodiscard]] bool checkAfterNetwork() const { return m_check.given() && !m_network->empty(); }

    // What a design must be given and was not, in the order of the usage line.
    [[nodiscard]] std::optional<std::string> missing() const {
        for (const CLI::Option* option : m_mustGive) {
            if (option->count() == 0) {
                return option == m_network ? "no network given (" + networkChoice() + ")"
                                           : "missing " + option->get_name();
            }
        }
        return std::nullopt;
    }

    // Says in this program's words what CLI11 refused.
    [[nodiscard]] std::string refusal(const CLI::ParseError& error,
                                      std::span<const std::string_view> arguments) const {
        const std::vector<std::string> unplaced = m_app.remaining();
        // An argument that fits nowhere is named before a missing option, which it may well
        // have been meant to be ("--zuot 50").
        if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr && !unplaced.empty()) {
            return unexpected(unplaced.front());
        }
        if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
            const auto repeated =
                m_app.get_options([](const CLI::Option* option) { return option->count() > 1; });
            if (!repeated.empty()) {
                return repeated.front()->get_name() + " is given twice";
            }
            // Any argument after an option is taken as its value, so only the last can lack one.
            const std::string_view last = arguments.back();
            return std::string(last.substr(0, last.find('='))) + " needs a value";
        }
        if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) {
            // Only a flag can fail to convert: given a value it cannot read ("--help=x").
            for (const CLI::Option* flag : m_flags) {
                if (flag->count() > 0) {
                    return unknownOption(flag->get_name());
                }
            }
        }
        return error.what();
    }

    // An argument that is no option, where none is expected.
    [[nodiscard]] std::string unexpected(std::string_view argument) const {
        if (argument.starts_with('-')) {
            return unknownOption(argument);
        }
        if (m_network->empty()) {
            return unknownNetwork(argument);
        }
        return "unexpected argument " + quoted(argument) + ": the network is already " +
               quoted(std::string_view(m_network->results().front()));
    }

private:
    CLI::App m_app{"", "zelmarino-calc"};
    CheckCommand m_check{m_app};
    CLI::Option* m_network = nullptr;
    std::vector<const CLI::Option*> m_mustGive;
    std::array<CLI::Option*, 2> m_flags{}; // help, version
};

} // namespace

ParsedCommand parseCommand(std::span<const std::string_view> arguments) {
    Options options;
    CommandLine commandLine(options);
    const CheckCommand& check = commandLine.check();
    try {
        commandLine.parse(arguments);
    } catch (const CLI::CallForHelp&) {
        return HelpRequest{check.given() ? check.help() : commandLine.help()};
    } catch (const CLI::CallForVersion&) {
        return VersionRequest{};
    } catch (const CLI::ParseError& error) {
        if (commandLine.checkAfterNetwork()) {
            return Refusal{commandLine.unexpected("check")};
        }
        if (check.given()) {
            return check.refusal(error);
        }
        return Refusal{commandLine.refusal(error, arguments)};
    }
    if (check.given()) {
        return check.command();
    }
    if (auto missing = commandLine.missing()) {
        return Refusal{*missing};
    }
    if (auto refusal = completeOptions(options)) {
        return *refusal;
    }
    return options;
}

} // namespace zelmarino::cli
