#include "cli/options.h"

#include "cli/help_text.h"
#include "cli/number_input.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>

namespace zelmarino::cli {

namespace {

struct Failure {
    std::string message;
};

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

std::string about(std::string_view option, std::string_view value, std::string_view problem) {
    return std::string(option) + " " + quoted(value) + ": " + std::string(problem);
}

// Reads a positive number and refuses what single precision, the window's own, cannot hold.
std::variant<double, Failure> readPositive(std::string_view option, std::string_view value,
                                           Prefixes prefixes, std::string_view positiveWhat) {
    const NumberReading reading = readNumber(value, prefixes);
    if (reading.status == NumberReading::Status::NotANumber) {
        return Failure{about(option, value, "not a number")};
    }
    if (reading.status == NumberReading::Status::OutOfRange ||
        std::abs(reading.value) > std::numeric_limits<float>::max()) {
        return Failure{about(option, value, "out of range")};
    }
    if (!(reading.value > 0.0)) {
        return Failure{about(option, value, positiveWhat)};
    }
    if (reading.value < std::numeric_limits<float>::min()) {
        return Failure{about(option, value, "too small")};
    }
    return reading.value;
}

std::variant<double, Failure> readImpedance(std::string_view option, std::string_view value) {
    return readPositive(option, value, Prefixes::Allowed, "must be a resistance above 0 ohms");
}

std::variant<double, Failure> readLoss(std::string_view value) {
    return readPositive("--db", value, Prefixes::Refused, "must be a loss above 0 dB");
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::optional<Failure> readLosses(std::string_view value, Options& options) {
    if (value.find(':') == std::string_view::npos) {
        const auto loss = readLoss(value);
        if (const auto* failure = std::get_if<Failure>(&loss)) {
            return *failure;
        }
        options.lossesDb = {static_cast<float>(std::get<double>(loss))};
        return std::nullopt;
    }
    const auto parts = split(value, ':');
    if (parts.size() != 3) {
        return Failure{about("--db", value, "a range is written FROM:TO:STEP")};
    }
    constexpr std::array<std::string_view, 3> partNames = {"FROM", "TO", "STEP"};
    std::array<double, 3> numbers{};
    for (std::size_t i = 0; i < 3; ++i) {
        const NumberReading reading = readNumber(parts[i], Prefixes::Refused);
        if (reading.status == NumberReading::Status::NotANumber) {
            return Failure{about("--db", value, quoted(parts[i]) + " is not a number")};
        }
        if (reading.status == NumberReading::Status::OutOfRange ||
            std::abs(reading.value) > std::numeric_limits<float>::max()) {
            return Failure{about("--db", value, quoted(parts[i]) + " is out of range")};
        }
        if (!(reading.value >= std::numeric_limits<float>::min())) {
            return Failure{
                about("--db", value, std::string(partNames.at(i)) + " must be above 0 dB")};
        }
        numbers.at(i) = reading.value;
    }
    const double from = numbers[0];
    const double to = numbers[1];
    const double step = numbers[2];
    if (to < from) {
        return Failure{about("--db", value, "TO is below FROM")};
    }
    // The rows are counted and placed in double precision, with a hair of slack so that
    // 0.1:1:0.1 ends on 1 despite the binary fractions; each loss is then held in single
    // precision, as the window holds it.
    const double rows = std::floor((to - from) / step + 1e-9) + 1.0;
    if (rows > static_cast<double>(maximumRows)) {
        return Failure{about("--db", value, "more than 1000000 designs")};
    }
    options.lossesDb.clear();
    const auto count = static_cast<std::size_t>(rows);
    for (std::size_t i = 0; i < count; ++i) {
        const double loss = std::min(from + static_cast<double>(i) * step, to);
        options.lossesDb.push_back(static_cast<float>(loss));
    }
    options.table = true;
    return std::nullopt;
}

std::optional<Failure> readSeries(std::string_view value, Options& options) {
    std::string upper(value);
    if (!upper.empty() && upper.front() == 'e') {
        upper.front() = 'E';
    }
    options.series = seriesNamed(upper);
    if (!options.series) {
        return Failure{about("--series", value, "not one of E6, E12, E24, E48, E96, E192")};
    }
    return std::nullopt;
}

std::optional<Failure> readTolerance(std::string_view value, Options& options) {
    std::string_view number = value;
    if (number.ends_with('%')) {
        number.remove_suffix(1);
    }
    const NumberReading reading = readNumber(number, Prefixes::Refused);
    if (reading.status != NumberReading::Status::Ok) {
        return Failure{about("--tolerance", value, "not a number")};
    }
    if (!(reading.value > 0.0 && reading.value < 100.0)) {
        return Failure{about("--tolerance", value, "must be a percentage above 0 and below 100")};
    }
    options.tolerance = reading.value / 100.0;
    return std::nullopt;
}

bool endsWithDbm(std::string_view text) {
    if (text.size() < 3) {
        return false;
    }
    const std::string_view unit = text.substr(text.size() - 3);
    return (unit[0] == 'd' || unit[0] == 'D') && (unit[1] == 'b' || unit[1] == 'B') &&
           (unit[2] == 'm' || unit[2] == 'M');
}

// Watts with an optional prefix and unit ("2", "500m", "500mW"), or dBm ("27dBm", "-3dBm").
std::optional<Failure> readPower(std::string_view value, Options& options) {
    std::string_view number = value;
    const bool dbm = endsWithDbm(number);
    if (dbm) {
        number.remove_suffix(3);
    } else if (number.ends_with('W')) {
        number.remove_suffix(1);
    }
    const NumberReading reading = readNumber(number, dbm ? Prefixes::Refused : Prefixes::Allowed);
    if (reading.status == NumberReading::Status::NotANumber) {
        return Failure{about("--power", value, "not a number of watts or dBm")};
    }
    const double watts = dbm ? std::pow(10.0, (reading.value - 30.0) / 10.0) : reading.value;
    if (reading.status == NumberReading::Status::OutOfRange || !std::isfinite(watts) ||
        (dbm && !(watts > 0.0))) {
        return Failure{about("--power", value, "out of range")};
    }
    if (!(watts > 0.0)) {
        return Failure{about("--power", value, "must be a power above 0 W")};
    }
    options.availableWatts = watts;
    return std::nullopt;
}

std::optional<Failure> readFormat(std::string_view value, Options& options) {
    constexpr std::array<std::pair<std::string_view, OutputFormat>, 4> formats = {{
        {"text", OutputFormat::Text},
        {"csv", OutputFormat::Csv},
        {"json", OutputFormat::Json},
        {"spice", OutputFormat::Spice},
    }};
    for (const auto& [name, format] : formats) {
        if (name == value) {
            options.format = format;
            return std::nullopt;
        }
    }
    return Failure{about("--format", value, "not one of text, csv, json, spice")};
}

struct NetworkChoice {
    Network network;
    std::string_view what; // for --help
};

constexpr std::array<NetworkChoice, 4> networkChoices = {{
    {Network::Pi, "shunt, series, shunt; matched at both ports"},
    {Network::T, "series, shunt, series; matched at both ports (the larger impedance is\n"
                 "placed on the input side, as the window does)"},
    {Network::LOut, "series, shunt; matched at the output port"},
    {Network::LIn, "series, shunt; matched at the input port"},
}};

std::optional<Network> networkNamed(std::string_view name) {
    for (const auto& choice : networkChoices) {
        if (networkName(choice.network) == name) {
            return choice.network;
        }
    }
    return std::nullopt;
}

constexpr std::string_view networkChoice = "choose pi, t, l-out or l-in";

// A refusal thrown from inside CLI11's parse; built from one text, it prints that text whole.
[[noreturn]] void refuse(std::string message) {
    throw CLI::ValidationError(std::move(message));
}

std::string unknownOption(std::string_view argument) {
    return "unknown option " + quoted(argument.substr(0, argument.find('=')));
}

std::string unknownNetwork(std::string_view argument) {
    return "unknown network " + quoted(argument) + " (" + std::string(networkChoice) + ")";
}

struct ValueOption {
    std::string name;
    bool required;
    std::string valueName; // for --help, as are the lines after it
    std::string help;
    std::function<std::optional<Failure>(std::string_view value)> read; // into the options
};

// The options that take a value, in the order CLI11 judges them when several are wrong.
std::vector<ValueOption> valueOptions(Options& options) {
    using Reader = decltype(ValueOption::read);
    const auto impedance = [](std::string option, float& field) -> Reader {
        return [option = std::move(option), &field](std::string_view value) {
            const auto ohms = readImpedance(option, value);
            if (const auto* failure = std::get_if<Failure>(&ohms)) {
                return std::optional<Failure>(*failure);
            }
            field = static_cast<float>(std::get<double>(ohms));
            return std::optional<Failure>();
        };
    };
    const auto into = [&options](auto read) -> Reader {
        return [read, &options](std::string_view value) { return read(value, options); };
    };
    return {
        {"--zin", true, "OHMS", "input impedance: 75, 2.2k, 1k5, 1M (prefixes m, k, M, G)",
         impedance("--zin", options.zin)},
        {"--zout", true, "OHMS", "output impedance", impedance("--zout", options.zout)},
        {"--db", true, "DB", "loss in dB, above 0; or FROM:TO:STEP for a table", into(readLosses)},
        {"--series", false, "E24",
         "round each arm to the nearest value of E6, E12, E24, E48,\n"
         "E96 or E192 and check the rounded network",
         into(readSeries)},
        {"--tolerance", false, "PERCENT", "worst case over every corner of the resistor tolerances",
         into(readTolerance)},
        {"--power", false, "WATTS",
         "power available from the source (0.5, 500mW, 27dBm): each\n"
         "resistor's dissipation",
         into(readPower)},
        {"--format", false, "FORMAT",
         "text (the default), csv, json or spice (a .subckt with the\n"
         "ports in, out and gnd)",
         into(readFormat)},
    };
}

constexpr std::string_view description =
    "Designs a resistive attenuator with the same arithmetic as the Zelmarino window, checks it\n"
    "by circuit analysis, and rounds it to standard resistor values if asked.";

constexpr std::string_view notes =
    "Exit status: 0 when every design can be built, 1 when a loss is below the minimum for\n"
    "the impedances (the values are printed all the same, the negative arm named), 2 when\n"
    "the command line is refused.\n"
    "\n"
    "Example: zelmarino-calc pi --zin 75 --zout 50 --db 10 --series E24";

// The command line as CLI11 reads it, and its help. The help and version flags answer as soon
// as they are read, whatever else is on the line; every value is judged by this program's own
// readers.
class CommandLine {
public:
    explicit CommandLine(Options& options) {
        m_app.description(std::string(description));
        m_app.footer(std::string(notes));
        std::vector<Choice> choices;
        choices.reserve(networkChoices.size());
        for (const auto& choice : networkChoices) {
            choices.push_back({networkName(choice.network), choice.what});
        }
        m_app.formatter(helpLayout(std::move(choices)));
        m_network =
            m_app.add_option_function<std::string>("NETWORK", [&options](const std::string& name) {
                if (name.starts_with('-')) {
                    refuse(unknownOption(name));
                }
                const auto network = networkNamed(name);
                if (!network) {
                    refuse(unknownNetwork(name));
                }
                options.network = *network;
            });
        m_network->required()->group("Networks");
        for (auto& [name, required, valueName, help, read] : valueOptions(options)) {
            CLI::Option* option = m_app.add_option_function<std::string>(
                name,
                [name = name, read = std::move(read)](const std::string& value) {
                    // CLI11 takes whatever follows an option as its value; another option
                    // there means that this one was given none.
                    if (value.starts_with("--")) {
                        refuse(name + " needs a value");
                    }
                    if (auto failure = read(value)) {
                        refuse(std::move(failure->message));
                    }
                },
                help);
            option->required(required)->option_text(valueName);
        }
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
    }

    [[nodiscard]] std::string help() const { return m_app.help(); }

    // Reads the arguments; throws CLI11's errors, help and version included.
    void parse(std::span<const std::string_view> arguments) {
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
        m_app.parse(std::move(reversed));
        // CLI11 sets a lone "--" aside as the end of the options; nothing here needs one.
        if (!m_app.remaining().empty()) {
            refuse(unknownOption(m_app.remaining().front()));
        }
    }

    // Says in this program's words what CLI11 refused.
    [[nodiscard]] std::string refusal(const CLI::ParseError& error,
                                      std::span<const std::string_view> arguments) const {
        const std::vector<std::string> unplaced = m_app.remaining();
        // An argument that fits nowhere is named before a missing option, which it may well
        // have been meant to be ("--zuot 50").
        const bool missing = dynamic_cast<const CLI::RequiredError*>(&error) != nullptr;
        if ((missing || dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) &&
            !unplaced.empty()) {
            return unexpected(unplaced.front());
        }
        if (missing) {
            const auto notGiven = m_app.get_options([](const CLI::Option* option) {
                return option->get_required() && option->count() == 0;
            });
            if (notGiven.front() == m_network) {
                return "no network given (" + std::string(networkChoice) + ")";
            }
            return "missing " + notGiven.front()->get_name();
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

private:
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

    CLI::App m_app{"", "zelmarino-calc"};
    CLI::Option* m_network = nullptr;
    std::array<CLI::Option*, 2> m_flags{}; // help, version
};

} // namespace

ParsedCommand parseCommand(std::span<const std::string_view> arguments) {
    Options options;
    CommandLine commandLine(options);
    try {
        commandLine.parse(arguments);
    } catch (const CLI::CallForHelp&) {
        return HelpRequest{commandLine.help()};
    } catch (const CLI::CallForVersion&) {
        return VersionRequest{};
    } catch (const CLI::ParseError& error) {
        return Refusal{commandLine.refusal(error, arguments)};
    }
    return options;
}

} // namespace zelmarino::cli
