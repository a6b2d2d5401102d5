#include "cli/option_values.h"

#include "cli/number_input.h"
#include "cli/output_common.h"
#include "design/attenuator.h"
#include "design/checked.h"
#include "design/evaluation.h"
#include "text/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>
#include <variant>
#include <vector>

namespace zelmarino::cli {

namespace {

std::string about(std::string_view option, std::string_view value, std::string_view problem) {
    return std::string(option) + " " + quoted(value) + ": " + std::string(problem);
}

// Reads a positive number and refuses what single precision, the window's own, cannot hold.
std::variant<double, Refusal> readPositive(std::string_view option, std::string_view value,
                                           Prefixes prefixes, std::string_view positiveWhat) {
    const NumberReading reading = readNumber(value, prefixes);
    if (reading.status == NumberReading::Status::NotANumber) {
        return Refusal{about(option, value, "not a number")};
    }
    if (reading.status == NumberReading::Status::OutOfRange ||
        std::abs(reading.value) > std::numeric_limits<float>::max()) {
        return Refusal{about(option, value, "out of range")};
    }
    if (!(reading.value > 0.0)) {
        return Refusal{about(option, value, positiveWhat)};
    }
    if (reading.value < std::numeric_limits<float>::min()) {
        return Refusal{about(option, value, "too small")};
    }
    return reading.value;
}

std::variant<double, Refusal> readLoss(std::string_view value) {
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

bool endsWithDbm(std::string_view text) {
    if (text.size() < 3) {
        return false;
    }
    const std::string_view unit = text.substr(text.size() - 3);
    return (unit[0] == 'd' || unit[0] == 'D') && (unit[1] == 'b' || unit[1] == 'B') &&
           (unit[2] == 'm' || unit[2] == 'M');
}

} // namespace

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

std::optional<Refusal> readImpedance(std::string_view option, std::string_view value, float& ohms) {
    const auto reading =
        readPositive(option, value, Prefixes::Allowed, "must be a resistance above 0 ohms");
    if (const auto* refusal = std::get_if<Refusal>(&reading)) {
        return *refusal;
    }
    ohms = static_cast<float>(std::get<double>(reading));
    return std::nullopt;
}

std::optional<Refusal> readLosses(std::string_view value, Options& options) {
    options.lossText = value;
    if (value == "min") {
        options.minimumLossPad = true;
        return std::nullopt;
    }
    if (value.find(':') == std::string_view::npos) {
        const auto loss = readLoss(value);
        if (const auto* failure = std::get_if<Refusal>(&loss)) {
            return *failure;
        }
        options.lossesDb = {static_cast<float>(std::get<double>(loss))};
        return std::nullopt;
    }
    const auto parts = split(value, ':');
    if (parts.size() != 3) {
        return Refusal{about("--db", value, "a range is written FROM:TO:STEP")};
    }
    constexpr std::array<std::string_view, 3> partNames = {"FROM", "TO", "STEP"};
    std::array<double, 3> numbers{};
    for (std::size_t i = 0; i < 3; ++i) {
        const NumberReading reading = readNumber(parts[i], Prefixes::Refused);
        if (reading.status == NumberReading::Status::NotANumber) {
            return Refusal{about("--db", value, quoted(parts[i]) + " is not a number")};
        }
        if (reading.status == NumberReading::Status::OutOfRange ||
            std::abs(reading.value) > std::numeric_limits<float>::max()) {
            return Refusal{about("--db", value, quoted(parts[i]) + " is out of range")};
        }
        if (!(reading.value > 0.0)) {
            return Refusal{
                about("--db", value, std::string(partNames.at(i)) + " must be above 0 dB")};
        }
        if (reading.value < std::numeric_limits<float>::min()) {
            return Refusal{about("--db", value,
                                 std::string(partNames.at(i)) + " " + quoted(parts[i]) +
                                     " is too small for single precision, which holds no "
                                     "loss below 1.17549e-38 dB")};
        }
        numbers.at(i) = reading.value;
    }
    const double from = numbers[0];
    const double to = numbers[1];
    const double step = numbers[2];
    if (to < from) {
        return Refusal{about("--db", value, "TO is below FROM")};
    }
    // The rows are counted and placed in double precision, with a hair of slack so that
    // 0.1:1:0.1 ends on 1 despite the binary fractions; each loss is then held in single
    // precision, as the window holds it.
    const double rows = std::floor((to - from) / step + 1e-9) + 1.0;
    if (rows > static_cast<double>(maximumRows)) {
        return Refusal{about("--db", value, "more than 1000000 designs")};
    }
    options.lossesDb.clear();
    const auto count = static_cast<std::size_t>(rows);
    for (std::size_t i = 0; i < count; ++i) {
        const auto loss = static_cast<float>(std::min(from + static_cast<double>(i) * step, to));
        // Single precision cannot tell apart losses closer than its own spacing there: the
        // table would print the same design twice.
        if (i > 0 && loss == options.lossesDb.back()) {
            return Refusal{about("--db", value,
                                 "STEP " + quoted(parts[2]) +
                                     " is finer than single precision can tell apart at " +
                                     significant(loss, 8) + " dB (rows would repeat)")};
        }
        options.lossesDb.push_back(loss);
    }
    options.table = true;
    return std::nullopt;
}

std::optional<Refusal> readSeries(std::string_view value, Options& options) {
    std::string upper(value);
    if (!upper.empty() && upper.front() == 'e') {
        upper.front() = 'E';
    }
    options.series = seriesNamed(upper);
    if (!options.series) {
        return Refusal{about("--series", value, "not one of E6, E12, E24, E48, E96, E192")};
    }
    return std::nullopt;
}

std::optional<Refusal> readTolerance(std::string_view value, Options& options) {
    std::string_view number = value;
    if (number.ends_with('%')) {
        number.remove_suffix(1);
    }
    const NumberReading reading = readNumber(number, Prefixes::Refused);
    if (reading.status != NumberReading::Status::Ok) {
        return Refusal{about("--tolerance", value, "not a number")};
    }
    if (!(reading.value > 0.0 && reading.value < 100.0)) {
        return Refusal{about("--tolerance", value, "must be a percentage above 0 and below 100")};
    }
    options.tolerance = reading.value / 100.0;
    return std::nullopt;
}

// Watts with an optional prefix and unit ("2", "500m", "500mW"), or dBm ("27dBm", "-3dBm").
std::optional<Refusal> readPower(std::string_view value, Options& options) {
    std::string_view number = value;
    const bool dbm = endsWithDbm(number);
    if (dbm) {
        number.remove_suffix(3);
    } else if (number.ends_with('W')) {
        number.remove_suffix(1);
    }
    const NumberReading reading = readNumber(number, dbm ? Prefixes::Refused : Prefixes::Allowed);
    if (reading.status == NumberReading::Status::NotANumber) {
        return Refusal{about("--power", value, "not a number of watts or dBm")};
    }
    const double watts = dbm ? design::wattsOfDbm(reading.value) : reading.value;
    if (reading.status == NumberReading::Status::OutOfRange || !std::isfinite(watts) ||
        (dbm && !(watts > 0.0))) {
        return Refusal{about("--power", value, "out of range")};
    }
    if (!(watts > 0.0)) {
        return Refusal{about("--power", value, "must be a power above 0 W")};
    }
    options.availableWatts = watts;
    options.powerText = value;
    return std::nullopt;
}

// What each resistor may dissipate, in watts with an optional prefix and unit ("0.25", "250mW").
std::optional<Refusal> readRating(std::string_view value, Options& options) {
    std::string_view number = value;
    if (number.ends_with('W')) {
        number.remove_suffix(1);
    }
    const NumberReading reading = readNumber(number, Prefixes::Allowed);
    if (reading.status == NumberReading::Status::NotANumber) {
        return Refusal{about("--rating", value, "not a number of watts")};
    }
    if (reading.status == NumberReading::Status::OutOfRange || !std::isfinite(reading.value)) {
        return Refusal{about("--rating", value, "out of range")};
    }
    if (!(reading.value > 0.0)) {
        return Refusal{about("--rating", value, "must be a rating above 0 W")};
    }
    options.ratingWatts = reading.value;
    options.ratingText = value;
    return std::nullopt;
}

std::optional<Refusal> readFormat(std::string_view value, Options& options) {
    constexpr std::array<std::pair<std::string_view, OutputFormat>, 5> formats = {{
        {"text", OutputFormat::Text},
        {"csv", OutputFormat::Csv},
        {"json", OutputFormat::Json},
        {"spice", OutputFormat::Spice},
        {"touchstone", OutputFormat::Touchstone},
    }};
    for (const auto& [name, format] : formats) {
        if (name == value) {
            options.format = format;
            return std::nullopt;
        }
    }
    return Refusal{about("--format", value, "not one of text, csv, json, spice, touchstone")};
}

namespace {

// Why the window's arithmetic cannot design this loss, if it cannot. The arithmetic fails
// only at the ends: where K = 10^(A/20) rounds to 1 or where K² overflows.
std::optional<std::string> undesignable(const Options& options, float lossDb) {
    try {
        static_cast<void>(design::designPlaced(options.network, options.zin, options.zout, lossDb,
                                               options.shuntAt));
    } catch (const design::FloatError& error) {
        const bool kIsOne = design::voltageRatio(lossDb).value() == 1.0;
        return std::string(kIsOne ? "too small: 10^(A/20) rounds to 1"
                                  : "too large for double precision") +
               " and the calculation fails (" + std::string(design::failureName(error.failure)) +
               ")";
    }
    return std::nullopt;
}

// --db min: the loss of the minimum-loss pad, or why there is none.
std::optional<Refusal> findMinimumLoss(Options& options) {
    const auto loss =
        design::minimumLossPad(options.network, options.zin, options.zout, options.shuntAt);
    if (loss) {
        options.lossesDb = {*loss};
        return std::nullopt;
    }
    if (options.zin == options.zout) {
        return Refusal{
            about("--db", "min", "between equal impedances the least loss is 0 dB, no pad at all")};
    }
    const bool atInput = options.shuntAt == design::ShuntAt::Input;
    return Refusal{about("--db", "min",
                         std::string("an L matches both ports only with its shunt across the "
                                     "smaller impedance: add --shunt-at ") +
                             (atInput ? "output" : "input"))};
}

} // namespace

std::optional<Refusal> readArm(std::string_view option, std::string_view value,
                               design::Part& part) {
    const std::size_t parallel = value.find("||");
    const std::size_t series = value.find('+', 1); // not the sign of a lone number
    const bool two = parallel != std::string_view::npos || series != std::string_view::npos;
    const std::size_t at = parallel != std::string_view::npos ? parallel : series;
    const std::array<std::string_view, 2> parts = {
        two ? value.substr(0, at) : value,
        two ? value.substr(at + (parallel != std::string_view::npos ? 2 : 1)) : std::string_view()};
    std::array<double, 2> sides{};
    for (std::size_t i = 0; i < (two ? 2U : 1U); ++i) {
        const NumberReading reading = readNumber(parts.at(i), Prefixes::Allowed);
        if (reading.status == NumberReading::Status::NotANumber) {
            return Refusal{about(option, value,
                                 two ? quoted(parts.at(i)) + " is not a number" : "not a number")};
        }
        if (reading.status == NumberReading::Status::OutOfRange) {
            return Refusal{about(option, value, "out of range")};
        }
        // A wire is an arm too; a negative resistor is not one anyone has.
        if (!(reading.value >= 0.0)) {
            return Refusal{about(option, value, "a resistance is 0 ohms or more")};
        }
        sides.at(i) = reading.value;
    }
    part = design::partOf(sides[0], two ? std::optional(sides[1]) : std::nullopt,
                          parallel != std::string_view::npos);
    if (!std::isfinite(part.ohms)) {
        return Refusal{about(option, value, "out of range")};
    }
    return std::nullopt;
}

std::optional<Refusal> readMinReturnLoss(std::string_view value, Options& options) {
    const NumberReading reading = readNumber(value, Prefixes::Refused);
    if (reading.status != NumberReading::Status::Ok) {
        return Refusal{about("--min-return-loss", value, "not a number")};
    }
    if (!(reading.value >= 0.0)) {
        return Refusal{about("--min-return-loss", value, "must be a return loss of 0 dB or more")};
    }
    options.minReturnLossDb = reading.value;
    return std::nullopt;
}

std::optional<Refusal> readShuntAt(std::string_view value, Options& options) {
    if (value == "input") {
        options.shuntAt = design::ShuntAt::Input;
    } else if (value == "output") {
        options.shuntAt = design::ShuntAt::Output;
    } else {
        return Refusal{about("--shunt-at", value, "not one of input, output")};
    }
    options.shuntAtText = value;
    options.shuntChosen = true;
    return std::nullopt;
}

std::optional<Refusal> completeOptions(Options& options) {
    if (auto objection = design::objection(options, options.given)) {
        switch (objection->subject) {
        case design::Objection::Subject::Impedances:
            return Refusal{std::string(design::entryOf(options.network).command) + ": --zin " +
                           entryText(options.zin) + " and --zout " + entryText(options.zout) +
                           " differ, and " + objection->reason};
        case design::Objection::Subject::Shunt:
            return Refusal{about("--shunt-at", options.shuntAtText, objection->reason)};
        case design::Objection::Subject::Power:
            break;
        }
        return Refusal{about("--power", options.powerText, objection->reason)};
    }
    if (options.minimumLossPad) {
        if (auto refusal = findMinimumLoss(options)) {
            return refusal;
        }
    }
    if (options.pairs && !options.optimise) {
        return Refusal{"--pairs: only with --optimise"};
    }
    if (options.optimise) {
        if (!options.series) {
            return Refusal{"--optimise: needs --series, the values to choose from"};
        }
        if (options.table) {
            return Refusal{"--optimise: one loss at a time, not a table"};
        }
        if (options.format == OutputFormat::Spice || options.format == OutputFormat::Touchstone) {
            return Refusal{"--optimise: written as text, csv or json"};
        }
    }
    if (!options.lossesDb.empty()) {
        const std::vector<std::string_view> parts = split(options.lossText, ':');
        // A table's first row is FROM and its last is at most TO: those are what was typed.
        const std::array<std::pair<float, std::string>, 2> ends = {{
            {options.lossesDb.front(),
             options.table ? "FROM " + quoted(parts.front()) + " is " : std::string()},
            {options.lossesDb.back(),
             options.table ? "TO " + quoted(parts.at(1)) + " is " : std::string()},
        }};
        for (const auto& [loss, which] : ends) {
            if (const auto why = undesignable(options, loss)) {
                return Refusal{about("--db", options.lossText, which + *why)};
            }
        }
    }
    // The tolerated power is the given one scaled until the hottest arm reaches its rating.
    if (options.ratingWatts && !options.availableWatts) {
        return Refusal{about("--rating", options.ratingText,
                             "needs --power, the source power whose dissipation it scales")};
    }
    return std::nullopt;
}

} // namespace zelmarino::cli
