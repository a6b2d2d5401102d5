#include "cli/options.h"

#include "cli/number_input.h"

#include <algorithm>
#include <array>
#include <cmath>
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

std::optional<Network> networkNamed(std::string_view name) {
    for (const Network network : {Network::Pi, Network::T, Network::LOut, Network::LIn}) {
        if (networkName(network) == name) {
            return network;
        }
    }
    return std::nullopt;
}

constexpr std::string_view networkChoice = "choose pi, t, l-out or l-in";

enum class Option { Zin, Zout, Db, Series, Tolerance, Power, Format };

constexpr std::array<std::string_view, 7> optionNames = {
    "--zin", "--zout", "--db", "--series", "--tolerance", "--power", "--format"};

std::optional<Option> optionNamed(std::string_view name) {
    for (std::size_t i = 0; i < optionNames.size(); ++i) {
        if (optionNames.at(i) == name) {
            return static_cast<Option>(i);
        }
    }
    return std::nullopt;
}

std::optional<Failure> applyOption(Option option, std::string_view value, Options& options) {
    const auto impedance = [&](float& field) -> std::optional<Failure> {
        const auto ohms = readImpedance(optionNames.at(static_cast<std::size_t>(option)), value);
        if (const auto* failure = std::get_if<Failure>(&ohms)) {
            return *failure;
        }
        field = static_cast<float>(std::get<double>(ohms));
        return std::nullopt;
    };
    switch (option) {
    case Option::Zin:
        return impedance(options.zin);
    case Option::Zout:
        return impedance(options.zout);
    case Option::Db:
        return readLosses(value, options);
    case Option::Series:
        return readSeries(value, options);
    case Option::Tolerance:
        return readTolerance(value, options);
    case Option::Power:
        return readPower(value, options);
    case Option::Format:
        break;
    }
    return readFormat(value, options);
}

} // namespace

ParsedCommand parseCommand(std::span<const std::string_view> arguments) {
    // Help and version answer whatever else is on the line.
    for (const std::string_view argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            return HelpRequest{};
        }
        if (argument == "--version") {
            return VersionRequest{};
        }
    }
    Options options;
    std::optional<Network> network;
    std::array<bool, optionNames.size()> given{};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (!argument.starts_with("-")) {
            if (network) {
                return Refusal{"unexpected argument " + quoted(argument) +
                               ": the network is already " + quoted(networkName(*network))};
            }
            network = networkNamed(argument);
            if (!network) {
                return Refusal{"unknown network " + quoted(argument) + " (" +
                               std::string(networkChoice) + ")"};
            }
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const auto option = name.starts_with("--") ? optionNamed(name) : std::nullopt;
        if (!option) {
            return Refusal{"unknown option " + quoted(name)};
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size() && !arguments[i + 1].starts_with("--")) {
            value = arguments[++i];
        } else {
            return Refusal{std::string(name) + " needs a value"};
        }
        auto& seen = given.at(static_cast<std::size_t>(*option));
        if (seen) {
            return Refusal{std::string(name) + " is given twice"};
        }
        seen = true;
        if (auto failure = applyOption(*option, value, options)) {
            return Refusal{std::move(failure->message)};
        }
    }
    if (!network) {
        return Refusal{"no network given (" + std::string(networkChoice) + ")"};
    }
    options.network = *network;
    for (const Option required : {Option::Zin, Option::Zout, Option::Db}) {
        if (!given.at(static_cast<std::size_t>(required))) {
            return Refusal{"missing " +
                           std::string(optionNames.at(static_cast<std::size_t>(required)))};
        }
    }
    return options;
}

} // namespace zelmarino::cli
