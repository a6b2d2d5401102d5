#include "cli/option_values.h"

#include "cli/line_options.h"
#include "cli/model_options.h"
#include "cli/number_input.h"
#include "cli/quantity_reader.h"
#include "design/attenuator.h"
#include "design/checked.h"
#include "design/evaluation.h"
#include "formats/output_common.h"
#include "text/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <variant>
#include <vector>

namespace zelmarino::cli {

using namespace formats;

namespace {

std::string about(std::string_view option, std::string_view value, std::string_view problem) {
    return std::string(option) + " " + quoted(value) + ": " + std::string(problem);
}

// An impedance, an arm's half, a loss: the quantities the readers below share.
constexpr Quantity impedance(std::string_view option) {
    return {.option = option,
            .prefixes = Prefixes::Allowed,
            .resistorCode = ResistorCode::Allowed,
            .lowest = 0.0,
            .lowestAllowed = false,
            .singlePrecision = true,
            .outside = "must be a resistance above 0 ohms"};
}

constexpr Quantity armResistance(std::string_view option) {
    // A wire is an arm too; a negative resistor is not one anyone has.
    return {.option = option,
            .prefixes = Prefixes::Allowed,
            .resistorCode = ResistorCode::Allowed,
            .lowest = 0.0,
            .outside = "a resistance is 0 ohms or more"};
}

constexpr Quantity lossInDb = {.option = "--db",
                               .lowest = 0.0,
                               .lowestAllowed = false,
                               .singlePrecision = true,
                               .outside = "must be a loss above 0 dB"};

// Why a table of losses is refused, naming the part at fault.
std::string lossRangeFault(const RangeFault& fault) {
    if (fault.notThreeParts) {
        return "a range is written FROM:TO:STEP";
    }
    constexpr std::array<std::string_view, 3> partNames = {"FROM", "TO", "STEP"};
    const std::string name(partNames.at(fault.part));
    const std::string part = quoted(fault.text);
    switch (fault.fault) {
    case QuantityFault::OutOfRange:
        return part + " is out of range";
    case QuantityFault::Outside:
        return name + " must be above 0 dB";
    case QuantityFault::TooSmall:
        return name + " " + part +
               " is too small for single precision, which holds no loss below 1.17549e-38 dB";
    case QuantityFault::NotANumber:
        break;
    }
    return part + " is not a number";
}

// Watts, for --power and --rating: the few microwatts of a small signal included.
constexpr Quantity watts(std::string_view option, std::string_view notANumber,
                         std::string_view outside) {
    return {.option = option,
            .unit = "W",
            .prefixes = Prefixes::AllowedWithMicro,
            .lowest = 0.0,
            .lowestAllowed = false,
            .notANumber = notANumber,
            .outside = outside};
}

// Where an arm's two resistors in series part: at a '+' that is neither the first number's
// sign nor an exponent's, which comes right after an e that follows a digit ("2.2e+02").
std::size_t seriesPlus(std::string_view text) {
    for (std::size_t at = text.find('+', 1); at != std::string_view::npos;
         at = text.find('+', at + 1)) {
        const bool exponentSign =
            at >= 2 && (text[at - 1] == 'e' || text[at - 1] == 'E') &&
            ((text[at - 2] >= '0' && text[at - 2] <= '9') || text[at - 2] == '.');
        if (!exponentSign) {
            return at;
        }
    }
    return std::string_view::npos;
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

} // namespace

std::optional<Refusal> readImpedance(std::string_view option, std::string_view value, float& ohms) {
    const auto reading = readOption(value, impedance(option));
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
        const auto reading = readOption(value, lossInDb);
        if (const auto* refusal = std::get_if<Refusal>(&reading)) {
            return *refusal;
        }
        options.lossesDb = {static_cast<float>(std::get<double>(reading))};
        return std::nullopt;
    }
    const auto reading = readRange(value, {lossInDb, lossInDb});
    if (const auto* fault = std::get_if<RangeFault>(&reading)) {
        return Refusal{about("--db", value, lossRangeFault(*fault))};
    }
    const auto& [numbers, parts] = std::get<RangeReading>(reading);
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
    constexpr Quantity percentage = {.option = "--tolerance",
                                     .unit = "%",
                                     .lowest = 0.0,
                                     .lowestAllowed = false,
                                     .highest = 100.0,
                                     .highestAllowed = false,
                                     .outOfRange = "not a number",
                                     .outside = "must be a percentage above 0 and below 100"};
    const auto reading = readOption(value, percentage);
    if (const auto* refusal = std::get_if<Refusal>(&reading)) {
        return *refusal;
    }
    options.tolerance = std::get<double>(reading) / 100.0;
    return std::nullopt;
}

// Watts with an optional prefix and unit ("2", "500m", "500mW", "1uW"), or dBm ("27dBm",
// "-3dBm").
std::optional<Refusal> readPower(std::string_view value, Options& options) {
    constexpr std::string_view notPower = "not a number of watts or dBm";
    constexpr Quantity dbm = {.option = "--power", .unit = "dBm", .notANumber = notPower};
    double watts = 0.0;
    if (hasUnit(value, dbm)) {
        const auto reading = readOption(value, dbm);
        if (const auto* refusal = std::get_if<Refusal>(&reading)) {
            return *refusal;
        }
        watts = design::wattsOfDbm(std::get<double>(reading));
        if (!std::isfinite(watts) || !(watts > 0.0)) {
            return Refusal{about("--power", value, "out of range")};
        }
    } else {
        const auto reading =
            readOption(value, cli::watts("--power", notPower, "must be a power above 0 W"));
        if (const auto* refusal = std::get_if<Refusal>(&reading)) {
            return *refusal;
        }
        watts = std::get<double>(reading);
    }
    options.availableWatts = watts;
    options.powerText = value;
    return std::nullopt;
}

// What each resistor may dissipate, in watts with an optional prefix and unit ("0.25",
// "250mW").
std::optional<Refusal> readRating(std::string_view value, Options& options) {
    const auto reading =
        readOption(value, watts("--rating", "not a number of watts", "must be a rating above 0 W"));
    if (const auto* refusal = std::get_if<Refusal>(&reading)) {
        return *refusal;
    }
    options.ratingWatts = std::get<double>(reading);
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
    const std::size_t series = seriesPlus(value);
    const bool two = parallel != std::string_view::npos || series != std::string_view::npos;
    const std::size_t at = parallel != std::string_view::npos ? parallel : series;
    const std::array<std::string_view, 2> parts = {
        two ? value.substr(0, at) : value,
        two ? value.substr(at + (parallel != std::string_view::npos ? 2 : 1)) : std::string_view()};
    const Quantity resistance = armResistance(option);
    std::array<double, 2> sides{};
    for (std::size_t i = 0; i < (two ? 2U : 1U); ++i) {
        const QuantityReading reading = readQuantity(parts.at(i), resistance);
        if (const auto* fault = std::get_if<QuantityFault>(&reading)) {
            return Refusal{about(option, value,
                                 two && *fault == QuantityFault::NotANumber
                                     ? quoted(parts.at(i)) + " is not a number"
                                     : std::string(reasonFor(*fault, resistance)))};
        }
        sides.at(i) = std::get<double>(reading);
    }
    part = design::partOf(sides[0], two ? std::optional(sides[1]) : std::nullopt,
                          parallel != std::string_view::npos);
    if (!std::isfinite(part.ohms)) {
        return Refusal{about(option, value, "out of range")};
    }
    return std::nullopt;
}

std::optional<Refusal> readMinReturnLoss(std::string_view value, Options& options) {
    constexpr Quantity returnLoss = {.option = "--min-return-loss",
                                     .lowest = 0.0,
                                     .outOfRange = "not a number",
                                     .outside = "must be a return loss of 0 dB or more"};
    const auto reading = readOption(value, returnLoss);
    if (const auto* refusal = std::get_if<Refusal>(&reading)) {
        return *refusal;
    }
    options.minReturnLossDb = std::get<double>(reading);
    options.minReturnLossGiven = true;
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
    if (auto refusal = lineRefusal(options)) {
        return refusal;
    }
    if (auto objection = design::objection(options, options.given)) {
        switch (objection->subject) {
        case design::Objection::Subject::Impedances:
            return Refusal{std::string(design::entryOf(options.network).command) + ": --zin " +
                           entryText(options.zin) + " and --zout " + entryText(options.zout) +
                           " differ, and " + objection->reason};
        case design::Objection::Subject::Shunt:
            return Refusal{about("--shunt-at", options.shuntAtText, objection->reason)};
        // The lines' objections in the words of this program's options.
        case design::Objection::Subject::Frequency:
            return Refusal{std::string(design::entryOf(options.network).command) +
                           ": needs --f0, the frequency its lines are a quarter wave at"};
        case design::Objection::Subject::DcAnalysis:
            return Refusal{std::string(design::entryOf(options.network).command) +
                           ": analysed at --f0 alone: --optimise, --tolerance and --power "
                           "analyse at DC"};
        case design::Objection::Subject::LinesGiven:
            return Refusal{std::string(design::entryOf(options.network).command) + ": " +
                           objection->reason};
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
    if (options.decimalComma && options.format != OutputFormat::Csv) {
        return Refusal{"--decimal-comma: only with --format csv"};
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
        // Its report has no place for them yet: refused rather than dropped.
        if (options.tolerance) {
            return Refusal{"--optimise: not with --tolerance (one at a time)"};
        }
        if (options.availableWatts) {
            return Refusal{"--optimise: not with --power (one at a time)"};
        }
    }
    if (auto refusal = responseRefusal(options)) {
        return refusal;
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
